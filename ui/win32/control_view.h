#pragma once

#include <windows.h>

#include "ui/main_view.h"

namespace fandrel {

// The interaction rules' view of the real controls of the main window.
class ControlView final : public MainView {
 public:
  void Attach(HWND window, HWND input, HWND results);

  Text InputText() const override;
  void SetInputText(const Text& text) override;
  void SetInputTabStop(bool inTabOrder) override;
  void FocusInput() override;

  void ClearResults() override;
  void AppendResults(const std::vector<Text>& entries) override;
  int ResultSelection() const override;
  void SetResultSelection(int position) override;
  bool ResultVisible() const override;
  void SetResultVisible(bool visible) override;
  void FocusResult() override;

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
  HWND results_ = nullptr;
  HWND focus_ = nullptr;
};

}  // namespace fandrel
