// The cost of drawing the board: a whole paint, and one cell drawn at once, each including
// its way to the desktop window. The skin images are the build's (MARLIX_PENTRO_RES names
// another folder); the display is SDL's headless one unless SDL_VIDEODRIVER says otherwise.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "game/board.h"
#include "game/effects.h"
#include "platform/emulator.h"
#include "platform/strsafe.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"
#include "settings/folders.h"
#include "view/board_paint.h"
#include "view/layout.h"
#include "view/skin.h"

namespace {

LRESULT BoardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC hdc = BeginPaint(window, &paint);
  PaintBoard(hdc, window);
  EndPaint(window, &paint);
  return 0;
}

// The main window on a screen of a resolution id shown at a scale, over a full board (the
// most a paint can have to draw). False when the skin will not load.
bool OpenBoard(int resolutionId, int scale) {
  static bool registered = false;
  if (!registered) {
    const char* res = std::getenv("MARLIX_PENTRO_RES");
    StringCchCopyW(ResFolder, MAX_PATH, EmulatorDevicePath(res != nullptr ? res : MARLIX_RES_DIR).c_str());
    WNDCLASSW wc{};
    wc.lpfnWndProc = BoardWndProc;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = u"BENCH";
    registered = RegisterClassW(&wc) != 0;
  }
  EmulatorSetScreen(ScreenSizes[resolutionId].cx, ScreenSizes[resolutionId].cy, scale);
  DetectLayout();
  Skin = 2;
  LoadSkin();
  hMainWnd = CreateWindowExW(0, u"BENCH", u"Bench", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
  NewGame();
  for (int cell = 0; cell < CellCount; ++cell)
    if (IsLine(cell) || IsBox(cell)) occ[cell] = cell % 3 == 0 ? OwnerUser : OwnerComputer;
  UserScore = 24;
  ComputerScore = 25;
  UpdateWindow(hMainWnd);
  return SkinImages.background != nullptr && SkinImages.horizontalLines != nullptr &&
         SkinImages.verticalLines != nullptr && SkinImages.squares != nullptr;
}

void CloseBoard() {
  DestroyWindow(hMainWnd);
  hMainWnd = nullptr;
  FreeSkin();
}

void Label(benchmark::State& state) {
  const SIZE size = ScreenSizes[state.range(0)];
  state.SetLabel(std::to_string(size.cx) + "x" + std::to_string(size.cy) + " shown at x" +
                 std::to_string(state.range(1)));
}

void BM_PaintBoard(benchmark::State& state) {
  if (!OpenBoard(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)))) {
    state.SkipWithError("the skin images did not load");
    CloseBoard();
    return;
  }
  for (auto _ : state) {
    InvalidateRect(hMainWnd, nullptr, FALSE);
    UpdateWindow(hMainWnd);
  }
  Label(state);
  CloseBoard();
}
BENCHMARK(BM_PaintBoard)->Args({0, 1})->Args({2, 2});

void BM_DrawCell(benchmark::State& state) {
  if (!OpenBoard(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)))) {
    state.SkipWithError("the skin images did not load");
    CloseBoard();
    return;
  }
  // A line, a vertical line and a box in turn.
  const int cells[] = {HorizontalLineCell(3, 3), VerticalLineCell(2, 4), BoxCell(4, 1)};
  int i = 0;
  for (auto _ : state) {
    DrawCell(cells[i]);
    i = (i + 1) % 3;
  }
  Label(state);
  CloseBoard();
}
BENCHMARK(BM_DrawCell)->Args({0, 1})->Args({2, 2});

void BM_LoadSkin(benchmark::State& state) {
  if (!OpenBoard(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)))) {
    state.SkipWithError("the skin images did not load");
    CloseBoard();
    return;
  }
  for (auto _ : state) {
    FreeSkin();
    LoadSkin();
  }
  Label(state);
  CloseBoard();
}
BENCHMARK(BM_LoadSkin)->Args({0, 1})->Args({2, 2});

}  // namespace

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  EmulatorSetPauses(FALSE);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
