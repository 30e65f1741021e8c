#include "ui/fixed_size.h"

#include "ui/layout.h"

namespace fandrel {

TwipsSize SaveOuterSize(PixelSize outer, int dpi) {
  return TwipsSize{PixelsToTwips(outer.width, dpi), PixelsToTwips(outer.height, dpi)};
}

std::optional<PixelSize> SizeToRestore(WindowState state, PixelSize outer, TwipsSize saved,
                                       int dpi) {
  if (state != WindowState::kNormal) return std::nullopt;
  const PixelSize wanted{TwipsToPixels(saved.width, dpi), TwipsToPixels(saved.height, dpi)};
  if (outer == wanted) return std::nullopt;
  return wanted;
}

}  // namespace fandrel
