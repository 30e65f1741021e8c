// Folders nested far deeper, and paths far longer, than anyone keeps on purpose.
#include <gtest/gtest.h>

#include "tests/hostile/hostile_support.h"

namespace fandrel {
namespace {

using testing::FavoritesTree;
using testing::KeysOf;
using testing::SearchIn;

TEST(LongAndDeep, AShortcutAThousandFoldersDownIsFound) {
  FavoritesTree tree;
  // One-letter names keep the bottom within every system's longest path (4,096 bytes on
  // Linux, and so under Wine; 32,767 characters through "\\?\" on Windows). Wine
  // resolves every folder it opens name by name from the drive's root, so a walk down a
  // chain costs it the square of the depth (ten seconds for a thousand): there 300
  // levels, still far past 260 characters, keep the test short.
  const int depth = testing::RunningUnderWine() ? 300 : 1000;
  Text folder;
  for (int level = 0; level < depth; ++level) folder += u"d/";
  testing::AddFileAtAnyLength(tree, folder + u"Bottom News.url");
  tree.AddFile(u"Top News.url");

  const auto result = SearchIn(tree, u"news");
  EXPECT_EQ(KeysOf(result.distinct), (std::vector<Text>{u"bottom news", u"top news"}));
  ASSERT_FALSE(result.distinct.empty());
  EXPECT_EQ(result.distinct.front(), tree.PathOf(folder + u"Bottom News.url"));
}

TEST(LongAndDeep, PathsLongerThan260CharactersAreFoundWhole) {
  FavoritesTree tree;
  // Each name within the 255 characters a file system allows; together far past 260.
  const Text folder = Text(120, u'F') + u"/" + Text(120, u'G') + u"/";
  const Text name = Text(230, u'n') + u" Long News.url";
  testing::AddFileAtAnyLength(tree, folder + name);
  testing::AddFileAtAnyLength(tree, folder + u"Short News.url");

  const auto result = SearchIn(tree, u"long news");
  ASSERT_EQ(result.outcome, Outcome::kOne);
  EXPECT_EQ(result.distinct.front(), tree.PathOf(folder + name));
  EXPECT_GT(result.distinct.front().size(), 500u);
  EXPECT_EQ(SearchIn(tree, u"news").distinct.size(), 2u);
}

}  // namespace
}  // namespace fandrel
