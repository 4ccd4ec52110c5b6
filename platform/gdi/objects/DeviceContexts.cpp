// Memory device contexts: making and deleting them, selecting bitmaps, brushes and pens into them,
// their colours, and the device's capabilities.
#include "Clipping.h"
#include "Selection.h"
#include "gwes/Screen.h"

using namespace ce::gdi;

namespace {

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
    return addDeviceContext(makeDeviceContext());
}

BOOL DeleteDC(HDC hdc)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return FALSE;
    releaseSelections(hdc, *dc);
    removeDeviceContext(hdc);
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    auto object = findObject(h);
    // Selecting a region makes a copy of it the clip, as SelectClipRgn does, and answers its kind.
    if (auto region = dc ? objectOf<RegionObject>(h, OBJ_REGION) : nullptr)
        return reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(setClip(*dc, region->region)));
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
    putSelection(hdc, *slot, h);
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
