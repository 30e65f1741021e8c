// Entries that only Windows can mark: system entries, and the attribute word that the
// folder reader reports for each kind of entry.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "platform/folder_reader.h"
#include "search/favorites_search.h"
#include "tests/support/favorites_tree.h"

namespace fandrel {
namespace {

using testing::FavoritesTree;

std::map<Text, std::uint32_t> ReadAll(const Text& folder) {
  std::map<Text, std::uint32_t> entries;
  SystemFolderReader().ReadFolder(
      folder, [&](TextView name, std::uint32_t attributes) { entries[Text(name)] = attributes; });
  return entries;
}

TEST(Win32Folders, ListsDotsFilesAndFoldersButNotHiddenOrSystemEntries) {
  FavoritesTree tree;
  tree.AddFile(u"Plain.url");
  tree.AddFile(u"Hidden.url");
  tree.AddFile(u"System.url");
  tree.AddFolder(u"Folder");
  tree.MarkHidden(u"Hidden.url");
  SetFileAttributesW(tree.FsPath(u"System.url").c_str(), FILE_ATTRIBUTE_SYSTEM);

  const auto entries = ReadAll(tree.Root());
  EXPECT_EQ(entries.count(u"."), 1u);
  EXPECT_EQ(entries.count(u".."), 1u);
  EXPECT_EQ(entries.count(u"Hidden.url"), 0u);
  EXPECT_EQ(entries.count(u"System.url"), 0u);
  ASSERT_EQ(entries.count(u"Folder"), 1u);
  EXPECT_EQ(entries.at(u"Folder") & ~kAttributeNotContentIndexed, kAttributeDirectory);
  ASSERT_EQ(entries.count(u"Plain.url"), 1u);
  EXPECT_EQ(entries.at(u"Plain.url") & kAttributeDirectory, 0u);
}

TEST(Win32Folders, LinkToAFolderCarriesTheReparseBit) {
  FavoritesTree tree;
  tree.AddFolder(u"Target");
  if (!tree.AddFolderLink(u"Link", u"Target")) GTEST_SKIP() << "no symbolic links here";
  const auto entries = ReadAll(tree.Root());
  ASSERT_EQ(entries.count(u"Link"), 1u);
  EXPECT_EQ(entries.at(u"Link") & (kAttributeDirectory | kAttributeReparsePoint),
            kAttributeDirectory | kAttributeReparsePoint);
}

TEST(Win32Folders, SystemFoldersAreNotSearched) {
  FavoritesTree tree;
  tree.AddFile(u"Shown/Shown News.url");
  tree.AddFile(u"Sys/System News.url");
  SetFileAttributesW(tree.FsPath(u"Sys").c_str(), FILE_ATTRIBUTE_SYSTEM);
  PathList matches;
  PathList distinct;
  ASSERT_EQ(SearchFavorites(u"news", matches, distinct, tree.Sources()), Outcome::kOne);
  EXPECT_EQ(distinct[0], tree.PathOf(u"Shown/Shown News.url"));
}

TEST(Win32Folders, PathsPastMaxPathAreWalked) {
  FavoritesTree tree;
  Text folder;
  while (tree.Root().size() + folder.size() < 300) folder += u"A rather long folder name/";
  const Text relative = folder + u"Deep News.url";
  // Made with the long-path prefix: the test's own library may not accept such paths.
  std::wstring full = L"\\\\?\\" + tree.FsPath(folder).wstring();
  for (std::size_t at = 5; at <= full.size(); ++at) {
    if (at == full.size() || full[at] == L'\\')
      CreateDirectoryW(full.substr(0, at).c_str(), nullptr);
  }
  const std::wstring file = L"\\\\?\\" + tree.FsPath(relative).wstring();
  CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));

  PathList matches;
  PathList distinct;
  ASSERT_EQ(SearchFavorites(u"deep", matches, distinct, tree.Sources()), Outcome::kOne);
  EXPECT_EQ(distinct[0], tree.PathOf(relative));
  EXPECT_GT(distinct[0].size(), static_cast<std::size_t>(MAX_PATH));
}

}  // namespace
}  // namespace fandrel
