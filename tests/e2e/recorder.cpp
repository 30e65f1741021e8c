// Stands in for the browser: the shell's "open" of an Internet shortcut runs this with
// the shortcut's path, which it appends as one UTF-16 line to FANDREL_RECORDER_LOG.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  wchar_t log[MAX_PATH];
  if (count != 2 || !GetEnvironmentVariableW(L"FANDREL_RECORDER_LOG", log, MAX_PATH)) return 2;
  const std::wstring line = arguments[1] + std::wstring(L"\n");
  // An append this small is atomic, so recorders started together never interleave.
  const HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, 0, nullptr);
  DWORD written = 0;
  const auto bytes = static_cast<DWORD>(line.size() * sizeof(wchar_t));
  const bool ok = WriteFile(file, line.data(), bytes, &written, nullptr) && written == bytes;
  CloseHandle(file);
  return ok ? 0 : 1;
}
