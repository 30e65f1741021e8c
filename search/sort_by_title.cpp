#include "search/sort_by_title.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <utility>

namespace fandrel {
namespace {

// (lo + hi) / 2 rounded to the nearest integer, an exact half going to the even neighbour.
std::ptrdiff_t Middle(std::ptrdiff_t lo, std::ptrdiff_t hi) {
  const std::ptrdiff_t sum = lo + hi;
  std::ptrdiff_t mid = sum / 2;
  if (sum % 2 != 0 && mid % 2 != 0) ++mid;
  return mid;
}

// One partition of the exact quicksort on entries[i, j]: the exchanges of the plain loop
//   while (i <= j) { while (rank(i) < pivot) ++i; while (pivot < rank(j)) --j;
//                    if (i <= j) exchange entries i++ and j-- }
// and the same i and j at its end. The plain loop pairs the entries from the left whose
// rank is at least the pivot with those from the right whose rank is at most it, in order,
// for as long as they have not crossed. While the part still to scan is long, they are
// found a block at a time without a branch and exchanged pairwise; the plain loop takes
// over where the exchanges have reached.
void Partition(std::uint64_t* entries, std::ptrdiff_t& i, std::ptrdiff_t& j, std::uint64_t pivot) {
  const auto rank = [&](std::ptrdiff_t k) { return entries[k] >> 32; };
  constexpr std::ptrdiff_t kBlock = 64;
  std::uint8_t left[kBlock];
  std::uint8_t right[kBlock];
  std::ptrdiff_t leftFound = 0, leftDone = 0, leftBase = 0;
  std::ptrdiff_t rightFound = 0, rightDone = 0, rightBase = 0;
  while (j - i + 1 >= 2 * kBlock) {
    if (leftDone == leftFound) {
      leftDone = leftFound = 0;
      leftBase = i;
      for (std::ptrdiff_t k = 0; k < kBlock; ++k) {
        left[leftFound] = static_cast<std::uint8_t>(k);
        leftFound += rank(i + k) >= pivot;
      }
      i += kBlock;
    }
    if (rightDone == rightFound) {
      rightDone = rightFound = 0;
      rightBase = j;
      for (std::ptrdiff_t k = 0; k < kBlock; ++k) {
        right[rightFound] = static_cast<std::uint8_t>(k);
        rightFound += pivot >= rank(j - k);
      }
      j -= kBlock;
    }
    const std::ptrdiff_t pairs = std::min(leftFound - leftDone, rightFound - rightDone);
    for (std::ptrdiff_t k = 0; k < pairs; ++k) {
      std::swap(entries[leftBase + left[leftDone + k]], entries[rightBase - right[rightDone + k]]);
    }
    leftDone += pairs;
    rightDone += pairs;
  }
  if (leftDone < leftFound) i = leftBase + left[leftDone];
  if (rightDone < rightFound) j = rightBase - right[rightDone];
  // The scans need no bounds of their own: the pivot, and after each exchange the entries
  // exchanged, stop them within the part.
  while (i <= j) {
    while (rank(i) < pivot) ++i;
    while (pivot < rank(j)) --j;
    if (i <= j) std::swap(entries[i++], entries[j--]);
  }
}

// The exact quicksort. Each entry holds its key's rank in the high half and where it came
// from in the low half, so that an exchange moves one number.
void Quicksort(std::vector<std::uint64_t>& entries, std::ptrdiff_t lo, std::ptrdiff_t hi) {
  // The parts of a partition are disjoint: sorting the smaller by recursion and the larger
  // in this loop gives what recursing into both would, with a stack no deeper than log2(n).
  while (lo < hi) {
    std::ptrdiff_t i = lo;
    std::ptrdiff_t j = hi;
    // Equal keys stop both scans and are exchanged too: with the pivot, this decides which
    // of several equal titles ends up first.
    Partition(entries.data(), i, j, entries[static_cast<std::size_t>(Middle(lo, hi))] >> 32);
    if ((j - lo) < (hi - i)) {
      if (lo < j) Quicksort(entries, lo, j);
      lo = i;
    } else {
      if (i < hi) Quicksort(entries, i, hi);
      hi = j;
    }
  }
}

void SortByRanks(PathList& paths, std::vector<std::uint32_t>& ranks) {
  if (ranks.empty()) return;
  if (*std::max_element(ranks.begin(), ranks.end()) == ranks.size() - 1) {
    // Every title distinct: there is only one order, and each rank is its place in it.
    std::vector<std::uint32_t> order(ranks.size());
    for (std::uint32_t k = 0; k < order.size(); ++k) order[ranks[k]] = k;
    std::iota(ranks.begin(), ranks.end(), 0u);
    return paths.Reorder(order);
  }
  std::vector<std::uint64_t> entries(ranks.size());
  for (std::size_t k = 0; k < entries.size(); ++k) entries[k] = std::uint64_t{ranks[k]} << 32 | k;
  Quicksort(entries, 0, static_cast<std::ptrdiff_t>(entries.size()) - 1);
  std::vector<std::uint32_t> order(entries.size());
  for (std::size_t k = 0; k < entries.size(); ++k) {
    ranks[k] = static_cast<std::uint32_t>(entries[k] >> 32);
    order[k] = static_cast<std::uint32_t>(entries[k]);
  }
  paths.Reorder(order);
}

}  // namespace

PathList SortAndKeepDistinct(PathList& paths, std::vector<std::uint32_t> ranks) {
  SortByRanks(paths, ranks);
  std::vector<std::uint32_t> starts;  // of each run of equal titles
  for (std::uint32_t j = 0; j < ranks.size(); ++j) {
    if (j == 0 || ranks[j] != ranks[j - 1]) starts.push_back(j);
  }
  return paths.Pick(starts);
}

}  // namespace fandrel
