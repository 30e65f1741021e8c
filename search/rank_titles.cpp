#include "search/rank_titles.h"

#include <algorithm>
#include <bit>
#include <cstddef>

#if !defined(__GNUC__) && defined(_M_X64)
#include <xmmintrin.h>
#endif

namespace fandrel {
namespace {

// Four units of a key from the depth being ordered, and how many of them the key has (fewer
// when it ends within them). Of two keys that agree up to that depth, the one with the
// smaller head comes first; the same head means the same key when it counts fewer than
// four units, and a tie to break further on otherwise.
struct Head {
  std::uint64_t units;
  std::uint8_t count;

  friend bool operator==(const Head&, const Head&) = default;
  friend bool operator<(const Head& a, const Head& b) {
    return a.units != b.units ? a.units < b.units : a.count < b.count;
  }
};

// One per key, kept small: the ranking moves these around.
struct Item {
  std::uint64_t headUnits;
  std::uint8_t headCount;
  Folding folding;
  std::uint16_t size;      // of the key, in units (no name has 65,536)
  std::uint32_t position;  // of the key in the list
  const char16_t* data;    // the key's units

  Head HeadOf() const { return {headUnits, headCount}; }
  KeyUnits Units() const { return {data, size, folding}; }
  void SetHead(std::size_t at) {
    headUnits = Units().FourFrom(at);
    headCount = static_cast<std::uint8_t>(std::min<std::size_t>(size - at, 4));
  }
};

static_assert(sizeof(Item) == 24);

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
      items_[k] = Item{keys.FirstFour(k),
                       static_cast<std::uint8_t>(std::min<std::size_t>(units.size, 4)),
                       units.folding,
                       static_cast<std::uint16_t>(units.size),
                       static_cast<std::uint32_t>(k),
                       units.data};
    }
  }

  std::vector<std::uint32_t> Ranks() {
    if (!items_.empty()) Order(0, items_.size(), 0, true);
    std::vector<std::uint32_t> ranks(items_.size());
    std::uint32_t rank = 0;
    for (std::size_t k = 1; k < items_.size(); ++k) ranks[items_[k].position] = rank += newKey_[k];
    return ranks;
  }

 private:
  // Orders items_[begin, end), whose keys agree on their first `at` units, by the rest of
  // their keys, and marks in newKey_ each position after `begin` whose key differs from
  // the one before it. Titles often share long beginnings ("How to ", a site's name): the
  // units all of these keys share are skipped in one pass, each key compared with the
  // first to where they part, and the keys are then ordered by their heads from there.
  void Order(std::size_t begin, std::size_t end, std::size_t at, bool headsSet) {
    if (end - begin < 2) return;
    const KeyUnits first = items_[begin].Units();
    std::size_t same = first.size;
    bool sameSize = true;
    for (std::size_t k = begin + 1; k < end; ++k) {
      if (k + kAhead < end) Prefetch(items_[k + kAhead].data + at);
      const KeyUnits other = items_[k].Units();
      same = Agree(first, other, at, same);
      sameSize = sameSize && other.size == first.size;
    }
    if (same == first.size && sameSize) return;  // all equal
    if (same != at || !headsSet) {
      at = same;
      for (std::size_t k = begin; k < end; ++k) {
        if (k + kAhead < end) Prefetch(items_[k + kAhead].data + at);
        items_[k].SetHead(at);
      }
    }
    SortByHead(begin, end);
    for (std::size_t run = begin; run < end;) {
      const Head head = items_[run].HeadOf();
      std::size_t next = run + 1;
      while (next < end && items_[next].HeadOf() == head) ++next;
      if (run > begin) newKey_[run] = 1;
      if (head.count == 4) Order(run, next, at + 4, false);
      run = next;
    }
  }

  void SortByHead(std::size_t begin, std::size_t end) {
    if (end - begin >= kManyItems && Distribute(begin, end)) return;
    std::sort(items_.begin() + static_cast<std::ptrdiff_t>(begin),
              items_.begin() + static_cast<std::ptrdiff_t>(end),
              [](const Item& a, const Item& b) { return a.HeadOf() < b.HeadOf(); });
  }

  // Where titles share beginnings, many keys share their next four units too: then the
  // distinct heads are few, and each item is moved straight to its head's place among them,
  // a pass over the items rather than a sort of them. False, with nothing moved, past one
  // distinct head per kItemsPerHead items.
  bool Distribute(std::size_t begin, std::size_t end) {
    if (!CountHeads(begin, end)) return false;
    PlaceHeads();
    MoveToPlaces(begin);
    return true;
  }

  // Puts the distinct heads in a hash table (slots_), each item's slot in slotOf_, and counts
  // the items of each head. False as soon as the heads are too many.
  bool CountHeads(std::size_t begin, std::size_t end) {
    const std::size_t most = (end - begin) / kItemsPerHead;
    std::size_t capacity = kFewestSlots;
    while (capacity < 2 * most) capacity *= 2;  // never more than half full
    const unsigned shift = 64 - static_cast<unsigned>(std::countr_zero(capacity));
    slots_.assign(capacity, Slot{});
    slotOf_.resize(end - begin);
    std::size_t distinct = 0;
    for (std::size_t k = begin; k < end; ++k) {
      const Head head = items_[k].HeadOf();
      std::size_t slot = ((head.units ^ head.count) * kGoldenRatio) >> shift;
      while (slots_[slot].items && slots_[slot].head != head) slot = (slot + 1) & (capacity - 1);
      Slot& here = slots_[slot];
      if (here.items++ == 0) {
        if (++distinct > most) return false;
        here.head = head;
      }
      slotOf_[k - begin] = static_cast<std::uint32_t>(slot);
    }
    return true;
  }

  // Orders the distinct heads (order_) and gives each the run of places its items take.
  void PlaceHeads() {
    order_.clear();
    for (std::uint32_t slot = 0; slot < slots_.size(); ++slot) {
      if (slots_[slot].items) order_.push_back(slot);
    }
    std::sort(order_.begin(), order_.end(),
              [&](std::uint32_t a, std::uint32_t b) { return slots_[a].head < slots_[b].head; });
    std::uint32_t place = 0;
    for (std::uint32_t slot : order_) {
      slots_[slot].next = place;
      slots_[slot].end = place += slots_[slot].items;
    }
  }

  // Moves the items from `begin` on to their heads' places, in place: each item that is not
  // yet in its head's run goes to the next free place there, and the item it displaces is
  // looked at next.
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
  static constexpr std::size_t kItemsPerHead = 16;
  static constexpr std::size_t kFewestSlots = 64;
  // 2^64 divided by the golden ratio: a head's first slot is the top bits of its product with it
  // (Fibonacci hashing).
  static constexpr std::uint64_t kGoldenRatio = 0x9E3779B97F4A7C15u;

  struct Slot {  // one distinct head
    Head head{};
    std::uint32_t items = 0;  // that have it
    std::uint32_t next = 0;   // the place of the next of them
    std::uint32_t end = 0;    // one past the place of the last of them
  };

  std::vector<Item> items_;
  std::vector<std::uint8_t> newKey_;
  std::vector<Slot> slots_;
  std::vector<std::uint32_t> slotOf_;
  std::vector<std::uint32_t> order_;
};

}  // namespace

std::vector<std::uint32_t> RankTitleKeys(const TitleKeys& keys) { return Ranking(keys).Ranks(); }

}  // namespace fandrel
