// SaveDC and RestoreDC: levels, round trips of the state, and the selection bookkeeping after a
// restore (objects let go can be deleted, restored ones cannot; deleted or taken objects stay out).
#include <gtest/gtest.h>

#include "TestDevice.h"
#include "windows.h"

namespace {

class SavedStatesTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 8, 8);
    HGDIOBJ original = SelectObject(dc, bitmap);
    void TearDown() override
    {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
};

TEST_F(SavedStatesTest, RestoringPutsBackEachSavedLevel)
{
    struct Level {
        HBRUSH brush;
        COLORREF text;
        POINT position;
        RECT clip;
    };
    const Level levels[] = {
        {static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)), RGB(1, 0, 0), {1, 1}, {0, 0, 8, 8}},
        {static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), RGB(2, 0, 0), {2, 2}, {1, 1, 7, 7}},
        {static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), RGB(3, 0, 0), {3, 3}, {2, 2, 6, 6}},
    };
    const auto apply = [&](const Level& level) {
        SelectObject(dc, level.brush);
        SetTextColor(dc, level.text);
        MoveToEx(dc, level.position.x, level.position.y, nullptr);
        SelectClipRgn(dc, nullptr);
        IntersectClipRect(dc, level.clip.left, level.clip.top, level.clip.right, level.clip.bottom);
    };
    const auto expectState = [&](const Level& level) {
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), level.brush);
        EXPECT_EQ(GetTextColor(dc), level.text);
        POINT position {};
        MoveToEx(dc, level.position.x, level.position.y, &position);
        EXPECT_EQ(position.x, level.position.x);
        RECT box {};
        GetClipBox(dc, &box);
        EXPECT_TRUE(EqualRect(&box, &level.clip));
    };
    for (int i = 0; i < 3; ++i) {
        apply(levels[i]);
        EXPECT_EQ(SaveDC(dc), i + 1);
    }
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectClipRgn(dc, nullptr);
    SetTextColor(dc, RGB(9, 9, 9));

    EXPECT_TRUE(RestoreDC(dc, -1));
    expectState(levels[2]);
    EXPECT_TRUE(RestoreDC(dc, 1)); // back past level 2, which goes too
    expectState(levels[0]);
    EXPECT_FALSE(RestoreDC(dc, 2));
    EXPECT_FALSE(RestoreDC(dc, -1)); // nothing left
    EXPECT_EQ(SaveDC(dc), 1);
    EXPECT_EQ(SaveDC(dc), 2);
    EXPECT_TRUE(RestoreDC(dc, -2)); // counted back from the last
    EXPECT_EQ(SaveDC(dc), 1);
    EXPECT_FALSE(RestoreDC(dc, 0));
    EXPECT_FALSE(RestoreDC(dc, 3));
    EXPECT_EQ(SaveDC(nullptr), 0);
    EXPECT_FALSE(RestoreDC(nullptr, -1));
}

TEST_F(SavedStatesTest, RestoredObjectsAreSelectedAndReplacedOnesLetGo)
{
    HBRUSH saved = CreateSolidBrush(RGB(1, 2, 3));
    HBRUSH later = CreateSolidBrush(RGB(4, 5, 6));
    SelectObject(dc, saved);
    ASSERT_EQ(SaveDC(dc), 1);
    SelectObject(dc, later);
    ASSERT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), saved);
    EXPECT_TRUE(DeleteObject(later)); // no longer selected
    EXPECT_FALSE(DeleteObject(saved)); // selected again
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    EXPECT_TRUE(DeleteObject(saved));
}

TEST_F(SavedStatesTest, ObjectsDeletedOrTakenSinceSavingStayOut)
{
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 9, 0));
    SelectObject(dc, pen);
    ASSERT_EQ(SaveDC(dc), 1);
    HBITMAP other = CreateCompatibleBitmap(dc, 2, 2);
    SelectObject(dc, other);
    SelectObject(dc, GetStockObject(WHITE_PEN));
    EXPECT_TRUE(DeleteObject(pen));
    HDC second = CreateCompatibleDC(nullptr);
    ASSERT_NE(SelectObject(second, bitmap), nullptr); // the saved bitmap now draws for another DC

    ASSERT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(WHITE_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), other);
    EXPECT_TRUE(LineTo(dc, 1, 1)); // draws with what it holds
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    EXPECT_FALSE(DeleteObject(other));
    DeleteDC(second);
    SelectObject(dc, original);
    EXPECT_TRUE(DeleteObject(other));
}

} // namespace
