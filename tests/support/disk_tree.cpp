#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "tests/support/tree.h"

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

// A path of the tree as the system takes it: on Windows the "\\?\" form, which keeps a
// name's trailing dot or space ("File path formats on Windows systems").
fs::path System(TextView path) {
  path = path.substr(0, path.find_last_not_of(kPathSeparator) + 1);
#ifdef _WIN32
  return std::wstring(kLongPrefix) + std::wstring(path.begin(), path.end());
#else
  return Text(path);
#endif
}

// What differs between the systems: their marks, their links, and removing a tree.
#ifdef _WIN32
DWORD AttributesOf(const fs::path& path) { return GetFileAttributesW(path.c_str()); }

// Under Wine, as seen here, a folder's read-only mark is kept only as a missing write
// permission, links are made only as Unix links, and deleting a folder follows them: so
// these go to a Unix shell, and the test waits for each change to show.
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

void Mark(const fs::path& entry, std::uint32_t marks) {
  marks &= kAttributeHidden | kAttributeSystem | kAttributeReadOnly;
  if (marks) SetFileAttributesW(entry.c_str(), AttributesOf(entry) | marks);
  if ((marks & kAttributeReadOnly) && !(AttributesOf(entry) & kAttributeReadOnly)) {
    Unix("chmod a-w", {entry}, [&] { return (AttributesOf(entry) & kAttributeReadOnly) != 0; });
  }
}

bool MakeLink(const fs::path& link, const fs::path& target) {
  if (RunningUnderWine()) {
    return Unix("ln -s", {target, link},
                [&] { return AttributesOf(link) != INVALID_FILE_ATTRIBUTES; });
  }
  return CreateSymbolicLinkW(
      link.c_str(), target.c_str(),
      SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
}

void Remove(const fs::path& root) {
  if (RunningUnderWine()) {
    Unix("rm -rf", {root}, [&] { return AttributesOf(root) == INVALID_FILE_ATTRIBUTES; });
    return;
  }
  std::error_code ignored;
  fs::remove_all(root, ignored);
}
#else
void Mark(const fs::path& entry, std::uint32_t marks) {
  if (marks & kAttributeReadOnly) chmod(entry.c_str(), 0555);
  // POSIX hides a name that begins with ".".
  if (marks & kAttributeHidden) {
    fs::rename(entry, entry.parent_path() / ("." + entry.filename().string()));
  }
}

bool MakeLink(const fs::path& link, const fs::path& target) {
  return symlink(target.c_str(), link.c_str()) == 0;
}

void Remove(const fs::path& root) {
  std::system(("chmod -R u+w '" + root.string() + "'").c_str());  // the read-only folders
  std::error_code ignored;
  fs::remove_all(root, ignored);
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

DiskTree::DiskTree() {
  // A name that is its own short (8.3) form, so that the root's own name never shortens a
  // short form: "FT" and six hex digits, the first free.
  auto stamp = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
  fs::path root;
  do {
    char name[9];
    std::snprintf(name, sizeof name, "FT%06X", ++stamp & 0xFFFFFF);
    root = fs::temp_directory_path() / name;
  } while (!fs::create_directory(root));
  root_ = root.u16string() + kPathSeparator;
  folders_ = &SystemFolderReader();
}

DiskTree::~DiskTree() { Remove(System(root_)); }  // without following a link

DiskTree& DiskTree::Add(TextView relative, std::uint32_t marks) {
  std::error_code exists;
  for (std::size_t slash = relative.find(u'/');
       slash != TextView::npos && slash + 1 < relative.size();
       slash = relative.find(u'/', slash + 1)) {
    fs::create_directory(System(Path(relative.substr(0, slash + 1))), exists);
  }
  const fs::path entry = System(Path(relative));
  if (relative.back() == u'/') {
    fs::create_directory(entry, exists);
  } else {
    std::ofstream{entry};
  }
  Mark(entry, marks);
  return *this;
}

bool DiskTree::Link(TextView relative, TextView target) {
  return MakeLink(System(Path(relative)), System(Path(target)));
}

}  // namespace fandrel::testing
