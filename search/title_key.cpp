#include "search/title_key.h"

#include <cstring>

#include "platform/lower_case.h"

namespace fandrel {
namespace {

// A title lowered into `key`; true when only FoldAscii was applied.
bool LowerTitle(TextView name, Text& key) {
  // Most titles are plain ASCII, whose lowering FoldAscii gives but for 'I'.
  key.resize(name.size());
  bool hasI = false;
  std::size_t k = 0;
  for (; k + 4 <= name.size(); k += 4) {
    std::uint64_t four;
    std::memcpy(&four, name.data() + k, sizeof four);
    if (!AllAscii(four)) break;
    const std::uint64_t i = four ^ u'I' * kEachUnit;  // a unit 'I' is 0 here
    hasI = hasI || ((i - kEachUnit) & ~i & 0x8000 * kEachUnit) != 0;
    four = FoldAsciiFour(four);
    std::memcpy(key.data() + k, &four, sizeof four);
  }
  for (; k < name.size(); ++k) {
    if (name[k] >= 0x80) {
      LowerCase(name, key);
      return false;
    }
    hasI = hasI || name[k] == u'I';
    key[k] = FoldAscii(name[k]);
  }
  if (!hasI || LowerCaseI() == u'i') return true;
  for (k = 0; k < name.size(); ++k) {
    if (name[k] == u'I') key[k] = LowerCaseI();
  }
  return false;
}

}  // namespace

Text GetTitleKey(TextView path) {
  TitleKey key;
  key.MakeFrom(path.substr(path.rfind(kPathSeparator) + 1));
  return key.Lowered();
}

void TitleKey::MakeFrom(TextView name) {
  name_ = name;
  name.remove_suffix(name.size() < kSuffixLength ? name.size() : kSuffixLength);
  folded_ = LowerTitle(name, lowered_);
}

bool HasShortcutSuffix(TextView name) {
  if (name.size() < kSuffixLength) return false;
  // FoldAscii is the locale's own answer for ".url" (no 'I'), without a call for every entry.
  static constexpr char16_t kSuffix[] = u".url";
  const TextView tail = name.substr(name.size() - kSuffixLength);
  for (std::size_t i = 0; i < kSuffixLength; ++i) {
    if (FoldAscii(tail[i]) != kSuffix[i]) return false;
  }
  return true;
}

void TitleKeys::Add(std::uint32_t folder, const TitleKey& key) {
  paths_.Add(folder, key.Name());
  const TextView name = paths_.Name(at_.size());
  const TextView lowered = key.Lowered();
  bool inName = lowered.size() + kSuffixLength == name.size();
  // A title lowered by the locale is often its name folded all the same ("café").
  for (std::size_t k = 0; inName && !key.Folded() && k < lowered.size(); ++k) {
    inName = FoldAscii(name[k]) == lowered[k];
  }
  at_.push_back(inName ? kInName : stored_.Store(lowered));
  const KeyUnits units{lowered.data(), static_cast<std::uint32_t>(lowered.size()), Folding::kNone};
  firstFours_.push_back(units.FourFrom(0));
}

KeyUnits TitleKeys::UnitsOf(std::size_t k) const {
  if (at_[k] != kInName) {
    const TextView key = stored_.Get(at_[k]);
    return KeyUnits{key.data(), static_cast<std::uint32_t>(key.size()), Folding::kNone};
  }
  const TextView name = paths_.Name(k);
  return KeyUnits{name.data(), static_cast<std::uint32_t>(name.size() - kSuffixLength),
                  Folding::kAsRead};
}

}  // namespace fandrel
