// Board pictures for people: paints one mid-game board through the game's own drawing in
// every skin and screen size and saves each as a PNG file, with no display needed. Or shows
// one of them in the desktop window for a while.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "game/board.h"
#include "game/effects.h"
#include "game/opponent.h"
#include "platform/emulator.h"
#include "platform/strsafe.h"
#include "platform/winbase.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"
#include "settings/folders.h"
#include "view/board_paint.h"
#include "view/layout.h"
#include "view/skin.h"
#include "view/skin_names.h"

namespace {

LRESULT BoardWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: LoadSkin(); return 0;
    case WM_DESTROY: FreeSkin(); return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC hdc = BeginPaint(window, &paint);
      PaintBoard(hdc, window);
      EndPaint(window, &paint);
      return 0;
    }
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

// The resource folder beside the program, as the game finds it.
void FindResFolder() {
  GetModuleFileNameW(nullptr, ProgramFolder, MAX_PATH);
  for (WCHAR* p = ProgramFolder + std::char_traits<char16_t>::length(ProgramFolder); p != ProgramFolder; --p)
    if (*(p - 1) == u'\\') {
      *(p - 1) = 0;
      break;
    }
  StringCchCopyW(ResFolder, MAX_PATH, ProgramFolder);
  StringCchCatW(ResFolder, MAX_PATH, u"\\res");
}

int Sides(int boxCell) { return __builtin_popcount(static_cast<unsigned>(box[boxCell]) & 15u); }

// Would drawing this line leave a box with three sides for the other side to take?
bool GivesAway(int cell) {
  const int row = cell / RowStride, col = cell % RowStride;
  if (IsHorizontalLine(cell))
    return (row >= 1 && Sides(BoxCell(row - 1, col)) == 2) || (row <= 6 && Sides(BoxCell(row, col)) == 2);
  return (col > 7 && Sides(cell - 1) == 2) || (col < 21 && Sides(cell + 1) == 2);
}

// A fair player: takes a box when it can, else draws a random line that gives nothing away
// while there is one.
int PlayerLine() {
  for (int b = 0; b < CellCount; ++b)
    if (IsBox(b) && Sides(b) == 3)
      for (int side : {TopSide(b), LeftSide(b), RightSide(b), BottomSide(b)})
        if (occ[side] == OwnerNone) return side;
  const int start = handheld::rand() % CellCount;
  int fallback = -1;
  for (int i = 0; i < CellCount; ++i) {
    const int cell = (start + i) % CellCount;
    if (!IsLine(cell) || occ[cell] != OwnerNone) continue;
    if (!GivesAway(cell)) return cell;
    if (fallback < 0) fallback = cell;
  }
  return fallback;
}

// A game half played, the same every time: the computer against the fair player, until
// both sides have taken boxes.
void PlayHalfAGame() {
  NewGame();
  ComputerTurn();
  while (UserScore + ComputerScore < 16 || UserScore < 4 || ComputerScore < 4) {
    const int cell = PlayerLine();
    if (cell < 0) break;
    PlaceLine(cell);
    if (f != 0) ComputerTurn();
  }
}

HWND OpenBoard(int resolutionId, int skin, int scale) {
  EmulatorSetScreen(ScreenSizes[resolutionId].cx, ScreenSizes[resolutionId].cy, scale);
  DetectLayout();
  Skin = skin;
  hMainWnd = CreateWindowExW(0, u"BOARDSHOT", u"Marlix Pentro", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
  UpdateWindow(hMainWnd);
  return hMainWnd;
}

std::string Narrow(LPCWSTR text) {
  std::string s;
  for (; *text != 0; ++text) s += static_cast<char>(*text);
  return s;
}

int Usage() {
  std::fprintf(stderr,
               "usage: boardshot FOLDER                 every skin and screen size as PNG files\n"
               "       boardshot --show SKIN WxH SECONDS  one board in the desktop window\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 5 && std::strcmp(argv[1], "--show") == 0)) return Usage();
  // Pictures need no display: the headless one serves wherever the program runs.
  if (argc == 2) setenv("SDL_VIDEODRIVER", "dummy", 1);
  EmulatorSetPauses(FALSE);
  FindResFolder();
  WNDCLASSW wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = BoardWndProc;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = u"BOARDSHOT";
  RegisterClassW(&wc);
  PlayHalfAGame();

  if (argc == 5) {
    int width = 0, height = 0;
    const int skin = std::atoi(argv[2]);
    if (skin < 0 || skin >= SkinCount || std::sscanf(argv[3], "%dx%d", &width, &height) != 2) return Usage();
    HWND window = OpenBoard(ResolutionIdFor(width, height), skin, 0);
    EmulatorSetPauses(TRUE);
    Sleep(static_cast<DWORD>(std::atoi(argv[4]) * 1000));
    DestroyWindow(window);
    return 0;
  }

  std::error_code ignored;
  std::filesystem::create_directories(argv[1], ignored);
  int failures = 0;
  for (int id = 0; id < ResolutionCount; ++id)
    for (int skin = 0; skin < SkinCount; ++skin) {
      HWND window = OpenBoard(id, skin, 1);
      if (SkinImages.background == nullptr || SkinImages.horizontalLines == nullptr ||
          SkinImages.verticalLines == nullptr || SkinImages.squares == nullptr) {
        std::fprintf(stderr, "boardshot: skin %d for %s is missing images in %s\n", skin,
                     Narrow(BackgroundSuffix(id)).c_str(), Narrow(ResFolder).c_str());
        ++failures;
      }
      // "\skin3_" + "800x480.gif" gives skin3_800x480.png
      std::string name = Narrow(SkinPrefix(skin)).substr(1) + Narrow(BackgroundSuffix(id));
      name.replace(name.size() - 3, 3, "png");
      const std::string path = std::string(argv[1]) + "/" + name;
      if (!EmulatorSaveScreenshot(path.c_str())) {
        std::fprintf(stderr, "boardshot: cannot write %s\n", path.c_str());
        ++failures;
      }
      DestroyWindow(window);
    }
  return failures == 0 ? 0 : 1;
}
