// The window's geometry: twips to pixels at the window's DPI, and the fixed outer size.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include "ui/fixed_size.h"
#include "ui/layout.h"

namespace fandrel {

void PrintTo(const PixelRect& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

namespace {

bool Inside(const PixelRect& inner, const PixelRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

TEST(Layout, PlacesEveryControlAtTheWindowsDpi) {
  // At 96 DPI a pixel is 15 twips; at 144 DPI it is 10, and odd multiples of 5 twips
  // fall on half pixels, which round away from zero.
  const struct {
    int dpi, width, height;
    PixelRect frame, input, cancel, result;
  } rows[] = {
      {96, 276, 28, {0, -3, 275, 32}, {3, 6, 266, 19}, {231, 9, 31, 16}, {3, 6, 268, 21}},
      {144, 414, 42, {0, -5, 413, 49}, {5, 9, 399, 29}, {347, 14, 46, 24}, {5, 9, 402, 32}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.dpi);
    const MainLayout layout = LayOutMainWindow(row.dpi);
    EXPECT_EQ(layout.clientWidth, row.width);
    EXPECT_EQ(layout.clientHeight, row.height);
    EXPECT_EQ(layout.frame, row.frame);
    EXPECT_EQ(layout.input, row.input);
    EXPECT_EQ(layout.cancel, row.cancel);
    EXPECT_EQ(layout.result, row.result);
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

TEST(Layout, PixelsGoToTwipsHalvesToEvenAndComeBackUnchanged) {
  // At 192 DPI a pixel is 7.5 twips.
  const int rows[][3] = {{290, 96, 4350}, {1, 192, 8},  {3, 192, 22}, {5, 192, 38},
                         {-3, 192, -22},  {7, 168, 60}, {0, 144, 0}};
  for (const auto& [pixels, dpi, twips] : rows) EXPECT_EQ(PixelsToTwips(pixels, dpi), twips);
  for (int dpi = 72; dpi <= 480; dpi += 6) {
    for (int pixels = -50; pixels <= 2000; ++pixels) {
      ASSERT_EQ(TwipsToPixels(PixelsToTwips(pixels, dpi), dpi), pixels) << pixels << " at " << dpi;
#ifdef _WIN32
      ASSERT_EQ(TwipsToPixels(pixels * 3, dpi), MulDiv(pixels * 3, dpi, kTwipsPerInch));
#endif
    }
  }
}

TEST(FixedSize, UndoesEveryChangeOfSizeInTheNormalStateOnly) {
  EXPECT_EQ(SaveOuterSize({290, 59}, 96), (SavedSize{4350, 885}));
  const SavedSize at96 = SaveOuterSize({290, 59}, 96);
  const SavedSize at144 = SaveOuterSize({432, 80}, 144);
  EXPECT_EQ(at144, (SavedSize{4320, 800}));
  const struct {
    WindowState state;
    PixelSize outer;
    int dpi;
    SavedSize saved;
    std::optional<PixelSize> restore;
  } rows[] = {
      {WindowState::kNormal, {290, 59}, 96, at96, std::nullopt},
      {WindowState::kNormal, {400, 59}, 96, at96, PixelSize{290, 59}},
      {WindowState::kNormal, {290, 30}, 96, at96, PixelSize{290, 59}},
      {WindowState::kMinimised, {160, 28}, 96, at96, std::nullopt},
      {WindowState::kMaximised, {1024, 768}, 96, at96, std::nullopt},
      {WindowState::kNormal, {432, 80}, 144, at144, std::nullopt},
      {WindowState::kNormal, {500, 81}, 144, at144, PixelSize{432, 80}},
  };
  for (const auto& row : rows) {
    const auto restore = SizeToRestore(row.state, row.outer, row.saved, row.dpi);
    EXPECT_EQ(restore, row.restore) << row.outer.width << " x " << row.outer.height;
    if (restore) {
      EXPECT_EQ(SizeToRestore(row.state, *restore, row.saved, row.dpi), std::nullopt);
    }
  }
}

}  // namespace
}  // namespace fandrel
