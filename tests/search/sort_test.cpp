// The order of equal titles: it decides what the list shows first and which of several
// equal titles is kept, and so opened.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/support/plain_quicksort.h"
#include "tests/support/tree.h"

namespace fandrel::testing {
namespace {

// The plain quicksort the program's sort is held to, on lists worked out by hand: shortcuts
// A, B, C... in walk order, and the order it leaves them in. The pivot of a part lo..hi is
// its middle position, (lo + hi) / 2 rounded to the nearest, an exact half to the even one:
// 0..3 takes 2 and 2..5 takes 4, where rounding down would take 1 and 3.
TEST(Sort, ThePlainQuicksortLeavesEqualTitlesAsWorkedOutByHand) {
  for (const auto& [titles, order] : {
           // 0..2 takes B: A and C exchange, then B with itself.
           std::pair{u"News|News|News", "CBA"},
           // 0..5 takes C, 0..3 then takes E, 0..1 takes D, 4..5 takes C.
           {u"Weather|News|Weather|News|Weather|Weather", "BDEFAC"},
           // 0..5 takes C, 2..5 then takes E, 2..3 takes A.
           {u"Apple|Apple|Apple|Cherry|Berry|Berry", "CBAFED"},
       }) {
    Texts paths;
    for (const Text& title : Split(titles)) {
      paths.push_back(Text{static_cast<char16_t>(u'A' + paths.size()), kPathSeparator} + title +
                      u".url");
    }
    PlainQuicksort(paths, 0, static_cast<std::ptrdiff_t>(paths.size()) - 1);
    std::string sorted;
    for (const Text& path : paths) sorted += static_cast<char>(path[0]);
    EXPECT_EQ(sorted, order);
  }
}

// The sort's fast paths, which short lists never take: the block partition, on parts of 128
// or more with equal titles among them, and the ranking's distribution of keys by their
// next four units, on 64 or more that share a beginning and then have few distinct units.
// The lists have few titles, or titles that share a long beginning in any case, or both.
TEST(Sort, LongListsWithEqualOrAlikeTitlesComeOutAsThePlainQuicksortLeavesThem) {
  const Text pieces[] = {u"2019", u"NEWS", u"Été", u"TIPS", u"TIP", u"Q&A ", u"RÉSUMÉ", u""};
  for (unsigned list = 0; list < 9; ++list) {
    std::mt19937 random(list);
    const auto any = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    // None, half or all of the titles share the beginning; tails of up to 0, 3 or 6 units
    // after a piece leave few titles or many.
    const std::size_t shared = list % 3, tail = list / 3 * 3, few = 1 + any(8);
    std::vector<Text> paths;
    for (std::size_t k = 0, count = 200 + any(600); k < count; ++k) {
      Text title = any(2) < shared ? u"HOW TO FIX A LEAKING KITCHEN TAP: " : u"";
      title += pieces[any(few)];
      for (std::size_t n = any(tail + 1); n > 0; --n) title += u"AB"[any(2)];
      for (char16_t& unit : title) unit = any(2) ? FoldAscii(unit) : unit;
      // A folder of its own for each, so that equal titles are told apart.
      paths.push_back(Text{u'F', char16_t(0x4E00 + k), kPathSeparator} + title + u".url");
    }
    ASSERT_TRUE(SortsAsPlainQuicksort(paths)) << "list " << list;
  }
}

}  // namespace
}  // namespace fandrel::testing
