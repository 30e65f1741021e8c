#include "tests/e2e/desktop.h"

#include <oleacc.h>

// MinGW-w64's headers declare no UI Automation client, and Wine registers none (Wine 8.0):
// the MSVC build, on Windows, asks it.
#ifdef _MSC_VER
#include <uiautomation.h>
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fandrel::testing {

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 15000, &result)
             ? static_cast<LRESULT>(result)
             : -1;
}

std::wstring TextOf(HWND window, UINT message, WPARAM item) {
  wchar_t text[1024] = {};
  Ask(window, message, message == WM_GETTEXT ? std::size(text) : item,
      reinterpret_cast<LPARAM>(text));
  return text;
}

std::wstring Describe(HWND window) {
  if (!window) return L"no window";
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t program[MAX_PATH] = L"?";
  DWORD size = MAX_PATH;
  if (const HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process)) {
    QueryFullProcessImageNameW(handle, 0, program, &size);
    CloseHandle(handle);
  }
  wchar_t name[256] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return L"class \"" + std::wstring(name) + L"\", title \"" + TextOf(window) + L"\", program " +
         program;
}

std::vector<HWND> OthersDialogs() {
  std::vector<HWND> found;
  for (HWND dialog = nullptr; (dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr));) {
    DWORD process = 0;
    GetWindowThreadProcessId(dialog, &process);
    if (process != GetCurrentProcessId() && IsWindowVisible(dialog)) found.push_back(dialog);
  }
  return found;
}

std::vector<std::wstring> CloseDialogs(const std::vector<HWND>& before) {
  std::vector<std::wstring> texts;
  for (HWND dialog : OthersDialogs()) {
    if (std::find(before.begin(), before.end(), dialog) != before.end()) continue;
    std::wstring text = TextOf(dialog) + L":";
    for (HWND child = nullptr; (child = FindWindowExW(dialog, child, L"Static", nullptr));) {
      if (const std::wstring shown = TextOf(child); !shown.empty()) text += L' ' + shown;
    }
    texts.push_back(text);
    // Closed as its close box would close it, or else by its OK button.
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    for (int wait = 0; wait < 100 && IsWindow(dialog); ++wait) Sleep(20);
    if (IsWindow(dialog)) PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  }
  return texts;
}

bool SaveScreen(const std::wstring& path) {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  BITMAPINFOHEADER header{sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const DWORD bytes = static_cast<DWORD>((width * 3 + 3) / 4 * 4 * height);
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  void* pixels = nullptr;
  const HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                          DIB_RGB_COLORS, &pixels, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  const bool copied = pixels && BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
  GdiFlush();
  const DWORD headers = sizeof(BITMAPFILEHEADER) + sizeof header;
  const BITMAPFILEHEADER file{0x4D42, headers + bytes, 0, 0, headers};  // "BM"
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  if (copied) out.write(static_cast<const char*>(pixels), bytes);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return copied && out.good();
}

std::optional<std::wstring> AccessibleName(HWND control) {
  std::optional<std::wstring> name;
  IAccessible* accessible = nullptr;
  VARIANT self{};
  self.vt = VT_I4;  // CHILDID_SELF, 0
  BSTR read = nullptr;
  if (SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                           IID_PPV_ARGS(&accessible))) &&
      SUCCEEDED(accessible->get_accName(self, &read))) {
    name = read ? read : L"";
  }
  SysFreeString(read);
  if (accessible) accessible->Release();
  return name;
}

std::optional<std::wstring> AutomationName(HWND control) {
  std::optional<std::wstring> name;
#ifdef _MSC_VER
  IUIAutomation* automation = nullptr;
  IUIAutomationElement* element = nullptr;
  BSTR read = nullptr;
  if (SUCCEEDED(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER,
                                 IID_PPV_ARGS(&automation))) &&
      SUCCEEDED(automation->ElementFromHandle(control, &element)) && element &&
      SUCCEEDED(element->get_CurrentName(&read))) {
    name = read ? read : L"";
  }
  SysFreeString(read);
  if (element) element->Release();
  if (automation) automation->Release();
#else
  static_cast<void>(control);
#endif
  return name;
}

std::string Utf8(std::wstring_view text) {
  const std::u8string utf8 = std::filesystem::path(text).u8string();
  return std::string(utf8.begin(), utf8.end());
}

}  // namespace fandrel::testing
