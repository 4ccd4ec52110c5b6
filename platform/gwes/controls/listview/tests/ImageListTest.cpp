// Image lists: sizes and counts, adding, replacing and removing images, and bad handles.
#include <gtest/gtest.h>

#include "TestDevice.h"
#include "commctrl.h"

namespace {

class ImageListTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    // Stand-ins for bitmaps and icons: the lists do not read them yet.
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(static_cast<intptr_t>(0x1234));
    HICON icon = reinterpret_cast<HICON>(static_cast<intptr_t>(0x5678));
};

TEST_F(ImageListTest, ImagesAreCountedAndRemoved)
{
    HIMAGELIST list = ImageList_Create(16, 12, ILC_COLOR | ILC_MASK, 4, 4);
    ASSERT_NE(list, nullptr);
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 12);
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    EXPECT_EQ(ImageList_Add(list, bitmap, nullptr), 0);
    EXPECT_EQ(ImageList_AddMasked(list, bitmap, 0x00FF00FF), 1);
    EXPECT_EQ(ImageList_AddIcon(list, icon), 2);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 1, icon), 1);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 3, icon), -1);
    EXPECT_TRUE(ImageList_Replace(list, 0, bitmap, nullptr));
    EXPECT_FALSE(ImageList_Replace(list, 3, bitmap, nullptr));
    EXPECT_EQ(ImageList_GetImageCount(list), 3);

    EXPECT_TRUE(ImageList_Draw(list, 2, reinterpret_cast<HDC>(bitmap), 0, 0, ILD_NORMAL));
    EXPECT_FALSE(ImageList_Draw(list, 3, reinterpret_cast<HDC>(bitmap), 0, 0, ILD_NORMAL));
    EXPECT_TRUE(ImageList_DrawEx(list, 0, reinterpret_cast<HDC>(bitmap), 0, 0, 0, 0, CLR_NONE, CLR_DEFAULT, 0));

    EXPECT_TRUE(ImageList_Remove(list, 1));
    EXPECT_FALSE(ImageList_Remove(list, 2));
    EXPECT_EQ(ImageList_GetImageCount(list), 2);
    EXPECT_TRUE(ImageList_SetImageCount(list, 5));
    EXPECT_EQ(ImageList_GetImageCount(list), 5);
    EXPECT_TRUE(ImageList_RemoveAll(list));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);

    ImageList_Add(list, bitmap, nullptr);
    EXPECT_TRUE(ImageList_SetIconSize(list, 32, 32)); // a new size empties the list
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
    EXPECT_EQ(ImageList_SetBkColor(list, 0x00FFFFFF), static_cast<COLORREF>(CLR_NONE));
    EXPECT_EQ(ImageList_GetBkColor(list), 0x00FFFFFFu);
    EXPECT_TRUE(ImageList_Destroy(list));
}

TEST_F(ImageListTest, BadHandlesAndArgumentsFailCleanly)
{
    EXPECT_EQ(ImageList_Create(0, 16, ILC_COLOR, 1, 1), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(ImageList_Create(16, 16, ILC_COLOR, -1, 1), nullptr);

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
        EXPECT_FALSE(ImageList_Draw(gone, 0, reinterpret_cast<HDC>(bitmap), 0, 0, 0));
        EXPECT_EQ(ImageList_GetBkColor(gone), static_cast<COLORREF>(CLR_NONE));
    }

    list = ImageList_Create(16, 16, ILC_COLOR, 1, 1);
    EXPECT_EQ(ImageList_Add(list, nullptr, nullptr), -1);
    EXPECT_EQ(ImageList_AddIcon(list, nullptr), -1);
    EXPECT_FALSE(ImageList_GetIconSize(list, nullptr, &cy));
    EXPECT_FALSE(ImageList_SetIconSize(list, 0, 4));
    EXPECT_FALSE(ImageList_Draw(list, 0, nullptr, 0, 0, 0));
    EXPECT_TRUE(ImageList_Destroy(list));
}

TEST_F(ImageListTest, ListViewsDestroyTheirImageListsUnlessShared)
{
    for (DWORD shared : {DWORD {0}, DWORD {LVS_SHAREIMAGELISTS}}) {
        HWND list = CreateWindowExW(0, WC_LISTVIEWW, u"", LVS_REPORT | shared, 0, 0, 100, 100, nullptr, nullptr, nullptr,
            nullptr);
        ASSERT_NE(list, nullptr);
        HIMAGELIST small = ImageList_Create(16, 16, ILC_COLOR, 1, 1);
        EXPECT_EQ(ListView_SetImageList(list, small, LVSIL_SMALL), nullptr);
        EXPECT_EQ(ListView_GetImageList(list, LVSIL_SMALL), small);
        DestroyWindow(list);
        EXPECT_EQ(ImageList_Destroy(small), shared ? TRUE : FALSE) << "shared " << shared;
    }
}

} // namespace
