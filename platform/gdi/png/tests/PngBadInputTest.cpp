// Damaged, truncated, oversized and random data is refused with a reason, never a crash.
#include <gtest/gtest.h>

#include <random>

#include "PngFixtures.h"
#include "gdi/png/PngDecode.h"
#include "gdi/png/PngEncode.h"

using ce::gdi::PngImage;

namespace {

std::vector<unsigned char> goodPng()
{
    std::vector<unsigned char> bytes;
    std::string error;
    EXPECT_TRUE(ce::gdi::encodePng(png_fixtures::patternImage(16, 16, 0x80), bytes, error)) << error;
    return bytes;
}

std::vector<unsigned char> prefix(const std::vector<unsigned char>& bytes, std::size_t size)
{
    return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)};
}

std::vector<unsigned char> flipped(std::vector<unsigned char> bytes, std::size_t at)
{
    bytes[at] ^= 0x01;
    return bytes;
}

std::vector<unsigned char> randomBytes(std::vector<unsigned char> start, std::size_t count)
{
    std::mt19937 random(20261208);
    for (std::size_t i = 0; i < count; ++i)
        start.push_back(static_cast<unsigned char>(random()));
    return start;
}

// Decoding must fail with a reason and leave the image as it was.
void expectRefused(const std::vector<unsigned char>& bytes, const std::string& errorPart = {})
{
    PngImage image {3, 1, {1, 2, 3}};
    std::string error;
    EXPECT_FALSE(ce::gdi::decodePng(bytes, image, error));
    EXPECT_FALSE(error.empty());
    EXPECT_NE(error.find(errorPart), std::string::npos) << error;
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.pixels, (std::vector<uint32_t> {1, 2, 3}));
}

TEST(PngBadInput, IsRefusedWithAReason)
{
    const std::vector<unsigned char> good = goodPng();
    const std::vector<unsigned char> signature = prefix(good, 8);
    const std::size_t idatCrcEnd = good.size() - 12; // IEND's 12 bytes follow the one IDAT
    const struct {
        const char* name;
        std::vector<unsigned char> bytes;
        std::string errorPart;
    } cases[] = {
        {"empty", {}, "signature"},
        {"signature only", signature, ""},
        {"a quarter", prefix(good, good.size() / 4), ""},
        {"the first half", prefix(good, good.size() / 2), ""},
        {"three quarters", prefix(good, good.size() * 3 / 4), ""},
        {"bad IHDR CRC", flipped(good, 29), ""},
        {"bad IDAT CRC", flipped(good, idatCrcEnd - 1), ""},
        {"damaged IDAT data", flipped(good, idatCrcEnd - 8), ""},
        {"damaged signature", flipped(good, 1), "signature"},
        {"random bytes", randomBytes({}, 1000), "signature"},
        {"random bytes after a signature", randomBytes(signature, 1000), ""},
        {"random bytes after the IHDR", randomBytes(prefix(good, 33), 1000), ""},
        {"100000x100000", png_fixtures::headerOnlyPng(100000, 100000), "100000x100000"},
        {"a side above the limit", png_fixtures::headerOnlyPng(ce::gdi::maxPngSide + 1, 1), "per side"},
        {"too many pixels", png_fixtures::headerOnlyPng(ce::gdi::maxPngSide, ce::gdi::maxPngSide), "pixels"},
        {"zero width", png_fixtures::headerOnlyPng(0, 10), ""},
        {"width beyond 31 bits", png_fixtures::headerOnlyPng(0x80000000u, 1), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectRefused(c.bytes, c.errorPart);
    }
}

TEST(PngBadInput, EveryTruncationIsRefused)
{
    const std::vector<unsigned char> good = goodPng();
    for (std::size_t size = 0; size < good.size(); ++size) {
        SCOPED_TRACE(size);
        expectRefused(prefix(good, size));
    }
}

TEST(PngBadInput, EverySingleByteDamageIsSurvived)
{
    // A changed byte may leave a valid image (an ignored field) but never a crash or an
    // unexplained failure; CRCs catch most of them.
    const std::vector<unsigned char> good = goodPng();
    std::size_t refused = 0;
    for (std::size_t at = 0; at < good.size(); ++at) {
        PngImage image;
        std::string error;
        if (!ce::gdi::decodePng(flipped(good, at), image, error)) {
            ++refused;
            EXPECT_FALSE(error.empty()) << at;
        }
    }
    EXPECT_GT(refused, good.size() / 2);
}

} // namespace
