// Image lists: counting a bitmap's images by its width, replacing and removing them, key
// colours and masks made transparent, icons, drawing with backgrounds, blends and the mask,
// and bad handles.
#include <gtest/gtest.h>

#include "TestDevice.h"
#include "commctrl.h"

namespace {

constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF green = RGB(0, 255, 0);
constexpr COLORREF key = RGB(255, 0, 255);
constexpr COLORREF white = RGB(255, 255, 255);

class ImageListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dc = CreateCompatibleDC(nullptr);
        canvas = CreateCompatibleBitmap(dc, 40, 20);
        SelectObject(dc, canvas);
        clear(white);
    }
    void TearDown() override
    {
        DeleteDC(dc);
        DeleteObject(canvas);
        for (HBITMAP made : bitmaps)
            DeleteObject(made);
    }
    // A bitmap of `columns.size()` blocks of `width` x `height`, each one colour, with the key
    // colour at its top-left pixel when `keyed`.
    HBITMAP stripe(std::initializer_list<COLORREF> columns, int width, int height, bool keyed = false)
    {
        HDC paint = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(paint, width * static_cast<int>(columns.size()), height);
        SelectObject(paint, bitmap);
        int left = 0;
        for (COLORREF color : columns) {
            for (int y = 0; y < height; ++y) {
                for (int x = left; x < left + width; ++x)
                    SetPixel(paint, x, y, keyed && x == left && y == 0 ? key : color);
            }
            left += width;
        }
        DeleteDC(paint);
        bitmaps.push_back(bitmap);
        return bitmap;
    }
    void clear(COLORREF color)
    {
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 40; ++x)
                SetPixel(dc, x, y, color);
        }
    }

    testing_support::TestDevice dev;
    HDC dc = nullptr;
    HBITMAP canvas = nullptr;
    std::vector<HBITMAP> bitmaps;
};

TEST_F(ImageListTest, ImagesAreCountedByWidthReplacedAndRemoved)
{
    HIMAGELIST list = ImageList_Create(4, 3, ILC_COLOR | ILC_MASK, 4, 4);
    ASSERT_NE(list, nullptr);
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx, 4);
    EXPECT_EQ(cy, 3);
    EXPECT_EQ(ImageList_GetImageCount(list), 0);

    struct Added {
        HBITMAP bitmap;
        int first; // the index returned
        int count; // the count after
    };
    const Added added[] = {
        {stripe({red, green, red}, 4, 3), 0, 3}, // three images wide
        {stripe({green}, 4, 3), 3, 4},
        {stripe({red, red}, 5, 3), 4, 6}, // 10 pixels: two whole images, the rest dropped
        {stripe({red}, 3, 3), -1, 6}, // narrower than one image
    };
    for (const Added& a : added) {
        EXPECT_EQ(ImageList_Add(list, a.bitmap, nullptr), a.first);
        EXPECT_EQ(ImageList_GetImageCount(list), a.count);
    }
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    EXPECT_EQ(ImageList_AddIcon(list, icon), 6);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 1, icon), 1);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 7, icon), -1);
    EXPECT_TRUE(ImageList_Replace(list, 0, stripe({green, red}, 4, 3), nullptr));
    EXPECT_FALSE(ImageList_Replace(list, 7, added[1].bitmap, nullptr));
    EXPECT_EQ(ImageList_GetImageCount(list), 7);
    ASSERT_TRUE(ImageList_Draw(list, 0, dc, 0, 0, ILD_NORMAL));
    EXPECT_EQ(GetPixel(dc, 0, 0), green) << "a replacement takes the bitmap's first image";

    EXPECT_TRUE(ImageList_Remove(list, 1));
    EXPECT_FALSE(ImageList_Remove(list, 6));
    EXPECT_EQ(ImageList_GetImageCount(list), 6);
    ASSERT_TRUE(ImageList_Draw(list, 1, dc, 0, 0, ILD_NORMAL));
    EXPECT_EQ(GetPixel(dc, 0, 0), red) << "the images after the removed one move up";
    EXPECT_TRUE(ImageList_SetImageCount(list, 9));
    EXPECT_EQ(ImageList_GetImageCount(list), 9);
    clear(white);
    ASSERT_TRUE(ImageList_Draw(list, 8, dc, 0, 0, ILD_NORMAL));
    EXPECT_EQ(GetPixel(dc, 0, 0), white) << "a blank image of a masked list is transparent";
    EXPECT_TRUE(ImageList_RemoveAll(list));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);

    ImageList_Add(list, added[0].bitmap, nullptr);
    EXPECT_TRUE(ImageList_SetIconSize(list, 32, 32)); // a new size empties the list
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    EXPECT_EQ(ImageList_SetBkColor(list, 0x00FFFFFF), static_cast<COLORREF>(CLR_NONE));
    EXPECT_EQ(ImageList_GetBkColor(list), 0x00FFFFFFu);
    EXPECT_TRUE(ImageList_Destroy(list));
}

TEST_F(ImageListTest, KeyColoursAndMasksAreTransparentInMaskedLists)
{
    struct Case {
        UINT flags;
        COLORREF keyPixel; // what the key colour's pixel shows over white
    };
    for (const Case& c : {Case {ILC_COLOR | ILC_MASK, white}, Case {ILC_COLOR, key}}) {
        HIMAGELIST list = ImageList_Create(4, 4, c.flags, 2, 2);
        ASSERT_EQ(ImageList_AddMasked(list, stripe({red, green}, 4, 4, true), key), 0);
        clear(white);
        ASSERT_TRUE(ImageList_Draw(list, 0, dc, 2, 2, ILD_TRANSPARENT));
        ASSERT_TRUE(ImageList_Draw(list, 1, dc, 10, 2, ILD_TRANSPARENT));
        EXPECT_EQ(GetPixel(dc, 2, 2), c.keyPixel) << c.flags;
        EXPECT_EQ(GetPixel(dc, 3, 2), red) << c.flags;
        EXPECT_EQ(GetPixel(dc, 5, 5), red) << c.flags;
        EXPECT_EQ(GetPixel(dc, 6, 5), white) << c.flags;
        EXPECT_EQ(GetPixel(dc, 10, 2), c.keyPixel) << c.flags;
        EXPECT_EQ(GetPixel(dc, 11, 3), green) << c.flags;
        ImageList_Destroy(list);
    }

    // A mask bitmap: white marks what is transparent.
    HIMAGELIST list = ImageList_Create(4, 4, ILC_COLOR | ILC_MASK, 1, 1);
    HBITMAP mask = stripe({RGB(0, 0, 0)}, 4, 4);
    HDC paint = CreateCompatibleDC(nullptr);
    SelectObject(paint, mask);
    SetPixel(paint, 1, 1, white);
    DeleteDC(paint);
    ASSERT_EQ(ImageList_Add(list, stripe({red}, 4, 4), mask), 0);
    clear(green);
    ASSERT_TRUE(ImageList_Draw(list, 0, dc, 0, 0, ILD_NORMAL));
    EXPECT_EQ(GetPixel(dc, 1, 1), green);
    EXPECT_EQ(GetPixel(dc, 2, 1), red);
    ImageList_Destroy(list);
}

TEST_F(ImageListTest, DrawingStylesBackgroundsAndBlends)
{
    HIMAGELIST list = ImageList_Create(4, 4, ILC_COLOR | ILC_MASK, 1, 1);
    ASSERT_EQ(ImageList_AddMasked(list, stripe({red}, 4, 4, true), key), 0);
    const COLORREF blue = RGB(0, 0, 255);
    ImageList_SetBkColor(list, blue);

    struct Case {
        const char* name;
        UINT style;
        COLORREF transparentPixel;
    };
    for (const Case& c :
        {Case {"normal fills the background", ILD_NORMAL, blue}, Case {"transparent", ILD_TRANSPARENT, white}}) {
        clear(white);
        ASSERT_TRUE(ImageList_Draw(list, 0, dc, 0, 0, c.style));
        EXPECT_EQ(GetPixel(dc, 0, 0), c.transparentPixel) << c.name;
        EXPECT_EQ(GetPixel(dc, 1, 0), red) << c.name;
    }

    // Selected: half the highlight mixed in; focused: a quarter; the key pixel stays see-through.
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    clear(white);
    ASSERT_TRUE(ImageList_Draw(list, 0, dc, 0, 0, ILD_TRANSPARENT | ILD_SELECTED));
    ASSERT_TRUE(ImageList_Draw(list, 0, dc, 10, 0, ILD_TRANSPARENT | ILD_FOCUS));
    const COLORREF selected = GetPixel(dc, 1, 0);
    const COLORREF focused = GetPixel(dc, 11, 0);
    EXPECT_EQ(GetPixel(dc, 0, 0), white);
    const auto between = [](int value, int a, int b) { return value > std::min(a, b) && value < std::max(a, b); };
    EXPECT_TRUE(between(GetRValue(selected), GetRValue(highlight), 255)) << std::hex << selected;
    EXPECT_TRUE(between(GetBValue(selected), GetBValue(highlight), 0)) << std::hex << selected;
    EXPECT_GT(GetRValue(focused), GetRValue(selected)) << "a quarter blend stays nearer the image";
    EXPECT_LT(GetBValue(focused), GetBValue(selected));

    clear(white);
    ASSERT_TRUE(ImageList_DrawEx(list, 0, dc, 0, 0, 2, 3, CLR_NONE, green, ILD_BLEND50));
    EXPECT_EQ(GetPixel(dc, 0, 0), white) << "CLR_NONE: no background";
    EXPECT_EQ(GetPixel(dc, 1, 2), RGB(128, 128, 0)) << "half red, half green";
    EXPECT_EQ(GetPixel(dc, 2, 0), white) << "only 2 pixels wide";
    EXPECT_EQ(GetPixel(dc, 1, 3), white) << "only 3 pixels high";

    clear(white);
    ASSERT_TRUE(ImageList_Draw(list, 0, dc, 0, 0, ILD_MASK));
    EXPECT_EQ(GetPixel(dc, 0, 0), white);
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 0, 0));
    ImageList_Destroy(list);
}

TEST_F(ImageListTest, IconsKeepTheirTransparencyAndAreScaled)
{
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    ASSERT_EQ(ImageList_AddIcon(list, LoadIconW(nullptr, IDI_APPLICATION)), 0);
    clear(green);
    ASSERT_TRUE(ImageList_Draw(list, 0, dc, 0, 0, ILD_TRANSPARENT));
    EXPECT_EQ(GetPixel(dc, 0, 0), green) << "the icon's transparent corner";
    EXPECT_EQ(GetPixel(dc, 8, 10), white) << "its window body, at half size";
    EXPECT_EQ(GetPixel(dc, 16, 10), green) << "16 pixels wide";
    ImageList_Destroy(list);
}

TEST_F(ImageListTest, BadHandlesAndArgumentsFailCleanly)
{
    EXPECT_EQ(ImageList_Create(0, 16, ILC_COLOR, 1, 1), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(ImageList_Create(16, 16, ILC_COLOR, -1, 1), nullptr);

    HBITMAP bitmap = stripe({red}, 16, 16);
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR, 1, 1);
    ASSERT_TRUE(ImageList_Destroy(list));
    int cx = 0;
    int cy = 0;
    HIMAGELIST bad[] {list, nullptr, reinterpret_cast<HIMAGELIST>(static_cast<intptr_t>(0x99))};
    for (HIMAGELIST gone : bad) {
        EXPECT_FALSE(ImageList_Destroy(gone));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        EXPECT_EQ(ImageList_Add(gone, bitmap, nullptr), -1);
        EXPECT_EQ(ImageList_AddIcon(gone, icon), -1);
        EXPECT_EQ(ImageList_GetImageCount(gone), 0);
        EXPECT_FALSE(ImageList_GetIconSize(gone, &cx, &cy));
        EXPECT_FALSE(ImageList_Remove(gone, -1));
        EXPECT_FALSE(ImageList_SetImageCount(gone, 2));
        EXPECT_FALSE(ImageList_Draw(gone, 0, dc, 0, 0, 0));
        EXPECT_EQ(ImageList_GetBkColor(gone), static_cast<COLORREF>(CLR_NONE));
    }

    list = ImageList_Create(16, 16, ILC_COLOR, 1, 1);
    const auto notBitmap = reinterpret_cast<HBITMAP>(static_cast<intptr_t>(0x1234));
    EXPECT_EQ(ImageList_Add(list, nullptr, nullptr), -1);
    EXPECT_EQ(ImageList_Add(list, notBitmap, nullptr), -1);
    EXPECT_EQ(ImageList_Add(list, bitmap, notBitmap), -1);
    EXPECT_EQ(ImageList_AddIcon(list, nullptr), -1);
    EXPECT_EQ(ImageList_AddIcon(list, reinterpret_cast<HICON>(bitmap)), -1);
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    EXPECT_FALSE(ImageList_GetIconSize(list, nullptr, &cy));
    EXPECT_FALSE(ImageList_SetIconSize(list, 0, 4));
    EXPECT_FALSE(ImageList_SetImageCount(list, 0x7FFFFFFF));
    ASSERT_EQ(ImageList_Add(list, bitmap, nullptr), 0);
    EXPECT_FALSE(ImageList_Draw(list, 0, nullptr, 0, 0, 0));
    EXPECT_FALSE(ImageList_Draw(list, 1, dc, 0, 0, 0));
    EXPECT_TRUE(ImageList_Destroy(list));
}

TEST_F(ImageListTest, ListViewsDestroyTheirImageListsUnlessShared)
{
    for (DWORD shared : {DWORD {0}, DWORD {LVS_SHAREIMAGELISTS}}) {
        HWND list = CreateWindowExW(
            0, WC_LISTVIEWW, u"", LVS_REPORT | shared, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(list, nullptr);
        HIMAGELIST small = ImageList_Create(16, 16, ILC_COLOR, 1, 1);
        EXPECT_EQ(ListView_SetImageList(list, small, LVSIL_SMALL), nullptr);
        EXPECT_EQ(ListView_GetImageList(list, LVSIL_SMALL), small);
        DestroyWindow(list);
        EXPECT_EQ(ImageList_Destroy(small), shared ? TRUE : FALSE) << "shared " << shared;
    }
}

} // namespace
