// Writing a PngImage as PNG data.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "ceapi.h"
#include "gdi/png/PngImage.h"

namespace ce::gdi {

// 8-bit RGB when every pixel is opaque, 8-bit RGBA otherwise. False, with `error` saying why,
// for an image whose size is out of limits or does not match its pixel count.
CEAPI bool encodePng(const PngImage& image, std::vector<unsigned char>& bytes, std::string& error);

// encodePng, then the bytes to `file` (replaced when it exists); the error names the file.
CEAPI bool writePngFile(const std::filesystem::path& file, const PngImage& image, std::string& error);

} // namespace ce::gdi
