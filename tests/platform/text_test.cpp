// Text in the default font: its colour, background mode, cut to its rectangle, and sized
// for the screen's dots per inch.
#include <gtest/gtest.h>

#include "platform/emulator.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"

namespace {

int Count(const RECT& area, COLORREF colour) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += EmulatorScreenPixel(x, y) == colour;
  return n;
}

int NotBlack(const RECT& area) {
  const int all = (area.right - area.left) * (area.bottom - area.top);
  return all - Count(area, RGB(0, 0, 0));
}

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);

// The screen starts black, and a screen device context draws anywhere on it.
class TextTest : public testing::Test {
 protected:
  void SetUp() override {
    EmulatorSetScreen(240, 320, 1);
    dc = GetDC(nullptr);
  }
  void TearDown() override { ReleaseDC(nullptr, dc); }
  HDC dc = nullptr;
};

TEST_F(TextTest, TransparentTextInItsColour) {
  EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);   // opaque by default
  EXPECT_EQ(SetTextColor(dc, Red), RGB(0, 0, 0));  // black by default
  RECT field{20, 30, 120, 60};
  EXPECT_GT(DrawTextW(dc, u"49", -1, &field, 0), 0);
  EXPECT_GT(Count(field, Red), 2);
  EXPECT_EQ(Count(field, White), 0);
  // Nothing outside the rectangle, and the text starts at its top-left corner.
  EXPECT_EQ(NotBlack(RECT{0, 0, 240, 30}) + NotBlack(RECT{0, 60, 240, 320}) + NotBlack(RECT{0, 30, 20, 60}) +
                NotBlack(RECT{120, 30, 240, 60}),
            0);
  EXPECT_GT(NotBlack(RECT{20, 30, 40, 50}), 0);
  EXPECT_EQ(NotBlack(RECT{60, 30, 120, 60}), 0);
}

TEST_F(TextTest, OpaqueTextFillsBehindItself) {
  SetTextColor(dc, Red);
  RECT field{20, 30, 120, 60};
  DrawTextW(dc, u"7", -1, &field, 0);
  EXPECT_GT(Count(field, Red), 2);
  EXPECT_GT(Count(field, White), 20);  // the default background colour
}

TEST_F(TextTest, CutToItsRectangle) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, White);
  RECT field{20, 30, 24, 34};
  DrawTextW(dc, u"8888888888", -1, &field, 0);
  EXPECT_EQ(NotBlack(RECT{0, 0, 240, 320}) - NotBlack(field), 0);
  // A count draws only that many characters.
  RECT wide{20, 100, 220, 140};
  DrawTextW(dc, u"8888888888", 1, &wide, 0);
  EXPECT_EQ(NotBlack(RECT{40, 100, 220, 140}), 0);
  EXPECT_EQ(DrawTextW(dc, u"", -1, &wide, 0), 0);
  EXPECT_EQ(DrawTextW(nullptr, u"1", -1, &wide, 0), 0);
}

TEST_F(TextTest, TwiceAsLargeOnHighResolutionScreens) {
  RECT field{0, 0, 200, 200};
  const int low = DrawTextW(dc, u"12", -1, &field, 0);
  ReleaseDC(nullptr, dc);
  EmulatorSetScreen(480, 640, 1);
  dc = GetDC(nullptr);
  const int high = DrawTextW(dc, u"12", -1, &field, 0);
  EXPECT_GE(low, 12);
  EXPECT_LE(low, 20);  // fits a score field 20 pixels high
  EXPECT_NEAR(high, 2 * low, 2);
}

}  // namespace
