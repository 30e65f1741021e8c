#include "ui/win32/key_routing.h"

#include <commctrl.h>

namespace fandrel {

namespace {

bool IsEnterMessage(LPARAM dialogMessage) {
  const MSG* msg = reinterpret_cast<const MSG*>(dialogMessage);
  return msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) && msg->wParam == VK_RETURN;
}

LRESULT CALLBACK KeysOf(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR isList,
                        DWORD_PTR interactionAddress) {
  auto& interaction = *reinterpret_cast<SearchInteraction*>(interactionAddress);
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter is left to the control rather than made the dialog's default command.
      const LRESULT code = DefSubclassProc(control, message, wParam, lParam);
      return IsEnterMessage(lParam) ? (code | DLGC_WANTMESSAGE) : code;
    }
    case WM_CHAR:
      if (!isList) {
        interaction.OnInputKeyPress(static_cast<char16_t>(wParam));
        // Not handed on: a one-line edit has no use for Enter.
        if (wParam == VK_RETURN) return 0;
      } else if (wParam != VK_RETURN || !(HIWORD(lParam) & KF_REPEAT)) {
        // The list takes the focus while the Enter that started the search may still be
        // held: its repeats must not open the first title.
        interaction.OnListKeyPress(static_cast<char16_t>(wParam));
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(control, KeysOf, isList);
      break;
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

void RouteKeys(HWND input, HWND list, SearchInteraction& interaction) {
  const auto address = reinterpret_cast<DWORD_PTR>(&interaction);
  SetWindowSubclass(input, KeysOf, 0, address);
  SetWindowSubclass(list, KeysOf, 1, address);
}

}  // namespace fandrel
