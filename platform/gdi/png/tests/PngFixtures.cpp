// PNG files made for the tests with libpng's own writer and by hand.
#include "PngFixtures.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <csetjmp>

namespace png_fixtures {

namespace {

void appendToVector(png_structp png, png_bytep data, size_t length)
{
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp)
{
}

void appendUint32(std::vector<unsigned char>& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

void appendChunk(std::vector<unsigned char>& out, const char* type, const std::vector<unsigned char>& data)
{
    appendUint32(out, static_cast<uint32_t>(data.size()));
    const std::size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    appendUint32(
        out, static_cast<uint32_t>(crc32(0, out.data() + typeStart, static_cast<uInt>(out.size() - typeStart))));
}

} // namespace

std::vector<unsigned char> writeRawPng(const RawPng& raw)
{
    std::vector<unsigned char> out;
    std::vector<png_bytep> rowPointers;
    for (const auto& row : raw.rows)
        rowPointers.push_back(const_cast<png_bytep>(row.data()));
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    // Only trivially destructible state changes between here and the writes below.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        ADD_FAILURE() << "libpng refused the test image";
        return {};
    }
    png_set_write_fn(png, &out, appendToVector, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(raw.width), static_cast<png_uint_32>(raw.height), raw.bitDepth,
        raw.colourType, raw.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
        PNG_FILTER_TYPE_DEFAULT);
    if (!raw.palette.empty())
        png_set_PLTE(png, info, raw.palette.data(), static_cast<int>(raw.palette.size()));
    if (!raw.paletteAlpha.empty())
        png_set_tRNS(png, info, raw.paletteAlpha.data(), static_cast<int>(raw.paletteAlpha.size()), nullptr);
    png_set_rows(png, info, rowPointers.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<unsigned char> headerOnlyPng(uint32_t width, uint32_t height)
{
    std::vector<unsigned char> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    appendUint32(header, width);
    appendUint32(header, height);
    header.insert(header.end(), {8, PNG_COLOR_TYPE_RGBA, 0, 0, 0});
    appendChunk(out, "IHDR", header);
    appendChunk(out, "IDAT", {0x78, 0x9C, 0x63, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01});
    appendChunk(out, "IEND", {});
    return out;
}

ce::gdi::PngImage patternImage(int width, int height, uint8_t alpha)
{
    ce::gdi::PngImage image {width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.pixels.push_back(uint32_t {alpha} << 24 | uint32_t(x & 0xFF) << 16 | uint32_t(y & 0xFF) << 8
                | uint32_t((x * 7 + y * 13) & 0xFF));
    }
    return image;
}

} // namespace png_fixtures
