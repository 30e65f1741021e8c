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

// What the layout promises at every scaling from 100% to 500%. The end-to-end tests compare
// the real window with it at 96 and 144 DPI.
TEST(Layout, KeepsItsShapeAtEveryDpi) {
  for (int dpi = 96; dpi <= 480; ++dpi) {
    SCOPED_TRACE(dpi);
    const MainLayout l = LayOutMainWindow(dpi);
    EXPECT_TRUE(Inside(l.input, l.list)) << "the list covers the text box";
    EXPECT_TRUE(Inside(l.cancel, l.input)) << "the text box hides the cancel button";
    EXPECT_EQ(l.cancel.top + l.cancel.height, l.input.top + l.input.height) << "one bottom";
    EXPECT_LE(l.list.left + l.list.width, l.clientWidth);
    EXPECT_GE(l.frame.top + l.frame.height, l.clientHeight);
  }
}

// Any size in pixels comes back unchanged from twips at any DPI, so the window's resize to
// its saved size is never taken for another change of size, which would start another.
TEST(FixedSize, ItsOwnResizeStartsNoOther) {
  for (int dpi = 72; dpi <= 480; dpi += 6) {
    for (int pixels = -50; pixels <= 2000; ++pixels) {
      ASSERT_EQ(TwipsToPixels(PixelsToTwips(pixels, dpi), dpi), pixels) << pixels << " at " << dpi;
    }
  }
}

// A minimised window is left as it is, and so is a maximised one (the window has no
// maximise box, but a program or a keyboard shortcut may still maximise it); any other size
// is undone.
TEST(FixedSize, LeavesAMinimisedOrMaximisedWindowAsItIs) {
  const TwipsSize saved = SaveOuterSize({290, 59}, 96);
  for (WindowState state : {WindowState::kMinimised, WindowState::kMaximised}) {
    EXPECT_FALSE(SizeToRestore(state, {160, 28}, saved, 96));
  }
  EXPECT_EQ(SizeToRestore(WindowState::kNormal, {160, 28}, saved, 96), (PixelSize{290, 59}));
}

}  // namespace
}  // namespace fandrel
