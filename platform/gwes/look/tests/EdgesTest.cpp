// DrawEdge's colours for every kind of edge, its corners, partial sides, BF_MIDDLE and
// BF_ADJUST; DrawFocusRect's dots and its undoing by a second call.
#include <gtest/gtest.h>

#include "LookTestSupport.h"

namespace {

class EdgeTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
};

constexpr COLORREF untouched = RGB(0x12, 0x34, 0x56);

TEST_F(EdgeTest, EachEdgeKindTakesItsSystemColours)
{
    struct Case {
        const char* name;
        UINT edge;
        UINT flags;
        int outerLight, innerLight, outerDark, innerDark; // colour numbers, -1: not drawn
    };
    const Case cases[] = {
        {"raised", EDGE_RAISED, 0, COLOR_3DLIGHT, COLOR_3DHILIGHT, COLOR_3DDKSHADOW, COLOR_3DSHADOW},
        {"sunken", EDGE_SUNKEN, 0, COLOR_3DSHADOW, COLOR_3DDKSHADOW, COLOR_3DHILIGHT, COLOR_3DLIGHT},
        {"etched", EDGE_ETCHED, 0, COLOR_3DSHADOW, COLOR_3DHILIGHT, COLOR_3DHILIGHT, COLOR_3DSHADOW},
        {"bump", EDGE_BUMP, 0, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
        {"soft raised", EDGE_RAISED, BF_SOFT, COLOR_3DHILIGHT, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DSHADOW},
        {"soft sunken", EDGE_SUNKEN, BF_SOFT, COLOR_3DDKSHADOW, COLOR_3DSHADOW, COLOR_3DHILIGHT, COLOR_3DLIGHT},
        {"flat", EDGE_RAISED, BF_FLAT, COLOR_3DSHADOW, COLOR_3DFACE, COLOR_3DSHADOW, COLOR_3DFACE},
        {"mono", EDGE_SUNKEN, BF_MONO, COLOR_WINDOWFRAME, COLOR_WINDOW, COLOR_WINDOWFRAME, COLOR_WINDOW},
        {"inner only", BDR_RAISEDINNER, 0, COLOR_3DHILIGHT, -1, COLOR_3DSHADOW, -1},
        {"outer only", BDR_SUNKENOUTER, 0, COLOR_3DSHADOW, -1, COLOR_3DHILIGHT, -1},
    };
    const auto color = [](int index) { return index < 0 ? untouched : GetSysColor(index); };
    for (const Case& c : cases) {
        look_test::Canvas canvas(10, 10, untouched);
        RECT rect {0, 0, 10, 10};
        ASSERT_TRUE(DrawEdge(canvas.dc(), &rect, c.edge, c.flags | BF_RECT)) << c.name;
        EXPECT_EQ(canvas.at(0, 5), color(c.outerLight)) << c.name << " left";
        EXPECT_EQ(canvas.at(5, 0), color(c.outerLight)) << c.name << " top";
        EXPECT_EQ(canvas.at(1, 5), color(c.innerLight)) << c.name << " inner left";
        EXPECT_EQ(canvas.at(9, 5), color(c.outerDark)) << c.name << " right";
        EXPECT_EQ(canvas.at(5, 9), color(c.outerDark)) << c.name << " bottom";
        EXPECT_EQ(canvas.at(8, 5), color(c.innerDark)) << c.name << " inner right";
        EXPECT_EQ(canvas.at(9, 0), color(c.outerDark)) << c.name << " top-right corner belongs to the right";
        EXPECT_EQ(canvas.at(0, 9), color(c.outerDark)) << c.name << " bottom-left corner belongs to the bottom";
        EXPECT_EQ(canvas.at(5, 5), untouched) << c.name << " middle";
        EXPECT_EQ(rect.left, 0) << c.name << " no BF_ADJUST";
    }
}

TEST_F(EdgeTest, SidesMiddleAndAdjusting)
{
    struct Case {
        UINT edge;
        UINT flags;
        RECT adjusted;
        COLORREF middle;
    };
    const Case cases[] = {
        {EDGE_RAISED, BF_RECT | BF_ADJUST, {2, 2, 8, 8}, untouched},
        {EDGE_RAISED, BF_RECT | BF_ADJUST | BF_MIDDLE, {2, 2, 8, 8}, GetSysColor(COLOR_3DFACE)},
        {EDGE_SUNKEN, BF_RECT | BF_MONO | BF_MIDDLE | BF_ADJUST, {2, 2, 8, 8}, GetSysColor(COLOR_WINDOW)},
        {BDR_RAISEDINNER, BF_LEFT | BF_BOTTOM | BF_ADJUST, {1, 0, 10, 9}, untouched},
        {EDGE_ETCHED, BF_TOP | BF_ADJUST, {0, 2, 10, 10}, untouched},
    };
    for (const Case& c : cases) {
        look_test::Canvas canvas(10, 10, untouched);
        RECT rect {0, 0, 10, 10};
        ASSERT_TRUE(DrawEdge(canvas.dc(), &rect, c.edge, c.flags));
        EXPECT_TRUE(EqualRect(&rect, &c.adjusted))
            << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
        EXPECT_EQ(canvas.at(5, 5), c.middle);
    }
    // A top side alone runs the whole width: no right side claims the corner.
    look_test::Canvas canvas(10, 10, untouched);
    RECT rect {0, 0, 10, 10};
    DrawEdge(canvas.dc(), &rect, BDR_RAISEDOUTER, BF_TOP);
    EXPECT_EQ(canvas.at(9, 0), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(canvas.at(0, 1), untouched);

    EXPECT_FALSE(DrawEdge(canvas.dc(), nullptr, EDGE_RAISED, BF_RECT));
    EXPECT_FALSE(DrawEdge(reinterpret_cast<HDC>(static_cast<intptr_t>(0x77)), &rect, EDGE_RAISED, BF_RECT));
}

TEST_F(EdgeTest, FocusRectanglesAreDottedAndUndoneByASecondCall)
{
    const RECT rects[] = {{1, 1, 9, 7}, {2, 2, 3, 6}, {0, 3, 10, 4}, {-3, -3, 5, 5}, {4, 4, 4, 8}};
    for (const RECT& r : rects) {
        look_test::Canvas canvas(10, 8, untouched);
        for (int i = 0; i < 10; ++i)
            SetPixel(canvas.dc(), i, i % 8, RGB(i * 20, 255 - i * 20, 7));
        const auto before = canvas.pixels();
        ASSERT_TRUE(DrawFocusRect(canvas.dc(), &r));
        const auto once = canvas.pixels();
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                const size_t at = static_cast<size_t>(y * canvas.width() + x);
                const bool outline = (x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1) && x >= r.left
                    && x < r.right && y >= r.top && y < r.bottom;
                const bool dot = outline && (x + y) % 2 == 0;
                EXPECT_EQ(once[at], dot ? (~before[at] & 0x00FFFFFF) : before[at]) << x << "," << y;
            }
        }
        ASSERT_TRUE(DrawFocusRect(canvas.dc(), &r));
        EXPECT_EQ(canvas.pixels(), before);
    }
    EXPECT_FALSE(DrawFocusRect(nullptr, &rects[0]));
}

} // namespace
