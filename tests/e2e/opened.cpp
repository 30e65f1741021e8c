// What the shell runs to open an Internet shortcut while the end-to-end tests run: it
// appends the path it was given, and a '|', to opened.log beside itself. It belongs to the
// windows subsystem and makes no window, so that an open neither shows a console nor takes
// the foreground from the window under test.
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (__argc != 2) return 2;
  wchar_t self[MAX_PATH];
  std::filesystem::path log(std::wstring(self, GetModuleFileNameW(nullptr, self, MAX_PATH)));
  const std::wstring line = __wargv[1] + std::wstring(L"|");
  std::ofstream(log.replace_filename(L"opened.log"), std::ios::binary | std::ios::app)
      .write(reinterpret_cast<const char*>(line.data()),
             static_cast<std::streamsize>(line.size() * sizeof(wchar_t)));
  return 0;
}
