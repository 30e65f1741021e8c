// The window's geometry: twips to pixels at the window's DPI, and the fixed outer size.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include "ui/fixed_size.h"
#include "ui/layout.h"

namespace fandrel {

// Found by GoogleTest through the type's namespace, to print rectangles that differ.
void PrintTo(const PixelRect& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

namespace {

TEST(LayoutTest, PlacesEveryControlAtStandardAndOneAndAHalfTimesDpi) {
  struct Case {
    int dpi;
    int clientWidth;
    int clientHeight;
    PixelRect frame;
    PixelRect input;
    PixelRect cancel;
    PixelRect result;
  };
  // At 96 DPI a pixel is 15 twips exactly; at 144 DPI it is 10 and the odd multiples of
  // 5 twips fall on half pixels, which round away from zero.
  const Case cases[] = {
      {96, 276, 28, {0, -3, 275, 32}, {3, 6, 266, 19}, {231, 9, 31, 16}, {3, 6, 268, 21}},
      {144, 414, 42, {0, -5, 413, 48}, {5, 9, 399, 29}, {347, 14, 47, 24}, {5, 9, 402, 32}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    const MainLayout layout = LayOutMainWindow(c.dpi);
    EXPECT_EQ(layout.clientWidth, c.clientWidth);
    EXPECT_EQ(layout.clientHeight, c.clientHeight);
    EXPECT_EQ(layout.frame, c.frame);
    EXPECT_EQ(layout.input, c.input);
    EXPECT_EQ(layout.cancel, c.cancel);
    EXPECT_EQ(layout.result, c.result);
  }
}

TEST(LayoutTest, ListCoversTheTextBoxWhichHidesTheCancelButton) {
  for (int dpi : {96, 120, 144, 168, 192, 288}) {
    SCOPED_TRACE(dpi);
    const MainLayout l = LayOutMainWindow(dpi);
    auto inside = [](const PixelRect& inner, const PixelRect& outer) {
      return inner.left >= outer.left && inner.top >= outer.top &&
             inner.left + inner.width <= outer.left + outer.width &&
             inner.top + inner.height <= outer.top + outer.height;
    };
    EXPECT_TRUE(inside(l.input, l.result));
    EXPECT_TRUE(inside(l.cancel, l.input));
    EXPECT_LE(l.result.left + l.result.width, l.clientWidth);
    EXPECT_GE(l.frame.top + l.frame.height, l.clientHeight) << "frame bottom at or below client";
  }
}

TEST(LayoutTest, PixelsToTwipsRoundsHalvesToEven) {
  struct Case {
    int pixels;
    int dpi;
    int twips;
  };
  // At 192 DPI a pixel is 7.5 twips.
  const Case cases[] = {{290, 96, 4350}, {1, 192, 8},  {3, 192, 22}, {5, 192, 38},
                        {-3, 192, -22},  {7, 168, 60}, {0, 144, 0},  {432, 144, 4320}};
  for (const Case& c : cases) {
    EXPECT_EQ(PixelsToTwips(c.pixels, c.dpi), c.twips) << c.pixels << " px at " << c.dpi;
  }
}

TEST(LayoutTest, PixelsSurviveTheWayThroughTwipsAtAnyDpi) {
  for (int dpi = 72; dpi <= 480; dpi += 6) {
    for (int pixels = -50; pixels <= 2000; ++pixels) {
      ASSERT_EQ(TwipsToPixels(PixelsToTwips(pixels, dpi), dpi), pixels)
          << pixels << " px at " << dpi;
    }
  }
}

#ifdef _WIN32
TEST(LayoutTest, TwipsToPixelsRoundsAsMulDivDoes) {
  for (int dpi = 72; dpi <= 480; dpi += 12) {
    for (int twips = -3000; twips <= 6000; ++twips) {
      ASSERT_EQ(TwipsToPixels(twips, dpi), MulDiv(twips, dpi, kTwipsPerInch))
          << twips << " twips at " << dpi;
    }
  }
}
#endif

TEST(FixedSizeTest, SavesTheOuterSizeInTwips) {
  EXPECT_EQ(SaveOuterSize({290, 59}, 96), (SavedSize{4350, 885}));
  EXPECT_EQ(SaveOuterSize({432, 80}, 144), (SavedSize{4320, 800}));
}

TEST(FixedSizeTest, UndoesEveryChangeOfSizeInTheNormalStateOnly) {
  struct Case {
    const char* name;
    WindowState state;
    PixelSize outer;
    int dpi;
    std::optional<PixelSize> restore;
  };
  const SavedSize saved = SaveOuterSize({290, 59}, 96);
  const SavedSize savedAt144 = SaveOuterSize({432, 80}, 144);
  const SavedSize savedAt168 = SaveOuterSize({491, 99}, 168);
  const struct {
    Case c;
    SavedSize saved;
  } cases[] = {
      {{"unchanged", WindowState::kNormal, {290, 59}, 96, std::nullopt}, saved},
      {{"wider", WindowState::kNormal, {400, 59}, 96, PixelSize{290, 59}}, saved},
      {{"shorter", WindowState::kNormal, {290, 30}, 96, PixelSize{290, 59}}, saved},
      {{"both", WindowState::kNormal, {100, 300}, 96, PixelSize{290, 59}}, saved},
      {{"minimised", WindowState::kMinimised, {160, 28}, 96, std::nullopt}, saved},
      {{"maximised", WindowState::kMaximised, {1024, 768}, 96, std::nullopt}, saved},
      {{"restored", WindowState::kNormal, {160, 28}, 96, PixelSize{290, 59}}, saved},
      {{"150% unchanged", WindowState::kNormal, {432, 80}, 144, std::nullopt}, savedAt144},
      {{"150% wider", WindowState::kNormal, {500, 80}, 144, PixelSize{432, 80}}, savedAt144},
      {{"175% unchanged", WindowState::kNormal, {491, 99}, 168, std::nullopt}, savedAt168},
  };
  for (const auto& [c, s] : cases) {
    SCOPED_TRACE(c.name);
    const auto restore = SizeToRestore(c.state, c.outer, s, c.dpi);
    EXPECT_EQ(restore, c.restore);
    if (restore) {
      EXPECT_EQ(SizeToRestore(c.state, *restore, s, c.dpi), std::nullopt)
          << "the rule's own resize must not start another";
    }
  }
}

}  // namespace
}  // namespace fandrel
