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
  std::string url;  // the session's URLs are ASCII
  for (const wchar_t* c = __wargv[1]; *c; ++c) url += static_cast<char>(*c);
  wchar_t self[MAX_PATH];
  std::filesystem::path log(std::wstring(self, GetModuleFileNameW(nullptr, self, MAX_PATH)));
  std::ofstream(log.replace_filename(L"opened.log"), std::ios::binary | std::ios::app)
      << url << '\n';
  return 0;
}
