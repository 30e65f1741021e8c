#include <windows.h>
#include <shellapi.h>

#include "platform/win32/shell_open.h"

#include "platform/win32/shell_path.h"
#include "platform/win32/wide.h"

namespace fandrel {

void OpenWithShell(HWND owner, const Text& path) {
  const std::wstring exact = ToWide(path);
  const std::optional<std::wstring> file = PathForTheShell(exact, ShortForm(exact));
  if (file) ShellExecuteW(owner, L"open", file->c_str(), L"", L"", SW_SHOWNORMAL);
}

}  // namespace fandrel
