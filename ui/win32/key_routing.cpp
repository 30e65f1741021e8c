#include "ui/win32/key_routing.h"

namespace fandrel {

namespace {

using Route = KeyRouting::Route;

const Route& RouteOf(HWND control) {
  return *reinterpret_cast<const Route*>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

bool IsEnterMessage(LPARAM dialogMessage) {
  const MSG* msg = reinterpret_cast<const MSG*>(dialogMessage);
  return msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) && msg->wParam == VK_RETURN;
}

// Asks the dialog manager to leave Enter to the control, so that it reaches the
// control's key-press handler instead of becoming the dialog's default command.
LRESULT DialogCodeWithEnter(const Route& route, HWND hwnd, WPARAM wParam, LPARAM lParam) {
  const LRESULT code = CallWindowProcW(route.original, hwnd, WM_GETDLGCODE, wParam, lParam);
  return IsEnterMessage(lParam) ? (code | DLGC_WANTMESSAGE) : code;
}

LRESULT CALLBACK InputProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const Route& route = RouteOf(hwnd);
  switch (message) {
    case WM_GETDLGCODE:
      return DialogCodeWithEnter(route, hwnd, wParam, lParam);
    case WM_CHAR:
      route.interaction->OnInputKeyPress(static_cast<char16_t>(wParam));
      // A one-line edit inserts nothing for Enter; all its own handling would add is
      // the warning beep.
      if (wParam == VK_RETURN) return 0;
      break;
  }
  return CallWindowProcW(route.original, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ResultsProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const Route& route = RouteOf(hwnd);
  switch (message) {
    case WM_GETDLGCODE:
      return DialogCodeWithEnter(route, hwnd, wParam, lParam);
    case WM_CHAR:
      // The list takes the focus while the Enter that started the search may still be
      // held: its auto-repeats (the key was already down) must not open the first title,
      // so only a fresh press reaches the handler. When the list is dropped down, the
      // Enter key's WM_KEYDOWN has already closed it and made the highlighted entry the
      // selection, so Enter opens that entry.
      if (wParam == VK_RETURN && (HIWORD(lParam) & KF_REPEAT)) break;
      route.interaction->OnResultKeyPress(static_cast<char16_t>(wParam));
      break;
  }
  return CallWindowProcW(route.original, hwnd, message, wParam, lParam);
}

// Each control's procedure is replaced by one that sees its keys first and hands every
// message on to the procedure it replaced.
void Reroute(HWND control, Route& route, WNDPROC procedure, SearchInteraction& interaction) {
  route.interaction = &interaction;
  SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&route));
  route.original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

}  // namespace

void KeyRouting::Attach(HWND input, HWND results, SearchInteraction& interaction) {
  Reroute(input, input_, InputProc, interaction);
  Reroute(results, results_, ResultsProc, interaction);
}

}  // namespace fandrel
