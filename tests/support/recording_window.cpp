// The recording windows.
#include "tests/support/recording_window.h"

#include "platform/emulator.h"
#include "platform/wingdi.h"
#include "user/window.h"

std::vector<Received> ReceivedMessages;
std::function<void(HDC, const PAINTSTRUCT&)> Painter;
std::function<void()> OnNextPaint;
HWND owner = nullptr;

namespace {

LRESULT RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ReceivedMessages.push_back(Received{window, message, wParam, lParam, GetMessageExtraInfo()});
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (Painter) Painter(dc, paint);
  EndPaint(window, &paint);
  if (OnNextPaint) std::exchange(OnNextPaint, nullptr)();
  return 0;
}

}  // namespace

void Then(std::function<void()> next) {
  OnNextPaint = std::move(next);
  InvalidateRect(owner, nullptr, FALSE);
}

HWND CreateRecordingWindow(HWND above, DWORD style, int x, int y, int width, int height) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = u"RECORDING";
    registered = RegisterClassW(&wc) != 0;
  }
  return CreateWindowExW(0, u"RECORDING", u"Recorder", style, x, y, width, height, above, nullptr, nullptr,
                         nullptr);
}

std::vector<Received> ReceivedOf(HWND window, UINT message) {
  std::vector<Received> found;
  for (const Received& r : ReceivedMessages)
    if (r.window == window && r.message == message) found.push_back(r);
  return found;
}

std::vector<WPARAM> WParamsOf(HWND window, UINT message) {
  std::vector<WPARAM> found;
  for (const Received& r : ReceivedOf(window, message)) found.push_back(r.wParam);
  return found;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    if (msg.message != WM_QUIT) DispatchMessageW(&msg);
}

void CloseEverything() {
  OnNextPaint = nullptr;
  Painter = nullptr;
  while (WindowCount() > 0) DestroyWindow(WindowAtLevel(WindowCount() - 1));
  PumpMessages();
  ReceivedMessages.clear();
}

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}
RECT Placed(HWND dialog, int id) {
  const RECT d = WindowRect(dialog), r = WindowRect(GetDlgItem(dialog, id));
  return RECT{r.left - d.left, r.top - d.top, r.right - d.left, r.bottom - d.top};
}
void TapMiddle(const RECT& r) { EmulatorTap((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
std::vector<COLORREF> ScreenPixels(const RECT& area) {
  std::vector<COLORREF> pixels;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) pixels.push_back(EmulatorScreenPixel(x, y));
  return pixels;
}
bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void ShellTest::SetUp() {
  CloseEverything();
  EmulatorSetScreen(240, 320, 1);
  EmulatorStartShell();
  owner = CreateRecordingWindow();
  PumpMessages();
  ReceivedMessages.clear();
}
