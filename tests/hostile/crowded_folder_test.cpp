// One folder with as many entries as a whole large Favorites tree.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "tests/hostile/hostile_support.h"

namespace fandrel {
namespace {

using testing::FavoritesTree;
using testing::SearchIn;

TEST(CrowdedFolder, TwoHundredThousandEntriesAreAllFound) {
  // Under Wine the entries are made from the Unix side, as new files, and the Win32
  // listing of a folder costs far more per entry than Linux's: there a tenth of the
  // entries keeps the test to seconds and still fills the folder far past any buffer
  // the listing uses.
  const int count = testing::RunningUnderWine() ? 20000 : 200000;
  FavoritesTree tree;
  tree.AddFolder(u"Crowded");
  testing::AddNumberedFiles(tree, u"Crowded", u"Item ", u".url", count);
  tree.AddFile(u"Crowded/Needle.url");

  const auto all = SearchIn(tree, u"item");
  EXPECT_EQ(all.outcome, Outcome::kSeveral);
  EXPECT_EQ(all.matches.size(), static_cast<std::size_t>(count));
  ASSERT_EQ(all.distinct.size(), static_cast<std::size_t>(count));
  EXPECT_EQ(all.distinct.front(), tree.PathOf(u"Crowded/Item 000000.url"));
  char last[32];
  std::snprintf(last, sizeof last, "Crowded/Item %06d.url", count - 1);
  EXPECT_EQ(all.distinct.back(), tree.PathOf(Text(last, last + std::strlen(last))));

  const auto one = SearchIn(tree, u"needle");
  EXPECT_EQ(one.outcome, Outcome::kOne);
}

}  // namespace
}  // namespace fandrel
