// GDI objects: the stock ones, solid brushes, pens, bitmaps and DIB sections, what GetObjectW
// tells of them (bitmaps and fonts), and deleting them.
#include <cstring>

#include "GdiObjects.h"
#include "gdi/text/TextFonts.h"

using namespace ce::gdi;

namespace {

HBITMAP addBitmap(std::shared_ptr<BitmapObject> bitmap)
{
    bitmap->type = OBJ_BITMAP;
    return static_cast<HBITMAP>(addObject(std::move(bitmap)));
}

} // namespace

HGDIOBJ GetStockObject(int i)
{
    std::lock_guard guard(gdiLock());
    return i == defaultBitmapStock ? nullptr : stockObject(i);
}

BOOL DeleteObject(HGDIOBJ ho)
{
    std::lock_guard guard(gdiLock());
    auto object = findObject(ho);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (object->stock)
        return TRUE;
    if (object->selectedInto)
        return FALSE;
    removeObject(ho);
    return TRUE;
}

int GetObjectW(HGDIOBJ h, int c, LPVOID pv)
{
    std::lock_guard guard(gdiLock());
    if (auto font = objectOf<FontObject>(h, OBJ_FONT))
        return fontObjectInfo(*font, c, pv);
    auto bitmap = objectOf<BitmapObject>(h, OBJ_BITMAP);
    if (!bitmap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (!pv)
        return sizeof(BITMAP);
    if (c < static_cast<int>(sizeof(BITMAP))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    Surface& surface = bitmap->surface;
    const BITMAP info {0, surface.width, surface.height, surface.stride, 1,
        static_cast<WORD>(surface.bitsPerPixel), bitmap->dibSection ? surface.storage.data() : nullptr};
    std::memcpy(pv, &info, sizeof info);
    return sizeof(BITMAP);
}

DWORD GetObjectType(HGDIOBJ h)
{
    std::lock_guard guard(gdiLock());
    if (auto object = findObject(h))
        return object->type;
    if (deviceContextOrFail(static_cast<HDC>(h)))
        return OBJ_MEMDC;
    return 0;
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    std::lock_guard guard(gdiLock());
    auto brush = std::make_shared<BrushObject>();
    brush->type = OBJ_BRUSH;
    brush->color = color & 0x00FFFFFF;
    return static_cast<HBRUSH>(addObject(std::move(brush)));
}

HPEN CreatePen(int iStyle, int cWidth, COLORREF color)
{
    if (iStyle != PS_SOLID && iStyle != PS_DASH && iStyle != PS_DOT && iStyle != PS_NULL) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::lock_guard guard(gdiLock());
    auto pen = std::make_shared<PenObject>();
    pen->type = OBJ_PEN;
    pen->color = color & 0x00FFFFFF;
    pen->width = cWidth < 1 ? 1 : cWidth;
    pen->hollow = iStyle == PS_NULL;
    return static_cast<HPEN>(addObject(std::move(pen)));
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy)
{
    std::lock_guard guard(gdiLock());
    if (!deviceContextOrFail(hdc))
        return nullptr;
    auto bitmap = std::make_shared<BitmapObject>();
    if (!makeSurface(cx, cy, 32, false, bitmap->surface)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return addBitmap(std::move(bitmap));
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* pbmi, UINT usage, void** ppvBits, HANDLE hSection, DWORD)
{
    if (ppvBits)
        *ppvBits = nullptr;
    const BITMAPINFOHEADER* header = pbmi ? &pbmi->bmiHeader : nullptr;
    auto bitmap = std::make_shared<BitmapObject>();
    if (!header || header->biSize < sizeof(BITMAPINFOHEADER) || usage != DIB_RGB_COLORS || hSection
        || header->biCompression != BI_RGB || header->biHeight == 0
        || !makeSurface(header->biWidth, header->biHeight < 0 ? -header->biHeight : header->biHeight,
            header->biBitCount, header->biHeight > 0, bitmap->surface)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    bitmap->dibSection = true;
    std::lock_guard guard(gdiLock());
    if (ppvBits)
        *ppvBits = bitmap->surface.storage.data();
    return addBitmap(std::move(bitmap));
}
