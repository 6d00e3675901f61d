// Every value the program keeps in the registry, in one table: its key, name, type, size,
// the variable it is read into and written from, and for the settings their default and
// the range accepted on reading.
#pragma once

#include "game/board.h"
#include "platform/winreg.h"
#include "settings/settings.h"

// Key paths are passed with their trailing backslash.
inline constexpr LPCWSTR SettingsKeyPath = TEXT("Software\\Marlix Pentro\\");
inline constexpr LPCWSTR SavedGameKeyPath = TEXT("Software\\Marlix Pentro\\Status\\");

enum class StoredKey { Settings, SavedGame };
constexpr LPCWSTR KeyPath(StoredKey key) {
  return key == StoredKey::Settings ? SettingsKeyPath : SavedGameKeyPath;
}

struct StoredValue {
  StoredKey key;
  LPCWSTR name;  // case matters: f and F are two values
  DWORD type;
  DWORD size;  // bytes; 32-bit numbers are little-endian and signed
  int32_t* variable;
  int32_t fallback;  // settings only: the default, also for a stored value out of range
  int32_t lowest;
  int32_t highest;
};

// The saved game is written and read in this order, and taken unchanged: no ranges.
inline constexpr StoredValue StoredValues[] = {
    {StoredKey::Settings, TEXT("Sound"), REG_DWORD, 4, &Sound, 1, 0, 1},
    {StoredKey::Settings, TEXT("Skin"), REG_DWORD, 4, &Skin, 0, 0, 5},
    {StoredKey::SavedGame, TEXT("UserScore"), REG_DWORD, 4, &UserScore, 0, 0, 0},
    {StoredKey::SavedGame, TEXT("ComputerScore"), REG_DWORD, 4, &ComputerScore, 0, 0, 0},
    {StoredKey::SavedGame, TEXT("box"), REG_BINARY, sizeof box, box, 0, 0, 0},
    {StoredKey::SavedGame, TEXT("occ"), REG_BINARY, sizeof occ, occ, 0, 0, 0},
    {StoredKey::SavedGame, TEXT("f"), REG_DWORD, 4, &f, 0, 0, 0},
    {StoredKey::SavedGame, TEXT("F"), REG_DWORD, 4, &F, 0, 0, 0},
    {StoredKey::SavedGame, TEXT("first"), REG_DWORD, 4, &first, 0, 0, 0},
};
