// A module's resources read through its instance handle: strings, named resources,
// icons, and accelerator tables translating keys into commands.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/emulator.h"
#include "platform/winbase.h"
#include "platform/winuser.h"
#include "tests/platform/recording_window.h"

namespace {

constexpr ACCEL Keys[] = {{FVIRTKEY | FCONTROL | FNOINVERT, 'Q', 40000}, {FVIRTKEY, VK_RETURN, 41}};
constexpr WORD Marker = 1;

// A 2 x 1 bitmap file, 24 bits per pixel.
std::vector<BYTE> TinyBitmap() {
  std::vector<BYTE> file(62, 0);
  auto put32 = [&file](size_t at, DWORD value) { std::memcpy(&file[at], &value, 4); };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, 62);
  put32(10, 54);
  put32(14, 40);
  put32(18, 2);  // width
  put32(22, 1);  // height
  file[26] = 1;  // planes
  file[28] = 24;
  put32(34, 8);
  file[54] = 0xFF;  // a blue pixel, then a red one, then row padding
  file[59] = 0xFF;
  return file;
}
const std::vector<BYTE> Icon = TinyBitmap();
const BYTE NotABitmap[] = {1, 2, 3, 4};

const RESOURCE Resources[] = {
    {RT_STRING, MAKEINTRESOURCE(1), u"Marlix Pentro", 13},
    {RT_ACCELERATOR, MAKEINTRESOURCE(2), Keys, sizeof Keys},
    {RT_GROUP_ICON, MAKEINTRESOURCE(143), Icon.data(), static_cast<DWORD>(Icon.size())},
    {RT_GROUP_ICON, MAKEINTRESOURCE(144), NotABitmap, sizeof NotABitmap},
    {u"CEUX", u"HI_RES_AWARE", &Marker, sizeof Marker},
};

HINSTANCE Module() { return EmulatorLoadModule(Resources, sizeof Resources / sizeof Resources[0]); }

TEST(Resources, StringsAreCutToTheBuffer) {
  WCHAR buffer[100];
  EXPECT_EQ(LoadStringW(Module(), 1, buffer, 100), 13);
  EXPECT_EQ(std::u16string(buffer), u"Marlix Pentro");
  EXPECT_EQ(LoadStringW(Module(), 1, buffer, 7), 6);
  EXPECT_EQ(std::u16string(buffer), u"Marlix");
  EXPECT_EQ(LoadStringW(Module(), 3, buffer, 100), 0);
  EXPECT_EQ(buffer[0], 0);
}

TEST(Resources, FoundByNumberOrByName) {
  HRSRC marker = FindResourceW(Module(), u"HI_RES_AWARE", u"CEUX");
  ASSERT_NE(marker, nullptr);
  EXPECT_EQ(SizeofResource(Module(), marker), 2u);
  EXPECT_EQ(*static_cast<const WORD*>(LockResource(LoadResource(Module(), marker))), 1);
  EXPECT_EQ(FindResourceW(Module(), MAKEINTRESOURCE(1), RT_MENU), nullptr);
  EXPECT_EQ(FindResourceW(Module(), u"1", RT_STRING), nullptr);  // a name is not a number
  EXPECT_NE(FindResourceW(Module(), MAKEINTRESOURCE(1), RT_STRING), nullptr);
}

TEST(Resources, IconsAreDecodedOnceAndBadOnesAreNull) {
  HICON icon = LoadIconW(Module(), MAKEINTRESOURCE(143));
  EXPECT_NE(icon, nullptr);
  EXPECT_EQ(LoadIconW(Module(), MAKEINTRESOURCE(143)), icon);
  EXPECT_EQ(LoadIconW(Module(), MAKEINTRESOURCE(144)), nullptr);
  EXPECT_EQ(LoadIconW(Module(), MAKEINTRESOURCE(145)), nullptr);
}

TEST(Resources, AcceleratorsNeedTheirExactModifiers) {
  CloseEverything();
  EmulatorSetScreen(240, 320, 1);
  HWND window = CreateRecordingWindow();
  HACCEL table = LoadAcceleratorsW(Module(), MAKEINTRESOURCE(2));
  ASSERT_NE(table, nullptr);
  const struct {
    int key;
    BOOL control;
    WORD command;  // 0: not translated
  } cases[] = {
      {'Q', TRUE, 40000}, {'Q', FALSE, 0}, {'W', TRUE, 0}, {VK_RETURN, FALSE, 41}, {VK_RETURN, TRUE, 0}};
  for (const auto& c : cases) {
    ReceivedMessages.clear();
    EmulatorKey(c.key, c.control);
    MSG msg;
    int translated = 0;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_KEYDOWN) translated += TranslateAcceleratorW(msg.hwnd, table, &msg);
      if (msg.message != WM_KEYDOWN) DispatchMessageW(&msg);
    }
    const auto commands = ReceivedOf(window, WM_COMMAND);
    EXPECT_EQ(translated, c.command != 0 ? 1 : 0) << c.key << " " << c.control;
    ASSERT_EQ(commands.size(), c.command != 0 ? 1u : 0u);
    if (c.command != 0) {
      EXPECT_EQ(commands[0].wParam, MAKEWPARAM(c.command, 1));
    }
  }
  CloseEverything();
}

}  // namespace
