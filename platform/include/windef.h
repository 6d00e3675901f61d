// The handheld's basic types, handles and macros, so the rest of the program reads as it
// was written for the device. Strings are UTF-16, as they were there.
#pragma once

#include <cstddef>
#include <cstdint>

typedef int32_t BOOL;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef int32_t INT;
typedef uint32_t UINT;
typedef int32_t HRESULT;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef uint32_t COLORREF;

typedef char16_t WCHAR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef BYTE* LPBYTE;
typedef DWORD* LPDWORD;

// Handles are pointers to distinct opaque types, so one kind is never passed for another.
#define MARLIX_DECLARE_HANDLE(name) \
  struct name##__;                  \
  typedef name##__* name
MARLIX_DECLARE_HANDLE(HWND);
MARLIX_DECLARE_HANDLE(HINSTANCE);
MARLIX_DECLARE_HANDLE(HDC);
MARLIX_DECLARE_HANDLE(HBITMAP);
MARLIX_DECLARE_HANDLE(HFONT);
MARLIX_DECLARE_HANDLE(HBRUSH);
MARLIX_DECLARE_HANDLE(HMENU);
MARLIX_DECLARE_HANDLE(HICON);
MARLIX_DECLARE_HANDLE(HCURSOR);
MARLIX_DECLARE_HANDLE(HACCEL);
MARLIX_DECLARE_HANDLE(HKEY);
MARLIX_DECLARE_HANDLE(HRSRC);
#undef MARLIX_DECLARE_HANDLE
typedef void* HANDLE;
typedef void* HGDIOBJ;
typedef void* HGLOBAL;
typedef HINSTANCE HMODULE;

struct RECT {
  LONG left, top, right, bottom;
};
struct POINT {
  LONG x, y;
};
struct SIZE {
  LONG cx, cy;
};
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
constexpr int MAX_PATH = 260;
constexpr HRESULT S_OK = 0;

constexpr WORD LOWORD(uintptr_t value) { return static_cast<WORD>(value & 0xFFFF); }
constexpr WORD HIWORD(uintptr_t value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(WORD low, WORD high) {
  return static_cast<LPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }

// UTF-16 string literals, as the device's L"..." were.
#define TEXT(quote) u##quote
