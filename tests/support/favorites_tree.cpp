#include "tests/support/favorites_tree.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <optional>
#include <system_error>

#include "search/title_key.h"
#include "tests/support/unix_side.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace fandrel::testing {
namespace {

fs::path Relative(TextView relative) {
  Text native(relative);
  for (char16_t& c : native) {
    if (c == u'/') c = kPathSeparator;
  }
  return fs::path(native);
}

fs::path FreshFolder() {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (;;) {
    fs::path candidate = fs::temp_directory_path() / ("fandrel-test-" + std::to_string(stamp) +
                                                      "-" + std::to_string(counter++));
    if (fs::create_directory(candidate)) return candidate;
  }
}

#ifdef _WIN32
// Removes a tree without ever entering a linked folder: the link goes, its target stays.
// (The standard library's removal cannot tell such links on this system.)
void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      const DWORD attributes = data.dwFileAttributes;
      if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        RemoveTree(path);
      } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveDirectoryW(path.c_str());
      } else {
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  RemoveDirectoryW(folder.c_str());
}
#else
void RemoveTree(const fs::path& root) {
  std::error_code ignored;
  // A folder its owner may not write could not be emptied; give the permission back.
  for (auto it = fs::recursive_directory_iterator(root, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
  }
  fs::remove_all(root, ignored);
}
#endif

}  // namespace

FavoritesTree::FavoritesTree() : root_(FreshFolder()) {}

FavoritesTree::~FavoritesTree() {
#ifdef _WIN32
  const std::wstring root = root_.wstring();
  const bool removedByUnix = RunUnixShell("rm -rf " + QuotedUnixPath(root_), [&] {
    return GetFileAttributesW(root.c_str()) == INVALID_FILE_ATTRIBUTES;
  });
  if (!removedByUnix) RemoveTree(L"\\\\?\\" + root);
#else
  RemoveTree(root_);
#endif
}

Text FavoritesTree::Root() const {
  Text root = root_.u16string();
  root += kPathSeparator;
  return root;
}

Text FavoritesTree::PathOf(TextView relative) const { return FsPath(relative).u16string(); }

fs::path FavoritesTree::FsPath(TextView relative) const { return root_ / Relative(relative); }

void FavoritesTree::AddFile(TextView relative) {
  const fs::path path = FsPath(relative);
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << "[InternetShortcut]\r\nURL=https://example.org/\r\n";
}

void FavoritesTree::AddFolder(TextView relative) { fs::create_directories(FsPath(relative)); }

bool FavoritesTree::AddFolderLink(TextView relative, TextView target) {
  const fs::path link = FsPath(relative);
#ifdef _WIN32
  if (RunningUnderWine()) {
    const std::string command = "ln -s " + QuotedUnixPath(FsPath(target)) + " " +
                                QuotedUnixPath(link.parent_path()) + "/'" +
                                link.filename().string() + "'";
    return RunUnixShell(
        command, [&] { return GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES; });
  }
  return CreateSymbolicLinkW(
             link.c_str(), FsPath(target).c_str(),
             SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) != 0;
#else
  std::error_code error;
  fs::create_directory_symlink(FsPath(target), link, error);
  return !error;
#endif
}

void FavoritesTree::MarkHidden(TextView relative) {
  const fs::path path = FsPath(relative);
#ifdef _WIN32
  SetFileAttributesW(path.c_str(), GetFileAttributesW(path.c_str()) | FILE_ATTRIBUTE_HIDDEN);
#else
  fs::rename(path, path.parent_path() / ("." + path.filename().string()));
#endif
}

void FavoritesTree::MarkReadOnly(TextView relative) {
  const fs::path path = FsPath(relative);
#ifdef _WIN32
  // Windows keeps the attribute itself; Wine ignores it on a folder and reads the bit
  // back from a missing write permission instead.
  SetFileAttributesW(path.c_str(), GetFileAttributesW(path.c_str()) | FILE_ATTRIBUTE_READONLY);
  if (!(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY)) {
    RunUnixShell("chmod a-w " + QuotedUnixPath(path),
                 [&] { return (GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY) != 0; });
  }
#else
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::remove);
#endif
}

FavoritesSources FavoritesTree::Sources() const {
  FavoritesSources sources;
  sources.readRoot = [root = Root()]() -> std::optional<Text> { return root; };
  return sources;
}

std::vector<Text> KeysOf(const PathList& paths) {
  std::vector<Text> keys;
  for (const Text& path : paths) keys.push_back(GetTitleKey(path));
  return keys;
}

}  // namespace fandrel::testing
