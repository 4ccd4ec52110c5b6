// The three outcomes of a golden-image check and the files each leaves behind.
#include <gtest/gtest.h>

#include <fstream>

#include "PngFixtures.h"
#include "TestDevice.h"
#include "gdi/png/GoldenImage.h"
#include "gdi/png/PngDecode.h"
#include "gdi/png/PngEncode.h"

using ce::gdi::GoldenOutcome;
using ce::gdi::PngImage;
using png_fixtures::patternImage;

namespace {

class GoldenImage : public ::testing::Test {
protected:
    // A reference image in the temporary folder holding `image`.
    std::filesystem::path reference(const PngImage& image)
    {
        std::filesystem::create_directories(m_reference.parent_path());
        std::string error;
        EXPECT_TRUE(ce::gdi::writePngFile(m_reference, image, error)) << error;
        return m_reference;
    }

    PngImage read(const std::filesystem::path& file)
    {
        PngImage image;
        std::string error;
        EXPECT_TRUE(ce::gdi::readPngFile(file, image, error)) << error;
        return image;
    }

    testing_support::TempFolder m_folder;
    std::filesystem::path m_reference = m_folder.path() / "goldens" / "list.png";
    std::filesystem::path m_actual = m_folder.path() / "goldens" / "list-ACTUAL.png";
};

TEST_F(GoldenImage, ActualImageGoesBesideTheReference)
{
    EXPECT_EQ(ce::gdi::actualImagePath("/a/b/list.png"), std::filesystem::path("/a/b/list-ACTUAL.png"));
    EXPECT_EQ(ce::gdi::actualImagePath("menu.bar.png"), std::filesystem::path("menu.bar-ACTUAL.png"));
}

TEST_F(GoldenImage, EqualPixelsMatchAndClearAnOldActualImage)
{
    const PngImage image = patternImage(6, 4, 0xC0);
    std::filesystem::create_directories(m_reference.parent_path());
    std::ofstream(m_actual) << "left by an earlier run";
    const ce::gdi::GoldenResult result = ce::gdi::compareWithGolden(reference(image), image);
    EXPECT_EQ(result.outcome, GoldenOutcome::Match) << result.description;
    EXPECT_TRUE(result.matched());
    EXPECT_TRUE(result.description.empty());
    EXPECT_TRUE(result.written.empty());
    EXPECT_FALSE(std::filesystem::exists(m_actual));
}

TEST_F(GoldenImage, MissingReferenceWritesTheCandidateAndFails)
{
    const PngImage image = patternImage(6, 4, 0xFF);
    const ce::gdi::GoldenResult result = ce::gdi::compareWithGolden(m_reference, image);
    EXPECT_EQ(result.outcome, GoldenOutcome::Missing);
    EXPECT_FALSE(result.matched());
    EXPECT_EQ(result.written, m_reference);
    EXPECT_NE(result.description.find("list.png"), std::string::npos) << result.description;
    EXPECT_EQ(read(m_reference).pixels, image.pixels);
    // The candidate, once reviewed, is the reference the next run matches.
    EXPECT_EQ(ce::gdi::compareWithGolden(m_reference, image).outcome, GoldenOutcome::Match);
}

TEST_F(GoldenImage, DifferingPixelsAreCountedAndTheFirstDescribed)
{
    const PngImage expected = patternImage(6, 4, 0xFF);
    PngImage actual = expected;
    actual.pixels[1 * 6 + 2] = 0xFF010203; // (2, 1)
    actual.pixels[3 * 6 + 5] ^= 0x01000000; // (5, 3), alpha only
    const ce::gdi::GoldenResult result = ce::gdi::compareWithGolden(reference(expected), actual);
    EXPECT_EQ(result.outcome, GoldenOutcome::Mismatch);
    EXPECT_EQ(result.differingPixels, 2u);
    EXPECT_NE(result.description.find("(2, 1): 0xFF010203"), std::string::npos) << result.description;
    EXPECT_NE(result.description.find("2 of 24"), std::string::npos) << result.description;
    EXPECT_EQ(result.written, m_actual);
    EXPECT_EQ(read(m_actual).pixels, actual.pixels);
    EXPECT_EQ(read(m_reference).pixels, expected.pixels);
}

TEST_F(GoldenImage, SizesAreComparedFirst)
{
    const ce::gdi::GoldenResult result
        = ce::gdi::compareWithGolden(reference(patternImage(6, 4, 0xFF)), patternImage(4, 6, 0xFF));
    EXPECT_EQ(result.outcome, GoldenOutcome::Mismatch);
    EXPECT_EQ(result.differingPixels, 0u);
    EXPECT_NE(result.description.find("4x6"), std::string::npos) << result.description;
    EXPECT_NE(result.description.find("6x4"), std::string::npos) << result.description;
    EXPECT_EQ(read(m_actual).width, 4);
}

TEST_F(GoldenImage, UnreadableReferenceIsAMismatch)
{
    std::filesystem::create_directories(m_reference.parent_path());
    std::ofstream(m_reference) << "not a PNG";
    const ce::gdi::GoldenResult result = ce::gdi::compareWithGolden(m_reference, patternImage(2, 2, 0xFF));
    EXPECT_EQ(result.outcome, GoldenOutcome::Mismatch);
    EXPECT_NE(result.description.find("signature"), std::string::npos) << result.description;
    EXPECT_EQ(result.written, m_actual);
}

TEST_F(GoldenImage, CandidateThatCannotBeWrittenIsReported)
{
    const std::filesystem::path notAFolder = m_folder.path() / "file";
    std::ofstream(notAFolder) << "a file where the goldens' folder should be";
    const ce::gdi::GoldenResult result = ce::gdi::compareWithGolden(notAFolder / "list.png", patternImage(2, 2, 0xFF));
    EXPECT_EQ(result.outcome, GoldenOutcome::Missing);
    EXPECT_TRUE(result.written.empty());
    EXPECT_NE(result.description.find("could not be written"), std::string::npos) << result.description;
}

TEST_F(GoldenImage, InconsistentActualImageFailsWithoutWriting)
{
    const ce::gdi::GoldenResult result = ce::gdi::compareWithGolden(m_reference, PngImage {2, 2, {1}});
    EXPECT_EQ(result.outcome, GoldenOutcome::Mismatch);
    EXPECT_FALSE(result.description.empty());
    EXPECT_TRUE(result.written.empty());
    EXPECT_FALSE(std::filesystem::exists(m_reference));
}

} // namespace
