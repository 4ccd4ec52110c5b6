// Blit geometry in a program's terms: a rectangle from a corner and a size, and a source pixel at
// a point worked out in 64 bits. Sums that pass an int's range stop at its end or find no pixel,
// so that wild sizes and offsets clip rather than overflow.
#pragma once

#include <algorithm>
#include <climits>

#include "Drawing.h"

namespace ce::gdi {

inline RECT rectOfSize(int x, int y, int cx, int cy)
{
    const auto end = [](int start, int size) {
        return static_cast<LONG>(std::clamp(
            static_cast<long long>(start) + size, static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX)));
    };
    return {x, y, end(x, cx), end(y, cy)};
}

// A logical pixel; CLR_INVALID beyond an int's range or the surface.
inline COLORREF pixelAt(const DrawTarget& target, long long x, long long y)
{
    if (x < INT_MIN || x > INT_MAX || y < INT_MIN || y > INT_MAX)
        return CLR_INVALID;
    return target.pixel(static_cast<int>(x), static_cast<int>(y));
}

} // namespace ce::gdi
