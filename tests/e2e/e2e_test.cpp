// The real fandrel.exe driven from outside as a user drives it: real key presses through
// the dialog manager, reads of its window through Win32, and the shell's "open" of an
// Internet shortcut landing in the recorder, which logs the path it was given. Only what
// the real window can show is checked here; the rules behind it are tested natively.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "tests/support/tree.h"
#include "ui/control_ids.h"
#include "ui/layout.h"

namespace fandrel::testing {
namespace {

constexpr DWORD kWaitMs = 15000;  // Wine on a busy machine can be slow to start a process

template <typename Predicate>
bool WaitUntil(Predicate done) {
  for (const ULONGLONG end = GetTickCount64() + kWaitMs; !done(); Sleep(20)) {
    if (GetTickCount64() > end) return done();
  }
  return true;
}

// The folder of this driver, where the build also puts fandrel.exe and the recorder.
std::wstring Beside(const wchar_t* file) {
  wchar_t self[MAX_PATH];
  const std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  return path.substr(0, path.rfind(L'\\') + 1) + file;
}

const std::wstring kLog = Beside(L"opened.log");

// A registry value set for a while and then put back, with any key made for it removed,
// so that the driver is safe to run on a developer's own desktop.
class RegistryValue {
 public:
  RegistryValue(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value)
      : root_(root), name_(name) {
    for (std::size_t end = 0; made_.empty() && end != std::wstring::npos;) {
      end = key.find(L'\\', end + 1);
      HKEY probe = nullptr;
      if (RegOpenKeyExW(root, key.substr(0, end).c_str(), 0, KEY_READ, &probe)) {
        made_ = key.substr(0, end);
      }
      RegCloseKey(probe);
    }
    RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    DWORD bytes = sizeof old_;
    had_ = !RegQueryValueExW(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(old_), &bytes);
    Set(value.c_str());
  }
  ~RegistryValue() {
    had_ ? Set(old_) : RegDeleteValueW(key_, name_);
    RegCloseKey(key_);
    if (!made_.empty()) RegDeleteTreeW(root_, made_.c_str());
  }

 private:
  LSTATUS Set(const wchar_t* value) {
    return RegSetValueExW(key_, name_, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                          static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
  }
  HKEY root_;
  HKEY key_ = nullptr;
  std::wstring made_;  // the first key on the way that did not exist
  const wchar_t* name_;
  bool had_ = false;
  wchar_t old_[1024] = {};
};

// While the driver runs, the shell opens Internet shortcuts with the recorder. Wine reads
// associations from HKCR only; Windows lets the user's own classes override the machine's.
class RecorderAsBrowser : public ::testing::Environment {
  void SetUp() override {
    const bool wine = RunningUnderWine();
    value_.emplace(wine ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER,
                   std::wstring(wine ? L"" : L"Software\\Classes\\") +
                       L"InternetShortcut\\shell\\open\\command",
                   nullptr, L"\"" + Beside(L"recorder.exe") + L"\" \"%1\"");
    if (wine) RegDeleteTreeW(HKEY_CLASSES_ROOT, L"InternetShortcut\\shell\\open\\ddeexec");
    SetEnvironmentVariableW(L"FANDREL_RECORDER_LOG", kLog.c_str());  // inherited
  }
  void TearDown() override { value_.reset(); }
  std::optional<RegistryValue> value_;
};

// A message to a window of the program, with a time limit: -1 if it does not answer.
LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  const bool answered =
      SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kWaitMs, &result);
  return answered ? static_cast<LRESULT>(result) : -1;
}

std::wstring TextOf(HWND window, UINT message = WM_GETTEXT, WPARAM item = 0) {
  wchar_t text[512] = {};
  Ask(window, message, message == WM_GETTEXT ? 512 : item, reinterpret_cast<LPARAM>(text));
  return text;
}

std::vector<std::wstring> Entries(HWND list) {
  std::vector<std::wstring> entries;
  for (int k = 0; k < Ask(list, CB_GETCOUNT); ++k) entries.push_back(TextOf(list, CB_GETLBTEXT, k));
  return entries;
}

bool TabStop(HWND control) { return GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP; }

// One key event, as a keyboard sends it; with a character, that character whatever the
// keyboard layout.
void Key(WORD key, DWORD flags = 0, wchar_t character = 0) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = character ? character : static_cast<WORD>(MapVirtualKeyW(key, 0));
  input.ki.dwFlags = flags | (character ? KEYEVENTF_UNICODE : 0);
  SendInput(1, &input, sizeof input);
}

// Whether two paths name the same file, whatever their form.
bool SameFile(const Text& a, const Text& b) {
  BY_HANDLE_FILE_INFORMATION info[2] = {};
  for (int k = 0; k < 2; ++k) {
    const std::wstring path = L"\\\\?\\" + std::wstring((k ? b : a).begin(), (k ? b : a).end());
    const HANDLE file = CreateFileW(path.c_str(), 0, 7, nullptr, OPEN_EXISTING, 0, nullptr);
    GetFileInformationByHandle(file, &info[k]);
    CloseHandle(file);
  }
  return info[0].nFileIndexLow && info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
         info[0].nFileIndexHigh == info[1].nFileIndexHigh &&
         info[0].nFileIndexLow == info[1].nFileIndexLow;
}

// One run of the program, on a Favorites tree of the test's own.
class E2e : public ::testing::Test {
 protected:
  ~E2e() override {
    if (ExitCode(0) == STILL_ACTIVE) TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }

  void Start() {
    DeleteFileW(kLog.c_str());
    const Text root = tree_.Root();
    favorites_.emplace(HKEY_CURRENT_USER,
                       L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                       L"Favorites", std::wstring(root.begin(), root.end() - 1));
    std::wstring exe = Beside(L"fandrel.exe");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(exe.c_str(), exe.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process_));
    ASSERT_TRUE(WaitUntil([&] {
      DWORD owner = 0;
      GetWindowThreadProcessId(window_ = FindWindowW(kMainWindowClass, nullptr), &owner);
      return owner == process_.dwProcessId && IsWindowVisible(window_);
    }));
  }

  HWND Control(int id) const { return GetDlgItem(window_, id); }
  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
    return info.hwndFocus;
  }
  // Keys go to the foreground window, so the program is brought there first.
  void Press(WORD key, std::wstring_view text = {}) {
    SetForegroundWindow(window_);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window_; }));
    for (wchar_t c : text) Key(0, 0, c), Key(0, KEYEVENTF_KEYUP, c);
    ASSERT_TRUE(WaitUntil([&] { return text.empty() || TextOf(Control(kInputId)) == text; }));
    if (key) Key(key), Key(key, KEYEVENTF_KEYUP);
  }
  bool InputMode() const {
    return WaitUntil([&] {
      return !IsWindowVisible(Control(kResultId)) && TextOf(Control(kInputId)).empty() &&
             Focus() == Control(kInputId) && TabStop(Control(kInputId));
    });
  }
  bool ChoiceMode(std::size_t entries) const {
    return WaitUntil([&] {
      return IsWindowVisible(Control(kResultId)) && Focus() == Control(kResultId) &&
             Entries(Control(kResultId)).size() == entries && TabStop(Control(kResultId)) &&
             !TabStop(Control(kInputId));
    });
  }
  // What the recorder was given (one path a line), once it has logged `count` paths.
  Text Opened(std::size_t count) const {
    Text log;
    WaitUntil([&] {
      std::ifstream file(std::filesystem::path(kLog), std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(file), {}};
      log.assign(bytes.size() / 2, u'\0');
      std::memcpy(log.data(), bytes.data(), log.size() * 2);
      return static_cast<std::size_t>(std::count(log.begin(), log.end(), u'\n')) >= count;
    });
    return log;
  }
  DWORD ExitCode(DWORD waitMs = kWaitMs) const {  // STILL_ACTIVE while it runs on
    DWORD code = STILL_ACTIVE;
    WaitForSingleObject(process_.hProcess, waitMs);
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

  Tree tree_{Tree::kDisk};
  std::optional<RegistryValue> favorites_;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

TEST_F(E2e, WindowIsLaidOutAtItsDpiKeepsItsSizeAndHidesTheCancelButton) {
  Start();
  const int dpi = static_cast<int>(GetDpiForWindow(window_));
  if (const char* wanted = std::getenv("FANDREL_E2E_DPI")) {
    ASSERT_EQ(dpi, std::atoi(wanted)) << "the DPI setting did not reach the window";
  }
  const MainLayout layout = LayOutMainWindow(dpi);
  EXPECT_EQ(TextOf(window_), kMainWindowCaption);
  RECT client{};
  GetClientRect(window_, &client);
  EXPECT_EQ(client.right, layout.clientWidth);
  EXPECT_EQ(client.bottom, layout.clientHeight);
  for (const auto& [id, place] : {std::pair{kFrameId, layout.frame},
                                  {kInputId, layout.input},
                                  {kCancelId, layout.cancel},
                                  {kResultId, layout.result}}) {
    RECT r{};
    GetWindowRect(Control(id), &r);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(PixelRect({r.left, r.top, r.right - r.left, r.bottom - r.top}), place) << id;
  }
  // Beneath the text box in the stacking order, and out of the tab order.
  HWND below = Control(kInputId);
  while (below && below != Control(kCancelId)) below = GetWindow(below, GW_HWNDNEXT);
  EXPECT_TRUE(below && !TabStop(below)) << "cmdCancel can be seen or tabbed to";

  RECT loaded{}, now{};
  GetWindowRect(window_, &loaded);
  SetWindowPos(window_, nullptr, 0, 0, 600, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(WaitUntil([&] { return GetWindowRect(window_, &now) && EqualRect(&now, &loaded); }))
      << "a resize was not undone";
}

TEST(Resources, VersionRecordAndIcon) {
  const std::wstring exe = Beside(L"fandrel.exe");
  std::vector<BYTE> record(GetFileVersionInfoSizeW(exe.c_str(), nullptr));
  ASSERT_TRUE(
      GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(record.size()), record.data()));
  void* value = nullptr;
  UINT bytes = 0;
  ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", &value, &bytes));
  EXPECT_EQ(*static_cast<DWORD*>(value), 0x04B00C0Au) << "Spanish (Spain), code page 1200";
  for (const wchar_t* name : {L"FileVersion", L"ProductVersion"}) {
    const std::wstring query = std::wstring(L"\\StringFileInfo\\0C0A04B0\\") + name;
    ASSERT_TRUE(VerQueryValueW(record.data(), query.c_str(), &value, &bytes));
    EXPECT_EQ(std::wstring(static_cast<wchar_t*>(value)), L"1.02");
  }
  // The icon group the shell shows for the file holds a 32 x 32 image in 256 colours.
  const HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  const HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(kAppIconId), RT_GROUP_ICON);
  ASSERT_NE(group, nullptr);
  const auto* icons = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
  bool found = false;
  for (int k = 0; k < icons[4]; ++k) {
    const BYTE* entry = icons + 6 + 14 * k;  // width, height, colours, 0, planes, bits...
    found = found || (entry[0] == 32 && entry[1] == 32 && entry[6] == 8);
  }
  EXPECT_TRUE(found);
}

// A user's session: one title opens at once, in any script; several are chosen from the
// list; Esc goes back to the text box, and from there ends the program.
TEST_F(E2e, SearchesOpenTheTitleTheUserMeantAndEscGoesBackThenEnds) {
  for (TextView name : {u"Weather.URL", u"旅行/天気予報.url", u"Zeta News.url", u"_news digest.url",
                        u"Sub/Émigré news.url", u"Sub/Daily NEWS.URL"}) {
    tree_.Add(name);
  }
  const Text deep = Text(120, u'F') + u"/" + Text(120, u'G') + u"/Deep.url";  // past 260
  tree_.Add(deep);
  Start();
  const HWND list = Control(kResultId);
  Text opened;  // what the recorder should have logged so far
  std::size_t count = 0;
  for (const auto& [fragment, file] :
       {std::pair{L"weath", u"Weather.URL"}, {L"天気", u"旅行/天気予報.url"}}) {
    Press(VK_RETURN, fragment);
    opened += tree_.Path(file) + u"\n";
    EXPECT_EQ(Opened(++count), opened);
    EXPECT_TRUE(InputMode());
  }
  // The shell opens no path of 260 characters or more: it is given the same file's
  // short path.
  Press(VK_RETURN, L"deep");
  const Text log = Opened(++count);
  EXPECT_TRUE(SameFile(log.substr(opened.size(), log.size() - opened.size() - 1), tree_.Path(deep)))
      << "the shell was not given the deep shortcut";
  opened = log;
  EXPECT_TRUE(InputMode());

  // The Enter that starts the search is held down: its repeats must not open anything.
  Press(0, L"news");
  Key(VK_RETURN);
  ASSERT_TRUE(ChoiceMode(4));
  for (int repeat = 0; repeat < 3; ++repeat) Key(VK_RETURN);
  Key(VK_RETURN, KEYEVENTF_KEYUP);
  EXPECT_EQ(Entries(list), (std::vector<std::wstring>{L"_news digest", L"daily news", L"zeta news",
                                                      L"émigré news"}));
  EXPECT_EQ(Ask(list, CB_GETCURSEL), 0);
  Press(VK_DOWN);
  Press(VK_DOWN);
  ASSERT_TRUE(WaitUntil([&] { return Ask(list, CB_GETCURSEL) == 2; }))
      << "no list to choose from: did the held Enter open a title?";
  Press(VK_RETURN);
  opened += tree_.Path(u"Zeta News.url") + u"\n";
  EXPECT_EQ(Opened(++count), opened);
  EXPECT_TRUE(InputMode());

  Press(VK_RETURN, L"news");
  ASSERT_TRUE(ChoiceMode(4));
  Press(VK_ESCAPE);
  EXPECT_TRUE(InputMode());
  Press(VK_ESCAPE);
  EXPECT_EQ(ExitCode(), 0u);
  EXPECT_EQ(Opened(count), opened) << "Esc opened something";
}

}  // namespace
}  // namespace fandrel::testing

int wmain(int argc, wchar_t** argv) {
  // Geometry is read in the program's own pixels only by a per-monitor aware reader.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new fandrel::testing::RecorderAsBrowser);
  return RUN_ALL_TESTS();
}
