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

  // A plain window, not a dialog: by default its activation gives the focus to the window
  // itself ("WM_ACTIVATE"), so it remembers which control had it and gives it back.
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
