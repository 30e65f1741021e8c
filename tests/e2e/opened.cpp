// The handler of the end-to-end tests' own URL scheme: it appends the URL it was given, and
// a line end, to opened.log beside itself. It makes no window, so that an open neither
// shows a console nor takes the foreground from the window under test; but for one URL it
// shows a message box instead, as a handler that cannot open what it is given does, so that
// the session shows it finds such a box, reads it and closes it.
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (__argc != 2) return 2;
  std::string url;  // the session's URLs are ASCII
  for (const wchar_t* c = __wargv[1]; *c; ++c) url += static_cast<char>(*c);
  if (url == "fandrel-test:boxed") {
    MessageBoxW(nullptr, L"A message box planted by the end-to-end session.", L"fandrel_opened",
                MB_OK | MB_ICONERROR);
    return 1;
  }
  wchar_t self[MAX_PATH];
  std::filesystem::path log(std::wstring(self, GetModuleFileNameW(nullptr, self, MAX_PATH)));
  std::ofstream(log.replace_filename(L"opened.log"), std::ios::binary | std::ios::app)
      << url << '\n';
  return 0;
}
