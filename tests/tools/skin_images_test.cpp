// The skin images as the game loads them: every file under its name and size, sheets whose
// cells tell the sides and the skins apart, corner points where the layout puts them,
// readable score fields, and the same bytes from every run.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "game/board.h"
#include "tools/assetgen/assets.h"
#include "tools/assetgen/gif_writer.h"
#include "view/layout_table.h"

namespace {

namespace fs = std::filesystem;

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xRRGGBB
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  // The pixels of a rectangle, row by row.
  std::vector<uint32_t> Cut(int left, int top, int w, int h) const {
    std::vector<uint32_t> out;
    for (int y = top; y < top + h; ++y)
      for (int x = left; x < left + w; ++x) out.push_back(At(x, y));
    return out;
  }
};

bool ReadGif(const fs::path& path, Picture& picture) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  if (gif == nullptr) return false;
  bool ok = DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1;
  if (ok) {
    const SavedImage& image = gif->SavedImages[0];
    const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
    ok = map != nullptr && image.ImageDesc.Left == 0 && image.ImageDesc.Top == 0 &&
         image.ImageDesc.Width == gif->SWidth && image.ImageDesc.Height == gif->SHeight;
    if (ok) {
      picture.width = gif->SWidth;
      picture.height = gif->SHeight;
      for (int i = 0; i < picture.width * picture.height; ++i) {
        const GifColorType c = map->Colors[image.RasterBits[i]];
        picture.pixels.push_back(static_cast<uint32_t>(c.Red) << 16 | c.Green << 8 | c.Blue);
      }
    }
  }
  DGifCloseFile(gif, &error);
  return ok;
}

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

const char* const Skins[] = {"default", "skin1", "skin2", "skin3", "skin4", "skin5"};
// Background size suffixes by resolution id.
const char* const Sizes[] = {"240x320", "480x640", "480x800", "320x240", "640x480", "800x480"};

struct SheetCase {
  const char* name;
  int width, height;
  int resolutionId;  // the layout whose sprite sizes the sheet holds
  int kind;          // 0 horizontal lines, 1 vertical lines, 2 boxes
};
const SheetCase Sheets[] = {
    {"horizontal_lines_240x320.gif", 48, 42, 0, 0},   {"horizontal_lines_480x640.gif", 96, 84, 1, 0},
    {"horizontal_lines_320x240.gif", 68, 42, 3, 0},   {"horizontal_lines_640x480.gif", 136, 84, 4, 0},
    {"vertical_lines_240x320.gif", 42, 48, 0, 1},     {"vertical_lines_480x640.gif", 84, 96, 1, 1},
    {"vertical_lines_320x240.gif", 42, 26, 3, 1},     {"vertical_lines_640x480.gif", 84, 52, 4, 1},
    {"squares_240x320.gif", 48, 144, 0, 2},           {"squares_480x640.gif", 96, 288, 1, 2},
    {"squares_320x240.gif", 68, 78, 3, 2},            {"squares_640x480.gif", 136, 156, 4, 2},
};
// A cell that shows each kind: the top-left horizontal line, vertical line and box.
const int FirstCellOfKind[] = {0, 7, 8};

std::string BackgroundName(int skin, int id) { return std::string(Skins[skin]) + "_background_" + Sizes[id] + ".gif"; }

// The sprite of one side and skin, cut from a sheet as the game copies it.
std::vector<uint32_t> SheetCell(const Picture& sheet, const SheetCase& c, int skin, int32_t owner) {
  const RECT r = CellRect(Layouts[c.resolutionId], FirstCellOfKind[c.kind]);
  const int w = r.right - r.left, h = r.bottom - r.top, side = owner == OwnerUser ? 0 : 1;
  return c.kind == 1 ? sheet.Cut(skin * w, side * h, w, h) : sheet.Cut(side * w, skin * h, w, h);
}

double Luminance(uint32_t colour) {
  double sum = 0;
  const double weights[] = {0.0722, 0.7152, 0.2126};  // blue, green, red
  for (int i = 0; i < 3; ++i) {
    const double v = (colour >> (8 * i) & 0xFF) / 255.0;
    sum += weights[i] * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
  }
  return sum;
}

double Contrast(uint32_t a, uint32_t b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every file the game may load, read once from the build's resource folder.
class SkinImages : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (int skin = 0; skin < 6; ++skin)
      for (int id = 0; id < ResolutionCount; ++id) names.push_back(BackgroundName(skin, id));
    for (const SheetCase& c : Sheets) names.push_back(c.name);
    for (const std::string& name : names) {
      Picture picture;
      if (ReadGif(fs::path(MARLIX_RES_DIR) / name, picture)) pictures[name] = picture;
    }
  }
  static const Picture& Get(const std::string& name) { return pictures.at(name); }

  static inline std::vector<std::string> names;
  static inline std::map<std::string, Picture> pictures;
};

TEST_F(SkinImages, EveryFileIsThereUnderItsNameAndSize) {
  for (int skin = 0; skin < 6; ++skin)
    for (int id = 0; id < ResolutionCount; ++id) {
      const std::string name = BackgroundName(skin, id);
      ASSERT_EQ(pictures.count(name), 1u) << name << " is missing or unreadable";
      EXPECT_EQ(Get(name).width, ScreenSizes[id].cx) << name;
      EXPECT_EQ(Get(name).height, ScreenSizes[id].cy) << name;
    }
  for (const SheetCase& c : Sheets) {
    ASSERT_EQ(pictures.count(c.name), 1u) << c.name << " is missing or unreadable";
    EXPECT_EQ(Get(c.name).width, c.width) << c.name;
    EXPECT_EQ(Get(c.name).height, c.height) << c.name;
  }
}

TEST_F(SkinImages, SheetCellsTellTheSidesAndTheSkinsApart) {
  for (const SheetCase& c : Sheets) {
    const Picture& sheet = Get(c.name);
    for (int skin = 0; skin < 6; ++skin) {
      EXPECT_NE(SheetCell(sheet, c, skin, OwnerUser), SheetCell(sheet, c, skin, OwnerComputer))
          << c.name << " skin " << skin;
      for (int other = 0; other < skin; ++other)
        for (const int32_t owner : {OwnerUser, OwnerComputer})
          EXPECT_NE(SheetCell(sheet, c, skin, owner), SheetCell(sheet, c, other, owner))
              << c.name << " skins " << other << " and " << skin;
    }
  }
}

// A drawn line or a taken box shows on the empty board of every background that uses the
// sheet, and the empty board looks the same under every cell of a kind, so a sprite fits
// wherever it is copied.
TEST_F(SkinImages, SpritesShowOnAnEvenBoard) {
  for (int id = 0; id < ResolutionCount; ++id) {
    const BoardMetrics& m = Layouts[id];
    for (int skin = 0; skin < 6; ++skin) {
      const Picture& background = Get(BackgroundName(skin, id));
      for (const SheetCase& c : Sheets) {
        if (Layouts[c.resolutionId].pitchX() != m.pitchX() || Layouts[c.resolutionId].pitchY() != m.pitchY()) continue;
        const RECT first = CellRect(m, FirstCellOfKind[c.kind]);
        const auto empty = background.Cut(first.left, first.top, first.right - first.left, first.bottom - first.top);
        for (const int32_t owner : {OwnerUser, OwnerComputer})
          EXPECT_NE(SheetCell(Get(c.name), c, skin, owner), empty) << c.name << " on " << BackgroundName(skin, id);
        for (int cell = 0; cell < CellCount; ++cell) {
          const bool sameKind = c.kind == 0   ? IsHorizontalLine(cell)
                                : c.kind == 1 ? IsVerticalLine(cell)
                                              : !IsHorizontalLine(cell) && !IsVerticalLine(cell);
          if (!sameKind) continue;
          const RECT r = CellRect(m, cell);
          ASSERT_EQ(background.Cut(r.left, r.top, r.right - r.left, r.bottom - r.top), empty)
              << BackgroundName(skin, id) << " cell " << cell;
        }
      }
    }
  }
}

TEST_F(SkinImages, CornerPointsSitWhereTheLayoutPutsThem) {
  for (int id = 0; id < ResolutionCount; ++id) {
    const BoardMetrics& m = Layouts[id];
    for (int skin = 0; skin < 6; ++skin) {
      const Picture& background = Get(BackgroundName(skin, id));
      for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 8; ++col) {
          const RECT r = CornerRect(m, row, col);
          const uint32_t dot = background.At((r.left + r.right) / 2, (r.top + r.bottom) / 2);
          // just outside the point's square, across each of its corners
          for (const int x : {r.left - 1, static_cast<int>(r.right)})
            for (const int y : {r.top - 1, static_cast<int>(r.bottom)})
              EXPECT_NE(dot, background.At(x, y))
                  << BackgroundName(skin, id) << " corner point " << row << "," << col << " at " << x << "," << y;
        }
    }
  }
}

// The numbers are drawn from a field's top-left corner in white, or in grey on the paper skin.
TEST_F(SkinImages, ScoreFieldsContrastWithTheNumbers) {
  for (int id = 0; id < ResolutionCount; ++id) {
    const BoardMetrics& m = Layouts[id];
    for (int skin = 0; skin < 6; ++skin) {
      const uint32_t text = skin == 1 ? 0x757A7F : 0xFFFFFF;
      const Picture& background = Get(BackgroundName(skin, id));
      for (const RECT& field : {UserScoreRect(m), ComputerScoreRect(m)}) {
        // two digits of a 9-point font
        const int right = field.left + m.scoreWidth / 2, bottom = field.top + m.scoreHeight * 3 / 4;
        double worst = 100;
        for (int y = field.top; y < bottom; ++y)
          for (int x = field.left; x < right; ++x) worst = std::min(worst, Contrast(text, background.At(x, y)));
        EXPECT_GE(worst, 3.0) << BackgroundName(skin, id) << " field at " << field.left << "," << field.top;
      }
    }
  }
}

// The build wrote the resource folder; a fresh run must give the same files, byte for byte,
// and nothing else.
TEST_F(SkinImages, EveryRunWritesTheSameBytes) {
  std::string folder = (fs::temp_directory_path() / "marlix-skins-XXXXXX").string();
  ASSERT_NE(mkdtemp(folder.data()), nullptr);
  ASSERT_TRUE(WriteSkins(folder));
  size_t written = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    ++written;
    const std::string name = entry.path().filename().string();
    EXPECT_EQ(std::count(names.begin(), names.end(), name), 1) << name << " is not a skin image";
    EXPECT_EQ(Bytes(entry.path()), Bytes(fs::path(MARLIX_RES_DIR) / name)) << name;
  }
  EXPECT_EQ(written, names.size());
  fs::remove_all(folder);
}

// The artwork relies on sprites matching the background to the bit, so colours are never
// approximated: 256 come back exactly, and a 257th is refused rather than quantised.
TEST(GifWriter, KeepsColoursExactAndRefusesTooMany) {
  std::string folder = (fs::temp_directory_path() / "marlix-gif-XXXXXX").string();
  ASSERT_NE(mkdtemp(folder.data()), nullptr);
  Canvas canvas = MakeCanvas(257, 1, 0);
  for (int i = 0; i < 256; ++i) canvas.pixels[i] = static_cast<Colour>(i * 0x010305 + 0x102030) & 0xFFFFFF;
  canvas.pixels[256] = canvas.pixels[3];
  Picture picture;
  ASSERT_TRUE(WriteGif(folder + "/full.gif", canvas));
  ASSERT_TRUE(ReadGif(folder + "/full.gif", picture));
  EXPECT_EQ(picture.pixels, canvas.pixels);
  canvas.pixels[256] = 0xFFFFFF;
  EXPECT_FALSE(WriteGif(folder + "/over.gif", canvas));
  fs::remove_all(folder);
}

}  // namespace
