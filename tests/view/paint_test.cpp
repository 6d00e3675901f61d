// The painted board, pixel by pixel, on the emulated screen: sprites where lines and boxes
// are drawn, the background elsewhere, the scores in the skin's colour.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "app/folders.h"
#include "app/mainwnd.h"
#include "game/board.h"
#include "game/effects.h"
#include "platform/emulator.h"
#include "platform/hostpath.h"
#include "platform/screen.h"
#include "platform/strsafe.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"
#include "tests/support/synthetic_skin.h"
#include "tests/support/temp_folder.h"
#include "view/board_paint.h"
#include "view/layout.h"
#include "view/skin.h"
#include "view/skin_names.h"

namespace {

constexpr COLORREF White = RGB(255, 255, 255), Grey = RGB(117, 122, 127), Anything = 0xFFFFFFFF;

LRESULT BoardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC hdc = BeginPaint(window, &paint);
  PaintBoard(hdc, window);
  EndPaint(window, &paint);
  return 0;
}

void UseResFolder(const std::string& folder) {
  StringCchCopyW(ResFolder, MAX_PATH, DevicePath(folder).c_str());
}

// A visible main window on the screen of a resolution id, erased white at its first paint,
// with a skin loaded from the resource folder.
void OpenBoardWindow(int resolutionId, int skin) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = BoardWndProc;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = u"BOARDTEST";
    registered = RegisterClassW(&wc) != 0;
  }
  EmulatorSetScreen(ScreenSizes[resolutionId].cx, ScreenSizes[resolutionId].cy, 1);
  DetectLayout();
  Skin = skin;
  SkinImages = SkinImageHandles{};
  LoadSkin();
  hMainWnd = CreateWindowExW(0, u"BOARDTEST", u"Board", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
}

void CloseBoardWindow() {
  DestroyWindow(hMainWnd);
  hMainWnd = nullptr;
  FreeSkin();
  SkinImages = SkinImageHandles{};
}

void PaintAll() {
  InvalidateRect(hMainWnd, nullptr, FALSE);
  UpdateWindow(hMainWnd);
}

std::vector<COLORREF> Pixels(const RECT& area) {
  std::vector<COLORREF> pixels;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) pixels.push_back(EmulatorScreenPixel(x, y));
  return pixels;
}

int CountColour(const RECT& area, COLORREF colour) {
  const std::vector<COLORREF> pixels = Pixels(area);
  return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

// Some of every kind of cell drawn by each side, among them the board's first and last
// lines and two corner boxes: lines 0 and 160 and box 140 the computer's, 153 and box 8 the user's.
void MidGame() {
  NewGame();
  first = 0;
  for (int cell = 0; cell < CellCount; ++cell)
    if (IsLine(cell) || IsBox(cell)) occ[cell] = std::array{1, -1, 0, 0, 0}[cell * 37 % 5];
  UserScore = 7;
  ComputerScore = 12;
}

// Counts the pixels that differ from what the screen should show: a painted board shows
// the skin's background with every owned cell's sprite over it (its score fields are left to
// other checks); an unpainted window shows white with only the `drawn` cells' sprites.
int Mismatches(int skin, bool painted, const std::vector<int>& drawn = {}) {
  const SIZE screen = ScreenSize();
  std::vector<COLORREF> expected;
  for (int y = 0; y < screen.cy; ++y)
    for (int x = 0; x < screen.cx; ++x)
      expected.push_back(painted ? BackgroundPixel(skin, ResolutionId, x, y) : White);
  for (const RECT& field : {UserScoreRect(BoardLayout), ComputerScoreRect(BoardLayout)})
    for (int y = field.top; painted && y < field.bottom; ++y)
      std::fill_n(expected.begin() + y * screen.cx + field.left, field.right - field.left, Anything);
  for (int cell = 0; cell < CellCount; ++cell) {
    if (occ[cell] == OwnerNone || (!painted && std::count(drawn.begin(), drawn.end(), cell) == 0)) continue;
    const SheetKind kind = IsHorizontalLine(cell) ? HorizontalSheet
                           : IsVerticalLine(cell) ? VerticalSheet
                                                  : SquaresSheet;
    const RECT r = CellRect(BoardLayout, cell);
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        expected[y * screen.cx + x] =
            SpritePixel(kind, SheetResolutionId(ResolutionId), skin, occ[cell], x - r.left, y - r.top);
  }
  int mismatches = 0;
  for (int y = 0; y < screen.cy; ++y)
    for (int x = 0; x < screen.cx; ++x) {
      const COLORREF want = expected[y * screen.cx + x], shown = EmulatorScreenPixel(x, y);
      if (want != Anything && shown != want && ++mismatches <= 3)
        ADD_FAILURE() << "(" << x << ", " << y << ") shows " << std::hex << shown << " not " << want;
    }
  return mismatches;
}

struct PaintTest : testing::Test {
  void SetUp() override {
    static const std::string standInArt = [] {  // written once per test program
      const std::string made = MakeTempFolder();
      return WriteSyntheticSkins(made) ? made : std::string();
    }();
    ASSERT_FALSE(standInArt.empty());
    UseResFolder(standInArt);
  }
  void TearDown() override { CloseBoardWindow(); }
};

TEST_F(PaintTest, EveryScreenSizeAndSkinShowsItsBoardAndScores) {
  for (int id = 0; id < ResolutionCount; ++id)
    for (int skin : {id, (id + 3) % 6}) {  // every skin twice, skin 1 on 480 x 640 and 640 x 480
      SCOPED_TRACE(testing::Message() << "id " << id << " skin " << skin);
      OpenBoardWindow(id, skin);
      MidGame();
      UpdateWindow(hMainWnd);
      EXPECT_EQ(Mismatches(skin, true), 0);
      const COLORREF text = skin == 1 ? Grey : White;
      const RECT fields[] = {UserScoreRect(BoardLayout), ComputerScoreRect(BoardLayout)};
      for (const RECT& field : fields) {
        EXPECT_GT(CountColour(field, text), 2);
        EXPECT_EQ(CountColour(field, skin == 1 ? White : Grey), 0);
      }
      // After a new game only the background shows, and both fields read 0: the same glyph.
      const std::vector<COLORREF> seven = Pixels(fields[0]);
      NewGame();
      PaintAll();
      EXPECT_EQ(Mismatches(skin, true), 0);
      EXPECT_NE(Pixels(fields[0]), seven);
      EXPECT_EQ(CountColour(fields[0], text), CountColour(fields[1], text));
      CloseBoardWindow();
    }
}

// While any image is missing a paint draws nothing, not even the scores. DrawCell needs the
// three sheets only: without the background it still draws each placed cell, at once, and
// a cell nobody owns is neither drawn nor erased.
TEST_F(PaintTest, MissingImagesStopPaintingAndMissingSheetsStopDrawCell) {
  for (HBITMAP SkinImageHandles::*image : {&SkinImageHandles::background, &SkinImageHandles::horizontalLines,
                                           &SkinImageHandles::verticalLines, &SkinImageHandles::squares}) {
    OpenBoardWindow(4, 3);
    DeleteObject(SkinImages.*image);
    SkinImages.*image = nullptr;
    MidGame();
    UpdateWindow(hMainWnd);
    EXPECT_EQ(Mismatches(3, false), 0);
    const std::vector<int> placed = {0, 153, 140, 8, 1};  // cell 1 is nobody's
    for (int cell : placed) DrawCell(cell);
    PaintAll();
    const bool sheets = image == &SkinImageHandles::background;
    EXPECT_EQ(Mismatches(3, false, sheets ? placed : std::vector<int>{}), 0);
    if (sheets) {  // shown on the desktop at once, not only in the framebuffer
      const RECT box = CellRect(BoardLayout, 8);
      EXPECT_EQ(ScreenDesktopPixel(box.left * ScreenScale(), box.top * ScreenScale()),
                SpritePixel(SquaresSheet, 4, 3, OwnerUser, 0, 0));
    }
    CloseBoardWindow();
  }
}

// A taken box repaints only the scorer's field: the rest of the window keeps what it shows.
TEST_F(PaintTest, ScoreInvalidationRepaintsOnlyThatField) {
  OpenBoardWindow(0, 1);
  NewGame();
  UpdateWindow(hMainWnd);
  const std::vector<COLORREF> userZero = Pixels(UserScoreRect(BoardLayout));
  const std::vector<COLORREF> computerZero = Pixels(ComputerScoreRect(BoardLayout));
  occ[0] = OwnerUser;  // in the state, never drawn
  UserScore = 8;
  ComputerScore = 3;
  InvalidateUserScore();
  UpdateWindow(hMainWnd);
  EXPECT_NE(Pixels(UserScoreRect(BoardLayout)), userZero);
  EXPECT_EQ(Pixels(ComputerScoreRect(BoardLayout)), computerZero);
  InvalidateComputerScore();
  UpdateWindow(hMainWnd);
  EXPECT_NE(Pixels(ComputerScoreRect(BoardLayout)), computerZero);
  occ[0] = OwnerNone;
  EXPECT_EQ(Mismatches(1, true), 0);
}

}  // namespace
