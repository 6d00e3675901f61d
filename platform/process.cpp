// Starting the device's help viewer: the desktop's own viewer opens the document from the
// resource folder beside the program, as a process of its own. When the desktop has none
// (no xdg-open, or no browser behind it), the viewer says where the page is instead.
#include "platform/process.h"

#include <SDL.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <memory>
#include <string>

#include "host/path.h"
#include "platform/handles.h"
#include "platform/winbase.h"

extern char** environ;

namespace {

constexpr std::u16string_view HelpViewer = u"peghelp.exe";
constexpr const char* DesktopViewer = "xdg-open";

std::atomic<void (*)(const std::string&)> notShown{nullptr};

struct Viewer {
  pid_t pid;
  std::string document;
};

// The viewer ends on its own; a thread waits for it so it leaves no zombie behind, and
// hears whether it could hand the page to a browser.
int Reap(void* data) {
  const std::unique_ptr<Viewer> viewer(static_cast<Viewer*>(data));
  int status = 0;
  while (waitpid(viewer->pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    if (auto hook = notShown.load()) hook(viewer->document);
  return 0;
}

std::string ProgramFolder() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return ".";
  std::string folder(path, static_cast<size_t>(length));
  return folder.substr(0, folder.rfind('/'));
}

// The document named on the command line: a device path as it stands, a bare name in the
// resource folder; surrounding quotes are dropped.
std::string Document(LPCWSTR commandLine) {
  std::u16string name = commandLine == nullptr ? u"" : commandLine;
  if (name.size() >= 2 && name.front() == u'"' && name.back() == u'"') name = name.substr(1, name.size() - 2);
  if (!name.empty() && name.front() == u'\\') return HostPath(name.c_str());
  return ProgramFolder() + "/res/" + HostPath(name.c_str());
}

}  // namespace

BOOL CreateProcessW(LPCWSTR applicationName, LPWSTR commandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES,
                    BOOL, DWORD, LPVOID, LPCWSTR, LPSTARTUPINFOW, LPPROCESS_INFORMATION processInformation) {
  if (applicationName == nullptr) return FALSE;
  std::u16string program = applicationName;
  program = program.substr(program.rfind(u'\\') + 1);
  std::transform(program.begin(), program.end(), program.begin(), [](char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
  });
  if (program != HelpViewer) return FALSE;

  std::string document = Document(commandLine);
  std::string viewer = DesktopViewer;
  char* argv[] = {viewer.data(), document.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, DesktopViewer, nullptr, nullptr, argv, environ) != 0) {
    pid = 0;
    if (auto hook = notShown.load()) hook(document);
  } else {
    Viewer* watched = new Viewer{pid, document};
    if (SDL_Thread* reaper = SDL_CreateThread(Reap, "reaper", watched))
      SDL_DetachThread(reaper);
    else
      delete watched;
  }
  if (processInformation != nullptr) {
    processInformation->hProcess = NewKernelHandle(static_cast<DWORD>(pid));
    processInformation->hThread = NewKernelHandle(static_cast<DWORD>(pid));
    processInformation->dwProcessId = static_cast<DWORD>(pid);
    processInformation->dwThreadId = static_cast<DWORD>(pid);
  }
  return TRUE;
}

void SetHelpNotShownHook(void (*hook)(const std::string& page)) { notShown = hook; }
