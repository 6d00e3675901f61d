// The main window: its messages, the tap rule, the opening rule, the commands, and the
// end-of-game question and repaint the game asks of it.
#include "app/app.h"
#include "app/resource.h"
#include "dialogs/dialogs.h"
#include "game/board.h"
#include "game/effects.h"
#include "game/opponent.h"
#include "platform/winbase.h"
#include "platform/winuser.h"
#include "settings/settings.h"
#include "sound/sounds.h"
#include "view/board_paint.h"
#include "view/layout.h"
#include "view/line_cursor.h"
#include "view/skin.h"

namespace {

constexpr DWORD ComputerReplyPause = 600;  // ms between the player's line and the computer's turn

// Set once the window's destruction has saved the game, until a window is made again.
bool windowGone = false;

// Besides the save when the window goes, the game is saved whenever a move has ended and
// the next message may be taken, so a crash or a power cut loses at most the move being
// made. The registry writes its file on a thread of its own: the next tap never waits for
// the disk, and a save that changes nothing writes nothing. Once the window is gone nothing
// is saved: its destruction saved the game as it stood, and a turn it interrupted (a
// question left unanswered) goes on only to its end, not into the saved game.
void SaveMove() {
  if (!windowGone) SaveGame();
}

// A tap on a line draws it for the side to move. When the turn goes to the computer it
// answers at once, inside this message, after a short pause.
void TapLine(int cell) {
  // As on the handheld: the tap sounds before anything is looked at, so a tap on a line
  // already drawn, which changes nothing, still plays the player's sound.
  if (Sound == 1) PlayEffect(PlayerSoundPath);
  PlaceLine(cell);
  // As on the handheld: the tap never asks whose turn it is. On a full board the computer
  // finished and the player chose not to restart, `f` stays 1, so each tap on a line
  // pauses, plays the computer's sound and runs a turn that finds nothing to draw.
  if (f != 0) {
    Sleep(ComputerReplyPause);
    if (Sound == 1) PlayEffect(ComputerSoundPath);
    ComputerTurn();
  }
  SaveMove();
}

// The line under a tap, a finger's lift or the keyboard's cursor (-1 for none).
void TapIfLine(int cell) {
  if (cell != -1) TapLine(cell);
}

// The computer opens every game, once its empty board is on the screen. Its first line
// clears `first`, so this happens once per game.
void OpenGame() {
  if (first != 1) return;
  if (Sound == 1) PlayEffectOnThread(StartSoundPath);
  ComputerTurn();
  SaveMove();
}

void Paint(HWND hWnd) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hWnd, &ps);
  PaintBoard(hdc, hWnd);
  PaintLineCursor(hdc);
  EndPaint(hWnd, &ps);
}

void Help() {
  WCHAR document[] = u"Marlix Pentro.htm";
  PROCESS_INFORMATION process;
  if (CreateProcessW(u"peghelp.exe", document, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr,
                     &process)) {
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
}

// Asked only once a line of this game is drawn.
void AskNewGame(HWND hWnd) {
  if (first != 0) return;
  if (MessageBoxW(hWnd, u"Do you want to restart the game?", szTitle, MB_YESNO | MB_ICONQUESTION) == IDYES) {
    NewGame();
    SaveMove();
    InvalidateRect(hWnd, nullptr, FALSE);
  }
}

void CreateMenuBar(HWND hWnd) {
  SHMENUBARINFO mbi{};
  mbi.cbSize = SHMENUBARINFO_SIZE;
  mbi.hwndParent = hWnd;
  mbi.nToolBarId = IDR_MENUBAR;
  mbi.hInstRes = hInst;
  hMenuBar = SHCreateMenuBar(&mbi) ? mbi.hwndMB : nullptr;
}

}  // namespace

LRESULT MainWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      windowGone = false;
      CreateMenuBar(hWnd);
      ActivateInfo = SHACTIVATEINFO{};
      ActivateInfo.cbSize = SHACTIVATEINFO_SIZE;
      LoadSkin();
      if (!LoadGame()) NewGame();
      return 0;
    case WM_DESTROY:
      // As on the handheld: the window can go while the end-of-game question is open, in the
      // middle of a turn; the game is saved as it stands, the full board with `F` at 1.
      SaveGame();
      windowGone = true;
      if (hMenuBar != nullptr) DestroyWindow(hMenuBar);
      hMenuBar = nullptr;
      FreeSkin();
      PostQuitMessage(0);
      return 0;
    case WM_SIZE:
      DetectLayout();
      FreeSkin();
      LoadSkin();
      return 0;
    case WM_ACTIVATE: SHHandleWMActivate(hWnd, wParam, lParam, &ActivateInfo, 0); return 0;
    case WM_PAINT:
      Paint(hWnd);
      OpenGame();
      return 0;
    case WM_SETTINGCHANGE: SHHandleWMSettingChange(hWnd, wParam, lParam, &ActivateInfo); return 0;
    case WM_HELP: Help(); return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDM_EXIT: SendMessageW(hWnd, WM_CLOSE, 0, 0); return 0;
        case IDM_NEWGAME: AskNewGame(hWnd); return 0;
        case IDM_OPTIONS: OptionsCommand(hWnd); return 0;
        case IDM_ABOUT: AboutCommand(hWnd); return 0;
        default: return DefWindowProcW(hWnd, message, wParam, lParam);
      }
    case WM_LBUTTONDOWN:
      if (InputFromFinger()) {
        FingerPress(hWnd, lParam);
        return 0;
      }
      HideLineCursor();
      TapIfLine(HitTestLine(LOWORD(lParam), HIWORD(lParam)));
      return 0;
    case WM_MOUSEMOVE:
      if (InputFromFinger()) FingerSlide(hWnd, lParam);
      return 0;
    case WM_LBUTTONUP:
      if (InputFromFinger()) TapIfLine(FingerLift(hWnd, lParam));
      return 0;
    case WM_KEYDOWN: {
      const int cell = BoardKey(wParam);
      if (cell == NotBoardKey) return DefWindowProcW(hWnd, message, wParam, lParam);
      TapIfLine(cell);
      return 0;
    }
    default: return DefWindowProcW(hWnd, message, wParam, lParam);
  }
}

void SaveBeforeStop() {
  // Not before the window has read the saved game in: nothing of this run is there to keep.
  if (IsWindow(hMainWnd)) SaveMove();
}

int AskYesNo(const char16_t* question) {
  // The window may go while the question is open, or the program be killed: the game is
  // saved as it stands now, as the window's destruction would save it (every box taken, `F`
  // at 1), before the question waits for the player.
  SaveMove();
  return MessageBoxW(hMainWnd, question, szTitle, MB_YESNO | MB_ICONQUESTION) == IDYES ? 1 : 0;
}

void InvalidateMainWindow() { InvalidateRect(hMainWnd, nullptr, FALSE); }
