// Lines and rectangles: which pixels a line covers (its end left out), wide pens, the current
// position, and a rectangle's outline and filling with and without a pen.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "TestDevice.h"
#include "windows.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

constexpr COLORREF ink = RGB(0, 0, 0);
constexpr COLORREF paper = RGB(255, 255, 255);

class LinesTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;

    void SetUp() override
    {
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateCompatibleBitmap(dc, 8, 8);
        SelectObject(dc, bitmap);
        clear();
    }
    void TearDown() override
    {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    void clear() { PatBlt(dc, 0, 0, 8, 8, WHITENESS); }
    // The pixels of a colour.
    Pixels pixelsOf(COLORREF colour)
    {
        Pixels found;
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                if (GetPixel(dc, x, y) == colour)
                    found.insert({x, y});
            }
        }
        return found;
    }
};

TEST_F(LinesTest, ALineCoversItsPixelsButNotItsEnd)
{
    struct Case {
        POINT from, to;
        Pixels drawn;
    };
    const Case cases[] = {
        {{0, 0}, {4, 0}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
        {{4, 2}, {0, 2}, {{4, 2}, {3, 2}, {2, 2}, {1, 2}}},
        {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        {{3, 0}, {0, 3}, {{3, 0}, {2, 1}, {1, 2}}},
        {{1, 1}, {2, 5}, {{1, 1}, {1, 2}, {2, 3}, {2, 4}}},
        {{2, 2}, {2, 2}, {}},
        {{-2, 0}, {2, 0}, {{0, 0}, {1, 0}}}, // off the bitmap is clipped
        {{-2000000000, 3}, {-1000000000, 3}, {}}, // far away: done at once
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.x << "," << c.from.y << " -> " << c.to.x << "," << c.to.y);
        clear();
        POINT before {};
        ASSERT_TRUE(MoveToEx(dc, c.from.x, c.from.y, &before));
        ASSERT_TRUE(LineTo(dc, c.to.x, c.to.y));
        EXPECT_EQ(pixelsOf(ink), c.drawn);
        POINT now {};
        MoveToEx(dc, 0, 0, &now);
        EXPECT_EQ(now.x, c.to.x); // LineTo moved the current position to its end
        EXPECT_EQ(now.y, c.to.y);
    }
}

TEST_F(LinesTest, PensGiveColourAndWidthAndTheNullPenDrawsNothing)
{
    HPEN wide = CreatePen(PS_SOLID, 3, RGB(255, 0, 0));
    ASSERT_NE(wide, nullptr);
    HGDIOBJ old = SelectObject(dc, wide);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), wide);
    MoveToEx(dc, 2, 4, nullptr);
    LineTo(dc, 3, 4);
    EXPECT_EQ(pixelsOf(RGB(255, 0, 0)), (Pixels {{1, 3}, {2, 3}, {3, 3}, {1, 4}, {2, 4}, {3, 4}, {1, 5}, {2, 5}, {3, 5}}));
    EXPECT_FALSE(DeleteObject(wide)); // still selected
    SelectObject(dc, GetStockObject(NULL_PEN));
    clear();
    const POINT zigzag[] = {{0, 0}, {7, 0}, {0, 7}};
    EXPECT_TRUE(Polyline(dc, zigzag, 3));
    EXPECT_EQ(pixelsOf(paper).size(), 64U);
    SelectObject(dc, old);
    EXPECT_TRUE(DeleteObject(wide));
    EXPECT_EQ(CreatePen(42, 1, ink), nullptr);
    EXPECT_FALSE(Polyline(dc, zigzag, 1));
}

TEST_F(LinesTest, APolylineJoinsItsPointsLeavingOutTheLast)
{
    const POINT corner[] = {{0, 0}, {2, 0}, {2, 2}};
    ASSERT_TRUE(Polyline(dc, corner, 3));
    EXPECT_EQ(pixelsOf(ink), (Pixels {{0, 0}, {1, 0}, {2, 0}, {2, 1}}));
}

TEST_F(LinesTest, ARectangleIsOutlinedByThePenAndFilledByTheBrush)
{
    SelectObject(dc, GetStockObject(GRAY_BRUSH));
    ASSERT_TRUE(Rectangle(dc, 1, 1, 5, 4));
    EXPECT_EQ(pixelsOf(RGB(128, 128, 128)), (Pixels {{2, 2}, {3, 2}}));
    EXPECT_EQ(pixelsOf(ink), (Pixels {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 2}, {4, 2}, {1, 3}, {2, 3}, {3, 3}, {4, 3}}));

    // Without a pen the filled area loses its last row and column; corners may come in any order.
    clear();
    SelectObject(dc, GetStockObject(NULL_PEN));
    ASSERT_TRUE(Rectangle(dc, 4, 3, 1, 0));
    EXPECT_EQ(pixelsOf(RGB(128, 128, 128)), (Pixels {{1, 0}, {2, 0}, {1, 1}, {2, 1}}));
    EXPECT_TRUE(pixelsOf(ink).empty());

    EXPECT_FALSE(Rectangle(nullptr, 0, 0, 1, 1));
}

} // namespace
