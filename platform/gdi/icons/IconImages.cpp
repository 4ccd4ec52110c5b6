// Images with alpha: taking them from bitmaps, scaling and drawing them — the pixel work of
// icons and image lists.
#include <algorithm>

#include "Icons.h"

namespace ce::gdi {
namespace {

constexpr uint32_t alphaOf(uint32_t argb)
{
    return argb >> 24;
}

COLORREF colorOf(uint32_t argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// The source pixels [from, to) that destination pixel `i` of `count` covers out of `size`:
// at least one.
std::pair<int, int> coveredBy(int i, int count, int size)
{
    const int from = static_cast<int>(static_cast<long long>(i) * size / count);
    const int to = static_cast<int>(static_cast<long long>(i + 1) * size / count);
    return {from, std::max(to, from + 1)};
}

// The mean of a block of pixels, colours weighted by their alpha so that transparent pixels
// lend no colour.
uint32_t average(const PngImage& image, std::pair<int, int> columns, std::pair<int, int> rows)
{
    uint64_t alpha = 0;
    uint64_t red = 0;
    uint64_t green = 0;
    uint64_t blue = 0;
    for (int y = rows.first; y < rows.second; ++y) {
        for (int x = columns.first; x < columns.second; ++x) {
            const uint32_t argb = image.pixels[pixelIndex(image, x, y)];
            const uint32_t a = alphaOf(argb);
            alpha += a;
            red += a * ((argb >> 16) & 0xFF);
            green += a * ((argb >> 8) & 0xFF);
            blue += a * (argb & 0xFF);
        }
    }
    const uint64_t count
        = static_cast<uint64_t>(columns.second - columns.first) * static_cast<uint64_t>(rows.second - rows.first);
    if (alpha == 0)
        return 0;
    const auto channel = [&](uint64_t sum) { return static_cast<uint32_t>((sum + alpha / 2) / alpha); };
    return static_cast<uint32_t>((alpha + count / 2) / count) << 24 | channel(red) << 16 | channel(green) << 8
        | channel(blue);
}

} // namespace

std::optional<PngImage> bitmapImage(HBITMAP bitmap)
{
    auto object = objectOf<BitmapObject>(bitmap, OBJ_BITMAP);
    if (!object)
        return std::nullopt;
    const Surface& surface = object->surface;
    PngImage image {surface.width, surface.height, {}};
    image.pixels.reserve(static_cast<size_t>(surface.width) * static_cast<size_t>(surface.height));
    for (int y = 0; y < surface.height; ++y) {
        for (int x = 0; x < surface.width; ++x) {
            const COLORREF color = surface.pixel(x, y);
            image.pixels.push_back(0xFF000000u | GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color));
        }
    }
    return image;
}

PngImage scaleImage(const PngImage& image, int cx, int cy)
{
    if ((cx == image.width && cy == image.height) || image.width <= 0 || image.height <= 0 || cx <= 0 || cy <= 0)
        return image;
    PngImage scaled {cx, cy, std::vector<uint32_t>(static_cast<size_t>(cx) * static_cast<size_t>(cy))};
    for (int y = 0; y < cy; ++y) {
        const auto rows = coveredBy(y, cy, image.height);
        for (int x = 0; x < cx; ++x)
            scaled.pixels[pixelIndex(scaled, x, y)] = average(image, coveredBy(x, cx, image.width), rows);
    }
    return scaled;
}

void drawImage(DrawTarget& target, const PngImage& image, int x, int y, ImageDrawing how)
{
    const RECT bounds = target.drawableBounds({x, y, x + image.width, y + image.height});
    for (int row = bounds.top; row < bounds.bottom; ++row) {
        for (int column = bounds.left; column < bounds.right; ++column) {
            const uint32_t argb = image.pixels[pixelIndex(image, column - x, row - y)];
            switch (how) {
            case ImageDrawing::blended:
                target.blend(column, row, colorOf(argb), static_cast<int>(alphaOf(argb)));
                break;
            case ImageDrawing::image:
                target.plot(column, row, colorOf(argb));
                break;
            case ImageDrawing::mask:
                if (alphaOf(argb) >= 0x80)
                    target.plot(column, row, RGB(0, 0, 0));
                break;
            }
        }
    }
}

} // namespace ce::gdi
