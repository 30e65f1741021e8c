#include "ui/win32/key_routing.h"

namespace fandrel {

bool RouteKey(MSG& message, HWND input, HWND list, SearchInteraction& interaction) {
  if ((message.hwnd != input && message.hwnd != list) || message.wParam != VK_RETURN) return false;
  switch (message.message) {
    case WM_KEYDOWN:
      // To the control, as any other key: a dropped-down list closes on it. The character
      // that TranslateMessage posts comes back here.
      TranslateMessage(&message);
      DispatchMessageW(&message);
      return true;
    case WM_CHAR:
      if (message.hwnd == input) {
        interaction.OnInputKeyPress(kEnterKey);
        return true;  // a one-line edit has no use for Enter
      }
      // The list takes the focus while the Enter that started the search may still be held:
      // its repeats must not open the first title.
      if (!(HIWORD(message.lParam) & KF_REPEAT)) interaction.OnListKeyPress(kEnterKey);
      DispatchMessageW(&message);
      return true;
    default:
      return false;
  }
}

}  // namespace fandrel
