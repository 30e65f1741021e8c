// Symbolic links that lead back up the tree, or only to each other.
#include <gtest/gtest.h>

#include "tests/hostile/hostile_support.h"

namespace fandrel {
namespace {

using testing::FavoritesTree;
using testing::SearchIn;

TEST(LinkLoops, EndTheWalkAndFindEachShortcutOnce) {
  FavoritesTree tree;
  tree.AddFile(u"Real/Inner/Looped News.url");
  if (!tree.AddFolderLink(u"Real/Inner/Up", u"Real")) GTEST_SKIP() << "no symbolic links here";
  ASSERT_TRUE(tree.AddFolderLink(u"Real/Inner/To root", u""));
  ASSERT_TRUE(tree.AddFolderLink(u"Beside", u"Real/Inner"));
#ifndef _WIN32
  // Links that lead only to each other, and one to itself: following any of them fails.
  // (Wine cannot report such a link's attributes, so the tree helper there would wait
  // for it in vain; the links above already close loops.)
  namespace fs = std::filesystem;
  tree.AddFolder(u"Ring");
  fs::create_directory_symlink(tree.FsPath(u"Ring/b"), tree.FsPath(u"Ring/a"));
  fs::create_directory_symlink(tree.FsPath(u"Ring/a"), tree.FsPath(u"Ring/b"));
  fs::create_directory_symlink(tree.FsPath(u"Ring/self"), tree.FsPath(u"Ring/self"));
#endif

  const auto result = SearchIn(tree, u"news");
  EXPECT_EQ(result.matches, PathList{tree.PathOf(u"Real/Inner/Looped News.url")});
}

}  // namespace
}  // namespace fandrel
