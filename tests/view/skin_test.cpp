// Skin image names, loading and freeing, and where each sprite is taken from its sheet.
#include "view/skin.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/folders.h"
#include "game/board.h"
#include "platform/emulator.h"
#include "platform/hostpath.h"
#include "platform/strsafe.h"
#include "tests/support/synthetic_skin.h"
#include "tests/support/temp_folder.h"
#include "tests/view/board_window.h"
#include "view/board_paint.h"
#include "view/layout.h"

namespace {

std::string Name(SkinImage image) {
  WCHAR name[MAX_PATH];
  SkinFileName(image, name);
  return Utf8FromDevice(name);
}

void UseLayout(int id) {
  EmulatorSetScreen(ScreenSizes[id].cx, ScreenSizes[id].cy, 1);
  DetectLayout();
}

class SkinTest : public testing::Test {
 protected:
  void TearDown() override {
    FreeSkin();
    SkinImages = SkinImageHandles{};
    Skin = 0;
  }
};

TEST_F(SkinTest, FileNamesBySizeAndSkin) {
  StringCchCopyW(ResFolder, MAX_PATH, u"\\opt\\pentro\\res");
  const char* backgrounds[] = {"240x320", "480x640", "480x800", "320x240", "640x480", "800x480"};
  const char* sheets[] = {"240x320", "480x640", "480x640", "320x240", "640x480", "640x480"};
  const char* prefixes[] = {"default_", "skin1_", "skin2_", "skin3_", "skin4_", "skin5_"};
  for (int id = 0; id < ResolutionCount; ++id)
    for (int skin = 0; skin < 6; ++skin) {
      UseLayout(id);
      Skin = skin;
      const std::string folder = "\\opt\\pentro\\res\\";
      EXPECT_EQ(Name(SkinBackground), folder + prefixes[skin] + "background_" + backgrounds[id] + ".gif");
      EXPECT_EQ(Name(SkinHorizontalLines), folder + "horizontal_lines_" + sheets[id] + ".gif");
      EXPECT_EQ(Name(SkinVerticalLines), folder + "vertical_lines_" + sheets[id] + ".gif");
      EXPECT_EQ(Name(SkinSquares), folder + "squares_" + sheets[id] + ".gif");
    }
  // Any other skin value is the default skin.
  Skin = 9;
  EXPECT_EQ(Name(SkinBackground), "\\opt\\pentro\\res\\default_background_800x480.gif");
}

TEST_F(SkinTest, OverlongNamesAreCutAndDoNotLoad) {
  std::u16string folder = u"\\";
  folder.append(250, u'x');
  StringCchCopyW(ResFolder, MAX_PATH, folder.c_str());
  UseLayout(1);
  WCHAR name[MAX_PATH];
  SkinFileName(SkinBackground, name);
  size_t length = 0;
  EXPECT_EQ(StringCchLengthW(name, MAX_PATH, &length), S_OK);
  EXPECT_EQ(length, MAX_PATH - 1u);
  LoadSkin();
  EXPECT_EQ(SkinImages.background, nullptr);
}

// Only the files the current size and skin name are read: 800 x 480 takes its own
// background with the 640 x 480 sheets, 480 x 800 its own with the 480 x 640 sheets.
TEST_F(SkinTest, LoadsTheFilesOfItsSizeOnly) {
  const std::string wide = MakeTempFolder();
  ASSERT_TRUE(WriteSyntheticBackground(wide, 3, 5));
  for (SheetKind kind : {HorizontalSheet, VerticalSheet, SquaresSheet})
    ASSERT_TRUE(WriteSyntheticSheet(wide, kind, 4));
  UseResFolder(wide);
  Skin = 3;
  UseLayout(5);
  LoadSkin();
  EXPECT_NE(SkinImages.background, nullptr);
  EXPECT_NE(SkinImages.horizontalLines, nullptr);
  EXPECT_NE(SkinImages.verticalLines, nullptr);
  EXPECT_NE(SkinImages.squares, nullptr);
  FreeSkin();

  UseLayout(4);  // no 640 x 480 background in the folder
  LoadSkin();
  EXPECT_EQ(SkinImages.background, nullptr);
  EXPECT_NE(SkinImages.horizontalLines, nullptr);
  FreeSkin();

  Skin = 2;  // another skin's background is missing too
  UseLayout(5);
  LoadSkin();
  EXPECT_EQ(SkinImages.background, nullptr);
  EXPECT_NE(SkinImages.squares, nullptr);
  FreeSkin();

  const std::string tall = MakeTempFolder();
  ASSERT_TRUE(WriteSyntheticBackground(tall, 0, 2));
  for (SheetKind kind : {HorizontalSheet, VerticalSheet, SquaresSheet})
    ASSERT_TRUE(WriteSyntheticSheet(tall, kind, 1));
  UseResFolder(tall);
  Skin = 0;
  UseLayout(2);
  LoadSkin();
  EXPECT_NE(SkinImages.background, nullptr);
  EXPECT_NE(SkinImages.verticalLines, nullptr);
}

TEST_F(SkinTest, ScoreColourFollowsTheSkin) {
  UseResFolder(StandInArt());
  UseLayout(0);
  for (int skin = 0; skin < 6; ++skin) {
    Skin = skin;
    LoadSkin();
    EXPECT_EQ(scoreTextColour, skin == 1 ? 0x7F7A75u : 0xFFFFFFu) << "skin " << skin;
    FreeSkin();
    EXPECT_EQ(scoreTextColour, 0xFFFFFFu);
  }
  // A skin that fails to load still sets its colour.
  UseResFolder(MakeTempFolder());
  Skin = 1;
  LoadSkin();
  EXPECT_EQ(SkinImages.background, nullptr);
  EXPECT_EQ(scoreTextColour, 0x7F7A75u);
}

TEST_F(SkinTest, SpriteSourcesInTheSheets) {
  UseLayout(0);
  Skin = 3;
  auto at = [](int cell, int32_t owner) {
    const POINT p = CellSource(cell, owner);
    return std::make_pair(p.x, p.y);
  };
  EXPECT_EQ(at(HorizontalLineCell(2, 3), OwnerComputer), std::make_pair(24, 21));
  EXPECT_EQ(at(HorizontalLineCell(2, 3), OwnerUser), std::make_pair(0, 21));
  EXPECT_EQ(at(VerticalLineCell(4, 0), OwnerUser), std::make_pair(21, 0));
  EXPECT_EQ(at(VerticalLineCell(4, 0), OwnerComputer), std::make_pair(21, 24));
  EXPECT_EQ(at(BoxCell(5, 6), OwnerComputer), std::make_pair(24, 72));
  EXPECT_EQ(at(BoxCell(5, 6), OwnerUser), std::make_pair(0, 72));

  UseLayout(5);  // the 640 x 480 sheets
  Skin = 5;
  EXPECT_EQ(at(160, OwnerComputer), std::make_pair(68, 70));
  EXPECT_EQ(at(153, OwnerComputer), std::make_pair(70, 26));
  EXPECT_EQ(at(BoxCell(0, 0), OwnerUser), std::make_pair(0, 130));
  Skin = 0;
  EXPECT_EQ(at(7, OwnerUser), std::make_pair(0, 0));
}

}  // namespace
