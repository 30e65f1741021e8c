#pragma once

#include <windows.h>

// What the tests know of fandrel.exe from the outside: how to find its window and
// controls (GetDlgItem on the main window), and where the controls belong in twips.

namespace e2e {

inline constexpr wchar_t kMainWindowClass[] = L"FandrelMainWindow";
inline constexpr wchar_t kMainWindowCaption[] = L"Fandrel for URLs";

inline constexpr int kFrameId = 1000;   // frmFrame, a group box
inline constexpr int kInputId = 1001;   // txtInput, a one-line edit
inline constexpr int kCancelId = 2;     // cmdCancel, IDCANCEL: Esc clicks it
inline constexpr int kResultId = 1003;  // cboResult, a drop-down list

inline constexpr int kClientWidthTwips = 4140;
inline constexpr int kClientHeightTwips = 420;

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

// The frame in client coordinates; the controls relative to the frame.
inline constexpr TwipsRect kFrameTwips{0, -45, 4125, 480};
inline constexpr TwipsRect kInputTwips{45, 135, 3990, 285};
inline constexpr TwipsRect kCancelTwips{3465, 180, 465, 240};
inline constexpr TwipsRect kResultTwips{45, 135, 4020, 315};

// cmdCancel is never to be seen: hidden, or lying wholly inside txtInput's rectangle and
// beneath it in the stacking order, so that the text box covers it.
inline bool CoveredOrHidden(HWND cancel, HWND input) {
  if (!IsWindowVisible(cancel)) return true;
  RECT button{}, box{}, both{};
  GetWindowRect(cancel, &button);
  GetWindowRect(input, &box);
  UnionRect(&both, &button, &box);
  if (!EqualRect(&both, &box)) return false;
  for (HWND below = GetWindow(input, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT)) {
    if (below == cancel) return true;
  }
  return false;
}

// For failure messages: which of the program's controls a window is.
inline const char* ControlName(HWND control) {
  if (control == nullptr) return "nothing";
  switch (GetDlgCtrlID(control)) {
    case kFrameId:
      return "frmFrame";
    case kInputId:
      return "txtInput";
    case kCancelId:
      return "cmdCancel";
    case kResultId:
      return "cboResult";
    default:
      return "another window";
  }
}

}  // namespace e2e
