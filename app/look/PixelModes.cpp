// The pixel modes. The forward conversion is the colour picker's integer one (lightness truncated,
// saturation and hue deltas rounded); the way back works in fractions and rounds each channel.
#include "PixelModes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int hlsMax = 240;
constexpr int rgbMax = 255;

int clampHls(int value)
{
    return std::clamp(value, 0, hlsMax);
}

// One channel of the way back: m1 and m2 are the low and high levels, hue in degrees.
double channelFromHue(double m1, double m2, double hue)
{
    if (hue < 0)
        hue += 360;
    else if (hue >= 360)
        hue -= 360;
    if (hue < 60)
        return m1 + (m2 - m1) * hue / 60;
    if (hue < 180)
        return m2;
    if (hue < 240)
        return m1 + (m2 - m1) * (240 - hue) / 60;
    return m1;
}

BYTE toChannel(double level)
{
    return static_cast<BYTE>(std::lround(std::clamp(level, 0.0, 1.0) * rgbMax));
}

// Applies a change in HLS to a pixel that is not fixed.
template <typename Change>
COLORREF changeHls(COLORREF pixel, Change change)
{
    if (isFixedPixel(pixel))
        return pixel;
    Hls hls = rgbToHls(pixel);
    change(hls);
    return hlsToRgb(hls);
}

}  // namespace

Hls rgbToHls(COLORREF colour)
{
    const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    const int high = std::max({r, g, b});
    const int low = std::min({r, g, b});
    Hls hls;
    hls.lightness = (high + low) * (hlsMax / 2) / rgbMax;
    if (high == low)
        return hls;
    const int range = high - low;
    const int sum = hls.lightness <= hlsMax / 2 ? high + low : 2 * rgbMax - high - low;
    hls.saturation = (range * hlsMax + sum / 2) / sum;
    // Each channel's distance from the top, in sixths of the hue circle, rounded.
    const auto delta = [&](int channel) { return ((high - channel) * (hlsMax / 6) + range / 2) / range; };
    if (r == high)
        hls.hue = delta(b) - delta(g);
    else if (g == high)
        hls.hue = hlsMax / 3 + delta(r) - delta(b);
    else
        hls.hue = 2 * hlsMax / 3 + delta(g) - delta(r);
    if (hls.hue < 0)
        hls.hue += hlsMax;
    if (hls.hue > hlsMax)
        hls.hue -= hlsMax;
    return hls;
}

COLORREF hlsToRgb(Hls hls)
{
    const double lightness = static_cast<double>(clampHls(hls.lightness)) / hlsMax;
    const double saturation = static_cast<double>(clampHls(hls.saturation)) / hlsMax;
    if (saturation == 0) {
        const BYTE grey = toChannel(lightness);
        return RGB(grey, grey, grey);
    }
    const double m2 = lightness <= 0.5 ? lightness * (1 + saturation) : lightness + saturation - lightness * saturation;
    const double m1 = 2 * lightness - m2;
    const double hue = clampHls(hls.hue) * 360.0 / hlsMax;
    return RGB(toChannel(channelFromHue(m1, m2, hue + 120)), toChannel(channelFromHue(m1, m2, hue)),
        toChannel(channelFromHue(m1, m2, hue - 120)));
}

bool isFixedPixel(COLORREF pixel)
{
    const COLORREF rgb = pixel & 0xFFFFFF;
    return rgb == 0 || rgb == keyColour;
}

COLORREF blendPixel(COLORREF pixel, COLORREF colour)
{
    if (isFixedPixel(pixel))
        return pixel;
    const int red = GetRValue(pixel);
    const auto mix = [red](int channel) { return static_cast<BYTE>((red * rgbMax + channel * (rgbMax - red)) / 256); };
    return RGB(mix(GetRValue(colour)), mix(GetGValue(colour)), mix(GetBValue(colour)));
}

COLORREF tintPixel(COLORREF pixel, COLORREF colour)
{
    const Hls tint = rgbToHls(colour);
    return changeHls(pixel, [&tint](Hls& hls) {
        hls.hue = clampHls(hls.hue + tint.hue - 140);
        hls.saturation = clampHls(hls.saturation * tint.saturation / hlsMax);
        hls.lightness = clampHls(hls.lightness + tint.lightness - 100);
    });
}

COLORREF greyPixel(COLORREF pixel)
{
    if (isFixedPixel(pixel))
        return pixel;
    const BYTE grey = static_cast<BYTE>((GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel)) / 3);
    return RGB(grey, grey, grey);
}

COLORREF darkenPixel(COLORREF pixel, int amount)
{
    return changeHls(pixel, [amount](Hls& hls) { hls.lightness = std::max(hls.lightness - amount, 0); });
}

COLORREF lightenPixel(COLORREF pixel, int amount)
{
    return changeHls(pixel, [amount](Hls& hls) { hls.lightness = std::min(hls.lightness + amount, hlsMax); });
}

COLORREF saturatePixel(COLORREF pixel, int amount)
{
    return changeHls(pixel, [amount](Hls& hls) { hls.saturation = std::min(hls.saturation + amount, hlsMax); });
}

COLORREF desaturatePixel(COLORREF pixel, int amount)
{
    return changeHls(pixel, [amount](Hls& hls) { hls.saturation = std::max(hls.saturation - amount, 0); });
}
