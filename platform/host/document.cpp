// The desktop's viewer as a process of its own, its output kept out of the program's, and a
// thread that waits for it, so it leaves no zombie behind, and hears whether it could hand
// the page to a browser, and which browser failed when one did.
#include "host/document.h"

#include <SDL.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "host/events.h"

extern char** environ;

namespace {

constexpr const char* DesktopViewer = "xdg-open";
// xdg-open's status when it found no program to open the page with.
constexpr int NoViewerFound = 3;

using NotShown = void (*)(const std::string& path, const std::string& browser);

struct Viewer {
  pid_t pid;
  std::string document;
  NotShown notShown;
};

// Starts a program with its standard output into `output` (or nowhere, at -1) and its
// errors nowhere; its process id, or 0.
pid_t Spawn(char* const argv[], int output) {
  posix_spawn_file_actions_t actions;
  if (posix_spawn_file_actions_init(&actions) != 0) return 0;
  if (output >= 0)
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
  else
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  return failed != 0 ? 0 : pid;
}

int Wait(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

// The browser xdg-open hands web pages to: the desktop's default for them, by its menu
// entry's name ("firefox-esr" for firefox-esr.desktop), else the first of BROWSER.
std::string DesktopBrowser() {
  std::string name;
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) == 0) {
    std::string tool = "xdg-mime", query = "query", which = "default", type = "text/html";
    char* argv[] = {tool.data(), query.data(), which.data(), type.data(), nullptr};
    const pid_t pid = Spawn(argv, pipeEnds[1]);
    close(pipeEnds[1]);
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR);)
      if (n > 0 && name.size() < 4096) name.append(buffer, static_cast<size_t>(n));
    close(pipeEnds[0]);
    if (pid != 0) Wait(pid);
  }
  name = name.substr(0, name.find_first_of("\r\n"));
  if (name.size() > 8 && name.compare(name.size() - 8, 8, ".desktop") == 0) name.resize(name.size() - 8);
  if (name.empty())
    if (const char* browsers = std::getenv("BROWSER")) name = std::string(browsers).substr(0, std::string(browsers).find(':'));
  return name.empty() ? "the one xdg-open chose" : name;
}

// What the viewer could not show, and why, for the program's thread to hear.
struct Report {
  NotShown notShown;
  std::string document, browser;
};

void Tell(void* data) {
  const std::unique_ptr<Report> report(static_cast<Report*>(data));
  report->notShown(report->document, report->browser);
}

// The viewer fails on a thread of its own; the layers above hear of it on the program's
// thread, when the program next takes its events.
void NotShownLater(NotShown notShown, const std::string& document, const std::string& browser) {
  if (notShown == nullptr) return;
  Report* report = new Report{notShown, document, browser};
  if (!DesktopCallOnProgramThread(Tell, report)) delete report;
}

int Reap(void* data) {
  const std::unique_ptr<Viewer> viewer(static_cast<Viewer*>(data));
  const int status = Wait(viewer->pid);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return 0;
  const bool noneFound = WIFEXITED(status) && WEXITSTATUS(status) == NoViewerFound;
  NotShownLater(viewer->notShown, viewer->document, noneFound ? std::string() : DesktopBrowser());
  return 0;
}

}  // namespace

int HostOpenDocument(const std::string& path, NotShown notShown) {
  std::string document = path;
  std::string viewer = DesktopViewer;
  char* argv[] = {viewer.data(), document.data(), nullptr};
  // The viewer and the browser it starts write to nowhere: what they say is theirs, and a
  // browser left running keeps writing long after.
  const pid_t pid = Spawn(argv, -1);
  if (pid == 0) {
    NotShownLater(notShown, path, std::string());
    return 0;
  }
  Viewer* watched = new Viewer{pid, path, notShown};
  if (SDL_Thread* reaper = SDL_CreateThread(Reap, "reaper", watched))
    SDL_DetachThread(reaper);
  else
    delete watched;
  return static_cast<int>(pid);
}
