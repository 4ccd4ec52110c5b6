// Reading PNG data into a PngImage.
#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "ceapi.h"
#include "gdi/png/PngImage.h"

namespace ce::gdi {

// Decodes any colour type and bit depth (palette, grey, grey+alpha, RGB, RGBA, 16 bits,
// interlaced) to 8-bit ARGB; a gAMA chunk other than sRGB's is honoured, 16-bit data without
// one is taken as sRGB. False, with `error` saying why and `image` untouched, for data that is
// not a whole valid PNG or that exceeds the limits in PngImage.h.
CEAPI bool decodePng(std::span<const unsigned char> bytes, PngImage& image, std::string& error);

// decodePng on the file's contents; the error names the file.
CEAPI bool readPngFile(const std::filesystem::path& file, PngImage& image, std::string& error);

} // namespace ce::gdi
