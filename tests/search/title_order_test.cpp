// Title keys, their order, and which of several equal titles the user gets.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>

#include "search/distinct_titles.h"
#include "search/sort_by_title.h"
#include "search/title_key.h"
#include "tests/support/favorites_tree.h"

namespace fandrel {
namespace {

using testing::KeysOf;

// A path in the system's own form: "/" in the test stands for the separator.
Text P(TextView path) {
  Text native(path);
  for (char16_t& c : native) {
    if (c == u'/') c = kPathSeparator;
  }
  return native;
}

PathList Paths(std::initializer_list<TextView> paths) {
  PathList list;
  for (TextView path : paths) list.push_back(P(path));
  return list;
}

PathList Distinct(const PathList& sorted) {
  PathList distinct;
  BuildDistinct(sorted, KeysOf(sorted), distinct);
  return distinct;
}

TEST(TitleKey, IsTheLowerCasedFileNameLessItsSuffix) {
  const struct {
    TextView path;
    TextView key;
  } cases[] = {
      {u"/Fav/Sub/News.url", u"news"},
      {u"/Fav/a.b.url", u"a.b"},
      {u"/Fav/Weather.URL", u"weather"},
      {u"/Fav/.url", u""},
      {u"Plain.url", u"plain"},
      {u"/Fav/ÑANDÚ Zoo.url", u"ñandú zoo"},
      {u"/Fav/НОВОСТИ Дня.url", u"новости дня"},
      // Each character on its own: a final capital sigma becomes the medial form.
      {u"/Fav/ΚΑΙΡΟΣ.url", u"καιροσ"},
      {u"/Fav/天気予報.url", u"天気予報"},
      // Outside the Basic Multilingual Plane: kept whole, and Deseret has case.
      {u"/Fav/\U0001F600 Smile.url", u"\U0001F600 smile"},
      {u"/Fav/\U00010400.url", u"\U00010428"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetTitleKey(P(c.path)), c.key) << std::string(c.path.begin(), c.path.end());
  }
}

TEST(TitleKey, SuffixTestIgnoresCaseAndNeedsFourCharacters) {
  EXPECT_TRUE(HasShortcutSuffix(u"Weather.URL"));
  EXPECT_TRUE(HasShortcutSuffix(u"x.Url"));
  EXPECT_TRUE(HasShortcutSuffix(u".url"));
  EXPECT_FALSE(HasShortcutSuffix(u"url"));
  EXPECT_FALSE(HasShortcutSuffix(u"news.urls"));
  EXPECT_FALSE(HasShortcutSuffix(u"news_url"));
  EXPECT_FALSE(HasShortcutSuffix(u"readme.txt"));
  // Fullwidth letters lower-case to fullwidth letters, never to ASCII.
  EXPECT_FALSE(HasShortcutSuffix(u"news.\uFF35\uFF32\uFF2C"));
}

TEST(SortByTitle, OrdersKeysOrdinallyOnCodeUnits) {
  const struct {
    std::initializer_list<TextView> walk;
    std::vector<Text> keys;
  } cases[] = {
      {{u"/F/Zeta.url", u"/F/alpha.url", u"/F/Beta.url"}, {u"alpha", u"beta", u"zeta"}},
      {{u"/F/abc.url", u"/F/ab.url", u"/F/2day.url", u"/F/_x.url", u"/F/apple.url", u"/F/a.url"},
       {u"2day", u"_x", u"a", u"ab", u"abc", u"apple"}},
      // Letters above 127 come after 'z'; a character outside the BMP sorts by its
      // surrogates (0xD800 and up), below 'ｚ' (0xFF5A).
      {{u"/F/été.url", u"/F/zoo.url", u"/F/\U0001F600.url", u"/F/ｚ.url"},
       {u"zoo", u"été", u"\U0001F600", u"ｚ"}},
  };
  for (const auto& c : cases) {
    PathList list = Paths(c.walk);
    SortByTitle(list, 0, static_cast<std::ptrdiff_t>(list.size()) - 1);
    EXPECT_EQ(KeysOf(list), c.keys);
  }
}

TEST(SortByTitle, LeavesASingleMatchAndTheBoundsOutsideAlone) {
  PathList one = Paths({u"/F/Only.url"});
  SortByTitle(one, 0, 0);
  EXPECT_EQ(one, Paths({u"/F/Only.url"}));

  PathList list = Paths({u"/F/z.url", u"/F/c.url", u"/F/b.url", u"/F/a.url"});
  SortByTitle(list, 1, 2);
  EXPECT_EQ(list, Paths({u"/F/z.url", u"/F/b.url", u"/F/c.url", u"/F/a.url"}));
}

// Which of several equal titles survives is the user's result: the partition decides it.
TEST(SortByTitle, PartitionDecidesWhichEqualTitleSurvives) {
  const struct {
    std::initializer_list<TextView> walk;
    std::initializer_list<TextView> sorted;
    std::initializer_list<TextView> distinct;
  } cases[] = {
      // Equal keys stop both scans and are exchanged: the later one in the walk wins.
      {{u"/F/News.url", u"/F/sub/news.url"},
       {u"/F/sub/news.url", u"/F/News.url"},
       {u"/F/sub/news.url"}},
      {{u"/F/a.url", u"/F/Same.url", u"/F/sub/same.url"},
       {u"/F/a.url", u"/F/sub/same.url", u"/F/Same.url"},
       {u"/F/a.url", u"/F/sub/same.url"}},
      // Three equal keys: the pivot is position 1, and the middle one ends last.
      {{u"/1/x.url", u"/2/X.url", u"/3/x.url"},
       {u"/3/x.url", u"/2/X.url", u"/1/x.url"},
       {u"/3/x.url"}},
      {{u"/1/x.url", u"/2/x.url", u"/3/x.url", u"/4/b.url"},
       {u"/4/b.url", u"/3/x.url", u"/1/x.url", u"/2/x.url"},
       {u"/4/b.url", u"/3/x.url"}},
      // The pivot of (0 + 3) / 2 is position 2, the even neighbour; position 1 would
      // leave the two 'b' titles the other way round and keep the other one.
      {{u"/1/a.url", u"/2/x.url", u"/3/b.url", u"/4/b.url"},
       {u"/1/a.url", u"/4/b.url", u"/3/b.url", u"/2/x.url"},
       {u"/1/a.url", u"/4/b.url", u"/2/x.url"}},
  };
  for (const auto& c : cases) {
    PathList list = Paths(c.walk);
    SortByTitle(list, 0, static_cast<std::ptrdiff_t>(list.size()) - 1);
    EXPECT_EQ(list, Paths(c.sorted));
    EXPECT_EQ(Distinct(list), Paths(c.distinct));
  }
}

// The plain form of the sort: a key computed at every comparison and both parts sorted
// by recursion. The program's sort caches keys and loops on the larger part; it must
// give exactly this order, equal titles included.
void PlainQuicksort(PathList& list, int lo, int hi) {
  int i = lo;
  int j = hi;
  const int sum = lo + hi;
  const int mid = sum / 2 + ((sum % 2 != 0 && (sum / 2) % 2 != 0) ? 1 : 0);
  const Text pivot = GetTitleKey(list[mid]);
  while (i <= j) {
    while (GetTitleKey(list[i]) < pivot && i < hi) ++i;
    while (pivot < GetTitleKey(list[j]) && j > lo) --j;
    if (i <= j) std::swap(list[i++], list[j--]);
  }
  if (lo < j) PlainQuicksort(list, lo, j);
  if (i < hi) PlainQuicksort(list, i, hi);
}

TEST(SortByTitle, MatchesThePlainQuicksortOnRandomListsWithManyEqualTitles) {
  std::mt19937 random(20261206);
  const TextView titles[] = {u"a", u"A", u"ab", u"b", u"B", u"ba", u"é", u"É", u"_", u"1"};
  for (int round = 0; round < 400; ++round) {
    const int n = 1 + static_cast<int>(random() % 120);
    PathList list;
    for (int k = 0; k < n; ++k) {
      // Distinct folders make every path unique, so the order of equal titles shows.
      list.push_back(P(u"/F" + Text(1, static_cast<char16_t>(u'a' + k % 26)) +
                       std::u16string(static_cast<std::size_t>(k / 26), u'z') + u"/") +
                     Text(titles[random() % std::size(titles)]) + u".url");
    }
    PathList expected = list;
    PlainQuicksort(expected, 0, n - 1);
    SortByTitle(list, 0, n - 1);
    ASSERT_EQ(list, expected) << "round " << round;
  }
}

TEST(BuildDistinct, KeepsTheFirstPathOfEachRunInKeyOrder) {
  const PathList sorted =
      Paths({u"/F/a.url", u"/G/A.url", u"/F/b.url", u"/F/c.url", u"/G/C.url", u"/H/c.url"});
  EXPECT_EQ(Distinct(sorted), Paths({u"/F/a.url", u"/F/b.url", u"/F/c.url"}));

  PathList distinct = Paths({u"/old/leftover.url"});
  BuildDistinct({}, {}, distinct);
  EXPECT_TRUE(distinct.empty()) << "the list is rebuilt, not appended to";
}

}  // namespace
}  // namespace fandrel
