#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace e2e {

// The program under test: the real fandrel.exe, started as a user would start it, with
// its main window found by class and process.
class FandrelProcess {
 public:
  FandrelProcess() = default;
  FandrelProcess(const FandrelProcess&) = delete;
  FandrelProcess& operator=(const FandrelProcess&) = delete;
  // Ends the program if a test left it running, so the next test starts clean.
  ~FandrelProcess();

  // FANDREL_EXE, or fandrel.exe at the top of the build folder this driver lives in.
  static std::wstring ExePath();

  // Starts the program and waits until its main window is shown.
  testing::AssertionResult Start();

  HWND Window() const { return window_; }
  HWND Control(int id) const { return GetDlgItem(window_, id); }

  bool HasExited() const;

  // The exit code, once the process has ended within `timeoutMs`.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs);

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

}  // namespace e2e
