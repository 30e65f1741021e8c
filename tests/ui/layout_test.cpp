// The window's geometry: twips to pixels at the window's DPI, and the fixed outer size.
#include <gtest/gtest.h>

#include "ui/fixed_size.h"
#include "ui/layout.h"

namespace fandrel {

namespace {

bool Inside(const PixelRect& inner, const PixelRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

TEST(Layout, PlacesEveryControlAtTheWindowsDpi) {
  // The client area, the frame, txtInput, cmdCancel and cboResult. At 96 DPI a pixel is 15
  // twips; at 144 DPI it is 10, and odd multiples of 5 twips fall on half pixels, which
  // round away from zero.
  using Rects = std::vector<PixelRect>;
  const std::pair<int, Rects> rows[] = {
      {96, {{0, 0, 276, 28}, {0, -3, 275, 32}, {3, 6, 266, 19}, {231, 9, 31, 16}, {3, 6, 268, 21}}},
      {144,
       {{0, 0, 414, 42}, {0, -5, 413, 49}, {5, 9, 399, 29}, {347, 14, 46, 24}, {5, 9, 402, 32}}},
  };
  for (const auto& [dpi, rects] : rows) {
    const MainLayout l = LayOutMainWindow(dpi);
    EXPECT_EQ(Rects({{0, 0, l.clientWidth, l.clientHeight}, l.frame, l.input, l.cancel, l.result}),
              rects)
        << dpi;
  }
  for (int dpi = 96; dpi <= 480; ++dpi) {  // every scaling from 100% to 500%
    SCOPED_TRACE(dpi);
    const MainLayout l = LayOutMainWindow(dpi);
    EXPECT_TRUE(Inside(l.input, l.result)) << "the list covers the text box";
    EXPECT_TRUE(Inside(l.cancel, l.input)) << "the text box hides the cancel button";
    EXPECT_LE(l.result.left + l.result.width, l.clientWidth);
    EXPECT_GE(l.frame.top + l.frame.height, l.clientHeight);
  }
}

// The outer size is saved in twips, halves to even (at 192 DPI a pixel is 7.5 twips), and
// any size in pixels comes back unchanged from twips, so the rule's own resize of the
// window to the saved size starts no other.
TEST(FixedSize, UndoesEveryChangeOfSizeInTheNormalStateOnly) {
  EXPECT_EQ(SaveOuterSize({3, 5}, 192), (SavedSize{22, 38}));
  EXPECT_EQ(SaveOuterSize({-3, 7}, 192), (SavedSize{-22, 52}));
  for (int dpi = 72; dpi <= 480; dpi += 6) {
    for (int pixels = -50; pixels <= 2000; ++pixels) {
      ASSERT_EQ(TwipsToPixels(PixelsToTwips(pixels, dpi), dpi), pixels) << pixels << " at " << dpi;
    }
  }
  const SavedSize at96 = SaveOuterSize({290, 59}, 96);  // the size the window loads with
  EXPECT_EQ(at96, (SavedSize{4350, 885}));
  const struct {
    WindowState state;
    PixelSize outer;
    int dpi;
    std::optional<PixelSize> restore;
  } rows[] = {
      {WindowState::kNormal, {290, 59}, 96, std::nullopt},
      {WindowState::kNormal, {400, 59}, 96, PixelSize{290, 59}},
      {WindowState::kNormal, {290, 30}, 96, PixelSize{290, 59}},
      {WindowState::kMinimised, {160, 28}, 96, std::nullopt},
      {WindowState::kMaximised, {1024, 768}, 96, std::nullopt},
      {WindowState::kNormal, {500, 81}, 144, PixelSize{435, 89}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SizeToRestore(row.state, row.outer, at96, row.dpi), row.restore)
        << row.outer.width << " x " << row.outer.height;
  }
}

}  // namespace
}  // namespace fandrel
