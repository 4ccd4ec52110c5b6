// Drawing an image list's image: over its background colour or transparently, blended with
// the highlight (or another colour) when selected or focused, or its mask alone.
#include <optional>

#include "ImageListTable.h"
#include "gdi/icons/Icons.h"

using ce::gdi::PngImage;
using namespace ce::gwes::image_lists;

namespace {

// The top-left dx x dy of an image (0: its whole width or height).
PngImage cropped(const PngImage& image, int dx, int dy)
{
    const int width = dx > 0 && dx < image.width ? dx : image.width;
    const int height = dy > 0 && dy < image.height ? dy : image.height;
    if (width == image.width && height == image.height)
        return image;
    PngImage part {width, height, {}};
    for (int y = 0; y < height; ++y) {
        const auto row = image.pixels.begin() + static_cast<ptrdiff_t>(y) * image.width;
        part.pixels.insert(part.pixels.end(), row, row + width);
    }
    return part;
}

// ILD_BLEND50 mixes half of `color` into each pixel, ILD_BLEND25 a quarter; with CLR_NONE the
// image is made as much see-through instead.
void blend(PngImage& image, UINT style, COLORREF color)
{
    const uint32_t quarters = style & ILD_BLEND50 ? 2 : style & ILD_BLEND25 ? 1 : 0;
    if (!quarters)
        return;
    if (color == CLR_DEFAULT)
        color = GetSysColor(COLOR_HIGHLIGHT);
    const auto mix = [&](uint32_t own, uint32_t other) { return (own * (4 - quarters) + other * quarters + 2) / 4; };
    for (uint32_t& argb : image.pixels) {
        const uint32_t alpha = argb >> 24;
        if (color == CLR_NONE) {
            argb = (alpha * (4 - quarters) / 4) << 24 | (argb & 0x00FFFFFF);
            continue;
        }
        argb = alpha << 24 | mix(argb >> 16 & 0xFF, GetRValue(color)) << 16
            | mix(argb >> 8 & 0xFF, GetGValue(color)) << 8 | mix(argb & 0xFF, GetBValue(color));
    }
}

} // namespace

BOOL ImageList_DrawEx(
    HIMAGELIST himl, int i, HDC hdcDst, int x, int y, int dx, int dy, COLORREF rgbBk, COLORREF rgbFg, UINT fStyle)
{
    struct Picked {
        PngImage image;
        COLORREF background;
    };
    auto picked = withList(himl, std::optional<Picked>(), [&](ImageList& list) {
        if (i < 0 || i >= static_cast<int>(list.images.size()))
            return invalidParameter(std::optional<Picked>());
        return std::optional<Picked>({cropped(list.images[static_cast<size_t>(i)], dx, dy), list.background});
    });
    if (!picked)
        return FALSE;
    PngImage& image = picked->image;
    const COLORREF ground = fStyle & ILD_TRANSPARENT ? CLR_NONE : rgbBk == CLR_DEFAULT ? picked->background : rgbBk;
    blend(image, fStyle, rgbFg);
    std::lock_guard guard(ce::gdi::gdiLock());
    auto dc = ce::gdi::deviceContextOrFail(hdcDst);
    if (!dc)
        return FALSE;
    ce::gdi::DrawTarget target(*dc);
    if (fStyle & ILD_MASK) {
        ce::gdi::drawImage(target, image, x, y, ce::gdi::ImageDrawing::mask);
        return TRUE;
    }
    if (ground != CLR_NONE)
        target.fillRect({x, y, x + image.width, y + image.height}, ground & 0x00FFFFFF);
    ce::gdi::drawImage(
        target, image, x, y, fStyle & ILD_IMAGE ? ce::gdi::ImageDrawing::image : ce::gdi::ImageDrawing::blended);
    return TRUE;
}

BOOL ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle)
{
    return ImageList_DrawEx(himl, i, hdcDst, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, fStyle);
}
