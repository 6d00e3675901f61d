// The recording windows.
#include "tests/platform/recording_window.h"

#include "platform/window.h"

std::vector<Received> ReceivedMessages;
std::function<void()> OnNextPaint;

namespace {

LRESULT RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ReceivedMessages.push_back(Received{window, message, wParam, lParam});
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    if (OnNextPaint) {
      auto action = OnNextPaint;
      OnNextPaint = nullptr;
      action();
    }
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND CreateRecordingWindow(HWND owner, LPCWSTR title) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.lpszClassName = u"RECORDING";
    registered = RegisterClassW(&wc) != 0;
  }
  return CreateWindowExW(0, u"RECORDING", title, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, owner, nullptr, nullptr, nullptr);
}

std::vector<Received> ReceivedOf(HWND window, UINT message) {
  std::vector<Received> found;
  for (const Received& r : ReceivedMessages)
    if (r.window == window && r.message == message) found.push_back(r);
  return found;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    if (msg.message != WM_QUIT) DispatchMessageW(&msg);
}

void CloseEverything() {
  OnNextPaint = nullptr;
  while (!WindowStack.empty()) DestroyWindow(WindowStack.back());
  PumpMessages();
  ReceivedMessages.clear();
}

POINT Middle(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
