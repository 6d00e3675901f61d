// The desktop's disk: a file's contents, then its folder's entry, flushed to the disk.
#include "host/store_sync.h"

#include <fcntl.h>
#include <unistd.h>

bool StoreFlushFile(int fd) { return fsync(fd) == 0; }

// Without this the rename itself might not survive a power cut.
bool StoreFlushFolder(const std::string& folder, const std::string&) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = fsync(fd) == 0;
  close(fd);
  return synced;
}
