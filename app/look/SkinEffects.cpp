// The skin effects as passes of the pixel modes over a bitmap's pixels.
#include "SkinEffects.h"

#include <algorithm>

#include "PixelModes.h"

namespace {

// A grey colour has no hue to blend toward, so colourising only livens the skin up.
constexpr int greyColouriseSaturation = 20;

template <typename Mode>
void eachPixel(std::span<COLORREF> pixels, Mode mode)
{
    std::transform(pixels.begin(), pixels.end(), pixels.begin(), mode);
}

void colourise(COLORREF colour, std::span<COLORREF> pixels)
{
    if (GetRValue(colour) == GetGValue(colour) && GetGValue(colour) == GetBValue(colour))
        eachPixel(pixels, [](COLORREF pixel) { return saturatePixel(pixel, greyColouriseSaturation); });
    else
        eachPixel(pixels, [colour](COLORREF pixel) { return blendPixel(pixel, colour); });
}

// The modes that move lightness or saturation by an amount.
void adjust(COLORREF (*mode)(COLORREF, int), int amount, std::span<COLORREF> pixels)
{
    eachPixel(pixels, [mode, amount](COLORREF pixel) { return mode(pixel, amount); });
}

}  // namespace

bool applySkinEffect(int effect, COLORREF colour, std::span<COLORREF> pixels)
{
    const COLORREF rgb = colour & 0xFFFFFF;
    const int amount = static_cast<int>(colour >> 24);
    switch (effect) {
    case skin_effect::convert:
        return true;
    case skin_effect::colourise:
        colourise(rgb, pixels);
        return true;
    case skin_effect::tint:
        eachPixel(pixels, [rgb](COLORREF pixel) { return tintPixel(pixel, rgb); });
        return true;
    case skin_effect::grey:
        eachPixel(pixels, greyPixel);
        return true;
    case skin_effect::darken:
        adjust(darkenPixel, amount, pixels);
        return true;
    case skin_effect::lighten:
        adjust(lightenPixel, amount, pixels);
        return true;
    case skin_effect::saturate:
        adjust(saturatePixel, amount, pixels);
        return true;
    case skin_effect::desaturate:
        adjust(desaturatePixel, amount, pixels);
        return true;
    case skin_effect::colouriseLighten:
        colourise(rgb, pixels);
        adjust(lightenPixel, amount, pixels);
        return true;
    case skin_effect::colouriseDarken:
        colourise(rgb, pixels);
        adjust(darkenPixel, amount, pixels);
        return true;
    default:
        return false;
    }
}
