// The pictures built into the program: the About box's two logo bitmaps and the icon, and
// the icon once more as SVG and PNG files for the desktop's menu and the web page.
#include <filesystem>
#include <fstream>
#include <system_error>

#include "tools/assetgen/assets.h"
#include "tools/assetgen/bmp_writer.h"
#include "tools/assetgen/icon_art.h"
#include "tools/assetgen/logo_art.h"
#include "tools/assetgen/png_writer.h"

bool WriteLogos(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const bool small = WriteIndexedBmp(folder + "/" + Logo136File, DrawLogo(1));
  return WriteIndexedBmp(folder + "/" + Logo144File, DrawLogo(2)) && small;
}

bool WriteIcon(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  std::vector<uint8_t> alpha;
  const Canvas icon = DrawIcon(IconSize, alpha);
  bool written = WriteAlphaBmp(folder + "/" + Icon143File, icon, alpha);
  const auto writePng = [&](int size) {
    std::vector<uint8_t> coverage;
    const Canvas png = DrawIcon(size, coverage);
    written = WritePng(folder + "/marlix-pentro-" + std::to_string(size) + ".png", png, coverage) && written;
  };
  for (const int size : IconPngSizes) writePng(size);
  for (const int size : WebIconSizes) writePng(size);
  const Canvas full = DrawFullIcon(FullIconSize);
  const std::vector<uint8_t> opaque(full.pixels.size(), 255);
  written = WritePng(folder + "/marlix-pentro-full-" + std::to_string(FullIconSize) + ".png", full, opaque) && written;
  std::ofstream svg(folder + "/" + IconSvgFile, std::ios::trunc);
  svg << IconSvg();
  svg.close();
  return written && static_cast<bool>(svg);
}
