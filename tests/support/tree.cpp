#include "tests/support/tree.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "search/title_key.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/long_path.h"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fandrel::testing {
namespace fs = std::filesystem;
namespace {

// A path of the tree as the system takes it. On Windows that is the "\\?\" form, the only
// one that reaches past 260 characters and keeps a name's trailing dot or space.
fs::path System(TextView path) {
  path = path.substr(0, path.find_last_not_of(kPathSeparator) + 1);
#ifdef _WIN32
  return std::wstring(kLongPrefix) + std::wstring(path.begin(), path.end());
#else
  return Text(path);
#endif
}

#ifdef _WIN32
DWORD AttributesOf(const fs::path& path) { return GetFileAttributesW(path.c_str()); }

// Wine keeps a folder's read-only mark only as a missing write permission, makes links
// only as Unix links, and follows those links when it deletes a folder: under Wine these
// go to a Unix shell. It gives no handle to wait on (and fills in none that could be
// closed), so the test waits for the work to show.
bool Unix(std::string command, std::initializer_list<fs::path> paths,
          const std::function<bool()>& landed) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  for (const fs::path& path : paths) {
    char* unix = toUnix(path.c_str());
    command += " '" + std::string(unix) + "'";
    HeapFree(GetProcessHeap(), 0, unix);
  }
  std::wstring line = L"Z:\\bin\\sh -c \"" + std::wstring(command.begin(), command.end()) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  for (int wait = 0; wait < 2000 && !landed(); ++wait) Sleep(10);
  return landed();
}
#endif

}  // namespace

bool RunningUnderWine() {
#ifdef _WIN32
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
#else
  return false;
#endif
}

std::vector<Text> Keys(const std::vector<Text>& paths) {
  std::vector<Text> keys;
  for (const Text& path : paths) keys.push_back(GetTitleKey(path));
  return keys;
}

std::vector<Text> Split(TextView text) {
  std::vector<Text> parts(1);
  for (char16_t c : text) c == u'|' ? parts.emplace_back() : parts.back() += c;
  return parts;
}

Tree::Tree(Where where) : where_(where), root_(Text(u"R") + kPathSeparator) {
  if (where == kMemory) return;
  // A name that is its own short (8.3) form, so that a short form of a path in the tree
  // is no shorter than the path for the root's sake: "FT" and six hex digits, the first free.
  auto stamp = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
  fs::path root;
  do {
    char name[9];
    std::snprintf(name, sizeof name, "FT%06X", ++stamp & 0xFFFFFF);
    root = fs::temp_directory_path() / name;
  } while (!fs::create_directory(root));
  root_ = root.u16string() + kPathSeparator;
}

Tree::~Tree() {
  if (where_ == kMemory) return;
  // Deleted without following a link.
  const fs::path path = System(root_);
#ifdef _WIN32
  if (RunningUnderWine()) {
    Unix("rm -rf", {path}, [&] { return AttributesOf(path) == INVALID_FILE_ATTRIBUTES; });
    return;
  }
#else
  for (const Text& folder : locked_) chmod(System(folder).c_str(), 0755);
#endif
  std::error_code ignored;
  fs::remove_all(path, ignored);
}

Text Tree::Path(TextView relative) const {
  Text path = root_ + Text(relative);
  std::replace(path.begin(), path.end(), u'/', kPathSeparator);
  return path;
}

Tree& Tree::Add(TextView relative, std::uint32_t attributes) {
  const bool folder = relative.back() == u'/';
  const std::size_t slash = relative.rfind(u'/', relative.size() - 2);
  if (slash != TextView::npos && !memory_.count(Path(relative.substr(0, slash + 1)))) {
    Add(relative.substr(0, slash + 1));
  }
  const Text path = Path(relative);
  if (folder) memory_[path];  // known, so that a folder is added once
  if (where_ == kMemory) {
    const Text entry = folder ? path.substr(0, path.size() - 1) : path;
    const std::size_t cut = entry.rfind(kPathSeparator) + 1;
    memory_[entry.substr(0, cut)].emplace_back(entry.substr(cut), attributes ? attributes
                                                                  : folder   ? kAttributeDirectory
                                                                             : kAttributeArchive);
    return *this;
  }
  const fs::path name = System(path);
  if (folder) {
    fs::create_directory(name);
  } else {
    std::ofstream{name};
  }
#ifdef _WIN32
  const DWORD marks = attributes & (kAttributeHidden | kAttributeSystem | kAttributeReadOnly);
  if (marks) SetFileAttributesW(name.c_str(), AttributesOf(name) | marks);
  if ((marks & kAttributeReadOnly) && !(AttributesOf(name) & kAttributeReadOnly)) {
    Unix("chmod a-w", {name}, [&] { return (AttributesOf(name) & kAttributeReadOnly) != 0; });
  }
#else
  if (attributes & kAttributeReadOnly) {
    chmod(name.c_str(), 0555);
    locked_.push_back(path);
  }
  // POSIX has no hidden mark: a name that begins with "." is how it hides one.
  if (attributes & kAttributeHidden) {
    fs::rename(name, name.parent_path() / ("." + name.filename().string()));
  }
#endif
  return *this;
}

bool Tree::Link(TextView relative, TextView target) {
  const fs::path link = System(Path(relative));
#ifdef _WIN32
  if (RunningUnderWine()) {
    return Unix("ln -s", {System(Path(target)), link},
                [&] { return AttributesOf(link) != INVALID_FILE_ATTRIBUTES; });
  }
  return CreateSymbolicLinkW(
      link.c_str(), System(Path(target)).c_str(),
      SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
#else
  return symlink(System(Path(target)).c_str(), link.c_str()) == 0;
#endif
}

Text Tree::BeginSearch(const Text& root) {
  return where_ == kDisk ? SystemFolderReader().BeginSearch(root) : root;
}

void Tree::ReadFolder(const Text& folder, const EntryVisitor& visit) {
  opened.push_back(folder);
  if (where_ == kDisk) return SystemFolderReader().ReadFolder(folder, visit);
  visit(u".", kAttributeDirectory);
  visit(u"..", kAttributeDirectory);
  // As every folder reader does, hidden and system entries are left out.
  for (const auto& [name, attributes] : memory_[folder]) {
    if (!(attributes & (kAttributeHidden | kAttributeSystem))) visit(name, attributes);
  }
}

Found Tree::Search(const Text& fragment) {
  FavoritesSources sources;
  sources.readRoot = [this] { return located ? std::optional<Text>(root_) : std::nullopt; };
  sources.folders = this;
  opened.clear();
  Found found{SearchFavorites(fragment, matches_, distinct_, sources), {}, {}};
  for (std::size_t k = 0; k < matches_.size(); ++k) found.matches.push_back(matches_.FullPath(k));
  for (std::size_t k = 0; k < distinct_.size(); ++k)
    found.distinct.push_back(distinct_.FullPath(k));
  return found;
}

}  // namespace fandrel::testing
