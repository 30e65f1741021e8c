#include "tests/e2e/desktop.h"

#include <filesystem>
#include <fstream>
#include <functional>

namespace fandrel::testing {
namespace {

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

void EachWindow(const std::function<void(HWND)>& visit, HWND parent = nullptr) {
  const auto call = [](HWND window, LPARAM visitor) {
    (*reinterpret_cast<const std::function<void(HWND)>*>(visitor))(window);
    return TRUE;
  };
  const auto address = reinterpret_cast<LPARAM>(&visit);
  parent ? EnumChildWindows(parent, call, address) : EnumWindows(call, address);
}

bool IsOthersDialog(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process != GetCurrentProcessId() && IsWindowVisible(window) &&
         ClassOf(window) == L"#32770";
}

}  // namespace

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
  return L"class \"" + ClassOf(window) + L"\", title \"" + TextOf(window) + L"\", program " +
         program;
}

Dialogs::Dialogs() {
  EachWindow([this](HWND window) {
    if (IsOthersDialog(window)) before_.insert(window);
  });
}

std::vector<std::wstring> Dialogs::CloseNew() {
  std::vector<HWND> found;
  EachWindow([&](HWND window) {
    if (IsOthersDialog(window) && !before_.count(window)) found.push_back(window);
  });
  std::vector<std::wstring> texts;
  for (HWND dialog : found) {
    std::wstring text = TextOf(dialog) + L":";
    EachWindow(
        [&](HWND child) {
          if (ClassOf(child) == L"Static" && !TextOf(child).empty()) text += L' ' + TextOf(child);
        },
        dialog);
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

std::string Utf8(std::wstring_view text) {
  const int size = static_cast<int>(text.size());
  std::string utf8(static_cast<std::size_t>(size) * 3, '\0');
  utf8.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), static_cast<int>(utf8.size()),
                          nullptr, nullptr)));
  return utf8;
}

}  // namespace fandrel::testing
