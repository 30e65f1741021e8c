#include "fandrel_process.h"

#include <vector>

#include "fandrel_window.h"
#include "wait.h"
#include "window_state.h"

namespace e2e {
namespace {

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  if (ClassName(window) != kMainWindowClass) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

FandrelProcess::~FandrelProcess() {
  if (process_.hProcess == nullptr) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, kWaitMs);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

std::wstring FandrelProcess::ExePath() {
  std::vector<wchar_t> buffer(32768);
  const DWORD length =
      GetEnvironmentVariableW(L"FANDREL_EXE", buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length > 0 && length < buffer.size()) return std::wstring(buffer.data(), length);
  // This driver is <build>\tests\e2e\fandrel_e2e.exe; the program is <build>\fandrel.exe.
  GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  std::wstring self(buffer.data());
  const std::wstring relative = self.substr(0, self.find_last_of(L'\\')) + L"\\..\\..\\fandrel.exe";
  GetFullPathNameW(relative.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
  return buffer.data();
}

testing::AssertionResult FandrelProcess::Start() {
  const std::wstring exe = ExePath();
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    return testing::AssertionFailure()
           << "cannot start " << ToUtf8(exe) << " (error " << GetLastError() << ")";
  }
  WaitForInputIdle(process_.hProcess, kWaitMs);
  WindowSearch search{process_.dwProcessId, nullptr};
  const bool shown = WaitUntil([&] {
    EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
  });
  if (!shown || search.found == nullptr) {
    return testing::AssertionFailure() << "no visible window of class FandrelMainWindow";
  }
  window_ = search.found;
  return testing::AssertionSuccess();
}

bool FandrelProcess::HasExited() const {
  return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
}

std::optional<DWORD> FandrelProcess::WaitForExit(DWORD timeoutMs) {
  if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

}  // namespace e2e
