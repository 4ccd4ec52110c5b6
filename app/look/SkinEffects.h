// The effects of the look's bitmap slots, applied to a skin bitmap's pixels (24-bit, top-down,
// one COLORREF per pixel). Each slot names an effect code and a colour word; the effects that
// take an amount read it from the colour word's top byte.
#pragma once

#include <span>

#include "windows.h"

namespace skin_effect {
inline constexpr int convert = 1;     // no colour change
inline constexpr int colourise = 2;   // blend toward the colour; a grey colour raises saturation
inline constexpr int tint = 3;
inline constexpr int grey = 4;
inline constexpr int darken = 5;
inline constexpr int lighten = 6;
inline constexpr int saturate = 7;
inline constexpr int desaturate = 8;
inline constexpr int colouriseLighten = 10;
inline constexpr int colouriseDarken = 11;
}  // namespace skin_effect

// Changes the pixels in place; false, with the pixels unchanged, for an unknown effect code.
bool applySkinEffect(int effect, COLORREF colour, std::span<COLORREF> pixels);
