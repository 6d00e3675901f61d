// Names known across processes: a process answers for a name on a socket named after the
// program, the user, the desktop session and the name (in the abstract namespace, so it goes
// away with the process). Another process finds it by connecting, and asks it to bring its
// desktop window to the front; a listener thread hands that request to the program's thread,
// which wakes the program's wait. Anyone on the machine can reach or take such a name, so
// both ends believe only a peer that the kernel says is the same user running this program.
#include "host/instance.h"

#include <SDL.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "host/events.h"
#include "host/program.h"
#include "host/screen.h"
#include "platform/emulator.h"

namespace {

constexpr char FindRequest = 'F';
constexpr char RaiseRequest = 'R';
constexpr char Reply = 'Y';
constexpr size_t MaxName = 100;  // within sun_path, after the leading NUL

struct Listener {
  const void* owner;
  int socket;
  int stopRead, stopWrite;  // a byte written here ends the listener
  SDL_Thread* thread;
};

std::vector<std::unique_ptr<Listener>> listeners;
int raiseRequests = 0;

// The session: the desktop's display, so programs on other displays stay apart.
std::string Session() {
  const char* display = std::getenv("WAYLAND_DISPLAY");
  if (display == nullptr || display[0] == 0) display = std::getenv("DISPLAY");
  return display == nullptr ? "" : display;
}

std::string SocketName(const std::string& key) {
  const std::string program = HostProgramName();
  std::string name = program + "/" + std::to_string(getuid()) + "/" + Session() + "/" + key;
  if (name.size() <= MaxName) return name;
  // Too long for a socket address: a hash of it stands in.
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : name) hash = (hash ^ c) * 1099511628211ull;
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return program + "/" + std::to_string(getuid()) + "/" + hex;
}

socklen_t Address(const std::string& name, sockaddr_un* address) {
  *address = sockaddr_un{};
  address->sun_family = AF_UNIX;
  std::memcpy(address->sun_path + 1, name.data(), name.size());
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
}

// The executable a process runs, as the kernel names it ("" when it cannot be read).
std::string Executable(pid_t pid) {
  char path[PATH_MAX];
  const std::string link = "/proc/" + std::to_string(pid) + "/exe";
  const ssize_t length = readlink(link.c_str(), path, sizeof path);
  return length <= 0 || length == sizeof path ? "" : std::string(path, length);
}

// Whether the process at the other end of a connected socket is this program run by this
// user: another user's process must neither keep the game from starting nor steer it.
bool PeerIsOurs(int fd) {
  ucred peer{};
  socklen_t size = sizeof peer;
  if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != getuid()) return false;
  if (peer.pid == getpid()) return true;
  const std::string own = Executable(getpid());
  return !own.empty() && Executable(peer.pid) == own;
}

// Says once, on stderr, that a running copy could not be looked for.
void SayNameHeld() {
  static bool said = false;
  if (said) return;
  said = true;
  std::fprintf(stderr,
               "%s: cannot tell whether the game runs already: another program holds "
               "the name it is found by; starting anyway\n",
               HostProgramName().c_str());
}

// Sends one request and waits a little for the reply; false when nobody answers, or when
// whoever answers is not this program run by this user.
bool Ask(const std::string& name, char request) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  sockaddr_un address;
  const socklen_t length = Address(name, &address);
  timeval timeout{2, 0};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), length) != 0) {
    close(fd);
    return false;
  }
  if (!PeerIsOurs(fd)) {
    close(fd);
    SayNameHeld();
    return false;
  }
  char reply = 0;
  const bool answered =
      send(fd, &request, 1, MSG_NOSIGNAL) == 1 && recv(fd, &reply, 1, 0) == 1 && reply == Reply;
  close(fd);
  return answered;
}

void RaiseOnProgramThread(void*) {
  ++raiseRequests;
  ScreenRaise();
}

int Listen(void* data) {
  Listener* listener = static_cast<Listener*>(data);
  pollfd waits[2] = {{listener->socket, POLLIN, 0}, {listener->stopRead, POLLIN, 0}};
  for (;;) {
    if (poll(waits, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (waits[1].revents != 0) break;
    if ((waits[0].revents & POLLIN) == 0) continue;
    const int client = accept4(listener->socket, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) continue;
    // Another user's process is not answered at all.
    if (!PeerIsOurs(client)) {
      close(client);
      continue;
    }
    timeval timeout{2, 0};
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    char request = 0;
    if (recv(client, &request, 1, 0) == 1) {
      if (request == RaiseRequest) DesktopCallOnProgramThread(RaiseOnProgramThread, nullptr);
      send(client, &Reply, 1, MSG_NOSIGNAL);
    }
    close(client);
  }
  return 0;
}

}  // namespace

bool InstanceListen(const void* owner, const std::string& key) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  sockaddr_un address;
  const socklen_t length = Address(SocketName(key), &address);
  int stop[2];
  // Taken already: another process has this window, and stays the one that is found.
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(fd, 8) != 0 ||
      pipe2(stop, O_CLOEXEC) != 0) {
    close(fd);
    return false;
  }
  auto listener = std::make_unique<Listener>(Listener{owner, fd, stop[0], stop[1], nullptr});
  listener->thread = SDL_CreateThread(Listen, "instance", listener.get());
  if (listener->thread == nullptr) {
    close(fd);
    close(stop[0]);
    close(stop[1]);
    return false;
  }
  listeners.push_back(std::move(listener));
  return true;
}

void InstanceStopListening(const void* owner) {
  for (auto it = listeners.begin(); it != listeners.end(); ++it) {
    Listener& listener = **it;
    if (listener.owner != owner) continue;
    const char stop = 0;
    if (write(listener.stopWrite, &stop, 1) != 1) {
      // The pipe is empty and open: a write cannot fail but for a signal; the
      // listener is then left to end with the process.
      SDL_DetachThread(listener.thread);
    } else {
      SDL_WaitThread(listener.thread, nullptr);
    }
    close(listener.socket);
    close(listener.stopRead);
    close(listener.stopWrite);
    listeners.erase(it);
    return;
  }
}

bool InstanceAnswers(const std::string& key) { return Ask(SocketName(key), FindRequest); }

bool InstanceAskToRaise(const std::string& key) { return Ask(SocketName(key), RaiseRequest); }

int EmulatorRaiseRequests() { return raiseRequests; }
