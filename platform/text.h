#pragma once

#include <string>
#include <string_view>

namespace fandrel {

// All text in the program is UTF-16, on every system, so that names in any script are
// found, compared and kept exactly; conversions happen only inside platform/.
using Text = std::u16string;
using TextView = std::u16string_view;

// The character that ends every folder path, so that a folder path followed by an
// entry name is that entry's full path.
#ifdef _WIN32
inline constexpr char16_t kPathSeparator = u'\\';
#else
inline constexpr char16_t kPathSeparator = u'/';
#endif

}  // namespace fandrel
