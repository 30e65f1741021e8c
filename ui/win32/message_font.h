#pragma once

#include <windows.h>

namespace fandrel {

// The font the system uses for message boxes and dialogs, at one DPI. Controls of a
// plain window otherwise draw with the bold legacy system font, at 96 DPI.
class MessageFont {
 public:
  MessageFont() = default;
  MessageFont(const MessageFont&) = delete;
  MessageFont& operator=(const MessageFont&) = delete;
  ~MessageFont();

  // Makes the font for `dpi`; the previous one stays valid until this returns, so
  // controls can be switched over first. Returns the new font.
  HFONT CreateFor(UINT dpi);
  // Deletes every font but the current one, once no control uses them any more.
  void ReleaseOld();

 private:
  HFONT font_ = nullptr;
  HFONT old_ = nullptr;
};

}  // namespace fandrel
