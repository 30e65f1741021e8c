#pragma once

#include <optional>

namespace fandrel {

enum class WindowState { kNormal = 0, kMinimised = 1, kMaximised = 2 };

struct PixelSize {
  int width;
  int height;

  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct TwipsSize {
  int width;
  int height;
};

// The size the window keeps: its outer size in pixels at `dpi`, in twips.
TwipsSize SaveOuterSize(PixelSize outer, int dpi);

// The resize rule: in the normal state, the saved size in pixels at `dpi` when the window
// has another. A minimised or maximised window, or one that has the saved size (as after
// the rule's own resize, which so starts no other), gets no answer.
std::optional<PixelSize> SizeToRestore(WindowState state, PixelSize outer, TwipsSize saved,
                                       int dpi);

}  // namespace fandrel
