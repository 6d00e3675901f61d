// Starting and ending the program for a test; the recorder that stands in for its sounds.
#include "tests/app/program.h"

#include <unistd.h>

#include <algorithm>

#include "app/app.h"
#include "app/resource.h"
#include "game/board.h"
#include "platform/emulator.h"
#include "platform/winuser.h"
#include "settings/settings.h"
#include "sound/sounds.h"
#include "tests/game/boards.h"
#include "tests/support/recording_window.h"
#include "tests/support/temp_config.h"
#include "view/board_paint.h"
#include "view/layout.h"
#include "view/line_cursor.h"

std::vector<Question> Questions;
int Answer = IDNO;
std::vector<Play> Plays;
POINT WatchedPixel{0, 0};

// Each sound's path is its file name alone.
WCHAR ComputerSoundPath[MAX_PATH] = u"computer.wav", PlayerSoundPath[MAX_PATH] = u"player.wav",
      BoxSoundPath[MAX_PATH] = u"box.wav", StartSoundPath[MAX_PATH] = u"start.wav",
      WinSoundPath[MAX_PATH] = u"win.wav", LoseSoundPath[MAX_PATH] = u"lose.wav";
void BuildSoundPaths() {}
void PlayEffect(LPCWSTR path) {
  Plays.push_back(Play{path, false, LinesDrawn(), EmulatorScreenPixel(WatchedPixel.x, WatchedPixel.y)});
}
void PlayEffectOnThread(LPCWSTR path) {
  Plays.push_back(Play{path, true, LinesDrawn(), EmulatorScreenPixel(WatchedPixel.x, WatchedPixel.y)});
}

std::vector<std::u16string> PlayedNames() {
  std::vector<std::u16string> names;
  for (const Play& play : Plays) names.push_back(play.name);
  return names;
}

// A session named after this test process (and shared with the copies it forks), so
// programs that other tests start meanwhile are not found. A made-up Wayland display keeps
// clear of X11, whose name would also send the session bus looking for an X server.
void ProgramTest::SetUpTestSuite() {
  unsetenv("DISPLAY");
  setenv("WAYLAND_DISPLAY", ("marlix-test-" + std::to_string(getpid())).c_str(), 1);
}

void ProgramTest::SetUp() {
  registryFile = UseTempConfig(configRoot);
  Plays.clear();
  Questions.clear();
  Answer = IDNO;
  EmulatorSetMessageBoxHook([](HWND window, LPCWSTR text, LPCWSTR caption, UINT type) {
    Questions.push_back(Question{window, text, caption, type});
    return Answer;
  });
  instance = EmulatorLoadModule(ProgramResources, ProgramResourceCount);
  hInst = instance;
  hMainWnd = nullptr;
}

void ProgramTest::TearDown() {
  Stop();
  LineCursor.shown = false;  // the next test's window starts without the mark
  EmulatorSetMessageBoxHook(nullptr);
  RemoveTempConfig(configRoot);
}

bool ProgramTest::Start(int width, int height) {
  EmulatorSetScreen(width, height, 1);
  EmulatorStartShell();
  return InitInstance(instance, SW_SHOW) != 0;
}

void ProgramTest::Stop() {
  if (IsWindow(hMainWnd)) DestroyWindow(hMainWnd);
  Pump();
  UnregisterClassW(szWindowClass, instance);
}

void ProgramTest::Pump() {
  HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCE(IDR_ACCELERATORS));
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    if (msg.message != WM_QUIT && !TranslateAcceleratorW(msg.hwnd, accelerators, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
}

void TapAt(int x, int y) {
  SendMessageW(hMainWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

void TapCell(int cell) {
  const RECT r = CellRect(BoardLayout, cell);
  TapAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

int LinesDrawn() {
  return static_cast<int>(std::ranges::count_if(AllLines(), [](int line) { return occ[line] != OwnerNone; }));
}

int QuietLine() {
  const auto sideless = [](const BoxSide& side) { return box[side.box] == 0; };
  for (int line : AllLines())
    if (occ[line] == OwnerNone && std::ranges::all_of(BoxesOf(line), sideless)) return line;
  return -1;
}

RECT OnScreen(const RECT& r) {
  const RECT client = WindowRect(hMainWnd);
  return RECT{client.left + r.left, client.top + r.top, client.left + r.right, client.top + r.bottom};
}

POINT OnScreen(POINT p) {
  const RECT r = OnScreen(RECT{p.x, p.y, p.x, p.y});
  return POINT{r.left, r.top};
}

RECT WholeScreen() { return RECT{0, 0, ScreenSizes[ResolutionId].cx, ScreenSizes[ResolutionId].cy}; }

bool InMark(int cell, LONG x, LONG y) {
  const RECT outer = OnScreen(CellRect(BoardLayout, cell)), hole = OnScreen(LineCursorHole(cell));
  const auto inside = [x, y](const RECT& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; };
  return inside(outer) && !inside(hole);
}

bool MarkColour(COLORREF c) { return c == LineCursorColour(Skin) || c == RGB(255, 255, 255) || c == RGB(0, 0, 0); }

bool MarkShown(int cell) {
  const RECT outer = OnScreen(CellRect(BoardLayout, cell));
  for (LONG y = outer.top; y < outer.bottom; ++y)
    for (LONG x = outer.left; x < outer.right; ++x)
      if (InMark(cell, x, y) && !MarkColour(EmulatorScreenPixel(x, y))) return false;
  return true;
}
