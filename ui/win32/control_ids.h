#pragma once

// Identifiers of the main window and its controls. Each control is a direct child of
// the main window, so GetDlgItem(mainWindow, id) finds it; test drivers include this
// header to find the window and its controls the way a user's tools would.

namespace fandrel {

inline constexpr wchar_t kMainWindowClass[] = L"FandrelMainWindow";
inline constexpr wchar_t kMainWindowCaption[] = L"Fandrel for URLs";
// What screen readers call the text box and the list, which have no visible label.
inline constexpr wchar_t kInputName[] = L"Title to find";
inline constexpr wchar_t kListName[] = L"Matching titles";

inline constexpr int kFrameId = 1000;
inline constexpr int kInputId = 1001;
// IDCANCEL: the command the dialog manager sends for Esc ("Dialog Box Keyboard Interface"),
// so that Esc and a click of the cancel button are one command.
inline constexpr int kCancelId = 2;
inline constexpr int kListId = 1003;

}  // namespace fandrel
