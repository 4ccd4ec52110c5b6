// PNG encoding through libpng's simplified API (its error handling stays inside libpng).
#include "gdi/png/PngEncode.h"

#include <png.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace ce::gdi {

namespace {

bool isOpaque(uint32_t pixel)
{
    return pixel >> 24 == 0xFF;
}

// The pixels as 8-bit R,G,B(,A) samples, the layout libpng's RGB and RGBA formats read.
std::vector<unsigned char> samplesOf(const std::vector<uint32_t>& pixels, bool withAlpha)
{
    std::vector<unsigned char> samples;
    samples.reserve(pixels.size() * (withAlpha ? 4 : 3));
    for (uint32_t pixel : pixels) {
        samples.push_back(static_cast<unsigned char>(pixel >> 16));
        samples.push_back(static_cast<unsigned char>(pixel >> 8));
        samples.push_back(static_cast<unsigned char>(pixel));
        if (withAlpha)
            samples.push_back(static_cast<unsigned char>(pixel >> 24));
    }
    return samples;
}

} // namespace

bool encodePng(const PngImage& image, std::vector<unsigned char>& bytes, std::string& error)
{
    if (!checkPngSize(image.width, image.height, error))
        return false;
    const std::size_t count = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    if (image.pixels.size() != count) {
        error = "a " + std::to_string(image.width) + "x" + std::to_string(image.height) + " image needs "
            + std::to_string(count) + " pixels, not " + std::to_string(image.pixels.size());
        return false;
    }
    const bool withAlpha = !std::all_of(image.pixels.begin(), image.pixels.end(), isOpaque);
    const std::vector<unsigned char> samples = samplesOf(image.pixels, withAlpha);

    png_image png {};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = withAlpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    // A first pass without memory measures the file; each call frees libpng's state on return.
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&png, nullptr, &size, 0, samples.data(), 0, nullptr)) {
        error = std::string("cannot encode PNG image: ") + png.message;
        return false;
    }
    std::vector<unsigned char> encoded(size);
    if (!png_image_write_to_memory(&png, encoded.data(), &size, 0, samples.data(), 0, nullptr)) {
        error = std::string("cannot encode PNG image: ") + png.message;
        return false;
    }
    encoded.resize(size);
    bytes = std::move(encoded);
    return true;
}

bool writePngFile(const std::filesystem::path& file, const PngImage& image, std::string& error)
{
    std::vector<unsigned char> bytes;
    if (!encodePng(image, bytes, error)) {
        error = file.string() + ": " + error;
        return false;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out || !out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))
        || !out.flush()) {
        error = "cannot write " + file.string() + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace ce::gdi
