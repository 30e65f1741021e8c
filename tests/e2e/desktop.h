#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

// What the session sees of the desktop around the program: the dialogs other programs
// show, whose window holds the foreground, and a picture of the screen.
namespace fandrel::testing {

// A window as a person would tell whose it is: its class, its title and its program.
std::wstring Describe(HWND window);

// Dialogs shown on the desktop while the session runs, by any program but the driver:
// the message box the handler of Internet shortcuts shows when it cannot read a shortcut
// among them. A message box is of the dialog class, "#32770" ("About Window Classes").
class Dialogs {
 public:
  // Those on the desktop already are left alone.
  Dialogs();
  // The text of each dialog shown since (its title, then its text), each closed once read.
  std::vector<std::wstring> CloseNew();

 private:
  std::set<HWND> before_;
};

// The whole screen as a bitmap file; false if it could not be written.
bool SaveScreen(const std::wstring& path);

// UTF-8, for gtest's output and the session's findings.
std::string Utf8(std::wstring_view text);

}  // namespace fandrel::testing
