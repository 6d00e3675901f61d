// The screen and drawing on it: the dots per inch and the desktop window's whole-factor
// enlargement, never larger than the desktop holds, desktop points mapped back to device
// pixels, output shown enlarged and, in a larger window, centred on the backdrop, image
// files that will not load, the opaque copy cut to its source and the client area, the
// invalid area and the paint it asks for, and text cut to its rectangle and sized for the
// screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "host/path.h"
#include "host/screen.h"
#include "platform/aygshell.h"
#include "platform/emulator.h"
#include "platform/winbase.h"
#include "platform/winuser.h"
#include "platform/wingdi.h"
#include "tests/support/recording_window.h"
#include "tests/support/synthetic_skin.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr COLORREF Black = RGB(0, 0, 0), White = RGB(255, 255, 255);

// A factor asked for (as MARLIX_PENTRO_SCALE asks) larger than the desktop holds is
// brought down to the largest that fits.
TEST(Screen, DotsPerInchAndTheLargestWholeFactorThatFitsTheDesktop) {
  // width, height, the factor asked, dpi, the factor given; the headless desktop is 1024 x 768
  const int cases[][5] = {{240, 320, 0, 96, 2},  {320, 240, 0, 96, 3},  {480, 640, 0, 192, 1},
                          {640, 480, 0, 192, 1}, {480, 800, 0, 192, 1}, {800, 480, 0, 192, 1},
                          {479, 800, 0, 96, 1},  {800, 479, 0, 96, 1},  {2000, 2000, 0, 192, 1},
                          {240, 320, 4, 96, 2},  {240, 320, 1, 96, 1},  {320, 240, 3, 96, 3},
                          {480, 640, 3, 192, 1}};
  for (const auto& [width, height, asked, dpi, scale] : cases) {
    EmulatorSetScreen(width, height, asked);
    EXPECT_EQ(ScreenDpi(), dpi) << width << "x" << height;
    EXPECT_EQ(ScreenScale(), scale) << width << "x" << height << " asked " << asked;
    EXPECT_EQ(ScreenShownScale(), scale) << "the window at its own size";
  }
}

// Every pixel of the test image has a colour of its own.
constexpr int Side = 16;
COLORREF ImagePixel(int x, int y) { return RGB(static_cast<BYTE>(16 * x), static_cast<BYTE>(16 * y), 100); }
const std::string folder = MakeTempFolder();
HBITMAP Load(const std::string& name) { return SHLoadImageFile(DevicePath(folder + name).c_str()); }

// Copies the image into a device context at (x, y), from (sourceX, sourceY) of the image.
void CopyImage(HDC dc, HBITMAP image, int x, int y, int width, int height, int sourceX, int sourceY) {
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(memory, image);
  EXPECT_TRUE(BitBlt(dc, x, y, width, height, memory, sourceX, sourceY, SRCCOPY));
  SelectObject(memory, previous);
  DeleteDC(memory);
}

// How many pixels of a screen area differ from what should be there: a pixel of the image
// or, where nothing may have landed, black (the screen's colour when made).
template <typename Expected>
int Mismatches(const RECT& area, Expected expected) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (EmulatorScreenPixel(x, y) != expected(x, y) && ++count <= 3)
        ADD_FAILURE() << "(" << x << ", " << y << ") shows " << std::hex << EmulatorScreenPixel(x, y);
  return count;
}
// How many pixels of a screen area are not black.
int Lit(const RECT& area) {
  const std::vector<COLORREF> pixels = ScreenPixels(area);
  return static_cast<int>(pixels.size() - std::ranges::count(pixels, Black));
}

struct DrawingTest : testing::Test {
  void SetUp() override {
    CloseEverything();
    EmulatorSetScreen(240, 320, 1);
    ASSERT_TRUE(WriteGif(folder + "/image.gif", Side, Side, ImagePixel));
    image = Load("/image.gif");
    ASSERT_NE(image, nullptr);
  }
  void TearDown() override {
    CloseEverything();
    DeleteObject(image);
  }
  HBITMAP image = nullptr;
};

// A window at its own size or resized, maximised or made fullscreen shows the screen by the
// largest whole factor it holds, each device pixel a square of that size, centred, on a dark
// backdrop, and its points map to device pixels by that layout; back at its own size it is
// filled again. The screen is 320 x 240, marked at its first and last pixels.
TEST_F(DrawingTest, ALargerWindowShowsTheScreenCentredByTheLargestWholeFactor) {
  constexpr COLORREF Backdrop = RGB(22, 23, 26);
  // The desktop's width and height, the factor, and where the screen's left and top land.
  const int cases[][5] = {{960, 720, 3, 0, 0},    {1300, 1000, 4, 10, 20}, {1000, 1000, 3, 20, 140},
                          {330, 1000, 1, 5, 380}, {320, 240, 1, 0, 0},     {1024, 768, 3, 32, 24},
                          {961, 1000, 3, 0, 140}};
  EmulatorSetScreen(320, 240, 3);
  HWND window = CreateRecordingWindow(nullptr, WS_VISIBLE, 0, 0, 320, 240);
  UpdateWindow(window);  // white
  HDC screen = GetDC(nullptr);
  for (const auto& [width, height, factor, left, top] : cases) {
    SCOPED_TRACE(testing::Message() << width << "x" << height);
    EmulatorResizeDesktop(width, height);
    // The first output after the change lays the window out anew.
    CopyImage(screen, image, 0, 0, 1, 1, 0, 0);
    CopyImage(screen, image, 319, 239, 1, 1, Side - 1, Side - 1);
    EXPECT_EQ(ScreenShownScale(), factor);
    const int right = left + 320 * factor, bottom = top + 240 * factor;
    EXPECT_EQ(ScreenDesktopPixel(left, top), ImagePixel(0, 0));
    EXPECT_EQ(ScreenDesktopPixel(right - 1, bottom - 1), ImagePixel(Side - 1, Side - 1));
    EXPECT_EQ(ScreenDesktopPixel(left + factor, top), White);
    // Beside each edge where there is room: the backdrop.
    const COLORREF beside[4] = {ScreenDesktopPixel(left - 1, top), ScreenDesktopPixel(left, top - 1),
                                ScreenDesktopPixel(right, bottom - 1), ScreenDesktopPixel(left, bottom)};
    const bool room[4] = {left > 0, top > 0, right < width, bottom < height};
    for (int edge = 0; edge < 4; ++edge) EXPECT_EQ(beside[edge] == Backdrop, room[edge]) << "edge " << edge;
    POINT p{-1, -1};
    EXPECT_TRUE(ScreenPointFromDesktop(right - 1, bottom - 1, &p));
    EXPECT_TRUE(p.x == 319 && p.y == 239) << p.x << ", " << p.y;
    EXPECT_TRUE(ScreenPointFromDesktop(left + 10 * factor, top + 7 * factor + factor - 1, &p));
    EXPECT_TRUE(p.x == 10 && p.y == 7) << p.x << ", " << p.y;
    for (const POINT outside : {POINT{left - 1, top}, {left, bottom}, {right, top}, {left, top - 1}})
      EXPECT_EQ(ScreenPointFromDesktop(outside.x, outside.y, nullptr), FALSE);
  }
  ReleaseDC(nullptr, screen);
}

// A fullscreen window is filled: by a whole factor where that leaves little of the desktop
// unused, else by a fraction drawn sharp. Stripes two device pixels wide, across and down,
// show as runs of their own colours as long as one another to within one window pixel, with
// at most one blended pixel at each edge; and the middle of every device pixel maps back to
// it, so a tap lands on what it is aimed at.
TEST_F(DrawingTest, AFullscreenWindowIsFilledSharplyByAFraction) {
  // The screen's width and height, and the size it is shown at on the 1024 x 768 desktop.
  const int cases[][4] = {
      {240, 320, 576, 768}, {480, 640, 576, 768}, {320, 240, 1024, 768}, {500, 380, 1000, 760}};
  // Pauses of 20 ms until the window has changed: F11 is served while the program pauses,
  // and drawing a fullscreen window anew may take longer than one pause.
  const auto pausesUntil = [](auto done) {
    EmulatorSetPauses(TRUE);
    for (int i = 0; i < 100 && !done(); ++i) Sleep(20);
    EmulatorSetPauses(FALSE);
    return done();
  };
  for (const auto& [width, height, shownWidth, shownHeight] : cases) {
    SCOPED_TRACE(testing::Message() << width << "x" << height);
    EmulatorSetScreen(width, height, 1);
    HWND window = CreateRecordingWindow(nullptr, WS_VISIBLE, 0, 0, 10, 10);  // the desktop window shows
    for (const bool across : {true, false}) {
      HDC screen = GetDC(nullptr);
      HBRUSH brushes[2] = {CreateSolidBrush(White), CreateSolidBrush(Black)};
      for (int i = 0; i < (across ? width : height) / 2; ++i) {
        const RECT stripe = across ? RECT{2 * i, 0, 2 * i + 2, height} : RECT{0, 2 * i, width, 2 * i + 2};
        FillRect(screen, &stripe, brushes[i % 2]);
      }
      for (HBRUSH brush : brushes) DeleteObject(brush);
      ReleaseDC(nullptr, screen);
      EmulatorKey(VK_F11, FALSE);
      ASSERT_TRUE(pausesUntil([&] { return ScreenShownSize().cx == shownWidth; }));
      ScreenPresentAll();
      ASSERT_EQ(ScreenShownSize().cy, shownHeight);
      const int left = (1024 - shownWidth) / 2, top = (768 - shownHeight) / 2;
      const int length = across ? shownWidth : shownHeight;
      // Along the picture's middle: each pixel white, black or a grey between; the runs of
      // white or black (a grey counted with the colour it is nearer) and the greys.
      std::vector<int> runs{0};
      int greysInARow = 0, mostGreysInARow = 0;
      for (int i = 0, previous = -1; i < length; ++i) {
        const COLORREF pixel = across ? ScreenDesktopPixel(left + i, top + shownHeight / 2)
                                      : ScreenDesktopPixel(left + shownWidth / 2, top + i);
        const int grey = GetRValue(pixel);
        ASSERT_TRUE(GetGValue(pixel) == grey && GetBValue(pixel) == grey) << std::hex << pixel << " at " << i;
        greysInARow = grey != 0 && grey != 255 ? greysInARow + 1 : 0;
        mostGreysInARow = std::max(mostGreysInARow, greysInARow);
        if (previous >= 0 && (grey >= 128) != previous) runs.push_back(0);
        previous = grey >= 128;
        ++runs.back();
      }
      EXPECT_LE(mostGreysInARow, 1) << (across ? "across" : "down") << ": an edge blurred over more than a pixel";
      ASSERT_EQ(static_cast<int>(runs.size()), (across ? width : height) / 2);
      EXPECT_LE(std::ranges::max(runs) - std::ranges::min(runs), 1) << (across ? "across" : "down")
                                                                      << ": stripes of uneven widths";
      // Taps: the window pixel at a device pixel's middle is that device pixel.
      int missed = 0;
      for (int i = 0; i < (across ? width : height); ++i) {
        const POINT device = across ? POINT{i, height / 2} : POINT{width / 2, i};
        const POINT at = ScreenDesktopFromPoint(device);
        POINT back{-1, -1};
        missed += !ScreenPointFromDesktop(at.x, at.y, &back) || back.x != device.x || back.y != device.y;
      }
      EXPECT_EQ(missed, 0) << (across ? "across" : "down") << ": device pixels a tap at their middle misses";
      EmulatorKey(VK_F11, FALSE);
      EXPECT_TRUE(pausesUntil([&] { return ScreenShownSize().cx == width; })) << "back at its own size";
    }
    DestroyWindow(window);
  }
}

TEST_F(DrawingTest, ImagesThatWillNotLoad) {
  EXPECT_EQ(Load("/missing.gif"), nullptr);
  std::ofstream(folder + "/bad.gif") << "GIF89a but not really";
  EXPECT_EQ(Load("/bad.gif"), nullptr);
  std::ofstream(folder + "/empty.gif");
  EXPECT_EQ(Load("/empty.gif"), nullptr);
  EXPECT_EQ(SHLoadImageFile(u""), nullptr);
}

TEST_F(DrawingTest, CopiesAreOpaqueUnscaledAndCutToTheSourceAndTheClientArea) {
  HWND window = CreateRecordingWindow(nullptr, WS_VISIBLE, 50, 60, 40, 30);  // never painted: black
  HDC dc = GetDC(window);
  // Hanging over the client area's top-left corner: source pixel (10, 5) lands at its corner.
  CopyImage(dc, image, -10, -5, Side, Side, 0, 0);
  // Hanging over its bottom-right corner.
  CopyImage(dc, image, 25, 20, Side, Side, 0, 0);
  // Asking for more than the source holds: only its last 6 columns exist.
  CopyImage(dc, image, 0, 14, 10, 3, 10, 13);
  ReleaseDC(window, dc);
  EXPECT_EQ(Mismatches(RECT{40, 50, 100, 100},
                       [](int x, int y) {
                         const int cx = x - 50, cy = y - 60;
                         if (cx < 0 || cy < 0 || cx >= 40 || cy >= 30) return Black;
                         if (cx >= 25 && cy >= 20) return ImagePixel(cx - 25, cy - 20);
                         if (cy >= 14 && cy < 17 && cx < 6) return ImagePixel(cx + 10, cy - 1);
                         if (cx < 6 && cy < 11) return ImagePixel(cx + 10, cy + 5);
                         return Black;
                       }),
            0);
}

// The invalid area collects until one paint, cut to the client area. (That a paint draws
// only there is the board's paint test's part: a score repaints its field alone.)
TEST_F(DrawingTest, TheInvalidAreaCollectsUntilOnePaint) {
  RECT painted{};
  Painter = [&painted](HDC, const PAINTSTRUCT& paint) { painted = paint.rcPaint; };
  HWND window = CreateRecordingWindow(nullptr, WS_VISIBLE, 10, 10, 100, 100);
  UpdateWindow(window);  // its first paint: the whole client area
  for (const RECT& part : {RECT{32, 6, 72, 26}, RECT{82, 6, 92, 26}, RECT{0, 80, 10, 500}})
    InvalidateRect(window, &part, FALSE);
  ReceivedMessages.clear();
  UpdateWindow(window);
  EXPECT_EQ(ReceivedOf(window, WM_PAINT).size(), 1u);
  EXPECT_TRUE(Same(painted, RECT{0, 6, 92, 100}));
  UpdateWindow(window);
  EXPECT_EQ(ReceivedOf(window, WM_PAINT).size(), 1u) << "nothing invalid: no paint";
}

// Scores are drawn transparently in a field 20 pixels high, twice as large on screens of
// twice the dots per inch.
TEST_F(DrawingTest, TextIsCutToItsRectangleAndSizedForTheScreen) {
  HDC dc = GetDC(nullptr);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, White);
  RECT small{150, 100, 154, 104}, wide{20, 200, 220, 240}, field{0, 0, 200, 200};
  DrawTextW(dc, u"8888888888", -1, &small, 0);
  DrawTextW(dc, u"8888888888", 1, &wide, 0);  // only the first character
  const int inSmall = Lit(small), first = Lit(RECT{20, 200, 40, 240});
  EXPECT_TRUE(inSmall > 0 && first > 0) << inSmall << " " << first;
  EXPECT_EQ(Lit(RECT{0, 0, 240, 320}), inSmall + first);
  const int low = DrawTextW(dc, u"12", -1, &field, 0);
  ReleaseDC(nullptr, dc);
  EmulatorSetScreen(480, 640, 1);
  dc = GetDC(nullptr);
  const int high = DrawTextW(dc, u"12", -1, &field, 0);
  ReleaseDC(nullptr, dc);
  EXPECT_TRUE(low >= 12 && low <= 20) << low;
  EXPECT_NEAR(high, 2 * low, 2);
}

}  // namespace
