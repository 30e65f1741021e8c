#include "keyboard.h"

#include <vector>

#include "wait.h"

namespace e2e {

bool BringToFront(HWND window) {
  if (GetForegroundWindow() == window) return true;
  SetForegroundWindow(window);
  return WaitUntil([window] { return GetForegroundWindow() == window; }, 5000);
}

void PressKey(WORD virtualKey) {
  INPUT keys[2] = {};
  for (INPUT& key : keys) {
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = virtualKey;
    key.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  }
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

void TypeText(std::wstring_view text) {
  std::vector<INPUT> keys;
  for (const wchar_t character : text) {
    INPUT key{};
    key.type = INPUT_KEYBOARD;
    key.ki.wScan = character;
    key.ki.dwFlags = KEYEVENTF_UNICODE;
    keys.push_back(key);
    key.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    keys.push_back(key);
  }
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

}  // namespace e2e
