// The main window as it starts, its layout at the window's DPI, its fixed size and its
// close box.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "fandrel_process.h"
#include "fandrel_window.h"
#include "wait.h"
#include "window_state.h"

namespace e2e {
namespace {

int Pixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

SIZE OuterSize(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

bool SameSize(SIZE a, SIZE b) { return a.cx == b.cx && a.cy == b.cy; }

std::string Show(SIZE size) { return std::to_string(size.cx) + " x " + std::to_string(size.cy); }

std::string Show(const RECT& rect) {
  return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ") " +
         Show(SIZE{rect.right - rect.left, rect.bottom - rect.top});
}

class MainWindow : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(app_.Start()); }

  FandrelProcess app_;
};

TEST_F(MainWindow, StartsInInputModeWithAnEmptyFocusedTextBox) {
  const HWND window = app_.Window();
  EXPECT_EQ(ToUtf8(WindowText(window)), ToUtf8(kMainWindowCaption));
  // Wine keeps a class's icon in the process that registered it, out of another
  // process's reach; the screenshots show it there.
  if (!RunningOnWine()) {
    DWORD_PTR icon = 0;
    SendMessageTimeoutW(window, WM_GETICON, ICON_SMALL2, 0, SMTO_ABORTIFHUNG, 5000, &icon);
    if (icon == 0) icon = GetClassLongPtrW(window, GCLP_HICON);
    EXPECT_NE(icon, 0u) << "the window shows no icon";
  }

  const HWND input = app_.Control(kInputId);
  ASSERT_NE(input, nullptr);
  EXPECT_TRUE(IsWindowVisible(input));
  EXPECT_EQ(WindowText(input), L"");
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(window) == input; }))
      << "the focus is on " << ControlName(FocusOf(window));
  // No font of its own would mean the bold legacy system font. Wine answers WM_GETFONT
  // from another process with 0 whatever the font (its own Notepad too), so there the
  // screenshots in docs/ show the font instead.
  if (!RunningOnWine()) {
    DWORD_PTR font = 0;
    SendMessageTimeoutW(input, WM_GETFONT, 0, 0, SMTO_ABORTIFHUNG, 5000, &font);
    EXPECT_NE(font, 0u) << "txtInput uses the legacy system font";
  }

  ASSERT_NE(app_.Control(kFrameId), nullptr);
  EXPECT_TRUE(IsWindowVisible(app_.Control(kFrameId)));
  ASSERT_NE(app_.Control(kResultId), nullptr);
  EXPECT_FALSE(IsWindowVisible(app_.Control(kResultId))) << "cboResult shows at start";
  ASSERT_NE(app_.Control(kCancelId), nullptr);
  EXPECT_TRUE(CoveredOrHidden(app_.Control(kCancelId), input)) << "cmdCancel can be seen";
}

struct Placement {
  const char* name;
  int id;
  TwipsRect twips;  // in client coordinates
};

TwipsRect InFrame(TwipsRect control) {
  return {kFrameTwips.left + control.left, kFrameTwips.top + control.top, control.width,
          control.height};
}

// Twips become pixels once, so rounding may differ by one pixel from the program's own
// sums of rounded parts.
void ExpectNear(int actual, int expected, const char* what, const char* name) {
  EXPECT_NEAR(actual, expected, 1) << name << " " << what;
}

TEST_F(MainWindow, ClientAreaAndControlsSitWhereTheLayoutPutsThemAtTheWindowsDpi) {
  const HWND window = app_.Window();
  const int dpi = static_cast<int>(GetDpiForWindow(window));
  if (const char* wanted = std::getenv("FANDREL_E2E_DPI")) {
    ASSERT_EQ(dpi, std::atoi(wanted)) << "the display's DPI setting did not reach the window";
  }
  RecordProperty("dpi", dpi);

  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, Pixels(kClientWidthTwips, dpi)) << "client width at " << dpi << " DPI";
  EXPECT_EQ(client.bottom, Pixels(kClientHeightTwips, dpi)) << "client height at " << dpi << " DPI";

  const Placement placements[] = {
      {"frmFrame", kFrameId, kFrameTwips},
      {"txtInput", kInputId, InFrame(kInputTwips)},
      {"cmdCancel", kCancelId, InFrame(kCancelTwips)},
      {"cboResult", kResultId, InFrame(kResultTwips)},
  };
  for (const Placement& placement : placements) {
    const HWND control = app_.Control(placement.id);
    ASSERT_NE(control, nullptr) << placement.name;
    const RECT rect = RectIn(window, control);
    SCOPED_TRACE(testing::Message() << placement.name << " at " << dpi << " DPI is " << Show(rect));
    ExpectNear(rect.left, Pixels(placement.twips.left, dpi), "left", placement.name);
    ExpectNear(rect.top, Pixels(placement.twips.top, dpi), "top", placement.name);
    ExpectNear(rect.right - rect.left, Pixels(placement.twips.width, dpi), "width", placement.name);
    ExpectNear(rect.bottom - rect.top, Pixels(placement.twips.height, dpi), "height",
               placement.name);
  }
}

TEST_F(MainWindow, ResizeIsUndone) {
  const HWND window = app_.Window();
  const SIZE loaded = OuterSize(window);
  for (const SIZE attempt : {SIZE{loaded.cx + 80, loaded.cy + 40}, SIZE{loaded.cx / 2, 10}}) {
    SetWindowPos(window, nullptr, 0, 0, attempt.cx, attempt.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil([&] { return SameSize(OuterSize(window), loaded); }, 5000))
        << "after a resize to " << Show(attempt) << " the window is " << Show(OuterSize(window))
        << " instead of " << Show(loaded);
  }
  EXPECT_TRUE(Responds(window, 5000)) << "the resize handler loops";
}

TEST_F(MainWindow, MinimiseStaysMinimisedAndRestoreBringsTheSavedSize) {
  const HWND window = app_.Window();
  const SIZE loaded = OuterSize(window);

  PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(window) != FALSE; })) << "did not minimise";
  // Long enough for a resize handler that fights the minimised state to have done so.
  Sleep(500);
  EXPECT_TRUE(IsIconic(window)) << "the window did not stay minimised";

  PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsIconic(window); })) << "did not restore";
  EXPECT_TRUE(WaitUntil([&] { return SameSize(OuterSize(window), loaded); }, 5000))
      << "restored at " << Show(OuterSize(window)) << " instead of " << Show(loaded);
  const HWND input = app_.Control(kInputId);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(window) == input; }, 5000))
      << "the focus did not come back to txtInput";
}

TEST_F(MainWindow, CloseBoxEndsTheProgramWithExitCode0) {
  PostMessageW(app_.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  const auto exitCode = app_.WaitForExit(kWaitMs);
  ASSERT_TRUE(exitCode.has_value()) << "still running after the close box";
  EXPECT_EQ(*exitCode, 0u);
}

}  // namespace
}  // namespace e2e
