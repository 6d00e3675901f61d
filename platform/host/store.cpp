// The registry file on the desktop's disk: where it lives, reading it, and replacing it
// whole by way of a temporary file, so a crash never leaves it torn.
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>

#include "platform/emulator.h"
#include "platform/regfile.h"

namespace {

constexpr const char* FileName = "registry.reg";
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

bool SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = fsync(fd) == 0;
  close(fd);
  return synced;
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

std::string RegFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (Absolute(config)) return std::string(config) + "/marlix-pentro";
  const char* home = std::getenv("HOME");
  if (!Absolute(home)) {
    const passwd* user = getpwuid(getuid());
    home = user != nullptr ? user->pw_dir : nullptr;
  }
  if (!Absolute(home)) return {};
  return std::string(home) + "/.config/marlix-pentro";
}

void RegLoad(RegStore& store) {
  store = RegStore{};
  store.keys.try_emplace(u"");
  const std::string folder = RegFolder();
  if (folder.empty()) return;
  const int fd = open((folder + "/" + FileName).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    store.damaged = errno != ENOENT;  // there, but unreadable: keep it when replacing it
    return;
  }
  // One byte past the limit tells the reader that the file was longer.
  std::string text;
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) store.damaged = true;
    if (n <= 0) break;
    text.append(buffer, static_cast<size_t>(n));
    if (text.size() > RegMaxFileBytes) break;
  }
  close(fd);
  RegReadText(text, store);
}

bool RegSave(const RegStore& store, const std::string& folder) {
  if (folder.empty()) return false;
  const std::string file = folder + "/" + FileName;
  const std::string temp = file + TempSuffix;
  const std::string text = RegWriteText(store);
  const size_t half = text.size() / 2;

  if (Stopped(RegistryWriteFolder) || !MakeFolders(folder)) return false;
  chmod(folder.c_str(), 0700);
  if (Stopped(RegistryWriteKeepDamaged) || (store.damaged && !KeepDamaged(file))) return false;
  if (Stopped(RegistryWriteOpen)) return false;
  // A temporary file left by a crash is simply written over.
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return false;
  const bool written = !Stopped(RegistryWriteFirstHalf) && fchmod(fd, 0600) == 0 &&
                       WriteAll(fd, text.data(), half) && !Stopped(RegistryWriteSecondHalf) &&
                       WriteAll(fd, text.data() + half, text.size() - half) && !Stopped(RegistryWriteSync) &&
                       fsync(fd) == 0 && !Stopped(RegistryWriteClose);
  // A write that failed (a full disk) takes its part-written file away again, giving the
  // room back; a stop for a test is a crash, which leaves it.
  const int stop = stopBefore.load();
  const bool crashed = stop >= RegistryWriteFirstHalf && stop <= RegistryWriteRename;
  if (close(fd) != 0 || !written || Stopped(RegistryWriteRename) || rename(temp.c_str(), file.c_str()) != 0) {
    if (!crashed) unlink(temp.c_str());
    return false;
  }
  // Without this the rename itself might not survive a power cut.
  return !Stopped(RegistryWriteSyncFolder) && SyncFolder(folder);
}
