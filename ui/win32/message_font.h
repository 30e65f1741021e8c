#pragma once

#include <windows.h>

namespace fandrel {

// The font of message boxes (NONCLIENTMETRICS' lfMessageFont), at one DPI. Controls
// otherwise draw with the system font ("WM_SETFONT").
class MessageFont {
 public:
  MessageFont() = default;
  MessageFont(const MessageFont&) = delete;
  MessageFont& operator=(const MessageFont&) = delete;
  ~MessageFont();

  // Makes the font for `dpi` and returns it; the previous one stays valid until
  // ReleaseOld, so that controls can be switched over first.
  HFONT CreateFor(UINT dpi);
  // Deletes the previous font, once no control uses it any more.
  void ReleaseOld();

 private:
  HFONT font_ = nullptr;
  HFONT old_ = nullptr;
};

}  // namespace fandrel
