#include <windows.h>

#include "platform/lower_case.h"
#include "platform/win32/wide.h"

namespace fandrel {
namespace {

// The locale's linguistic casing rather than the file system's ("LCMapStringEx"): under a
// Turkish locale, 'I' lowers to the dotless 'ı' (the TurkishLocale test).
constexpr DWORD kLowerCase = LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING;

}  // namespace

void LowerCase(TextView text, Text& lowered) {
  // Should the locale fail to lower the text, it is matched as it is.
  lowered.assign(text);
  if (text.empty()) return;
  const std::wstring source = ToWide(text);
  const int sourceLength = static_cast<int>(source.size());
  std::wstring lower(source.size(), L'\0');
  int written = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kLowerCase, source.data(), sourceLength,
                              lower.data(), sourceLength, nullptr, nullptr, 0);
  if (written == 0) {
    const int needed = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kLowerCase, source.data(),
                                     sourceLength, nullptr, 0, nullptr, nullptr, 0);
    if (needed <= 0) return;
    lower.assign(static_cast<std::size_t>(needed), L'\0');
    written = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kLowerCase, source.data(), sourceLength,
                            lower.data(), needed, nullptr, nullptr, 0);
    if (written == 0) return;
  }
  lowered.assign(lower.begin(), lower.begin() + written);
}

void UseUsersLocale() {}

char16_t LowerCaseI() {
  // Asked once: the walk asks for every title with an 'I'.
  static const char16_t lowered = [] {
    Text lower;
    LowerCase(u"I", lower);
    return lower.size() == 1 ? lower[0] : u'i';
  }();
  return lowered;
}

}  // namespace fandrel
