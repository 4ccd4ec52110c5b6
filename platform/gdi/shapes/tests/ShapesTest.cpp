// Shapes: ellipses and rounded rectangles stay in their box, are symmetric and are outlined by
// the pen around the brush's fill; polygons fill by the alternate rule within their points'
// bounding box; shapes far larger than the bitmap finish and paint what shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "ShapeCanvas.h"

namespace {

using namespace shape_tests;

class ShapesTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    ShapeCanvas canvas;
};

// Whether every filled pixel has painted pixels all round it (the fill lies inside the outline).
bool fillIsEnclosed(const Pixels& filled, const Pixels& painted)
{
    return std::all_of(filled.begin(), filled.end(), [&](const auto& p) {
        const auto [x, y] = p;
        return painted.count({x - 1, y}) && painted.count({x + 1, y}) && painted.count({x, y - 1})
            && painted.count({x, y + 1});
    });
}

TEST_F(ShapesTest, RoundedShapesStayInTheirBoxAndAreSymmetric)
{
    struct Case {
        const char* name;
        RECT box;
        std::function<BOOL(HDC, const RECT&)> draw;
    };
    const auto ellipse = [](HDC dc, const RECT& r) { return Ellipse(dc, r.left, r.top, r.right, r.bottom); };
    const auto rounded = [](int w, int h) {
        return [w, h](HDC dc, const RECT& r) { return RoundRect(dc, r.left, r.top, r.right, r.bottom, w, h); };
    };
    const Case cases[] = {
        {"ellipse", {2, 3, 20, 15}, ellipse},
        {"circle", {0, 0, 24, 24}, ellipse},
        {"tall ellipse", {5, 5, 10, 20}, ellipse},
        {"small ellipse", {4, 4, 9, 9}, ellipse},
        {"round rect", {2, 2, 20, 18}, rounded(6, 6)},
        {"round rect, odd corners", {1, 3, 22, 12}, rounded(5, 7)},
        {"round rect, corners too big", {3, 1, 21, 13}, rounded(40, 40)},
    };
    for (const Case& c : cases) {
        for (const bool withPen : {true, false}) {
            SCOPED_TRACE(testing::Message() << c.name << (withPen ? " with pen" : " without pen"));
            canvas.clear();
            SelectObject(canvas.dc, GetStockObject(withPen ? BLACK_PEN : NULL_PEN));
            ASSERT_TRUE(c.draw(canvas.dc, c.box));
            // Without a pen the shape is one pixel smaller to the right and below.
            const RECT box = withPen ? c.box : RECT {c.box.left, c.box.top, c.box.right - 1, c.box.bottom - 1};
            const Pixels painted = canvas.painted();
            EXPECT_TRUE(within(painted, box));
            EXPECT_EQ(mirrored(painted, box, true, false), painted);
            EXPECT_EQ(mirrored(painted, box, false, true), painted);
            // It reaches all four sides of its box.
            const int midX = (box.left + box.right) / 2;
            const int midY = (box.top + box.bottom) / 2;
            EXPECT_TRUE(painted.count({box.left, midY}) && painted.count({box.right - 1, midY}));
            EXPECT_TRUE(painted.count({midX, box.top}) && painted.count({midX, box.bottom - 1}));
            EXPECT_FALSE(painted.count({box.left, box.top})); // a rounded corner
            const Pixels filled = canvas.pixelsOf(fill);
            EXPECT_TRUE(filled.count({midX, midY}));
            if (withPen) {
                EXPECT_TRUE(canvas.pixelsOf(ink).count({midX, box.top}));
                EXPECT_TRUE(fillIsEnclosed(filled, painted));
            } else {
                EXPECT_TRUE(canvas.pixelsOf(ink).empty());
            }
        }
    }
}

TEST_F(ShapesTest, RoundRectRunsFromRectangleToEllipse)
{
    const RECT box {2, 3, 19, 16};
    const auto pixelsAfter = [&](const std::function<void()>& draw) {
        canvas.clear();
        draw();
        return std::make_pair(canvas.pixelsOf(ink), canvas.pixelsOf(fill));
    };
    const auto roundRect = [&](int w, int h) {
        return pixelsAfter([&] { RoundRect(canvas.dc, box.left, box.top, box.right, box.bottom, w, h); });
    };
    const auto rectangle = pixelsAfter([&] { Rectangle(canvas.dc, box.left, box.top, box.right, box.bottom); });
    const auto ellipse = pixelsAfter([&] { Ellipse(canvas.dc, box.left, box.top, box.right, box.bottom); });
    EXPECT_EQ(roundRect(0, 0), rectangle);
    EXPECT_EQ(roundRect(0, 8), rectangle);
    EXPECT_EQ(roundRect(box.right - box.left, box.bottom - box.top), ellipse);
    EXPECT_EQ(roundRect(-100, 100), ellipse);
    // In between, the straight parts of the sides are the rectangle's.
    const auto [outline, inside] = roundRect(6, 4);
    for (int x = box.left + 3; x < box.right - 3; ++x)
        EXPECT_TRUE(outline.count({x, box.top}) && outline.count({x, box.bottom - 1})) << x;
    for (int y = box.top + 2; y < box.bottom - 2; ++y)
        EXPECT_TRUE(outline.count({box.left, y}) && outline.count({box.right - 1, y})) << y;
    EXPECT_FALSE(outline.count({box.left, box.top}));
    EXPECT_FALSE(inside.empty());
}

TEST_F(ShapesTest, PolygonsFillByTheAlternateRuleWithinTheirBoundingBox)
{
    struct Case {
        const char* name;
        std::vector<POINT> points;
        std::vector<POINT> filled; // inside by the alternate rule
        std::vector<POINT> empty; // inside the box but not the polygon
    };
    const Case cases[] = {
        {"triangle", {{2, 2}, {20, 5}, {8, 18}}, {{9, 8}}, {{18, 16}, {3, 16}}},
        {"rectangle", {{2, 2}, {10, 2}, {10, 8}, {2, 8}}, {{2, 2}, {9, 7}}, {}},
        {"concave", {{2, 2}, {12, 2}, {12, 8}, {6, 8}, {6, 18}, {2, 18}}, {{4, 12}, {10, 4}}, {{9, 12}}},
        {"star", {{12, 2}, {18, 20}, {2, 9}, {22, 9}, {6, 20}}, {{12, 5}, {4, 9}, {15, 17}}, {{12, 12}}},
        {"line", {{3, 3}, {15, 9}}, {}, {}},
    };
    for (const Case& c : cases) {
        const auto [minX, maxX]
            = std::minmax_element(c.points.begin(), c.points.end(), [](POINT a, POINT b) { return a.x < b.x; });
        const auto [minY, maxY]
            = std::minmax_element(c.points.begin(), c.points.end(), [](POINT a, POINT b) { return a.y < b.y; });
        for (const bool withPen : {true, false}) {
            SCOPED_TRACE(testing::Message() << c.name << (withPen ? " with pen" : " without pen"));
            canvas.clear();
            SelectObject(canvas.dc, GetStockObject(withPen ? BLACK_PEN : NULL_PEN));
            ASSERT_TRUE(Polygon(canvas.dc, c.points.data(), static_cast<int>(c.points.size())));
            const Pixels painted = canvas.painted();
            // The pen covers the points themselves; the fill alone leaves the last column and row.
            const int reach = withPen ? 1 : 0;
            EXPECT_TRUE(within(painted, {minX->x, minY->y, maxX->x + reach, maxY->y + reach}));
            const Pixels outline = canvas.pixelsOf(ink);
            for (const POINT& p : c.points)
                EXPECT_EQ(outline.count({p.x, p.y}), withPen ? 1U : 0U) << p.x << "," << p.y;
            for (const POINT& p : c.filled)
                EXPECT_TRUE(painted.count({p.x, p.y})) << p.x << "," << p.y;
            for (const POINT& p : c.empty)
                EXPECT_FALSE(painted.count({p.x, p.y})) << p.x << "," << p.y;
        }
    }
    // Without a pen a rectangular polygon fills exactly its half-open box, as Rectangle does.
    canvas.clear();
    const POINT box[] = {{2, 2}, {10, 2}, {10, 8}, {2, 8}};
    Polygon(canvas.dc, box, 4);
    EXPECT_EQ(canvas.pixelsOf(fill).size(), 8U * 6U);
}

TEST_F(ShapesTest, ShapesFarLargerThanTheBitmapFinishAndPaintWhatShows)
{
    constexpr int far = 2000000000;
    const std::function<void()> shapes[] = {
        [&] { Rectangle(canvas.dc, -far, -far, far, far); },
        [&] { Ellipse(canvas.dc, -far, -far, far, far); },
        [&] { RoundRect(canvas.dc, -far, -far, far, far, far, far); },
        [&] {
            SelectObject(canvas.dc, GetStockObject(NULL_PEN));
            const POINT huge[] = {{-far, -far}, {far, -far}, {0, far}};
            Polygon(canvas.dc, huge, 3);
        },
    };
    for (size_t i = 0; i < std::size(shapes); ++i) {
        SCOPED_TRACE(i);
        canvas.clear();
        shapes[i]();
        EXPECT_EQ(canvas.pixelsOf(fill).size(), static_cast<size_t>(ShapeCanvas::size * ShapeCanvas::size));
    }
}

TEST_F(ShapesTest, TheNullBrushLeavesTheInsideAndBadCallsFail)
{
    SelectObject(canvas.dc, GetStockObject(NULL_BRUSH));
    ASSERT_TRUE(Ellipse(canvas.dc, 2, 2, 20, 20));
    EXPECT_TRUE(canvas.pixelsOf(fill).empty());
    EXPECT_EQ(GetPixel(canvas.dc, 11, 11), paper);
    EXPECT_EQ(GetPixel(canvas.dc, 11, 2), ink);

    const POINT points[] = {{0, 0}, {5, 0}, {0, 5}};
    SetLastError(0);
    EXPECT_FALSE(Ellipse(nullptr, 0, 0, 4, 4));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(RoundRect(nullptr, 0, 0, 4, 4, 2, 2));
    EXPECT_FALSE(Polygon(nullptr, points, 3));
    EXPECT_FALSE(Polygon(canvas.dc, nullptr, 3));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(Polygon(canvas.dc, points, 1));
    EXPECT_TRUE(Ellipse(canvas.dc, 5, 5, 5, 9)); // empty: nothing to draw
}

} // namespace
