#include <windows.h>
#include <shellapi.h>

#include "platform/shell_open.h"
#include "platform/win32/wide.h"

namespace fandrel {

void OpenWithShell(void* ownerWindow, const Text& path) {
  const std::wstring file = ToWide(path);
  ShellExecuteW(static_cast<HWND>(ownerWindow), L"open", file.c_str(), L"", L"", SW_SHOWNORMAL);
}

}  // namespace fandrel
