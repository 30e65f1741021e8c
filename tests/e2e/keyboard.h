#pragma once

#include <windows.h>

#include <string_view>

namespace e2e {

// Real key presses through SendInput, the way a user's keyboard delivers them: they go
// to the foreground window, so the window must be brought there first. Under Wine with
// no window manager, SetForegroundWindow from another process is enough.
bool BringToFront(HWND window);

void PressKey(WORD virtualKey);

// Each character as a Unicode key press (VK_PACKET), so text in any script arrives as
// typed whatever the keyboard layout.
void TypeText(std::wstring_view text);

}  // namespace e2e
