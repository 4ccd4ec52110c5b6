// Three-part faces and the progress bar's filled length, for narrow and wide bars.
#include <gtest/gtest.h>

#include "SkinGeometry.h"

namespace {

TEST(SkinGeometryTest, ProgressFillKeepsTwoCapsAndACapOfEmptinessUntilFull)
{
    const struct {
        int width, cap, position, filled;
    } cases[] = {
        // A wide bar (200 pixels, caps of 4).
        {200, 4, 0, 0},
        {200, 4, 1, 8},    // 2 pixels would be less than two caps
        {200, 4, 50, 100},
        {200, 4, 98, 196}, // exactly a cap left: stays
        {200, 4, 99, 196}, // 198 would leave less than a cap: a cap before the end
        {200, 4, 100, 200},
        // A narrow bar (30 pixels, caps of 4).
        {30, 4, 0, 0},
        {30, 4, 1, 0},     // 30 / 100 rounds to nothing filled
        {30, 4, 4, 8},     // 1 pixel: two caps
        {30, 4, 50, 15},
        {30, 4, 99, 26},   // 29 would leave 1 pixel: 30 - 4
        {30, 4, 100, 30},
        // Out-of-range positions are held to 0-100.
        {30, 4, -5, 0},
        {30, 4, 140, 30},
        // A bar narrower than its caps never fills past its width.
        {6, 4, 50, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(progressFill(c.position, c.width, c.cap), c.filled)
            << c.width << " wide, cap " << c.cap << ", at " << c.position;
}

TEST(SkinGeometryTest, ThreePartFacesShortenTheirCapsOnNarrowFaces)
{
    const struct {
        int width, cap;
        ThreePart pieces;
    } cases[] = {
        {60, 10, {10, 40, 10}},
        {21, 10, {10, 1, 10}},
        {20, 10, {10, 0, 10}},
        {9, 10, {4, 1, 4}},
        {0, 10, {0, 0, 0}},
        {-3, 10, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        const ThreePart got = threePartPieces(c.width, c.cap);
        EXPECT_EQ(got.leftWidth, c.pieces.leftWidth) << c.width;
        EXPECT_EQ(got.middleWidth, c.pieces.middleWidth) << c.width;
        EXPECT_EQ(got.rightWidth, c.pieces.rightWidth) << c.width;
    }
    EXPECT_EQ(capOf(21), 10);
    EXPECT_EQ(capOf(9), 4);
}

} // namespace
