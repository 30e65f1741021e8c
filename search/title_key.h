#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/text.h"
#include "search/four_units.h"
#include "search/path_list.h"
#include "search/text_store.h"

namespace fandrel {

// Shortcuts end in ".url", in any case.
inline constexpr std::size_t kSuffixLength = 4;

// The title key of a shortcut path: its file name less the last four characters (the
// ".url" suffix), lower-cased under the user's locale. The list shows these keys, and
// the sort and the distinct pass compare them ordinally on UTF-16 code units.
Text GetTitleKey(TextView path);

// The same for an entry name, into `key`, whose storage is reused: the walk computes one
// for every candidate of the tree. True when the key is known to be the name less its
// suffix with only FoldAscii applied, as it is for most titles.
bool TitleKeyOf(TextView name, Text& key);

// Whether an entry name ends in ".url" regardless of case.
bool HasShortcutSuffix(TextView name);

// The title keys of a list's paths, in the list's order, for ranking them. A key that is
// its name folded (see TitleKeyOf) is read from the name itself, folded as it is read, so
// that a search matching most of a large tree does not hold every title twice; only the
// others are stored here. The first four units of each key are kept beside it, as the
// first thing the ranking compares.
class TitleKeys {
 public:
  explicit TitleKeys(const PathList& paths) : paths_(paths) {}

  // The key of the list's next path, paths[size()], and what TitleKeyOf said of it.
  void Append(TextView key, bool folded);
  std::size_t size() const { return at_.size(); }

  KeyUnits UnitsOf(std::size_t k) const;
  std::uint64_t FirstFour(std::size_t k) const { return firstFours_[k]; }  // UnitsOf(k).FourFrom(0)

 private:
  static constexpr std::uint32_t kInName = 0xFFFFFFFF;

  const PathList& paths_;
  TextStore stored_;
  std::vector<std::uint32_t> at_;  // in stored_, or kInName
  std::vector<std::uint64_t> firstFours_;
};

}  // namespace fandrel
