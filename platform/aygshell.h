// The Pocket PC shell's calls.
#pragma once

#include "platform/windef.h"

// Decodes an image file (GIF, among others) into a bitmap; null for a missing or bad file.
HBITMAP SHLoadImageFile(LPCWSTR fileName);
