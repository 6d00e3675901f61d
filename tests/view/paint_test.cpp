// The painted board, pixel by pixel, on the emulated screen: sprites where lines and boxes
// are drawn, the background elsewhere, the scores in the skin's colour, each score field
// repainted alone when its score changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/effects.h"
#include "platform/emulator.h"
#include "platform/strsafe.h"
#include "platform/wingdi.h"
#include "settings/folders.h"
#include "tests/support/recording_window.h"
#include "tests/support/synthetic_skin.h"
#include "tests/support/temp_folder.h"
#include "view/board_paint.h"
#include "view/layout.h"
#include "view/skin.h"
#include "view/skin_names.h"

namespace {

constexpr COLORREF White = RGB(255, 255, 255), Grey = RGB(117, 122, 127);
constexpr COLORREF Anything = 0xFFFFFFFF, Background = 0xFFFFFFFE;

// A visible main window on the screen of a resolution id, erased white at its first paint
// and painted as the program paints its board, with a skin loaded from the stand-in art.
void OpenBoardWindow(int resolutionId, int skin) {
  EmulatorSetScreen(ScreenSizes[resolutionId].cx, ScreenSizes[resolutionId].cy, 1);
  DetectLayout();
  Skin = skin;
  LoadSkin();
  Painter = [](HDC dc, const PAINTSTRUCT&) { PaintBoard(dc, hMainWnd); };
  hMainWnd = CreateRecordingWindow();
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
  const SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  std::vector<COLORREF> expected(screen.cx * screen.cy, painted ? Background : White);
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
      COLORREF want = expected[y * screen.cx + x];
      if (want == Background) want = BackgroundPixel(skin, ResolutionId, x, y);
      const COLORREF shown = EmulatorScreenPixel(x, y);
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
    StringCchCopyW(ResFolder, MAX_PATH, EmulatorDevicePath(standInArt).c_str());
  }
  void TearDown() override {
    DestroyWindow(hMainWnd);
    hMainWnd = nullptr;
    FreeSkin();
    SkinImages = SkinImageHandles{};
  }
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
      const std::vector<COLORREF> scores[] = {ScreenPixels(fields[0]), ScreenPixels(fields[1])};  // 7 and 12
      for (const RECT& field : fields) {
        EXPECT_GT(std::ranges::count(ScreenPixels(field), text), 2);
        EXPECT_EQ(std::ranges::count(ScreenPixels(field), skin == 1 ? White : Grey), 0);
      }
      // After a new game only the background shows, and both fields read 0: the same glyph.
      NewGame();
      InvalidateRect(hMainWnd, nullptr, FALSE);
      UpdateWindow(hMainWnd);
      EXPECT_EQ(Mismatches(skin, true), 0);
      EXPECT_NE(ScreenPixels(fields[0]), scores[0]);
      EXPECT_EQ(std::ranges::count(ScreenPixels(fields[0]), text),
                std::ranges::count(ScreenPixels(fields[1]), text));
      // A score that changes repaints its own field and nothing else: not the other score,
      // nor a line that is in the state but was never drawn.
      const std::vector<COLORREF> zero = ScreenPixels(fields[1]);
      occ[0] = OwnerUser;
      UserScore = 7;
      ComputerScore = 12;
      InvalidateUserScore();
      UpdateWindow(hMainWnd);
      EXPECT_EQ(ScreenPixels(fields[0]), scores[0]);
      EXPECT_EQ(ScreenPixels(fields[1]), zero);
      InvalidateComputerScore();
      UpdateWindow(hMainWnd);
      EXPECT_EQ(ScreenPixels(fields[1]), scores[1]);
      occ[0] = OwnerNone;
      EXPECT_EQ(Mismatches(skin, true), 0);
      TearDown();
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
    InvalidateRect(hMainWnd, nullptr, FALSE);
    UpdateWindow(hMainWnd);
    EXPECT_EQ(Mismatches(3, false, image == &SkinImageHandles::background ? placed : std::vector<int>{}), 0);
    TearDown();
  }
}

}  // namespace
