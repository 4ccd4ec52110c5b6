// An image in memory as the drawing code and the PNG codec exchange it, and the size limits
// every decoded or encoded image keeps to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ceapi.h"

namespace ce::gdi {

// Rows top-down, each pixel 0xAARRGGBB, not premultiplied (alpha 0xFF where the image is opaque).
struct PngImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// Neither side may exceed maxPngSide nor the pixel count maxPngPixels: a decoded image then
// needs at most 256 MB, which keeps a hostile file from exhausting the host.
constexpr int maxPngSide = 16384;
constexpr std::size_t maxPngPixels = std::size_t {1} << 26;

// False, with `error` giving the size and the limit it breaks, for a size outside the limits.
CEAPI bool checkPngSize(long long width, long long height, std::string& error);

} // namespace ce::gdi
