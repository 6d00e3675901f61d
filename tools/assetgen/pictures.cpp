// The pictures built into the program: the About box's two logo bitmaps and the icon, and
// the icon once more as SVG for the desktop's menu.
#include <filesystem>
#include <fstream>
#include <system_error>

#include "tools/assetgen/assets.h"
#include "tools/assetgen/bmp_writer.h"
#include "tools/assetgen/icon_art.h"
#include "tools/assetgen/logo_art.h"

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
  const bool bitmap = WriteAlphaBmp(folder + "/" + Icon143File, icon, alpha);
  std::ofstream svg(folder + "/" + IconSvgFile, std::ios::trunc);
  svg << IconSvg();
  svg.close();
  return bitmap && static_cast<bool>(svg);
}
