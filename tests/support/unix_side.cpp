#include "tests/support/unix_side.h"

#ifdef _WIN32
#include <windows.h>

namespace fandrel::testing {

bool RunningUnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::string QuotedUnixPath(const std::filesystem::path& path) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (toUnix == nullptr) return {};
  char* unixPath = toUnix(path.c_str());
  if (unixPath == nullptr) return {};
  std::string quoted = "'";
  for (const char* c = unixPath; *c; ++c)
    quoted += *c == '\'' ? std::string("'\\''") : std::string(1, *c);
  HeapFree(GetProcessHeap(), 0, unixPath);
  return quoted + "'";
}

bool RunUnixShell(const std::string& script, const std::function<bool()>& landed) {
  if (!RunningUnderWine()) return false;
  // The path's bytes are UTF-8; Wine turns the command line back into them.
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, script.data(), static_cast<int>(script.size()), nullptr, 0);
  std::wstring command =
      L"Z:\\bin\\sh -c \"" + std::wstring(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, script.data(), static_cast<int>(script.size()),
                      command.data() + command.size() - static_cast<std::size_t>(length), length);
  command += L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  for (int wait = 0; wait < 2400 && !landed(); ++wait) Sleep(25);
  return landed();
}

}  // namespace fandrel::testing
#else
namespace fandrel::testing {

bool RunningUnderWine() { return false; }

}  // namespace fandrel::testing
#endif
