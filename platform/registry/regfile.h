// Inside the platform only: the registry held in memory, and its text file in the registry
// editor's export format, which a player can read and edit.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/windef.h"

struct RegValue {
  std::u16string name;
  DWORD type;
  std::vector<BYTE> data;
};

// Values keep the order in which they were first set, so the file lists them that way.
struct RegKey {
  std::vector<RegValue> values;
  std::map<std::u16string, size_t> index;  // name -> position in values
};

// Keys by path below HKEY_CURRENT_USER, without a trailing backslash; "" is the hive.
struct RegStore {
  std::map<std::u16string, RegKey> keys;
  bool damaged = false;  // the text held lines that were not understood and were left out
};

// Limits that keep a damaged or hostile file from costing unbounded time or memory.
constexpr size_t RegMaxFileBytes = 16u << 20;
constexpr size_t RegMaxValueBytes = 1u << 20;
constexpr size_t RegMaxNameChars = 16383;
constexpr size_t RegMaxKeyPathChars = 1024;
constexpr size_t RegMaxKeyNameChars = 255;

// A key path as given by the caller, made canonical: one trailing backslash dropped.
// False when the path is not one this registry can hold (empty parts, control
// characters, too long, characters the file cannot carry).
bool RegCanonicalKeyPath(std::u16string_view path, std::u16string& canonical);
bool RegValidValueName(std::u16string_view name);

// The key, created with every missing key above it.
RegKey& RegAddKey(RegStore& store, const std::u16string& path);
void RegPutValue(RegKey& key, const std::u16string& name, DWORD type, std::vector<BYTE> data);
const RegValue* RegFindValue(const RegKey& key, const std::u16string& name);

// Reads what is valid in the text into an empty store; whatever is not understood is left
// out and marks the store damaged. Never fails.
void RegReadText(std::string_view text, RegStore& store);
std::string RegWriteText(const RegStore& store);

// The file's folder, named after the program: $XDG_CONFIG_HOME/NAME, or ~/.config/NAME when
// the variable is unset; "" when no home is known either.
std::string RegFolder();
// Reads the file into an empty store; no file gives an empty registry. A file that cannot
// be read or is not fully understood marks the store damaged.
void RegLoad(RegStore& store);
// Replaces the file in the folder (RegFolder's) by the store's text, atomically: a crash at
// any moment leaves the old file or the new one. A damaged file is first kept aside as
// registry.reg.damaged. A replacement that fails (a full disk, say) leaves the old file as
// it was.
bool RegSave(const RegStore& store, const std::string& folder);

// The same on the writer thread (regwriter.cpp), in the folder of the moment of the call:
// the call returns at once with a copy of the store queued, taking the place of one that
// waits still. Whether one waits or is being written, and waiting until none is; the
// program's end waits too.
void RegQueueSave(const RegStore& store);
bool RegSavesPending();
void RegWaitForSaves();
