// StretchBlt and TransparentBlt: each destination pixel takes the source pixel its position
// maps to (nearest pixel), clipped to the destination's drawable area and the source's surface.
#include <optional>
#include <vector>

#include "BlitGeometry.h"
#include "RasterOps.h"

using namespace ce::gdi;

namespace {

struct Area {
    int x, y, width, height;
};

// Calls `paint(source colour, destination colour)` for each destination pixel that can be
// drawn, writing what it answers (nothing for none). The source is read first, so overlaps are
// safe; positions are logical on both device contexts.
template <typename Paint>
void stretch(DrawTarget& destination, Area to, const DrawTarget& source, Area from, Paint paint)
{
    const RECT area = destination.drawableBounds(rectOfSize(to.x, to.y, to.width, to.height));
    const int width = area.right - area.left;
    // Where destination offset i lands in the source, in 64 bits against overflow.
    const auto mapped
        = [](long long i, int toSize, int fromStart, int fromSize) { return fromStart + i * fromSize / toSize; };
    std::vector<COLORREF> read; // CLR_INVALID where the source has no pixel
    read.reserve(static_cast<size_t>(width) * static_cast<size_t>(area.bottom - area.top));
    for (int y = area.top; y < area.bottom; ++y) {
        const long long sy = mapped(static_cast<long long>(y) - to.y, to.height, from.y, from.height);
        for (int x = area.left; x < area.right; ++x) {
            const long long sx = mapped(static_cast<long long>(x) - to.x, to.width, from.x, from.width);
            read.push_back(pixelAt(source, sx, sy));
        }
    }
    auto next = read.begin();
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF colour = *next++;
            if (colour == CLR_INVALID || !destination.visible(x, y))
                continue;
            if (const auto result = paint(colour, destination.pixel(x, y)))
                destination.plot(x, y, *result);
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
    DrawTarget destination(*dst);
    const DrawTarget source(*src);
    stretch(destination, to, source, from, paintFor(*dst));
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
    return stretchCall(
        hdcDest, {xDest, yDest, wDest, hDest}, hdcSrc, {xSrc, ySrc, wSrc, hSrc}, [rop](const DeviceContext& dc) {
            return [rop, pattern = brushColour(dc.brush)](
                       COLORREF source, COLORREF destination) { return combine(rop, source, destination, pattern); };
        });
}

BOOL TransparentBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc, int wSrc,
    int hSrc, UINT crTransparent)
{
    const COLORREF key = crTransparent & 0x00FFFFFF;
    return stretchCall(
        hdcDest, {xDest, yDest, wDest, hDest}, hdcSrc, {xSrc, ySrc, wSrc, hSrc}, [key](const DeviceContext&) {
            return [key](COLORREF source, COLORREF) {
                return source == key ? std::nullopt : std::optional<COLORREF>(source);
            };
        });
}
