// The program's icon as the desktop gets it: a 64 x 64 picture with an alpha channel,
// opaque inside and clear at its corners; and the same picture for the desktop's menu.
// Both About logos are loaded by the About box's tests.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "icon_bitmap.h"
#include "tests/support/temp_config.h"

namespace {

uint32_t Le(size_t at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | Icon143Bitmap[at + i];
  return value;
}

TEST(Pictures, TheIconIsOpaqueInsideAndClearAtItsCorners) {
  ASSERT_GT(Icon143Bitmap_size, 54u);
  // Width, height, bits per pixel and compression (none) of a bitmap file's headers.
  ASSERT_EQ(std::make_tuple(Le(18, 4), Le(22, 4), Le(28, 2), Le(30, 4)), std::make_tuple(64u, 64u, 32u, 0u));
  ASSERT_EQ(Le(10, 4) + 64 * 64 * 4, Icon143Bitmap_size);
  auto alpha = [](int x, int y) { return Le(Le(10, 4) + ((63 - y) * 64 + x) * 4 + 3, 1); };  // rows bottom-up
  for (const int x : {0, 63})
    for (const int y : {0, 63}) EXPECT_EQ(alpha(x, y), 0u) << x << ", " << y;
  for (int y = 8; y < 56; ++y)
    for (int x = 8; x < 56; ++x) ASSERT_EQ(alpha(x, y), 0xFFu) << x << ", " << y;
  const std::string svg = ReadFileText(std::string(MARLIX_GENERATED_DIR) + "/marlix-pentro.svg");
  EXPECT_TRUE(svg.find("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\"") !=
                  std::string::npos &&
              svg.find("</svg>") != std::string::npos)
      << svg.substr(0, 200);
}

}  // namespace
