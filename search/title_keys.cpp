#include "search/title_keys.h"

namespace fandrel {
namespace {

char16_t FoldAscii(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

}  // namespace

void TitleKeys::Append(TextView key) {
  const TextView name = paths_.Name(at_.size());
  bool inName = key.size() + 4 == name.size();
  for (std::size_t k = 0; inName && k < key.size(); ++k) inName = FoldAscii(name[k]) == key[k];
  at_.push_back(inName ? kInName : stored_.Store(key));
}

TitleKeys::Units TitleKeys::UnitsOf(std::size_t k) const {
  if (at_[k] != kInName) {
    const TextView key = stored_.Get(at_[k]);
    return Units{key.data(), static_cast<std::uint32_t>(key.size()), false};
  }
  const TextView name = paths_.Name(k);
  return Units{name.data(), static_cast<std::uint32_t>(name.size() - 4), true};
}

}  // namespace fandrel
