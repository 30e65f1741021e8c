// The search over real folders through this system's own folder reader: the marks the
// system gives entries, names in any script, and trees built to break a walk.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "tests/support/tree.h"

namespace fandrel::testing {
namespace {

// Each row builds a tree. A search for "news" must find exactly the shortcuts it can
// reach, once each, and a second one the same.
TEST(Disk, SearchesWhatTheSystemShowsAndSurvivesTreesBuiltToBreakAWalk) {
  const int depth = RunningUnderWine() ? 150 : 1000;
  Texts crowd;  // far more names than one read of a folder returns
  for (int k = 10000; k < 12000; ++k) {
    const std::string number = std::to_string(k);
    crowd.push_back(u"news " + Text(number.begin(), number.end()));
  }
  const Text longName = Text(230, u'n') + u" long news";
  const struct {
    const char* what;
    std::function<bool(DiskTree&)> build;
    Texts keys;
  } rows[] = {
      {"marks",
       [](DiskTree& tree) {
         tree.Add(u"Plain/Plain news.url").Add(u"Hidden news.url", kAttributeHidden);
         tree.Add(u"Secret/Secret news.url").Add(u"Secret/", kAttributeHidden);
         tree.Add(u"Locked/Locked news.url").Add(u"Locked/", kAttributeReadOnly);
         // Names that normalising would trim ("File path formats on Windows systems").
         tree.Add(u"Trail./Trail news.url").Add(u"Space /Space news.url");
         tree.Add(u"Scripts/Ñandú news.url").Add(u"Scripts/Новости news.url");
         tree.Add(u"Scripts/\U0001F680 news.url");
#ifdef _WIN32
         tree.Add(u"System news.url", kAttributeSystem).Add(u"Sys/news.url");
         tree.Add(u"Sys/", kAttributeSystem);
#endif
         return true;
       },
       Split(u"plain news|space news|trail news|ñandú news|новости news|\U0001F680 news")},
      {"deep and long",
       [&](DiskTree& tree) {
         Text chain;
         for (int level = 0; level < depth; ++level) chain += u"d/";
         tree.Add(chain + Text(120, u'F') + u"/" + longName + u".url").Add(u"Top news.url");
         return true;
       },
       {longName, u"top news"}},
      {"looping",
       [](DiskTree& tree) {
         tree.Add(u"Real/Inner/Looped news.url");
         return tree.Link(u"Real/Inner/Up", u"Real") && tree.Link(u"Real/Inner/Root", u"") &&
                tree.Link(u"Beside", u"Real/Inner");
       },
       {u"looped news"}},
      {"crowded",
       [&](DiskTree& tree) {
         for (const Text& key : crowd) tree.Add(u"Crowd/" + key + u".url");
         return true;
       },
       crowd},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    DiskTree tree;
    // Not "[  SKIPPED ]", which CTest would read as the whole test skipped, hiding the
    // other rows' failures.
    if (!row.build(tree)) {
      std::printf("Not checked here: %s (this system cannot build the tree)\n", row.what);
      continue;
    }
    EXPECT_EQ(Keys(tree.Search(u"news").matches), row.keys);
    EXPECT_EQ(Keys(tree.Search(u"news").matches), row.keys);
  }
}

}  // namespace
}  // namespace fandrel::testing
