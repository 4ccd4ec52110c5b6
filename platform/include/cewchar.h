// The C runtime's wide-string functions for the device's 16-bit WCHAR, and the printf-family
// formatter with the device's semantics (%s is a wide string, %hs a narrow one, %ld is 32 bits).
// They are overloads beside the host's wchar_t versions, so product code calls them by their
// usual names.
#pragma once

#include <cstdarg>
#include <cstddef>
// First: <string> brings the host's wcstol into std before the device overload below exists,
// so std::stol keeps naming one function whatever is included after this header.
#include <string>

#include "ceapi.h"
#include "windef.h"

CEAPI size_t wcslen(const WCHAR* s);
CEAPI size_t wcsnlen(const WCHAR* s, size_t maxCount);
CEAPI WCHAR* wcscpy(WCHAR* dst, const WCHAR* src);
CEAPI WCHAR* wcsncpy(WCHAR* dst, const WCHAR* src, size_t count);
CEAPI WCHAR* wcscat(WCHAR* dst, const WCHAR* src);
CEAPI WCHAR* wcsncat(WCHAR* dst, const WCHAR* src, size_t count);
CEAPI int wcscmp(const WCHAR* a, const WCHAR* b);
CEAPI int wcsncmp(const WCHAR* a, const WCHAR* b, size_t count);
// Case-insensitive compares fold both sides to upper case with the device's case table.
CEAPI int _wcsicmp(const WCHAR* a, const WCHAR* b);
CEAPI int _wcsnicmp(const WCHAR* a, const WCHAR* b, size_t count);
CEAPI const WCHAR* wcschr(const WCHAR* s, WCHAR c);
CEAPI WCHAR* wcschr(WCHAR* s, WCHAR c);
CEAPI const WCHAR* wcsrchr(const WCHAR* s, WCHAR c);
CEAPI WCHAR* wcsrchr(WCHAR* s, WCHAR c);
CEAPI const WCHAR* wcsstr(const WCHAR* haystack, const WCHAR* needle);
CEAPI WCHAR* wcsstr(WCHAR* haystack, const WCHAR* needle);
CEAPI WCHAR* _wcslwr(WCHAR* s);
CEAPI WCHAR* _wcsupr(WCHAR* s);
CEAPI WCHAR towlower(WCHAR c);
CEAPI WCHAR towupper(WCHAR c);
CEAPI long wcstol(const WCHAR* s, WCHAR** end, int base);
CEAPI unsigned long wcstoul(const WCHAR* s, WCHAR** end, int base);
CEAPI int _wtoi(const WCHAR* s);
CEAPI long _wtol(const WCHAR* s);

// Formatting. wsprintfW writes at most 1024 characters including the terminator, as on the
// device. _snwprintf returns -1 when the text does not fit and then leaves it unterminated.
CEAPI int wsprintfW(LPWSTR buffer, LPCWSTR format, ...);
CEAPI int wvsprintfW(LPWSTR buffer, LPCWSTR format, va_list args);
CEAPI int _snwprintf(WCHAR* buffer, size_t count, const WCHAR* format, ...);
CEAPI int _vsnwprintf(WCHAR* buffer, size_t count, const WCHAR* format, va_list args);
CEAPI int swprintf(WCHAR* buffer, const WCHAR* format, ...);

// Safe-string helpers: always terminate, truncating when the buffer is short.
#define STRSAFE_E_INSUFFICIENT_BUFFER static_cast<HRESULT>(0x8007007AL)
#define STRSAFE_E_INVALID_PARAMETER static_cast<HRESULT>(0x80070057L)
CEAPI HRESULT StringCchCopyW(LPWSTR dst, size_t cchDest, LPCWSTR src);
CEAPI HRESULT StringCchCatW(LPWSTR dst, size_t cchDest, LPCWSTR src);
CEAPI HRESULT StringCchPrintfW(LPWSTR dst, size_t cchDest, LPCWSTR format, ...);
