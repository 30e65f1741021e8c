#include "search/sort_by_title.h"

#include <cstdint>
#include <cstring>
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

// Ordinal order on UTF-16 code units, a prefix first. Titles often share long beginnings
// (a site's name), so equal stretches are skipped four code units at a time; the first
// unequal unit is then compared on its own, which keeps the order independent of the
// machine's byte order.
bool KeyLess(TextView a, TextView b) {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  std::size_t k = 0;
  for (; k + 4 <= common; k += 4) {
    std::uint64_t x;
    std::uint64_t y;
    std::memcpy(&x, a.data() + k, sizeof x);
    std::memcpy(&y, b.data() + k, sizeof y);
    if (x != y) break;
  }
  for (; k < common; ++k) {
    if (a[k] != b[k]) return a[k] < b[k];
  }
  return a.size() < b.size();
}

// The quicksort proper, on positions: order[k] is the position (in the caller's lists)
// of the path that belongs at k. Moving positions instead of strings makes each exchange
// cheap; the exchanges are exactly the ones the partition makes on the lists.
void SortOrder(const std::vector<TextView>& keys, std::vector<std::size_t>& order,
               std::ptrdiff_t lo, std::ptrdiff_t hi) {
  auto keyAt = [&](std::ptrdiff_t k) { return keys[order[static_cast<std::size_t>(k)]]; };
  // The two parts of a partition are disjoint, so sorting the smaller one by recursion
  // and the larger one in this loop gives the same result as sorting both by recursion,
  // with a stack no deeper than log2(n).
  while (lo < hi) {
    std::ptrdiff_t i = lo;
    std::ptrdiff_t j = hi;
    const TextView pivot = keyAt(Middle(lo, hi));
    while (i <= j) {
      while (KeyLess(keyAt(i), pivot) && i < hi) ++i;
      while (KeyLess(pivot, keyAt(j)) && j > lo) --j;
      if (i <= j) {
        // Equal keys stop both scans and are exchanged too; that is what makes the
        // later of two equal titles come first.
        std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(j)]);
        ++i;
        --j;
      }
    }
    const bool leftIsSmaller = (j - lo) < (hi - i);
    if (leftIsSmaller) {
      if (lo < j) SortOrder(keys, order, lo, j);
      lo = i;
    } else {
      if (i < hi) SortOrder(keys, order, i, hi);
      hi = j;
    }
  }
}

std::vector<std::size_t> Identity(std::size_t size) {
  std::vector<std::size_t> order(size);
  for (std::size_t k = 0; k < size; ++k) order[k] = k;
  return order;
}

// Puts keys[order[k]] and paths[order[k]] at k, following each cycle of the permutation
// so that every string is moved once and nothing is copied.
void ApplyOrder(std::vector<std::size_t>& order, std::vector<TextView>& keys, PathList& paths,
                std::size_t lo, std::size_t hi) {
  for (std::size_t start = lo; start <= hi; ++start) {
    if (order[start] == start) continue;
    const TextView heldKey = keys[start];
    Text heldPath = std::move(paths[start]);
    std::size_t k = start;
    for (;;) {
      const std::size_t from = order[k];
      order[k] = k;  // in place now
      if (from == start) {
        keys[k] = heldKey;
        paths[k] = std::move(heldPath);
        break;
      }
      keys[k] = keys[from];
      paths[k] = std::move(paths[from]);
      k = from;
    }
  }
}

}  // namespace

void SortByKeys(std::vector<TextView>& keys, PathList& paths, std::ptrdiff_t lo,
                std::ptrdiff_t hi) {
  if (lo >= hi) return;
  std::vector<std::size_t> order = Identity(keys.size());
  SortOrder(keys, order, lo, hi);
  ApplyOrder(order, keys, paths, static_cast<std::size_t>(lo), static_cast<std::size_t>(hi));
}

void SortByTitle(PathList& paths, std::ptrdiff_t lo, std::ptrdiff_t hi) {
  if (lo >= hi) return;
  std::vector<Text> keys(paths.size());
  std::vector<TextView> views(paths.size());
  for (std::ptrdiff_t k = lo; k <= hi; ++k) {
    const auto at = static_cast<std::size_t>(k);
    keys[at] = GetTitleKey(paths[at]);
    views[at] = keys[at];
  }
  SortByKeys(views, paths, lo, hi);
}

}  // namespace fandrel
