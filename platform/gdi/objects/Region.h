// A region: a set of pixels kept as, for each row, sorted disjoint [left, right) spans. Clips,
// HRGN objects and the window system's visible areas all use it.
#pragma once

#include <vector>

#include "windows.h"

namespace ce::gdi {

// Region coordinates stay within ±regionLimit, far beyond any screen: a region keeps a list of
// spans for every row it covers, so an unbounded one could not be held.
inline constexpr int regionLimit = 1 << 15;

struct Span {
    int left = 0;
    int right = 0; // exclusive
    bool operator==(const Span& other) const = default;
};

struct CEAPI Region {
    int top = 0; // the row of rows[0]
    std::vector<std::vector<Span>> rows;

    bool empty() const;
    bool contains(int x, int y) const;
    // The spans of row y (none outside the region's rows).
    const std::vector<Span>& spansOf(int y) const;
    // The smallest rectangle holding every pixel; all zero when empty.
    RECT bounds() const;
    void offset(int dx, int dy);
    // Drops empty rows at both ends, so that equal sets compare equal.
    void trim();
    bool operator==(const Region& other) const = default;
};

// The rectangle (right and bottom exclusive), clamped to ±regionLimit.
CEAPI Region rectRegion(const RECT& rect);
// The ellipse inscribed in a rectangle (right and bottom exclusive), as CreateEllipticRgn makes it:
// mirror-symmetric in both axes; the part beyond ±regionLimit left out.
CEAPI Region ellipticRegion(const RECT& rect);
// CombineRgn's modes: RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY (a).
CEAPI Region combineRegions(const Region& a, const Region& b, int mode);
// CombineRgn's answer for a region: NULLREGION, SIMPLEREGION (one rectangle) or COMPLEXREGION.
CEAPI int regionKind(const Region& region);

} // namespace ce::gdi
