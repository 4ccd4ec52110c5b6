// Copying a control's text into a caller's buffer of a given capacity, always terminated.
#pragma once

#include <algorithm>
#include <string_view>

#include "windows.h"

namespace ce::gwes {

// The characters copied (without the terminator); 0 and nothing written for no room.
inline int copyToBuffer(std::u16string_view text, LPWSTR buffer, int capacity)
{
    if (!buffer || capacity <= 0)
        return 0;
    const size_t count = std::min(text.size(), static_cast<size_t>(capacity - 1));
    std::copy_n(text.begin(), count, buffer);
    buffer[count] = 0;
    return static_cast<int>(count);
}

// A caller's text pointer as a string: empty for null.
inline std::u16string_view textOf(LPCWSTR text)
{
    return text ? std::u16string_view(text) : std::u16string_view();
}

} // namespace ce::gwes
