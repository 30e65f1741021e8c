// The walk, the matching rule and the outcome, on trees held in memory: the test decides
// the order of every folder's entries, their attribute words and the faults.
#include <gtest/gtest.h>

#include "tests/support/tree.h"

namespace fandrel::testing {
namespace {

using Texts = std::vector<Text>;

TEST(Walk, GoesBreadthFirstSoTheLaterOfEqualTitlesIsTheOneKept) {
  Tree tree(Tree::kMemory);
  tree.Add(u"A/").Add(u"B/same.url").Add(u"A/Deep/Same.url").Add(u"A/Deep/Inner/");
  const Found found = tree.Search(u"same");
  EXPECT_EQ(tree.opened, (Texts{tree.Root(), tree.Path(u"A/"), tree.Path(u"B/"),
                                tree.Path(u"A/Deep/"), tree.Path(u"A/Deep/Inner/")}));
  // B's match is found before A/Deep's; of two equal titles the sort puts the later first.
  EXPECT_EQ(found.outcome, Outcome::kOne);
  EXPECT_EQ(found.distinct, Texts{tree.Path(u"A/Deep/Same.url")});
}

TEST(Walk, EntersOnlyPlainFolders) {
  const struct {
    const char* what;
    std::uint32_t attributes;
    bool entered;
  } rows[] = {
      {"plain", kAttributeDirectory, true},
      {"not content indexed", kAttributeDirectory | kAttributeNotContentIndexed, true},
      {"read-only", kAttributeDirectory | kAttributeReadOnly, false},
      {"archive", kAttributeDirectory | kAttributeArchive, false},
      {"hidden", kAttributeDirectory | kAttributeHidden, false},
      {"system", kAttributeDirectory | kAttributeSystem, false},
      {"link or junction", kAttributeDirectory | kAttributeReparsePoint, false},
      {"attributes unreadable (vanished)", kAttributesUnknown, false},
      {"a file", kAttributeArchive, false},
  };
  for (const auto& row : rows) {
    Tree tree(Tree::kMemory);
    tree.Add(u"Sub/", row.attributes).Add(u"Sub/Inside.url");
    EXPECT_EQ(tree.Search(u"inside").outcome, row.entered ? Outcome::kOne : Outcome::kNone)
        << row.what;
    EXPECT_EQ(tree.opened.size(), row.entered ? 2u : 1u) << row.what;
  }
}

TEST(Walk, AFolderThatCannotBeListedAddsNothingAndTheWalkGoesOn) {
  Tree tree(Tree::kMemory);
  tree.Add(u"Locked/Locked news.url").Add(u"Open/Open news.url").Deny(u"Locked");
  EXPECT_EQ(Keys(tree.Search(u"news").distinct), Texts{u"open news"});
}

TEST(Matching, TitleContainsTheFragmentRegardlessOfCase) {
  Tree tree(Tree::kMemory);
  for (TextView name : {u"News.url", u"Daily NEWS.URL", u"sportsnews.url", u"ne ws.url",
                        u"Weather.URL", u"readme.txt", u"news.txt", u"my bank account.url",
                        u"bank.url", u".url", u"Ñandú del Sur.url", u"ΚΑΙΡΟΣ.url",
                        u"Deep/Deeper/Old News.url", u"Deep/\U00010400 Deseret.url"}) {
    tree.Add(name);
  }
  tree.Add(u"Tools.url/", kAttributeDirectory).Add(u"Tools.url/Toolbox.url");
  const struct {
    Text fragment;
    Texts keys;
  } rows[] = {
      {u"news", {u"daily news", u"news", u"old news", u"sportsnews"}},
      {u"NeWs", {u"daily news", u"news", u"old news", u"sportsnews"}},
      {u"weather", {u"weather"}},
      {u"bank ", {u"my bank account"}},  // the fragment's spaces count
      {u" bank", {u"my bank account"}},
      {u"tool", {u"tools"}},  // a folder named like a shortcut is one, never entered
      {u"ÑANDÚ", {u"ñandú del sur"}},
      {u"καιρ", {u"καιροσ"}},
      {u"\U00010428", {u"\U00010428 deseret"}},
      {u"url", {}},
      {u"news.url", {}},
      {u"readme", {}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Keys(tree.Search(row.fragment).matches), row.keys)
        << std::string(row.fragment.begin(), row.fragment.end());
  }
}

TEST(Outcome, FollowsTheDistinctTitlesAndNothingFoundKeepsTheLastList) {
  Tree tree(Tree::kMemory);
  tree.Add(u"Alpha.url").Add(u"Sub/ALPHA.url").Add(u"Beta.url");
  EXPECT_EQ(tree.Search(u"a").outcome, Outcome::kSeveral);
  const Found one = tree.Search(u"alp");
  EXPECT_EQ(one.outcome, Outcome::kOne);
  EXPECT_EQ(one.matches.size(), 2u);
  const Found none = tree.Search(u"gamma");
  EXPECT_EQ(none.outcome, Outcome::kNone);
  EXPECT_TRUE(none.matches.empty());
  EXPECT_EQ(none.distinct, one.distinct);
  // Without a usable Favorites location nothing is walked at all.
  tree.located = false;
  EXPECT_EQ(tree.Search(u"alpha").outcome, Outcome::kNone);
  EXPECT_TRUE(tree.opened.empty());
}

}  // namespace
}  // namespace fandrel::testing
