// The handheld's registry, for HKEY_CURRENT_USER only. The desktop keeps it in one text
// file in the registry editor's export format ($XDG_CONFIG_HOME/NAME/registry.reg, NAME the
// program's own, see EmulatorSetProgramName), read when a first key is opened and replaced
// whole, atomically, when a changed key is closed: all values set through one open key land
// in the file together. The replacement is written on a thread of its own; RegFlushKey, and
// the program's end, wait for it.
#pragma once

#include "platform/winbase.h"
#include "platform/windef.h"

typedef DWORD REGSAM;
typedef HKEY* PHKEY;

inline const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000001u));

constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_INVALID_PARAMETER = 87;
constexpr LONG ERROR_MORE_DATA = 234;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;

constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// Key paths are relative to the hive or to an open key; "a\b" and "a\b\" name the same key.
// Key paths and value names are compared exactly, so "f" and "F" are two values.
LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM access, PHKEY result);
// Creates the key and any missing key above it.
LONG RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass, DWORD options, REGSAM access,
                     LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition);
// *size holds the buffer's size in bytes and comes back as the value's size. A value larger
// than the buffer gives ERROR_MORE_DATA and leaves the buffer alone; a smaller one fills
// the leading bytes. A null data pointer only asks for the type and size.
LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size);
// Creates or replaces the value. Names with control characters are refused.
LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD size);
// Releases the handle; when values or keys were changed through it, the file is replaced.
// Setting a value to what it holds changes nothing.
LONG RegCloseKey(HKEY key);
// Returns once every change closed so far is in the file (or its replacement failed).
LONG RegFlushKey(HKEY key);
