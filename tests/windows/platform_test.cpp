// The Win32 layer: the Favorites location, the long path form, the path given to the
// shell, listed attribute words, a Turkish user's lowering, and the DLL search.
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <optional>

#include "platform/favorites_location.h"
#include "platform/win32/dll_search.h"
#include "platform/win32/folder_reader.h"
#include "platform/win32/long_path.h"
#include "platform/win32/shell_path.h"
#include "platform/win32/wide.h"
#include "tests/support/tree.h"

namespace fandrel::testing {
namespace {

// Rows of raw values, each read afresh; HKEY_CURRENT_USER is a scratch key meanwhile, so
// that the test never touches the real setting.
TEST(Location, IsTheValueWithOneBackslashAppendedOrTheShellsOwnFolder) {
  // The shell's folder where this profile has one: a fresh profile need not.
  std::optional<Text> shells;
  PWSTR known = nullptr;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Favorites, 0, nullptr, &known))) {
    shells = Text(known, known + wcslen(known)) + u"\\";
  }
  CoTaskMemFree(known);
  constexpr wchar_t kScratch[] = L"Software\\FandrelTests";
  HKEY scratch = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &scratch,
                  nullptr);
  ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, scratch), ERROR_SUCCESS);
  EXPECT_EQ(ReadFavoritesRoot(), shells) << "no key";

  const std::wstring longValue = L"C:\\" + std::wstring(296, L'x');  // past MAX_PATH
  SetEnvironmentVariableW(L"FANDREL_TEST_HOME", L"C:\\Home\\Zoë");
  const struct {
    DWORD type;
    std::wstring value;
    bool nul;  // stored with its terminating NUL
    std::optional<Text> root;
  } rows[] = {
      {REG_SZ, L"D:\\", true, u"D:\\\\"},
      {REG_SZ, L"C:\\Избранное\\\U0001F516", true, u"C:\\Избранное\\\U0001F516\\"},
      {REG_SZ, longValue, true, Text(longValue.begin(), longValue.end()) + u"\\"},
      {REG_SZ, L"C:\\NoNul", false, u"C:\\NoNul\\"},
      {REG_EXPAND_SZ, L"%FANDREL_TEST_HOME%\\Favorites", true, u"C:\\Home\\Zoë\\Favorites\\"},
      {REG_SZ, L"", true, shells},
      {REG_DWORD, L"\x2A", true, shells},  // 42, in four bytes
  };
  for (const auto& row : rows) {
    RegSetKeyValueW(HKEY_CURRENT_USER,
                    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                    L"Favorites", row.type, row.value.c_str(),
                    static_cast<DWORD>((row.value.size() + row.nul) * sizeof(wchar_t)));
    EXPECT_EQ(ReadFavoritesRoot(), row.root) << ::testing::PrintToString(row.root);
  }
  RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  RegCloseKey(scratch);
  RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
}

// The walk reads every folder through the "\\?\" form, which takes a path exactly as
// written: the root must be normalised first.
TEST(FolderReader, ReadsFromTheLongFormOfTheNormalisedRoot) {
  const std::pair<Text, Text> rows[] = {
      {u"D:\\\\", u"\\\\?\\D:\\"},
      {u"C:/Fav/../Favoritos\\", u"\\\\?\\C:\\Favoritos\\"},
      {u"\\\\server\\share\\Fav\\", u"\\\\?\\UNC\\server\\share\\Fav\\"},
      // One the system cannot make full is searched as nothing, not as the current folder.
      {Text(u"\0\\", 2), u""},
  };
  for (const auto& [root, read] : rows) EXPECT_EQ(SystemFolderReader().BeginSearch(root), read);
}

// With or without short names, a path whose normalised form is another file goes nowhere,
// and the others go as themselves or in the short form (see PathForTheShell).
TEST(ShellPath, IsThePathItsShortFormOrNothingWhereItWouldReachATwin) {
  DiskTree tree;
  const Text deep = Text(120, u'F') + u"/" + Text(130 - tree.Root().size(), u'G') + u"/Deep.url";
  const Text twin = u"Twin./x.url", plain = u"Plain.url";
  tree.Add(twin).Add(u"Twin/x.url").Add(u"Lone./x.url").Add(plain).Add(deep);
  const Text root = SystemFolderReader().BeginSearch(tree.Root());
  for (bool shortNames : {true, false}) {
    for (const Text& file : {plain, twin, Text(u"Lone./x.url"), deep}) {
      const std::wstring exact = ToWide(root + tree.Path(file).substr(tree.Root().size()));
      const std::wstring shortForm = shortNames ? ShortForm(exact) : exact;
      std::optional<std::wstring> expected = UsualForm(file == plain ? exact : shortForm);
      if (file == twin) expected.reset();
      EXPECT_EQ(PathForTheShell(exact, shortForm), expected)
          << ::testing::PrintToString(file) << ", short names: " << shortNames;
    }
  }
}

// What the walk is told of listed reparse points.
TEST(ListedAttributes, KeepLinksOutAndLetOtherReparsePointsIn) {
  constexpr std::uint32_t kLink = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
  EXPECT_EQ(ListedAttributes(kLink, IO_REPARSE_TAG_MOUNT_POINT), kLink);  // a junction
  EXPECT_EQ(ListedAttributes(kLink, 0), kLink);                           // no tag given
  EXPECT_EQ(ListedAttributes(kLink, IO_REPARSE_TAG_CLOUD_6),
            std::uint32_t{FILE_ATTRIBUTE_DIRECTORY});
}

// Run on its own, with the user's locale Turkish (Wine takes it from LC_ALL); on Windows,
// only where the user's locale is Turkish. Titles and fragments lower 'I' to the dotless
// 'ı' there, in ASCII titles too.
TEST(TurkishLocale, LowersTitlesAndFragmentsByTheLocalesOwnRules) {
  wchar_t locale[LOCALE_NAME_MAX_LENGTH] = {};
  GetUserDefaultLocaleName(locale, LOCALE_NAME_MAX_LENGTH);
  if (!RunningUnderWine() && locale != std::wstring_view(L"tr-TR")) GTEST_SKIP() << "not Turkish";
  ASSERT_EQ(std::wstring(locale), L"tr-TR") << "LC_ALL=tr_TR.UTF-8 did not reach Wine";
  MemoryTree tree;
  tree.Add(u"IŞIK Haber.url").Add(u"ILIK Su.url").Add(u"Bilgi.url");
  EXPECT_EQ(Keys(tree.Search(u"I").matches), (std::vector<Text>{u"ılık su", u"ışık haber"}));
}

// A DLL beside the program (here the one the test build puts beside the tests) is found by
// a bare-name load until the program's start-up call, and never after it. The change lasts
// for the whole process: no other test loads anything from beside itself.
TEST(DllSearch, LeavesOutTheProgramsOwnFolder) {
  const HMODULE planted = LoadLibraryW(L"fandrel_planted.dll");
  ASSERT_TRUE(planted) << "no fandrel_planted.dll beside the tests";
  FreeLibrary(planted);
  ASSERT_TRUE(LoadDllsFromSystemFolderOnly());
  EXPECT_FALSE(LoadLibraryW(L"fandrel_planted.dll"));
}

}  // namespace
}  // namespace fandrel::testing
