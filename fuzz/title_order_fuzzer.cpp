// Feeds arbitrary UTF-16 paths (unpaired surrogates, empty names, names shorter than the
// suffix, runs of separators) through the title key, the sort and the distinct pass, and
// checks what must hold for any input:
// - a key depends only on the path's last component and holds no separator;
// - the sort returns a permutation of its input in non-decreasing key order, leaves the
//   positions outside its bounds alone, and makes exactly the exchanges of the plain
//   recursive quicksort (which decide which of several equal titles the user gets);
// - the distinct pass keeps exactly the first path of each run of equal keys.
//
// Input: UTF-16 code units, little-endian; U+FFFF ends a path. The first byte is not
// part of a path: it picks the bounds of a partial sort.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/lower_case.h"
#include "search/distinct_titles.h"
#include "search/sort_by_title.h"
#include "search/title_key.h"

namespace fandrel {
namespace {

constexpr char16_t kEndOfPath = 0xFFFF;
constexpr std::size_t kMostPaths = 400;  // keeps each run short enough to explore widely

[[noreturn]] void Fail(const char* property) {
  std::fprintf(stderr, "property failed: %s\n", property);
  std::abort();
}

#define EXPECT(condition) \
  if (!(condition)) Fail(#condition)

PathList PathsOf(const std::uint8_t* data, std::size_t size) {
  PathList paths(1);
  for (std::size_t at = 0; at + 1 < size && paths.size() <= kMostPaths; at += 2) {
    const auto unit = static_cast<char16_t>(data[at] | (data[at + 1] << 8));
    if (unit == kEndOfPath) {
      paths.emplace_back();
    } else {
      paths.back().push_back(unit);
    }
  }
  return paths;
}

// The recursive quicksort with the partition written out plainly, keys recomputed at
// every comparison and compared as strings: what the real sort must agree with.
std::ptrdiff_t Middle(std::ptrdiff_t lo, std::ptrdiff_t hi) {
  const std::ptrdiff_t sum = lo + hi;
  std::ptrdiff_t mid = sum / 2;
  if (sum % 2 != 0 && mid % 2 != 0) ++mid;
  return mid;
}

void PlainQuicksort(PathList& list, std::ptrdiff_t lo, std::ptrdiff_t hi) {
  auto key = [&](std::ptrdiff_t k) { return GetTitleKey(list[static_cast<std::size_t>(k)]); };
  std::ptrdiff_t i = lo;
  std::ptrdiff_t j = hi;
  const Text pivot = key(Middle(lo, hi));
  while (i <= j) {
    while (key(i) < pivot && i < hi) ++i;
    while (pivot < key(j) && j > lo) --j;
    if (i <= j) std::swap(list[static_cast<std::size_t>(i++)], list[static_cast<std::size_t>(j--)]);
  }
  if (lo < j) PlainQuicksort(list, lo, j);
  if (i < hi) PlainQuicksort(list, i, hi);
}

std::vector<Text> KeysOf(const PathList& paths) {
  std::vector<Text> keys;
  for (const Text& path : paths) keys.push_back(GetTitleKey(path));
  return keys;
}

void CheckKeys(const PathList& paths) {
  for (const Text& path : paths) {
    const Text key = GetTitleKey(path);
    const std::size_t separator = path.rfind(kPathSeparator);
    const Text name = separator == Text::npos ? path : path.substr(separator + 1);
    EXPECT(GetTitleKey(name) == key);
    EXPECT(key.find(kPathSeparator) == Text::npos);
    EXPECT(name.size() >= 4 || key.empty());
    // The walk's quick suffix test agrees with the locale's lower-casing.
    EXPECT(HasShortcutSuffix(name) ==
           (name.size() >= 4 && LowerCase(TextView(name).substr(name.size() - 4)) == u".url"));
  }
}

void CheckDistinct(const PathList& sorted, const std::vector<Text>& keys) {
  PathList expected;
  for (std::size_t j = 0; j < sorted.size(); ++j) {
    if (j == 0 || keys[j] != keys[j - 1]) expected.push_back(sorted[j]);
  }
  PathList distinct{u"left over from an earlier search"};
  BuildDistinct(sorted, keys, distinct);
  EXPECT(distinct == expected);
  const std::vector<TextView> views(keys.begin(), keys.end());
  BuildDistinctFromRunStarts(sorted, RunStarts(views), distinct);
  EXPECT(distinct == expected);
}

void CheckSort(const PathList& input, std::ptrdiff_t lo, std::ptrdiff_t hi) {
  PathList sorted = input;
  SortByTitle(sorted, lo, hi);

  PathList reference = input;
  if (lo < hi) PlainQuicksort(reference, lo, hi);
  EXPECT(sorted == reference);

  // The same exchanges from keys computed beforehand, as the search does; the keys
  // travel with their paths.
  PathList byKeys = input;
  const std::vector<Text> inputKeys = KeysOf(input);
  std::vector<TextView> views(inputKeys.begin(), inputKeys.end());
  SortByKeys(views, byKeys, lo, hi);
  EXPECT(byKeys == sorted);
  const std::vector<Text> keys(views.begin(), views.end());
  EXPECT(keys == KeysOf(byKeys));

  // A permutation of the input, in non-decreasing key order between the bounds, and
  // nothing moved outside them.
  const auto first = static_cast<std::size_t>(lo);
  const auto last = static_cast<std::size_t>(hi) + 1;
  PathList before(input.begin() + first, input.begin() + last);
  PathList after(sorted.begin() + first, sorted.begin() + last);
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  EXPECT(before == after);
  EXPECT(std::is_sorted(keys.begin() + first, keys.begin() + last));
  EXPECT(std::equal(input.begin(), input.begin() + first, sorted.begin()));
  EXPECT(std::equal(input.begin() + last, input.end(), sorted.begin() + last));

  if (lo == 0 && last == input.size()) CheckDistinct(sorted, keys);
}

}  // namespace
}  // namespace fandrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fandrel;
  if (size == 0) return 0;
  const PathList paths = PathsOf(data + 1, size - 1);
  CheckKeys(paths);
  const auto n = static_cast<std::ptrdiff_t>(paths.size());
  CheckSort(paths, 0, n - 1);
  // A partial sort, between bounds the first byte picks.
  const std::ptrdiff_t lo = (data[0] & 0x0F) % n;
  const std::ptrdiff_t hi = std::max(lo, n - 1 - ((data[0] >> 4) % n));
  CheckSort(paths, lo, hi);
  return 0;
}
