#include <clocale>
#include <cwctype>

#include "platform/lower_case.h"
#include "platform/posix/utf16.h"

namespace fandrel {

void UseUsersLocale() { std::setlocale(LC_ALL, ""); }

char16_t LowerCaseI() { return static_cast<char16_t>(std::towlower(L'I')); }

void LowerCase(TextView text, Text& out) {
  const char16_t lowerI = LowerCaseI();
  // Simple case mappings keep the length: every code unit is lowered in place.
  out.assign(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const char16_t u = out[i];
    if (u < 0x80) {
      out[i] = u == u'I' ? lowerI : FoldAscii(u);  // spared a library call
    } else if (const char32_t pair = PairAt(out, i)) {
      const auto lower = static_cast<char32_t>(std::towlower(static_cast<wint_t>(pair)));
      if (lower >= 0x10000) {  // a pair lowers to a pair, or stays as it is
        out[i] = HighSurrogate(lower);
        out[i + 1] = LowSurrogate(lower);
      }
      ++i;
    } else if (u < 0xD800 || u > 0xDFFF) {  // a lone surrogate has no case
      const auto lower = static_cast<char32_t>(std::towlower(u));
      if (lower < 0x10000) out[i] = static_cast<char16_t>(lower);
    }
  }
}

}  // namespace fandrel
