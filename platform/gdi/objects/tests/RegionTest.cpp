// The Region type itself: combinations of overlapping, touching and distant rectangles checked
// pixel by pixel, the kinds and boxes they answer, ellipses' symmetry and bounds, and the
// coordinate limits.
#include <gtest/gtest.h>

#include "gdi/objects/Region.h"

namespace {

using ce::gdi::Region;

bool rule(int mode, bool inA, bool inB)
{
    switch (mode) {
    case RGN_AND:
        return inA && inB;
    case RGN_OR:
        return inA || inB;
    case RGN_XOR:
        return inA != inB;
    case RGN_DIFF:
        return inA && !inB;
    default:
        return inA;
    }
}

TEST(RegionTest, CombinationsHoldExactlyThePixelsTheirModeKeeps)
{
    struct Case {
        RECT a, b;
        int mode;
        int kind;
        RECT box;
    };
    const Case cases[] = {
        {{0, 0, 4, 4}, {2, 2, 6, 6}, RGN_AND, SIMPLEREGION, {2, 2, 4, 4}},
        {{0, 0, 4, 4}, {2, 2, 6, 6}, RGN_OR, COMPLEXREGION, {0, 0, 6, 6}},
        {{0, 0, 4, 4}, {2, 2, 6, 6}, RGN_XOR, COMPLEXREGION, {0, 0, 6, 6}},
        {{0, 0, 4, 4}, {2, 2, 6, 6}, RGN_DIFF, COMPLEXREGION, {0, 0, 4, 4}},
        {{0, 0, 4, 4}, {2, 2, 6, 6}, RGN_COPY, SIMPLEREGION, {0, 0, 4, 4}},
        {{0, 0, 4, 4}, {4, 0, 8, 4}, RGN_OR, SIMPLEREGION, {0, 0, 8, 4}}, // side by side: one rectangle
        {{0, 0, 4, 4}, {0, 4, 4, 7}, RGN_OR, SIMPLEREGION, {0, 0, 4, 7}}, // stacked
        {{0, 0, 4, 4}, {4, 0, 8, 4}, RGN_AND, NULLREGION, {0, 0, 0, 0}},
        {{0, 0, 4, 6}, {0, 2, 4, 4}, RGN_DIFF, COMPLEXREGION, {0, 0, 4, 6}}, // a band cut out
        {{0, 0, 4, 6}, {-1, -1, 5, 7}, RGN_DIFF, NULLREGION, {0, 0, 0, 0}},
        {{0, 0, 6, 6}, {2, 2, 4, 4}, RGN_XOR, COMPLEXREGION, {0, 0, 6, 6}}, // a hole
        {{0, 0, 2, 2}, {5, 5, 7, 7}, RGN_OR, COMPLEXREGION, {0, 0, 7, 7}},
        {{0, 0, 0, 0}, {1, 1, 3, 3}, RGN_OR, SIMPLEREGION, {1, 1, 3, 3}},
        {{1, 1, 3, 3}, {0, 0, 0, 0}, RGN_XOR, SIMPLEREGION, {1, 1, 3, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " b " << c.b.left << "," << c.b.top);
        const Region a = ce::gdi::rectRegion(c.a);
        const Region b = ce::gdi::rectRegion(c.b);
        const Region result = ce::gdi::combineRegions(a, b, c.mode);
        for (int y = -2; y < 9; ++y) {
            for (int x = -2; x < 9; ++x)
                ASSERT_EQ(result.contains(x, y), rule(c.mode, a.contains(x, y), b.contains(x, y))) << x << "," << y;
        }
        EXPECT_EQ(ce::gdi::regionKind(result), c.kind);
        const RECT box = result.bounds();
        EXPECT_TRUE(EqualRect(&box, &c.box)) << box.left << "," << box.top << "," << box.right << "," << box.bottom;
    }
}

TEST(RegionTest, EqualSetsCompareEqualHoweverTheyWereMade)
{
    const Region a = ce::gdi::ellipticRegion({0, 0, 9, 7});
    const Region b = ce::gdi::rectRegion({3, 2, 12, 5});
    const auto combine = ce::gdi::combineRegions;
    EXPECT_EQ(combine(combine(a, b, RGN_XOR), b, RGN_XOR), a);
    EXPECT_EQ(combine(combine(a, b, RGN_OR), a, RGN_AND), a);
    EXPECT_EQ(combine(combine(a, b, RGN_DIFF), combine(a, b, RGN_AND), RGN_OR), a);
    // Empty regions are equal wherever they came from.
    Region moved = ce::gdi::rectRegion({5, 5, 5, 9});
    moved.offset(100, 100);
    EXPECT_EQ(moved, Region {});
    EXPECT_EQ(combine(a, a, RGN_DIFF), Region {});
    EXPECT_NE(combine(a, b, RGN_OR), a);
}

TEST(RegionTest, EllipsesAreSymmetricAndFillTheirRectangle)
{
    struct Case {
        RECT r;
        bool rounded; // its corners are left out
    };
    const Case cases[] = {{{0, 0, 1, 1}, false}, {{0, 0, 2, 2}, false}, {{3, 4, 6, 9}, true}, {{-5, 2, 0, 5}, true},
        {{0, 0, 8, 8}, true}, {{10, 10, 17, 14}, true}, {{0, 0, 2, 16}, false}, {{0, 0, 16, 2}, false},
        {{0, 0, 16, 3}, true}, {{-20, -9, 11, 8}, true}, {{0, 0, 1, 12}, false}};
    for (const auto& [r, rounded] : cases) {
        SCOPED_TRACE(testing::Message() << r.left << "," << r.top << "," << r.right << "," << r.bottom);
        const Region ellipse = ce::gdi::ellipticRegion(r);
        const RECT box = ellipse.bounds();
        EXPECT_TRUE(EqualRect(&box, &r)) << box.left << "," << box.top << "," << box.right << "," << box.bottom;
        for (int y = r.top; y < r.bottom; ++y) {
            EXPECT_EQ(ellipse.spansOf(y).size(), 1U) << "row " << y; // convex: one span a row
            for (int x = r.left; x < r.right; ++x) {
                const bool in = ellipse.contains(x, y);
                ASSERT_EQ(ellipse.contains(r.left + r.right - 1 - x, y), in) << x << "," << y;
                ASSERT_EQ(ellipse.contains(x, r.top + r.bottom - 1 - y), in) << x << "," << y;
            }
        }
        EXPECT_EQ(ellipse.contains(r.left, r.top), !rounded);
        EXPECT_EQ(ce::gdi::regionKind(ellipse), rounded ? COMPLEXREGION : SIMPLEREGION);
    }
    EXPECT_TRUE(ce::gdi::ellipticRegion({0, 0, 0, 5}).empty());
    EXPECT_TRUE(ce::gdi::ellipticRegion({4, 0, 2, 5}).empty());
}

TEST(RegionTest, RegionsStayWithinTheirCoordinateLimits)
{
    constexpr int limit = ce::gdi::regionLimit;
    const Region huge = ce::gdi::rectRegion({-2000000000, -2000000000, 2000000000, 2000000000});
    const RECT box = huge.bounds();
    const RECT limits {-limit, -limit, limit, limit};
    EXPECT_TRUE(EqualRect(&box, &limits));
    EXPECT_EQ(ce::gdi::regionKind(huge), SIMPLEREGION);
    const Region ellipse = ce::gdi::ellipticRegion({-2000000000, -5, 2000000000, 5});
    EXPECT_EQ(ellipse.bounds().left, -limit);
    EXPECT_EQ(ellipse.rows.size(), 10U);
    // An empty region moved far away does not stretch a combination over the rows between.
    Region empty;
    empty.offset(0, 1000000000);
    const Region small = ce::gdi::rectRegion({0, 0, 2, 2});
    EXPECT_EQ(ce::gdi::combineRegions(empty, small, RGN_OR).rows.size(), 2U);
    EXPECT_EQ(ce::gdi::combineRegions(small, empty, RGN_OR).rows.size(), 2U);
}

} // namespace
