// Decoding every colour type and bit depth to 8-bit ARGB, from files libpng writes itself.
#include <gtest/gtest.h>

#include "PngFixtures.h"
#include "gdi/png/PngDecode.h"

using ce::gdi::PngImage;
using png_fixtures::RawPng;

namespace {

struct DecodeCase {
    const char* name;
    RawPng raw;
    std::vector<uint32_t> expected; // one row
};

RawPng oneRow(int width, int bitDepth, int colourType, std::vector<unsigned char> row)
{
    RawPng raw;
    raw.width = width;
    raw.height = 1;
    raw.bitDepth = bitDepth;
    raw.colourType = colourType;
    raw.rows = {std::move(row)};
    return raw;
}

RawPng withPalette(RawPng raw)
{
    raw.palette = {{0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0x00, 0x00, 0xFF}};
    raw.paletteAlpha = {0xFF, 0x80};
    return raw;
}

const DecodeCase decodeCases[] = {
    {"grey 1-bit, odd width", oneRow(10, 1, PNG_COLOR_TYPE_GRAY, {0b10101100, 0b11000000}),
        {0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000, 0xFF000000, 0xFFFFFFFF,
            0xFFFFFFFF}},
    {"grey 4-bit", oneRow(3, 4, PNG_COLOR_TYPE_GRAY, {0x5F, 0x00}), {0xFF555555, 0xFFFFFFFF, 0xFF000000}},
    {"grey 8-bit", oneRow(3, 8, PNG_COLOR_TYPE_GRAY, {0x00, 0x80, 0xFF}), {0xFF000000, 0xFF808080, 0xFFFFFFFF}},
    {"grey 16-bit", oneRow(2, 16, PNG_COLOR_TYPE_GRAY, {0xAB, 0xCD, 0x12, 0x34}), {0xFFABABAB, 0xFF121212}},
    {"grey+alpha 8-bit", oneRow(2, 8, PNG_COLOR_TYPE_GRAY_ALPHA, {0x40, 0xFF, 0xC0, 0x80}), {0xFF404040, 0x80C0C0C0}},
    {"grey+alpha 16-bit", oneRow(1, 16, PNG_COLOR_TYPE_GRAY_ALPHA, {0x40, 0x00, 0xFF, 0xFF}), {0xFF404040}},
    {"palette 2-bit with tRNS", withPalette(oneRow(3, 2, PNG_COLOR_TYPE_PALETTE, {0b00011000})),
        {0xFFFF0000, 0x8000FF00, 0xFF0000FF}},
    {"palette 8-bit", withPalette(oneRow(2, 8, PNG_COLOR_TYPE_PALETTE, {2, 0})), {0xFF0000FF, 0xFFFF0000}},
    {"RGB 8-bit", oneRow(2, 8, PNG_COLOR_TYPE_RGB, {0x12, 0x34, 0x56, 0xFE, 0xDC, 0xBA}), {0xFF123456, 0xFFFEDCBA}},
    {"RGB 16-bit", oneRow(1, 16, PNG_COLOR_TYPE_RGB, {0xAB, 0xCD, 0x12, 0x34, 0xFF, 0xFF}), {0xFFAB12FF}},
    {"RGBA 8-bit", oneRow(2, 8, PNG_COLOR_TYPE_RGBA, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xFF}),
        {0x78123456, 0xFF9ABCDE}},
    {"RGBA 16-bit opaque", oneRow(1, 16, PNG_COLOR_TYPE_RGBA, {0x12, 0x00, 0x34, 0x00, 0x56, 0x00, 0xFF, 0xFF}),
        {0xFF123456}},
};

TEST(PngDecode, ExpandsEveryColourTypeToArgb)
{
    for (const DecodeCase& c : decodeCases) {
        SCOPED_TRACE(c.name);
        const std::vector<unsigned char> bytes = png_fixtures::writeRawPng(c.raw);
        ASSERT_FALSE(bytes.empty());
        PngImage image;
        std::string error;
        ASSERT_TRUE(ce::gdi::decodePng(bytes, image, error)) << error;
        EXPECT_EQ(image.width, c.raw.width);
        EXPECT_EQ(image.height, 1);
        EXPECT_EQ(image.pixels, c.expected);
    }
}

TEST(PngDecode, PartlyTransparent16BitKeepsColourAndAlpha)
{
    const RawPng raw = oneRow(1, 16, PNG_COLOR_TYPE_RGBA, {0xAB, 0xCD, 0x12, 0x34, 0x00, 0x00, 0x80, 0x00});
    PngImage image;
    std::string error;
    ASSERT_TRUE(ce::gdi::decodePng(png_fixtures::writeRawPng(raw), image, error)) << error;
    ASSERT_EQ(image.pixels.size(), 1u);
    // libpng composes partly transparent 16-bit data through linear light: allow one step.
    const uint32_t pixel = image.pixels[0];
    EXPECT_EQ(pixel >> 24, 0x80u);
    EXPECT_NEAR(int(pixel >> 16 & 0xFF), 0xAB, 1);
    EXPECT_NEAR(int(pixel >> 8 & 0xFF), 0x12, 1);
    EXPECT_NEAR(int(pixel & 0xFF), 0x00, 1);
}

TEST(PngDecode, InterlacedGivesTheSamePixelsAsProgressive)
{
    const ce::gdi::PngImage pattern = png_fixtures::patternImage(13, 11, 0xFF);
    RawPng raw;
    raw.width = pattern.width;
    raw.height = pattern.height;
    for (int y = 0; y < pattern.height; ++y) {
        std::vector<unsigned char> row;
        for (int x = 0; x < pattern.width; ++x) {
            const uint32_t pixel = pattern.pixels[std::size_t(y * pattern.width + x)];
            row.insert(row.end(), {uint8_t(pixel >> 16), uint8_t(pixel >> 8), uint8_t(pixel)});
        }
        raw.rows.push_back(row);
    }
    for (bool interlaced : {false, true}) {
        SCOPED_TRACE(interlaced ? "interlaced" : "progressive");
        raw.interlaced = interlaced;
        PngImage image;
        std::string error;
        ASSERT_TRUE(ce::gdi::decodePng(png_fixtures::writeRawPng(raw), image, error)) << error;
        EXPECT_EQ(image.width, pattern.width);
        EXPECT_EQ(image.height, pattern.height);
        EXPECT_EQ(image.pixels, pattern.pixels);
    }
}

} // namespace
