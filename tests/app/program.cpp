// Starting and ending the program for a test.
#include "tests/app/program.h"

#include "app/app.h"
#include "app/mainwnd.h"
#include "app/resource.h"
#include "game/board.h"
#include "platform/emulator.h"
#include "platform/winuser.h"
#include "tests/app/sound_recorder.h"
#include "tests/game/boards.h"
#include "tests/support/temp_config.h"
#include "view/layout.h"

std::vector<Question> Questions;
int Answer = IDNO;

namespace {

int AnswerQuestion(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
  Questions.push_back(Question{owner, text, caption, type});
  return Answer;
}

}  // namespace

void ProgramTest::SetUp() {
  registryFile = UseTempConfig(configRoot);
  EmulatorSetScreen(480, 640, 1);
  EmulatorStartShell();
  Plays.clear();
  Questions.clear();
  Answer = IDNO;
  EmulatorSetMessageBoxHook(AnswerQuestion);
  instance = EmulatorLoadModule(ProgramResources, ProgramResourceCount);
  hInst = instance;
  hMainWnd = nullptr;
}

void ProgramTest::TearDown() {
  if (IsWindow(hMainWnd)) DestroyWindow(hMainWnd);
  Pump();
  UnregisterClassW(szWindowClass, instance);
  EmulatorSetMessageBoxHook(nullptr);
  RemoveTempConfig(configRoot);
}

bool ProgramTest::Start() { return InitInstance(instance, SW_SHOW) != 0; }

bool ProgramTest::Restart() {
  DestroyWindow(hMainWnd);
  Pump();
  UnregisterClassW(szWindowClass, instance);
  return Start();
}

void ProgramTest::Pump() {
  HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCE(IDR_ACCELERATORS));
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quitSeen = true;
      quitCode = msg.wParam;
      continue;
    }
    if (!TranslateAcceleratorW(msg.hwnd, accelerators, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
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
  int lines = 0;
  for (int line : AllLines())
    if (occ[line] != OwnerNone) ++lines;
  return lines;
}

int QuietLine() {
  for (int line : AllLines()) {
    bool quiet = occ[line] == OwnerNone;
    for (const BoxSide& side : BoxesOf(line)) quiet = quiet && box[side.box] == 0;
    if (quiet) return line;
  }
  return -1;
}
