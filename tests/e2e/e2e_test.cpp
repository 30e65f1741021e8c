// The real fandrel.exe driven from outside as a user drives it: real key presses through
// the dialog manager, reads of its window through Win32, and the shell's "open" of an
// Internet shortcut landing in fandrel_opened.exe, which logs the path it was given. Only
// what the real window can show is checked here; the rules behind it are tested natively.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/win32/long_path.h"
#include "platform/win32/shell_path.h"
#include "platform/win32/wide.h"
#include "tests/support/tree.h"
#include "ui/layout.h"
#include "ui/win32/control_ids.h"

namespace fandrel::testing {
namespace {

// Wine on a busy machine can be slow to start a process.
template <typename Predicate>
bool WaitUntil(Predicate done, ULONGLONG ms = 15000) {
  for (const ULONGLONG end = GetTickCount64() + ms; !done(); Sleep(20)) {
    if (GetTickCount64() > end) return done();
  }
  return true;
}

// The folder of this driver, where the build also puts fandrel.exe.
std::wstring Beside(const wchar_t* file) {
  wchar_t self[MAX_PATH];
  const std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  return path.substr(0, path.rfind(L'\\') + 1) + file;
}

const std::wstring kLog = Beside(L"opened.log");

// What the driver changes in the registry, undone when it ends, so that it leaves a
// developer's own desktop as it was.
std::vector<std::function<void()>> undo;

void SetValue(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  std::wstring old(1024, L'\0');
  DWORD bytes = static_cast<DWORD>(old.size() * sizeof(wchar_t));
  const bool had =
      !RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, old.data(), &bytes);
  undo.push_back([=] {
    had ? RegSetKeyValueW(root, key.c_str(), name, REG_SZ, old.data(), bytes)
        : RegDeleteKeyValueW(root, key.c_str(), name);
  });
  RegSetKeyValueW(root, key.c_str(), name, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// While the driver runs, the user's Favorites are a tree of its own, and the shell opens
// Internet shortcuts with fandrel_opened.exe. Wine reads associations from HKCR only;
// Windows lets the user's own classes override the machine's.
struct Desktop : ::testing::Environment {
  void SetUp() override {
    const bool wine = RunningUnderWine();
    const HKEY classes = wine ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
    const std::wstring shortcut =
        wine ? L"InternetShortcut" : L"Software\\Classes\\InternetShortcut";
    HKEY own = nullptr;
    if (RegOpenKeyExW(classes, shortcut.c_str(), 0, KEY_READ, &own)) {
      undo.push_back([=] { RegDeleteTreeW(classes, shortcut.c_str()); });  // the driver made it
    }
    RegCloseKey(own);
    SetValue(classes, shortcut + L"\\shell\\open\\command", nullptr,
             L"\"" + Beside(L"fandrel_opened.exe") + L"\" \"%1\"");
    if (wine) RegDeleteTreeW(classes, (shortcut + L"\\shell\\open\\ddeexec").c_str());
    SetValue(HKEY_CURRENT_USER,
             L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", L"Favorites",
             ToWide(TextView(tree.Root()).substr(0, tree.Root().size() - 1)));
  }
  void TearDown() override {
    for (auto step = undo.rbegin(); step != undo.rend(); ++step) (*step)();
  }
  Tree tree{Tree::kDisk};
}* desktop = nullptr;

// A message to a window of the program, with a time limit: -1 if it does not answer.
LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 15000, &result)
             ? static_cast<LRESULT>(result)
             : -1;
}

std::wstring TextOf(HWND window, UINT message = WM_GETTEXT, WPARAM item = 512) {
  wchar_t text[512] = {};
  Ask(window, message, item, reinterpret_cast<LPARAM>(text));
  return text;
}

std::vector<std::wstring> Entries(HWND list) {
  std::vector<std::wstring> entries;
  for (LRESULT k = 0; k < Ask(list, CB_GETCOUNT); ++k) {
    entries.push_back(TextOf(list, CB_GETLBTEXT, static_cast<WPARAM>(k)));
  }
  return entries;
}

bool TabStop(HWND control) { return (GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP) != 0; }

// One key event, as a keyboard sends it; with a character, that character whatever the
// keyboard layout.
void Key(WORD key, DWORD flags = 0, wchar_t character = 0) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki = KEYBDINPUT{key, static_cast<WORD>(character ? character : MapVirtualKeyW(key, 0)),
                        flags | (character ? KEYEVENTF_UNICODE : 0), 0, 0};
  SendInput(1, &input, sizeof input);
}

// Whether two paths of the tree's name the same file, whatever their forms.
bool Same(const Text& a, const Text& b) {
  return SameFile(std::wstring(kLongPrefix) + ToWide(a), std::wstring(kLongPrefix) + ToWide(b));
}

// One run of the program.
class E2e : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileW(kLog.c_str());
    std::wstring exe = Beside(L"fandrel.exe");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(exe.c_str(), exe.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process_));
    ASSERT_TRUE(WaitUntil([&] {
      DWORD owner = 0;
      thread_ = GetWindowThreadProcessId(window_ = FindWindowW(kMainWindowClass, nullptr), &owner);
      return owner == process_.dwProcessId && IsWindowVisible(window_);
    }));
  }
  void TearDown() override {
    if (ExitCode(0) == STILL_ACTIVE) TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }

  HWND Control(int id) const { return GetDlgItem(window_, id); }
  // Keys go to the control with the keyboard focus in the foreground window. Windows lets
  // a program in the background bring a window to the foreground only once the user has
  // pressed Alt (the documented release of the foreground lock), so when another program
  // holds the foreground, the request is made with Alt held down. A press that cannot
  // reach the control fails here.
  void FocusOn(HWND control) {
    if (GetForegroundWindow() != window_) {
      Key(VK_MENU);
      SetForegroundWindow(window_);
      Key(VK_MENU, KEYEVENTF_KEYUP);
    }
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window_; }, 5000))
        << "another window holds the foreground";
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    const auto focused = [&] {
      return GetGUIThreadInfo(thread_, &gui) && gui.hwndFocus == control &&
             !(gui.flags & GUI_INMENUMODE);
    };
    ASSERT_TRUE(WaitUntil(focused, 5000)) << "the keyboard focus is elsewhere, or in a menu";
  }
  // `text` typed into the text box, then `key` pressed in the control that has the focus
  // in the window's mode (the list while it shows).
  void Press(WORD key, std::wstring_view text = {}) {
    const HWND input = Control(kInputId);
    FocusOn(text.empty() && IsWindowVisible(Control(kResultId)) ? Control(kResultId) : input);
    for (wchar_t c : text) Key(0, 0, c), Key(0, KEYEVENTF_KEYUP, c);
    ASSERT_TRUE(WaitUntil([&] { return text.empty() || TextOf(input) == text; }))
        << "typed \"" << std::wstring(text) << "\", the text box shows \"" << TextOf(input) << "\"";
    if (key) Key(key), Key(key, KEYEVENTF_KEYUP);
  }
  // Input mode (no entries) or choice mode with `entries` titles, and each mode's tab order.
  bool InModeNow(std::size_t entries) const {
    const HWND input = Control(kInputId), list = Control(kResultId);
    return entries ? IsWindowVisible(list) && Entries(list).size() == entries && TabStop(list) &&
                         !TabStop(input)
                   : !IsWindowVisible(list) && TextOf(input).empty() && TabStop(input);
  }
  bool InMode(std::size_t entries) const {
    return WaitUntil([&] { return InModeNow(entries); });
  }
  // Closes the dialogs the shell shows in the program's process, as when it cannot open a
  // path: each holds the program until it is closed.
  void CloseShellMessages() const {
    for (HWND box = nullptr; (box = FindWindowExW(nullptr, box, L"#32770", nullptr));) {
      DWORD owner = 0;
      GetWindowThreadProcessId(box, &owner);
      if (owner == process_.dwProcessId) PostMessageW(box, WM_CLOSE, 0, 0);
    }
  }
  // The paths the shell was asked to open, once there are `count` of them.
  std::vector<Text> Opened(std::size_t count) const {
    std::vector<Text> paths;
    const bool arrived = WaitUntil([&] {
      std::ifstream file(std::filesystem::path(kLog), std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(file), {}};
      Text log(bytes.size() / 2, u'\0');
      std::memcpy(log.data(), bytes.data(), log.size() * 2);
      paths = Split(log);
      paths.pop_back();  // after the last line's end
      return paths.size() >= count;
    });
    // A failure in a lambda, since this function returns a value; it ends the test all
    // the same (see FatalFailuresEndTheTest).
    if (!arrived) [&] { FAIL() << "the shell opened " << paths.size() << " of " << count; }();
    return paths;
  }
  DWORD ExitCode(DWORD waitMs = 15000) const {  // STILL_ACTIVE while it runs on
    DWORD code = STILL_ACTIVE;
    WaitForSingleObject(process_.hProcess, waitMs);
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  DWORD thread_ = 0;
};

TEST_F(E2e, WindowIsLaidOutAtItsDpiKeepsItsSizeAndHidesTheCancelButton) {
  const int dpi = static_cast<int>(GetDpiForWindow(window_));
  char wanted[8] = {};
  if (GetEnvironmentVariableA("FANDREL_E2E_DPI", wanted, sizeof wanted)) {
    ASSERT_EQ(dpi, std::atoi(wanted)) << "the DPI setting did not reach the window";
  }
  const MainLayout l = LayOutMainWindow(dpi);
  RECT r{};
  GetClientRect(window_, &r);
  EXPECT_EQ(PixelRect({0, 0, r.right, r.bottom}), PixelRect({0, 0, l.clientWidth, l.clientHeight}));
  const std::pair<int, PixelRect> controls[] = {
      {kFrameId, l.frame}, {kInputId, l.input}, {kCancelId, l.cancel}, {kResultId, l.result}};
  for (const auto& [id, place] : controls) {
    GetWindowRect(Control(id), &r);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(PixelRect({r.left, r.top, r.right - r.left, r.bottom - r.top}), place) << id;
  }
  // Beneath the text box in the stacking order, and out of the tab order.
  HWND below = Control(kInputId);
  while (below && below != Control(kCancelId)) below = GetWindow(below, GW_HWNDNEXT);
  EXPECT_TRUE(below && !TabStop(below)) << "the cancel button shows or can be tabbed to";

  RECT loaded{};
  GetWindowRect(window_, &loaded);
  SetWindowPos(window_, nullptr, 0, 0, 600, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(WaitUntil([&] { return GetWindowRect(window_, &r) && EqualRect(&r, &loaded); }))
      << "a resize was not undone";
}

// What a screen reader reads for the text box and the list, asked as screen readers ask.
TEST_F(E2e, NamesItsControlsForScreenReaders) {
  if (RunningUnderWine()) GTEST_SKIP() << "Wine's annotation service (AccPropServices) is a stub";
  for (const auto& [id, name] : {std::pair{kInputId, kInputName}, {kResultId, kResultName}}) {
    IAccessible* control = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(Control(id), static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), reinterpret_cast<void**>(&control)),
              S_OK);
    VARIANT self{};
    self.vt = VT_I4;  // CHILDID_SELF, 0
    BSTR read = nullptr;
    control->get_accName(self, &read);
    EXPECT_EQ(std::wstring(read ? read : L""), name);
    SysFreeString(read);
    control->Release();
  }
}

#ifdef _MSC_VER
constexpr bool kMsvc = true;
#else
constexpr bool kMsvc = false;
#endif

// What the program asks of Windows as it is loaded, read from its headers: a random base
// anywhere in the address space, and no code run from data; with MSVC also Control Flow
// Guard, CET shadow stacks, and the imports resolved before wWinMain taken from the system
// folder only (the MinGW linker can ask for none of these).
TEST(Resources, HeadersAskForEveryHardening) {
  const HMODULE image =
      LoadLibraryExW(Beside(L"fandrel.exe").c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_TRUE(image);
  // Mapped as it is loaded, but for the low bits of the handle that say how.
  const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(image) & ~3ull);
  const auto& nt = *reinterpret_cast<const IMAGE_NT_HEADERS64*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const int flags = nt.OptionalHeader.DllCharacteristics;
  constexpr int kEveryBuild = IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE |
                              IMAGE_DLLCHARACTERISTICS_NX_COMPAT |
                              IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA;
  EXPECT_EQ(flags & kEveryBuild, kEveryBuild);
  // The dependent load flags and the guard flags of the 64-bit load configuration, and the
  // extended characteristics (a debug entry of type 20), where the PE format puts them.
  const IMAGE_DATA_DIRECTORY* directories = nt.OptionalHeader.DataDirectory;
  const BYTE* config = base + directories[IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG].VirtualAddress;
  const auto* debug = reinterpret_cast<const IMAGE_DEBUG_DIRECTORY*>(
      base + directories[IMAGE_DIRECTORY_ENTRY_DEBUG].VirtualAddress);
  DWORD extended = 0;
  for (std::size_t k = 0; k < directories[IMAGE_DIRECTORY_ENTRY_DEBUG].Size / sizeof *debug; ++k) {
    if (debug[k].Type == 20) std::memcpy(&extended, base + debug[k].AddressOfRawData, 4);
  }
  if constexpr (kMsvc) {
    EXPECT_EQ(flags & IMAGE_DLLCHARACTERISTICS_GUARD_CF, IMAGE_DLLCHARACTERISTICS_GUARD_CF);
    EXPECT_EQ(*reinterpret_cast<const DWORD*>(config + 0x90) & 0x100, 0x100u) << "guard";
    EXPECT_EQ(extended & 0x1, 0x1u) << "compatible with CET shadow stacks";
    EXPECT_EQ(*reinterpret_cast<const WORD*>(config + 0x4E), WORD{LOAD_LIBRARY_SEARCH_SYSTEM32});
  }
  FreeLibrary(image);
}

// A user's session: one title opens at once, in any script and at any depth; several are
// chosen from the list; Esc goes back to the text box, and from there ends the program.
TEST_F(E2e, SearchesOpenTheTitleTheUserMeantAndEscGoesBackThenEnds) {
  Tree& tree = desktop->tree;
  // A path of 260 characters, the first the shell cannot take as it is.
  const Text deep = Text(120, u'F') + u"/" + Text(130 - tree.Root().size(), u'G') + u"/Deep.url";
  for (const Text& name : Split(u"旅行/天気予報.URL|Zeta News.url|_news digest.url|"
                                u"Sub/Émigré news.url|Sub/Daily NEWS.URL|Trail./Dotted.url|" +
                                deep)) {
    tree.Add(name);
  }
  ASSERT_EQ(tree.Path(deep).size(), 260u);
  // What the shell would read "Trail.\Dotted.url" as. The walk finds it first; the sort
  // puts the dotted one first among their equal titles, and that one is kept.
  const Text twin = u"Trail/Dotted.url";
  tree.Add(twin).Add(u"A folder with a long name/");
  std::vector<Text> opened;
  const auto opens = [&](const Text& file) {  // the shell was asked to open `file`, and only it
    opened.push_back(tree.Path(file));
    const std::vector<Text> paths = Opened(opened.size());
    EXPECT_EQ(paths.size(), opened.size());
    EXPECT_TRUE(Same(paths.back(), opened.back()));
    EXPECT_TRUE(InMode(0));
  };
  // The shell would read the last two as another path and as none: it is given their short
  // forms, where the volume makes them. Where it does not, they open nothing (the shell may
  // say that it cannot open the deep one), and the twin is never opened.
  const std::wstring longName =
      std::wstring(kLongPrefix) + ToWide(tree.Path(u"A folder with a long name/"));
  const bool shortNames = ShortForm(longName) != longName;
  for (const auto& [fragment, file] : {std::pair{L"天気", Text(u"旅行/天気予報.URL")},
                                       {L"dotted", Text(u"Trail./Dotted.url")},
                                       {L"deep", deep}}) {
    Press(VK_RETURN, fragment);
    if (shortNames || file == u"旅行/天気予報.URL") {
      opens(file);
    } else {
      EXPECT_TRUE(WaitUntil([&] {
        CloseShellMessages();
        return InModeNow(0);
      }));
    }
  }
  std::printf("[   INFO   ] %s\n", shortNames ? "short names: dotted and deep opened through them"
                                              : "no short names: dotted and deep opened nothing");

  // The Enter that starts the search is held down: its repeats must not open anything.
  const HWND list = Control(kResultId);
  Press(0, L"news");
  Key(VK_RETURN);
  ASSERT_TRUE(InMode(4));
  for (int repeat = 0; repeat < 3; ++repeat) Key(VK_RETURN);
  Key(VK_RETURN, KEYEVENTF_KEYUP);
  EXPECT_EQ(Entries(list), (std::vector<std::wstring>{L"_news digest", L"daily news", L"zeta news",
                                                      L"émigré news"}));
  Press(VK_DOWN);
  Press(VK_DOWN);
  ASSERT_TRUE(WaitUntil([&] { return Ask(list, CB_GETCURSEL) == 2; }))
      << "no list to choose from: did the held Enter open a title?";
  Press(VK_RETURN);
  opens(u"Zeta News.url");

  Press(VK_RETURN, L"news");
  ASSERT_TRUE(InMode(4));
  Press(VK_ESCAPE);
  EXPECT_TRUE(InMode(0));
  Press(VK_ESCAPE);
  EXPECT_EQ(ExitCode(), 0u);
  const std::vector<Text> paths = Opened(opened.size());
  EXPECT_EQ(paths.size(), opened.size()) << "Esc opened something";
  for (const Text& path : paths) EXPECT_FALSE(Same(path, tree.Path(twin))) << "the twin opened";
}

// An ASSERT in a helper ends the whole test, not only the helper: once one step of a
// session has failed, the steps after it would only wait out their time limits.
struct FatalFailuresEndTheTest : ::testing::EmptyTestEventListener {
  void OnTestPartResult(const ::testing::TestPartResult& result) override {
    if (result.fatally_failed()) throw ::testing::AssertionException(result);
  }
};

}  // namespace
}  // namespace fandrel::testing

int wmain(int argc, wchar_t** argv) {
  using namespace fandrel::testing;
  // Geometry is read in the program's own pixels only by a per-monitor aware reader.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // for the accessibility API
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FatalFailuresEndTheTest);
  ::testing::AddGlobalTestEnvironment(desktop = new Desktop);
  return RUN_ALL_TESTS();
}
