#include "platform/posix/utf8.h"

#include "platform/posix/utf16.h"

namespace fandrel {
namespace {

// Writes `c` at out[n] on, as one unit or a surrogate pair; returns where the next goes.
std::size_t PutCodePoint(Text& out, std::size_t n, char32_t c) {
  if (c < 0x10000) {
    out[n] = static_cast<char16_t>(c);
    return n + 1;
  }
  out[n] = HighSurrogate(c);
  out[n + 1] = LowSurrogate(c);
  return n + 2;
}

// Length of the valid UTF-8 sequence at the start of `s` and its code point, or 0.
std::size_t DecodeOne(std::string_view s, char32_t& c) {
  const auto b0 = static_cast<unsigned char>(s[0]);
  if (b0 < 0x80) {
    c = b0;
    return 1;
  }
  std::size_t length;
  char32_t minimum;
  if ((b0 & 0xE0) == 0xC0) {
    length = 2, c = b0 & 0x1F, minimum = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3, c = b0 & 0x0F, minimum = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4, c = b0 & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (s.size() < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(s[k]);
    if ((b & 0xC0) != 0x80) return 0;
    c = (c << 6) | (b & 0x3F);
  }
  // Overlong forms, encoded surrogates and values past U+10FFFF are not valid UTF-8.
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return length;
}

inline void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

void AssignFromFileName(std::string_view bytes, Text& out) {
  // Never more code units than bytes: a pair of units takes four bytes.
  out.resize(bytes.size());
  std::size_t n = 0;
  // Most names are ASCII from start to end; those bytes are their own code units.
  while (n < bytes.size() && static_cast<unsigned char>(bytes[n]) < 0x80) {
    out[n] = static_cast<char16_t>(bytes[n]);
    ++n;
  }
  bytes.remove_prefix(n);
  while (!bytes.empty()) {
    char32_t c = 0;
    std::size_t used = DecodeOne(bytes, c);
    if (used == 0) {
      c = 0xDC00 + static_cast<unsigned char>(bytes[0]);
      used = 1;
    }
    n = PutCodePoint(out, n, c);
    bytes.remove_prefix(used);
  }
  out.resize(n);
}

void AssignFileName(TextView text, std::string& out) {
  // Most paths are ASCII from start to end; those code units are their own bytes.
  std::size_t ascii = 0;
  while (ascii < text.size() && text[ascii] < 0x80) ++ascii;
  out.resize(ascii);
  for (std::size_t i = 0; i < ascii; ++i) out[i] = static_cast<char>(text[i]);
  for (std::size_t i = ascii; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (const char32_t pair = PairAt(text, i)) {
      AppendUtf8(out, pair);
      ++i;
    } else if (u >= 0xDC80 && u <= 0xDCFF) {
      out.push_back(static_cast<char>(u - 0xDC00));  // a byte that was not UTF-8
    } else {
      AppendUtf8(out, u);  // other lone surrogates have no byte form; keep them visible
    }
  }
}

}  // namespace fandrel
