#include "ui/layout.h"

#include <cstdint>

namespace fandrel {

namespace {

// Each edge becomes pixels on its own, and the size is what lies between them: edges that
// coincide in twips (the bottoms of the text box and the cancel button) then coincide in
// pixels at every DPI, where rounding the size apart from the position could leave a pixel
// between.
PixelRect ToPixels(const TwipsRect& rect, int dpi) {
  const int left = TwipsToPixels(rect.left, dpi);
  const int top = TwipsToPixels(rect.top, dpi);
  return PixelRect{left, top, TwipsToPixels(rect.left + rect.width, dpi) - left,
                   TwipsToPixels(rect.top + rect.height, dpi) - top};
}

PixelRect PlaceInFrame(const TwipsRect& control, int dpi) {
  return ToPixels(TwipsRect{kFrameTwips.left + control.left, kFrameTwips.top + control.top,
                            control.width, control.height},
                  dpi);
}

}  // namespace

int TwipsToPixels(int twips, int dpi) {
  const std::int64_t product = static_cast<std::int64_t>(twips) * dpi;
  const std::int64_t half = kTwipsPerInch / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kTwipsPerInch
                                       : (product - half) / kTwipsPerInch);
}

int PixelsToTwips(int pixels, int dpi) {
  const std::int64_t product = static_cast<std::int64_t>(pixels) * kTwipsPerInch;
  const std::int64_t magnitude = product < 0 ? -product : product;
  std::int64_t quotient = magnitude / dpi;
  const std::int64_t twiceRemainder = 2 * (magnitude % dpi);
  if (twiceRemainder > dpi || (twiceRemainder == dpi && quotient % 2 == 1)) ++quotient;
  return static_cast<int>(product < 0 ? -quotient : quotient);
}

MainLayout LayOutMainWindow(int dpi) {
  return MainLayout{TwipsToPixels(kClientWidthTwips, dpi),
                    TwipsToPixels(kClientHeightTwips, dpi),
                    ToPixels(kFrameTwips, dpi),
                    PlaceInFrame(kInputTwips, dpi),
                    PlaceInFrame(kCancelTwips, dpi),
                    PlaceInFrame(kListTwips, dpi)};
}

}  // namespace fandrel
