// The built-in application icon (IDI_APPLICATION): a small window — dark frame, blue title bar,
// white body — on a transparent ground, laid out in sixteenths of the icon's size.
#include <algorithm>

#include "Icons.h"

namespace ce::gdi {
namespace {

void fill(PngImage& image, int left, int top, int right, int bottom, uint32_t argb)
{
    for (int y = std::max(top, 0); y < std::min(bottom, image.height); ++y)
        std::fill_n(image.pixels.begin() + static_cast<ptrdiff_t>(y) * image.width + std::max(left, 0),
            std::max(0, std::min(right, image.width) - std::max(left, 0)), argb);
}

} // namespace

PngImage applicationIcon(int size)
{
    PngImage icon {size, size, std::vector<uint32_t>(static_cast<size_t>(size) * static_cast<size_t>(size), 0)};
    const int unit = std::max(1, size / 16);
    const int left = unit;
    const int top = 2 * unit;
    const int right = size - unit;
    const int bottom = size - 2 * unit;
    fill(icon, left, top, right, bottom, 0xFF404040); // the frame
    fill(icon, left + 1, top + 1, right - 1, top + 1 + 3 * unit, 0xFF004EA8); // the title bar
    fill(icon, left + 1, top + 1 + 3 * unit, right - 1, bottom - 1, 0xFFFFFFFF); // the body
    return icon;
}

} // namespace ce::gdi
