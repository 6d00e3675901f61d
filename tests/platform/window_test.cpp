// Window records: classes, creation and destruction messages, the invalid area and the
// paints it asks for, and platform-drawn windows kept on top of output beneath them.
#include "platform/window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "platform/emulator.h"
#include "platform/gdi.h"
#include "platform/screen.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"

namespace {

struct Message {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Message&) const = default;
};
std::vector<Message> received;
RECT lastPaint;
BOOL lastErase;
LRESULT createResult;

LRESULT RecordingWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  received.push_back(
      Message{message, message == WM_ERASEBKGND ? 0 : wParam, message == WM_CREATE ? 0 : lParam});
  if (message == WM_CREATE) return createResult;
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    lastPaint = paint.rcPaint;
    lastErase = paint.fErase;
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

class WindowTest : public testing::Test {
 protected:
  void SetUp() override {
    EmulatorSetScreen(240, 320, 1);
    static bool registered = false;
    if (!registered) {
      WNDCLASSW wc{};
      wc.lpfnWndProc = RecordingWndProc;
      wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
      wc.lpszClassName = u"RECORDER";
      registered = RegisterClassW(&wc) != 0;
    }
    received.clear();
    createResult = 0;
  }
  void TearDown() override {
    while (!WindowStack.empty()) DestroyWindow(WindowStack.back());
  }
  static HWND Create(DWORD style, int x = CW_USEDEFAULT, int y = CW_USEDEFAULT, int w = CW_USEDEFAULT,
                     int h = CW_USEDEFAULT) {
    return CreateWindowExW(0, u"RECORDER", u"Test", style, x, y, w, h, nullptr, nullptr, nullptr, nullptr);
  }
};

TEST_F(WindowTest, ClassesAreRegisteredOnce) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = RecordingWndProc;
  wc.lpszClassName = u"RECORDER";
  EXPECT_EQ(RegisterClassW(&wc), 0);
  wc.lpszClassName = nullptr;
  EXPECT_EQ(RegisterClassW(&wc), 0);
  wc.lpszClassName = u"NOPROC";
  wc.lpfnWndProc = nullptr;
  EXPECT_EQ(RegisterClassW(&wc), 0);
  EXPECT_EQ(CreateWindowExW(0, u"UNKNOWN", u"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
            nullptr);
}

TEST_F(WindowTest, CreationAndDestruction) {
  HWND window = Create(WS_VISIBLE);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindow(window));
  // A visible top-level window becomes the active one.
  const std::vector<Message> created{
      {WM_CREATE, 0, 0}, {WM_SIZE, SIZE_RESTORED, MAKELPARAM(240, 320)}, {WM_ACTIVATE, WA_ACTIVE, 0}};
  EXPECT_EQ(received, created);
  RECT client;
  ASSERT_TRUE(GetClientRect(window, &client));
  EXPECT_EQ(std::make_tuple(client.left, client.top, client.right, client.bottom),
            std::make_tuple(0, 0, 240, 320));

  received.clear();
  EXPECT_TRUE(DestroyWindow(window));
  EXPECT_EQ(received, (std::vector<Message>{Message{WM_DESTROY, 0, 0}}));
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(DestroyWindow(window));
  EXPECT_FALSE(GetClientRect(window, &client));

  createResult = -1;  // a window that refuses its creation is gone again
  received.clear();
  EXPECT_EQ(Create(WS_VISIBLE), nullptr);
  EXPECT_EQ(received, (std::vector<Message>{{WM_CREATE, 0, 0}, {WM_DESTROY, 0, 0}}));
  EXPECT_TRUE(WindowStack.empty());
}

TEST_F(WindowTest, CloseDestroysByDefault) {
  HWND window = Create(WS_VISIBLE);
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowTest, InvalidAreaCollectsUntilThePaint) {
  HWND window = Create(WS_VISIBLE);
  UpdateWindow(window);  // the first paint erases the whole window
  EXPECT_EQ(std::make_tuple(lastPaint.left, lastPaint.top, lastPaint.right, lastPaint.bottom),
            std::make_tuple(0, 0, 240, 320));
  EXPECT_FALSE(lastErase);  // the class brush did the erasing
  EXPECT_NE(std::find(received.begin(), received.end(), Message{WM_ERASEBKGND, 0, 0}), received.end());

  received.clear();
  UpdateWindow(window);  // nothing invalid: no paint
  EXPECT_TRUE(received.empty());

  const RECT a{32, 6, 72, 26}, b{82, 6, 122, 26};
  InvalidateRect(window, &a, FALSE);
  InvalidateRect(window, &b, FALSE);
  const RECT outside{300, 400, 310, 410};
  InvalidateRect(window, &outside, FALSE);
  UpdateWindow(window);
  EXPECT_EQ(received, (std::vector<Message>{Message{WM_PAINT, 0, 0}}));
  EXPECT_EQ(std::make_tuple(lastPaint.left, lastPaint.top, lastPaint.right, lastPaint.bottom),
            std::make_tuple(32, 6, 122, 26));

  const RECT c{0, 300, 500, 500};  // cut to the client area
  InvalidateRect(window, &c, FALSE);
  UpdateWindow(window);
  EXPECT_EQ(std::make_tuple(lastPaint.left, lastPaint.top, lastPaint.right, lastPaint.bottom),
            std::make_tuple(0, 300, 240, 320));

  // A hidden window is not painted.
  HWND hidden = Create(0);
  received.clear();
  InvalidateRect(hidden, nullptr, FALSE);
  UpdateWindow(hidden);
  EXPECT_TRUE(received.empty());
}

int drawsOver = 0;
RECT drawnArea;
// A bar the platform draws itself: plain white.
void DrawWhiteBar(HWND bar, const RECT& area) {
  ++drawsOver;
  drawnArea = area;
  HDC dc = GetDC(bar);
  const RECT local = RectOffset(area, -bar->client.left, -bar->client.top);
  FillRectWithBrush(dc, local, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ReleaseDC(bar, dc);
}

// Output into a window beneath others is followed by the windows above being drawn again
// where they meet, before the desktop shows it: platform-drawn windows by their own
// drawing, application windows by a paint.
TEST_F(WindowTest, WindowsAboveAreDrawnAgainOverOutputBeneath) {
  EmulatorSetScreen(240, 320, 2);
  HWND main = Create(WS_VISIBLE);
  HWND bar = Create(WS_VISIBLE, 0, 294, 240, 26);
  bar->platformDraw = DrawWhiteBar;
  HWND dialog = Create(WS_VISIBLE, 20, 100, 200, 100);
  HWND hidden = Create(0, 0, 0, 240, 320);
  hidden->platformDraw = DrawWhiteBar;
  UpdateWindow(main);
  UpdateWindow(bar);
  UpdateWindow(dialog);
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
  EXPECT_EQ(std::make_tuple(drawnArea.left, drawnArea.top, drawnArea.right, drawnArea.bottom),
            std::make_tuple(10, 300, 11, 301));
  EXPECT_EQ(EmulatorScreenPixel(10, 300), RGB(255, 255, 255));
  EXPECT_EQ(ScreenDesktopPixel(20, 600), RGB(255, 255, 255));

  BitBlt(dc, 30, 150, 1, 1, memory, 0, 0, SRCCOPY);  // under the dialog, which will repaint
  EXPECT_EQ(std::make_tuple(dialog->invalid.left, dialog->invalid.top, dialog->invalid.right,
                            dialog->invalid.bottom),
            std::make_tuple(10, 50, 11, 51));
  DeleteDC(memory);
  ReleaseDC(main, dc);

  // A paint of the whole main window runs into both, once each, at its end.
  drawsOver = 0;
  InvalidateRect(main, nullptr, TRUE);
  UpdateWindow(main);
  EXPECT_EQ(drawsOver, 1);
  EXPECT_EQ(std::make_tuple(drawnArea.left, drawnArea.top, drawnArea.right, drawnArea.bottom),
            std::make_tuple(0, 294, 240, 320));
  EXPECT_EQ(std::make_tuple(dialog->invalid.left, dialog->invalid.top, dialog->invalid.right,
                            dialog->invalid.bottom),
            std::make_tuple(0, 0, 200, 100));

  // Destroying the dialog leaves its place to be painted by the window beneath.
  UpdateWindow(main);
  DestroyWindow(dialog);
  EXPECT_EQ(std::make_tuple(main->invalid.left, main->invalid.top, main->invalid.right, main->invalid.bottom),
            std::make_tuple(20, 100, 220, 200));
  EXPECT_TRUE(main->erase);
}

}  // namespace
