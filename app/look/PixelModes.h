// The look's pixel modes: one pixel (a COLORREF, red in the low byte) changed toward a colour or
// by an amount, through hue, lightness and saturation on the colour picker's 0-240 scale.
// Exact black and the key colour of the skin bitmaps are never changed by any mode.
#pragma once

#include "windows.h"

// The transparent colour of every skin bitmap.
inline constexpr COLORREF keyColour = 0xFF00FF;

// Hue, lightness and saturation, each 0-240; greys (black and white too) have hue and saturation 0.
struct Hls {
    int hue = 0;
    int lightness = 0;
    int saturation = 0;
    bool operator==(const Hls&) const = default;
};

Hls rgbToHls(COLORREF colour);
// Values outside 0-240 are clamped first.
COLORREF hlsToRgb(Hls hls);

// Pixels no mode changes: exact black and the key colour.
bool isFixedPixel(COLORREF pixel);

// Toward the colour by the pixel's red value: red 255 keeps the pixel light, red 0 gives the colour.
COLORREF blendPixel(COLORREF pixel, COLORREF colour);
COLORREF tintPixel(COLORREF pixel, COLORREF colour);
COLORREF greyPixel(COLORREF pixel);
COLORREF darkenPixel(COLORREF pixel, int amount);
COLORREF lightenPixel(COLORREF pixel, int amount);
COLORREF saturatePixel(COLORREF pixel, int amount);
COLORREF desaturatePixel(COLORREF pixel, int amount);
