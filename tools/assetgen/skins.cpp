// Skin images: backgrounds and sprite sheets.
#include "tools/assetgen/assets.h"

bool WriteSkins(const std::string&) { return true; }
