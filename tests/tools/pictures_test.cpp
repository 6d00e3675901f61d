// The pictures built into the program: both About logos and the icon as bitmap files of the
// right size and form, the big logo the small one at twice the size, and the embedded
// arrays byte for byte the files the build drew.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "icon_bitmap.h"
#include "logo_bitmaps.h"

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

uint32_t Read(const std::string& bytes, size_t at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes.at(at + i));
  return value;
}

// A bitmap file read back through its headers, as a loader would.
struct Bitmap {
  uint32_t fileSize, dataOffset, headerSize, planes, bits, compression, imageSize, coloursUsed;
  int32_t width, height;  // a positive height: rows run bottom-up
  std::vector<uint32_t> pixels;  // 0xAARRGGBB from the top row down; alpha 0xFF for palette pictures
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Bitmap Parse(const std::string& bytes) {
  Bitmap b{};
  if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0) return b;
  b.fileSize = Read(bytes, 2, 4);
  b.dataOffset = Read(bytes, 10, 4);
  b.headerSize = Read(bytes, 14, 4);
  b.width = static_cast<int32_t>(Read(bytes, 18, 4));
  b.height = static_cast<int32_t>(Read(bytes, 22, 4));
  b.planes = Read(bytes, 26, 2);
  b.bits = Read(bytes, 28, 2);
  b.compression = Read(bytes, 30, 4);
  b.imageSize = Read(bytes, 34, 4);
  b.coloursUsed = Read(bytes, 46, 4);
  const size_t rowBytes = (static_cast<size_t>(b.width) * b.bits / 8 + 3) & ~size_t{3};
  if (b.width <= 0 || b.height <= 0 || b.dataOffset + rowBytes * b.height > bytes.size()) return b;
  for (int y = 0; y < b.height; ++y) {
    const size_t row = b.dataOffset + rowBytes * (b.height - 1 - y);
    for (int x = 0; x < b.width; ++x)
      if (b.bits == 8) {
        const size_t entry = 54 + 4 * static_cast<uint8_t>(bytes[row + x]);
        b.pixels.push_back(0xFF000000 | Read(bytes, entry, 3));
      } else {
        b.pixels.push_back(Read(bytes, row + 4 * x, 4));
      }
  }
  return b;
}

const fs::path Generated = MARLIX_GENERATED_DIR;

struct FileCase {
  const char* name;
  int width, height, bits;
  const unsigned char* embedded;
  const size_t* embeddedSize;
};
const FileCase Files[] = {
    {"logo136.bmp", 69, 83, 8, Logo136Bitmap, &Logo136Bitmap_size},
    {"logo144.bmp", 138, 166, 8, Logo144Bitmap, &Logo144Bitmap_size},
    {"icon143.bmp", 64, 64, 32, Icon143Bitmap, &Icon143Bitmap_size},
};

TEST(Pictures, AreBitmapFilesOfTheirSizeAndForm) {
  for (const FileCase& c : Files) {
    SCOPED_TRACE(c.name);
    const std::string bytes = Bytes(Generated / c.name);
    const Bitmap b = Parse(bytes);
    EXPECT_EQ(b.fileSize, bytes.size());
    EXPECT_EQ(b.headerSize, 40u);
    EXPECT_EQ(b.width, c.width);
    EXPECT_EQ(b.height, c.height);
    EXPECT_EQ(b.planes, 1u);
    EXPECT_EQ(b.bits, static_cast<uint32_t>(c.bits));
    EXPECT_EQ(b.compression, 0u);
    const uint32_t rowBytes = (c.width * c.bits / 8 + 3) & ~3u;
    EXPECT_EQ(b.imageSize, rowBytes * c.height);
    // The palette, all 256 entries of it, lies between the headers and the rows.
    const uint32_t paletteEntries = c.bits == 8 ? 256 : 0;
    EXPECT_EQ(b.coloursUsed, paletteEntries);
    EXPECT_EQ(b.dataOffset, 14 + 40 + 4 * paletteEntries);
    EXPECT_EQ(b.dataOffset + b.imageSize, bytes.size());
    ASSERT_EQ(b.pixels.size(), static_cast<size_t>(c.width) * c.height);
  }
}

TEST(Pictures, AreBuiltIntoTheProgramByteForByte) {
  for (const FileCase& c : Files) {
    const std::string bytes = Bytes(Generated / c.name);
    ASSERT_FALSE(bytes.empty()) << c.name;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(c.embedded), *c.embeddedSize), bytes) << c.name;
  }
}

// Both logos are drawn from one plan, the big one at twice the scale: each 2 x 2 block of it
// averages to the small one's pixel, but where an edge's smoothing falls differently.
TEST(Pictures, TheBigLogoIsTheSmallOneAtTwiceTheSize) {
  const Bitmap small = Parse(Bytes(Generated / "logo136.bmp"));
  const Bitmap big = Parse(Bytes(Generated / "logo144.bmp"));
  ASSERT_EQ(big.width, 2 * small.width);
  ASSERT_EQ(big.height, 2 * small.height);
  long total = 0;
  int close = 0;
  for (int y = 0; y < small.height; ++y)
    for (int x = 0; x < small.width; ++x) {
      int worst = 0;
      for (int shift = 0; shift < 24; shift += 8) {
        int sum = 0;
        for (int dy = 0; dy < 2; ++dy)
          for (int dx = 0; dx < 2; ++dx) sum += static_cast<int>(big.At(2 * x + dx, 2 * y + dy) >> shift & 0xFF);
        const int difference = std::abs((sum + 2) / 4 - static_cast<int>(small.At(x, y) >> shift & 0xFF));
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
  const Bitmap icon = Parse(Bytes(Generated / "icon143.bmp"));
  ASSERT_EQ(icon.pixels.size(), 64u * 64u);
  for (const int x : {0, 63})
    for (const int y : {0, 63}) EXPECT_EQ(icon.At(x, y) >> 24, 0u) << x << ", " << y;
  for (int y = 8; y < 56; ++y)
    for (int x = 8; x < 56; ++x) ASSERT_EQ(icon.At(x, y) >> 24, 0xFFu) << x << ", " << y;
  // The desktop's menu shows the same picture, drawn from the same shapes.
  const std::string svg = Bytes(Generated / "marlix-pentro.svg");
  EXPECT_NE(svg.find("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">"),
            std::string::npos);
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
}

}  // namespace
