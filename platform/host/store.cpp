// The program's files on the desktop's disk: where they live, reading one, and replacing it
// whole by way of a temporary file, so a crash never leaves it torn.
#include "host/store.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>

#include "host/program.h"
#include "host/store_sync.h"
#include "platform/emulator.h"

namespace {

constexpr const char* TempSuffix = ".new";
constexpr const char* DamagedSuffix = ".damaged";

std::atomic<int> stopBefore{0};

bool Absolute(const char* path) { return path != nullptr && path[0] == '/'; }

// mkdir -p, new folders readable by the owner only.
bool MakeFolders(const std::string& folder) {
  for (size_t i = 1; i <= folder.size(); ++i) {
    if (i < folder.size() && folder[i] != '/') continue;
    const std::string part = folder.substr(0, i);
    if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat info;
  return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Keeps the damaged file under another name: a second link to it when the file system has
// links, a copy otherwise. registry.reg itself stays in place throughout.
bool KeepDamaged(const std::string& file) {
  const std::string kept = file + DamagedSuffix;
  unlink(kept.c_str());
  if (link(file.c_str(), kept.c_str()) == 0 || errno == ENOENT) return true;
  const int in = open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  const int out = open(kept.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  bool copied = out >= 0;
  char buffer[65536];
  for (ssize_t n; copied && (n = read(in, buffer, sizeof buffer)) != 0;)
    copied = n > 0 ? WriteAll(out, buffer, static_cast<size_t>(n)) : errno == EINTR;
  close(in);
  if (out >= 0) close(out);
  return copied;
}

// The steps of a replacement, each a place where a test may stop it as a crash would.
bool Stopped(int step) { return stopBefore.load() == step; }

}  // namespace

void EmulatorStopRegistryWriteBefore(int step) { stopBefore = step; }

std::string StoreFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (Absolute(config)) return std::string(config) + "/" + HostProgramName();
  const char* home = std::getenv("HOME");
  if (!Absolute(home)) {
    const passwd* user = getpwuid(getuid());
    home = user != nullptr ? user->pw_dir : nullptr;
  }
  if (!Absolute(home)) return {};
  return std::string(home) + "/.config/" + HostProgramName();
}

StoreRead StoreReadFile(const std::string& path, size_t limit, std::string& text) {
  text.clear();
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? StoreRead::Missing : StoreRead::Failed;
  StoreRead result = StoreRead::Read;
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) result = StoreRead::Failed;
    if (n <= 0) break;
    text.append(buffer, static_cast<size_t>(n));
    if (text.size() > limit) break;
  }
  close(fd);
  return result;
}

bool StoreReplaceFile(const std::string& folder, const std::string& name, const std::string& text,
                      bool keepDamaged) {
  if (folder.empty()) return false;
  const std::string file = folder + "/" + name;
  const std::string temp = file + TempSuffix;
  const size_t half = text.size() / 2;

  if (Stopped(RegistryWriteFolder) || !MakeFolders(folder)) return false;
  chmod(folder.c_str(), 0700);
  if (Stopped(RegistryWriteKeepDamaged) || (keepDamaged && !KeepDamaged(file))) return false;
  if (Stopped(RegistryWriteOpen)) return false;
  // A temporary file left by a crash is simply written over.
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return false;
  const bool written = !Stopped(RegistryWriteFirstHalf) && fchmod(fd, 0600) == 0 &&
                       WriteAll(fd, text.data(), half) && !Stopped(RegistryWriteSecondHalf) &&
                       WriteAll(fd, text.data() + half, text.size() - half) && !Stopped(RegistryWriteSync) &&
                       StoreFlushFile(fd) && !Stopped(RegistryWriteClose);
  // A write that failed (a full disk) takes its part-written file away again, giving the
  // room back; a stop for a test is a crash, which leaves it.
  const int stop = stopBefore.load();
  const bool crashed = stop >= RegistryWriteFirstHalf && stop <= RegistryWriteRename;
  if (close(fd) != 0 || !written || Stopped(RegistryWriteRename) || rename(temp.c_str(), file.c_str()) != 0) {
    if (!crashed) unlink(temp.c_str());
    return false;
  }
  return !Stopped(RegistryWriteSyncFolder) && StoreFlushFolder(folder, file);
}
