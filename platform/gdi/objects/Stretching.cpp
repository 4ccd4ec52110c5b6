// StretchBlt and TransparentBlt: each destination pixel takes the source pixel its position
// maps to (nearest pixel), clipped to both bitmaps.
#include <optional>
#include <vector>

#include "GdiObjects.h"
#include "RasterOps.h"

using namespace ce::gdi;

namespace {

struct Area {
    int x, y, width, height;
};

// Calls `paint(source colour, destination colour)` for each destination pixel, writing what
// it answers (nothing for none). The source is read whole first, so overlaps are safe.
template <typename Paint> void stretch(Surface& destination, Area to, const Surface& source, Area from, Paint paint)
{
    std::vector<std::optional<COLORREF>> read(static_cast<size_t>(to.width) * static_cast<size_t>(to.height));
    for (int j = 0; j < to.height; ++j) {
        const int sy = from.y + static_cast<int>(static_cast<long long>(j) * from.height / to.height);
        for (int i = 0; i < to.width; ++i) {
            const int sx = from.x + static_cast<int>(static_cast<long long>(i) * from.width / to.width);
            if (source.contains(sx, sy))
                read[static_cast<size_t>(j) * static_cast<size_t>(to.width) + static_cast<size_t>(i)] = source.pixel(sx, sy);
        }
    }
    for (int j = 0; j < to.height; ++j) {
        for (int i = 0; i < to.width; ++i) {
            const auto& colour = read[static_cast<size_t>(j) * static_cast<size_t>(to.width) + static_cast<size_t>(i)];
            const int x = to.x + i;
            const int y = to.y + j;
            if (!colour || !destination.contains(x, y))
                continue;
            if (const auto result = paint(*colour, destination.pixel(x, y)))
                destination.setPixel(x, y, *result);
        }
    }
}

// The two device contexts of a stretching call, or false (with the error set) for bad ones.
bool contextsFor(HDC destination, HDC source, Area to, Area from, std::shared_ptr<DeviceContext>& dst,
    std::shared_ptr<DeviceContext>& src)
{
    dst = deviceContextOrFail(destination);
    src = dst ? deviceContextOrFail(source) : nullptr;
    if (!src)
        return false;
    if (to.width <= 0 || to.height <= 0 || from.width <= 0 || from.height <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return true;
}

// Runs a stretching call: checks its device contexts and sizes, then stretches with the
// painting `paintFor` gives for the destination device context.
template <typename PaintFor> BOOL stretchCall(HDC hdcDest, Area to, HDC hdcSrc, Area from, PaintFor paintFor)
{
    std::lock_guard guard(gdiLock());
    std::shared_ptr<DeviceContext> dst, src;
    if (!contextsFor(hdcDest, hdcSrc, to, from, dst, src))
        return FALSE;
    stretch(surfaceOf(*dst), to, surfaceOf(*src), from, paintFor(*dst));
    return TRUE;
}

} // namespace

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc, int wSrc,
    int hSrc, DWORD rop)
{
    if (!knownRasterOp(rop)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return stretchCall(hdcDest, {xDest, yDest, wDest, hDest}, hdcSrc, {xSrc, ySrc, wSrc, hSrc},
        [rop](const DeviceContext& dc) {
            return [rop, pattern = brushColour(dc.brush)](COLORREF source, COLORREF destination) {
                return combine(rop, source, destination, pattern);
            };
        });
}

BOOL TransparentBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc, int wSrc,
    int hSrc, UINT crTransparent)
{
    const COLORREF key = crTransparent & 0x00FFFFFF;
    return stretchCall(hdcDest, {xDest, yDest, wDest, hDest}, hdcSrc, {xSrc, ySrc, wSrc, hSrc},
        [key](const DeviceContext&) {
            return [key](COLORREF source, COLORREF) {
                return source == key ? std::nullopt : std::optional<COLORREF>(source);
            };
        });
}
