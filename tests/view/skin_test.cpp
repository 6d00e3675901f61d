// Loading and freeing the skin images by the screen size and skin. The painting tests load
// every size and skin, and check every sprite's source in its sheet.
#include "view/skin.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "platform/emulator.h"
#include "platform/strsafe.h"
#include "settings/folders.h"
#include "tests/support/synthetic_skin.h"
#include "tests/support/temp_folder.h"
#include "view/layout.h"

namespace {

void UseLayout(int id) {
  EmulatorSetScreen(ScreenSizes[id].cx, ScreenSizes[id].cy, 1);
  DetectLayout();
}

struct SkinTest : testing::Test {
  void TearDown() override {
    FreeSkin();
    SkinImages = SkinImageHandles{};
    Skin = 0;
  }
};

// Only the files the current size and skin name are read, a missing one leaving the
// others loaded: 800 x 480 takes its own background with the 640 x 480 sheets, 480 x 800
// the 480 x 640 sheets. (The score's colour for each skin is the paint tests' part.)
TEST_F(SkinTest, LoadsTheFilesOfItsSizeAndSkinOnly) {
  const std::string folder = MakeTempFolder();
  ASSERT_TRUE(WriteSyntheticBackground(folder, 3, 5));
  for (SheetKind kind : {HorizontalSheet, VerticalSheet, SquaresSheet})
    ASSERT_TRUE(WriteSyntheticSheet(folder, kind, 4));
  StringCchCopyW(ResFolder, MAX_PATH, EmulatorDevicePath(folder).c_str());
  // The layout, the skin, and which of the background, horizontal lines, vertical lines and
  // squares load.
  const std::tuple<int, int, const char*> cases[] = {
      {5, 3, "++++"}, {4, 3, "-+++"}, {5, 1, "-+++"}, {2, 3, "----"}};
  for (const auto& [id, skin, expected] : cases) {
    UseLayout(id);
    Skin = skin;
    LoadSkin();
    std::string loaded;
    for (HBITMAP image :
         {SkinImages.background, SkinImages.horizontalLines, SkinImages.verticalLines, SkinImages.squares})
      loaded += image != nullptr ? '+' : '-';
    EXPECT_EQ(loaded, expected) << "id " << id << " skin " << skin;
    FreeSkin();
  }
  // Still on 480 x 800, now with the 480 x 640 sheets.
  for (SheetKind kind : {HorizontalSheet, VerticalSheet, SquaresSheet})
    ASSERT_TRUE(WriteSyntheticSheet(folder, kind, 1));
  LoadSkin();
  EXPECT_TRUE(SkinImages.horizontalLines && SkinImages.verticalLines && SkinImages.squares);
  // A folder too long for the names: they are cut within their buffers, and nothing loads.
  FreeSkin();
  StringCchCopyW(ResFolder, MAX_PATH, (u"\\" + std::u16string(250, u'x')).c_str());
  LoadSkin();
  EXPECT_EQ(SkinImages.background, nullptr);
}

}  // namespace
