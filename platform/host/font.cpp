// The font on SDL_ttf: one face, opened for the screen's dots per inch and set to the size
// and weight each call asks for.
#include "host/font.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include "host/screen.h"
#include "host/surface.h"

namespace {

constexpr const char* FontFile = "DejaVuSans.ttf";
constexpr const char* SystemFontFolder = "/usr/share/fonts/truetype/dejavu/";

TTF_Font* font = nullptr;
int fontDpi = 0;
HostTextStyle fontStyle{0, false};
bool ttfFailed = false;

// The face at the style asked for; reopened when the screen's dots per inch changed.
TTF_Font* Face(const HostTextStyle& style) {
  const int dpi = ScreenDpi();
  if (font == nullptr || fontDpi != dpi) {
    if (font != nullptr) TTF_CloseFont(font);
    font = nullptr;
    if (ttfFailed) return nullptr;
    if (TTF_WasInit() == 0 && TTF_Init() != 0) {
      ttfFailed = true;
      return nullptr;
    }
    // The copy in the resource folder beside the program, else the system's.
    if (char* base = SDL_GetBasePath()) {
      font = TTF_OpenFontDPI((std::string(base) + "res/" + FontFile).c_str(), style.points, dpi, dpi);
      SDL_free(base);
    }
    if (font == nullptr)
      font = TTF_OpenFontDPI((std::string(SystemFontFolder) + FontFile).c_str(), style.points, dpi, dpi);
    fontDpi = dpi;
    fontStyle = HostTextStyle{style.points, false};
    if (font == nullptr) return nullptr;
  }
  if (style.points != fontStyle.points) TTF_SetFontSizeDPI(font, style.points, dpi, dpi);
  if (style.bold != fontStyle.bold) TTF_SetFontStyle(font, style.bold ? TTF_STYLE_BOLD : TTF_STYLE_NORMAL);
  fontStyle = style;
  return font;
}

}  // namespace

HostImage* HostRenderText(const std::string& utf8, COLORREF colour, const HostTextStyle& style, int wrap) {
  TTF_Font* face = Face(style);
  if (face == nullptr || utf8.empty()) return nullptr;
  const SDL_Color c{GetRValue(colour), GetGValue(colour), GetBValue(colour), 255};
  return Image(wrap >= 0 ? TTF_RenderUTF8_Blended_Wrapped(face, utf8.c_str(), c, static_cast<Uint32>(wrap))
                         : TTF_RenderUTF8_Blended(face, utf8.c_str(), c));
}

bool HostGlyphRows(char16_t glyph, const HostTextStyle& style, int* lowest, int* highest) {
  TTF_Font* face = Face(style);
  *lowest = *highest = 0;
  int minX, maxX;
  return face != nullptr && TTF_GlyphMetrics(face, glyph, &minX, &maxX, lowest, highest, nullptr) == 0;
}

int HostFontAscent(const HostTextStyle& style) {
  TTF_Font* face = Face(style);
  return face != nullptr ? TTF_FontAscent(face) : 0;
}
