// Bounded UTF-16 string calls: every path and text is a fixed buffer on the handheld, and
// no call here ever writes past the count of characters it is given.
#pragma once

#include "platform/windef.h"

constexpr HRESULT STRSAFE_E_INSUFFICIENT_BUFFER = static_cast<HRESULT>(0x8007007A);
constexpr HRESULT STRSAFE_E_INVALID_PARAMETER = static_cast<HRESULT>(0x80070057);

// Copy or append; on a short buffer the result is cut to fit, still terminated, and the
// call reports STRSAFE_E_INSUFFICIENT_BUFFER.
HRESULT StringCchCopyW(LPWSTR dest, size_t cchDest, LPCWSTR src);
HRESULT StringCchCatW(LPWSTR dest, size_t cchDest, LPCWSTR src);
HRESULT StringCchLengthW(LPCWSTR str, size_t cchMax, size_t* length);
// Formats %d, %u, %s (a UTF-16 string) and %%.
HRESULT StringCchPrintfW(LPWSTR dest, size_t cchDest, LPCWSTR format, ...);
