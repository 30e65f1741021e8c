// Entries deleted while the walk is running: by another program, as far as the search
// can tell, between the listing of a folder and the visit of what it listed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "tests/hostile/hostile_support.h"

namespace fandrel {
namespace {

using testing::FavoritesTree;
using testing::SearchIn;

Text Numbered(TextView prefix, int number, TextView suffix = u"") {
  const std::string digits = std::to_string(number);
  return Text(prefix) + Text(digits.begin(), digits.end()) + Text(suffix);
}

// The system's folders, but the first time the walk is given an entry of a chosen
// folder, `vanish` runs: it deletes things before the walk gets to them.
class VanishingFolders final : public FolderReader {
 public:
  VanishingFolders(Text folder, std::function<void()> vanish)
      : folder_(std::move(folder)), vanish_(std::move(vanish)) {}

  void ReadFolder(const Text& folder, const EntryVisitor& visit) override {
    SystemFolderReader().ReadFolder(folder, [&](TextView name, std::uint32_t attributes) {
      if (folder == folder_ && vanish_ && name != u"." && name != u"..") {
        std::exchange(vanish_, nullptr)();
      }
      visit(name, attributes);
    });
  }

 private:
  Text folder_;
  std::function<void()> vanish_;
};

TEST(VanishingEntries, TheWalkGoesOnAndFindsWhatIsLeft) {
  FavoritesTree tree;
  constexpr int kEach = 40;
  for (int k = 0; k < kEach; ++k) {
    tree.AddFile(Numbered(u"Root News ", k, u".url"));
    tree.AddFile(Numbered(u"Folder ", k) + Numbered(u"/Inner News ", k, u".url"));
    tree.AddFile(Numbered(u"Folder ", k) + Numbered(u"/Deep/Deep News ", k, u".url"));
  }
  std::set<Text> deleted;  // the title keys of every shortcut deleted
  const auto remove = [&](TextView relative) {
    std::error_code ignored;
    std::filesystem::remove_all(tree.FsPath(relative), ignored);
  };

  // While the root is listed: every even folder, with all it holds, and every even
  // shortcut. Names the system had fetched already still come, and their attributes
  // can no longer be read.
  VanishingFolders folders(tree.Root(), [&] {
    for (int k = 0; k < kEach; k += 2) {
      remove(Numbered(u"Folder ", k));
      remove(Numbered(u"Root News ", k, u".url"));
      deleted.insert(Numbered(u"inner news ", k));
      deleted.insert(Numbered(u"deep news ", k));
    }
  });
  FavoritesSources sources = tree.Sources();
  sources.folders = &folders;
  const auto result = SearchIn(sources, u"news");

  const std::vector<Text> found = testing::KeysOf(result.matches);
  for (int k = 1; k < kEach; k += 2) {
    for (const Text& kept :
         {Numbered(u"root news ", k), Numbered(u"inner news ", k), Numbered(u"deep news ", k)}) {
      EXPECT_NE(std::find(found.begin(), found.end(), kept), found.end()) << "lost: " << k;
    }
  }
  for (const Text& key : found) EXPECT_EQ(deleted.count(key), 0u) << "a deleted folder was read";
  // A deleted shortcut that the system had already listed may still be reported: its
  // name is all the search reads. None is reported twice.
  std::set<Text> unique(found.begin(), found.end());
  EXPECT_EQ(unique.size(), found.size());
}

TEST(VanishingEntries, AFolderDeletedWhileItIsListedEndsItsListing) {
  FavoritesTree tree;
  for (int k = 0; k < 200; ++k) tree.AddFile(Numbered(u"Doomed/Doomed News ", k, u".url"));
  tree.AddFolder(u"Doomed/Sub");
  tree.AddFile(u"Doomed/Sub/Below News.url");
  tree.AddFile(u"Other/Other News.url");
  // Windows keeps a folder that is being listed until the listing ends; everything in
  // it goes at once. Other systems take the folder away at once.
  VanishingFolders folders(tree.PathOf(u"Doomed") + kPathSeparator, [&] {
    std::error_code ignored;
    std::filesystem::remove_all(tree.FsPath(u"Doomed"), ignored);
  });
  FavoritesSources sources = tree.Sources();
  sources.folders = &folders;
  const auto result = SearchIn(sources, u"news");

  const std::vector<Text> found = testing::KeysOf(result.matches);
  EXPECT_NE(std::find(found.begin(), found.end(), Text(u"other news")), found.end());
  EXPECT_EQ(std::find(found.begin(), found.end(), Text(u"below news")), found.end());
}

}  // namespace
}  // namespace fandrel
