#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Reads of another process's window. Each message goes with a time limit, so that a
// hung program shows up as a failed read rather than a hung test.

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);

// Entries of a combo box, in list order.
int ListCount(HWND combo);
int ListSelection(HWND combo);
std::wstring ListEntry(HWND combo, int index);
std::vector<std::wstring> ListEntries(HWND combo);

// The control that holds the keyboard focus in the window's thread, if any.
HWND FocusOf(HWND window);

// A window's rectangle in the client coordinates of `parent`.
RECT RectIn(HWND parent, HWND window);

// True when the window's thread answers a message within `timeoutMs`.
bool Responds(HWND window, UINT timeoutMs);

// Wine keeps a window class's data in the process that registered it, so another
// process cannot read a class icon there as it can on Windows.
bool RunningOnWine();

// The path in UTF-16 of a UTF-8 text, and the other way round.
std::wstring FromUtf8(const std::string& text);
std::string ToUtf8(const std::wstring& text);

}  // namespace e2e
