// Text in the device's default font, a sans-serif face sized for the screen's dots per inch.
#include <SDL.h>
#include <SDL_ttf.h>

#include <string>

#include "host/font.h"
#include "host/path.h"
#include "host/screen.h"
#include "platform/gdi.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"

namespace {

// The handheld's system font was a 9-point sans-serif face.
constexpr int FontPoints = 9;
constexpr const char* FontFile = "DejaVuSans.ttf";
constexpr const char* SystemFontFolder = "/usr/share/fonts/truetype/dejavu/";

TTF_Font* font = nullptr;
int fontDpi = 0;
bool ttfFailed = false;

}  // namespace

TTF_Font* DefaultFont() {
  const int dpi = ScreenDpi();
  if (font != nullptr && fontDpi == dpi) return font;
  if (font != nullptr) TTF_CloseFont(font);
  font = nullptr;
  if (ttfFailed) return nullptr;
  if (TTF_WasInit() == 0 && TTF_Init() != 0) {
    ttfFailed = true;
    return nullptr;
  }
  // The copy in the resource folder beside the program, else the system's.
  std::string path;
  if (char* base = SDL_GetBasePath()) {
    path = std::string(base) + "res/" + FontFile;
    SDL_free(base);
    font = TTF_OpenFontDPI(path.c_str(), FontPoints, dpi, dpi);
  }
  if (font == nullptr)
    font = TTF_OpenFontDPI((std::string(SystemFontFolder) + FontFile).c_str(), FontPoints, dpi, dpi);
  fontDpi = dpi;
  return font;
}

int DrawTextW(HDC dc, LPCWSTR text, int count, LPRECT rect, UINT) {
  DrawTarget target;
  if (text == nullptr || rect == nullptr || !ResolveOutput(dc, &target)) return 0;
  const std::u16string wide =
      count < 0 ? std::u16string(text) : std::u16string(text, static_cast<size_t>(count));
  const std::string utf8 = Utf8FromDevice(wide.c_str());
  TTF_Font* face = DefaultFont();
  if (utf8.empty() || face == nullptr) return 0;
  const SDL_Color colour{GetRValue(dc->textColour), GetGValue(dc->textColour), GetBValue(dc->textColour),
                         255};
  SDL_Surface* rendered = TTF_RenderUTF8_Blended_Wrapped(face, utf8.c_str(), colour, 0);
  if (rendered == nullptr) return 0;

  const RECT box = RectOffset(*rect, target.origin.x, target.origin.y);
  const RECT clip = RectIntersect(box, target.clip);
  const RECT inked =
      RectIntersect(RECT{box.left, box.top, box.left + rendered->w, box.top + rendered->h}, clip);
  if (!RectEmpty(inked)) {
    SDL_Rect clipRect{clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top};
    SDL_SetClipRect(target.surface, &clipRect);
    if (dc->bkMode == OPAQUE) {
      SDL_Rect fill{inked.left, inked.top, inked.right - inked.left, inked.bottom - inked.top};
      SDL_FillRect(target.surface, &fill,
                   SDL_MapRGB(target.surface->format, GetRValue(dc->bkColour), GetGValue(dc->bkColour),
                              GetBValue(dc->bkColour)));
    }
    SDL_Rect at{box.left, box.top, rendered->w, rendered->h};
    SDL_BlitSurface(rendered, nullptr, target.surface, &at);
    SDL_SetClipRect(target.surface, nullptr);
    OutputDone(dc, inked);
  }
  const int height = rendered->h;
  SDL_FreeSurface(rendered);
  return height;
}
