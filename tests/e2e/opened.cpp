// The handler of the end-to-end tests' own URL scheme: it appends the URL it was given, and
// a line end, to opened.log beside itself. It makes no window, so that an open neither
// shows a console nor takes the foreground from the window under test.
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (__argc != 2) return 2;
  std::string url(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, __wargv[1], -1, nullptr,
                                                               0, nullptr, nullptr)),
                  '\0');
  WideCharToMultiByte(CP_UTF8, 0, __wargv[1], -1, url.data(), static_cast<int>(url.size()), nullptr,
                      nullptr);
  if (url.empty()) return 1;
  url.back() = '\n';  // in place of the terminating NUL
  wchar_t self[MAX_PATH];
  std::filesystem::path log(std::wstring(self, GetModuleFileNameW(nullptr, self, MAX_PATH)));
  std::ofstream(log.replace_filename(L"opened.log"), std::ios::binary | std::ios::app) << url;
  return 0;
}
