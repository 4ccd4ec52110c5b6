// PNG files made for the tests with libpng's own writer and by hand, so the decoder meets
// colour types and damage that the encoder never produces.
#pragma once

#include <png.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gdi/png/PngImage.h"

namespace png_fixtures {

// A PNG as libpng writes it from rows already packed the way the file stores them (16-bit
// samples big-endian, sub-byte samples packed from the high bit).
struct RawPng {
    int width = 0;
    int height = 0;
    int bitDepth = 8;
    int colourType = PNG_COLOR_TYPE_RGB;
    bool interlaced = false;
    std::vector<png_color> palette;
    std::vector<unsigned char> paletteAlpha; // tRNS for the first palette entries
    std::vector<std::vector<unsigned char>> rows;
};

// The file's bytes; empty, with a test failure, when libpng refuses the description.
std::vector<unsigned char> writeRawPng(const RawPng& raw);

// The signature, an IHDR for an 8-bit RGBA image of the given size, a small IDAT and IEND,
// each chunk with a correct CRC: only the size can be wrong.
std::vector<unsigned char> headerOnlyPng(uint32_t width, uint32_t height);

// A width x height image of varied colours (neighbours always differ), all with the given alpha.
ce::gdi::PngImage patternImage(int width, int height, uint8_t alpha);

} // namespace png_fixtures
