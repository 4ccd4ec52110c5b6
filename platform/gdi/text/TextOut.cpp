// Text drawn at a point: SetBkMode, GetBkMode and ExtTextOutW.
#include "TextDrawing.h"
#include "TextFonts.h"

using namespace ce::gdi;

int SetBkMode(HDC hdc, int mode)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return 0;
    if (mode != TRANSPARENT && mode != OPAQUE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const int previous = dc->bkMode;
    dc->bkMode = mode;
    return previous;
}

int GetBkMode(HDC hdc)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    return dc ? dc->bkMode : 0;
}

BOOL ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString, UINT c, const INT* lpDx)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return FALSE;
    if (c > 0 && !lpString) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DrawTarget target(*dc);
    if ((options & ETO_OPAQUE) && lprect)
        target.fillRect(*lprect, dc->bkColor);
    if (c == 0)
        return TRUE;
    const TextLine line {x, y, std::u16string_view(lpString, c), lpDx};
    const RECT* clip = (options & ETO_CLIPPED) ? lprect : nullptr;
    if (const DWORD error = drawTextLine(target, *dc, selectedFontRequest(*dc), line, clip)) {
        SetLastError(error);
        return FALSE;
    }
    return TRUE;
}
