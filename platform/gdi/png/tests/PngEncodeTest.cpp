// Encoding and decoding again gives the same pixels; opaque images are stored without alpha.
#include <gtest/gtest.h>

#include <fstream>

#include "PngFixtures.h"
#include "TestDevice.h"
#include "gdi/png/PngDecode.h"
#include "gdi/png/PngEncode.h"

using ce::gdi::PngImage;
using png_fixtures::patternImage;

namespace {

// The IHDR colour type byte: after the signature, the chunk length and type, width, height
// and bit depth.
constexpr std::size_t colourTypeOffset = 25;

PngImage gradient(int width, int height)
{
    PngImage image {width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.pixels.push_back(0xFF000000 | uint32_t(x * 255 / (width - 1)) << 16
                | uint32_t(y * 255 / (height - 1)) << 8 | uint32_t((x + y) & 0xFF));
    }
    return image;
}

PngImage withAlphaRamp(PngImage image)
{
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = (image.pixels[i] & 0x00FFFFFF) | uint32_t(i * 37 & 0xFF) << 24;
    return image;
}

struct RoundTripCase {
    const char* name;
    PngImage image;
    int colourType;
};

TEST(PngEncode, RoundTripKeepsEveryPixel)
{
    const RoundTripCase cases[] = {
        {"opaque", patternImage(16, 9, 0xFF), PNG_COLOR_TYPE_RGB},
        {"alpha ramp, transparent pixels keep their colour", withAlphaRamp(patternImage(16, 9, 0xFF)),
            PNG_COLOR_TYPE_RGBA},
        {"one opaque pixel", PngImage {1, 1, {0xFF123456}}, PNG_COLOR_TYPE_RGB},
        {"one transparent pixel", PngImage {1, 1, {0x00ABCDEF}}, PNG_COLOR_TYPE_RGBA},
        {"one pixel not quite opaque", PngImage {1, 1, {0xFE000000}}, PNG_COLOR_TYPE_RGBA},
        {"odd width 3", patternImage(3, 5, 0xFF), PNG_COLOR_TYPE_RGB},
        {"odd width 7 with alpha", patternImage(7, 2, 0x40), PNG_COLOR_TYPE_RGBA},
        {"odd width 257", patternImage(257, 3, 0xFF), PNG_COLOR_TYPE_RGB},
        {"one column", patternImage(1, 31, 0xFF), PNG_COLOR_TYPE_RGB},
        {"300x200 gradient", gradient(300, 200), PNG_COLOR_TYPE_RGB},
    };
    for (const RoundTripCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<unsigned char> bytes;
        std::string error;
        ASSERT_TRUE(ce::gdi::encodePng(c.image, bytes, error)) << error;
        ASSERT_GT(bytes.size(), colourTypeOffset);
        EXPECT_EQ(bytes[colourTypeOffset], c.colourType);
        PngImage decoded;
        ASSERT_TRUE(ce::gdi::decodePng(bytes, decoded, error)) << error;
        EXPECT_EQ(decoded.width, c.image.width);
        EXPECT_EQ(decoded.height, c.image.height);
        EXPECT_EQ(decoded.pixels, c.image.pixels);
    }
}

TEST(PngEncode, RefusesImagesOutOfLimitsOrInconsistent)
{
    const struct {
        const char* name;
        PngImage image;
    } cases[] = {
        {"empty", PngImage {}},
        {"negative width", PngImage {-1, 1, {}}},
        {"fewer pixels than the size", PngImage {2, 2, {1, 2, 3}}},
        {"more pixels than the size", PngImage {1, 1, {1, 2}}},
        {"too wide", PngImage {ce::gdi::maxPngSide + 1, 1, std::vector<uint32_t>(ce::gdi::maxPngSide + 1)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<unsigned char> bytes = {1, 2, 3};
        std::string error;
        EXPECT_FALSE(ce::gdi::encodePng(c.image, bytes, error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(bytes, (std::vector<unsigned char> {1, 2, 3}));
    }
}

TEST(PngFile, WriteThenReadGivesTheImage)
{
    testing_support::TempFolder folder;
    const std::filesystem::path file = folder.path() / "image.png";
    const PngImage image = withAlphaRamp(patternImage(5, 4, 0xFF));
    std::string error;
    ASSERT_TRUE(ce::gdi::writePngFile(file, image, error)) << error;
    PngImage read;
    ASSERT_TRUE(ce::gdi::readPngFile(file, read, error)) << error;
    EXPECT_EQ(read.pixels, image.pixels);
}

TEST(PngFile, FailuresNameTheFile)
{
    testing_support::TempFolder folder;
    const std::filesystem::path missing = folder.path() / "missing.png";
    const std::filesystem::path noFolder = folder.path() / "no-folder" / "image.png";
    const std::filesystem::path notPng = folder.path() / "text.png";
    {
        std::ofstream(notPng) << "not an image";
    }
    PngImage image;
    std::string error;
    EXPECT_FALSE(ce::gdi::readPngFile(missing, image, error));
    EXPECT_NE(error.find("missing.png"), std::string::npos) << error;
    EXPECT_FALSE(ce::gdi::readPngFile(notPng, image, error));
    EXPECT_NE(error.find("text.png"), std::string::npos) << error;
    EXPECT_FALSE(ce::gdi::readPngFile(folder.path(), image, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(ce::gdi::writePngFile(noFolder, patternImage(2, 2, 0xFF), error));
    EXPECT_NE(error.find("no-folder"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(noFolder));
    EXPECT_FALSE(ce::gdi::writePngFile(missing, PngImage {2, 2, {}}, error));
    EXPECT_NE(error.find("missing.png"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(missing));
}

} // namespace
