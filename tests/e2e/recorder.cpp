// Stands in for the browser in the end-to-end tests: the shell's "open" command for
// Internet shortcuts points here, and every path it is given is appended, as one UTF-8
// line, to the log named by FANDREL_RECORDER_LOG (or recorder.log beside this program).
#include <windows.h>

#include <string>

namespace {

std::wstring LogPath() {
  wchar_t buffer[MAX_PATH * 4];
  const DWORD length = GetEnvironmentVariableW(L"FANDREL_RECORDER_LOG", buffer,
                                               static_cast<DWORD>(std::size(buffer)));
  if (length > 0 && length < std::size(buffer)) return std::wstring(buffer, length);
  std::wstring self(MAX_PATH * 4, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  return self.substr(0, self.find_last_of(L'\\') + 1) + L"recorder.log";
}

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                        nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), bytes,
                      nullptr, nullptr);
  return utf8;
}

// The command line after the program's own name, with one pair of surrounding quotes
// removed: exactly the path the shell substituted for "%1", spaces and all.
std::wstring ArgumentText(const wchar_t* line) {
  if (*line == L'"') {
    ++line;
    while (*line != L'\0' && *line != L'"') ++line;
    if (*line == L'"') ++line;
  } else {
    while (*line != L'\0' && *line != L' ' && *line != L'\t') ++line;
  }
  while (*line == L' ' || *line == L'\t') ++line;
  std::wstring text = line;
  while (!text.empty() && (text.back() == L' ' || text.back() == L'\t')) text.pop_back();
  if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') {
    text = text.substr(1, text.size() - 2);
  }
  return text;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring path = ArgumentText(GetCommandLineW());
  if (path.empty()) return 2;
  const std::string line = ToUtf8(path) + "\n";

  // Appends are atomic for a write this small, so concurrent recorders never interleave.
  const HANDLE log = CreateFileW(LogPath().c_str(), FILE_APPEND_DATA,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok = WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(log);
  return ok && written == line.size() ? 0 : 1;
}
