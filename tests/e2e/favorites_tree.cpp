#include "favorites_tree.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "wait.h"
#include "window_state.h"

namespace e2e {
namespace {

constexpr wchar_t kShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr wchar_t kFavoritesValue[] = L"Favorites";

std::wstring UniqueTempFolder() {
  static int counter = 0;
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  return std::wstring(temp) + L"fandrel-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(++counter);
}

}  // namespace

FavoritesTree::FavoritesTree()
    : base_(UniqueTempFolder()), root_(base_ + L"\\Favorites"), log_(base_ + L"\\opened.log") {
  // A run that was killed may have left a folder of the same name behind.
  std::error_code ignored;
  std::filesystem::remove_all(base_, ignored);
  std::filesystem::create_directories(root_);

  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                  nullptr, &key, nullptr);
  DWORD size = 0;
  if (RegQueryValueExW(key, kFavoritesValue, nullptr, &savedType_, nullptr, &size) ==
      ERROR_SUCCESS) {
    savedData_.resize(size);
    hadValue_ = RegQueryValueExW(key, kFavoritesValue, nullptr, &savedType_, savedData_.data(),
                                 &size) == ERROR_SUCCESS;
  }
  RegSetValueExW(key, kFavoritesValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(root_.c_str()),
                 static_cast<DWORD>((root_.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);

  // fandrel.exe inherits this from the driver and the recorder from fandrel.exe.
  SetEnvironmentVariableW(L"FANDREL_RECORDER_LOG", log_.c_str());
}

FavoritesTree::~FavoritesTree() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
    if (hadValue_) {
      RegSetValueExW(key, kFavoritesValue, 0, savedType_, savedData_.data(),
                     static_cast<DWORD>(savedData_.size()));
    } else {
      RegDeleteValueW(key, kFavoritesValue);
    }
    RegCloseKey(key);
  }
  SetEnvironmentVariableW(L"FANDREL_RECORDER_LOG", nullptr);
  std::error_code ignored;
  std::filesystem::remove_all(base_, ignored);
}

std::wstring FavoritesTree::Add(std::wstring_view relativePath, bool minimal) {
  const std::filesystem::path path = std::filesystem::path(root_) / relativePath;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary);
  if (!minimal) file << "[InternetShortcut]\r\nURL=https://example.com/\r\n";
  return path.wstring();
}

std::vector<std::wstring> FavoritesTree::Opened() const {
  std::ifstream file{std::filesystem::path(log_), std::ios::binary};
  std::vector<std::wstring> paths;
  std::string line;
  while (std::getline(file, line)) paths.push_back(FromUtf8(line));
  return paths;
}

std::vector<std::wstring> FavoritesTree::WaitForOpened(size_t count) const {
  std::vector<std::wstring> paths;
  WaitUntil([&] {
    paths = Opened();
    return paths.size() >= count;
  });
  return paths;
}

}  // namespace e2e
