#include "search/sort_by_title.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <utility>

#if !defined(__GNUC__) && defined(_M_X64)
#include <xmmintrin.h>
#endif

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

// 24 bytes: the ranking moves these around.
struct Item {
  std::uint64_t head;  // four units of the key, from the depth being ordered
  std::uint8_t rest;   // how many of those the key has: fewer when it ends within them
  std::uint8_t fold;   // whether its units are folded as they are read (see KeyUnits)
  std::uint16_t size;  // of the key, in units: no name is longer
  std::uint32_t key;   // its position in the list
  const char16_t* data;

  KeyUnits Of() const { return {data, size, fold != 0}; }
  // Of two keys that agree up to the depth being ordered, the one with the smaller head,
  // or with the same units but ending sooner (a prefix), comes first; the same head and
  // rest mean the same key when the rest is short, and a tie to break further on otherwise.
  friend bool operator<(const Item& a, const Item& b) {
    return a.head != b.head ? a.head < b.head : a.rest < b.rest;
  }
  friend bool operator==(const Item& a, const Item& b) {
    return a.head == b.head && a.rest == b.rest;
  }
};

// The keys of items next to each other lie anywhere in memory: the next ones' are asked
// for while this one is compared, so that their fetches overlap rather than queue.
constexpr std::size_t kAhead = 8;
inline void Prefetch(const void* address) {
#if defined(__GNUC__)
  __builtin_prefetch(address);
#elif defined(_M_X64)
  _mm_prefetch(static_cast<const char*>(address), _MM_HINT_T0);
#endif
}

// The depth, from `at` up to `limit`, to which keys `a` and `b` agree; the end of either
// stops it.
std::size_t Agree(const KeyUnits& a, const KeyUnits& b, std::size_t at, std::size_t limit) {
  limit = std::min<std::size_t>({limit, a.size, b.size});
  for (; at < limit; at += 4) {
    const std::uint64_t differ = a.FourFrom(at) ^ b.FourFrom(at);
    if (differ) return std::min<std::size_t>(limit, at + std::countl_zero(differ) / 16);
  }
  return limit;
}

class Ranking {
 public:
  explicit Ranking(const TitleKeys& keys) : items_(keys.size()), newKey_(keys.size()) {
    for (std::size_t k = 0; k < items_.size(); ++k) {
      const KeyUnits units = keys.UnitsOf(k);
      items_[k] = Item{keys.Head(k),
                       static_cast<std::uint8_t>(std::min<std::size_t>(units.size, 4)),
                       units.fold,
                       static_cast<std::uint16_t>(units.size),
                       static_cast<std::uint32_t>(k),
                       units.data};
    }
  }

  std::vector<std::uint32_t> Ranks() {
    if (!items_.empty()) Order(0, items_.size(), 0, true);
    std::vector<std::uint32_t> ranks(items_.size());
    std::uint32_t rank = 0;
    for (std::size_t k = 1; k < items_.size(); ++k) ranks[items_[k].key] = rank += newKey_[k];
    return ranks;
  }

 private:
  // Orders items_[begin, end), whose keys agree on their first `at` units, by the rest of
  // their keys, and marks in newKey_ each position after `begin` whose key differs from
  // the one before it. Titles often share long beginnings ("How to ", a site's name): the
  // units all of these keys share are skipped in one pass, each key compared with the
  // first to where they part, and the keys are then ordered by four units from there. Keys
  // that are equal to the end are found in that one pass too.
  void Order(std::size_t begin, std::size_t end, std::size_t at, bool headsRead) {
    if (end - begin < 2) return;
    const KeyUnits first = items_[begin].Of();
    std::size_t same = first.size;
    bool sameSize = true;
    for (std::size_t k = begin + 1; k < end; ++k) {
      if (k + kAhead < end) Prefetch(items_[k + kAhead].data + at);
      const KeyUnits other = items_[k].Of();
      same = Agree(first, other, at, same);
      sameSize = sameSize && other.size == first.size;
    }
    if (same == first.size && sameSize) return;  // all equal
    if (same != at || !headsRead) {
      at = same;
      for (std::size_t k = begin; k < end; ++k) {
        if (k + kAhead < end) Prefetch(items_[k + kAhead].data + at);
        Item& item = items_[k];
        item.head = item.Of().FourFrom(at);
        item.rest = static_cast<std::uint8_t>(std::min<std::size_t>(item.size - at, 4));
      }
    }
    Sort(begin, end);
    for (std::size_t run = begin; run < end;) {
      std::size_t next = run + 1;
      while (next < end && items_[next] == items_[run]) ++next;
      if (run > begin) newKey_[run] = 1;
      if (items_[run].rest == 4) Order(run, next, at + 4, false);
      run = next;
    }
  }

  // Orders items_[begin, end) by their heads and rests.
  void Sort(std::size_t begin, std::size_t end) {
    const auto first = items_.begin() + static_cast<std::ptrdiff_t>(begin);
    const auto last = items_.begin() + static_cast<std::ptrdiff_t>(end);
    if (end - begin >= kManyItems && Distribute(begin, end)) return;
    std::sort(first, last);
  }

  // Where titles share beginnings, many keys share their next four units too: then the
  // distinct heads are few, and each item is moved straight to its head's place among them,
  // a pass over the items rather than a sort of them. False, with nothing moved, where more
  // than one item in kItemsPerHead has a head of its own.
  bool Distribute(std::size_t begin, std::size_t end) {
    if (!CountHeads(begin, end)) return false;
    PlaceHeads();
    MoveToPlaces(begin);
    return true;
  }

  // Finds each item's head in a table of the distinct heads (slotOf_), and counts the items
  // of each. False as soon as the heads are too many to be worth it.
  bool CountHeads(std::size_t begin, std::size_t end) {
    const std::size_t most = (end - begin) / kItemsPerHead;
    std::size_t capacity = kFewestSlots;
    while (capacity < 2 * most) capacity *= 2;  // never more than half full
    const unsigned shift = 64 - static_cast<unsigned>(std::countr_zero(capacity));
    slots_.assign(capacity, Slot{});
    slotOf_.resize(end - begin);
    std::size_t distinct = 0;
    for (std::size_t k = begin; k < end; ++k) {
      const Item& item = items_[k];
      std::size_t slot = ((item.head ^ item.rest) * kGoldenRatio) >> shift;
      while (slots_[slot].count && !slots_[slot].Holds(item)) slot = (slot + 1) & (capacity - 1);
      Slot& here = slots_[slot];
      if (here.count++ == 0) {
        if (++distinct > most) return false;
        here.head = item.head;
        here.rest = item.rest;
      }
      slotOf_[k - begin] = static_cast<std::uint32_t>(slot);
    }
    return true;
  }

  // Orders the distinct heads (order_) and gives each the run of places its items take.
  void PlaceHeads() {
    order_.clear();
    for (std::uint32_t slot = 0; slot < slots_.size(); ++slot) {
      if (slots_[slot].count) order_.push_back(slot);
    }
    std::sort(order_.begin(), order_.end(), [&](std::uint32_t a, std::uint32_t b) {
      const Slot& x = slots_[a];
      const Slot& y = slots_[b];
      return x.head != y.head ? x.head < y.head : x.rest < y.rest;
    });
    std::uint32_t place = 0;
    for (std::uint32_t slot : order_) {
      slots_[slot].next = place;
      slots_[slot].end = place += slots_[slot].count;
    }
  }

  // Moves the items from `begin` on to their heads' places, in place and with one exchange
  // per item at most: each item that is not yet in its head's run goes to the next free
  // place there, and the item it displaces is looked at next.
  void MoveToPlaces(std::size_t begin) {
    for (std::uint32_t slot : order_) {
      Slot& here = slots_[slot];
      while (here.next < here.end) {
        const std::uint32_t at = here.next;
        const std::uint32_t its = slotOf_[at];
        if (its == slot) {
          ++here.next;
          continue;
        }
        const std::uint32_t to = slots_[its].next++;
        std::swap(items_[begin + at], items_[begin + to]);
        std::swap(slotOf_[at], slotOf_[to]);
      }
    }
  }

  // Groups of fewer items are sorted outright.
  static constexpr std::size_t kManyItems = 64;
  // Distribute gives up past one distinct head in this many items: they are sorted instead.
  static constexpr std::size_t kItemsPerHead = 16;
  static constexpr std::size_t kFewestSlots = 64;
  // 2^64 divided by the golden ratio: multiplied by it, a number's top bits spread any set
  // of heads evenly over a table whose size is a power of two (Fibonacci hashing).
  static constexpr std::uint64_t kGoldenRatio = 0x9E3779B97F4A7C15u;

  struct Slot {  // one distinct head and rest
    std::uint64_t head = 0;
    std::uint32_t count = 0;  // items that have it
    std::uint32_t next = 0;   // the place of the next of them
    std::uint32_t end = 0;    // one past the place of the last of them
    std::uint8_t rest = 0;

    bool Holds(const Item& item) const { return head == item.head && rest == item.rest; }
  };

  std::vector<Item> items_;
  std::vector<std::uint8_t> newKey_;
  std::vector<Slot> slots_;
  std::vector<std::uint32_t> slotOf_;
  std::vector<std::uint32_t> order_;
};

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
  // The two parts of a partition are disjoint, so sorting the smaller one by recursion
  // and the larger one in this loop gives the same result as sorting both by recursion,
  // with a stack no deeper than log2(n).
  while (lo < hi) {
    std::ptrdiff_t i = lo;
    std::ptrdiff_t j = hi;
    // Equal keys stop both scans and are exchanged too: with the pivot, this is what
    // decides which of several equal titles ends up first.
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

// The exact quicksort of `paths` by title, on the ranks of their keys, and of `ranks` with
// them.
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

std::vector<std::uint32_t> RankTitleKeys(const TitleKeys& keys) { return Ranking(keys).Ranks(); }

PathList SortAndKeepDistinct(PathList& paths, std::vector<std::uint32_t> ranks) {
  SortByRanks(paths, ranks);
  std::vector<std::uint32_t> starts;  // of each run of equal titles
  for (std::uint32_t j = 0; j < ranks.size(); ++j) {
    if (j == 0 || ranks[j] != ranks[j - 1]) starts.push_back(j);
  }
  return paths.Pick(starts);
}

}  // namespace fandrel
