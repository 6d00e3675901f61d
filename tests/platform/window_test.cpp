// Windows and input: windows above drawn again over output beneath them, and taps reaching
// the client pixels of the window under them at every enlargement.
#include "platform/window.h"

#include <gtest/gtest.h>

#include "platform/emulator.h"
#include "platform/gdi.h"
#include "platform/screen.h"
#include "platform/wingdi.h"
#include "tests/support/recording_window.h"

namespace {

int drawsOver = 0;
RECT drawnArea;
// A bar the platform draws itself: plain white.
void DrawWhiteBar(HWND bar, const RECT& area) {
  ++drawsOver;
  drawnArea = area;
  HDC dc = GetDC(bar);
  FillRectWithBrush(dc, RectOffset(area, -bar->client.left, -bar->client.top),
                    static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ReleaseDC(bar, dc);
}

// Output into a window beneath others is followed by the windows above being drawn again
// where they meet, before the desktop shows it: platform-drawn windows by their own
// drawing, application windows by a paint.
TEST_F(ShellTest, WindowsAboveAreDrawnAgainOverOutputBeneath) {
  CloseEverything();  // only the windows made here
  EmulatorSetScreen(240, 320, 2);
  HWND main = CreateRecordingWindow(nullptr, WS_VISIBLE, 0, 0, 240, 320);
  HWND bar = CreateRecordingWindow(nullptr, WS_VISIBLE, 0, 294, 240, 26);
  bar->platformDraw = DrawWhiteBar;
  HWND dialog = CreateRecordingWindow(nullptr, WS_VISIBLE, 20, 100, 200, 100);
  for (HWND w : {main, bar, dialog}) UpdateWindow(w);
  drawsOver = 0;

  // The stock bitmap of a new memory device context is a single black pixel.
  HDC dc = GetDC(main);
  HDC memory = CreateCompatibleDC(dc);
  BitBlt(dc, 10, 50, 1, 1, memory, 0, 0, SRCCOPY);  // meets nobody
  EXPECT_EQ(drawsOver, 0);
  EXPECT_TRUE(RectEmpty(dialog->invalid));
  EXPECT_EQ(ScreenDesktopPixel(20, 100), RGB(0, 0, 0));
  BitBlt(dc, 10, 300, 1, 1, memory, 0, 0, SRCCOPY);  // under the bar
  EXPECT_EQ(drawsOver, 1);
  EXPECT_TRUE(Same(drawnArea, RECT{10, 300, 11, 301}));
  EXPECT_EQ(EmulatorScreenPixel(10, 300), RGB(255, 255, 255));
  EXPECT_EQ(ScreenDesktopPixel(20, 600), RGB(255, 255, 255));
  BitBlt(dc, 30, 150, 1, 1, memory, 0, 0, SRCCOPY);  // under the dialog, which will repaint
  EXPECT_TRUE(Same(dialog->invalid, RECT{10, 50, 11, 51}));
  DeleteDC(memory);
  ReleaseDC(main, dc);

  // Destroying the dialog leaves its place to be painted by the window beneath.
  UpdateWindow(main);
  DestroyWindow(dialog);
  EXPECT_TRUE(Same(main->invalid, RECT{20, 100, 220, 200}));
}

TEST_F(ShellTest, TapsAndTouchesArriveInTheClientPixelsOfTheWindowUnderThem) {
  for (int scale : {1, 2, 3}) {
    SCOPED_TRACE(scale);
    EmulatorSetScreen(240, 320, scale);
    ReceivedMessages.clear();
    EmulatorTap(100, 200);
    EmulatorTouch(17, 300);  // SDL's mouse copy of the touch is left out
    EmulatorTap(5, 5);       // on the task bar
    PumpMessages();
    const auto taps = ReceivedOf(owner, WM_LBUTTONDOWN);
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0].lParam, MAKELPARAM(100, 200 - 26));
    EXPECT_EQ(taps[0].wParam, static_cast<WPARAM>(MK_LBUTTON));
    EXPECT_EQ(taps[1].lParam, MAKELPARAM(17, 300 - 26));
  }
}

}  // namespace
