#include "search/title_key.h"

#include "platform/lower_case.h"

namespace fandrel {

Text GetTitleKey(TextView path) {
  Text key;
  TitleKeyOf(path.substr(path.rfind(kPathSeparator) + 1), key);
  return key;
}

void TitleKeyOf(TextView name, Text& key) {
  name.remove_suffix(name.size() < 4 ? name.size() : 4);
  key.assign(name);
  // Most titles are plain ASCII, and for those the locale's answer is known without
  // asking it: every locale lower-cases 'A' to 'Z' to 'a' to 'z', except 'I' in Turkish
  // ones, which therefore takes the locale's own path.
  for (char16_t& c : key) {
    if (c >= 0x80 || c == u'I') {
      key = LowerCase(name);
      return;
    }
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));
  }
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
