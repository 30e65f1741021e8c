// The search against real folders on this system's disk, through the system's own
// folder reader and locale.
#include <gtest/gtest.h>

#include "search/favorites_search.h"
#include "tests/support/favorites_tree.h"

namespace fandrel {
namespace {

using testing::FavoritesTree;
using testing::KeysOf;

std::vector<Text> FoundKeys(const FavoritesTree& tree, const Text& fragment) {
  PathList matches;
  PathList distinct;
  if (SearchFavorites(fragment, matches, distinct, tree.Sources()) == Outcome::kNone) return {};
  return KeysOf(distinct);
}

TEST(RealTree, MatchingRule) {
  FavoritesTree tree;
  for (TextView name : {u"News.url", u"Daily NEWS.URL", u"sportsnews.url", u"ne ws.url",
                        u"Weather.URL", u"readme.txt", u"news.txt", u"my bank account.url",
                        u"bank.url", u"Folder/Deep/Deeper/Old News.url"}) {
    tree.AddFile(name);
  }
  tree.AddFile(u".url");
  tree.AddFile(u"Tools.url/Toolbox.url");  // a folder named like a shortcut

  const struct {
    Text fragment;
    std::vector<Text> keys;
  } cases[] = {
      {u"news", {u"daily news", u"news", u"old news", u"sportsnews"}},
      {u"NeWs", {u"daily news", u"news", u"old news", u"sportsnews"}},
      {u"weather", {u"weather"}},
      {u"bank ", {u"my bank account"}},
      {u" bank", {u"my bank account"}},
      {u"tool", {u"tools"}},
      {u"readme", {}},
      {u"url", {}},
      {u"news.url", {}},
      {u"zebra", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FoundKeys(tree, c.fragment), c.keys)
        << std::string(c.fragment.begin(), c.fragment.end());
  }
}

TEST(RealTree, NamesInAnyScriptAreFoundAndKeptExactly) {
  FavoritesTree tree;
  const Text names[] = {u"Ñandú del Sur.url", u"Новости дня.url",           u"Καιρός Αθήνα.url",
                        u"天気予報.url",      u"\U0001F680 Launch Pad.url", u"Zürich Tram.url"};
  for (const Text& name : names) tree.AddFile(u"Intl/" + name);

  const struct {
    Text fragment;
    Text name;
  } cases[] = {
      {u"ÑANDÚ", u"Ñandú del Sur.url"},
      {u"новости", u"Новости дня.url"},
      {u"καιρός", u"Καιρός Αθήνα.url"},
      {u"天気", u"天気予報.url"},
      {u"\U0001F680", u"\U0001F680 Launch Pad.url"},
      {u"zürich", u"Zürich Tram.url"},
  };
  for (const auto& c : cases) {
    PathList matches;
    PathList distinct;
    ASSERT_EQ(SearchFavorites(c.fragment, matches, distinct, tree.Sources()), Outcome::kOne)
        << std::string(c.name.begin(), c.name.end());
    // The path that would be opened names the file exactly, byte for byte.
    EXPECT_EQ(distinct[0], tree.PathOf(u"Intl/" + c.name));
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(distinct[0])));
  }
}

TEST(RealTree, HiddenEntriesAreLeftOut) {
  FavoritesTree tree;
  tree.AddFile(u"Visible News.url");
  tree.AddFile(u"Hidden News.url");
  tree.AddFile(u"Secret/Inner News.url");
  tree.MarkHidden(u"Hidden News.url");
  tree.MarkHidden(u"Secret");
  EXPECT_EQ(FoundKeys(tree, u"news"), std::vector<Text>{u"visible news"});
}

TEST(RealTree, ReadOnlyFoldersAreNotSearched) {
  FavoritesTree tree;
  tree.AddFile(u"Open/Open News.url");
  tree.AddFile(u"Locked/Locked News.url");
  tree.MarkReadOnly(u"Locked");
  EXPECT_EQ(FoundKeys(tree, u"news"), std::vector<Text>{u"open news"});
}

}  // namespace
}  // namespace fandrel
