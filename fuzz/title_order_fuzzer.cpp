// The one check of the sort against its design: arbitrary UTF-16 paths (lone surrogates,
// empty names, names shorter than the suffix, runs of separators, many equal titles),
// sorted between any bounds, must come out exactly as the plain recursive quicksort
// below leaves them. Its exchanges decide which of several equal titles the user gets.
//
// Input: UTF-16 code units, little-endian; U+FFFF ends a path. The first byte is not
// part of a path: it picks the bounds of a partial sort.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

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
  if (size == 0) return 0;
  std::vector<Text> paths(1);
  for (std::size_t at = 1; at + 1 < size && paths.size() <= 400; at += 2) {
    const auto unit = static_cast<char16_t>(data[at] | (data[at + 1] << 8));
    unit == 0xFFFF ? paths.emplace_back() : paths.back() += unit;
  }
  const auto n = static_cast<std::ptrdiff_t>(paths.size());
  const std::ptrdiff_t lo = (data[0] & 0x0F) % n;
  const std::ptrdiff_t hi = std::max(lo, n - 1 - ((data[0] >> 4) % n));
  for (const auto& [from, to] : {std::pair{std::ptrdiff_t{0}, n - 1}, std::pair{lo, hi}}) {
    PathList sorted;
    for (const Text& path : paths) sorted.push_back(path);
    std::vector<Text> expected = paths;
    SortByTitle(sorted, from, to);
    if (from < to) PlainQuicksort(expected, from, to);
    for (std::size_t k = 0; k < paths.size(); ++k) {
      if (sorted[k] != expected[k]) std::abort();
    }
  }
  return 0;
}
