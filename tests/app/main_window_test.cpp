// The main window driven by messages: the tap rule, the opening rule, New Game, the
// end-of-game question from a tap and from the computer's turn, the window's place on every
// screen and after turning it, the command keys and help. Its loop, its end with the game
// saved and a second copy ending at once are played under Xvfb by e2e.sh; taps beside the
// lines are the layout tests' part.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "app/app.h"
#include "app/resource.h"
#include "game/board.h"
#include "platform/emulator.h"
#include "platform/wingdi.h"
#include "platform/winreg.h"
#include "platform/winuser.h"
#include "settings/settings.h"
#include "tests/app/program.h"
#include "tests/game/boards.h"
#include "tests/settings/saved_game.h"
#include "tests/support/recording_window.h"
#include "tests/support/temp_config.h"
#include "tests/support/temp_folder.h"
#include "tests/support/waiting.h"
#include "view/board_paint.h"
#include "view/layout.h"

namespace {

using Names = std::vector<std::u16string>;

// The last box's bottom and right sides, border lines both.
constexpr int LastBottom = BottomSide(BoxCell(6, 6)), LastRight = RightSide(BoxCell(6, 6));

// A free line is drawn and answered inside the tap, the player sound before the line and
// the computer sound after it and before the answer. A drawn line only sounds, in play and
// on a full board the computer finished after No, where the computer still runs its turn.
TEST_F(ProgramTest, ATapOnALineSoundsAndDrawsItForTheUser) {
  ASSERT_TRUE(Start());
  const int lines = LinesDrawn(), line = QuietLine();
  Plays.clear();
  TapCell(line);
  EXPECT_TRUE(occ[line] == OwnerUser && LinesDrawn() == lines + 2 && f == 0);
  ASSERT_EQ(PlayedNames(), (Names{u"player.wav", u"computer.wav"}));
  EXPECT_EQ(Plays[0].linesDrawn, lines);
  EXPECT_EQ(Plays[1].linesDrawn, lines + 1);
  EXPECT_FALSE(Plays[0].onThread || Plays[1].onThread);
  for (const Names& sounds : {Names{u"player.wav"}, Names{u"player.wav", u"computer.wav"}}) {
    Plays.clear();
    const std::vector<int32_t> before = CurrentGame();
    TapCell(line);
    EXPECT_EQ(PlayedNames(), sounds);
    EXPECT_EQ(CurrentGame(), before);
    FullBoardBut({}, 1);
  }
  EXPECT_TRUE(Questions.empty());
  // With sounds off a tap plays nothing.
  Sound = 0;
  EmptyBoard(0);
  Plays.clear();
  TapCell(line);
  EXPECT_EQ(LinesDrawn(), 2);
  EXPECT_TRUE(Plays.empty());
}

// At the first start, after the paint; after a restart only while no line is drawn.
TEST_F(ProgramTest, TheComputerOpensAGameOnceItsEmptyBoardIsPainted) {
  WatchedPixel = POINT{3, 60};  // the background left of the board, below the task bar
  ASSERT_TRUE(Start());
  ASSERT_EQ(PlayedNames(), (Names{u"start.wav"}));
  EXPECT_TRUE(Plays[0].onThread);
  // The sound starts after the paint and before the opening line.
  EXPECT_EQ(Plays[0].linesDrawn, 0);
  EXPECT_EQ(Plays[0].pixel, EmulatorScreenPixel(WatchedPixel.x, WatchedPixel.y));
  EXPECT_NE(Plays[0].pixel, RGB(0, 0, 0));
  EXPECT_NE(Plays[0].pixel, RGB(255, 255, 255));
  EXPECT_EQ(LinesDrawn(), 1);

  TapCell(QuietLine());
  Stop();  // saved with three lines
  Plays.clear();
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Plays.empty());
  EXPECT_EQ(LinesDrawn(), 3);
  NewGame();  // saved with `first` still 1
  Stop();
  ASSERT_TRUE(Start());
  EXPECT_EQ(PlayedNames(), (Names{u"start.wav"}));
  EXPECT_EQ(LinesDrawn(), 1);
}

// Asked by the command and by the menu bar's left key.
TEST_F(ProgramTest, NewGameIsAskedOnlyOnceALineIsDrawn) {
  ASSERT_TRUE(Start());
  NewGame();
  SendMessageW(hMainWnd, WM_COMMAND, IDM_NEWGAME, 0);
  EXPECT_TRUE(Questions.empty());

  EmptyBoard(0);
  Draw({0, 7}, OwnerComputer);
  const std::vector<int32_t> before = CurrentGame();
  RECT bar;
  GetWindowRect(hMenuBar, &bar);
  EmulatorTap(bar.right / 4, (bar.top + bar.bottom) / 2);
  Pump();
  EXPECT_EQ(Questions, (std::vector<Question>{{hMainWnd, u"Do you want to restart the game?",
                                               u"Marlix Pentro", MB_YESNO | MB_ICONQUESTION}}));
  EXPECT_EQ(CurrentGame(), before);  // No

  Answer = IDYES;
  Plays.clear();
  SendMessageW(hMainWnd, WM_COMMAND, IDM_NEWGAME, 0);
  EXPECT_EQ(LinesDrawn(), 0);
  EXPECT_EQ(first, 1);
  Pump();  // the repaint the new game asked for opens it
  EXPECT_EQ(PlayedNames(), (Names{u"start.wav"}));
  EXPECT_EQ(LinesDrawn(), 1);
}

// Yes to the question after the 49th box, taken by the tap or by the computer's answer:
// the next game's opening line is drawn before the tap's message ends, and the repaint
// after it plays no start sound.
TEST_F(ProgramTest, YesAfterTheLastBoxOpensTheNextGameInsideTheTap) {
  const struct {
    std::vector<int> left;
    Names sounds;
  } cases[] = {{{LastBottom}, {u"player.wav", u"box.wav", u"win.wav", u"computer.wav"}},
               {{LastBottom, LastRight}, {u"player.wav", u"computer.wav", u"box.wav", u"win.wav"}}};
  ASSERT_TRUE(Start());
  Answer = IDYES;
  for (const auto& c : cases) {
    FullBoardBut(c.left, 0);
    Plays.clear();
    Questions.clear();
    TapCell(LastBottom);
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0].text, u"Congratulation! You win. Play again?");
    EXPECT_TRUE(LinesDrawn() == 1 && first == 0 && f == 0);
    Pump();
    EXPECT_EQ(PlayedNames(), c.sounds);
  }
}

TEST_F(ProgramTest, TheWindowFillsTheScreenBetweenTheBarsAndTurnsWithIt) {
  auto fills = [](int width, int height, int id) {
    RECT window;
    GetWindowRect(hMainWnd, &window);
    EXPECT_EQ(std::vector<LONG>({window.left, window.top, window.right, window.bottom}),
              std::vector<LONG>({0, EmulatorBarHeight(), width, height - EmulatorBarHeight()}))
        << width << "x" << height;
    EXPECT_EQ(ResolutionId, id);
  };
  const int screens[][3] = {{240, 320, 0}, {480, 640, 1}, {640, 480, 4}, {800, 480, 5}};
  for (const auto& [width, height, id] : screens) {
    ASSERT_TRUE(Start(width, height));
    fills(width, height, id);
    Stop();
  }
  EXPECT_NE(LoadIconW(instance, MAKEINTRESOURCE(IDI_PROGRAM)), nullptr);  // its class's icon

  ASSERT_TRUE(Start());
  EmulatorKey(VK_F2, FALSE);
  Pump();
  fills(640, 480, 4);
  // The landscape background fills the width the portrait one could not.
  const COLORREF right = EmulatorScreenPixel(630, EmulatorBarHeight() + 200);
  EXPECT_NE(right, RGB(255, 255, 255));
  EXPECT_NE(right, RGB(0, 0, 0));
  EXPECT_EQ(LinesDrawn(), 1);
}

// What the saved game holds now, read from the file; empty when it cannot be read.
std::vector<int32_t> SavedGame() {
  RegFlushKey(HKEY_CURRENT_USER);
  const std::vector<int32_t> live = CurrentGame();
  std::vector<int32_t> saved;
  if (LoadGame() == 1) saved = CurrentGame();
  SetGame(live);
  return saved;
}

// The file's identity: a replacement is a new file.
ino_t FileNumber(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

std::vector<int32_t> savedAtQuestion;

// Besides the save when the window goes, the game is saved whenever a move has ended, and
// never in the middle of one: while the end-of-game question is open the file still holds
// the board before the last tap. A tap that changes nothing writes nothing.
TEST_F(ProgramTest, EveryMoveEndsWithTheGameSaved) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(SavedGame(), CurrentGame()) << "the opening line";
  const int line = QuietLine();
  TapCell(line);
  EXPECT_TRUE(LinesDrawn() == 3 && f == 0);
  EXPECT_EQ(SavedGame(), CurrentGame()) << "the tap and the answer";
  const ino_t file = FileNumber(registryFile);
  TapCell(line);
  RegFlushKey(HKEY_CURRENT_USER);
  EXPECT_EQ(FileNumber(registryFile), file) << "a drawn line changes nothing";

  FullBoardBut({LastBottom}, 0);
  SaveGame();
  const std::vector<int32_t> before = SavedGame();
  ASSERT_EQ(before, CurrentGame());
  EmulatorSetMessageBoxHook([](HWND, LPCWSTR, LPCWSTR, UINT) {
    savedAtQuestion = SavedGame();
    return IDNO;
  });
  TapCell(LastBottom);
  EXPECT_EQ(savedAtQuestion, before);
  EXPECT_EQ(UserScore, 49);
  EXPECT_EQ(SavedGame(), CurrentGame()) << "the full board, once the tap has ended";
}

// The desktop window's close button ends the program through its own loop, with the game
// saved as Ctrl+Q saves it (the Xvfb run plays the Ctrl+Q way).
TEST_F(ProgramTest, TheCloseButtonSavesTheGameAndEnds) {
  EmulatorSetScreen(480, 640, 1);
  EmulatorStartShell();
  for (int cell : {0, 160}) {
    const RECT r = CellRect(Layouts[1], cell);
    EmulatorTap((r.left + r.right) / 2, EmulatorBarHeight() + (r.top + r.bottom) / 2);
  }
  EmulatorCloseButton();
  WCHAR commandLine[] = u"";
  EXPECT_EQ(WinMain(instance, nullptr, commandLine, SW_SHOW), 0);
  EXPECT_TRUE(occ[0] != OwnerNone && occ[160] != OwnerNone && LinesDrawn() >= 3);
  const std::vector<int32_t> played = CurrentGame();
  NewGame();
  ASSERT_EQ(LoadGame(), 1);
  EXPECT_EQ(CurrentGame(), played);
  Stop();
}

// The keys of accelerator table 2, taken from the desktop as the loop takes them.
TEST_F(ProgramTest, TheCommandKeysNeedCtrl) {
  HWND window = CreateRecordingWindow();  // its commands recorded, not acted on
  const std::pair<int, BOOL> keys[] = {{'A', TRUE}, {'N', FALSE}, {'Q', TRUE}, {'Q', FALSE},
                                       {'N', TRUE}, {'X', TRUE},  {'O', TRUE}, {VK_RETURN, TRUE}};
  for (const auto& [key, control] : keys) EmulatorKey(key, control);
  Pump();
  std::vector<WORD> commands;
  for (const Received& r : ReceivedOf(window, WM_COMMAND)) commands.push_back(LOWORD(r.wParam));
  EXPECT_EQ(commands, (std::vector<WORD>{IDM_ABOUT, IDM_EXIT, IDM_NEWGAME, IDM_OPTIONS}));
  DestroyWindow(window);
}

// The page beside the program, in the desktop's browser through xdg-open; when that
// cannot show it (no browser behind it, or no xdg-open at all), a message box over the
// main window says where the page is.
TEST_F(ProgramTest, HelpOpensThePageBesideTheProgramOrSaysWhereItIs) {
  const std::string page =
      std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/res/Marlix Pentro.htm";
  EXPECT_TRUE(FileExists(page));
  const struct {
    const char* what;
    const char* exit;  // the end of a stand-in xdg-open; null: there is none
    bool told;
  } cases[] = {{"a browser shows it", "", false},
               {"xdg-open finds no browser", "exit 3\n", true},
               {"no xdg-open", nullptr, true}};
  const std::string path = std::getenv("PATH") == nullptr ? "" : std::getenv("PATH");
  ASSERT_TRUE(Start());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string bin = MakeTempFolder(), log = bin + "/opened";
    if (c.exit != nullptr) {
      std::ofstream(bin + "/xdg-open") << "#!/bin/sh\nprintf '%s' \"$1\" > '" << log << "'\n" << c.exit;
      std::filesystem::permissions(bin + "/xdg-open", std::filesystem::perms::owner_all);
    }
    setenv("PATH", bin.c_str(), 1);
    Questions.clear();
    EmulatorKey(VK_F1, FALSE);
    Pump();
    setenv("PATH", path.c_str(), 1);
    if (c.exit != nullptr) {
      EXPECT_TRUE(Eventually([&] { return ReadFileText(log) == page; })) << ReadFileText(log);
    }
    // The viewer's word comes when it has ended; the program's thread shows it.
    if (!c.told) {
      for (int i = 0; i < 30; ++i, std::this_thread::sleep_for(std::chrono::milliseconds(10))) Pump();
      EXPECT_TRUE(Questions.empty());
      continue;
    }
    EXPECT_TRUE(Eventually([&] {
      Pump();
      return !Questions.empty();
    }));
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0].owner, hMainWnd);
    EXPECT_EQ(Questions[0].caption, u"Marlix Pentro");
    EXPECT_EQ(Questions[0].type, static_cast<UINT>(MB_OK));
    EXPECT_NE(Questions[0].text.find(std::u16string(page.begin(), page.end())), std::u16string::npos);
  }
}

}  // namespace
