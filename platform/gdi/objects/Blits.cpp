// Pixels and blits: GetPixel/SetPixel, BitBlt and PatBlt with their raster operations, and
// FillRect. Work is clipped to the destination's drawable area and to the source's surface; a
// source overlapping its destination is read before it is written.
#include <optional>
#include <vector>

#include "BlitGeometry.h"
#include "RasterOps.h"

using namespace ce::gdi;

namespace {

// Applies `rop` over the logical rectangle (x, y, cx, cy) of `destination`, with the source's
// pixels read from logical (sx, sy) of `source` when the operation has one.
void blit(DrawTarget& destination, int x, int y, int cx, int cy, const DrawTarget* source, int sx, int sy, DWORD rop,
    COLORREF pattern)
{
    const RECT area = destination.drawableBounds(rectOfSize(x, y, cx, cy));
    std::vector<COLORREF> read; // CLR_INVALID where the source has no pixel
    if (source) {
        read.reserve(static_cast<size_t>(area.right - area.left) * static_cast<size_t>(area.bottom - area.top));
        for (int row = area.top; row < area.bottom; ++row) {
            for (int column = area.left; column < area.right; ++column)
                read.push_back(pixelAt(
                    *source, static_cast<long long>(sx) + (column - x), static_cast<long long>(sy) + (row - y)));
        }
    }
    auto next = read.begin();
    for (int row = area.top; row < area.bottom; ++row) {
        for (int column = area.left; column < area.right; ++column) {
            const COLORREF from = source ? *next++ : 0;
            if (from != CLR_INVALID && destination.visible(column, row))
                destination.plot(column, row, *combine(rop, from, destination.pixel(column, row), pattern));
        }
    }
}

} // namespace

COLORREF GetPixel(HDC hdc, int x, int y)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return CLR_INVALID;
    const DrawTarget target(*dc);
    return target.visible(x, y) ? target.pixel(x, y) : CLR_INVALID;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return static_cast<COLORREF>(-1);
    DrawTarget target(*dc);
    if (!target.visible(x, y))
        return static_cast<COLORREF>(-1);
    target.plot(x, y, color & 0x00FFFFFF);
    return target.pixel(x, y);
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    auto source = usesSource(rop) ? deviceContextOrFail(hdcSrc) : nullptr;
    if (!dc || (usesSource(rop) && !source))
        return FALSE;
    if (!knownRasterOp(rop) || cx < 0 || cy < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DrawTarget destination(*dc);
    std::optional<DrawTarget> from;
    if (source)
        from.emplace(*source);
    blit(destination, x, y, cx, cy, from ? &*from : nullptr, x1, y1, rop, brushColour(dc->brush));
    return TRUE;
}

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop)
{
    if (usesSource(rop)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return BitBlt(hdc, x, y, w, h, nullptr, 0, 0, rop);
}

int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hDC);
    auto brush = objectOf<BrushObject>(hbr, OBJ_BRUSH);
    if (!dc || !lprc || !brush) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (!brush->hollow)
        DrawTarget(*dc).fillRect(*lprc, brush->color);
    return 1;
}
