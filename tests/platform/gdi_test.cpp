// Bitmaps from image files, memory device contexts and the opaque copy: what lands where,
// and what the copy is cut to.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/aygshell.h"
#include "platform/emulator.h"
#include "platform/hostpath.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"
#include "tests/support/gif_file.h"
#include "tests/support/temp_folder.h"

namespace {

// Every pixel of the test image has a colour of its own.
constexpr int ImageWidth = 16, ImageHeight = 16;
COLORREF ImagePixel(int x, int y) { return RGB(static_cast<BYTE>(16 * x), static_cast<BYTE>(16 * y), 100); }

HBITMAP painted = nullptr;  // what the test window copies over its whole client area

LRESULT CopyingWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(memory, painted);
  BitBlt(dc, 0, 0, ImageWidth, ImageHeight, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  EndPaint(window, &paint);
  return 0;
}

class GdiTest : public testing::Test {
 protected:
  void SetUp() override {
    EmulatorSetScreen(240, 320, 1);  // a fresh, black screen
    folder = MakeTempFolder();
    std::vector<COLORREF> pixels;
    for (int y = 0; y < ImageHeight; ++y)
      for (int x = 0; x < ImageWidth; ++x) pixels.push_back(ImagePixel(x, y));
    ASSERT_TRUE(WriteGif(folder + "/image.gif", ImageWidth, ImageHeight, pixels));
    image = Load("/image.gif");
    ASSERT_NE(image, nullptr);
    static bool registered = false;
    if (!registered) {
      WNDCLASSW wc{};
      wc.lpfnWndProc = CopyingWndProc;
      wc.lpszClassName = u"COPIER";
      registered = RegisterClassW(&wc) != 0;
    }
  }
  void TearDown() override {
    for (HWND w : windows) DestroyWindow(w);
    DeleteObject(image);
  }
  HBITMAP Load(const std::string& name) { return SHLoadImageFile(DevicePath(folder + name).c_str()); }
  HWND Window(int x, int y, int width, int height) {
    windows.push_back(CreateWindowExW(0, u"COPIER", u"", WS_VISIBLE, x, y, width, height, nullptr, nullptr,
                                      nullptr, nullptr));
    return windows.back();
  }
  // Copies the image into a window's device context outside a paint.
  void CopyImage(HWND window, int x, int y, int width, int height, int sourceX, int sourceY) {
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, image);
    EXPECT_TRUE(BitBlt(dc, x, y, width, height, memory, sourceX, sourceY, SRCCOPY));
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(window, dc);
  }

  std::string folder;
  HBITMAP image = nullptr;
  std::vector<HWND> windows;
};

// Checks the screen area against a function of the screen position: the image's pixel, or
// black where nothing may have landed.
template <typename Expected>
int Mismatches(const RECT& area, Expected expected) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (EmulatorScreenPixel(x, y) != expected(x, y) && ++count <= 3)
        ADD_FAILURE() << "(" << x << ", " << y << ") shows " << std::hex << EmulatorScreenPixel(x, y);
  return count;
}

TEST_F(GdiTest, ImagesThatWillNotLoad) {
  EXPECT_EQ(Load("/missing.gif"), nullptr);
  std::ofstream(folder + "/bad.gif") << "GIF89a but not really";
  EXPECT_EQ(Load("/bad.gif"), nullptr);
  std::ofstream(folder + "/empty.gif");
  EXPECT_EQ(Load("/empty.gif"), nullptr);
  EXPECT_EQ(SHLoadImageFile(nullptr), nullptr);
  EXPECT_EQ(SHLoadImageFile(u""), nullptr);
}

TEST_F(GdiTest, CopiesAreOpaqueAndUnscaled) {
  HWND window = Window(0, 0, 240, 320);
  CopyImage(window, 100, 50, ImageWidth, ImageHeight, 0, 0);
  EXPECT_EQ(Mismatches(RECT{90, 40, 140, 80},
                       [](int x, int y) {
                         const bool in = x >= 100 && x < 100 + ImageWidth && y >= 50 && y < 50 + ImageHeight;
                         return in ? ImagePixel(x - 100, y - 50) : RGB(0, 0, 0);
                       }),
            0);
  // A part of the source, from inside it.
  CopyImage(window, 0, 0, 5, 4, 11, 12);
  EXPECT_EQ(
      Mismatches(RECT{0, 0, 8, 8},
                 [](int x, int y) { return x < 5 && y < 4 ? ImagePixel(x + 11, y + 12) : RGB(0, 0, 0); }),
      0);
}

TEST_F(GdiTest, CopiesAreCutToTheSourceAndTheClientArea) {
  HWND window = Window(50, 60, 40, 30);  // client area (50, 60) to (90, 90) on the screen
  // Hanging over the client area's top-left corner: source pixel (10, 5) lands at its corner.
  CopyImage(window, -10, -5, ImageWidth, ImageHeight, 0, 0);
  // Hanging over its bottom-right corner.
  CopyImage(window, 25, 20, ImageWidth, ImageHeight, 0, 0);
  // Asking for more than the source holds: only its last 6 columns exist.
  CopyImage(window, 0, 14, 10, 3, 10, 13);
  EXPECT_EQ(Mismatches(RECT{40, 50, 100, 100},
                       [](int x, int y) {
                         const int cx = x - 50, cy = y - 60;
                         if (cx < 0 || cy < 0 || cx >= 40 || cy >= 30) return RGB(0, 0, 0);
                         if (cx >= 25 && cy >= 20) return ImagePixel(cx - 25, cy - 20);
                         if (cy >= 14 && cy < 17 && cx < 6) return ImagePixel(cx + 10, cy - 1);
                         if (cx < 6 && cy < 11) return ImagePixel(cx + 10, cy + 5);
                         return RGB(0, 0, 0);
                       }),
            0);
  HDC dc = GetDC(window);
  HDC memory = CreateCompatibleDC(dc);
  EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, memory, 0, 0, 0x00EE0086));  // only SRCCOPY is offered
  EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
  DeleteDC(memory);
  ReleaseDC(window, dc);
}

// Inside a paint, output lands only in the invalid area, even from a paint of the whole.
TEST_F(GdiTest, PaintsAreCutToTheInvalidArea) {
  painted = image;
  HWND window = Window(10, 10, 100, 100);
  const RECT part{5, 6, 12, 9};
  UpdateWindow(window);            // its first paint: the whole client area
  EmulatorSetScreen(240, 320, 1);  // black again; the window keeps its place
  InvalidateRect(window, &part, FALSE);
  UpdateWindow(window);
  EXPECT_EQ(Mismatches(RECT{0, 0, 60, 60},
                       [](int x, int y) {
                         const int cx = x - 10, cy = y - 10;
                         return cx >= 5 && cx < 12 && cy >= 6 && cy < 9 ? ImagePixel(cx, cy) : RGB(0, 0, 0);
                       }),
            0);
  painted = nullptr;
}

TEST_F(GdiTest, BitmapsBetweenDeviceContexts) {
  HDC screen = GetDC(nullptr);
  HDC first = CreateCompatibleDC(screen);
  HDC second = CreateCompatibleDC(screen);
  HGDIOBJ stock = SelectObject(first, image);
  EXPECT_NE(stock, nullptr);
  EXPECT_EQ(SelectObject(second, image), nullptr);  // one device context at a time
  EXPECT_FALSE(DeleteObject(image));                // still selected
  EXPECT_EQ(SelectObject(nullptr, image), nullptr);
  EXPECT_EQ(SelectObject(screen, image), nullptr);  // only memory device contexts take bitmaps

  // Memory to memory: the image into a second image, cut to the target's size.
  HBITMAP target = Load("/image.gif");
  ASSERT_NE(target, nullptr);
  SelectObject(second, target);
  EXPECT_TRUE(BitBlt(second, 10, 6, ImageWidth, ImageHeight, first, 0, 0, SRCCOPY));
  EXPECT_TRUE(BitBlt(screen, 0, 0, ImageWidth, ImageHeight, second, 0, 0, SRCCOPY));
  EXPECT_EQ(Mismatches(RECT{0, 0, ImageWidth, ImageHeight},
                       [](int x, int y) {
                         return x >= 10 && y >= 6 ? ImagePixel(x - 10, y - 6) : ImagePixel(x, y);
                       }),
            0);

  EXPECT_EQ(SelectObject(first, stock), image);
  EXPECT_TRUE(DeleteObject(image));
  image = Load("/image.gif");
  DeleteDC(second);  // deleting the device context frees its bitmap
  EXPECT_TRUE(DeleteObject(target));
  DeleteDC(first);
  ReleaseDC(nullptr, screen);
  EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH)));  // stock objects stay
  EXPECT_NE(GetStockObject(WHITE_BRUSH), nullptr);
}

// A file loaded again is not decoded again, yet each load behaves as a bitmap of its own,
// and a file whose bytes changed is decoded anew.
TEST_F(GdiTest, ImagesLoadedAgainAreTheirOwn) {
  HBITMAP again = Load("/image.gif");
  ASSERT_NE(again, nullptr);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ stock = SelectObject(memory, again);
  HDC other = CreateCompatibleDC(screen);
  SelectObject(other, image);
  EXPECT_TRUE(BitBlt(memory, 0, 0, 4, 4, other, 8, 8, SRCCOPY));  // into the second load only
  EXPECT_TRUE(BitBlt(screen, 0, 0, ImageWidth, ImageHeight, other, 0, 0, SRCCOPY));
  EXPECT_EQ(Mismatches(RECT{0, 0, ImageWidth, ImageHeight}, ImagePixel), 0);
  EXPECT_TRUE(BitBlt(screen, 0, 0, ImageWidth, ImageHeight, memory, 0, 0, SRCCOPY));
  EXPECT_EQ(Mismatches(RECT{0, 0, 4, 4}, [](int x, int y) { return ImagePixel(x + 8, y + 8); }), 0);
  SelectObject(memory, stock);
  SelectObject(other, stock);
  EXPECT_TRUE(DeleteObject(again));

  std::vector<COLORREF> flipped;
  for (int y = 0; y < ImageHeight; ++y)
    for (int x = 0; x < ImageWidth; ++x) flipped.push_back(ImagePixel(ImageWidth - 1 - x, y));
  ASSERT_TRUE(WriteGif(folder + "/image.gif", ImageWidth, ImageHeight, flipped));
  HBITMAP changed = Load("/image.gif");
  SelectObject(memory, changed);
  EXPECT_TRUE(BitBlt(screen, 0, 0, ImageWidth, ImageHeight, memory, 0, 0, SRCCOPY));
  EXPECT_EQ(Mismatches(RECT{0, 0, ImageWidth, ImageHeight},
                       [](int x, int y) { return ImagePixel(ImageWidth - 1 - x, y); }),
            0);
  SelectObject(memory, stock);
  EXPECT_TRUE(DeleteObject(changed));
  DeleteDC(memory);
  DeleteDC(other);
  ReleaseDC(nullptr, screen);
}

}  // namespace
