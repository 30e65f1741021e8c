// The walk, the matching rule and the outcome, on trees held in memory: the test decides
// the order of every folder's entries, their attribute words and the faults.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/tree.h"

namespace fandrel::testing {
namespace {

// The order the walk finds equal titles in decides which one the sort keeps.
TEST(Walk, GoesBreadthFirst) {
  MemoryTree tree;
  tree.Add(u"A/").Add(u"B/same.url").Add(u"A/Deep/Same.url").Add(u"A/Deep/Inner/");
  EXPECT_EQ(tree.Search(u"same").distinct, Texts{tree.Path(u"A/Deep/Same.url")});
  EXPECT_EQ(tree.opened, (Texts{tree.Root(), tree.Path(u"A/"), tree.Path(u"B/"),
                                tree.Path(u"A/Deep/"), tree.Path(u"A/Deep/Inner/")}));
}

// What the walk makes of an entry by its attribute word: a folder "Sub" with a shortcut in
// it, and a shortcut beside it, each with the row's attributes.
TEST(Walk, LeavesOutHiddenAndSystemEntriesAndEntersOnlyPlainFolders) {
  constexpr std::uint32_t kFolder = kAttributeDirectory,
                          kMarks = kAttributeReadOnly | kAttributeHidden | kAttributeSystem |
                                   kAttributeArchive | kAttributeReparsePoint;
  for (const auto& [what, attributes, entered, listed] : {
           std::tuple{"plain", kFolder, true, true},
           // Compressed, encrypted, unindexed, on ReFS, in the cloud.
           {"every bit but those that keep a folder out", ~kMarks, true, true},
           {"read-only", kFolder | kAttributeReadOnly, false, true},
           {"archive", kFolder | kAttributeArchive, false, true},
           {"a link", kFolder | kAttributeReparsePoint, false, true},
           {"hidden", kFolder | kAttributeHidden, false, false},
           {"system", kFolder | kAttributeSystem, false, false},
           {"attributes unreadable (vanished)", kAttributesUnknown, false, true},
           {"a file with every other bit", ~(kMarks | kFolder), false, true},
       }) {
    MemoryTree tree;
    tree.Add(u"Sub/", attributes).Add(u"Sub/Inside.url").Add(u"Beside.url", attributes);
    EXPECT_EQ(tree.Search(u"inside").outcome, entered ? Outcome::kOne : Outcome::kNone) << what;
    EXPECT_EQ(tree.Search(u"beside").outcome, listed ? Outcome::kOne : Outcome::kNone) << what;
  }
}

// The title is the name less its last four characters when they are ".url" in any case,
// lower-cased by the locale; the fragment is lower-cased too and kept exactly as typed.
TEST(Matching, TitleContainsTheFragmentRegardlessOfCase) {
  MemoryTree tree;
  const auto names = Split(
      u"News.url|Daily NEWS.URL|sportsnews.url|ne ws.url|readme.txt|news.urls|"
      u"news_url|a.b.url|my bank account.url|bank.url|.url|url|news.\uFF35\uFF32\uFF2C|"
      u"Ñandú del Sur.url|ΚΑΙΡΟΣ.url|Deep/Deeper/Old News.url|Deep/\U00010400 Deseret.url");
  for (const Text& name : names) tree.Add(name);
  // Folders named like shortcuts are candidates, never entered; ".url" has an empty title.
  tree.Add(u"Tools.url/", kAttributeDirectory).Add(u"Tools.url/Toolbox.url");
  tree.Add(u".url/", kAttributeDirectory).Add(u".url/Inside news.url");
  const std::pair<Text, Texts> rows[] = {
      {u"news", {u"daily news", u"news", u"old news", u"sportsnews"}},
      {u"bank ", {u"my bank account"}},  // the fragment's spaces count
      {u"tool", {u"tools"}},
      {u"a.b", {u"a.b"}},
      {u"ÑANDÚ", {u"ñandú del sur"}},
      {u"καιρ", {u"καιροσ"}},                    // each letter on its own: a final sigma too
      {u"\U00010428", {u"\U00010428 deseret"}},  // a letter outside the BMP has case
      {u"url", {}},
      {u"readme", {}},
  };
  for (const auto& [fragment, keys] : rows) {
    EXPECT_EQ(Keys(tree.Search(fragment).matches), keys) << ::testing::PrintToString(fragment);
  }
}

}  // namespace
}  // namespace fandrel::testing
