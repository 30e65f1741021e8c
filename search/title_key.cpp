#include "search/title_key.h"

#include "platform/lower_case.h"

namespace fandrel {

Text GetTitleKey(TextView path) {
  const auto separator = path.rfind(kPathSeparator);
  TextView name = separator == TextView::npos ? path : path.substr(separator + 1);
  name.remove_suffix(name.size() < 4 ? name.size() : 4);
  return LowerCase(name);
}

bool HasShortcutSuffix(TextView name) {
  if (name.size() < 4) return false;
  // Only 'U', 'R' and 'L' lower-case to 'u', 'r' and 'l' in any locale (Turkish casing
  // differs only on 'I'), so an ASCII fold is exactly the locale's answer here and
  // spares a locale call for every entry of the tree.
  static constexpr char16_t kSuffix[] = u".url";
  const TextView tail = name.substr(name.size() - 4);
  for (std::size_t i = 0; i < 4; ++i) {
    char16_t c = tail[i];
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));
    if (c != kSuffix[i]) return false;
  }
  return true;
}

}  // namespace fandrel
