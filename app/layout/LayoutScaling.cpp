// The scaling of layout tables from the design screen to the real one.
#include "LayoutScaling.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace {

constexpr LONG designWidth = 240;
constexpr LONG designHeight = 320;
constexpr LONG squareDesignHeight = 240;
// The screen height no dialog gets: the title bar and the menu bar, taller on wide screens.
constexpr LONG barsHeight = 52;
constexpr LONG wideScreenBarsHeight = 70;
constexpr LONG designClientHeight = designHeight - barsHeight;
constexpr LONG squareDesignClientHeight = squareDesignHeight - barsHeight;

constexpr int productBitmapId = 109;
constexpr int titleBarButtonIds[] = {1050, 1055, 1192}; // Options, Refresh, Resize

constexpr LONG portraitRuleHeight = 22;
constexpr LONG landscapeRuleHeight = 20;

Fraction reducedFraction(LONG numerator, LONG denominator)
{
    const LONG divisor = std::gcd(numerator, denominator);
    return {numerator / divisor, denominator / divisor};
}

// 64-bit product: a large screen times a large coordinate must not overflow.
LONG scaledBy(LONG value, Fraction factor)
{
    return static_cast<LONG>(static_cast<int64_t>(value) * factor.numerator / factor.denominator);
}

struct RectFactors {
    Fraction x;
    Fraction y;
    Fraction width;
    Fraction height;
};

RectFactors factorsFor(Orientation orientation, const ScreenScale& scale)
{
    switch (orientation) {
    case landscape:
        return {scale.longSide, scale.shortSide, scale.longSide, scale.shortSide};
    case square:
        return {scale.shortSide, scale.squareLongSide, scale.shortSide, scale.clientHeight};
    case portrait:
        break;
    }
    return {scale.shortSide, scale.clientHeight, scale.shortSide, scale.clientHeight};
}

RECT scaledRect(const RECT& rect, const RectFactors& factors, int id)
{
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    LONG x = scaledBy(rect.left, factors.x);
    const LONG y = scaledBy(rect.top, factors.y);
    LONG newWidth = scaledBy(width, factors.width);
    LONG newHeight = scaledBy(height, factors.height);
    if (std::ranges::find(titleBarButtonIds, id) != std::end(titleBarButtonIds)) {
        newHeight = height;
    }
    if (id == productBitmapId) {
        x += (newWidth - width) / 2;
        newWidth = width;
        newHeight = height;
    }
    return {x, y, x + newWidth, y + newHeight};
}

RECT resized(const RECT& rect, Fraction factor)
{
    return {scaledBy(rect.left, factor), scaledBy(rect.top, factor), scaledBy(rect.right, factor),
            scaledBy(rect.bottom, factor)};
}

void resizeTable(std::span<LayoutEntry> table, Fraction factor)
{
    for (LayoutEntry& entry : tableEntries(table)) {
        for (RECT& rect : entry.rects) {
            rect = resized(rect, factor);
        }
    }
}

} // namespace

ScreenScale screenScaleOf(int screenWidth, int screenHeight, bool highResolution)
{
    const int divisor = highResolution ? 2 : 1;
    const LONG w = std::min(screenWidth, screenHeight) / divisor;
    const LONG h = std::max(screenWidth, screenHeight) / divisor;
    const bool squareScreen = w == h;
    if (w == designWidth && h == (squareScreen ? squareDesignHeight : designHeight)) {
        return {};
    }
    const LONG clientHeight = h - (w > designWidth ? wideScreenBarsHeight : barsHeight);
    return {reducedFraction(w, designWidth), reducedFraction(h, designHeight),
            reducedFraction(h, squareDesignHeight),
            reducedFraction(clientHeight, squareScreen ? squareDesignClientHeight : designClientHeight)};
}

void scaleLayoutTable(std::span<LayoutEntry> table, const ScreenScale& scale)
{
    for (LayoutEntry& entry : tableEntries(table)) {
        for (const Orientation orientation : {portrait, landscape, square}) {
            RECT& rect = entry.rects[orientation];
            rect = scaledRect(rect, factorsFor(orientation, scale), entry.id);
        }
    }
}

LONG titleRuleHeight(Orientation orientation, const ScreenScale& scale)
{
    if (orientation == landscape) {
        return scaledBy(landscapeRuleHeight, scale.shortSide);
    }
    return scaledBy(portraitRuleHeight, scale.clientHeight);
}

RECT doubled(const RECT& rect)
{
    return resized(rect, {2, 1});
}

RECT halved(const RECT& rect)
{
    return resized(rect, {1, 2});
}

void doubleLayoutTable(std::span<LayoutEntry> table)
{
    resizeTable(table, {2, 1});
}

void halveLayoutTable(std::span<LayoutEntry> table)
{
    resizeTable(table, {1, 2});
}
