// The painted board, pixel by pixel, on the emulated screen: sprites where lines and boxes
// are drawn, the background elsewhere, the scores in the skin's colour.
#include <gtest/gtest.h>

#include <vector>

#include "app/mainwnd.h"
#include "game/board.h"
#include "game/effects.h"
#include "platform/emulator.h"
#include "platform/screen.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"
#include "tests/support/synthetic_skin.h"
#include "tests/view/board_window.h"
#include "view/board_paint.h"
#include "view/layout.h"
#include "view/skin.h"
#include "view/skin_names.h"

namespace {

bool Inside(const RECT& r, int x, int y) { return r.left <= x && x < r.right && r.top <= y && y < r.bottom; }

SheetKind KindOf(int cell) {
  if (IsHorizontalLine(cell)) return HorizontalSheet;
  if (IsVerticalLine(cell)) return VerticalSheet;
  return SquaresSheet;
}

// Some of every kind of cell drawn by each side, the corners of the board among them.
void MidGame() {
  NewGame();
  first = 0;
  for (int cell = 0; cell < CellCount; ++cell) {
    if (!IsLine(cell) && !IsBox(cell)) continue;
    const int pick = cell * 37 % 5;
    occ[cell] = pick == 0 ? OwnerComputer : pick == 1 ? OwnerUser : OwnerNone;
  }
  occ[0] = OwnerComputer;
  occ[7] = OwnerUser;
  occ[BoxCell(0, 0)] = OwnerUser;
  occ[160] = OwnerUser;
  occ[153] = OwnerComputer;
  occ[BoxCell(6, 6)] = OwnerComputer;
  UserScore = 7;
  ComputerScore = 12;
}

// What a pixel of the client area should show, or false inside a score field.
bool ExpectedPixel(int skin, int x, int y, COLORREF* colour) {
  if (Inside(UserScoreRect(BoardLayout), x, y) || Inside(ComputerScoreRect(BoardLayout), x, y)) return false;
  *colour = BackgroundPixel(skin, ResolutionId, x, y);
  for (int cell = 0; cell < CellCount; ++cell) {
    if ((!IsLine(cell) && !IsBox(cell)) || occ[cell] == OwnerNone) continue;
    const RECT r = CellRect(BoardLayout, cell);
    if (Inside(r, x, y))
      *colour =
          SpritePixel(KindOf(cell), SheetResolutionId(ResolutionId), skin, occ[cell], x - r.left, y - r.top);
  }
  return true;
}

// Compares the whole screen outside the score fields with the board that should show.
int BoardMismatches(int skin) {
  const SIZE screen = ScreenSize();
  int mismatches = 0;
  for (int y = 0; y < screen.cy; ++y)
    for (int x = 0; x < screen.cx; ++x) {
      COLORREF expected;
      if (!ExpectedPixel(skin, x, y, &expected)) continue;
      const COLORREF shown = EmulatorScreenPixel(x, y);
      if (shown != expected && ++mismatches <= 3)
        ADD_FAILURE() << "(" << x << ", " << y << ") shows " << std::hex << shown << " not " << expected;
    }
  return mismatches;
}

int CountColour(const RECT& area, COLORREF colour) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += EmulatorScreenPixel(x, y) == colour;
  return count;
}

std::vector<COLORREF> Pixels(const RECT& area) {
  std::vector<COLORREF> pixels;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) pixels.push_back(EmulatorScreenPixel(x, y));
  return pixels;
}

bool AllWhite() {
  const SIZE screen = ScreenSize();
  return CountColour(RECT{0, 0, screen.cx, screen.cy}, RGB(255, 255, 255)) == screen.cx * screen.cy;
}

class PaintTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(StandInArt().empty());
    UseResFolder(StandInArt());
  }
  void TearDown() override { CloseBoardWindow(); }
};

TEST_F(PaintTest, EveryScreenSizeAndSkinShowsItsBoard) {
  for (int id = 0; id < ResolutionCount; ++id)
    for (int skin : {id, (id + 3) % 6}) {
      OpenBoardWindow(id, skin);
      MidGame();
      UpdateWindow(hMainWnd);
      EXPECT_EQ(BoardMismatches(skin), 0) << "id " << id << " skin " << skin;
      CloseBoardWindow();
    }
}

TEST_F(PaintTest, NewGameShowsOnlyTheBackgroundAndZeroScores) {
  OpenBoardWindow(1, 4);
  MidGame();
  UpdateWindow(hMainWnd);
  const std::vector<COLORREF> scoresTwelve = Pixels(ComputerScoreRect(BoardLayout));
  NewGame();
  PaintAll();
  EXPECT_EQ(BoardMismatches(4), 0);
  // Both fields read 0: the same glyph in white.
  EXPECT_GT(CountColour(UserScoreRect(BoardLayout), RGB(255, 255, 255)), 10);
  EXPECT_EQ(CountColour(UserScoreRect(BoardLayout), RGB(255, 255, 255)),
            CountColour(ComputerScoreRect(BoardLayout), RGB(255, 255, 255)));
  EXPECT_NE(Pixels(ComputerScoreRect(BoardLayout)), scoresTwelve);
}

TEST_F(PaintTest, ScoresAreDrawnInTheSkinsColour) {
  for (int skin : {0, 1, 5}) {
    OpenBoardWindow(0, skin);
    MidGame();
    UpdateWindow(hMainWnd);
    const COLORREF colour = skin == 1 ? RGB(117, 122, 127) : RGB(255, 255, 255);
    const COLORREF other = skin == 1 ? RGB(255, 255, 255) : RGB(117, 122, 127);
    for (const RECT& field : {UserScoreRect(BoardLayout), ComputerScoreRect(BoardLayout)}) {
      EXPECT_GT(CountColour(field, colour), 2) << "skin " << skin;
      EXPECT_EQ(CountColour(field, other), 0) << "skin " << skin;
    }
    CloseBoardWindow();
  }
}

TEST_F(PaintTest, PaintsNothingWhileAnyImageIsMissing) {
  HBITMAP SkinImageHandles::*images[] = {&SkinImageHandles::background, &SkinImageHandles::horizontalLines,
                                         &SkinImageHandles::verticalLines, &SkinImageHandles::squares};
  for (auto image : images) {
    OpenBoardWindow(0, 0);
    DeleteObject(SkinImages.*image);
    SkinImages.*image = nullptr;
    MidGame();
    UpdateWindow(hMainWnd);  // the first paint erases to the class's white, then draws nothing
    EXPECT_TRUE(AllWhite());
    CloseBoardWindow();
  }
}

TEST_F(PaintTest, DrawCellDrawsAtOnceWithOnlyTheSheets) {
  OpenBoardWindow(4, 3);
  DeleteObject(SkinImages.background);
  SkinImages.background = nullptr;
  NewGame();
  UpdateWindow(hMainWnd);
  ASSERT_TRUE(AllWhite());

  occ[HorizontalLineCell(3, 2)] = OwnerComputer;
  DrawCell(HorizontalLineCell(3, 2));
  occ[VerticalLineCell(0, 7)] = OwnerUser;
  DrawCell(VerticalLineCell(0, 7));
  occ[BoxCell(6, 0)] = OwnerUser;
  DrawCell(BoxCell(6, 0));
  DrawCell(HorizontalLineCell(0, 0));  // nobody's: nothing is drawn, nothing erased
  PaintAll();                          // paints nothing while the background is missing

  const SIZE screen = ScreenSize();
  int mismatches = 0;
  for (int y = 0; y < screen.cy; ++y)
    for (int x = 0; x < screen.cx; ++x) {
      COLORREF expected = RGB(255, 255, 255);
      for (int cell : {HorizontalLineCell(3, 2), VerticalLineCell(0, 7), BoxCell(6, 0)}) {
        const RECT r = CellRect(BoardLayout, cell);
        if (Inside(r, x, y)) expected = SpritePixel(KindOf(cell), 4, 3, occ[cell], x - r.left, y - r.top);
      }
      mismatches += EmulatorScreenPixel(x, y) != expected;
    }
  EXPECT_EQ(mismatches, 0);
  // Shown on the desktop at once, not only in the framebuffer.
  const RECT box = CellRect(BoardLayout, BoxCell(6, 0));
  EXPECT_EQ(ScreenDesktopPixel(box.left * ScreenScale(), box.top * ScreenScale()),
            SpritePixel(SquaresSheet, 4, 3, OwnerUser, 0, 0));
}

TEST_F(PaintTest, DrawCellNeedsAllThreeSheets) {
  HBITMAP SkinImageHandles::*sheets[] = {&SkinImageHandles::horizontalLines, &SkinImageHandles::verticalLines,
                                         &SkinImageHandles::squares};
  for (auto sheet : sheets) {
    OpenBoardWindow(0, 0);
    NewGame();
    DeleteObject(SkinImages.background);
    SkinImages.background = nullptr;
    DeleteObject(SkinImages.*sheet);
    SkinImages.*sheet = nullptr;
    UpdateWindow(hMainWnd);
    for (int cell : {0, 7, 8}) {
      occ[cell] = OwnerComputer;
      DrawCell(cell);
    }
    EXPECT_TRUE(AllWhite());
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

  occ[HorizontalLineCell(0, 0)] = OwnerUser;  // in the state, never drawn
  UserScore = 8;
  ComputerScore = 3;
  InvalidateUserScore();
  UpdateWindow(hMainWnd);
  EXPECT_NE(Pixels(UserScoreRect(BoardLayout)), userZero);
  EXPECT_EQ(Pixels(ComputerScoreRect(BoardLayout)), computerZero);
  const RECT line = CellRect(BoardLayout, HorizontalLineCell(0, 0));
  EXPECT_EQ(EmulatorScreenPixel(line.left, line.top), BackgroundPixel(1, 0, line.left, line.top));

  InvalidateComputerScore();
  UpdateWindow(hMainWnd);
  EXPECT_NE(Pixels(ComputerScoreRect(BoardLayout)), computerZero);
  EXPECT_EQ(EmulatorScreenPixel(line.left, line.top), BackgroundPixel(1, 0, line.left, line.top));

  // A whole repaint catches up with the state.
  PaintAll();
  EXPECT_EQ(BoardMismatches(1), 0);
}

TEST_F(PaintTest, PlayedMovesAreDrawnAsTheyHappen) {
  OpenBoardWindow(1, 0);
  NewGame();
  UpdateWindow(hMainWnd);
  // The four sides of the top-left box: the last one closes it for the user.
  f = 0;
  PlaceLine(HorizontalLineCell(0, 0));
  f = 0;
  PlaceLine(VerticalLineCell(0, 0));
  f = 0;
  PlaceLine(VerticalLineCell(0, 1));
  f = 0;
  PlaceLine(HorizontalLineCell(1, 0));
  EXPECT_EQ(occ[BoxCell(0, 0)], OwnerUser);
  EXPECT_EQ(UserScore, 1);
  // Everything but the score is on the screen before any paint.
  EXPECT_EQ(BoardMismatches(0), 0);
}

}  // namespace

namespace {

// The pixels of a rectangle of an image, copied to the screen's corner to be read.
std::vector<COLORREF> ImagePixels(HBITMAP image, const RECT& from) {
  HDC dc = GetDC(hMainWnd);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(memory, image);
  BitBlt(dc, 0, 0, from.right - from.left, from.bottom - from.top, memory, from.left, from.top, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  ReleaseDC(hMainWnd, dc);
  return Pixels(RECT{0, 0, from.right - from.left, from.bottom - from.top});
}

RECT SourceRect(int cell, int32_t owner) {
  const RECT to = CellRect(BoardLayout, cell);
  const POINT at = CellSource(cell, owner);
  return RECT{at.x, at.y, at.x + to.right - to.left, at.y + to.bottom - to.top};
}

// The build's own artwork: a drawn cell shows its sheet cell, an undrawn one the background.
TEST(RealArtwork, CellsShowTheirSheetCells) {
  UseResFolder(MARLIX_RES_DIR);
  for (int id = 0; id < ResolutionCount; ++id) {
    const int skin = (id + 1) % 6;
    OpenBoardWindow(id, skin);
    ASSERT_NE(SkinImages.background, nullptr) << "id " << id;
    ASSERT_NE(SkinImages.squares, nullptr) << "id " << id;
    NewGame();
    const int line = HorizontalLineCell(2, 3), column = VerticalLineCell(4, 7), taken = BoxCell(6, 2);
    const int empty = VerticalLineCell(1, 1);
    occ[line] = OwnerComputer;
    occ[column] = OwnerUser;
    occ[taken] = OwnerComputer;
    UpdateWindow(hMainWnd);
    const std::vector<COLORREF> lineShown = Pixels(CellRect(BoardLayout, line));
    const std::vector<COLORREF> columnShown = Pixels(CellRect(BoardLayout, column));
    const std::vector<COLORREF> takenShown = Pixels(CellRect(BoardLayout, taken));
    const std::vector<COLORREF> emptyShown = Pixels(CellRect(BoardLayout, empty));
    EXPECT_EQ(lineShown, ImagePixels(SkinImages.horizontalLines, SourceRect(line, OwnerComputer)))
        << "id " << id;
    EXPECT_EQ(columnShown, ImagePixels(SkinImages.verticalLines, SourceRect(column, OwnerUser)))
        << "id " << id;
    EXPECT_EQ(takenShown, ImagePixels(SkinImages.squares, SourceRect(taken, OwnerComputer))) << "id " << id;
    EXPECT_EQ(emptyShown, ImagePixels(SkinImages.background, CellRect(BoardLayout, empty))) << "id " << id;
    EXPECT_NE(lineShown, ImagePixels(SkinImages.background, CellRect(BoardLayout, line))) << "id " << id;
    CloseBoardWindow();
  }
}

}  // namespace
