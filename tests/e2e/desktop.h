#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// What the session sees of the desktop around the program, as a person or their tools would:
// the dialogs other programs show, whose window holds the foreground, a picture of the
// screen, and what screen readers read. COM must be initialised on the calling thread.
namespace fandrel::testing {

// A message to a window of another program, with a time limit: -1 if it does not answer.
LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// A window's text, or with CB_GETLBTEXT the list entry `item`.
std::wstring TextOf(HWND window, UINT message = WM_GETTEXT, WPARAM item = 0);

// A window as a person would tell whose it is: its class, its title and its program.
std::wstring Describe(HWND window);

// The dialogs on the desktop of every program but the driver: the message box that the
// handler of Internet shortcuts shows when it cannot read a shortcut among them. A message
// box is of the dialog class, "#32770" ("About Window Classes").
std::vector<HWND> OthersDialogs();
// The text of each such dialog that is not in `before` (its title, then its text), each
// closed once read.
std::vector<std::wstring> CloseDialogs(const std::vector<HWND>& before);

// The whole screen as a bitmap file; false if it could not be written.
bool SaveScreen(const std::wstring& path);

// The control's name through Active Accessibility ("AccessibleObjectFromWindow"), which
// older screen readers read; nothing where it cannot be asked.
std::optional<std::wstring> AccessibleName(HWND control);

// The control's Name as UI Automation gives it ("IUIAutomation::ElementFromHandle"), which
// Narrator reads; nothing where UI Automation does not answer, or the build cannot ask it.
std::optional<std::wstring> AutomationName(HWND control);

// UTF-8, for gtest's output and the session's findings.
std::string Utf8(std::wstring_view text);

}  // namespace fandrel::testing
