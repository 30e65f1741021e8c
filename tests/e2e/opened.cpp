// What the shell runs to open an Internet shortcut while the end-to-end tests run: it
// appends the path it was given, and a '|', to opened.log beside itself. It belongs to the
// windows subsystem and makes no window, so that an open neither shows a console nor takes
// the foreground from the window under test.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments || count != 2) return 2;
  const std::wstring line = arguments[1] + std::wstring(L"|");
  LocalFree(arguments);
  wchar_t self[MAX_PATH];
  std::wstring log(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  log.replace(log.rfind(L'\\') + 1, std::wstring::npos, L"opened.log");
  // Appends are whole, even when two opens overlap.
  const HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  const bool ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size() * sizeof(wchar_t)),
                            &written, nullptr);
  CloseHandle(file);
  return ok ? 0 : 1;
}
