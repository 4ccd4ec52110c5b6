// Lines: MoveToEx/LineTo and Polyline with the selected pen, the end point left out as GDI
// leaves it.
#include "Strokes.h"

using namespace ce::gdi;

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return FALSE;
    if (lppt)
        *lppt = dc->position;
    dc->position = {x, y};
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return FALSE;
    DrawTarget target(*dc);
    penLine(target, penOf(*dc), dc->position, {x, y});
    dc->position = {x, y};
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* apt, int cpt)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return FALSE;
    if (!apt || cpt < 2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DrawTarget target(*dc);
    for (int i = 1; i < cpt; ++i)
        penLine(target, penOf(*dc), apt[i - 1], apt[i]);
    return TRUE;
}
