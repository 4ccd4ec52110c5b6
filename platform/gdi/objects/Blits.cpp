// Pixels and blits: GetPixel/SetPixel, BitBlt and PatBlt with their raster operations, and
// FillRect. Work is clipped to the bitmaps; a source overlapping its destination is copied
// before it is written.
#include <algorithm>
#include <vector>

#include "GdiObjects.h"
#include "RasterOps.h"

using namespace ce::gdi;

namespace {

// Applies `rop` over the destination rectangle (x, y, cx, cy), with the source's pixels read
// from (sx, sy) of `source` when the operation has one.
void blit(Surface& destination, int x, int y, int cx, int cy, const Surface* source, int sx, int sy, DWORD rop,
    COLORREF pattern)
{
    // Clip to the destination, then to the source, moving both origins together.
    const int left = std::max({x, 0, source ? x - sx : x});
    const int top = std::max({y, 0, source ? y - sy : y});
    const int right = std::min({x + cx, destination.width, source ? x - sx + source->width : x + cx});
    const int bottom = std::min({y + cy, destination.height, source ? y - sy + source->height : y + cy});
    if (left >= right || top >= bottom)
        return;
    std::vector<COLORREF> read;
    if (source) {
        read.reserve(static_cast<size_t>(right - left) * static_cast<size_t>(bottom - top));
        for (int row = top; row < bottom; ++row) {
            for (int column = left; column < right; ++column)
                read.push_back(source->pixel(column - x + sx, row - y + sy));
        }
    }
    size_t next = 0;
    for (int row = top; row < bottom; ++row) {
        for (int column = left; column < right; ++column) {
            const COLORREF from = source ? read[next++] : 0;
            destination.setPixel(column, row, *combine(rop, from, destination.pixel(column, row), pattern));
        }
    }
}

} // namespace

COLORREF GetPixel(HDC hdc, int x, int y)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc || !surfaceOf(*dc).contains(x, y))
        return CLR_INVALID;
    return surfaceOf(*dc).pixel(x, y);
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc || !surfaceOf(*dc).contains(x, y))
        return static_cast<COLORREF>(-1);
    surfaceOf(*dc).setPixel(x, y, color & 0x00FFFFFF);
    return surfaceOf(*dc).pixel(x, y);
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
    blit(surfaceOf(*dc), x, y, cx, cy, source ? &surfaceOf(*source) : nullptr, x1, y1, rop, brushColour(dc->brush));
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
        blit(surfaceOf(*dc), lprc->left, lprc->top, lprc->right - lprc->left, lprc->bottom - lprc->top, nullptr, 0, 0,
            PATCOPY, brush->color);
    return 1;
}
