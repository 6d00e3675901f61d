// Windows known across processes by their class and title, through the host's names in the
// desktop session. A window found stands as a record of its own, which only
// SetForegroundWindow serves.
#include "user/remote_window.h"

#include <memory>
#include <string>
#include <vector>

#include "host/instance.h"
#include "host/path.h"
#include "user/window.h"

namespace {

std::vector<std::unique_ptr<HWND__>> remotes;

std::string Name(LPCWSTR className, LPCWSTR title) {
  return Utf8FromDevice(className) + "/" + Utf8FromDevice(title);
}

}  // namespace

void AnnounceWindow(HWND window) {
  InstanceListen(window, Name(window->className.c_str(), window->title.c_str()));
}

void WithdrawWindow(HWND window) { InstanceStopListening(window); }

HWND FindRemoteWindow(LPCWSTR className, LPCWSTR title) {
  const std::string name = Name(className, title);
  if (!InstanceAnswers(name)) return nullptr;
  for (const auto& remote : remotes)
    if (remote->remoteName == name) return remote.get();
  auto remote = std::make_unique<HWND__>();
  remote->className = className;
  remote->title = title;
  remote->remote = true;
  remote->remoteName = name;
  remotes.push_back(std::move(remote));
  return remotes.back().get();
}

BOOL RaiseRemoteWindow(HWND window) {
  for (const auto& remote : remotes)
    if (remote.get() == window) return InstanceAskToRaise(remote->remoteName) ? TRUE : FALSE;
  return FALSE;
}
