// Loading and freeing the skin images, and whether a screen size's images are there.
#include "view/skin.h"

#include "platform/aygshell.h"
#include "platform/strsafe.h"
#include "platform/winbase.h"
#include "platform/wingdi.h"
#include "settings/folders.h"
#include "view/layout.h"
#include "view/skin_names.h"

SkinImageHandles SkinImages;
COLORREF scoreTextColour = RGB(255, 255, 255);

namespace {
constexpr COLORREF SkinOneScoreColour = RGB(117, 122, 127);
constexpr COLORREF PlainScoreColour = RGB(255, 255, 255);
}  // namespace

// A resource folder too long for the name is cut to fit, and the load then fails.
void SkinFileName(SkinImage image, LPWSTR name) {
  StringCchCopyW(name, MAX_PATH, ResFolder);
  switch (image) {
    case SkinBackground:
      StringCchCatW(name, MAX_PATH, SkinPrefix(Skin));
      StringCchCatW(name, MAX_PATH, BackgroundName);
      StringCchCatW(name, MAX_PATH, BackgroundSuffix(ResolutionId));
      return;
    case SkinHorizontalLines: StringCchCatW(name, MAX_PATH, HorizontalLinesName); break;
    case SkinVerticalLines: StringCchCatW(name, MAX_PATH, VerticalLinesName); break;
    case SkinSquares: StringCchCatW(name, MAX_PATH, SquaresName); break;
  }
  StringCchCatW(name, MAX_PATH, SheetSuffix(ResolutionId));
}

bool SkinPicturesPresent(int32_t resolutionId) {
  const LPCWSTR pieces[][3] = {{SkinPrefix(0), BackgroundName, BackgroundSuffix(resolutionId)},
                               {HorizontalLinesName, SheetSuffix(resolutionId), u""},
                               {VerticalLinesName, SheetSuffix(resolutionId), u""},
                               {SquaresName, SheetSuffix(resolutionId), u""}};
  for (const auto& piece : pieces) {
    WCHAR name[MAX_PATH];
    StringCchCopyW(name, MAX_PATH, ResFolder);
    for (LPCWSTR part : piece) StringCchCatW(name, MAX_PATH, part);
    if (GetFileAttributesW(name) == INVALID_FILE_ATTRIBUTES) return false;
  }
  return true;
}

void LoadSkin() {
  WCHAR name[MAX_PATH];
  SkinFileName(SkinBackground, name);
  SkinImages.background = SHLoadImageFile(name);
  SkinFileName(SkinHorizontalLines, name);
  SkinImages.horizontalLines = SHLoadImageFile(name);
  SkinFileName(SkinVerticalLines, name);
  SkinImages.verticalLines = SHLoadImageFile(name);
  SkinFileName(SkinSquares, name);
  SkinImages.squares = SHLoadImageFile(name);
  scoreTextColour = Skin == 1 ? SkinOneScoreColour : PlainScoreColour;
}

// As on the handheld: the handles keep their deleted images' values. Every caller loads a
// skin straight after, or the window is going away, so nothing draws with them.
bool SkinLoaded() {
  return SkinImages.background != nullptr && SkinImages.horizontalLines != nullptr &&
         SkinImages.verticalLines != nullptr && SkinImages.squares != nullptr;
}

void FreeSkin() {
  if (SkinImages.background != nullptr) DeleteObject(SkinImages.background);
  if (SkinImages.horizontalLines != nullptr) DeleteObject(SkinImages.horizontalLines);
  if (SkinImages.verticalLines != nullptr) DeleteObject(SkinImages.verticalLines);
  if (SkinImages.squares != nullptr) DeleteObject(SkinImages.squares);
  scoreTextColour = PlainScoreColour;
}
