#include "ui/fixed_size.h"

#include "ui/layout.h"

namespace fandrel {

SavedSize SaveOuterSize(PixelSize outer, int dpi) {
  return SavedSize{PixelsToTwips(outer.width, dpi), PixelsToTwips(outer.height, dpi)};
}

std::optional<PixelSize> SizeToRestore(WindowState state, PixelSize outer, SavedSize saved,
                                       int dpi) {
  if (state != WindowState::kNormal) return std::nullopt;
  const PixelSize wanted{TwipsToPixels(saved.width, dpi), TwipsToPixels(saved.height, dpi)};
  if (outer == wanted) return std::nullopt;
  return wanted;
}

}  // namespace fandrel
