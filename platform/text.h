#pragma once

#include <string>
#include <string_view>

namespace fandrel {

// All text in the program is UTF-16, on every system, so that names in any script are
// found, compared and kept exactly. The program converts the system's text only inside
// platform/; the benchmark makes UTF-16 of its own ASCII and UTF-8 names.
using Text = std::u16string;
using TextView = std::u16string_view;

// 'A' to 'Z' lowered, every other unit as it is: how every locale lowers plain ASCII but
// for the Turkish and Azeri 'I'.
constexpr char16_t FoldAscii(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

// The character that ends every folder path, so that a folder path followed by an
// entry name is that entry's full path.
#ifdef _WIN32
inline constexpr char16_t kPathSeparator = u'\\';
#else
inline constexpr char16_t kPathSeparator = u'/';
#endif

}  // namespace fandrel
