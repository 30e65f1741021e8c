// The order of equal titles, worked out by hand from the exact quicksort and, on long
// lists, checked against a plain one: it decides what the list shows first and which of
// several equal titles is kept, and so opened.
#include <gtest/gtest.h>

#include <random>

#include "tests/support/plain_quicksort.h"
#include "tests/support/tree.h"

namespace fandrel::testing {
namespace {

// Each row: one shortcut per folder, folders A, B, C... in walk order with their titles;
// the folders in the order the sort leaves their shortcuts; those the distinct pass keeps,
// the first of each title. The pivot of a part lo..hi is its middle position, (lo + hi) / 2
// rounded to the nearest, an exact half to the even one: 0..5 takes 2, 0..3 takes 2 and
// 2..5 takes 4, where rounding down would take 1 and 3 and keep other shortcuts.
TEST(Sort, EqualTitlesComeOutAsTheExactQuicksortLeavesThem) {
  const struct {
    Texts titles;
    Text order, kept;
  } rows[] = {
      // 0..2 takes B: A and C exchange, then B with itself.
      {{u"News", u"News", u"News"}, u"CBA", u"C"},
      // 0..5 takes C, 0..3 then takes E, 0..1 takes D, 4..5 takes C.
      {{u"Weather", u"News", u"Weather", u"News", u"Weather", u"Weather"}, u"BDEFAC", u"BE"},
      // 0..5 takes C, 2..5 then takes E, 2..3 takes A.
      {{u"Apple", u"Apple", u"Apple", u"Cherry", u"Berry", u"Berry"}, u"CBAFED", u"CFD"},
  };
  for (const auto& row : rows) {
    MemoryTree tree;
    const auto file = [&](char16_t folder) {
      return Text{folder, u'/'} + row.titles[static_cast<std::size_t>(folder - u'A')] + u".url";
    };
    for (std::size_t k = 0; k < row.titles.size(); ++k) tree.Add(file(char16_t(u'A' + k)));
    Texts order, kept;
    for (char16_t folder : row.order) order.push_back(tree.Path(file(folder)));
    for (char16_t folder : row.kept) kept.push_back(tree.Path(file(folder)));
    const Found found = tree.Search(u"e");
    EXPECT_EQ(found.matches, order) << ::testing::PrintToString(row.order);
    EXPECT_EQ(found.distinct, kept) << ::testing::PrintToString(row.order);
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
