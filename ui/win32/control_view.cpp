#include "ui/win32/control_view.h"

#include <string>

#include "platform/win32/shell_open.h"
#include "platform/win32/wide.h"

namespace fandrel {

void ControlView::Attach(HWND window, HWND input, HWND list) {
  window_ = window;
  input_ = input;
  list_ = list;
  focus_ = input;
}

Text ControlView::InputText() const {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(input_)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(input_, text.data(), static_cast<int>(text.size()))));
  return FromWide(text);
}

void ControlView::SetInputText(const Text& text) { SetWindowTextW(input_, ToWide(text).c_str()); }

void ControlView::SetInputTabStop(bool inTabOrder) {
  const LONG_PTR style = GetWindowLongPtrW(input_, GWL_STYLE);
  SetWindowLongPtrW(input_, GWL_STYLE, inTabOrder ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
}

void ControlView::FocusInput() { MoveFocus(input_); }

void ControlView::ClearList() { SendMessageW(list_, CB_RESETCONTENT, 0, 0); }

void ControlView::AppendToList(const std::vector<Text>& entries) {
  // A list can hold tens of thousands of titles: its storage is reserved at once
  // ("CB_INITSTORAGE") and it is drawn once, at the end.
  size_t characters = 0;
  for (const Text& entry : entries) characters += entry.size() + 1;
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list_, CB_INITSTORAGE, entries.size(),
               static_cast<LPARAM>(characters * sizeof(wchar_t)));
  for (const Text& entry : entries) {
    const std::wstring wide = ToWide(entry);
    SendMessageW(list_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(list_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

int ControlView::ListSelection() const {
  return static_cast<int>(SendMessageW(list_, CB_GETCURSEL, 0, 0));
}

void ControlView::SetListSelection(int position) {
  SendMessageW(list_, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

bool ControlView::ListVisible() const {
  return (GetWindowLongPtrW(list_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void ControlView::SetListVisible(bool visible) {
  if (!visible) SendMessageW(list_, CB_SHOWDROPDOWN, FALSE, 0);
  ShowWindow(list_, visible ? SW_SHOW : SW_HIDE);
}

void ControlView::FocusList() { MoveFocus(list_); }

void ControlView::OpenPath(const Text& path) { OpenWithShell(window_, path); }

void ControlView::Close() { DestroyWindow(window_); }

void ControlView::RememberFocus() {
  const HWND focus = GetFocus();
  if (focus == input_ || focus == list_) focus_ = focus;
}

void ControlView::RestoreFocus() {
  if (!input_) return;
  HWND target = focus_;
  if (!target || !IsWindowVisible(target)) target = ListVisible() ? list_ : input_;
  SetFocus(target);
}

void ControlView::MoveFocus(HWND control) {
  focus_ = control;
  // Only an active window takes the focus now, as SetFocus would activate it ("SetFocus");
  // an inactive one gets it back on its next activation.
  if (GetActiveWindow() == window_) SetFocus(control);
}

}  // namespace fandrel
