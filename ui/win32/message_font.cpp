#include "ui/win32/message_font.h"

namespace fandrel {

MessageFont::~MessageFont() {
  ReleaseOld();
  if (font_) DeleteObject(font_);
}

HFONT MessageFont::CreateFor(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi);
  const HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  if (!font) return font_;
  ReleaseOld();
  old_ = font_;
  font_ = font;
  return font_;
}

void MessageFont::ReleaseOld() {
  if (old_) DeleteObject(old_);
  old_ = nullptr;
}

}  // namespace fandrel
