// The pictures built into the program: both About logos and the icon as bitmap files of the
// right size and form, the big logo the small one at twice the size, and the embedded
// arrays byte for byte the files the build drew.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "icon_bitmap.h"
#include "logo_bitmaps.h"
#include "tests/support/temp_config.h"

namespace {

const std::string Generated = MARLIX_GENERATED_DIR;

struct Bitmap {
  int width = 0, height = 0, bits = 0;
  std::vector<uint32_t> pixels;  // 0xAARRGGBB from the top row down; alpha 0xFF for palette pictures
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A bitmap file read back through its headers, as a loader would: an empty bitmap unless it
// is uncompressed, of one plane, of 8 bits with all 256 palette entries between the headers
// and the rows or of 32 bits with none, and its sizes add up to the file's.
Bitmap Read(const std::string& name) {
  const std::string b = ReadFileText(Generated + "/" + name);
  auto le = [&b](size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(b.at(at + i));
    return value;
  };
  if (b.size() < 54 || b.compare(0, 2, "BM") != 0) return {};
  const int width = static_cast<int32_t>(le(18, 4)), height = static_cast<int32_t>(le(22, 4));
  const uint32_t bits = le(28, 2), palette = bits == 8 ? 256 : 0, offset = le(10, 4);
  const uint32_t image = ((width * bits / 8 + 3) & ~3u) * height;  // rows padded to 4 bytes, bottom-up
  if (width <= 0 || height <= 0 || (bits != 8 && bits != 32) || le(2, 4) != b.size() || le(14, 4) != 40 ||
      le(26, 2) != 1 || le(30, 4) != 0 || le(34, 4) != image || le(46, 4) != palette ||
      offset != 14 + 40 + 4 * palette || offset + image != b.size())
    return {};
  Bitmap bitmap{width, height, static_cast<int>(bits), {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const size_t at = offset + image / height * (height - 1 - y) + x * bits / 8;
      bitmap.pixels.push_back(bits == 8 ? 0xFF000000 | le(54 + 4 * static_cast<uint8_t>(b[at]), 3)
                                        : le(at, 4));
    }
  return bitmap;
}

TEST(Pictures, AreBitmapFilesOfTheirSizeAndFormBuiltIntoTheProgramByteForByte) {
  const struct {
    const char* name;
    int width, height, bits;
    const unsigned char* embedded;
    size_t size;
  } files[] = {{"logo136.bmp", 69, 83, 8, Logo136Bitmap, Logo136Bitmap_size},
               {"logo144.bmp", 138, 166, 8, Logo144Bitmap, Logo144Bitmap_size},
               {"icon143.bmp", 64, 64, 32, Icon143Bitmap, Icon143Bitmap_size}};
  for (const auto& c : files) {
    const Bitmap b = Read(c.name);
    EXPECT_EQ(std::make_tuple(b.width, b.height, b.bits), std::make_tuple(c.width, c.height, c.bits))
        << c.name;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(c.embedded), c.size),
              ReadFileText(Generated + "/" + c.name))
        << c.name;
  }
}

// Both logos are drawn from one plan, the big one at twice the scale: each 2 x 2 block of it
// averages to the small one's pixel, but where an edge's smoothing falls differently.
TEST(Pictures, TheBigLogoIsTheSmallOneAtTwiceTheSize) {
  const Bitmap small = Read("logo136.bmp");
  const Bitmap big = Read("logo144.bmp");
  ASSERT_TRUE(!small.pixels.empty() && big.width == 2 * small.width && big.height == 2 * small.height);
  long total = 0;
  int close = 0;
  for (int y = 0; y < small.height; ++y)
    for (int x = 0; x < small.width; ++x) {
      int worst = 0;
      for (int shift : {0, 8, 16}) {
        auto channel = [shift](uint32_t colour) { return static_cast<int>(colour >> shift & 0xFF); };
        const int sum = channel(big.At(2 * x, 2 * y)) + channel(big.At(2 * x + 1, 2 * y)) +
                        channel(big.At(2 * x, 2 * y + 1)) + channel(big.At(2 * x + 1, 2 * y + 1));
        const int difference = std::abs((sum + 2) / 4 - channel(small.At(x, y)));
        total += difference;
        worst = std::max(worst, difference);
      }
      close += worst <= 24 ? 1 : 0;
    }
  const int pixels = small.width * small.height;
  EXPECT_LT(static_cast<double>(total) / (3 * pixels), 4.0);
  EXPECT_GT(close, pixels * 9 / 10);
  // A white ground all round, so the logo melts into the About box.
  for (const Bitmap* b : {&small, &big})
    for (const int x : {0, b->width - 1}) EXPECT_EQ(b->At(x, b->height - 1), 0xFFFFFFFFu);
}

TEST(Pictures, TheIconIsOpaqueInsideAndClearAtItsCorners) {
  const Bitmap icon = Read("icon143.bmp");
  ASSERT_EQ(icon.pixels.size(), 64u * 64u);
  for (const int x : {0, 63})
    for (const int y : {0, 63}) EXPECT_EQ(icon.At(x, y) >> 24, 0u) << x << ", " << y;
  for (int y = 8; y < 56; ++y)
    for (int x = 8; x < 56; ++x) ASSERT_EQ(icon.At(x, y) >> 24, 0xFFu) << x << ", " << y;
  // The desktop's menu shows the same picture, drawn from the same shapes.
  const std::string svg = ReadFileText(Generated + "/marlix-pentro.svg");
  EXPECT_TRUE(
      svg.find(
          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">") !=
          std::string::npos &&
      svg.find("</svg>") != std::string::npos)
      << svg.substr(0, 200);
}

}  // namespace
