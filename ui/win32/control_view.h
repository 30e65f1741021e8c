#pragma once

#include <windows.h>

#include "ui/main_view.h"

namespace fandrel {

// The interaction rules' view of the real controls of the main window.
class ControlView final : public MainView {
 public:
  void Attach(HWND window, HWND input, HWND list);

  Text InputText() const override;
  void SetInputText(const Text& text) override;
  void SetInputTabStop(bool inTabOrder) override;
  void FocusInput() override;

  void ClearList() override;
  void AppendToList(const std::vector<Text>& entries) override;
  int ListSelection() const override;
  void SetListSelection(int position) override;
  bool ListVisible() const override;
  void SetListVisible(bool visible) override;
  void FocusList() override;

  void OpenPath(const Text& path) override;
  void Close() override;

  // The window is a plain window, not a dialog, so nothing else brings the focus back
  // to a control when the user returns to it (after Alt+Tab, or once the browser that
  // opened a favorite has come up): the window remembers the control itself.
  void RememberFocus();
  void RestoreFocus();

 private:
  void MoveFocus(HWND control);

  HWND window_ = nullptr;
  HWND input_ = nullptr;
  HWND list_ = nullptr;
  HWND focus_ = nullptr;
};

}  // namespace fandrel
