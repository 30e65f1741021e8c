#include "ui/key_routing.h"

#include <commctrl.h>

namespace fandrel {

namespace {

constexpr UINT_PTR kInputSubclassId = 1;
constexpr UINT_PTR kResultSubclassId = 2;

bool IsEnterMessage(LPARAM dialogMessage) {
  const MSG* msg = reinterpret_cast<const MSG*>(dialogMessage);
  return msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) && msg->wParam == VK_RETURN;
}

LRESULT CALLBACK InputProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data) {
  switch (message) {
    case WM_GETDLGCODE: {
      const LRESULT code = DefSubclassProc(hwnd, message, wParam, lParam);
      return IsEnterMessage(lParam) ? (code | DLGC_WANTMESSAGE) : code;
    }
    case WM_CHAR:
      reinterpret_cast<SearchInteraction*>(data)->OnInputKeyPress(static_cast<char16_t>(wParam));
      // A one-line edit inserts nothing for Enter; all its own handling would add is
      // the warning beep.
      if (wParam == VK_RETURN) return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, InputProc, kInputSubclassId);
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ResultProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR data) {
  switch (message) {
    case WM_GETDLGCODE: {
      const LRESULT code = DefSubclassProc(hwnd, message, wParam, lParam);
      return IsEnterMessage(lParam) ? (code | DLGC_WANTMESSAGE) : code;
    }
    case WM_CHAR:
      // When the list is dropped down, the Enter key's WM_KEYDOWN has already closed it
      // and made the highlighted entry the selection, so Enter opens that entry.
      reinterpret_cast<SearchInteraction*>(data)->OnResultKeyPress(static_cast<char16_t>(wParam));
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, ResultProc, kResultSubclassId);
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void RouteKeys(HWND input, HWND result, SearchInteraction& interaction) {
  const auto data = reinterpret_cast<DWORD_PTR>(&interaction);
  SetWindowSubclass(input, InputProc, kInputSubclassId, data);
  SetWindowSubclass(result, ResultProc, kResultSubclassId, data);
}

}  // namespace fandrel
