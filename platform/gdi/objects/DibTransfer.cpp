// GetDIBits and SetDIBits: a bitmap's pixels to and from a program's memory in a 24- or
// 32-bit BI_RGB layout of the bitmap's size.
#include <algorithm>
#include <cstring>

#include "GdiObjects.h"

using namespace ce::gdi;

namespace {

// A surface with the layout the header describes; false unless it is a 24- or 32-bit BI_RGB
// layout of the bitmap's size.
bool layoutOf(const BITMAPINFO* info, const Surface& bitmap, Surface& layout)
{
    if (!info || info->bmiHeader.biCompression != BI_RGB || info->bmiHeader.biWidth != bitmap.width
        || std::abs(info->bmiHeader.biHeight) != bitmap.height)
        return false;
    return makeSurface(bitmap.width, bitmap.height, info->bmiHeader.biBitCount, info->bmiHeader.biHeight > 0, layout);
}

// The scan lines [start, start + count) that exist, as a count; 0 when none do.
UINT linesWithin(const Surface& layout, UINT start, UINT count)
{
    const auto height = static_cast<UINT>(layout.height);
    return start >= height ? 0 : std::min(count, height - start);
}

void copyPixels(const Surface& from, Surface& to)
{
    for (int y = 0; y < from.height; ++y) {
        for (int x = 0; x < from.width; ++x)
            to.setPixel(x, y, from.pixel(x, y));
    }
}

} // namespace

int GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits, LPBITMAPINFO lpbmi, UINT usage)
{
    std::lock_guard guard(gdiLock());
    auto bitmap = objectOf<BitmapObject>(hbm, OBJ_BITMAP);
    if (!deviceContextOrFail(hdc) || !bitmap || !lpbmi || usage != DIB_RGB_COLORS) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const Surface& surface = bitmap->surface;
    if (!lpvBits) {
        lpbmi->bmiHeader = {sizeof(BITMAPINFOHEADER), surface.width, surface.height, 1, 32, BI_RGB,
            static_cast<DWORD>(surface.width * 4 * surface.height), 0, 0, 0, 0};
        return surface.height;
    }
    Surface layout;
    if (!layoutOf(lpbmi, surface, layout)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    copyPixels(surface, layout);
    const UINT lines = linesWithin(layout, start, cLines);
    std::memcpy(lpvBits, layout.storage.data() + static_cast<size_t>(start) * static_cast<size_t>(layout.stride),
        static_cast<size_t>(lines) * static_cast<size_t>(layout.stride));
    return static_cast<int>(lines);
}

int SetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, const void* lpBits, const BITMAPINFO* lpbmi, UINT ColorUse)
{
    std::lock_guard guard(gdiLock());
    auto bitmap = objectOf<BitmapObject>(hbm, OBJ_BITMAP);
    Surface layout;
    if ((hdc && !deviceContextOrFail(hdc)) || !bitmap || !lpBits || ColorUse != DIB_RGB_COLORS
        || !layoutOf(lpbmi, bitmap->surface, layout)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // Lines outside [start, start + count) keep the bitmap's own pixels.
    copyPixels(bitmap->surface, layout);
    const UINT lines = linesWithin(layout, start, cLines);
    std::memcpy(layout.storage.data() + static_cast<size_t>(start) * static_cast<size_t>(layout.stride), lpBits,
        static_cast<size_t>(lines) * static_cast<size_t>(layout.stride));
    copyPixels(layout, bitmap->surface);
    return static_cast<int>(lines);
}
