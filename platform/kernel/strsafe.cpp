// Bounded UTF-16 string calls.
#include "platform/strsafe.h"

#include <cstdarg>
#include <cstdio>

namespace {

// Appends src to dest, whose first `used` characters are in use; cuts at cchDest - 1.
HRESULT Append(LPWSTR dest, size_t cchDest, size_t used, LPCWSTR src) {
  while (*src != 0) {
    if (used + 1 >= cchDest) {
      dest[used] = 0;
      return STRSAFE_E_INSUFFICIENT_BUFFER;
    }
    dest[used++] = *src++;
  }
  dest[used] = 0;
  return S_OK;
}

size_t BoundedLength(LPCWSTR str, size_t cchMax) {
  size_t n = 0;
  while (n < cchMax && str[n] != 0) ++n;
  return n;
}

}  // namespace

HRESULT StringCchCopyW(LPWSTR dest, size_t cchDest, LPCWSTR src) {
  if (dest == nullptr || cchDest == 0) return STRSAFE_E_INVALID_PARAMETER;
  return Append(dest, cchDest, 0, src == nullptr ? u"" : src);
}

HRESULT StringCchCatW(LPWSTR dest, size_t cchDest, LPCWSTR src) {
  if (dest == nullptr || cchDest == 0) return STRSAFE_E_INVALID_PARAMETER;
  const size_t used = BoundedLength(dest, cchDest);
  if (used == cchDest) return STRSAFE_E_INVALID_PARAMETER;  // not terminated within its buffer
  return Append(dest, cchDest, used, src == nullptr ? u"" : src);
}

HRESULT StringCchLengthW(LPCWSTR str, size_t cchMax, size_t* length) {
  if (str == nullptr) return STRSAFE_E_INVALID_PARAMETER;
  const size_t n = BoundedLength(str, cchMax);
  if (length != nullptr) *length = n;
  return n == cchMax ? STRSAFE_E_INVALID_PARAMETER : S_OK;
}

HRESULT StringCchPrintfW(LPWSTR dest, size_t cchDest, LPCWSTR format, ...) {
  if (dest == nullptr || cchDest == 0 || format == nullptr) return STRSAFE_E_INVALID_PARAMETER;
  va_list args;
  va_start(args, format);
  size_t used = 0;
  dest[0] = 0;
  HRESULT result = S_OK;
  for (const WCHAR* p = format; *p != 0 && result == S_OK; ++p) {
    WCHAR piece[24] = {};
    LPCWSTR text = piece;
    if (*p != u'%') {
      piece[0] = *p;
    } else if (p[1] == u'd' || p[1] == u'u') {
      char digits[24];
      if (p[1] == u'd')
        std::snprintf(digits, sizeof digits, "%d", va_arg(args, int));
      else
        std::snprintf(digits, sizeof digits, "%u", va_arg(args, unsigned));
      for (int i = 0; digits[i] != 0; ++i) piece[i] = static_cast<WCHAR>(digits[i]);
      ++p;
    } else if (p[1] == u's') {
      text = va_arg(args, LPCWSTR);
      if (text == nullptr) text = u"";
      ++p;
    } else {
      piece[0] = u'%';
      if (p[1] == u'%') ++p;
    }
    result = Append(dest, cchDest, used, text);
    used = BoundedLength(dest, cchDest);
  }
  va_end(args);
  return result;
}
