// The search only looks: names, sizes and times in the tree are as they were after it.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "tests/hostile/hostile_support.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fandrel {
namespace {

namespace fs = std::filesystem;
using testing::FavoritesTree;
using testing::SearchIn;

struct EntryState {
  bool folder;
  std::uintmax_t size;
  fs::file_time_type modified;
  bool operator==(const EntryState&) const = default;
};

bool IsLink(const fs::directory_entry& entry) {
#ifdef _WIN32
  // Wine's links are Unix ones, which the standard library here takes for folders.
  const DWORD attributes = GetFileAttributesW(entry.path().c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
#else
  return entry.is_symlink();
#endif
}

// Every entry below `folder`, links included but not followed.
void Snapshot(const fs::path& folder, std::map<fs::path, EntryState>& entries) {
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (IsLink(entry)) {
      entries[entry.path()] = {false, 0, {}};
    } else if (entry.is_directory()) {
      entries[entry.path()] = {true, 0, entry.last_write_time()};
      Snapshot(entry.path(), entries);
    } else {
      entries[entry.path()] = {false, entry.file_size(), entry.last_write_time()};
    }
  }
}

std::map<fs::path, EntryState> Snapshot(const fs::path& root) {
  std::map<fs::path, EntryState> entries;
  Snapshot(root, entries);
  return entries;
}

void RunSeveralSearches(const FavoritesTree& tree) {
  for (const Text fragment : {u"news", u"weather", u"nothing at all", u"n", u"SPORT"}) {
    SearchIn(tree, fragment);
  }
}

void AddVariedTree(FavoritesTree& tree) {
  tree.AddFile(u"News.url");
  tree.AddFile(u"Sub/Daily News.url");
  tree.AddFile(u"Sub/Deeper/Weather.URL");
  tree.AddFile(u"Sub/readme.txt");
  tree.AddFile(u"Tools.url/Inside.url");
  tree.AddFile(u"Locked/Sport News.url");
  tree.MarkReadOnly(u"Locked");
  tree.AddFile(u"Hidden News.url");
  tree.MarkHidden(u"Hidden News.url");
  tree.AddFolderLink(u"Sub/Back", u"");
}

TEST(NoWrites, NamesSizesAndTimesAreUnchangedAfterSearches) {
  FavoritesTree tree;
  AddVariedTree(tree);
  const fs::path root = tree.FsPath(u"");
  const auto before = Snapshot(root);
  ASSERT_GE(before.size(), 10u);
  RunSeveralSearches(tree);
  EXPECT_EQ(Snapshot(root), before);
}

#ifndef _WIN32
// A file the search opened would have its access time moved on (the system does so on
// a read when the access time is older than the modification time). Only names are read.
TEST(NoWrites, NoShortcutIsOpened) {
  FavoritesTree tree;
  AddVariedTree(tree);
  const struct timespec old[2] = {{1000000000, 0}, {UTIME_OMIT, 0}};  // access: 2001
  auto setOldAccess = [&](const fs::path& file) {
    return utimensat(AT_FDCWD, file.c_str(), old, AT_SYMLINK_NOFOLLOW) == 0;
  };
  auto accessed = [](const fs::path& file) {
    struct stat info {};
    stat(file.c_str(), &info);
    return info.st_atim.tv_sec;
  };

  // First, that reading moves the access time on this file system at all.
  const fs::path probe = tree.FsPath(u"Sub/readme.txt");
  ASSERT_TRUE(setOldAccess(probe));
  char byte;
  const int fd = open(probe.c_str(), O_RDONLY);
  ASSERT_GE(read(fd, &byte, 1), 0);
  close(fd);
  if (accessed(probe) == old[0].tv_sec) GTEST_SKIP() << "this file system keeps no access times";

  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(tree.FsPath(u""))) {
    if (entry.is_regular_file() && !entry.is_symlink()) files.push_back(entry.path());
  }
  for (const fs::path& file : files) ASSERT_TRUE(setOldAccess(file));
  RunSeveralSearches(tree);
  for (const fs::path& file : files) EXPECT_EQ(accessed(file), old[0].tv_sec) << file;
}
#endif

}  // namespace
}  // namespace fandrel
