// Inside the host only: how a replaced file reaches where it outlasts the program: the
// desktop's disk, or the browser's own store.
#pragma once

#include <string>

// The written file's contents, before the rename puts it in place.
bool StoreFlushFile(int fd);
// The folder after `file` in it was replaced.
bool StoreFlushFolder(const std::string& folder, const std::string& file);
