// Text in the device's default font: the handheld's system font was a 9-point sans-serif
// face, sized here for the screen's dots per inch.
#include <string>

#include "gdi/gdi.h"
#include "host/font.h"
#include "host/path.h"
#include "host/screen.h"
#include "platform/wingdi.h"
#include "platform/winuser.h"

namespace {

constexpr HostTextStyle SystemFont{9, false};

}  // namespace

int DrawTextW(HDC dc, LPCWSTR text, int count, LPRECT rect, UINT) {
  DrawTarget target;
  if (text == nullptr || rect == nullptr || !ResolveOutput(dc, &target)) return 0;
  const std::u16string wide =
      count < 0 ? std::u16string(text) : std::u16string(text, static_cast<size_t>(count));
  HostImage* rendered = HostRenderText(Utf8FromDevice(wide.c_str()), dc->textColour, SystemFont, 0);
  if (rendered == nullptr) return 0;

  const SIZE size = HostImageSize(rendered);
  const RECT box = RectOffset(*rect, target.origin.x, target.origin.y);
  const RECT clip = RectIntersect(box, target.clip);
  const RECT inked = RectIntersect(RECT{box.left, box.top, box.left + size.cx, box.top + size.cy}, clip);
  if (!RectEmpty(inked)) {
    if (dc->bkMode == OPAQUE) HostImageFill(target.surface, inked, dc->bkColour);
    HostImageDraw(target.surface, POINT{box.left, box.top}, rendered, clip);
    OutputDone(dc, inked);
  }
  HostImageFree(rendered);
  return size.cy;
}
