#include "ui/layout.h"

#include <cstdint>

namespace fandrel {

namespace {

PixelRect PlaceInFrame(const TwipsRect& control, int dpi) {
  return PixelRect{TwipsToPixels(kFrameTwips.left + control.left, dpi),
                   TwipsToPixels(kFrameTwips.top + control.top, dpi),
                   TwipsToPixels(control.width, dpi), TwipsToPixels(control.height, dpi)};
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
  return MainLayout{
      TwipsToPixels(kClientWidthTwips, dpi),
      TwipsToPixels(kClientHeightTwips, dpi),
      PixelRect{TwipsToPixels(kFrameTwips.left, dpi), TwipsToPixels(kFrameTwips.top, dpi),
                TwipsToPixels(kFrameTwips.width, dpi), TwipsToPixels(kFrameTwips.height, dpi)},
      PlaceInFrame(kInputTwips, dpi),
      PlaceInFrame(kCancelTwips, dpi),
      PlaceInFrame(kResultTwips, dpi)};
}

}  // namespace fandrel
