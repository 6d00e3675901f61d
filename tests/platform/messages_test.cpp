// The message queue and the desktop's input: the order of posted messages, input and
// paints; taps, touch and keys as the device's messages; the close button, the rotate key,
// and moving and showing windows.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/aygshell.h"
#include "platform/emulator.h"
#include "platform/window.h"
#include "platform/winuser.h"
#include "tests/platform/recording_window.h"

namespace {

class MessagesTest : public testing::Test {
 protected:
  void SetUp() override {
    CloseEverything();
    EmulatorSetScreen(240, 320, 1);
    EmulatorStartShell();
  }
  void TearDown() override { CloseEverything(); }

  static std::tuple<LONG, LONG, LONG, LONG> Rect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
  }
};

std::vector<UINT> Taken(int count) {
  std::vector<UINT> messages;
  MSG msg;
  while (count-- > 0 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    messages.push_back(msg.message);
    DispatchMessageW(&msg);
  }
  return messages;
}

TEST_F(MessagesTest, PostedMessagesComeBeforeInputAndInputBeforePaints) {
  HWND window = CreateRecordingWindow();
  PumpMessages();
  InvalidateRect(window, nullptr, FALSE);
  EmulatorTap(100, 100);
  PostMessageW(window, WM_USER, 1, 2);
  EXPECT_EQ(Taken(3), (std::vector<UINT>{WM_USER, WM_LBUTTONDOWN, WM_PAINT}));
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessagesTest, PeekingLeavesTheMessageAndQuitEndsTheLoopWithItsCode) {
  HWND window = CreateRecordingWindow();
  PumpMessages();
  PostMessageW(window, WM_USER, 7, 0);
  PostQuitMessage(3);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, WM_USER);
  EXPECT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessagesTest, TapsAndTouchesArriveInTheClientPixelsOfTheWindowUnderThem) {
  for (int scale : {1, 2, 3}) {
    CloseEverything();
    EmulatorSetScreen(240, 320, scale);
    EmulatorStartShell();
    HWND window = CreateRecordingWindow();
    HWND taskBar = FindWindowW(u"HHTaskBar", nullptr);
    PumpMessages();
    ReceivedMessages.clear();
    EmulatorTap(100, 200);
    EmulatorTouch(17, 300);  // SDL's mouse copy of the touch is left out
    EmulatorTap(5, 5);       // on the task bar
    PumpMessages();
    const auto taps = ReceivedOf(window, WM_LBUTTONDOWN);
    ASSERT_EQ(taps.size(), 2u) << "scale " << scale;
    EXPECT_EQ(taps[0].lParam, MAKELPARAM(100, 200 - 26)) << "scale " << scale;
    EXPECT_EQ(taps[0].wParam, MK_LBUTTON);
    EXPECT_EQ(taps[1].lParam, MAKELPARAM(17, 300 - 26)) << "scale " << scale;
    EXPECT_NE(taskBar, nullptr);
  }
}

TEST_F(MessagesTest, KeysGoToTheActiveWindowAndF1AsksItForHelp) {
  HWND below = CreateRecordingWindow();
  HWND active = CreateRecordingWindow(below, u"Above");
  PumpMessages();
  ReceivedMessages.clear();
  EmulatorKey('N', FALSE);
  EmulatorKey(VK_F1, FALSE);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  EXPECT_TRUE(ReceivedOf(below, WM_KEYDOWN).empty());
  ASSERT_EQ(ReceivedOf(active, WM_KEYDOWN).size(), 1u);
  EXPECT_EQ(ReceivedOf(active, WM_KEYDOWN)[0].wParam, static_cast<WPARAM>('N'));
  ASSERT_EQ(ReceivedOf(active, WM_CHAR).size(), 1u);
  EXPECT_EQ(ReceivedOf(active, WM_CHAR)[0].wParam, static_cast<WPARAM>('n'));
  EXPECT_EQ(ReceivedOf(active, WM_HELP).size(), 1u);

  // A key with Ctrl types no character.
  ReceivedMessages.clear();
  EmulatorKey('N', TRUE);
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    EXPECT_NE(GetKeyState(VK_CONTROL) & 0x8000, 0);
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  EXPECT_TRUE(ReceivedOf(active, WM_CHAR).empty());
}

TEST_F(MessagesTest, TheCloseButtonClosesTheProgramsWindowAndNotWhatLiesAbove) {
  HWND program = CreateRecordingWindow();
  HWND above = CreateRecordingWindow(program, u"Above");
  PumpMessages();
  ReceivedMessages.clear();
  EmulatorCloseButton();
  PumpMessages();
  EXPECT_EQ(ReceivedOf(program, WM_CLOSE).size(), 1u);
  EXPECT_FALSE(IsWindow(program));
  EXPECT_FALSE(IsWindow(above));  // owned windows go with their owner
}

TEST_F(MessagesTest, TheRotateKeyTurnsTheScreenAndTheShellRefitsTheWindows) {
  HWND window = CreateRecordingWindow();
  PumpMessages();
  ReceivedMessages.clear();
  EmulatorKey(VK_F2, FALSE);
  PumpMessages();
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 320);
  EXPECT_EQ(Rect(FindWindowW(u"HHTaskBar", nullptr)), std::make_tuple(0, 0, 320, 26));
  const auto told = ReceivedOf(window, WM_SETTINGCHANGE);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].wParam, SETTINGCHANGE_RESET);
  // The shell's handling fits it below the task bar.
  ReceivedMessages.clear();
  SHACTIVATEINFO info{};
  EXPECT_TRUE(SHHandleWMSettingChange(window, SETTINGCHANGE_RESET, 0, &info));
  EXPECT_EQ(Rect(window), std::make_tuple(0, 26, 320, 240));
  ASSERT_EQ(ReceivedOf(window, WM_SIZE).size(), 1u);
  EXPECT_EQ(ReceivedOf(window, WM_SIZE)[0].lParam, MAKELPARAM(320, 214));
}

TEST_F(MessagesTest, MovingSendsASizeOnlyWhenTheSizeChanges) {
  HWND window = CreateRecordingWindow();
  PumpMessages();
  ReceivedMessages.clear();
  MoveWindow(window, 10, 40, 240, 294, FALSE);
  EXPECT_TRUE(ReceivedOf(window, WM_SIZE).empty());
  MoveWindow(window, 0, 26, 200, 100, TRUE);
  ASSERT_EQ(ReceivedOf(window, WM_SIZE).size(), 1u);
  EXPECT_EQ(ReceivedOf(window, WM_SIZE)[0].lParam, MAKELPARAM(200, 100));
  EXPECT_EQ(Rect(window), std::make_tuple(0, 26, 200, 126));
  PumpMessages();
  EXPECT_EQ(ReceivedOf(window, WM_PAINT).size(), 1u);  // asked for a repaint

  EXPECT_TRUE(ShowWindow(window, SW_HIDE));
  EXPECT_FALSE(ShowWindow(window, SW_SHOW));
}

}  // namespace
