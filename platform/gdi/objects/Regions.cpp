// Regions as GDI objects: making them from rectangles and ellipses, combining, moving and
// asking them. DeleteObject and GetObjectType treat them as every other object.
#include <algorithm>

#include "GdiObjects.h"

using namespace ce::gdi;

namespace {

HRGN addRegion(Region region)
{
    std::lock_guard guard(gdiLock());
    auto object = std::make_shared<RegionObject>();
    object->type = OBJ_REGION;
    object->region = std::move(region);
    return static_cast<HRGN>(addObject(std::move(object)));
}

// The region object of a handle, or null with ERROR_INVALID_HANDLE.
std::shared_ptr<RegionObject> regionOrFail(HRGN hrgn)
{
    auto region = objectOf<RegionObject>(hrgn, OBJ_REGION);
    if (!region)
        SetLastError(ERROR_INVALID_HANDLE);
    return region;
}

// The corners of a rectangle in order, as the region calls accept them in any order.
RECT ordered(int x1, int y1, int x2, int y2)
{
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

} // namespace

HRGN CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return addRegion(rectRegion(ordered(x1, y1, x2, y2)));
}

HRGN CreateRectRgnIndirect(const RECT* lprect)
{
    if (!lprect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreateRectRgn(lprect->left, lprect->top, lprect->right, lprect->bottom);
}

HRGN CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return addRegion(ellipticRegion(ordered(x1, y1, x2, y2)));
}

int CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode)
{
    if (iMode < RGN_AND || iMode > RGN_COPY) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return ERROR;
    }
    std::lock_guard guard(gdiLock());
    auto destination = regionOrFail(hrgnDst);
    auto first = regionOrFail(hrgnSrc1);
    auto second = iMode == RGN_COPY ? first : regionOrFail(hrgnSrc2);
    if (!destination || !first || !second)
        return ERROR;
    // Combined into a new region first, as the destination may be one of the sources.
    destination->region = combineRegions(first->region, second->region, iMode);
    return regionKind(destination->region);
}

BOOL SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom)
{
    std::lock_guard guard(gdiLock());
    auto region = regionOrFail(hrgn);
    if (!region)
        return FALSE;
    region->region = rectRegion(ordered(left, top, right, bottom));
    return TRUE;
}

int OffsetRgn(HRGN hrgn, int x, int y)
{
    std::lock_guard guard(gdiLock());
    auto region = regionOrFail(hrgn);
    if (!region)
        return ERROR;
    // A region moved beyond the limits of region coordinates is refused and left where it was.
    if (!region->region.empty()) {
        const RECT box = region->region.bounds();
        const auto within = [](long long low, long long high) { return low >= -regionLimit && high <= regionLimit; };
        if (!within(static_cast<long long>(box.left) + x, static_cast<long long>(box.right) + x)
            || !within(static_cast<long long>(box.top) + y, static_cast<long long>(box.bottom) + y)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return ERROR;
        }
    }
    region->region.offset(x, y);
    return regionKind(region->region);
}

int GetRgnBox(HRGN hrgn, LPRECT lprc)
{
    std::lock_guard guard(gdiLock());
    auto region = regionOrFail(hrgn);
    if (!region)
        return ERROR;
    if (!lprc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return ERROR;
    }
    *lprc = region->region.bounds();
    return regionKind(region->region);
}

BOOL PtInRegion(HRGN hrgn, int x, int y)
{
    std::lock_guard guard(gdiLock());
    auto region = regionOrFail(hrgn);
    return region && region->region.contains(x, y);
}

BOOL EqualRgn(HRGN hrgn1, HRGN hrgn2)
{
    std::lock_guard guard(gdiLock());
    auto first = regionOrFail(hrgn1);
    auto second = regionOrFail(hrgn2);
    return first && second && first->region == second->region;
}
