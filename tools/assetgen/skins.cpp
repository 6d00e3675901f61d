// Skin images: the 36 backgrounds and 12 sprite sheets, under the names the game loads.
#include <filesystem>
#include <initializer_list>
#include <string>
#include <system_error>

#include "tools/assetgen/assets.h"
#include "tools/assetgen/gif_writer.h"
#include "tools/assetgen/skin_images.h"
#include "view/skin_names.h"

// The game's names are UTF-16 and start with the path separator, which we drop.
std::string ResourceFileName(std::initializer_list<LPCWSTR> parts) {
  std::string name;
  for (LPCWSTR part : parts)
    for (LPCWSTR c = part; *c != 0; ++c)
      if (*c != u'\\') name += static_cast<char>(*c);
  return name;
}

bool WriteSkins(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  bool ok = true;
  for (int32_t skin = 0; skin < SkinCount; ++skin)
    for (int32_t id = 0; id < ResolutionCount; ++id) {
      const std::string name = ResourceFileName({SkinPrefix(skin), BackgroundName, BackgroundSuffix(id)});
      ok = WriteGif(folder + "/" + name, DrawBackground(SkinThemes[skin], id)) && ok;
    }
  const struct {
    LPCWSTR name;
    CellKind kind;
  } sheets[] = {{HorizontalLinesName, CellKind::HorizontalLine},
                {VerticalLinesName, CellKind::VerticalLine},
                {SquaresName, CellKind::Box}};
  for (const auto& sheet : sheets)
    for (int32_t id = 0; id < ResolutionCount; ++id)
      if (SheetResolutionId(id) == id)  // 480 x 800 and 800 x 480 share the sheets of their neighbours
        ok = WriteGif(folder + "/" + ResourceFileName({sheet.name, SheetSuffix(id)}),
                      DrawSheet(sheet.kind, id)) &&
             ok;
  return ok;
}
