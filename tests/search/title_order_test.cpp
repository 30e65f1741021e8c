// The order of title keys, and which of several equal titles the user gets.
#include <gtest/gtest.h>

#include <algorithm>

#include "search/sort_by_title.h"
#include "tests/support/tree.h"

namespace fandrel::testing {
namespace {

// Shortcuts, '|' between them, each written without its ".url" and with '/' for the
// system's separator.
PathList Paths(TextView joined) {
  PathList list;
  for (Text path : Split(joined)) {
    std::replace(path.begin(), path.end(), u'/', kPathSeparator);
    list.push_back(path + u".url");
  }
  return list;
}

TEST(SortByTitle, OrdersKeysOrdinallyAndDecidesWhichEqualTitleSurvives) {
  const struct {
    TextView walk, sorted, distinct;
  } rows[] = {
      // Digits and '_' before letters, a prefix first, letters above 127 after 'z', and
      // a character outside the BMP by its surrogates, below 'ｚ' (0xFF5A).
      {u"F/abc|F/ab|F/2day|F/_x|F/été|F/ｚ|F/\U0001F600",
       u"F/2day|F/_x|F/ab|F/abc|F/été|F/\U0001F600|F/ｚ",
       u"F/2day|F/_x|F/ab|F/abc|F/été|F/\U0001F600|F/ｚ"},
      // Equal keys stop both scans and are exchanged: the later one in the walk wins.
      {u"F/News|F/sub/news", u"F/sub/news|F/News", u"F/sub/news"},
      // The pivot of (0 + 3) / 2 is position 2, the even neighbour of 1.5.
      {u"1/a|2/x|3/b|4/b", u"1/a|4/b|3/b|2/x", u"1/a|4/b|2/x"},
      {u"1/b|2/B|3/a|4/b|5/c|6/a", u"3/a|6/a|1/b|4/b|2/B|5/c", u"3/a|1/b|5/c"},
  };
  for (const auto& row : rows) {
    PathList list = Paths(row.walk);
    const PathList distinct = SortAndKeepDistinct(list, RankTitles(list));
    EXPECT_EQ(list, Paths(row.sorted));
    EXPECT_EQ(distinct, Paths(row.distinct));
  }
}

}  // namespace
}  // namespace fandrel::testing
