// Message boxes: drawn by the platform over their owner, with the caption, the question
// icon, the wrapped text and a button per answer, each waiting in the modal loop until
// answered.
#include "user/msgbox.h"

#include <algorithm>
#include <string>
#include <vector>

#include "gdi/screen_paint.h"
#include "host/screen.h"
#include "platform/emulator.h"
#include "platform/winuser.h"
#include "user/input.h"
#include "user/look.h"
#include "user/modal.h"
#include "user/window.h"

namespace {

constexpr LPCWSTR MessageBoxClass = u"MessageBox";
constexpr TextStyle IconMark{18, true, 0};

struct Button {
  int answer;
  LPCWSTR label;
  RECT place;  // screen coordinates
};

struct Box {
  std::u16string text;
  std::u16string caption;
  bool icon;
  HWND owner;
  std::vector<Button> buttons;  // the first answers Enter, the last Escape
};

MessageBoxHook hook = nullptr;
std::vector<HWND> boxes;

Box& BoxOf(HWND window) { return *static_cast<Box*>(window->platformData); }

struct Metrics {
  int s, frame, caption, pad, icon, gap, buttonHeight, buttonGap;
};
Metrics MetricsNow() {
  const int s = LookScale();
  return Metrics{s, s, BarHeight() - 2 * s, 10 * s, 32 * s, 10 * s, 26 * s, 14 * s};
}

int TextWidth(const Metrics& m, LONG boxWidth, bool icon) {
  return boxWidth - 2 * m.frame - 2 * m.pad - (icon ? m.icon + m.gap : 0);
}

// The text as the box shows it at a wrap width: a word too wide for a line (a path, whose
// spaces do not break) is broken after a slash where it still fits, so a path reads whole
// from one folder to the next; the rest breaks at its spaces as before.
std::u16string BreakWideWords(const std::u16string& text, int width) {
  const auto wide = [width](const std::u16string& piece) { return MeasureText(piece.c_str(), PlainText).cx > width; };
  std::u16string shown;
  for (size_t start = 0; start <= text.size();) {
    const size_t end = std::min(text.find_first_of(u" \n", start), text.size());
    std::u16string word = text.substr(start, end - start);
    while (wide(word)) {
      size_t cut = std::u16string::npos;
      for (size_t slash = word.find(u'/'); slash != std::u16string::npos && slash + 1 < word.size();
           slash = word.find(u'/', slash + 1)) {
        if (wide(word.substr(0, slash + 1))) break;
        cut = slash + 1;
      }
      if (cut == std::u16string::npos) break;
      shown += word.substr(0, cut) + u'\n';
      word = word.substr(cut);
    }
    shown += word;
    if (end < text.size()) shown += text[end];
    start = end + 1;
  }
  return shown;
}

// Places the box over its owner, or over the screen below the task bar, and its buttons.
void LayOut(HWND window) {
  Box& box = BoxOf(window);
  const Metrics m = MetricsNow();
  const SIZE screen = ScreenSize();
  const LONG width = std::min<LONG>(screen.cx - 16 * m.s, 240 * m.s);
  const int wrap = TextWidth(m, width, box.icon);
  const SIZE text = MeasureText(BreakWideWords(box.text, wrap).c_str(), TextStyle{9, false, wrap});
  const LONG content = std::max<LONG>(text.cy, box.icon ? m.icon : 0);
  const LONG height = 2 * m.frame + m.caption + 3 * m.pad + content + m.buttonHeight;
  RECT over = WorkArea();
  if (IsWindow(box.owner) && box.owner->visible) over = box.owner->window;
  const LONG left = (screen.cx - width) / 2;
  const LONG top = std::max<LONG>(WorkArea().top, over.top + (over.bottom - over.top - height) / 2);
  MoveWindow(window, left, top, width, height, FALSE);

  LONG buttonsWidth = 0;
  std::vector<LONG> widths;
  for (const Button& button : box.buttons) {
    widths.push_back(std::max<LONG>(72 * m.s, MeasureText(button.label, BoldText).cx + 24 * m.s));
    buttonsWidth += widths.back();
  }
  buttonsWidth += m.buttonGap * static_cast<LONG>(box.buttons.size() - 1);
  LONG x = left + (width - buttonsWidth) / 2;
  const LONG y = top + height - m.frame - m.pad - m.buttonHeight;
  for (size_t i = 0; i < box.buttons.size(); ++i) {
    box.buttons[i].place = RECT{x, y, x + widths[i], y + m.buttonHeight};
    x += widths[i] + m.buttonGap;
  }
}

void DrawBox(HWND window, const RECT& area) {
  const Box& box = BoxOf(window);
  const Metrics m = MetricsNow();
  const RECT& r = window->window;
  PaintFill(area, r, BoxFace);
  PaintFrame(area, r, BoxFrame, m.frame);
  const RECT caption{r.left + m.frame, r.top + m.frame, r.right - m.frame, r.top + m.frame + m.caption};
  PaintGradient(area, caption, TitleBarTop, TitleBarBottom);
  const SIZE captionSize = MeasureText(box.caption.c_str(), BoldText);
  PaintText(RectIntersect(
                area, RECT{caption.left + m.pad / 2, caption.top, caption.right - m.pad / 2, caption.bottom}),
            caption.left + m.pad, caption.top + (m.caption - captionSize.cy) / 2, box.caption.c_str(),
            TitleText, BoldText);

  LONG textLeft = r.left + m.frame + m.pad;
  const LONG top = caption.bottom + m.pad;
  if (box.icon) {
    const RECT disc{textLeft, top, textLeft + m.icon, top + m.icon};
    PaintDisc(area, disc, QuestionDisc);
    const SIZE mark = MeasureText(u"?", IconMark);
    PaintText(RectIntersect(area, disc), disc.left + (m.icon - mark.cx) / 2,
              disc.top + (m.icon - mark.cy) / 2, u"?", TitleText, IconMark);
    textLeft += m.icon + m.gap;
  }
  const int wrap = TextWidth(m, r.right - r.left, box.icon);
  const std::u16string shown = BreakWideWords(box.text, wrap);
  const SIZE text = MeasureText(shown.c_str(), TextStyle{9, false, wrap});
  const LONG textTop = box.icon && text.cy < m.icon ? top + (m.icon - text.cy) / 2 : top;
  PaintText(RectIntersect(area, r), textLeft, textTop, shown.c_str(), BoxText, TextStyle{9, false, wrap});

  for (size_t i = 0; i < box.buttons.size(); ++i) {
    const Button& button = box.buttons[i];
    PaintGradient(area, button.place, ButtonTop, ButtonBottom);
    // The button Enter answers has the heavier frame.
    PaintFrame(area, button.place, ButtonFrame, i == 0 ? 2 * m.s : m.s);
    const SIZE label = MeasureText(button.label, BoldText);
    PaintText(RectIntersect(area, button.place), (button.place.left + button.place.right - label.cx) / 2,
              (button.place.top + button.place.bottom - label.cy) / 2, button.label, ButtonText, BoldText);
  }
}

LRESULT BoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    boxes.erase(std::remove(boxes.begin(), boxes.end(), window), boxes.end());
    delete static_cast<Box*>(window->platformData);
    window->platformData = nullptr;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

int AnswerForKey(const Box& box, WPARAM key) {
  if (key == VK_RETURN) return box.buttons.front().answer;
  if (key == VK_ESCAPE) return box.buttons.back().answer;
  for (const Button& button : box.buttons)
    if (key == static_cast<WPARAM>(button.label[0])) return button.answer;
  return 0;
}

}  // namespace

void EmulatorSetMessageBoxHook(MessageBoxHook answer) { hook = answer; }

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
  if (hook != nullptr) return hook(owner, text, caption, type);
  if (ScreenFramebuffer() == nullptr) return 0;
  if (owner != nullptr && !IsWindow(owner)) owner = nullptr;
  Box* box = new Box{text == nullptr ? u"" : text,
                     caption == nullptr ? u"Error" : caption,
                     (type & MB_ICONQUESTION) != 0,
                     owner,
                     {}};
  if ((type & 0x0F) == MB_YESNO)
    box->buttons = {Button{IDYES, u"Yes", {}}, Button{IDNO, u"No", {}}};
  else
    box->buttons = {Button{IDOK, u"OK", {}}};

  WNDCLASSW wc{};
  wc.lpfnWndProc = BoxProc;
  wc.lpszClassName = MessageBoxClass;
  RegisterClassW(&wc);
  HWND window = CreatePlatformWindow(MessageBoxClass, box->caption.c_str(), RECT{0, 0, 0, 0}, owner,
                                     PlatformWindow{DrawBox, box, false});
  if (window == nullptr) {
    delete box;
    return 0;
  }
  boxes.push_back(window);
  LayOut(window);
  RedrawPlatformWindow(window);
  // Taps and keys made before the question showed were not meant for it: a tap or Enter made
  // while the computer played its last boxes would otherwise answer a question not yet seen.
  InputDiscardWaiting();

  // Input for other windows is dropped while the box is open; everything else goes on.
  int answer = 0;
  const auto take = [&](MSG& msg) {
    switch (msg.message) {
      case WM_LBUTTONDOWN:
        if (msg.hwnd == window && IsWindow(window)) {
          const POINT at{window->window.left + LOWORD(msg.lParam), window->window.top + HIWORD(msg.lParam)};
          for (const Button& button : BoxOf(window).buttons)
            if (at.x >= button.place.left && at.x < button.place.right && at.y >= button.place.top &&
                at.y < button.place.bottom)
              answer = button.answer;
        }
        return true;
      case WM_KEYDOWN:
        if (msg.hwnd == window && IsWindow(window)) answer = AnswerForKey(BoxOf(window), msg.wParam);
        return true;
      case WM_CHAR:
      case WM_HELP:
      case WM_MOUSEMOVE:  // a finger's sliding and lift: the box answers to its press
      case WM_LBUTTONUP: return true;
      default: return false;
    }
  };
  RunModalLoop(take, [&] { return answer != 0 || !IsWindow(window); });
  if (IsWindow(window)) DestroyWindow(window);
  return answer;
}

void LayOutMessageBoxes() {
  for (HWND window : boxes) {
    LayOut(window);
    RedrawPlatformWindow(window);
  }
}

RECT MessageBoxButton(HWND window, int index) {
  if (std::find(boxes.begin(), boxes.end(), window) == boxes.end() || index < 0 ||
      static_cast<size_t>(index) >= BoxOf(window).buttons.size())
    return RECT{0, 0, 0, 0};
  return BoxOf(window).buttons[static_cast<size_t>(index)].place;
}
