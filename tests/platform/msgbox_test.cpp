// Message boxes: answered by keys and by taps on their buttons, dropping input meant for
// other windows while the owner goes on getting its other messages, and ended by the
// owner's close or a quit.
#include "user/msgbox.h"

#include <gtest/gtest.h>

#include "platform/emulator.h"
#include "tests/support/recording_window.h"

namespace {

int Ask() {
  return MessageBoxW(owner, u"Do you want to restart the game?", u"Marlix Pentro",
                     MB_YESNO | MB_ICONQUESTION);
}
HWND Box() { return FindWindowW(u"MessageBox", nullptr); }

TEST_F(ShellTest, MessageBoxesAnswerKeysAndTapsOnTheirButtons) {
  const int keys[][2] = {{'Y', IDYES}, {'N', IDNO}, {VK_RETURN, IDYES}, {VK_ESCAPE, IDNO}};  // key, answer
  for (const auto& [key, answer] : keys) {
    Then([key] { EmulatorKey(key, FALSE); });
    EXPECT_EQ(Ask(), answer) << key;
    EXPECT_EQ(Box(), nullptr);
  }
  for (int button : {0, 1}) {
    Then([button] { TapMiddle(MessageBoxButton(Box(), button)); });
    EXPECT_EQ(Ask(), button == 0 ? IDYES : IDNO);
  }
}

// Taps and keys made while the program was busy, before the question showed, were not
// meant for it: none of them answers it, and none reaches the owner afterwards. The close
// button made then is no answer either: it still closes the owner.
TEST_F(ShellTest, AMessageBoxIsAnsweredOnlyByInputMadeAfterItShowed) {
  RECT yes{};
  Then([&yes] {
    yes = MessageBoxButton(Box(), 0);
    EmulatorKey(VK_ESCAPE, FALSE);
  });
  ASSERT_EQ(Ask(), IDNO);
  ASSERT_GT(yes.right, yes.left);

  TapMiddle(yes);
  for (int key : {VK_RETURN, int{'Y'}}) EmulatorKey(key, FALSE);
  EmulatorTap(5, EmulatorBarHeight() + 5);  // on the owner, where no box will be
  PostMessageW(owner, WM_USER, 0, 0);       // not input: still delivered
  Then([] { EmulatorKey('N', FALSE); });
  EXPECT_EQ(Ask(), IDNO);
  EXPECT_EQ(ReceivedOf(owner, WM_USER).size(), 1u);
  PumpMessages();
  for (UINT input : {WM_LBUTTONDOWN, WM_KEYDOWN, WM_CHAR})
    EXPECT_TRUE(ReceivedOf(owner, input).empty()) << input;

  // Input made after the box went is the owner's again.
  EmulatorKey('X', FALSE);
  PumpMessages();
  EXPECT_EQ(ReceivedOf(owner, WM_KEYDOWN).size(), 1u);

  EmulatorCloseButton();
  EXPECT_EQ(Ask(), 0);
  EXPECT_FALSE(IsWindow(owner));
}

TEST_F(ShellTest, AMessageBoxDropsInputForOtherWindowsWhileTheOwnerStillPaints) {
  Then([] {
    const RECT r = WindowRect(Box());
    EXPECT_TRUE(r.left >= 0 && r.right <= 240 && r.top >= EmulatorBarHeight());
    EmulatorTap(5, r.top - 5);              // on the owner, above the box
    EmulatorTap(r.left + 3, r.bottom - 3);  // on the box, beside its buttons
    for (int key : {int{'X'}, VK_F1, int{'N'}}) EmulatorKey(key, FALSE);
    PostMessageW(owner, WM_USER, 0, 0);
  });
  EXPECT_EQ(Ask(), IDNO);
  EXPECT_EQ(ReceivedOf(owner, WM_PAINT).size(), 1u);
  EXPECT_EQ(ReceivedOf(owner, WM_USER).size(), 1u);
  PumpMessages();  // dropped, not held back
  for (UINT input : {WM_LBUTTONDOWN, WM_KEYDOWN, WM_HELP})
    EXPECT_TRUE(ReceivedOf(owner, input).empty()) << input;
  // The owner was told it lost and got back the activation.
  EXPECT_EQ(WParamsOf(owner, WM_ACTIVATE), (std::vector<WPARAM>{WA_INACTIVE, WA_ACTIVE}));
}

// A player closing the program while it asks: the box ends, and the quit stays for the loop.
TEST_F(ShellTest, AMessageBoxEndsWhenItsOwnerIsClosedOrAQuitComes) {
  Then([] { PostMessageW(owner, WM_CLOSE, 0, 0); });
  EXPECT_EQ(Ask(), 0);
  EXPECT_FALSE(IsWindow(owner));
  EXPECT_EQ(Box(), nullptr);
  owner = CreateRecordingWindow();
  Then([] { PostQuitMessage(5); });
  EXPECT_EQ(Ask(), 0);
  MSG msg;
  EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.wParam, 5u);
}

}  // namespace
