// A desktop file read whole, and whether one is there.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// False for a file that is missing, empty, unreadable or `limit` bytes or longer.
bool HostReadFile(const std::string& path, size_t limit, std::vector<uint8_t>& bytes);
// Whether anything lies at the path; `folder` tells whether it is a folder.
bool HostPathExists(const std::string& path, bool& folder);
