// Skin image names.
#include "view/skin_names.h"

LPCWSTR SkinPrefix(int32_t skin) {
  switch (skin) {
    case 1: return u"\\skin1_";
    case 2: return u"\\skin2_";
    case 3: return u"\\skin3_";
    case 4: return u"\\skin4_";
    case 5: return u"\\skin5_";
    default: return u"\\default_";
  }
}

LPCWSTR BackgroundSuffix(int32_t resolutionId) {
  switch (resolutionId) {
    case 1: return u"480x640.gif";
    case 2: return u"480x800.gif";
    case 3: return u"320x240.gif";
    case 4: return u"640x480.gif";
    case 5: return u"800x480.gif";
    default: return u"240x320.gif";
  }
}

int32_t SheetResolutionId(int32_t resolutionId) {
  switch (resolutionId) {
    case 1:
    case 2: return 1;
    case 3: return 3;
    case 4:
    case 5: return 4;
    default: return 0;
  }
}

LPCWSTR SheetSuffix(int32_t resolutionId) { return BackgroundSuffix(SheetResolutionId(resolutionId)); }
