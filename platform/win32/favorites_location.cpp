#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include "platform/favorites_location.h"
#include "platform/win32/wide.h"

namespace fandrel {
namespace {

constexpr wchar_t kShellFoldersKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The "Favorites" value of the shell's folder list, whatever its length. Empty when the key
// or value is missing or unreadable.
std::wstring ReadShellFoldersValue() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS) {
    return {};
  }
  // REG_SZ alone also takes a REG_EXPAND_SZ value, expanded (the Location test's REG_EXPAND_SZ
  // row).
  constexpr DWORD kFlags = RRF_RT_REG_SZ;
  std::wstring value;
  DWORD bytes = 0;
  LSTATUS status = RegGetValueW(key, nullptr, L"Favorites", kFlags, nullptr, nullptr, &bytes);
  // Read again with the size a failed read gives: the value may grow meanwhile, and
  // expanding it may need more room than it takes stored.
  for (int attempt = 0; attempt < 8 && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA);
       ++attempt) {
    value.assign(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    status = RegGetValueW(key, nullptr, L"Favorites", kFlags, nullptr, value.data(), &bytes);
    if (status != ERROR_MORE_DATA) break;
  }
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return {};
  value.resize(wcsnlen(value.c_str(), value.size()));
  return value;
}

std::wstring KnownFavoritesFolder() {
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Favorites, 0, nullptr, &path))) folder = path;
  CoTaskMemFree(path);
  return folder;
}

}  // namespace

std::optional<Text> ReadFavoritesRoot() {
  std::wstring folder = ReadShellFoldersValue();
  // An empty value would make the walk start at the root of the current drive ("File path
  // formats on Windows systems").
  if (folder.empty()) folder = KnownFavoritesFolder();
  if (folder.empty()) return std::nullopt;
  // Appended whatever the value ends with: "D:\" gives "D:\\", read as the same folder
  // (the FolderReader test).
  folder += L'\\';
  return FromWide(folder);
}

}  // namespace fandrel
