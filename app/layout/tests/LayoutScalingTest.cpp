// The layout tables scaled from the design screen to screens of every size, orientation and
// resolution, with the expected rectangles worked out by hand.
#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "LayoutScaling.h"

namespace {

using Corners = std::array<LONG, 4>;

Corners corners(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// Numerator and denominator of shortSide, longSide, squareLongSide, clientHeight.
std::array<LONG, 8> factors(const ScreenScale& scale)
{
    return {scale.shortSide.numerator, scale.shortSide.denominator, scale.longSide.numerator,
            scale.longSide.denominator, scale.squareLongSide.numerator,
            scale.squareLongSide.denominator, scale.clientHeight.numerator,
            scale.clientHeight.denominator};
}

// Rectangles as left, top, right, bottom; the comments give x, y, width, height.
std::vector<LayoutEntry> designTable()
{
    return {
        // 10,30,100,100  20,24,200,60  6,40,100,50
        {1000, {{10, 30, 110, 130}, {20, 24, 220, 84}, {6, 40, 106, 90}}},
        // the product bitmap: 70,100,100,50  110,60,100,50  70,80,100,50
        {109, {{70, 100, 170, 150}, {110, 60, 210, 110}, {70, 80, 170, 130}}},
        // -10,0,60,10 in all three
        {1001, {{-10, 0, 50, 10}, {-10, 0, 50, 10}, {-10, 0, 50, 10}}},
        {0, {}},
        {1002, {{1, 2, 3, 4}, {1, 2, 3, 4}, {1, 2, 3, 4}}}, // past the end: never touched
    };
}

TEST(LayoutTest, OrientationComparesWidthWithHeight)
{
    const struct { int width, height; Orientation expected; } cases[] = {
        {240, 320, portrait}, {320, 240, landscape}, {240, 240, square}, {480, 481, portrait}, {481, 480, landscape},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(orientationOf(c.width, c.height), c.expected) << c.width << "x" << c.height;
    }
}

TEST(LayoutTest, ScreenFactorsAreReducedFractionsAndScaleTheTitleRules)
{
    // Factors as numerator, denominator of W/240, H/320, H/240 and C/D; then the title rule's
    // height in portrait, landscape and square.
    const struct {
        int width, height;
        bool highResolution;
        std::array<LONG, 8> factors;
        std::array<LONG, 3> rules;
    } cases[] = {
        // Design screens in either orientation, also doubled, keep everything. On 240×240 the
        // square design applies: without it, landscape would shrink by 240/320 and portrait by 188/268.
        {240, 320, false, {1, 1, 1, 1, 1, 1, 1, 1}, {22, 20, 22}},
        {320, 240, false, {1, 1, 1, 1, 1, 1, 1, 1}, {22, 20, 22}},
        {240, 240, false, {1, 1, 1, 1, 1, 1, 1, 1}, {22, 20, 22}},
        {480, 640, true, {1, 1, 1, 1, 1, 1, 1, 1}, {22, 20, 22}},
        {640, 480, true, {1, 1, 1, 1, 1, 1, 1, 1}, {22, 20, 22}},
        {480, 480, true, {1, 1, 1, 1, 1, 1, 1, 1}, {22, 20, 22}},
        {200, 320, false, {5, 6, 1, 1, 4, 3, 1, 1}, {22, 16, 22}},        // 268/268; 20·5/6 = 16.7
        {240, 352, false, {1, 1, 11, 10, 22, 15, 75, 67}, {24, 20, 24}},  // (352-52)/268 = 300/268; 22·75/67 = 24.6
        {240, 400, false, {1, 1, 5, 4, 5, 3, 87, 67}, {28, 20, 28}},      // 348/268; 22·87/67 = 28.6
        {480, 800, true, {1, 1, 5, 4, 5, 3, 87, 67}, {28, 20, 28}},       // halved to 240×400
        {800, 480, true, {1, 1, 5, 4, 5, 3, 87, 67}, {28, 20, 28}},
        {320, 320, false, {4, 3, 1, 1, 4, 3, 125, 94}, {29, 26, 29}},     // W > 240: 250/188; 22·125/94 = 29.3
        {480, 640, false, {2, 1, 2, 1, 8, 3, 285, 134}, {46, 40, 46}},    // (640-70)/268 = 570/268; 22·285/134 = 46.8
    };
    for (const auto& c : cases) {
        const ScreenScale scale = screenScaleOf(c.width, c.height, c.highResolution);
        const std::string screen = std::to_string(c.width) + "x" + std::to_string(c.height)
            + (c.highResolution ? " high resolution" : "");
        EXPECT_EQ(factors(scale), c.factors) << screen;
        const std::array rules {titleRuleHeight(portrait, scale), titleRuleHeight(landscape, scale),
                                titleRuleHeight(square, scale)};
        EXPECT_EQ(rules, c.rules) << screen;
    }
}

TEST(LayoutTest, EachOrientationScalesByItsOwnFactorsAndTruncates)
{
    const struct { int width, height; size_t entry; Orientation orientation; Corners expected; } cases[] = {
        // 240×400: W/240 = 1, H/320 = 5/4, H/240 = 5/3, C/D = 87/67.
        {240, 400, 0, portrait, {10, 38, 110, 167}},   // y 30·87/67 = 38.9, h 100·87/67 = 129.9
        {240, 400, 0, landscape, {25, 24, 275, 84}},   // x 20·5/4, w 200·5/4 = 250
        {240, 400, 0, square, {6, 66, 106, 130}},      // y 40·5/3 = 66.7, h 50·87/67 = 64.9
        {240, 400, 1, portrait, {70, 129, 170, 179}},  // y 100·87/67 = 129.9; size kept
        {240, 400, 1, landscape, {149, 60, 249, 110}}, // x 110·5/4 = 137, w 125: x 137 + (125-100)/2
        {240, 400, 1, square, {70, 133, 170, 183}},    // y 80·5/3 = 133.3
        {240, 400, 2, portrait, {-10, 0, 50, 12}},     // h 10·87/67 = 12.9
        {240, 400, 2, landscape, {-12, 0, 63, 10}},    // x -10·5/4 = -12.5 toward zero, w 75
        // 320×320: W/240 = 4/3, H/320 = 1, H/240 = 4/3, C/D = 125/94.
        {320, 320, 0, portrait, {13, 39, 146, 171}},   // x 13.3, w 133.3, y 30·125/94 = 39.9, h 132.9
        {320, 320, 0, landscape, {20, 32, 220, 112}},  // y 24·4/3, h 60·4/3
        {320, 320, 0, square, {8, 53, 141, 119}},      // x 8, w 133, y 53.3, h 50·125/94 = 66.5
        {320, 320, 1, portrait, {109, 132, 209, 182}}, // x 93 + (133-100)/2, y 100·125/94 = 132.9
        {320, 320, 1, landscape, {110, 80, 210, 130}}, // y 60·4/3
        {320, 320, 1, square, {109, 106, 209, 156}},   // y 80·4/3 = 106.7
        {320, 320, 2, square, {-13, 0, 67, 13}},       // x -13.3 toward zero (tables hold no negatives)
    };
    for (const auto& c : cases) {
        std::vector<LayoutEntry> table = designTable();
        scaleLayoutTable(table, screenScaleOf(c.width, c.height, false));
        EXPECT_EQ(corners(table[c.entry].rects[c.orientation]), c.expected)
            << c.width << "x" << c.height << " entry " << c.entry << " orientation " << c.orientation;
        EXPECT_EQ(corners(table[4].rects[c.orientation]), (Corners{1, 2, 3, 4})) << "entry past the end";
    }
}

TEST(LayoutTest, TitleBarButtonsAndProductBitmapKeepTheirHeight)
{
    // On 320×320 a height of 18 becomes 23 in portrait (·125/94) and 24 in landscape (·4/3).
    const struct { int id; LONG portraitHeight, landscapeHeight; } cases[] = {
        {1050, 18, 18}, {1055, 18, 18}, {1192, 18, 18}, {109, 18, 18}, {1051, 23, 24}, {1191, 23, 24},
    };
    for (const auto& c : cases) {
        LayoutEntry table[] = {{c.id, {{200, 4, 236, 22}, {280, 4, 316, 22}, {200, 4, 236, 22}}}};
        scaleLayoutTable(table, screenScaleOf(320, 320, false));
        EXPECT_EQ(table[0].rects[portrait].bottom - table[0].rects[portrait].top, c.portraitHeight) << c.id;
        EXPECT_EQ(table[0].rects[landscape].bottom - table[0].rects[landscape].top, c.landscapeHeight) << c.id;
    }
}

TEST(LayoutTest, DoublingAndHalvingRectanglesAndTables)
{
    EXPECT_EQ(corners(doubled({1, 2, 3, 5})), (Corners{2, 4, 6, 10}));
    EXPECT_EQ(corners(halved({1, 2, 3, 5})), (Corners{0, 1, 1, 2}));

    std::vector<LayoutEntry> table = designTable();
    doubleLayoutTable(table);
    EXPECT_EQ(corners(table[0].rects[landscape]), (Corners{40, 48, 440, 168}));
    EXPECT_EQ(corners(table[4].rects[square]), (Corners{1, 2, 3, 4})) << "entry past the end";
    halveLayoutTable(table);
    EXPECT_EQ(corners(table[0].rects[landscape]), (Corners{20, 24, 220, 84}));
    EXPECT_EQ(corners(table[2].rects[portrait]), (Corners{-10, 0, 50, 10}));
}

} // namespace
