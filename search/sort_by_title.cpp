#include "search/sort_by_title.h"

#include <utility>

#include "search/title_key.h"

namespace fandrel {
namespace {

// (lo + hi) / 2 rounded to the nearest integer, an exact half going to the even
// neighbour. The pivot it picks decides the order of equal keys.
std::ptrdiff_t Middle(std::ptrdiff_t lo, std::ptrdiff_t hi) {
  const std::ptrdiff_t sum = lo + hi;
  std::ptrdiff_t mid = sum / 2;
  if (sum % 2 != 0 && mid % 2 != 0) ++mid;
  return mid;
}

}  // namespace

void SortByKeys(std::vector<Text>& keys, PathList& paths, std::ptrdiff_t lo, std::ptrdiff_t hi) {
  // The two parts of a partition are disjoint, so sorting the smaller one by recursion
  // and the larger one in this loop gives the same result as sorting both by recursion,
  // with a stack no deeper than log2(n).
  while (lo < hi) {
    std::ptrdiff_t i = lo;
    std::ptrdiff_t j = hi;
    const Text pivot = keys[static_cast<std::size_t>(Middle(lo, hi))];
    while (i <= j) {
      while (keys[static_cast<std::size_t>(i)] < pivot && i < hi) ++i;
      while (pivot < keys[static_cast<std::size_t>(j)] && j > lo) --j;
      if (i <= j) {
        // Equal keys stop both scans and are exchanged too; that is what makes the
        // later of two equal titles come first.
        std::swap(keys[static_cast<std::size_t>(i)], keys[static_cast<std::size_t>(j)]);
        std::swap(paths[static_cast<std::size_t>(i)], paths[static_cast<std::size_t>(j)]);
        ++i;
        --j;
      }
    }
    const bool leftIsSmaller = (j - lo) < (hi - i);
    if (leftIsSmaller) {
      if (lo < j) SortByKeys(keys, paths, lo, j);
      lo = i;
    } else {
      if (i < hi) SortByKeys(keys, paths, i, hi);
      hi = j;
    }
  }
}

void SortByTitle(PathList& paths, std::ptrdiff_t lo, std::ptrdiff_t hi) {
  if (lo >= hi) return;
  std::vector<Text> keys(paths.size());
  for (std::ptrdiff_t k = lo; k <= hi; ++k) {
    keys[static_cast<std::size_t>(k)] = GetTitleKey(paths[static_cast<std::size_t>(k)]);
  }
  SortByKeys(keys, paths, lo, hi);
}

}  // namespace fandrel
