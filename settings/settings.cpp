// Settings and the saved game in the registry.
#include "settings/settings.h"

#include <bit>

#include "settings/stored_values.h"

static_assert(std::endian::native == std::endian::little,
              "stored numbers are little-endian and are read straight into the variables");

int32_t Sound = 1;
int32_t Skin = 0;

namespace {

// Opens the key, creating it when it is missing.
bool OpenOrCreate(LPCWSTR path, HKEY& key) {
  return RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, 0, &key) == ERROR_SUCCESS ||
         RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, 0, nullptr, &key, nullptr) == ERROR_SUCCESS;
}

// As on the handheld: a value is read straight into its live variable, with no staging copy
// and whatever its type, so a value shorter than its variable fills only its leading bytes,
// and a saved game that fails halfway leaves the part read (the caller's new game then
// resets it).
bool Read(HKEY key, const StoredValue& value) {
  DWORD type;
  DWORD size = value.size;
  return RegQueryValueExW(key, value.name, nullptr, &type, reinterpret_cast<LPBYTE>(value.variable), &size) ==
         ERROR_SUCCESS;
}

// Every value of one key, in table order; a write that fails does not stop the others.
void WriteAll(StoredKey which) {
  HKEY key;
  if (!OpenOrCreate(KeyPath(which), key)) return;
  for (const StoredValue& value : StoredValues)
    if (value.key == which)
      RegSetValueExW(key, value.name, 0, value.type, reinterpret_cast<const BYTE*>(value.variable),
                     value.size);
  RegCloseKey(key);
}

}  // namespace

void LoadSettings() {
  for (const StoredValue& value : StoredValues)
    if (value.key == StoredKey::Settings) *value.variable = value.fallback;
  HKEY key;
  if (!OpenOrCreate(SettingsKeyPath, key)) return;
  for (const StoredValue& value : StoredValues)
    if (value.key == StoredKey::Settings &&
        (!Read(key, value) || *value.variable < value.lowest || *value.variable > value.highest))
      *value.variable = value.fallback;
  RegCloseKey(key);
}

void SaveSettings() { WriteAll(StoredKey::Settings); }

void SaveGame() { WriteAll(StoredKey::SavedGame); }

int LoadGame() {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, SavedGameKeyPath, 0, 0, &key) != ERROR_SUCCESS) return 0;
  // As on the handheld: the saved game is taken as it was stored, with no range checked;
  // only the settings fall back to their defaults.
  for (const StoredValue& value : StoredValues) {
    if (value.key == StoredKey::SavedGame && !Read(key, value)) {
      RegCloseKey(key);
      return 0;
    }
  }
  RegCloseKey(key);
  return 1;
}
