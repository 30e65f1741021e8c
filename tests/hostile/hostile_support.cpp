#include "tests/hostile/hostile_support.h"

#include "tests/support/unix_side.h"

#include <cstdio>
#include <filesystem>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fandrel::testing {

SearchResult SearchIn(const FavoritesSources& sources, const Text& fragment) {
  SearchResult result;
  result.outcome = SearchFavorites(fragment, result.matches, result.distinct, sources);
  return result;
}

SearchResult SearchIn(const FavoritesTree& tree, const Text& fragment) {
  return SearchIn(tree.Sources(), fragment);
}

#ifdef _WIN32
namespace {

// NTFS allows 1,024 names for one file.
constexpr int kLinksPerFile = 1000;

std::wstring LongForm(const std::filesystem::path& path) { return L"\\\\?\\" + path.wstring(); }

void CreateEmptyFile(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

bool Exists(const std::wstring& longForm) {
  return GetFileAttributesW(longForm.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Under Wine, every new name is looked up against every name of its folder regardless
// of case, so a folder of thousands of new entries, or a chain of a thousand folders,
// takes minutes through the Windows calls. A shell on the Unix side makes the same
// entries in a moment; `last` is the entry the script makes last.
bool RunUnixShellUntil(const std::string& script, const std::wstring& last) {
  return RunUnixShell(script, [&] { return Exists(last); });
}

std::string Ascii(TextView text) { return std::string(text.begin(), text.end()); }

// A place in the tree as the Unix shell sees it, quoted; empty without Wine.
// `relative` is written with '/' and in ASCII.
std::string QuotedUnixPath(const FavoritesTree& tree, TextView relative) {
  const std::string root = testing::QuotedUnixPath(tree.FsPath(u""));
  if (root.empty()) return {};
  return root + "'/" + Ascii(relative) + "'";
}

}  // namespace

void AddFileAtAnyLength(const FavoritesTree& tree, TextView relative) {
  const std::wstring file = LongForm(tree.FsPath(relative));
  const std::string unixFile = QuotedUnixPath(tree, relative);
  if (!unixFile.empty()) {
    const std::string unixFolder = QuotedUnixPath(tree, relative.substr(0, relative.rfind(u'/')));
    if (RunUnixShellUntil("mkdir -p " + unixFolder + " && : > " + unixFile, file)) return;
  }
  // Each folder on the way, from the root down; the ones that exist already stay.
  const std::size_t start = LongForm(tree.FsPath(u"")).size();
  for (std::size_t at = start; at < file.size(); ++at) {
    if (file[at] == L'\\') CreateDirectoryW(file.substr(0, at).c_str(), nullptr);
  }
  CreateEmptyFile(file);
}

void AddNumberedFiles(const FavoritesTree& tree, TextView relative, TextView prefix,
                      TextView suffix, int count) {
  const std::wstring folder = LongForm(tree.FsPath(relative));
  if (const std::string unixFolder = QuotedUnixPath(tree, relative); !unixFolder.empty()) {
    // 1000000 + k less its leading 1 is k in six digits, without starting a program.
    const std::string script = "cd " + unixFolder + " && k=0 && while [ $k -lt " +
                               std::to_string(count) + " ]; do n=$((1000000 + k)); : > '" +
                               Ascii(prefix) + "'${n#1}'" + Ascii(suffix) + "'; k=$((k + 1)); done";
    wchar_t lastNumber[16];
    std::swprintf(lastNumber, 16, L"%06d", count - 1);
    const std::wstring last = folder + L"\\" + std::wstring(prefix.begin(), prefix.end()) +
                              lastNumber + std::wstring(suffix.begin(), suffix.end());
    if (RunUnixShellUntil(script, last)) return;
  }
  const std::wstring before(prefix.begin(), prefix.end());
  const std::wstring after(suffix.begin(), suffix.end());
  wchar_t number[16];
  std::wstring original;
  for (int k = 0; k < count; ++k) {
    std::swprintf(number, 16, L"%06d", k);
    const std::wstring file = folder + L"\\" + before + number + after;
    if (k % kLinksPerFile != 0 && CreateHardLinkW(file.c_str(), original.c_str(), nullptr))
      continue;
    CreateEmptyFile(file);
    original = file;
  }
}

#else
namespace {

// ext4 allows 65,000 names for one file.
constexpr int kLinksPerFile = 50000;

void CreateEmptyFile(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd >= 0) close(fd);
}

}  // namespace

void AddFileAtAnyLength(const FavoritesTree& tree, TextView relative) {
  const std::filesystem::path file = tree.FsPath(relative);
  std::filesystem::create_directories(file.parent_path());
  CreateEmptyFile(file.string());
}

void AddNumberedFiles(const FavoritesTree& tree, TextView relative, TextView prefix,
                      TextView suffix, int count) {
  const std::string folder = tree.FsPath(relative).string() + "/";
  const std::string before = std::filesystem::path(Text(prefix)).string();
  const std::string after = std::filesystem::path(Text(suffix)).string();
  char number[16];
  std::string original;
  for (int k = 0; k < count; ++k) {
    std::snprintf(number, sizeof number, "%06d", k);
    const std::string file = folder + before + number + after;
    if (k % kLinksPerFile != 0 && link(original.c_str(), file.c_str()) == 0) continue;
    CreateEmptyFile(file);
    original = file;
  }
}

#endif

}  // namespace fandrel::testing
