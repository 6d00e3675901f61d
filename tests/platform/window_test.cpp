// Windows and input: windows above drawn again over output beneath them, fingers and taps
// reaching the client pixels of the window under them, and the desktop served while the
// program pauses, its input kept for afterwards.
#include "user/window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <tuple>
#include <vector>

#include "gdi/gdi.h"
#include "host/screen.h"
#include "platform/emulator.h"
#include "platform/winbase.h"
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
  HDC dc = GetDC(main), memory = CreateCompatibleDC(dc);
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

// A finger's press, slides and lift, told as the handheld tells them: mouse messages with
// the touch screen's signature and its finger's bit, the slides and the lift to the window
// pressed on wherever the finger goes, beyond the screen too; a press just beside the
// screen is the window's at its edge. The mouse's carry nothing.
TEST_F(ShellTest, AFingerIsToldFromTheMouseAndFollowedToItsLift) {
  constexpr LPARAM Finger = 0xFF515780;
  // A screen point in the window below the task bar.
  const auto at = [](int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y - 26)); };
  for (int scale : {1, 3}) {
    SCOPED_TRACE(scale);
    EmulatorSetScreen(240, 320, scale);
    ReceivedMessages.clear();
    EmulatorFingerDown(100, 200);
    EmulatorFingerMove(120, 210);
    EmulatorFingerMove(30, 10);  // over the task bar: still the window's
    EmulatorFingerUp(-20, 330);  // off the screen
    EmulatorTap(60, 70);
    EmulatorFingerUp(60, 70);     // a lift with no press
    EmulatorFingerDown(-3, 150);  // beside the screen's edge: under a fingertip
    EmulatorFingerUp(-3, 150);
    EmulatorFingerDown(-40, 150);  // 10 mm and more beside it: nothing
    EmulatorFingerUp(-40, 150);
    PumpMessages();
    // The window, the message, where, and the extra information.
    std::vector<std::tuple<HWND, UINT, LPARAM, LPARAM>> got;
    for (const Received& r : ReceivedMessages)
      if (r.message == WM_LBUTTONDOWN || r.message == WM_MOUSEMOVE || r.message == WM_LBUTTONUP)
        got.emplace_back(r.window, r.message, r.lParam, r.extraInfo);
    EXPECT_EQ(got, (std::vector<std::tuple<HWND, UINT, LPARAM, LPARAM>>{
                       {owner, WM_LBUTTONDOWN, at(100, 200), Finger},
                       {owner, WM_MOUSEMOVE, at(120, 210), Finger},
                       {owner, WM_MOUSEMOVE, at(30, 10), Finger},
                       {owner, WM_LBUTTONUP, at(-20, 330), Finger},
                       {owner, WM_LBUTTONDOWN, at(60, 70), 0},
                       {owner, WM_LBUTTONDOWN, at(-3, 150), Finger},
                       {owner, WM_LBUTTONUP, at(-3, 150), Finger}}));
  }
}

// While the program pauses, the desktop window is served at once: resized, it is laid out
// anew (F11's fullscreen and back are the drawing tests'). Taps and the close button wait,
// in order, for the program's next message, each tap mapped by the window's size when it
// was made.
TEST_F(ShellTest, WhileTheProgramPausesTheDesktopIsServedAndInputWaits) {
  constexpr COLORREF Backdrop = RGB(22, 23, 26);
  EmulatorSetScreen(240, 320, 1);
  PumpMessages();
  ReceivedMessages.clear();
  EmulatorTap(100, 200);                                     // in the window at its own size
  EmulatorResizeDesktop(1000, 700);                          // factor 2, the screen at (260, 30)
  EmulatorClickDesktop(260 + 2 * 17 + 1, 30 + 2 * 300 + 1);  // device pixel (17, 300)
  EmulatorCloseButton();
  EmulatorSetPauses(TRUE);
  const auto start = std::chrono::steady_clock::now();
  Sleep(60);
  const auto slept = std::chrono::steady_clock::now() - start;
  EmulatorSetPauses(FALSE);
  EXPECT_GE(slept, std::chrono::milliseconds(60)) << "the pause is whole";
  EXPECT_TRUE(ReceivedOf(owner, WM_LBUTTONDOWN).empty() && ReceivedOf(owner, WM_CLOSE).empty());
  EXPECT_EQ(ScreenShownScale(), 2);
  EXPECT_EQ(ScreenDesktopPixel(259, 30), Backdrop);
  EXPECT_EQ(ScreenDesktopPixel(260, 30), EmulatorScreenPixel(0, 0));

  PumpMessages();
  std::vector<std::pair<UINT, LPARAM>> order;
  for (const Received& r : ReceivedMessages)
    if (r.window == owner && (r.message == WM_LBUTTONDOWN || r.message == WM_CLOSE))
      order.emplace_back(r.message, r.lParam);
  EXPECT_EQ(order, (std::vector<std::pair<UINT, LPARAM>>{{WM_LBUTTONDOWN, MAKELPARAM(100, 200 - 26)},
                                                         {WM_LBUTTONDOWN, MAKELPARAM(17, 300 - 26)},
                                                         {WM_CLOSE, 0}}));
}

}  // namespace
