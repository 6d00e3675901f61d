// Message boxes: answered by keys and by taps on their buttons, dropping input meant for
// other windows while the owner goes on getting its other messages.
#include <gtest/gtest.h>

#include "platform/emulator.h"
#include "platform/shell.h"
#include "platform/window.h"
#include "platform/winuser.h"
#include "tests/platform/recording_window.h"

namespace {

class MessageBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    CloseEverything();
    EmulatorSetScreen(240, 320, 1);
    EmulatorStartShell();
    owner = CreateRecordingWindow();
    PumpMessages();
    ReceivedMessages.clear();
  }
  void TearDown() override { CloseEverything(); }
  int Ask() {
    return MessageBoxW(owner, u"Do you want to restart the game?", u"Marlix Pentro",
                       MB_YESNO | MB_ICONQUESTION);
  }
  // Runs `inside` while the box waits, with the box.
  void WhileOpen(std::function<void(HWND box)> inside) {
    InvalidateRect(owner, nullptr, FALSE);
    OnNextPaint = [inside] { inside(FindWindowW(u"MessageBox", nullptr)); };
  }

  HWND owner = nullptr;
};

TEST_F(MessageBoxTest, KeysAnswer) {
  const struct {
    int key, answer;
  } cases[] = {{'Y', IDYES}, {'N', IDNO}, {VK_RETURN, IDYES}, {VK_ESCAPE, IDNO}};
  for (const auto& c : cases) {
    EmulatorKey(c.key, FALSE);
    EXPECT_EQ(Ask(), c.answer) << c.key;
    EXPECT_EQ(FindWindowW(u"MessageBox", nullptr), nullptr);
  }
}

TEST_F(MessageBoxTest, ButtonsAnswerTaps) {
  for (int button : {0, 1}) {
    WhileOpen([button](HWND box) {
      ASSERT_NE(box, nullptr);
      const POINT at = Middle(ShellMessageBoxButton(box, button));
      EmulatorTap(at.x, at.y);
    });
    EXPECT_EQ(Ask(), button == 0 ? IDYES : IDNO);
  }
}

TEST_F(MessageBoxTest, InputForOtherWindowsIsDroppedWhileTheOwnerStillPaints) {
  WhileOpen([this](HWND box) {
    RECT r;
    GetWindowRect(box, &r);
    EXPECT_GE(r.left, 0);
    EXPECT_LE(r.right, 240);
    EXPECT_GE(r.top, EmulatorBarHeight());
    EmulatorTap(5, r.top - 5);              // on the owner, above the box
    EmulatorTap(r.left + 3, r.bottom - 3);  // on the box, beside its buttons
    EmulatorKey('X', FALSE);
    EmulatorKey(VK_F1, FALSE);
    EmulatorKey('N', FALSE);
    PostMessageW(owner, WM_USER, 0, 0);
  });
  EXPECT_EQ(Ask(), IDNO);
  EXPECT_EQ(ReceivedOf(owner, WM_PAINT).size(), 1u);
  EXPECT_EQ(ReceivedOf(owner, WM_USER).size(), 1u);
  PumpMessages();  // dropped, not held back
  EXPECT_TRUE(ReceivedOf(owner, WM_LBUTTONDOWN).empty());
  EXPECT_TRUE(ReceivedOf(owner, WM_KEYDOWN).empty());
  EXPECT_TRUE(ReceivedOf(owner, WM_HELP).empty());
  // The owner was told it lost and got back the activation.
  const auto activations = ReceivedOf(owner, WM_ACTIVATE);
  ASSERT_EQ(activations.size(), 2u);
  EXPECT_EQ(LOWORD(activations[0].wParam), WA_INACTIVE);
  EXPECT_EQ(LOWORD(activations[1].wParam), WA_ACTIVE);
}

TEST_F(MessageBoxTest, TheBoxEndsWhenItsOwnerIsClosed) {
  WhileOpen([this](HWND) { PostMessageW(owner, WM_CLOSE, 0, 0); });
  EXPECT_EQ(Ask(), 0);
  EXPECT_FALSE(IsWindow(owner));
  EXPECT_EQ(FindWindowW(u"MessageBox", nullptr), nullptr);
}

TEST_F(MessageBoxTest, AQuitWhileOpenEndsTheBoxAndStaysForTheLoop) {
  WhileOpen([](HWND) { PostQuitMessage(5); });
  EXPECT_EQ(Ask(), 0);
  MSG msg;
  EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.wParam, 5u);
}

}  // namespace
