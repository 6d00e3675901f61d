// The desktop's viewer as a process of its own, and a thread that waits for it, so it leaves
// no zombie behind, and hears whether it could hand the page to a browser.
#include "host/document.h"

#include <SDL.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

extern char** environ;

namespace {

constexpr const char* DesktopViewer = "xdg-open";

struct Viewer {
  pid_t pid;
  std::string document;
  void (*notShown)(const std::string& path);
};

int Reap(void* data) {
  const std::unique_ptr<Viewer> viewer(static_cast<Viewer*>(data));
  int status = 0;
  while (waitpid(viewer->pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) viewer->notShown(viewer->document);
  return 0;
}

}  // namespace

int HostOpenDocument(const std::string& path, void (*notShown)(const std::string& path)) {
  std::string document = path;
  std::string viewer = DesktopViewer;
  char* argv[] = {viewer.data(), document.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, DesktopViewer, nullptr, nullptr, argv, environ) != 0) {
    notShown(path);
    return 0;
  }
  Viewer* watched = new Viewer{pid, path, notShown};
  if (SDL_Thread* reaper = SDL_CreateThread(Reap, "reaper", watched))
    SDL_DetachThread(reaper);
  else
    delete watched;
  return static_cast<int>(pid);
}
