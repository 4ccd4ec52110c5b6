// The printf-family calls of the device's C runtime and of USER: each formats with the one
// formatter and differs only in how it stores the text.
#include <algorithm>

#include "Format.h"
#include "cewchar.h"

namespace {

// wsprintfW's documented output limit, terminator included.
constexpr std::size_t kWsprintfLimit = 1024;

}  // namespace

int wvsprintfW(LPWSTR buffer, LPCWSTR format, va_list args)
{
    if (!buffer || !format)
        return 0;
    const std::u16string text = ce::text::formatPrintf(format, args);
    const std::size_t length = std::min(text.size(), kWsprintfLimit - 1);
    std::copy_n(text.begin(), length, buffer);
    buffer[length] = u'\0';
    return static_cast<int>(length);
}

int wsprintfW(LPWSTR buffer, LPCWSTR format, ...)
{
    va_list args;
    va_start(args, format);
    const int result = wvsprintfW(buffer, format, args);
    va_end(args);
    return result;
}

int _vsnwprintf(WCHAR* buffer, size_t count, const WCHAR* format, va_list args)
{
    if (!format || (!buffer && count))
        return -1;
    const std::u16string text = ce::text::formatPrintf(format, args);
    // Text of exactly `count` characters fits but loses its terminator; longer text is cut
    // to `count` characters and reported as -1.
    std::copy_n(text.begin(), std::min(text.size(), count), buffer);
    if (text.size() < count)
        buffer[text.size()] = u'\0';
    return text.size() <= count ? static_cast<int>(text.size()) : -1;
}

int _snwprintf(WCHAR* buffer, size_t count, const WCHAR* format, ...)
{
    va_list args;
    va_start(args, format);
    const int result = _vsnwprintf(buffer, count, format, args);
    va_end(args);
    return result;
}

int swprintf(WCHAR* buffer, const WCHAR* format, ...)
{
    if (!buffer || !format)
        return -1;
    va_list args;
    va_start(args, format);
    const std::u16string text = ce::text::formatPrintf(format, args);
    va_end(args);
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = u'\0';
    return static_cast<int>(text.size());
}
