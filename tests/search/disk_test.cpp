// The search over real folders through this system's own folder reader: the marks the
// system gives entries, names in any script, and trees built to break a walk.
#include <gtest/gtest.h>

#include "tests/support/tree.h"

namespace fandrel::testing {
namespace {

using Texts = std::vector<Text>;

Text Numbered(TextView prefix, int number, TextView suffix = u"") {
  const std::string digits = std::to_string(10000 + number).substr(1);
  return Text(prefix) + Text(digits.begin(), digits.end()) + Text(suffix);
}

TEST(Disk, OnlyPlainFoldersAreEnteredAndNamesComeBackExactly) {
  Tree tree(Tree::kDisk);
  tree.Add(u"Plain/Plain news.url").Add(u"Hidden news.url", kAttributeHidden);
  // Names that only tools bypassing Windows' normalisation make (WSL, other systems' shares).
  tree.Add(u"Trail./Trail news.url").Add(u"Space /Space news.url");
  tree.Add(u"Secret/Secret news.url").Add(u"Secret/", kAttributeHidden);
  tree.Add(u"Locked/Locked news.url").Add(u"Locked/", kAttributeReadOnly);
#ifdef _WIN32
  tree.Add(u"System news.url", kAttributeSystem);
  tree.Add(u"Sys/Sys news.url").Add(u"Sys/", kAttributeSystem);
#endif
  EXPECT_EQ(Keys(tree.Search(u"news").matches),
            (Texts{u"plain news", u"space news", u"trail news"}));

  const Text names[] = {u"Ñandú del Sur.url", u"Новости дня.url", u"天気予報.url",
                        u"\U0001F680 Launch.url", u"Zürich Tram.url"};
  for (const Text& name : names) {
    tree.Add(u"Intl/" + name);
    const Found found = tree.Search(name.substr(0, 2));
    ASSERT_EQ(found.outcome, Outcome::kOne) << std::string(name.begin(), name.end());
    EXPECT_EQ(found.distinct[0], tree.Path(u"Intl/" + name));
  }
}

// Each row builds a tree meant to break a walk. The search must find exactly the
// shortcuts it can reach, once each, and a second search must find the same and (shown
// natively, where the walk only differs in its folder reader) leave every name, size and
// time in the tree as it was.
TEST(Disk, HostileTrees) {
  const int depth = RunningUnderWine() ? 150 : 1000;  // Wine resolves each level anew
  constexpr int kCrowd = 2000;                        // far past what one read of a folder returns
  Texts crowd;
  for (int k = 0; k < kCrowd; ++k) crowd.push_back(Numbered(u"item ", k));
  const Text longName = Text(230, u'n') + u" long news";
  const struct {
    const char* what;
    std::function<bool(Tree&)> build;
    Text fragment;
    Texts keys;
  } rows[] = {
      {"deep",
       [&](Tree& tree) {
         Text chain;
         for (int level = 0; level < depth; ++level) chain += u"d/";
         tree.Add(chain + u"Bottom news.url").Add(u"Top news.url");
         return true;
       },
       u"news",
       {u"bottom news", u"top news"}},
      {"long",
       [&](Tree& tree) {
         tree.Add(Text(120, u'F') + u"/" + Text(120, u'G') + u"/" + longName + u".url");
         return true;
       },
       u"long news",
       {longName}},
      {"looping",
       [](Tree& tree) {
         tree.Add(u"Real/Inner/Looped news.url");
         return tree.Link(u"Real/Inner/Up", u"Real") && tree.Link(u"Real/Inner/Root", u"") &&
                tree.Link(u"Beside", u"Real/Inner");
       },
       u"news",
       {u"looped news"}},
      {"vanishing",
       [](Tree& tree) {
         for (int k = 0; k < 5; ++k) {
           tree.Add(Numbered(u"Gone ", k) + Numbered(u"/Gone news ", k, u".url"));
           tree.Add(Numbered(u"Kept ", k) + Numbered(u"/Kept news ", k, u".url"));
         }
         // Deleted while the root is listed: names already read still come, and lead nowhere.
         tree.During(u"", [&tree] {
           for (int k = 0; k < 5; ++k) tree.Remove(Numbered(u"Gone ", k));
         });
         return true;
       },
       u"news",
       {u"kept news 0000", u"kept news 0001", u"kept news 0002", u"kept news 0003",
        u"kept news 0004"}},
      {"crowded",
       [&](Tree& tree) {
         for (int k = 0; k < kCrowd; ++k) tree.Add(Numbered(u"Crowd/Item ", k, u".url"));
         return true;
       },
       u"item", crowd},
      {"unreadable",
       [](Tree& tree) {
         tree.Add(u"Before/Before news.url").Add(u"Locked/Locked news.url");
         tree.Add(u"Beside news.url").Add(u"Zafter/After news.url");
         return tree.Deny(u"Locked");
       },
       u"news",
       {u"after news", u"before news", u"beside news"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    Tree tree(Tree::kDisk);
    if (!row.build(tree)) {
      std::printf("[  SKIPPED ] %s: this system cannot build the tree\n", row.what);
      continue;
    }
    EXPECT_EQ(Keys(tree.Search(row.fragment).matches), row.keys);
#ifndef _WIN32
    const auto before = tree.Snapshot();
#endif
    EXPECT_EQ(Keys(tree.Search(row.fragment).matches), row.keys);
#ifndef _WIN32
    EXPECT_EQ(tree.Snapshot(), before);
#endif
  }
}

}  // namespace
}  // namespace fandrel::testing
