// Where the Favorites folder is, read from the registry of the current user. The tests
// redirect HKEY_CURRENT_USER to a scratch key of their own, so they never touch the
// real setting, on Wine or on a Windows desktop.
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "platform/favorites_location.h"
#include "search/favorites_search.h"
#include "tests/support/favorites_tree.h"

namespace fandrel {
namespace {

constexpr wchar_t kShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

class FavoritesLocation : public ::testing::Test {
 protected:
  void SetUp() override {
    scratchName_ = L"Software\\FandrelTests\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                   std::to_wstring(GetTickCount64());
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, scratchName_.c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &scratch_, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, scratch_), ERROR_SUCCESS);
  }

  void TearDown() override {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(scratch_);
    RegDeleteTreeW(HKEY_CURRENT_USER, scratchName_.c_str());
  }

  // Writes the value as raw bytes, so that a test can leave out the terminating NUL.
  void SetValue(DWORD type, const std::wstring& data, bool withNul = true) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const auto bytes = static_cast<DWORD>((data.size() + (withNul ? 1 : 0)) * sizeof(wchar_t));
    ASSERT_EQ(RegSetValueExW(key, L"Favorites", 0, type,
                             reinterpret_cast<const BYTE*>(data.c_str()), bytes),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  void CreateKeyOnly() {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  static Text KnownFavorites() {
    PWSTR path = nullptr;
    Text folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Favorites, 0, nullptr, &path))) {
      folder.assign(path, path + wcslen(path));
    }
    CoTaskMemFree(path);
    return folder + u"\\";
  }

 private:
  std::wstring scratchName_;
  HKEY scratch_ = nullptr;
};

Text T(const std::wstring& text) { return Text(text.begin(), text.end()); }

TEST_F(FavoritesLocation, AppendsOneBackslashWhateverTheValueEndsWith) {
  const std::wstring longPath = L"C:\\" + std::wstring(296, L'x');  // far past 128 bytes
  const std::wstring path127 = L"C:\\" + std::wstring(124, L'y');
  const struct {
    std::wstring value;
    Text root;
  } cases[] = {
      {L"C:\\WINDOWS\\Favoritos", u"C:\\WINDOWS\\Favoritos\\"},
      {L"D:\\", u"D:\\\\"},
      {L"C:\\Users\\Ana\\Favoritos del niño", u"C:\\Users\\Ana\\Favoritos del niño\\"},
      {L"C:\\Избранное\\\U0001F516", u"C:\\Избранное\\\U0001F516\\"},
      {path127, T(path127) + u"\\"},
      {longPath, T(longPath) + u"\\"},
  };
  for (const auto& c : cases) {
    SetValue(REG_SZ, c.value);
    EXPECT_EQ(ReadFavoritesRoot(), std::optional<Text>(c.root));
  }
}

TEST_F(FavoritesLocation, ValueWithoutTerminatingNulIsReadExactly) {
  SetValue(REG_SZ, L"C:\\NoNul", /*withNul=*/false);
  EXPECT_EQ(ReadFavoritesRoot(), std::optional<Text>(u"C:\\NoNul\\"));
}

TEST_F(FavoritesLocation, ExpandableValueIsExpanded) {
  SetEnvironmentVariableW(L"FANDREL_TEST_HOME", L"C:\\Home\\Zoë");
  SetValue(REG_EXPAND_SZ, L"%FANDREL_TEST_HOME%\\Favorites");
  EXPECT_EQ(ReadFavoritesRoot(), std::optional<Text>(u"C:\\Home\\Zoë\\Favorites\\"));
}

// Without a usable value the walk would start at the root of the current drive; the
// shell's own idea of the Favorites folder is asked instead.
TEST_F(FavoritesLocation, FallsBackToTheShellsFavoritesFolder) {
  const Text known = KnownFavorites();
  ASSERT_GT(known.size(), 1u);
  EXPECT_EQ(ReadFavoritesRoot(), std::optional<Text>(known)) << "missing key";
  CreateKeyOnly();
  EXPECT_EQ(ReadFavoritesRoot(), std::optional<Text>(known)) << "missing value";
  SetValue(REG_SZ, L"");
  EXPECT_EQ(ReadFavoritesRoot(), std::optional<Text>(known)) << "empty value";
  HKEY key = nullptr;
  RegOpenKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, KEY_SET_VALUE, &key);
  const DWORD number = 42;
  RegSetValueExW(key, L"Favorites", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                 sizeof number);
  RegCloseKey(key);
  EXPECT_EQ(ReadFavoritesRoot(), std::optional<Text>(known)) << "value that is not text";
}

TEST_F(FavoritesLocation, EverySearchReadsTheLocationAfresh) {
  testing::FavoritesTree first;
  testing::FavoritesTree second;
  first.AddFile(u"First News.url");
  second.AddFile(u"Second News.url");
  PathList matches;
  PathList distinct;

  const Text firstRoot = first.Root();
  SetValue(REG_SZ, std::wstring(firstRoot.begin(), firstRoot.end() - 1));
  ASSERT_EQ(SearchFavorites(u"news", matches, distinct), Outcome::kOne);
  EXPECT_EQ(distinct[0], first.PathOf(u"First News.url"));

  const Text secondRoot = second.Root();
  SetValue(REG_SZ, std::wstring(secondRoot.begin(), secondRoot.end() - 1));
  ASSERT_EQ(SearchFavorites(u"news", matches, distinct), Outcome::kOne);
  EXPECT_EQ(distinct[0], second.PathOf(u"Second News.url"));
}

}  // namespace
}  // namespace fandrel
