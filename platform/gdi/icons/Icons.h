// Icons: an image with per-pixel alpha (from a PNG, or 0/255 from a mask) kept by handle, and
// the pixel work icons and image lists share: scaling and drawing such an image.
#pragma once

#include <memory>
#include <optional>

#include "gdi/objects/Drawing.h"
#include "gdi/png/PngImage.h"

namespace ce::gdi {

// Where pixel (x, y) lies in an image's pixels.
inline size_t pixelIndex(const PngImage& image, int x, int y)
{
    return static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x);
}

// The rest of the table is called with gdiLock() held. A shared icon (a built-in one) is never
// freed: DestroyIcon leaves it.
HICON addIcon(PngImage image, bool shared = false);
// The image of an icon, or null with ERROR_INVALID_HANDLE.
std::shared_ptr<const PngImage> iconImage(HICON icon);

// The pixels of a bitmap, opaque, or nothing for a handle that is no bitmap. Called with
// gdiLock() held.
std::optional<PngImage> bitmapImage(HBITMAP bitmap);

// `image` resized to cx x cy: shrinking averages the pixels covered (weighted by alpha),
// enlarging repeats them.
PngImage scaleImage(const PngImage& image, int cx, int cy);

// How drawImage puts an image down, after DrawIconEx's DI_* flags.
enum class ImageDrawing {
    blended, // alpha-blended over what is there
    image, // the colours alone, opaque
    mask, // ANDed with the mask: black where the image is opaque, the rest left as it is
};

// Draws `image` with its top-left corner at the logical point (x, y).
void drawImage(DrawTarget& target, const PngImage& image, int x, int y, ImageDrawing how);

// The built-in application icon, drawn for a size (32 or 16 at 96 dpi, any size works).
PngImage applicationIcon(int size);

} // namespace ce::gdi

// LoadImageW(IMAGE_ICON): the icon resource `name` of a module (RT_GROUP_ICON, else RT_ICON),
// at cx x cy (0: the image's own size); null with the error of the resource lookup, or
// ERROR_INVALID_DATA for data that is no PNG.
HANDLE loadIconImage(HINSTANCE instance, LPCWSTR name, int cx, int cy);
