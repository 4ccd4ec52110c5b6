// Bitmaps from module resources: an RT_BITMAP entry holds PNG bytes, decoded into a 32-bit
// top-down DIB section (alpha dropped: GDI's bitmaps are opaque).
#include <span>
#include <string>

#include "GdiObjects.h"
#include "gdi/icons/Icons.h"
#include "gdi/png/PngDecode.h"

using namespace ce::gdi;

namespace {

HBITMAP bitmapFromPng(const PngImage& image)
{
    auto bitmap = std::make_shared<BitmapObject>();
    if (!makeSurface(image.width, image.height, 32, false, bitmap->surface))
        return nullptr;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const uint32_t argb = image.pixels[static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)];
            bitmap->surface.setPixel(x, y, RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF));
        }
    }
    bitmap->type = OBJ_BITMAP;
    bitmap->dibSection = true;
    std::lock_guard guard(gdiLock());
    return static_cast<HBITMAP>(addObject(std::move(bitmap)));
}

} // namespace

HBITMAP LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName)
{
    HRSRC resource = FindResourceW(hInstance, lpBitmapName, RT_BITMAP);
    if (!resource)
        return nullptr;
    const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(hInstance, resource)));
    PngImage image;
    std::string error;
    if (!bytes || !decodePng(std::span(bytes, SizeofResource(hInstance, resource)), image, error)) {
        SetLastError(ERROR_INVALID_DATA);
        return nullptr;
    }
    return bitmapFromPng(image);
}

HANDLE LoadImageW(HINSTANCE hInst, LPCWSTR name, UINT type, int cx, int cy, UINT)
{
    if (type == IMAGE_ICON)
        return loadIconImage(hInst, name, cx, cy);
    // Resized bitmaps are not offered: cx and cy must be 0 (the image's own size).
    if (type != IMAGE_BITMAP || cx != 0 || cy != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return LoadBitmapW(hInst, name);
}
