// The device screen: its size and dots per inch, the desktop window's whole-factor
// enlargement, desktop points mapped back to device pixels, and rotation.
#include "platform/screen.h"

#include <gtest/gtest.h>

#include "platform/emulator.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"

namespace {

TEST(Screen, SystemMetricsAreTheDeviceScreens) {
  EmulatorSetScreen(480, 800, 1);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 480);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 800);
  ScreenRotate();
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
  // The desktop window takes the turned size too.
  EXPECT_NE(ScreenDesktopPixel(799, 479), CLR_INVALID);
  EXPECT_EQ(ScreenDesktopPixel(479, 799), CLR_INVALID);
}

TEST(Screen, DotsPerInch) {
  const struct {
    int width, height, dpi;
  } cases[] = {{240, 320, 96},  {320, 240, 96},  {480, 640, 192}, {640, 480, 192},
               {480, 800, 192}, {800, 480, 192}, {479, 800, 96},  {800, 479, 96}};
  for (const auto& c : cases) {
    EmulatorSetScreen(c.width, c.height, 1);
    EXPECT_EQ(ScreenDpi(), c.dpi) << c.width << "x" << c.height;
  }
}

TEST(Screen, LargestWholeFactorThatFitsTheDesktop) {
  // The headless display is 1024 x 768.
  const struct {
    int width, height, scale;
  } cases[] = {{240, 320, 2}, {320, 240, 3}, {480, 640, 1}, {800, 480, 1}, {2000, 2000, 1}};
  for (const auto& c : cases) {
    EmulatorSetScreen(c.width, c.height, 0);
    EXPECT_EQ(ScreenScale(), c.scale) << c.width << "x" << c.height;
  }
  EmulatorSetScreen(240, 320, 4);
  EXPECT_EQ(ScreenScale(), 4);
}

TEST(Screen, DesktopPointsMapToDevicePixels) {
  EmulatorSetScreen(240, 320, 3);
  const struct {
    int x, y;
    BOOL inside;
    LONG deviceX, deviceY;
  } cases[] = {{0, 0, TRUE, 0, 0},         {2, 2, TRUE, 0, 0},     {3, 5, TRUE, 1, 1},
               {719, 959, TRUE, 239, 319}, {720, 0, FALSE, 0, 0},  {0, 960, FALSE, 0, 0},
               {-1, 4, FALSE, 0, 0},       {100, -3, FALSE, 0, 0}, {45, 93, TRUE, 15, 31}};
  for (const auto& c : cases) {
    POINT p{-7, -7};
    EXPECT_EQ(ScreenPointFromDesktop(c.x, c.y, &p), c.inside) << c.x << ", " << c.y;
    if (c.inside) {
      EXPECT_EQ(std::make_pair(p.x, p.y), std::make_pair(c.deviceX, c.deviceY)) << c.x << ", " << c.y;
    }
  }
}

// A drawing outside a paint reaches the desktop window at once, each device pixel as a
// square of the factor's size, and nothing around it changes.
TEST(Screen, OutputIsShownEnlargedPixelForPixel) {
  EmulatorSetScreen(240, 320, 3);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  // The stock bitmap of a new memory device context is one black pixel; fill the screen
  // from a white window erase instead.
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = u"SCREENTEST";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, u"SCREENTEST", u"", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
  UpdateWindow(window);
  EXPECT_EQ(ScreenDesktopPixel(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(ScreenDesktopPixel(719, 959), RGB(255, 255, 255));

  BitBlt(screen, 10, 20, 1, 1, memory, 0, 0, SRCCOPY);  // one black device pixel at (10, 20)
  for (int y = 57; y < 66; ++y)
    for (int x = 27; x < 36; ++x) {
      const bool inside = x >= 30 && x < 33 && y >= 60 && y < 63;
      EXPECT_EQ(ScreenDesktopPixel(x, y), inside ? RGB(0, 0, 0) : RGB(255, 255, 255)) << x << ", " << y;
    }
  EXPECT_EQ(EmulatorScreenPixel(10, 20), RGB(0, 0, 0));
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  DestroyWindow(window);
}

}  // namespace
