// What the asset generator writes; each returns false when a file could not be written.
#pragma once

#include <string>

bool WriteSkins(const std::string& folder);
bool WriteSounds(const std::string& folder);

// The About box's logos (8 bits per pixel, 69 x 83 and the same at 138 x 166).
inline constexpr const char* Logo136File = "logo136.bmp";
inline constexpr const char* Logo144File = "logo144.bmp";
bool WriteLogos(const std::string& folder);
// The program icon: a 64 x 64 bitmap with alpha for the window, and for the desktop's icon
// theme an SVG and PNG files in the sizes menus and launchers ask for, "marlix-pentro-48.png"...
inline constexpr const char* Icon143File = "icon143.bmp";
inline constexpr const char* IconSvgFile = "marlix-pentro.svg";
inline constexpr int IconPngSizes[] = {16, 24, 32, 48, 64, 128, 256};
// And for the web page's manifest: the sizes launchers install from, and the full square
// of the plate that a launcher cuts to its own shape, "marlix-pentro-full-512.png".
inline constexpr int WebIconSizes[] = {192, 512};
inline constexpr int FullIconSize = 512;
bool WriteIcon(const std::string& folder);
// The help page the F1 key opens.
inline constexpr const char* HelpFile = "Marlix Pentro.htm";
bool WriteHelp(const std::string& folder);
