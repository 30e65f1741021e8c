// The walk and the matching rule, over folders whose order and faults the test decides.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "search/favorites_search.h"
#include "search/title_key.h"
#include "tests/support/favorites_tree.h"

namespace fandrel {
namespace {

constexpr std::uint32_t kFile = kAttributeArchive;
constexpr std::uint32_t kFolder = kAttributeDirectory;

// Folders held in memory, listed in the order their entries were added, each after
// "." and "..", as a real file system lists them.
class MemoryFolders final : public FolderReader {
 public:
  static Text Folder(TextView relative) {
    Text path = u"R";
    path += kPathSeparator;
    for (char16_t c : relative) path += c == u'/' ? kPathSeparator : c;
    if (!relative.empty()) path += kPathSeparator;
    return path;
  }

  void Add(TextView folder, TextView name, std::uint32_t attributes) {
    entries_[Folder(folder)].push_back({Text(name), attributes});
  }
  void Unreadable(TextView folder) { unreadable_.push_back(Folder(folder)); }

  void ReadFolder(const Text& folder, const EntryVisitor& visit) override {
    opened.push_back(folder);
    if (std::find(unreadable_.begin(), unreadable_.end(), folder) != unreadable_.end()) return;
    visit(u".", kFolder);
    visit(u"..", kFolder);
    for (const auto& [name, attributes] : entries_[folder]) visit(name, attributes);
  }

  FavoritesSources Sources() {
    FavoritesSources sources;
    sources.readRoot = [] { return std::optional<Text>(Folder(u"")); };
    sources.folders = this;
    return sources;
  }

  std::vector<Text> opened;

 private:
  std::map<Text, std::vector<std::pair<Text, std::uint32_t>>> entries_;
  std::vector<Text> unreadable_;
};

struct Result {
  Outcome outcome;
  PathList matches;
  PathList distinct;
};

Result Search(MemoryFolders& folders, const Text& fragment) {
  Result result{Outcome::kNone, {}, {}};
  result.outcome = SearchFavorites(fragment, result.matches, result.distinct, folders.Sources());
  return result;
}

Text PathIn(TextView folder, TextView name) { return MemoryFolders::Folder(folder) + Text(name); }

TEST(Walk, VisitsFoldersBreadthFirstInTheOrderFound) {
  MemoryFolders folders;
  folders.Add(u"", u"A", kFolder);
  folders.Add(u"", u"B", kFolder);
  folders.Add(u"A", u"Deep", kFolder);
  folders.Add(u"B", u"Deeper", kFolder);
  folders.Add(u"A/Deep", u"Inner", kFolder);
  Search(folders, u"x");
  EXPECT_EQ(folders.opened,
            (std::vector<Text>{MemoryFolders::Folder(u""), MemoryFolders::Folder(u"A"),
                               MemoryFolders::Folder(u"B"), MemoryFolders::Folder(u"A/Deep"),
                               MemoryFolders::Folder(u"B/Deeper"),
                               MemoryFolders::Folder(u"A/Deep/Inner")}));
}

TEST(Walk, LaterFoundTitleWinsAmongEqualsSoWalkOrderReachesTheUser) {
  // Breadth-first, B's match comes before A/Deep's although A was listed first; of two
  // equal titles the sort puts the later one first, so A/Deep's shortcut is opened.
  MemoryFolders folders;
  folders.Add(u"", u"A", kFolder);
  folders.Add(u"", u"B", kFolder);
  folders.Add(u"A/Deep", u"Same.url", kFile);
  folders.Add(u"B", u"same.url", kFile);
  folders.Add(u"A", u"Deep", kFolder);
  const Result result = Search(folders, u"same");
  EXPECT_EQ(result.outcome, Outcome::kOne);
  EXPECT_EQ(result.distinct, PathList{PathIn(u"A/Deep", u"Same.url")});
}

TEST(Walk, SearchesOnlyPlainFolders) {
  const struct {
    const char* what;
    std::uint32_t attributes;
    bool searched;
  } cases[] = {
      {"plain folder", kFolder, true},
      {"not content indexed", kFolder | kAttributeNotContentIndexed, true},
      {"read-only", kFolder | kAttributeReadOnly, false},
      {"archive", kFolder | kAttributeArchive, false},
      {"link or junction", kFolder | kAttributeReparsePoint, false},
      {"attributes unreadable", kAttributesUnknown, false},
      {"file without suffix", kFile, false},
  };
  for (const auto& c : cases) {
    MemoryFolders folders;
    folders.Add(u"", u"Sub", c.attributes);
    folders.Add(u"Sub", u"Inside.url", kFile);
    const Result result = Search(folders, u"inside");
    EXPECT_EQ(result.outcome, c.searched ? Outcome::kOne : Outcome::kNone) << c.what;
    EXPECT_EQ(folders.opened.size(), c.searched ? 2u : 1u) << c.what;
  }
}

TEST(Walk, AFolderNamedLikeAShortcutIsACandidateAndNeverEntered) {
  MemoryFolders folders;
  folders.Add(u"", u"Tools.url", kFolder);
  folders.Add(u"Tools.url", u"Toolbox.url", kFile);
  const Result result = Search(folders, u"tool");
  EXPECT_EQ(result.outcome, Outcome::kOne);
  EXPECT_EQ(result.distinct, PathList{PathIn(u"", u"Tools.url")});
  EXPECT_EQ(folders.opened.size(), 1u);
}

TEST(Walk, MatchesListRootFirstThenEachFolderInTurn) {
  MemoryFolders folders;
  folders.Add(u"", u"Sub", kFolder);
  folders.Add(u"", u"root news.url", kFile);
  folders.Add(u"Sub", u"sub news.url", kFile);
  folders.Add(u"", u"Other", kFolder);
  folders.Add(u"Other", u"other news.url", kFile);
  const Result result = Search(folders, u"news");
  // Sorted by title: the order of the walk shows only in the folders visited.
  EXPECT_EQ(result.outcome, Outcome::kSeveral);
  EXPECT_EQ(testing::KeysOf(result.distinct),
            (std::vector<Text>{u"other news", u"root news", u"sub news"}));
}

TEST(Walk, FoldersThatCannotBeReadAddNothingAndTheRestIsStillSearched) {
  MemoryFolders folders;
  folders.Add(u"", u"Locked", kFolder);
  folders.Add(u"", u"Open", kFolder);
  folders.Add(u"Locked", u"secret news.url", kFile);
  folders.Add(u"Open", u"open news.url", kFile);
  folders.Unreadable(u"Locked");
  const Result result = Search(folders, u"news");
  EXPECT_EQ(result.distinct, PathList{PathIn(u"Open", u"open news.url")});
}

TEST(Walk, AnEntryThatVanishedBeforeItsAttributesWereReadIsSkipped) {
  MemoryFolders folders;
  folders.Add(u"", u"Gone", kAttributesUnknown);
  folders.Add(u"", u"Here", kFolder);
  folders.Add(u"Gone", u"lost.url", kFile);
  folders.Add(u"Here", u"found.url", kFile);
  // A vanished shortcut is still listed by name: it is a candidate whatever its word.
  folders.Add(u"", u"vanished.url", kAttributesUnknown);
  const Result result = Search(folders, u"o");
  EXPECT_EQ(testing::KeysOf(result.distinct), (std::vector<Text>{u"found"}));
  EXPECT_EQ(Search(folders, u"vanished").outcome, Outcome::kOne);
}

TEST(Outcome, FollowsTheNumberOfDistinctTitles) {
  MemoryFolders folders;
  folders.Add(u"", u"Alpha.url", kFile);
  folders.Add(u"", u"Sub", kFolder);
  folders.Add(u"Sub", u"ALPHA.url", kFile);
  folders.Add(u"", u"Beta.url", kFile);

  Result twoPathsOneTitle = Search(folders, u"alp");
  EXPECT_EQ(twoPathsOneTitle.outcome, Outcome::kOne);
  EXPECT_EQ(twoPathsOneTitle.matches.size(), 2u);
  EXPECT_EQ(twoPathsOneTitle.distinct, PathList{PathIn(u"Sub", u"ALPHA.url")});

  EXPECT_EQ(Search(folders, u"a").outcome, Outcome::kSeveral);
  EXPECT_EQ(Search(folders, u"gamma").outcome, Outcome::kNone);
}

TEST(Outcome, NoMatchEmptiesTheMatchesButKeepsTheLastDistinctList) {
  MemoryFolders folders;
  folders.Add(u"", u"Alpha.url", kFile);
  PathList matches{u"stale"};
  PathList distinct{u"kept"};
  EXPECT_EQ(SearchFavorites(u"zzz", matches, distinct, folders.Sources()), Outcome::kNone);
  EXPECT_TRUE(matches.empty());
  EXPECT_EQ(distinct, PathList{u"kept"});
}

TEST(Outcome, NoUsableFavoritesLocationFindsNothingAndWalksNothing) {
  MemoryFolders folders;
  folders.Add(u"", u"Alpha.url", kFile);
  FavoritesSources sources = folders.Sources();
  sources.readRoot = [] { return std::optional<Text>(); };
  PathList matches;
  PathList distinct;
  EXPECT_EQ(SearchFavorites(u"alpha", matches, distinct, sources), Outcome::kNone);
  EXPECT_TRUE(folders.opened.empty());
}

TEST(Outcome, FortyThousandMatchesAreAllFoundSortedAndReduced) {
  MemoryFolders folders;
  constexpr int kFolders = 40;
  constexpr int kPerFolder = 1100;
  for (int f = 0; f < kFolders; ++f) {
    const Text folder = u"F" + Text(1, static_cast<char16_t>(u'A' + f % 26)) +
                        Text(static_cast<std::size_t>(f / 26), u'x');
    folders.Add(u"", folder, kFolder);
    for (int k = 0; k < kPerFolder; ++k) {
      // Each title appears in two folders, so half the matches collapse.
      std::string title = "Match " + std::to_string((f / 2) * kPerFolder + k) + ".url";
      folders.Add(folder, Text(title.begin(), title.end()), kFile);
    }
  }
  const Result result = Search(folders, u"match");
  EXPECT_EQ(result.outcome, Outcome::kSeveral);
  EXPECT_EQ(result.matches.size(), static_cast<std::size_t>(kFolders * kPerFolder));
  EXPECT_EQ(result.distinct.size(), static_cast<std::size_t>(kFolders * kPerFolder / 2));
  const std::vector<Text> keys = testing::KeysOf(result.distinct);
  EXPECT_TRUE(std::adjacent_find(keys.begin(), keys.end(), std::greater_equal<>()) == keys.end())
      << "distinct titles must be strictly increasing";
}

}  // namespace
}  // namespace fandrel
