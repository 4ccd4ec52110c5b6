// The C runtime's string functions for the device's 16-bit WCHAR. Case-insensitive work
// goes through the device's case table.
#include "CaseTable.h"
#include "cewchar.h"

namespace {

// Sign of a - b as the C runtime compares code units: unsigned.
int compareUnits(WCHAR a, WCHAR b)
{
    return a < b ? -1 : a > b ? 1 : 0;
}

template <typename Fold>
int compareFolded(const WCHAR* a, const WCHAR* b, size_t count, Fold fold)
{
    for (size_t i = 0; i < count; ++i) {
        const WCHAR x = fold(a[i]);
        const WCHAR y = fold(b[i]);
        if (x != y || !x)
            return compareUnits(x, y);
    }
    return 0;
}

WCHAR same(WCHAR c)
{
    return c;
}

}  // namespace

size_t wcslen(const WCHAR* s)
{
    size_t n = 0;
    while (s[n])
        ++n;
    return n;
}

size_t wcsnlen(const WCHAR* s, size_t maxCount)
{
    size_t n = 0;
    while (n < maxCount && s[n])
        ++n;
    return n;
}

WCHAR* wcscpy(WCHAR* dst, const WCHAR* src)
{
    WCHAR* out = dst;
    while ((*out++ = *src++))
        ;
    return dst;
}

WCHAR* wcsncpy(WCHAR* dst, const WCHAR* src, size_t count)
{
    // Pads with zeros; leaves dst unterminated when src has count characters or more.
    size_t i = 0;
    for (; i < count && src[i]; ++i)
        dst[i] = src[i];
    for (; i < count; ++i)
        dst[i] = u'\0';
    return dst;
}

WCHAR* wcscat(WCHAR* dst, const WCHAR* src)
{
    wcscpy(dst + wcslen(dst), src);
    return dst;
}

WCHAR* wcsncat(WCHAR* dst, const WCHAR* src, size_t count)
{
    WCHAR* out = dst + wcslen(dst);
    const size_t n = wcsnlen(src, count);
    for (size_t i = 0; i < n; ++i)
        out[i] = src[i];
    out[n] = u'\0';
    return dst;
}

int wcscmp(const WCHAR* a, const WCHAR* b)
{
    return compareFolded(a, b, SIZE_MAX, same);
}

int wcsncmp(const WCHAR* a, const WCHAR* b, size_t count)
{
    return compareFolded(a, b, count, same);
}

int _wcsicmp(const WCHAR* a, const WCHAR* b)
{
    return compareFolded(a, b, SIZE_MAX, ce::toUpperDevice);
}

int _wcsnicmp(const WCHAR* a, const WCHAR* b, size_t count)
{
    return compareFolded(a, b, count, ce::toUpperDevice);
}

const WCHAR* wcschr(const WCHAR* s, WCHAR c)
{
    // The terminator itself can be searched for.
    for (;; ++s) {
        if (*s == c)
            return s;
        if (!*s)
            return nullptr;
    }
}

WCHAR* wcschr(WCHAR* s, WCHAR c)
{
    return const_cast<WCHAR*>(wcschr(static_cast<const WCHAR*>(s), c));
}

const WCHAR* wcsrchr(const WCHAR* s, WCHAR c)
{
    const WCHAR* found = nullptr;
    for (;; ++s) {
        if (*s == c)
            found = s;
        if (!*s)
            return found;
    }
}

WCHAR* wcsrchr(WCHAR* s, WCHAR c)
{
    return const_cast<WCHAR*>(wcsrchr(static_cast<const WCHAR*>(s), c));
}

const WCHAR* wcsstr(const WCHAR* haystack, const WCHAR* needle)
{
    const size_t n = wcslen(needle);
    for (; *haystack; ++haystack)
        if (wcsncmp(haystack, needle, n) == 0)
            return haystack;
    return n == 0 ? haystack : nullptr;
}

WCHAR* wcsstr(WCHAR* haystack, const WCHAR* needle)
{
    return const_cast<WCHAR*>(wcsstr(static_cast<const WCHAR*>(haystack), needle));
}

WCHAR* _wcslwr(WCHAR* s)
{
    for (WCHAR* p = s; *p; ++p)
        *p = ce::toLowerDevice(*p);
    return s;
}

WCHAR* _wcsupr(WCHAR* s)
{
    for (WCHAR* p = s; *p; ++p)
        *p = ce::toUpperDevice(*p);
    return s;
}

WCHAR towlower(WCHAR c)
{
    return ce::toLowerDevice(c);
}

WCHAR towupper(WCHAR c)
{
    return ce::toUpperDevice(c);
}
