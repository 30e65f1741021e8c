// The one check of the sort against its design: arbitrary UTF-16 paths (lone surrogates,
// empty names, names shorter than the suffix, runs of separators, many equal titles) must
// come out of the program's sort exactly as the plain recursive quicksort below leaves
// them, and its distinct pass must keep the first path of each run of equal titles. The
// quicksort's exchanges decide which of several equal titles the user gets.
//
// Input: UTF-16 code units, little-endian; U+FFFF ends a path.
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "search/sort_by_title.h"
#include "search/title_key.h"

namespace fandrel {
namespace {

// As designed: a key computed at every comparison, the middle rounded half to even, and
// both parts sorted by recursion.
void PlainQuicksort(std::vector<Text>& list, std::ptrdiff_t lo, std::ptrdiff_t hi) {
  auto key = [&](std::ptrdiff_t k) { return GetTitleKey(list[static_cast<std::size_t>(k)]); };
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

}  // namespace
}  // namespace fandrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fandrel;
  std::vector<Text> paths(1);
  for (std::size_t at = 0; at + 1 < size && paths.size() <= 400; at += 2) {
    const auto unit = static_cast<char16_t>(data[at] | (data[at + 1] << 8));
    unit == 0xFFFF ? paths.emplace_back() : paths.back() += unit;
  }
  // The keys made as the walk makes them, one as each path is found.
  PathList sorted;
  TitleKeys keys(sorted);
  Text key;
  for (const Text& path : paths) {
    sorted.push_back(path);
    const bool folded = TitleKeyOf(sorted.Name(sorted.size() - 1), key);
    keys.Append(key, folded);
  }
  const PathList distinct = SortAndKeepDistinct(sorted, RankTitleKeys(keys));
  std::vector<Text> expected = paths;
  PlainQuicksort(expected, 0, static_cast<std::ptrdiff_t>(expected.size()) - 1);
  std::size_t kept = 0;
  for (std::size_t k = 0; k < expected.size(); ++k) {
    if (sorted[k] != expected[k]) std::abort();
    if (k > 0 && GetTitleKey(expected[k]) == GetTitleKey(expected[k - 1])) continue;
    if (kept == distinct.size() || distinct[kept++] != expected[k]) std::abort();
  }
  if (kept != distinct.size()) std::abort();
  return 0;
}
