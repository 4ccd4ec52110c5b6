// Clipping and device context origins: every drawing call paints only inside an elliptic clip,
// the clip calls' kinds and boxes, and drawing, clips and blit sources seen through an origin
// (set here through the platform's internals, as window device contexts have one).
#include <gtest/gtest.h>

#include <functional>

#include "TestDevice.h"
#include "gdi/objects/GdiObjects.h"
#include "windows.h"

namespace {

constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);
constexpr int width = 12;
constexpr int height = 10;

void setOrigin(HDC hdc, POINT origin)
{
    std::lock_guard guard(ce::gdi::gdiLock());
    ce::gdi::deviceContextOrFail(hdc)->origin = origin;
}

// A pixel of the surface a device context draws into, whatever its origin and clip.
COLORREF surfacePixel(HDC hdc, int x, int y)
{
    std::lock_guard guard(ce::gdi::gdiLock());
    return ce::gdi::surfaceOf(*ce::gdi::deviceContextOrFail(hdc)).pixel(x, y);
}

::testing::AssertionResult rectIs(const RECT& rect, const RECT& expected)
{
    if (EqualRect(&rect, &expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
}

class ClippingTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    std::vector<std::pair<HDC, HBITMAP>> made;
    HDC dc = makeDc(width, height);

    HDC makeDc(int w, int h)
    {
        HDC made_dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(made_dc, w, h);
        SelectObject(made_dc, bitmap);
        made.push_back({made_dc, bitmap});
        return made_dc;
    }
    void TearDown() override
    {
        for (auto [d, bitmap] : made) {
            DeleteDC(d);
            DeleteObject(bitmap);
        }
    }
    RECT clipBox(int expectedKind)
    {
        RECT box {};
        EXPECT_EQ(GetClipBox(dc, &box), expectedKind);
        return box;
    }
};

TEST_F(ClippingTest, DrawingCallsPaintOnlyInsideAnEllipticClip)
{
    HDC whiteSource = makeDc(width, height);
    PatBlt(whiteSource, 0, 0, width, height, WHITENESS);
    SelectObject(dc, GetStockObject(WHITE_PEN));
    HRGN everything = CreateRectRgn(-5, -5, 50, 50);
    const POINT cover[] = {{-3, -3}, {30, -3}, {-3, 30}};
    struct Case {
        const char* name;
        std::function<void()> draw;
    };
    const Case cases[] = {
        {"PatBlt", [&] { PatBlt(dc, -1, -1, 20, 20, WHITENESS); }},
        {"FillRect",
            [&] {
                const RECT all {-1, -1, 20, 20};
                FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            }},
        {"BitBlt", [&] { BitBlt(dc, 0, 0, width, height, whiteSource, 0, 0, SRCCOPY); }},
        {"StretchBlt", [&] { StretchBlt(dc, 0, 0, width, height, whiteSource, 0, 0, 1, 1, SRCCOPY); }},
        {"TransparentBlt", [&] { TransparentBlt(dc, 0, 0, width, height, whiteSource, 0, 0, 2, 2, black); }},
        {"Rectangle", [&] { Rectangle(dc, -1, -1, 20, 20); }},
        {"Ellipse", [&] { Ellipse(dc, -20, -20, 40, 40); }},
        {"RoundRect", [&] { RoundRect(dc, -1, -1, 20, 20, 4, 4); }},
        {"Polygon", [&] { Polygon(dc, cover, 3); }},
        {"FillRgn", [&] { FillRgn(dc, everything, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))); }},
        {"SetPixel",
            [&] {
                for (int y = 0; y < height; ++y)
                    for (int x = 0; x < width; ++x)
                        SetPixel(dc, x, y, white);
            }},
        {"LineTo",
            [&] {
                for (int y = 0; y < height; ++y) {
                    MoveToEx(dc, -1, y, nullptr);
                    LineTo(dc, width + 1, y);
                }
            }},
    };
    HRGN clip = CreateEllipticRgn(1, 1, 11, 9);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SelectClipRgn(dc, nullptr);
        PatBlt(dc, 0, 0, width, height, BLACKNESS);
        ASSERT_EQ(SelectClipRgn(dc, clip), COMPLEXREGION);
        c.draw();
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool inside = PtInRegion(clip, x, y);
                EXPECT_EQ(GetPixel(dc, x, y), inside ? white : CLR_INVALID) << x << "," << y;
                ASSERT_EQ(surfacePixel(dc, x, y), inside ? white : black) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(SetPixel(dc, 0, 0, white), static_cast<COLORREF>(-1)); // outside the clip
    DeleteObject(clip);
    DeleteObject(everything);
}

TEST_F(ClippingTest, ClipCallsAnswerKindsAndBoxes)
{
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_TRUE(rectIs(clipBox(SIMPLEREGION), {0, 0, width, height}));
    EXPECT_EQ(GetClipRgn(dc, copy), 0);

    EXPECT_EQ(IntersectClipRect(dc, 2, 2, 20, 8), SIMPLEREGION);
    EXPECT_TRUE(rectIs(clipBox(SIMPLEREGION), {2, 2, width, 8}));
    EXPECT_EQ(ExcludeClipRect(dc, 4, 4, 6, 6), COMPLEXREGION);
    EXPECT_TRUE(rectIs(clipBox(COMPLEXREGION), {2, 2, width, 8}));
    EXPECT_EQ(GetClipRgn(dc, copy), 1);
    EXPECT_TRUE(PtInRegion(copy, 3, 5));
    EXPECT_FALSE(PtInRegion(copy, 5, 5));
    EXPECT_EQ(IntersectClipRect(dc, 20, 20, 30, 30), NULLREGION);
    EXPECT_TRUE(rectIs(clipBox(NULLREGION), {0, 0, 0, 0}));
    EXPECT_EQ(GetPixel(dc, 3, 3), CLR_INVALID);

    EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
    EXPECT_EQ(GetClipRgn(dc, copy), 0);
    // Without a clip, ExcludeClipRect cuts from the whole bitmap.
    EXPECT_EQ(ExcludeClipRect(dc, 0, 0, width, 3), SIMPLEREGION);
    EXPECT_TRUE(rectIs(clipBox(SIMPLEREGION), {0, 3, width, height}));

    // The clip is a copy: changing or deleting the region afterwards leaves it.
    HRGN region = CreateRectRgn(1, 1, 3, 3);
    EXPECT_EQ(SelectClipRgn(dc, region), SIMPLEREGION);
    SetRectRgn(region, 5, 5, 9, 9);
    EXPECT_TRUE(rectIs(clipBox(SIMPLEREGION), {1, 1, 3, 3}));
    EXPECT_TRUE(DeleteObject(region));
    EXPECT_TRUE(rectIs(clipBox(SIMPLEREGION), {1, 1, 3, 3}));
    // Selecting a region with SelectObject does what SelectClipRgn does.
    HRGN ellipse = CreateEllipticRgn(0, 0, 8, 6);
    EXPECT_EQ(SelectObject(dc, ellipse), reinterpret_cast<HGDIOBJ>(COMPLEXREGION));
    EXPECT_TRUE(rectIs(clipBox(COMPLEXREGION), {0, 0, 8, 6}));
    EXPECT_TRUE(DeleteObject(ellipse));
    DeleteObject(copy);
}

TEST_F(ClippingTest, WithAnOriginDrawingAndClipsAreRelativeToIt)
{
    setOrigin(dc, {3, 2});
    EXPECT_EQ(SetPixel(dc, 0, 0, RGB(9, 0, 0)), RGB(9, 0, 0));
    EXPECT_EQ(surfacePixel(dc, 3, 2), RGB(9, 0, 0));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(9, 0, 0));
    EXPECT_EQ(GetPixel(dc, -3, -2), black);
    EXPECT_EQ(GetPixel(dc, -4, 0), CLR_INVALID);
    EXPECT_TRUE(rectIs(clipBox(SIMPLEREGION), {-3, -2, width - 3, height - 2}));

    EXPECT_EQ(IntersectClipRect(dc, 0, 0, 2, 2), SIMPLEREGION);
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc, copy), 1);
    RECT box {};
    GetRgnBox(copy, &box);
    EXPECT_TRUE(rectIs(box, {0, 0, 2, 2})); // relative to the origin
    PatBlt(dc, -10, -10, 100, 100, WHITENESS);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool inside = x >= 3 && x < 5 && y >= 2 && y < 4;
            ASSERT_EQ(surfacePixel(dc, x, y) == white, inside) << x << "," << y;
        }
    }
    DeleteObject(copy);
}

TEST_F(ClippingTest, BlitsReadTheirSourceThroughItsOriginAndWriteThroughTheirs)
{
    HDC source = makeDc(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            SetPixel(source, x, y, RGB(x + 1, y + 1, 9));
    }
    const std::function<void()> blits[] = {
        [&] { BitBlt(dc, 0, 0, 3, 2, source, 0, 0, SRCCOPY); },
        [&] { StretchBlt(dc, 0, 0, 3, 2, source, 0, 0, 3, 2, SRCCOPY); },
        [&] { TransparentBlt(dc, 0, 0, 3, 2, source, 0, 0, 3, 2, white); },
    };
    struct Case {
        POINT to, from;
        RECT clip; // logical, on the destination
    };
    const Case cases[] = {
        {{0, 0}, {0, 0}, {-50, -50, 50, 50}}, {{2, 3}, {0, 0}, {-50, -50, 50, 50}},
        {{0, 0}, {1, 1}, {-50, -50, 50, 50}}, {{2, 3}, {2, 1}, {1, 0, 2, 2}},
        {{-1, 0}, {0, 0}, {-50, -50, 50, 50}}, // partly off the destination
    };
    for (const Case& c : cases) {
        for (size_t blit = 0; blit < std::size(blits); ++blit) {
            SCOPED_TRACE(testing::Message()
                << "blit " << blit << " to " << c.to.x << "," << c.to.y << " from " << c.from.x << "," << c.from.y);
            setOrigin(dc, {0, 0});
            SelectClipRgn(dc, nullptr);
            PatBlt(dc, 0, 0, width, height, BLACKNESS);
            setOrigin(dc, c.to);
            setOrigin(source, c.from);
            IntersectClipRect(dc, c.clip.left, c.clip.top, c.clip.right, c.clip.bottom);
            blits[blit]();
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    // The logical pixel here, and the source surface pixel it copies.
                    const POINT at {x - c.to.x, y - c.to.y};
                    const bool copied = at.x >= 0 && at.x < 3 && at.y >= 0 && at.y < 2 && at.x >= c.clip.left
                        && at.x < c.clip.right && at.y >= c.clip.top && at.y < c.clip.bottom;
                    const COLORREF expected = copied ? RGB(at.x + c.from.x + 1, at.y + c.from.y + 1, 9) : black;
                    ASSERT_EQ(surfacePixel(dc, x, y), expected) << x << "," << y;
                }
            }
            setOrigin(source, {0, 0});
        }
    }
}

TEST_F(ClippingTest, AnOverlappingCopyThroughAnOriginReadsFirst)
{
    setOrigin(dc, {2, 1});
    for (int x = 0; x < 4; ++x)
        SetPixel(dc, x, 0, RGB(x + 1, 0, 0));
    EXPECT_TRUE(BitBlt(dc, 1, 0, 3, 1, dc, 0, 0, SRCCOPY));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(surfacePixel(dc, x + 2, 1), RGB(x == 0 ? 1 : x, 0, 0)) << x;
}

} // namespace
