#include <clocale>
#include <cwctype>

#include "platform/lower_case.h"

namespace fandrel {
namespace {

bool UseUserLocale() {
  std::setlocale(LC_ALL, "");
  return true;
}

}  // namespace

Text LowerCase(TextView text) {
  static const bool localeReady = UseUserLocale();
  (void)localeReady;
  Text out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (u < 0x80 && u != u'I') {
      // The common case, spared a library call: towlower agrees with this in every
      // locale; only 'I' differs (in Turkish ones), so it takes the general path below.
      out.push_back(u >= u'A' && u <= u'Z' ? static_cast<char16_t>(u + 32) : u);
      continue;
    }
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      const char32_t c = 0x10000 + ((char32_t{u} - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      const auto lower = static_cast<char32_t>(std::towlower(static_cast<wint_t>(c)));
      if (lower >= 0x10000) {
        out.push_back(static_cast<char16_t>(0xD800 + ((lower - 0x10000) >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + ((lower - 0x10000) & 0x3FF)));
      } else {
        out.push_back(static_cast<char16_t>(lower));
      }
      ++i;
      continue;
    }
    if (u >= 0xD800 && u <= 0xDFFF) {
      out.push_back(u);  // a lone surrogate has no case
      continue;
    }
    const auto lower = static_cast<char32_t>(std::towlower(u));
    // A simple case mapping keeps a BMP character in the BMP; guard it all the same.
    out.push_back(lower < 0x10000 ? static_cast<char16_t>(lower) : u);
  }
  return out;
}

}  // namespace fandrel
