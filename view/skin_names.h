// The names of the skin images in the resource folder: a background per skin and screen
// size, and three sprite sheets per sheet size that hold all six skins.
#pragma once

#include <cstdint>

#include "platform/windef.h"

constexpr int SkinCount = 6;

// "\skin1_" ... "\skin5_", and "\default_" for skin 0 and any other value.
LPCWSTR SkinPrefix(int32_t skin);
inline constexpr LPCWSTR BackgroundName = u"background_";
inline constexpr LPCWSTR HorizontalLinesName = u"\\horizontal_lines_";
inline constexpr LPCWSTR VerticalLinesName = u"\\vertical_lines_";
inline constexpr LPCWSTR SquaresName = u"\\squares_";
// "480x640.gif" and the like, by resolution id; ids outside 1-5 take "240x320.gif".
LPCWSTR BackgroundSuffix(int32_t resolutionId);
LPCWSTR SheetSuffix(int32_t resolutionId);
// The resolution id whose metrics a sheet size serves: 480 x 800 shares 480 x 640's sheets,
// 800 x 480 shares 640 x 480's.
int32_t SheetResolutionId(int32_t resolutionId);
