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

// Whether an entry name ends in ".url" regardless of case.
bool HasShortcutSuffix(TextView name);

// The title key of one entry name, made into storage that is kept from one name to the
// next: the walk makes one for every candidate of the tree.
class TitleKey {
 public:
  // Makes the key of `name`, which must outlive this object's use of it.
  void MakeFrom(TextView name);

  TextView Name() const { return name_; }
  const Text& Lowered() const { return lowered_; }
  // Whether the key is known to be the name less its suffix with only FoldAscii applied, as
  // it is for most titles.
  bool Folded() const { return folded_; }

 private:
  TextView name_;
  Text lowered_;
  bool folded_ = false;
};

// A list of paths with the title key of each, for ranking them. A key that is its name
// folded is read from the name itself, folded as it is read, so that a search matching most
// of a large tree does not hold every title twice; only the others are stored here. The
// first four units of each key are kept beside it, as the first thing the ranking compares.
class TitleKeys {
 public:
  // `paths` must be empty, and grow only through Add while this object lives.
  explicit TitleKeys(PathList& paths) : paths_(paths) {}

  // Adds to the list the path of the entry `key` was made from, in `folder` (a number
  // PathList::AddFolder gave), with its key.
  void Add(std::uint32_t folder, const TitleKey& key);
  std::size_t size() const { return at_.size(); }

  KeyUnits UnitsOf(std::size_t k) const;
  std::uint64_t FirstFour(std::size_t k) const { return firstFours_[k]; }

 private:
  static constexpr std::uint32_t kInName = 0xFFFFFFFF;

  PathList& paths_;
  TextStore stored_;
  std::vector<std::uint32_t> at_;  // in stored_, or kInName
  std::vector<std::uint64_t> firstFours_;
};

}  // namespace fandrel
