// DrawIconEx and DrawIcon: an icon scaled to the size asked for and laid over the device
// context with its alpha; with a flicker-free brush the icon's box is filled with the brush
// first, as if drawn off-screen on it.
#include "Icons.h"

BOOL DrawIconEx(
    HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth, UINT, HBRUSH hbrFlickerFreeDraw, UINT diFlags)
{
    using namespace ce::gdi;
    if (cxWidth < 0 || cyWidth < 0 || !(diFlags & DI_NORMAL)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::shared_ptr<const PngImage> icon;
    {
        std::lock_guard guard(gdiLock());
        if (!(icon = iconImage(hIcon)))
            return FALSE;
    }
    // Scaling needs no lock: an icon's image never changes once made.
    const PngImage scaled = scaleImage(*icon, cxWidth ? cxWidth : icon->width, cyWidth ? cyWidth : icon->height);
    const ImageDrawing how = (diFlags & DI_NORMAL) == DI_NORMAL ? ImageDrawing::blended
        : diFlags & DI_IMAGE                                    ? ImageDrawing::image
                                                                : ImageDrawing::mask;
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return FALSE;
    DrawTarget target(*dc);
    auto ground = objectOf<BrushObject>(hbrFlickerFreeDraw, OBJ_BRUSH);
    if (ground && !ground->hollow)
        target.fillRect({xLeft, yTop, xLeft + scaled.width, yTop + scaled.height}, ground->color);
    drawImage(target, scaled, xLeft, yTop, how);
    return TRUE;
}

BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon)
{
    return DrawIconEx(hDC, X, Y, hIcon, 0, 0, 0, nullptr, DI_NORMAL);
}
