// Clipping calls: SelectClipRgn, GetClipRgn, GetClipBox, IntersectClipRect and ExcludeClipRect.
// The program's clip is kept relative to the device context's origin (logical coordinates, as
// this device has no mapping modes); a memory device context's origin is (0, 0).
#include "Clipping.h"

using namespace ce::gdi;

namespace ce::gdi {

Region drawableArea(const DeviceContext& dc)
{
    const Surface& surface = surfaceOf(dc);
    Region area = rectRegion({0, 0, surface.width, surface.height});
    if (const auto clip = effectiveClip(dc))
        area = combineRegions(area, *clip, RGN_AND);
    area.offset(-dc.origin.x, -dc.origin.y);
    return area;
}

int setClip(DeviceContext& dc, std::optional<Region> clip)
{
    dc.clip = std::move(clip);
    return regionKind(drawableArea(dc));
}

} // namespace ce::gdi

namespace {

// Combines the program's clip with a logical rectangle. Without a clip, the clip first is the
// whole surface as seen from the origin.
int combineClip(HDC hdc, const RECT& rect, int mode)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return ERROR;
    Region clip;
    if (dc->clip) {
        clip = *dc->clip;
    } else {
        const Surface& surface = surfaceOf(*dc);
        clip = rectRegion({-dc->origin.x, -dc->origin.y, surface.width - dc->origin.x, surface.height - dc->origin.y});
    }
    return setClip(*dc, combineRegions(clip, rectRegion(rect), mode));
}

} // namespace

int SelectClipRgn(HDC hdc, HRGN hrgn)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return ERROR;
    if (!hrgn)
        return setClip(*dc, std::nullopt);
    auto region = objectOf<RegionObject>(hrgn, OBJ_REGION);
    if (!region) {
        SetLastError(ERROR_INVALID_HANDLE);
        return ERROR;
    }
    return setClip(*dc, region->region);
}

int GetClipRgn(HDC hdc, HRGN hrgn)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return -1;
    auto region = objectOf<RegionObject>(hrgn, OBJ_REGION);
    if (!region) {
        SetLastError(ERROR_INVALID_HANDLE);
        return -1;
    }
    if (!dc->clip)
        return 0;
    region->region = *dc->clip;
    return 1;
}

int GetClipBox(HDC hdc, LPRECT lprect)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return ERROR;
    if (!lprect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return ERROR;
    }
    const Region area = drawableArea(*dc);
    *lprect = area.bounds();
    return regionKind(area);
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    return combineClip(hdc, {left, top, right, bottom}, RGN_AND);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    return combineClip(hdc, {left, top, right, bottom}, RGN_DIFF);
}
