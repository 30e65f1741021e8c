#include "ui/win32/main_window.h"

#include <commctrl.h>

#include "ui/layout.h"
#include "ui/win32/control_ids.h"

namespace fandrel {

namespace {

// A fixed single border with the system menu and a minimise button: the size is not
// the user's to change. Not WS_CLIPCHILDREN: a group box paints only its outline, so the
// window itself must paint the background the frame encloses.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = 0;

// The dropped-down list shows this many titles at once and scrolls for the rest.
constexpr int kVisibleTitles = 12;
// The item that stands for the selection field of a combo box, rather than a list entry.
constexpr WPARAM kSelectionField = static_cast<WPARAM>(-1);

HWND CreateControl(HWND parent, HINSTANCE instance, const wchar_t* className, const wchar_t* text,
                   DWORD style, DWORD exStyle, int id) {
  // The controls overlap: WS_CLIPSIBLINGS keeps the stacking order when they paint
  // ("Window Styles").
  return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                         nullptr);
}

void Place(HWND control, const PixelRect& place) {
  SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

MainWindow::MainWindow() : interaction_(view_) {}

MainWindow::~MainWindow() {
  // The controls call back into this object until they are gone.
  if (window_) DestroyWindow(window_);
}

bool MainWindow::Create(HINSTANCE instance, HICON icon) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainWindowClass;
  RegisterClassExW(&windowClass);

  const PixelSize first = OuterSizeAt(GetDpiForSystem());
  if (!CreateWindowExW(kWindowExStyle, kMainWindowClass, kMainWindowCaption, kWindowStyle,
                       CW_USEDEFAULT, CW_USEDEFAULT, first.width, first.height, nullptr, nullptr,
                       instance, this)) {
    return false;
  }
  CreateControls(instance);
  // The window may have come up on a monitor whose DPI is not the system's.
  ApplyDpi(GetDpiForWindow(window_));
  const PixelSize outer = OuterSizeAt(dpi_);
  SetWindowPos(window_, nullptr, 0, 0, outer.width, outer.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SaveSize();
  return true;
}

void MainWindow::Show(int showCommand) {
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
}

void MainWindow::CreateControls(HINSTANCE instance) {
  // The controls are siblings of the group box, not its children: a control's
  // notifications go to its parent ("WM_COMMAND"), which must be this window.
  frame_ = CreateControl(window_, instance, WC_BUTTONW, L"", WS_VISIBLE | BS_GROUPBOX, 0, kFrameId);
  input_ = CreateControl(window_, instance, WC_EDITW, L"", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                         WS_EX_CLIENTEDGE, kInputId);
  // Covered by the text box and out of the tab order: Esc stands for its click.
  cancel_ = CreateControl(window_, instance, WC_BUTTONW, L"Cancel", WS_VISIBLE | BS_PUSHBUTTON, 0,
                          kCancelId);
  list_ = CreateControl(window_, instance, WC_COMBOBOXW, L"",
                        WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, kListId);

  // Stacking order from the top: the list over the text box over the button, and the
  // frame beneath them all.
  SetWindowPos(list_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(input_, list_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(cancel_, input_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(frame_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  SendMessageW(list_, CB_SETMINVISIBLE, kVisibleTitles, 0);
  names_.Name(input_, kInputName);
  names_.Name(list_, kListName);
  view_.Attach(window_, input_, list_);
}

void MainWindow::ApplyDpi(UINT dpi) {
  dpi_ = dpi;
  const HFONT font = font_.CreateFor(dpi);
  for (HWND control : {frame_, input_, cancel_, list_}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  font_.ReleaseOld();

  const MainLayout layout = LayOutMainWindow(static_cast<int>(dpi));
  Place(frame_, layout.frame);
  Place(input_, layout.input);
  Place(cancel_, layout.cancel);
  PlaceList(layout.list);
  InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::PlaceList(const PixelRect& place) {
  // The selection field's height is not the place's but its own item height
  // ("CB_SETITEMHEIGHT"), adjusted, twice at most, until the field is as tall as asked.
  const int fieldHeight = place.height;
  Place(list_, place);
  const auto fieldNow = [this] {
    RECT field{};
    GetWindowRect(list_, &field);
    return static_cast<int>(field.bottom - field.top);
  };
  int selection = static_cast<int>(SendMessageW(list_, CB_GETITEMHEIGHT, kSelectionField, 0));
  for (int attempt = 0; attempt < 2 && fieldNow() != fieldHeight; ++attempt) {
    selection += fieldHeight - fieldNow();
    SendMessageW(list_, CB_SETITEMHEIGHT, kSelectionField, selection);
  }
}

PixelSize MainWindow::OuterSizeAt(UINT dpi) const {
  const int dpiValue = static_cast<int>(dpi);
  RECT outer{0, 0, TwipsToPixels(kClientWidthTwips, dpiValue),
             TwipsToPixels(kClientHeightTwips, dpiValue)};
  AdjustWindowRectExForDpi(&outer, kWindowStyle, FALSE, kWindowExStyle, dpi);
  return PixelSize{outer.right - outer.left, outer.bottom - outer.top};
}

PixelSize MainWindow::OuterSize() const {
  RECT outer{};
  GetWindowRect(window_, &outer);
  return PixelSize{outer.right - outer.left, outer.bottom - outer.top};
}

void MainWindow::SaveSize() { saved_ = SaveOuterSize(OuterSize(), static_cast<int>(dpi_)); }

void MainWindow::UndoResize() {
  if (!saved_) return;
  const WindowState state = IsIconic(window_)   ? WindowState::kMinimised
                            : IsZoomed(window_) ? WindowState::kMaximised
                                                : WindowState::kNormal;
  const auto restore = SizeToRestore(state, OuterSize(), *saved_, static_cast<int>(dpi_));
  if (restore) {
    SetWindowPos(window_, nullptr, 0, 0, restore->width, restore->height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void MainWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
  // Laid out at the new DPI from the client area, and the outer size saved again, as when
  // the window was created: the caption and borders need not scale in proportion.
  ApplyDpi(dpi);
  const PixelSize outer = OuterSizeAt(dpi_);
  saved_ = SaveOuterSize(outer, static_cast<int>(dpi_));
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, outer.width, outer.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* window =
        static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    window->window_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
  return window->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      UndoResize();
      return 0;

    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        view_.RememberFocus();
      } else if (!HIWORD(wParam)) {
        view_.RestoreFocus();
      }
      return 0;

    case WM_SETFOCUS:
      view_.RestoreFocus();
      return 0;

    case WM_COMMAND:
      if (LOWORD(wParam) == kCancelId && HIWORD(wParam) == BN_CLICKED) {
        interaction_.OnCancelClick();
        return 0;
      }
      break;

    case WM_GETDPISCALEDSIZE: {
      // Moving to a monitor of another DPI: the outer size is worked out from the client
      // area in twips rather than scaled linearly, as it would be ("WM_GETDPISCALEDSIZE").
      const PixelSize outer = OuterSizeAt(static_cast<UINT>(wParam));
      *reinterpret_cast<SIZE*>(lParam) = SIZE{outer.width, outer.height};
      return TRUE;
    }

    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;

    case WM_DESTROY:
      names_.Clear();
      PostQuitMessage(0);
      return 0;

    case WM_NCDESTROY: {
      const HWND window = window_;
      window_ = nullptr;
      saved_.reset();
      return DefWindowProcW(window, message, wParam, lParam);
    }
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace fandrel
