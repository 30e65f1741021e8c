#include <windows.h>
#include <shellapi.h>

#include "platform/win32/shell_open.h"

#include "platform/win32/long_path.h"
#include "platform/win32/wide.h"

namespace fandrel {
namespace {

// The shell takes a path as text and normalises it, which drops a trailing dot from each of
// its names ("Trail.\x.url" names "Trail\x.url", another file or none), and it opens no
// path of MAX_PATH characters or more, whatever the program's long path awareness. Such a
// path is handed over in the short form of its exact form, where the volume keeps short
// names and that form is short enough. Any other path goes as it is.
std::wstring PathForTheShell(const Text& path) {
  std::wstring file = ToWide(path);
  if (file.size() < MAX_PATH && file.find(L".\\") == std::wstring::npos) return file;
  const std::wstring exact = LastSearchPaths().ExactForm(path);
  if (exact.empty()) return file;
  std::wstring shortForm(exact.size() + 1, L'\0');
  const DWORD length =
      GetShortPathNameW(exact.c_str(), shortForm.data(), static_cast<DWORD>(shortForm.size()));
  if (length == 0 || length >= shortForm.size()) return file;
  shortForm = UsualForm(shortForm.substr(0, length));
  return shortForm.size() < MAX_PATH ? shortForm : file;
}

}  // namespace

void OpenWithShell(HWND owner, const Text& path) {
  const std::wstring file = PathForTheShell(path);
  ShellExecuteW(owner, L"open", file.c_str(), L"", L"", SW_SHOWNORMAL);
}

}  // namespace fandrel
