// A module's resources read through its instance handle: strings, and resources by number
// or by name.
#include <gtest/gtest.h>

#include "platform/emulator.h"
#include "platform/winbase.h"
#include "platform/winuser.h"

namespace {

constexpr WORD Marker = 1;
const RESOURCE Resources[] = {
    {RT_STRING, MAKEINTRESOURCE(1), u"Marlix Pentro", 13},
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
  EXPECT_EQ(LoadIconW(Module(), MAKEINTRESOURCE(1)), nullptr);
}

}  // namespace
