// What the program keeps between runs, on the desktop's disk: files in a folder of its own,
// each read whole and replaced whole.
#pragma once

#include <string>

// The folder, named after the program: $XDG_CONFIG_HOME/NAME, or ~/.config/NAME when the
// variable is unset; "" when no home is known either.
std::string StoreFolder();

enum class StoreRead { Missing, Read, Failed };
// Reads a file whole, stopping once more than `limit` bytes were read. Failed: the file is
// there but could not be read whole; `text` holds what was read.
StoreRead StoreReadFile(const std::string& path, size_t limit, std::string& text);

// Replaces the file `name` in `folder` (made when missing, for the player's eyes only) by
// `text`, atomically: a crash at any moment leaves the old file or the new one. With
// `keepDamaged` the old file is first kept aside as NAME.damaged. A replacement that fails
// (a full disk, say) leaves the old file as it was.
bool StoreReplaceFile(const std::string& folder, const std::string& name, const std::string& text,
                      bool keepDamaged);
