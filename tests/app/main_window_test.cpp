// The main window driven by messages: the tap rule, the opening rule, New Game, the
// end-of-game question from a tap and from the computer's turn, the window's place on every
// screen and after turning it, the command keys and help. Its loop, its end with the game
// saved and a second copy ending at once are played under Xvfb by e2e.sh; taps beside the
// lines are the layout tests' part.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <tuple>
#include <utility>

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

// The file's identity: a replacement is a new file.
ino_t FileNumber(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

// A free line is drawn and answered inside the tap, the player sound before the line and
// the computer sound after it and before the answer. A drawn line only sounds, in play and
// on a full board the computer finished after No, where the computer still runs its turn.
// The game is saved whenever a move has ended (the Xvfb runs read the file between moves,
// and e2e_question.sh reads it while the end-of-game question is open); a tap that changes
// nothing writes nothing.
TEST_F(ProgramTest, ATapOnALineSoundsAndDrawsItForTheUser) {
  ASSERT_TRUE(Start());
  const int lines = LinesDrawn(), line = QuietLine();
  Plays.clear();
  TapCell(line);
  EXPECT_TRUE(occ[line] == OwnerUser && LinesDrawn() == lines + 2 && f == 0);
  ASSERT_EQ(PlayedNames(), (Names{u"player.wav", u"computer.wav"}));
  EXPECT_TRUE(Plays[0].linesDrawn == lines && Plays[1].linesDrawn == lines + 1) << "sounds out of order";
  EXPECT_FALSE(Plays[0].onThread || Plays[1].onThread);
  RegFlushKey(HKEY_CURRENT_USER);
  const ino_t file = FileNumber(registryFile);
  ASSERT_NE(file, 0u);
  for (const Names& sounds : {Names{u"player.wav"}, Names{u"player.wav", u"computer.wav"}}) {
    Plays.clear();
    const std::vector<int32_t> before = CurrentGame();
    TapCell(line);
    EXPECT_EQ(PlayedNames(), sounds);
    EXPECT_EQ(CurrentGame(), before);
    RegFlushKey(HKEY_CURRENT_USER);
    EXPECT_TRUE(sounds.size() > 1 || FileNumber(registryFile) == file)
        << "a tap in play changing nothing wrote";
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

// At the first start, after the paint, and after a restart while no line is drawn (a
// restored game with lines is the Xvfb run's part).
TEST_F(ProgramTest, TheComputerOpensAGameOnceItsEmptyBoardIsPainted) {
  WatchedPixel = POINT{3, 60};  // the background left of the board, below the task bar
  ASSERT_TRUE(Start());
  ASSERT_EQ(PlayedNames(), (Names{u"start.wav"}));
  EXPECT_TRUE(Plays[0].onThread);
  // The sound starts after the paint and before the opening line.
  EXPECT_EQ(Plays[0].linesDrawn, 0);
  EXPECT_EQ(Plays[0].pixel, EmulatorScreenPixel(WatchedPixel.x, WatchedPixel.y));
  EXPECT_TRUE(Plays[0].pixel != RGB(0, 0, 0) && Plays[0].pixel != RGB(255, 255, 255)) << "not painted yet";
  EXPECT_EQ(LinesDrawn(), 1);

  NewGame();  // saved with `first` still 1
  Stop();
  Plays.clear();
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
  const RECT bar = WindowRect(hMenuBar);
  EmulatorTap(bar.right / 4, (bar.top + bar.bottom) / 2);
  Pump();
  EXPECT_EQ(Questions, (std::vector<Question>{{hMainWnd, u"Do you want to restart the game?",
                                               u"Marlix Pentro", MB_YESNO | MB_ICONQUESTION}}));
  EXPECT_EQ(CurrentGame(), before);  // No; Yes is played by keys under Xvfb
}

// Yes to the question after the 49th box, taken by the tap or by the computer's answer:
// the next game's opening line is drawn before the tap's message ends, and the repaint
// after it plays no start sound.
TEST_F(ProgramTest, YesAfterTheLastBoxOpensTheNextGameInsideTheTap) {
  // The lines left, and the sounds.
  const std::pair<std::vector<int>, Names> cases[] = {
      {{LastBottom}, {u"player.wav", u"box.wav", u"win.wav", u"computer.wav"}},
      {{LastBottom, LastRight}, {u"player.wav", u"computer.wav", u"box.wav", u"win.wav"}}};
  ASSERT_TRUE(Start());
  Answer = IDYES;
  for (const auto& [left, sounds] : cases) {
    FullBoardBut(left, 0);
    Plays.clear();
    Questions.clear();
    TapCell(LastBottom);
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0].text, u"Congratulation! You win. Play again?");
    EXPECT_TRUE(LinesDrawn() == 1 && first == 0 && f == 0);
    Pump();
    EXPECT_EQ(PlayedNames(), sounds);
  }
}

TEST_F(ProgramTest, TheWindowFillsTheScreenBetweenTheBarsAndTurnsWithIt) {
  auto fills = [](int width, int height, int id) {
    EXPECT_TRUE(Same(WindowRect(hMainWnd), RECT{0, EmulatorBarHeight(), width, height - EmulatorBarHeight()}))
        << width << "x" << height;
    EXPECT_EQ(ResolutionId, id);
  };
  for (const auto& [width, height, id] : {std::array{240, 320, 0}, std::array{800, 480, 5}}) {
    ASSERT_TRUE(Start(width, height));
    fills(width, height, id);
    Stop();
  }
  EXPECT_NE(LoadIconW(instance, MAKEINTRESOURCE(IDI_PROGRAM)), nullptr);  // its class's icon

  ASSERT_TRUE(Start());  // 480 x 640, as under Xvfb
  EmulatorKey(VK_F2, FALSE);
  Pump();
  fills(640, 480, 4);
  EXPECT_EQ(LinesDrawn(), 1) << "the game goes on after turning";
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
// cannot show it, a message box over the main window says why (no browser found, or the
// one named failed) and where the page is, its path whole on its line, once the viewer has
// ended. What the viewer and its browser write never reaches the program's own output.
TEST_F(ProgramTest, HelpOpensThePageBesideTheProgramOrSaysWhyAndWhereItIs) {
  const std::string page =
      std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/res/Marlix Pentro.htm";
  EXPECT_TRUE(FileExists(page));
  std::u16string pageShown(page.begin(), page.end());
  std::replace(pageShown.begin(), pageShown.end(), u' ', u'\u00A0');  // no break at its space
  // The end of a stand-in xdg-open (none for no xdg-open at all), the menu entry a stand-in
  // xdg-mime names for web pages if any, and what the box says (null when there is no box).
  const std::tuple<const char*, const char*, const char16_t*> cases[] = {
      {"", nullptr, nullptr},
      {"exit 3\n", nullptr, u"no web browser was found"},
      {"echo 'fakefox: cannot open display' >&2; echo 'fakefox: hello'; exit 4\n", "fakefox.desktop",
       u"the web browser (fakefox) failed to start"},
      {nullptr, nullptr, u"no web browser was found"},
  };
  const std::string path = std::getenv("PATH") == nullptr ? "" : std::getenv("PATH");
  ASSERT_TRUE(Start());
  for (const auto& [xdgOpen, browser, says] : cases) {
    SCOPED_TRACE(xdgOpen == nullptr ? "no xdg-open" : xdgOpen);
    const std::string bin = MakeTempFolder(), log = bin + "/opened";
    const auto script = [&bin](const char* name, const std::string& body) {
      std::ofstream(bin + "/" + name) << "#!/bin/sh\n" << body;
      std::filesystem::permissions(bin + "/" + name, std::filesystem::perms::owner_all);
    };
    if (xdgOpen != nullptr) script("xdg-open", "printf '%s' \"$1\" > '" + log + "'\n" + xdgOpen);
    if (browser != nullptr) script("xdg-mime", std::string("echo ") + browser + "\n");
    // The program's standard error, into a file while the viewer runs.
    testing::internal::CaptureStderr();
    setenv("PATH", bin.c_str(), 1);
    Questions.clear();
    EmulatorKey(VK_F1, FALSE);
    Pump();
    EXPECT_TRUE(xdgOpen == nullptr || Eventually([&] { return ReadFileText(log) == page; }))
        << ReadFileText(log);
    for (int i = 0; i < (says != nullptr ? 1000 : 30) && Questions.empty(); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      Pump();
    }
    setenv("PATH", path.c_str(), 1);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(errors.find("fakefox"), std::string::npos) << errors;
    ASSERT_EQ(Questions.size(), says != nullptr ? 1u : 0u);
    if (says == nullptr) continue;
    EXPECT_TRUE(Questions[0].owner == hMainWnd && Questions[0].caption == u"Marlix Pentro" &&
                Questions[0].type == MB_OK);
    EXPECT_NE(Questions[0].text.find(says), std::u16string::npos);
    EXPECT_NE(Questions[0].text.find(u"\n" + pageShown), std::u16string::npos) << "the path, whole on its line";
  }
}

}  // namespace
