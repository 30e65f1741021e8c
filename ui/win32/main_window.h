#pragma once

#include <windows.h>

#include <optional>

#include "ui/fixed_size.h"
#include "ui/layout.h"
#include "ui/search_interaction.h"
#include "ui/win32/accessible_names.h"
#include "ui/win32/control_view.h"
#include "ui/win32/key_routing.h"
#include "ui/win32/message_font.h"

namespace fandrel {

// The program's only window. It holds the controls, the outer size it keeps (in twips)
// and, through the interaction rules, the path lists of the last search.
class MainWindow {
 public:
  MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow();

  // Creates the window with its controls and `icon`, where the system puts new windows,
  // and saves the size it keeps. False if the system refused to create it.
  bool Create(HINSTANCE instance, HICON icon);
  void Show(int showCommand);

  // The window while it exists; null once it has been destroyed.
  HWND Handle() const { return window_; }
  // Enter for the text box or the list, taken from the message loop (see RouteKey); true
  // when `message` has been dealt with.
  bool TakeKey(MSG& message) { return RouteKey(message, input_, list_, interaction_); }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void CreateControls(HINSTANCE instance);
  void ApplyDpi(UINT dpi);
  void PlaceList(const PixelRect& place);
  PixelSize OuterSizeAt(UINT dpi) const;
  PixelSize OuterSize() const;
  void SaveSize();
  void UndoResize();
  void OnDpiChanged(UINT dpi, const RECT& suggested);

  HWND window_ = nullptr;
  HWND frame_ = nullptr;
  HWND input_ = nullptr;
  HWND cancel_ = nullptr;
  HWND list_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::optional<TwipsSize> saved_;  // once the window has its first size
  MessageFont font_;
  AccessibleNames names_;
  ControlView view_;
  SearchInteraction interaction_;
};

}  // namespace fandrel
