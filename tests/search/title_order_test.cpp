// Title keys, their order, and which of several equal titles the user gets.
#include <gtest/gtest.h>

#include <algorithm>

#include "search/distinct_titles.h"
#include "search/sort_by_title.h"
#include "search/title_key.h"
#include "tests/support/tree.h"

namespace fandrel::testing {
namespace {

// A path in the system's own form: "/" in a test stands for the separator.
PathList Paths(std::initializer_list<TextView> paths) {
  PathList list;
  for (TextView path : paths) {
    Text native(path);
    std::replace(native.begin(), native.end(), u'/', kPathSeparator);
    list.push_back(native);
  }
  return list;
}

TEST(TitleKey, IsTheLowerCasedFileNameLessItsLastFourCharacters) {
  const struct {
    TextView path;
    TextView key;
  } rows[] = {
      {u"/Fav/Sub/News.url", u"news"},
      {u"/Fav/a.b.url", u"a.b"},
      {u"/Fav/.url", u""},
      {u"Plain.URL", u"plain"},
      {u"/Fav/НОВОСТИ Дня.url", u"новости дня"},
      {u"/Fav/天気予報.url", u"天気予報"},
      {u"/Fav/\U0001F600 Smile.url", u"\U0001F600 smile"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(GetTitleKey(Paths({row.path})[0]), row.key);
  }
}

TEST(TitleKey, SuffixTestIgnoresCaseAndNeedsFourCharacters) {
  for (TextView name : {u"Weather.URL", u"x.Url", u".url"}) EXPECT_TRUE(HasShortcutSuffix(name));
  // Fullwidth letters lower-case to fullwidth letters, never to ASCII.
  for (TextView name :
       {u"url", u"news.urls", u"news_url", u"news.txt", u"news.\uFF35\uFF32\uFF2C"}) {
    EXPECT_FALSE(HasShortcutSuffix(name)) << std::string(name.begin(), name.end());
  }
}

TEST(SortByTitle, OrdersKeysOrdinallyAndDecidesWhichEqualTitleSurvives) {
  const struct {
    std::initializer_list<TextView> walk, sorted, distinct;
  } rows[] = {
      {{u"/F/Zeta.url", u"/F/alpha.url", u"/F/Beta.url"},
       {u"/F/alpha.url", u"/F/Beta.url", u"/F/Zeta.url"},
       {u"/F/alpha.url", u"/F/Beta.url", u"/F/Zeta.url"}},
      // Digits and '_' before letters, a prefix first, letters above 127 after 'z', and
      // a character outside the BMP by its surrogates, below 'ｚ' (0xFF5A).
      {{u"/F/abc.url", u"/F/ab.url", u"/F/2day.url", u"/F/_x.url", u"/F/été.url", u"/F/ｚ.url",
        u"/F/\U0001F600.url"},
       {u"/F/2day.url", u"/F/_x.url", u"/F/ab.url", u"/F/abc.url", u"/F/été.url",
        u"/F/\U0001F600.url", u"/F/ｚ.url"},
       {u"/F/2day.url", u"/F/_x.url", u"/F/ab.url", u"/F/abc.url", u"/F/été.url",
        u"/F/\U0001F600.url", u"/F/ｚ.url"}},
      {{u"/F/Only.url"}, {u"/F/Only.url"}, {u"/F/Only.url"}},
      // Equal keys stop both scans and are exchanged: the later one in the walk wins.
      {{u"/F/News.url", u"/F/sub/news.url"},
       {u"/F/sub/news.url", u"/F/News.url"},
       {u"/F/sub/news.url"}},
      {{u"/F/a.url", u"/F/Same.url", u"/F/sub/same.url"},
       {u"/F/a.url", u"/F/sub/same.url", u"/F/Same.url"},
       {u"/F/a.url", u"/F/sub/same.url"}},
      {{u"/1/x.url", u"/2/x.url", u"/3/x.url", u"/4/b.url"},
       {u"/4/b.url", u"/3/x.url", u"/1/x.url", u"/2/x.url"},
       {u"/4/b.url", u"/3/x.url"}},
      // The pivot of (0 + 3) / 2 is position 2, the even neighbour of 1.5.
      {{u"/1/a.url", u"/2/x.url", u"/3/b.url", u"/4/b.url"},
       {u"/1/a.url", u"/4/b.url", u"/3/b.url", u"/2/x.url"},
       {u"/1/a.url", u"/4/b.url", u"/2/x.url"}},
      {{u"/1/b.url", u"/2/B.url", u"/3/a.url", u"/4/b.url", u"/5/c.url", u"/6/a.url"},
       {u"/3/a.url", u"/6/a.url", u"/1/b.url", u"/4/b.url", u"/2/B.url", u"/5/c.url"},
       {u"/3/a.url", u"/1/b.url", u"/5/c.url"}},
  };
  for (const auto& row : rows) {
    PathList list = Paths(row.walk);
    SortByTitle(list, 0, static_cast<std::ptrdiff_t>(list.size()) - 1);
    EXPECT_EQ(list, Paths(row.sorted));
    EXPECT_EQ(list.Pick(RunStarts(RankTitles(list))), Paths(row.distinct));
  }
}

}  // namespace
}  // namespace fandrel::testing
