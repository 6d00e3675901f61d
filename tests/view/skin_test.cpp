// Skin image names, loading and freeing, and where each sprite is taken from its sheet.
#include "view/skin.h"

#include <gtest/gtest.h>

#include <string>

#include "app/folders.h"
#include "game/board.h"
#include "platform/emulator.h"
#include "platform/hostpath.h"
#include "platform/strsafe.h"
#include "tests/support/synthetic_skin.h"
#include "tests/support/temp_folder.h"
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

struct SkinTest : testing::Test {
  void TearDown() override {
    FreeSkin();
    SkinImages = SkinImageHandles{};
    Skin = 0;
  }
};

TEST_F(SkinTest, FileNamesBySizeAndSkin) {
  StringCchCopyW(ResFolder, MAX_PATH, u"\\opt\\res");
  const char* backgrounds[] = {"240x320", "480x640", "480x800", "320x240", "640x480", "800x480"};
  const char* sheets[] = {"240x320", "480x640", "480x640", "320x240", "640x480", "640x480"};
  const char* prefixes[] = {"default_", "skin1_", "skin2_", "skin3_", "skin4_", "skin5_", "default_"};
  for (int id = 0; id < ResolutionCount; ++id)
    for (int skin = 0; skin <= 6; ++skin) {  // any other skin value is the default skin
      UseLayout(id);
      Skin = skin;
      const std::string sheet = std::string("_") + sheets[id] + ".gif";
      EXPECT_EQ(Name(SkinBackground),
                std::string("\\opt\\res\\") + prefixes[skin] + "background_" + backgrounds[id] + ".gif");
      EXPECT_EQ(Name(SkinHorizontalLines), "\\opt\\res\\horizontal_lines" + sheet);
      EXPECT_EQ(Name(SkinVerticalLines), "\\opt\\res\\vertical_lines" + sheet);
      EXPECT_EQ(Name(SkinSquares), "\\opt\\res\\squares" + sheet);
    }
}

TEST_F(SkinTest, OverlongNamesAreCutAndDoNotLoad) {
  const std::u16string folder = u"\\" + std::u16string(250, u'x');
  StringCchCopyW(ResFolder, MAX_PATH, folder.c_str());
  UseLayout(1);
  EXPECT_EQ(Name(SkinBackground).size(), MAX_PATH - 1u);
  LoadSkin();
  EXPECT_EQ(SkinImages.background, nullptr);
}

// Only the files the current size and skin name are read: 800 x 480 takes its own
// background with the 640 x 480 sheets. A failed load still sets the skin's score colour,
// grey for skin 1; freeing turns it back to white.
TEST_F(SkinTest, LoadsTheFilesOfItsSizeAndSkinOnly) {
  const std::string folder = MakeTempFolder();
  ASSERT_TRUE(WriteSyntheticBackground(folder, 3, 5));
  for (SheetKind kind : {HorizontalSheet, VerticalSheet, SquaresSheet})
    ASSERT_TRUE(WriteSyntheticSheet(folder, kind, 4));
  StringCchCopyW(ResFolder, MAX_PATH, DevicePath(folder).c_str());
  const struct {
    int id, skin;
    const char* loaded;  // background, horizontal lines, vertical lines, squares
    COLORREF colour;
  } cases[] = {
      {5, 3, "++++", 0xFFFFFF}, {4, 3, "-+++", 0xFFFFFF}, {5, 1, "-+++", 0x7F7A75}, {2, 3, "----", 0xFFFFFF}};
  for (const auto& c : cases) {
    UseLayout(c.id);
    Skin = c.skin;
    LoadSkin();
    std::string loaded;
    for (HBITMAP image :
         {SkinImages.background, SkinImages.horizontalLines, SkinImages.verticalLines, SkinImages.squares})
      loaded += image != nullptr ? '+' : '-';
    EXPECT_EQ(loaded, c.loaded) << "id " << c.id << " skin " << c.skin;
    EXPECT_EQ(scoreTextColour, c.colour) << "id " << c.id << " skin " << c.skin;
    FreeSkin();
    EXPECT_EQ(scoreTextColour, 0xFFFFFFu);
  }
}

TEST_F(SkinTest, SpriteSourcesInTheSheets) {
  UseLayout(0);
  Skin = 3;
  // cell, owner, source: horizontal line (2, 3), vertical line (4, 0) and box (5, 6) of each side
  const int cases[][4] = {{47, OwnerComputer, 24, 21}, {47, OwnerUser, 0, 21},       {95, OwnerUser, 21, 0},
                          {95, OwnerComputer, 21, 24}, {130, OwnerComputer, 24, 72}, {130, OwnerUser, 0, 72}};
  for (const auto& c : cases) {
    const POINT p = CellSource(c[0], c[1]);
    EXPECT_EQ(std::make_pair(p.x, p.y), std::make_pair(c[2], c[3])) << "cell " << c[0] << " owner " << c[1];
  }
}

}  // namespace
