// PNG decoding through libpng's simplified API, which contains libpng's longjmp error handling
// inside libpng itself: no C++ frame is ever jumped over.
#include "gdi/png/PngDecode.h"

#include <png.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <new>

namespace ce::gdi {

namespace {

// Bytes B,G,R,A on a little-endian host and A,R,G,B on a big-endian one both read as the
// uint32_t 0xAARRGGBB, so libpng can write straight into PngImage::pixels.
constexpr png_uint_32 argbFormat = std::endian::native == std::endian::little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;

// The largest file that may be read: more than any PNG within the size limits needs.
constexpr std::uintmax_t maxPngFileBytes = std::uintmax_t {1} << 30;

// The IEND chunk is always these 12 bytes. libpng stops reading after the image data, so
// without this check a file cut off after its last IDAT would pass as whole. Searched from the
// end, where it is.
constexpr std::array<unsigned char, 12> iendChunk = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};

// Releases libpng's state however decoding ends; png_image_free ignores an image already freed.
class PngImageGuard {
public:
    explicit PngImageGuard(png_image& image)
        : m_image(image)
    {
    }
    ~PngImageGuard() { png_image_free(&m_image); }
    PngImageGuard(const PngImageGuard&) = delete;
    PngImageGuard& operator=(const PngImageGuard&) = delete;

private:
    png_image& m_image;
};

} // namespace

bool decodePng(std::span<const unsigned char> bytes, PngImage& image, std::string& error)
{
    constexpr std::size_t signatureBytes = 8;
    if (bytes.size() < signatureBytes || png_sig_cmp(bytes.data(), 0, signatureBytes) != 0) {
        error = "not a PNG image (no PNG signature)";
        return false;
    }
    if (std::find_end(bytes.begin(), bytes.end(), iendChunk.begin(), iendChunk.end()) == bytes.end()) {
        error = "truncated PNG image (no IEND chunk)";
        return false;
    }
    png_image png {};
    png.version = PNG_IMAGE_VERSION;
    PngImageGuard guard(png);
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) {
        error = std::string("invalid PNG image: ") + png.message;
        return false;
    }
    if (!checkPngSize(png.width, png.height, error))
        return false;
    png.format = argbFormat;
    // Without this flag libpng takes 16-bit samples as linear light and darkens them on the way
    // to 8 bits; files mean sRGB unless a gAMA chunk says otherwise.
    png.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;

    std::vector<uint32_t> pixels;
    try {
        pixels.resize(std::size_t {png.width} * png.height);
    } catch (const std::bad_alloc&) {
        error = "not enough memory for a " + std::to_string(png.width) + "x" + std::to_string(png.height) + " image";
        return false;
    }
    if (!png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr)) {
        error = std::string("invalid PNG image: ") + png.message;
        return false;
    }
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.pixels = std::move(pixels);
    return true;
}

bool readPngFile(const std::filesystem::path& file, PngImage& image, std::string& error)
{
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(file, sizeError);
    if (sizeError) {
        error = "cannot read " + file.string() + ": " + sizeError.message();
        return false;
    }
    if (size > maxPngFileBytes) {
        error = file.string() + " is too large for a PNG image (" + std::to_string(size) + " bytes)";
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    std::vector<unsigned char> bytes(size);
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        error = "cannot read " + file.string() + ": " + std::strerror(errno);
        return false;
    }
    if (!decodePng(bytes, image, error)) {
        error = file.string() + ": " + error;
        return false;
    }
    return true;
}

} // namespace ce::gdi
