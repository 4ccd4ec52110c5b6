// Painting with a brush along regions: FillRgn paints exactly the region, FrameRgn and FrameRect
// paint frames of the asked thickness inside the edge, and bad handles fail.
#include <gtest/gtest.h>

#include <algorithm>

#include "ShapeCanvas.h"

namespace {

using namespace shape_tests;

class RegionPaintingTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    ShapeCanvas canvas;
    HBRUSH gray = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));

    Pixels regionPixels(HRGN region)
    {
        Pixels inside;
        for (int y = 0; y < ShapeCanvas::size; ++y) {
            for (int x = 0; x < ShapeCanvas::size; ++x) {
                if (PtInRegion(region, x, y))
                    inside.insert({x, y});
            }
        }
        return inside;
    }
};

// The pixels of [left, right) x [top, bottom) that lie within `w` columns or `h` rows of its edge.
Pixels frameOf(const RECT& r, int w, int h)
{
    Pixels frame;
    for (int y = std::max<int>(r.top, 0); y < std::min<int>(r.bottom, ShapeCanvas::size); ++y) {
        for (int x = std::max<int>(r.left, 0); x < std::min<int>(r.right, ShapeCanvas::size); ++x) {
            if (x < r.left + w || x >= r.right - w || y < r.top + h || y >= r.bottom - h)
                frame.insert({x, y});
        }
    }
    return frame;
}

TEST_F(RegionPaintingTest, FrameRectPaintsAOnePixelFrame)
{
    const RECT rects[]
        = {{2, 2, 8, 6}, {3, 3, 4, 4}, {5, 5, 7, 9}, {20, 20, 30, 30}, {-4, 1, 3, 5}, {5, 5, 5, 9}, {8, 6, 2, 2}};
    for (const RECT& r : rects) {
        SCOPED_TRACE(testing::Message() << r.left << "," << r.top << "," << r.right << "," << r.bottom);
        canvas.clear();
        EXPECT_NE(FrameRect(canvas.dc, &r, gray), 0);
        EXPECT_EQ(canvas.pixelsOf(fill), frameOf(r, 1, 1));
    }
    canvas.clear();
    const RECT r {2, 2, 8, 8};
    EXPECT_NE(FrameRect(canvas.dc, &r, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))), 0);
    EXPECT_TRUE(canvas.painted().empty());
    EXPECT_EQ(FrameRect(canvas.dc, &r, reinterpret_cast<HBRUSH>(canvas.dc)), 0);
    EXPECT_EQ(FrameRect(canvas.dc, nullptr, gray), 0);
    EXPECT_EQ(FrameRect(nullptr, &r, gray), 0);
}

TEST_F(RegionPaintingTest, FillRgnPaintsExactlyTheRegion)
{
    HRGN ellipse = CreateEllipticRgn(1, 2, 21, 15);
    HRGN ring = CreateEllipticRgn(0, 0, 24, 24);
    HRGN hole = CreateRectRgn(8, 8, 16, 16);
    CombineRgn(ring, ring, hole, RGN_XOR);
    for (HRGN region : {ellipse, ring, hole}) {
        canvas.clear();
        EXPECT_TRUE(FillRgn(canvas.dc, region, gray));
        EXPECT_EQ(canvas.pixelsOf(fill), regionPixels(region));
    }
    EXPECT_FALSE(PtInRegion(ring, 12, 12));
    for (HRGN region : {ellipse, ring, hole})
        DeleteObject(region);
}

TEST_F(RegionPaintingTest, FrameRgnPaintsInsideTheEdgeAtTheAskedThickness)
{
    struct Case {
        int w, h;
    };
    const Case sizes[] = {{1, 1}, {2, 1}, {1, 3}, {3, 2}};
    const RECT box {2, 3, 20, 17};
    HRGN rect = CreateRectRgnIndirect(&box);
    HRGN ellipse = CreateEllipticRgn(box.left, box.top, box.right, box.bottom);
    for (const Case& c : sizes) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        canvas.clear();
        EXPECT_TRUE(FrameRgn(canvas.dc, rect, gray, c.w, c.h));
        EXPECT_EQ(canvas.pixelsOf(fill), frameOf(box, c.w, c.h));

        canvas.clear();
        EXPECT_TRUE(FrameRgn(canvas.dc, ellipse, gray, c.w, c.h));
        const Pixels frame = canvas.pixelsOf(fill);
        const Pixels inside = regionPixels(ellipse);
        EXPECT_TRUE(std::includes(inside.begin(), inside.end(), frame.begin(), frame.end()));
        for (const auto& [x, y] : inside) {
            // A pixel is framed exactly when the pixel w across or h up or down leaves the region.
            const bool nearEdge = !inside.count({x - c.w, y}) || !inside.count({x + c.w, y})
                || !inside.count({x, y - c.h}) || !inside.count({x, y + c.h});
            ASSERT_EQ(frame.count({x, y}) == 1, nearEdge) << x << "," << y;
        }
    }
    EXPECT_FALSE(FrameRgn(canvas.dc, rect, gray, 0, 1));
    EXPECT_FALSE(FrameRgn(canvas.dc, rect, reinterpret_cast<HBRUSH>(rect), 1, 1));
    DeleteObject(rect);
    DeleteObject(ellipse);
}

} // namespace
