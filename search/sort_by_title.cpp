#include "search/sort_by_title.h"

#include <algorithm>
#include <numeric>
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

// 24 bytes: the sort moves these around.
struct Item {
  std::uint64_t head;  // four code units of the key
  const char16_t* data;
  std::uint32_t size : 31;
  std::uint32_t fold : 1;
  std::uint32_t key;

  TitleKeys::Units Units() const { return {data, size, fold != 0}; }
};

// Orders items[begin, end), whose keys agree on their first `at` code units, by the
// rest of their keys: four units at a time, for as long as any of them has more. Most
// titles differ early, so most keys are read only a few times. Marks in `newKey` each
// position after `begin` whose key differs from the one before it.
void SortFrom(std::vector<Item>& items, std::vector<bool>& newKey, std::size_t begin,
              std::size_t end, std::size_t at) {
  bool longer = false;  // whether any key goes on past these four units
  for (std::size_t k = begin; k < end; ++k) {
    items[k].head = items[k].Units().FourFrom(at);
    longer = longer || items[k].size > at + 4;
  }
  const auto first = items.begin() + static_cast<std::ptrdiff_t>(begin);
  const auto last = items.begin() + static_cast<std::ptrdiff_t>(end);
  if (!longer) {
    // Equal heads here mean equal keys, but for trailing U+0000s: the shorter first.
    std::sort(first, last, [](const Item& a, const Item& b) {
      return a.head != b.head ? a.head < b.head : a.size < b.size;
    });
    for (std::size_t k = begin + 1; k < end; ++k) {
      newKey[k] = items[k].head != items[k - 1].head || items[k].size != items[k - 1].size;
    }
    return;
  }
  std::sort(first, last, [](const Item& a, const Item& b) { return a.head < b.head; });
  for (std::size_t run = begin; run < end;) {
    std::size_t next = run + 1;
    while (next < end && items[next].head == items[run].head) ++next;
    if (run > begin) newKey[run] = true;
    if (next - run > 1) SortFrom(items, newKey, run, next, at + 4);
    run = next;
  }
}

void Quicksort(std::vector<std::uint32_t>& ranks, std::vector<std::uint32_t>& order,
               std::ptrdiff_t lo, std::ptrdiff_t hi) {
  auto rank = [&](std::ptrdiff_t k) { return ranks[static_cast<std::size_t>(k)]; };
  // The two parts of a partition are disjoint, so sorting the smaller one by recursion
  // and the larger one in this loop gives the same result as sorting both by recursion,
  // with a stack no deeper than log2(n).
  while (lo < hi) {
    std::ptrdiff_t i = lo;
    std::ptrdiff_t j = hi;
    const std::uint32_t pivot = rank(Middle(lo, hi));
    while (i <= j) {
      while (rank(i) < pivot && i < hi) ++i;
      while (pivot < rank(j) && j > lo) --j;
      if (i <= j) {
        // Equal keys stop both scans and are exchanged too; that is what makes the
        // later of two equal titles come first.
        const auto a = static_cast<std::size_t>(i++);
        const auto b = static_cast<std::size_t>(j--);
        std::swap(ranks[a], ranks[b]);
        std::swap(order[a], order[b]);
      }
    }
    if ((j - lo) < (hi - i)) {
      if (lo < j) Quicksort(ranks, order, lo, j);
      lo = i;
    } else {
      if (i < hi) Quicksort(ranks, order, i, hi);
      hi = j;
    }
  }
}

}  // namespace

std::vector<std::uint32_t> RankTitleKeys(const TitleKeys& keys) {
  std::vector<Item> items(keys.size());
  for (std::size_t k = 0; k < items.size(); ++k) {
    const TitleKeys::Units units = keys.UnitsOf(k);
    items[k] =
        Item{0, units.data, units.size & 0x7FFFFFFFu, units.fold, static_cast<std::uint32_t>(k)};
  }
  std::vector<bool> newKey(items.size());
  SortFrom(items, newKey, 0, items.size(), 0);
  std::vector<std::uint32_t> ranks(keys.size());
  std::uint32_t rank = 0;
  for (std::size_t k = 1; k < items.size(); ++k) ranks[items[k].key] = rank += newKey[k];
  return ranks;
}

std::vector<std::uint32_t> RankTitles(const PathList& paths) {
  TitleKeys keys(paths);
  Text key;
  for (std::size_t k = 0; k < paths.size(); ++k) {
    TitleKeyOf(paths.Name(k), key);
    keys.Append(key);
  }
  return RankTitleKeys(keys);
}

std::vector<std::uint32_t> SortRanks(std::vector<std::uint32_t>& ranks, std::ptrdiff_t lo,
                                     std::ptrdiff_t hi) {
  std::vector<std::uint32_t> order(ranks.size());
  std::iota(order.begin(), order.end(), 0u);
  Quicksort(ranks, order, lo, hi);
  return order;
}

void SortByTitle(PathList& paths, std::ptrdiff_t lo, std::ptrdiff_t hi) {
  if (lo >= hi) return;
  std::vector<std::uint32_t> ranks = RankTitles(paths);
  paths.Reorder(SortRanks(ranks, lo, hi));
}

}  // namespace fandrel
