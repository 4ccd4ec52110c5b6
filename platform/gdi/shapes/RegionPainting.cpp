// Painting with a brush along regions: FillRgn, FrameRgn, and FrameRect's one-pixel frame.
#include "ShapePainting.h"
#include "ShapeRegions.h"

using namespace ce::gdi;

namespace {

// Fills the region `regionFor` gives with a brush, or fails with the error of a bad handle.
template <typename RegionFor> BOOL paintWithBrush(HDC hdc, HBRUSH hbr, RegionFor regionFor)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    auto brush = objectOf<BrushObject>(hbr, OBJ_BRUSH);
    if (!dc)
        return FALSE;
    const std::optional<Region> region = regionFor();
    if (!brush || !region) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!brush->hollow) {
        DrawTarget target(*dc);
        fillRegion(target, *region, brush->color);
    }
    return TRUE;
}

std::optional<Region> regionOf(HRGN hrgn)
{
    auto object = objectOf<RegionObject>(hrgn, OBJ_REGION);
    return object ? std::optional(object->region) : std::nullopt;
}

} // namespace

BOOL FillRgn(HDC hdc, HRGN hrgn, HBRUSH hbr)
{
    return paintWithBrush(hdc, hbr, [hrgn] { return regionOf(hrgn); });
}

BOOL FrameRgn(HDC hdc, HRGN hrgn, HBRUSH hbr, int w, int h)
{
    if (w < 1 || h < 1) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return paintWithBrush(hdc, hbr, [hrgn, w, h]() -> std::optional<Region> {
        auto region = regionOf(hrgn);
        return region ? std::optional(innerFrame(*region, w, h)) : std::nullopt;
    });
}

int FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr)
{
    if (!lprc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return paintWithBrush(hDC, hbr, [lprc] { return std::optional(innerFrame(rectRegion(*lprc), 1, 1)); });
}
