#include <clocale>
#include <cwctype>

#include "platform/lower_case.h"

namespace fandrel {
namespace {

// The process takes the user's locale once, at its first lowering: what 'I' lowers to is
// then fixed ('ı' in Turkish and Azeri locales, 'i' elsewhere).
char16_t LowerI() {
  std::setlocale(LC_ALL, "");
  return static_cast<char16_t>(std::towlower(L'I'));
}

}  // namespace

void LowerCase(TextView text, Text& out) {
  static const char16_t lowerI = LowerI();
  // Simple case mappings keep the length: every code unit is lowered in place.
  out.assign(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const char16_t u = out[i];
    if (u < 0x80) {
      // The common case, spared a library call: towlower agrees with this in every
      // locale but on 'I'.
      out[i] = u == u'I' ? lowerI : FoldAscii(u);
    } else if (u >= 0xD800 && u <= 0xDBFF && i + 1 < out.size() && out[i + 1] >= 0xDC00 &&
               out[i + 1] <= 0xDFFF) {
      const char32_t c = 0x10000 + ((char32_t{u} - 0xD800) << 10) + (out[i + 1] - 0xDC00);
      const auto lower = static_cast<char32_t>(std::towlower(static_cast<wint_t>(c)));
      if (lower >= 0x10000) {  // a pair lowers to a pair, or stays as it is
        out[i] = static_cast<char16_t>(0xD800 + ((lower - 0x10000) >> 10));
        out[i + 1] = static_cast<char16_t>(0xDC00 + ((lower - 0x10000) & 0x3FF));
      }
      ++i;
    } else if (u < 0xD800 || u > 0xDFFF) {  // a lone surrogate has no case
      const auto lower = static_cast<char32_t>(std::towlower(u));
      // A simple case mapping keeps a BMP character in the BMP; guard it all the same.
      if (lower < 0x10000) out[i] = static_cast<char16_t>(lower);
    }
  }
}

}  // namespace fandrel
