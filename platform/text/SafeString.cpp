// The safe-string helpers: every result is terminated; text that does not fit is truncated
// and reported with STRSAFE_E_INSUFFICIENT_BUFFER.
#include <algorithm>
#include <string_view>

#include "Format.h"
#include "cewchar.h"
#include "winerror.h"

namespace {

constexpr size_t kMaxCch = 2147483647;  // STRSAFE_MAX_CCH

bool validDestination(LPCWSTR dst, size_t cchDest)
{
    return dst && cchDest != 0 && cchDest <= kMaxCch;
}

HRESULT storeTruncated(LPWSTR dst, size_t cchDest, std::u16string_view text)
{
    const size_t length = std::min(text.size(), cchDest - 1);
    std::copy_n(text.begin(), length, dst);
    dst[length] = u'\0';
    return length == text.size() ? S_OK : STRSAFE_E_INSUFFICIENT_BUFFER;
}

// A null source reads as empty text.
std::u16string_view sourceText(LPCWSTR src)
{
    return src ? std::u16string_view(src) : std::u16string_view();
}

}  // namespace

HRESULT StringCchCopyW(LPWSTR dst, size_t cchDest, LPCWSTR src)
{
    if (!validDestination(dst, cchDest))
        return STRSAFE_E_INVALID_PARAMETER;
    return storeTruncated(dst, cchDest, sourceText(src));
}

HRESULT StringCchCatW(LPWSTR dst, size_t cchDest, LPCWSTR src)
{
    if (!validDestination(dst, cchDest))
        return STRSAFE_E_INVALID_PARAMETER;
    const size_t used = wcsnlen(dst, cchDest);
    // A destination without a terminator inside cchDest is not a string to append to.
    if (used == cchDest)
        return STRSAFE_E_INVALID_PARAMETER;
    return storeTruncated(dst + used, cchDest - used, sourceText(src));
}

HRESULT StringCchPrintfW(LPWSTR dst, size_t cchDest, LPCWSTR format, ...)
{
    if (!validDestination(dst, cchDest))
        return STRSAFE_E_INVALID_PARAMETER;
    if (!format) {
        dst[0] = u'\0';
        return STRSAFE_E_INVALID_PARAMETER;
    }
    va_list args;
    va_start(args, format);
    const std::u16string text = ce::text::formatPrintf(format, args);
    va_end(args);
    return storeTruncated(dst, cchDest, text);
}
