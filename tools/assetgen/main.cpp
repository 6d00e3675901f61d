// The asset generator: draws the game's skin images, sounds and other data files into the
// resource folder at build time. One kind of asset per command, so each is rebuilt alone.
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/assetgen/assets.h"

namespace {

struct Command {
  const char* name;
  bool (*write)(const std::string& folder);
  const char* what;
};

const Command Commands[] = {
    {"skins", WriteSkins, "the 36 backgrounds and 12 sprite sheets"},
    {"sounds", WriteSounds, "the six wave files"},
    {"logos", WriteLogos, "the About box's two logo bitmaps"},
    {"icon", WriteIcon, "the program icon, as a bitmap, as SVG and as PNG files"},
    {"help", WriteHelp, "the help page"},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3)
    for (const Command& command : Commands)
      if (std::strcmp(argv[1], command.name) == 0) return command.write(argv[2]) ? 0 : 1;
  std::fprintf(stderr, "usage: assetgen COMMAND FOLDER\n");
  for (const Command& command : Commands) std::fprintf(stderr, "  %-8s %s\n", command.name, command.what);
  return 2;
}
