#pragma once

namespace fandrel {

// Positions and sizes are designed in twips (1/1440 inch), which become pixels only when the
// window's DPI is known: at every scaling the window keeps its proportion to the system's
// text, which scales with the DPI too.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct PixelRect {
  int left;
  int top;
  int width;
  int height;

  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

inline constexpr int kTwipsPerInch = 1440;

inline constexpr int kClientWidthTwips = 4140;
inline constexpr int kClientHeightTwips = 420;

// The frame (a group box), in the client area, which its bottom edge passes; a group box
// draws its top line half a text height below its top, inside the client area.
inline constexpr TwipsRect kFrameTwips{0, -45, 4125, 480};
// The controls, relative to the frame. The list covers the text box while it shows. The
// cancel button lies wholly inside the text box and beneath it, so the text box hides it
// from sight, though not from a screen reader.
inline constexpr TwipsRect kInputTwips{45, 135, 3990, 285};
inline constexpr TwipsRect kCancelTwips{3465, 180, 465, 240};
inline constexpr TwipsRect kListTwips{45, 135, 4020, 315};

// Twips to pixels at `dpi`, rounding halves away from zero.
int TwipsToPixels(int twips, int dpi);

// Pixels to twips at `dpi`, rounding to the nearest twip and halves to even. For any
// dpi up to 1440 a twip is finer than a pixel, so TwipsToPixels(PixelsToTwips(p)) == p.
int PixelsToTwips(int pixels, int dpi);

// Where everything goes at `dpi`, in client coordinates of the main window. Each control
// sits at the frame's origin plus its own offset, as a sibling of the frame.
struct MainLayout {
  int clientWidth;
  int clientHeight;
  PixelRect frame;
  PixelRect input;
  PixelRect cancel;
  PixelRect list;
};

MainLayout LayOutMainWindow(int dpi);

}  // namespace fandrel
