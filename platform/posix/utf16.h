#pragma once

#include <cstddef>

#include "platform/text.h"

namespace fandrel {

// The code point of the surrogate pair at text[at], or 0 where none begins there.
inline char32_t PairAt(TextView text, std::size_t at) {
  if (at + 1 >= text.size() || text[at] < 0xD800 || text[at] > 0xDBFF || text[at + 1] < 0xDC00 ||
      text[at + 1] > 0xDFFF) {
    return 0;
  }
  return 0x10000 + ((char32_t{text[at]} - 0xD800) << 10) + (text[at + 1] - 0xDC00);
}

// The two units of a code point past U+FFFF.
inline char16_t HighSurrogate(char32_t c) {
  return static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
}
inline char16_t LowSurrogate(char32_t c) {
  return static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
}

}  // namespace fandrel
