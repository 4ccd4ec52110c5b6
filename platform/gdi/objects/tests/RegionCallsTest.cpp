// Regions through the calls: combining into one of the sources, setting, moving, asking boxes,
// points and equality, deleting, and every region call on bad handles.
#include <gtest/gtest.h>

#include "TestDevice.h"
#include "windows.h"

namespace {

class RegionCallsTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    HRGN a = CreateRectRgn(0, 0, 4, 4);
    HRGN b = CreateRectRgn(2, 2, 6, 6);
    void TearDown() override
    {
        DeleteObject(a);
        DeleteObject(b);
    }
};

RECT boxOf(HRGN region)
{
    RECT box {};
    GetRgnBox(region, &box);
    return box;
}

::testing::AssertionResult boxIs(HRGN region, RECT expected)
{
    const RECT box = boxOf(region);
    if (EqualRect(&box, &expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "box " << box.left << "," << box.top << "," << box.right << ","
                                         << box.bottom;
}

TEST_F(RegionCallsTest, CombineRgnAnswersTheKindAndMayWriteIntoASource)
{
    struct Case {
        int mode;
        int kind;
        RECT box;
        POINT inside, outside;
    };
    const Case cases[] = {
        {RGN_AND, SIMPLEREGION, {2, 2, 4, 4}, {3, 3}, {1, 1}},
        {RGN_OR, COMPLEXREGION, {0, 0, 6, 6}, {5, 5}, {5, 0}},
        {RGN_XOR, COMPLEXREGION, {0, 0, 6, 6}, {0, 0}, {3, 3}},
        {RGN_DIFF, COMPLEXREGION, {0, 0, 4, 4}, {1, 1}, {3, 3}},
        {RGN_COPY, SIMPLEREGION, {0, 0, 4, 4}, {3, 3}, {4, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        HRGN into = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(CombineRgn(into, a, c.mode == RGN_COPY ? nullptr : b, c.mode), c.kind);
        EXPECT_TRUE(boxIs(into, c.box));
        EXPECT_TRUE(PtInRegion(into, c.inside.x, c.inside.y));
        EXPECT_FALSE(PtInRegion(into, c.outside.x, c.outside.y));
        // The same combination written into its first source gives the same region.
        HRGN first = CreateRectRgn(0, 0, 4, 4);
        EXPECT_EQ(CombineRgn(first, first, b, c.mode), c.kind);
        EXPECT_TRUE(EqualRgn(first, into));
        DeleteObject(first);
        DeleteObject(into);
    }
}

TEST_F(RegionCallsTest, RegionsAreSetMovedAndAsked)
{
    EXPECT_EQ(GetObjectType(a), static_cast<DWORD>(OBJ_REGION));
    EXPECT_TRUE(SetRectRgn(a, 5, 6, 1, 2)); // corners in any order
    EXPECT_TRUE(boxIs(a, {1, 2, 5, 6}));
    EXPECT_EQ(OffsetRgn(a, -1, 3), SIMPLEREGION);
    EXPECT_TRUE(boxIs(a, {0, 5, 4, 9}));
    EXPECT_TRUE(PtInRegion(a, 0, 5));
    EXPECT_FALSE(PtInRegion(a, 4, 5)); // right and bottom are outside
    EXPECT_FALSE(PtInRegion(a, 0, 9));
    EXPECT_TRUE(SetRectRgn(a, 3, 3, 3, 8));
    RECT box {1, 1, 1, 1};
    EXPECT_EQ(GetRgnBox(a, &box), NULLREGION);
    EXPECT_TRUE(IsRectEmpty(&box));
    EXPECT_EQ(OffsetRgn(a, 7, 7), NULLREGION);
    HRGN empty = CreateRectRgn(0, 0, 0, 0);
    EXPECT_TRUE(EqualRgn(a, empty)); // empty is empty wherever it was moved
    DeleteObject(empty);

    HRGN ellipse = CreateEllipticRgn(10, 0, 0, 6);
    EXPECT_EQ(GetRgnBox(ellipse, &box), COMPLEXREGION);
    EXPECT_TRUE(boxIs(ellipse, {0, 0, 10, 6}));
    HRGN same = CreateRectRgnIndirect(&box);
    EXPECT_FALSE(EqualRgn(ellipse, same));
    EXPECT_EQ(CombineRgn(same, same, ellipse, RGN_AND), COMPLEXREGION);
    EXPECT_TRUE(EqualRgn(ellipse, same));
    // Moving beyond the limits of region coordinates is refused; the region stays.
    EXPECT_EQ(OffsetRgn(ellipse, 2000000000, 0), ERROR);
    EXPECT_TRUE(boxIs(ellipse, {0, 0, 10, 6}));
    EXPECT_TRUE(DeleteObject(ellipse));
    EXPECT_TRUE(DeleteObject(same));
    EXPECT_EQ(GetObjectType(ellipse), 0U);
    EXPECT_FALSE(PtInRegion(ellipse, 5, 3));
}

TEST_F(RegionCallsTest, BadHandlesFailCleanly)
{
    HRGN deleted = CreateRectRgn(0, 0, 1, 1);
    DeleteObject(deleted);
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    const HRGN bad[] = {nullptr, deleted, reinterpret_cast<HRGN>(brush), reinterpret_cast<HRGN>(0x1234)};
    HDC dc = CreateCompatibleDC(nullptr);
    for (HRGN h : bad) {
        SCOPED_TRACE(h);
        RECT box {};
        SetLastError(0);
        EXPECT_EQ(CombineRgn(h, a, b, RGN_OR), ERROR);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        EXPECT_EQ(CombineRgn(a, h, b, RGN_OR), ERROR);
        EXPECT_EQ(CombineRgn(a, b, h, RGN_AND), ERROR);
        EXPECT_FALSE(SetRectRgn(h, 0, 0, 1, 1));
        EXPECT_EQ(OffsetRgn(h, 1, 1), ERROR);
        EXPECT_EQ(GetRgnBox(h, &box), ERROR);
        EXPECT_FALSE(PtInRegion(h, 0, 0));
        EXPECT_FALSE(EqualRgn(h, a));
        EXPECT_FALSE(FillRgn(dc, h, brush));
        EXPECT_FALSE(FrameRgn(dc, h, brush, 1, 1));
        EXPECT_EQ(GetClipRgn(dc, h), -1);
        if (h) { // null is no bad handle for SelectClipRgn: it removes the clip
            EXPECT_EQ(SelectClipRgn(dc, h), ERROR);
        }
    }
    EXPECT_TRUE(boxIs(a, {0, 0, 4, 4})); // failed combinations left it alone
    EXPECT_EQ(CombineRgn(a, a, b, 9), ERROR);
    EXPECT_EQ(GetRgnBox(a, nullptr), ERROR);
    EXPECT_EQ(CreateRectRgnIndirect(nullptr), nullptr);
    EXPECT_EQ(SelectClipRgn(nullptr, a), ERROR);
    EXPECT_EQ(GetClipRgn(nullptr, a), -1);
    EXPECT_EQ(GetClipBox(nullptr, nullptr), ERROR);
    EXPECT_EQ(IntersectClipRect(nullptr, 0, 0, 1, 1), ERROR);
    EXPECT_EQ(ExcludeClipRect(nullptr, 0, 0, 1, 1), ERROR);
    EXPECT_FALSE(FillRgn(nullptr, a, brush));
    EXPECT_FALSE(FillRgn(dc, a, reinterpret_cast<HBRUSH>(a)));
    EXPECT_FALSE(DeleteObject(deleted));
    DeleteDC(dc);
}

} // namespace
