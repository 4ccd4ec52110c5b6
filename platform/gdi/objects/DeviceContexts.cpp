// Memory device contexts: making and deleting them, selecting bitmaps, brushes and pens into them,
// their colours, and the device's capabilities.
#include "GdiObjects.h"
#include "gwes/Screen.h"

using namespace ce::gdi;

namespace {

HGDIOBJ* slotFor(DeviceContext& dc, DWORD type)
{
    switch (type) {
    case OBJ_BITMAP:
        return &dc.bitmap;
    case OBJ_BRUSH:
        return &dc.brush;
    case OBJ_PEN:
        return &dc.pen;
    case OBJ_FONT:
        return &dc.font;
    default:
        return nullptr;
    }
}

// Sets a colour of a device context, giving the previous one (CLR_INVALID for a bad handle).
COLORREF exchangeColour(HDC hdc, COLORREF DeviceContext::*colour, COLORREF value, bool set)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return CLR_INVALID;
    const COLORREF previous = (*dc).*colour;
    if (set)
        (*dc).*colour = value;
    return previous;
}

} // namespace

HDC CreateCompatibleDC(HDC hdc)
{
    std::lock_guard guard(gdiLock());
    if (hdc && !deviceContextOrFail(hdc))
        return nullptr;
    auto dc = std::make_shared<DeviceContext>();
    dc->bitmap = stockObject(defaultBitmapStock);
    dc->brush = stockObject(WHITE_BRUSH);
    dc->pen = stockObject(BLACK_PEN);
    dc->font = stockObject(SYSTEM_FONT);
    return addDeviceContext(std::move(dc));
}

BOOL DeleteDC(HDC hdc)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return FALSE;
    for (HGDIOBJ selected : {dc->bitmap, dc->brush, dc->pen, dc->font}) {
        if (auto object = findObject(selected); object && object->selectedInto == hdc)
            object->selectedInto = nullptr;
    }
    removeDeviceContext(hdc);
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    auto object = findObject(h);
    HGDIOBJ* slot = dc && object ? slotFor(*dc, object->type) : nullptr;
    if (!slot) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    // A bitmap draws for one device context at a time; stock objects are shared.
    if (object->type == OBJ_BITMAP && !object->stock && object->selectedInto && object->selectedInto != hdc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HGDIOBJ previous = *slot;
    if (auto old = findObject(previous); old && old->selectedInto == hdc)
        old->selectedInto = nullptr;
    *slot = h;
    if (!object->stock)
        object->selectedInto = hdc;
    return previous;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    HGDIOBJ* slot = dc ? slotFor(*dc, type) : nullptr;
    return slot ? *slot : nullptr;
}

int GetDeviceCaps(HDC hdc, int index)
{
    {
        std::lock_guard guard(gdiLock());
        if (!deviceContextOrFail(hdc))
            return 0;
    }
    switch (index) {
    case HORZRES:
        return ce::gwes::screenSize().cx;
    case VERTRES:
        return ce::gwes::screenSize().cy;
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return ce::gwes::screenDpi();
    default:
        return 0;
    }
}

COLORREF SetBkColor(HDC hdc, COLORREF color)
{
    return exchangeColour(hdc, &DeviceContext::bkColor, color, true);
}

COLORREF GetBkColor(HDC hdc)
{
    return exchangeColour(hdc, &DeviceContext::bkColor, 0, false);
}

COLORREF SetTextColor(HDC hdc, COLORREF color)
{
    return exchangeColour(hdc, &DeviceContext::textColor, color, true);
}

COLORREF GetTextColor(HDC hdc)
{
    return exchangeColour(hdc, &DeviceContext::textColor, 0, false);
}
