#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "platform/lower_case.h"
#include "search/rank_titles.h"
#include "search/sort_by_title.h"
#include "search/title_key.h"

namespace fandrel::testing {

// The title key as the rule states it, unit by unit through the locale's lowering: the
// name after the last separator less its last four units, lowered. The program's own keys
// are made another way (four units at a time, read from the name as they are compared), and
// are held to this.
inline Text ReferenceKey(TextView path) {
  TextView name = path.substr(path.rfind(kPathSeparator) + 1);
  name.remove_suffix(name.size() < kSuffixLength ? name.size() : kSuffixLength);
  Text key;
  LowerCase(name, key);
  return key;
}

// The exact quicksort as plainly as it can be written, for the program's sort to be held
// to: a key computed at every comparison, the middle rounded half to even, and both parts
// sorted by recursion.
inline void PlainQuicksort(std::vector<Text>& list, std::ptrdiff_t lo, std::ptrdiff_t hi) {
  auto key = [&](std::ptrdiff_t k) { return ReferenceKey(list[static_cast<std::size_t>(k)]); };
  const std::ptrdiff_t sum = lo + hi;
  const Text pivot = key(sum / 2 + (sum % 2 != 0 && (sum / 2) % 2 != 0));
  std::ptrdiff_t i = lo;
  std::ptrdiff_t j = hi;
  while (i <= j) {
    while (key(i) < pivot && i < hi) ++i;
    while (pivot < key(j) && j > lo) --j;
    if (i <= j) std::swap(list[static_cast<std::size_t>(i++)], list[static_cast<std::size_t>(j--)]);
  }
  if (lo < j) PlainQuicksort(list, lo, j);
  if (i < hi) PlainQuicksort(list, i, hi);
}

// Whether the program's sort, on keys made as the walk makes them, leaves `paths` in the
// order PlainQuicksort does, and its distinct pass keeps the first path of each run of
// equal titles in that order.
inline bool SortsAsPlainQuicksort(const std::vector<Text>& paths) {
  PathList sorted;
  TitleKeys keys(sorted);
  TitleKey key;
  for (const Text& path : paths) {
    const std::size_t cut = path.rfind(kPathSeparator) + 1;  // 0 without a separator
    key.MakeFrom(TextView(path).substr(cut));
    keys.Add(sorted.AddFolder(TextView(path).substr(0, cut)), key);
  }
  const PathList distinct = SortAndKeepDistinct(sorted, RankTitleKeys(keys));
  std::vector<Text> expected = paths;
  PlainQuicksort(expected, 0, static_cast<std::ptrdiff_t>(expected.size()) - 1);
  std::size_t kept = 0;
  for (std::size_t k = 0; k < expected.size(); ++k) {
    if (sorted.FullPath(k) != expected[k]) return false;
    if (k > 0 && ReferenceKey(expected[k]) == ReferenceKey(expected[k - 1])) continue;
    if (kept == distinct.size() || distinct.FullPath(kept++) != expected[k]) return false;
  }
  return kept == distinct.size();
}

}  // namespace fandrel::testing
