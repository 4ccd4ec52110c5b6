// Stretching and key-colour blits, moving pixels in and out with GetDIBits/SetDIBits, and
// bitmaps loaded from a module's PNG resources.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestDevice.h"
#include "windows.h"

namespace {

constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF key = RGB(255, 0, 255);
constexpr COLORREF blue = RGB(0, 0, 255);

class TransferTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    HDC makeDc(int w, int h, COLORREF fill)
    {
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, w, h);
        SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(fill);
        const RECT all {0, 0, w, h};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        made.push_back({dc, bitmap});
        return dc;
    }
    void TearDown() override
    {
        for (auto [dc, bitmap] : made) {
            DeleteDC(dc);
            DeleteObject(bitmap);
        }
    }
    std::vector<std::pair<HDC, HBITMAP>> made;
};

TEST_F(TransferTest, StretchingTakesTheNearestSourcePixel)
{
    HDC source = makeDc(2, 1, red);
    SetPixel(source, 1, 0, blue);
    HDC wide = makeDc(4, 2, 0);
    ASSERT_TRUE(StretchBlt(wide, 0, 0, 4, 2, source, 0, 0, 2, 1, SRCCOPY));
    const COLORREF doubled[] = {red, red, blue, blue};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(GetPixel(wide, x, y), doubled[x]) << x << "," << y;
    }
    HDC narrow = makeDc(1, 1, 0);
    ASSERT_TRUE(StretchBlt(narrow, 0, 0, 1, 1, wide, 1, 0, 3, 2, SRCCOPY));
    EXPECT_EQ(GetPixel(narrow, 0, 0), red); // (1, 0) of the source
    EXPECT_FALSE(StretchBlt(narrow, 0, 0, 0, 1, wide, 0, 0, 1, 1, SRCCOPY));
    EXPECT_FALSE(StretchBlt(narrow, 0, 0, 1, 1, wide, 0, 0, -1, 1, SRCCOPY));
}

TEST_F(TransferTest, TheKeyColourLeavesTheDestinationAsItWas)
{
    HDC skin = makeDc(3, 1, key);
    SetPixel(skin, 1, 0, red);
    HDC screen = makeDc(6, 1, blue);
    ASSERT_TRUE(TransparentBlt(screen, 0, 0, 6, 1, skin, 0, 0, 3, 1, key));
    const COLORREF expected[] = {blue, blue, red, red, blue, blue};
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(GetPixel(screen, x, 0), expected[x]) << x;
    // Without the key the magenta is copied like any colour.
    ASSERT_TRUE(TransparentBlt(screen, 0, 0, 1, 1, skin, 0, 0, 1, 1, RGB(1, 2, 3)));
    EXPECT_EQ(GetPixel(screen, 0, 0), key);
}

TEST_F(TransferTest, DibBitsGoOutAndComeBackInTheCallersLayout)
{
    HDC dc = makeDc(2, 2, 0);
    SetPixel(dc, 0, 0, RGB(1, 2, 3)); // the top row
    SetPixel(dc, 1, 1, RGB(4, 5, 6));
    HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));

    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    EXPECT_EQ(GetDIBits(dc, bitmap, 0, 0, nullptr, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(info.bmiHeader.biWidth, 2);
    EXPECT_EQ(info.bmiHeader.biBitCount, 32);

    // 24 bits bottom-up: rows of 8 bytes (6 padded to 4), the bottom row first.
    info.bmiHeader.biBitCount = 24;
    BYTE bits[16] {};
    ASSERT_EQ(GetDIBits(dc, bitmap, 0, 2, bits, &info, DIB_RGB_COLORS), 2);
    const BYTE expected[16] = {0, 0, 0, 6, 5, 4, 0, 0, 3, 2, 1, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::vector<BYTE>(bits, bits + 16), std::vector<BYTE>(expected, expected + 16));

    // Scan line 1 of a bottom-up layout is the top row: only it changes.
    const BYTE topRow[8] = {9, 8, 7, 9, 8, 7, 0, 0};
    EXPECT_EQ(SetDIBits(dc, bitmap, 1, 1, topRow, &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(7, 8, 9));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(7, 8, 9));
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(4, 5, 6));
    EXPECT_EQ(SetDIBits(dc, bitmap, 5, 1, topRow, &info, DIB_RGB_COLORS), 0);

    info.bmiHeader.biWidth = 3; // not the bitmap's size
    EXPECT_EQ(GetDIBits(dc, bitmap, 0, 2, bits, &info, DIB_RGB_COLORS), 0);
}

TEST_F(TransferTest, BitmapsLoadFromPngResources)
{
    const auto target = dev.hostPath(u"\\Windows\\GdiResources.dll");
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy_file(GDI_RESOURCES_IMAGE, target);
    HMODULE module = LoadLibraryW(u"GdiResources.dll");
    ASSERT_NE(module, nullptr);

    HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(1));
    ASSERT_NE(bitmap, nullptr) << GetLastError();
    BITMAP info {};
    ASSERT_EQ(GetObjectW(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 2);
    EXPECT_EQ(info.bmHeight, 1);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bitmap);
    EXPECT_EQ(GetPixel(dc, 0, 0), red);
    EXPECT_EQ(GetPixel(dc, 1, 0), key);
    DeleteDC(dc);
    EXPECT_TRUE(DeleteObject(bitmap));

    HANDLE image = LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    EXPECT_NE(image, nullptr);
    DeleteObject(image);
    struct Failure {
        LPCWSTR name;
        DWORD error;
    };
    for (const Failure& f : {Failure {MAKEINTRESOURCEW(2), ERROR_INVALID_DATA},
             Failure {MAKEINTRESOURCEW(3), ERROR_RESOURCE_NAME_NOT_FOUND}}) {
        SetLastError(0);
        EXPECT_EQ(LoadBitmapW(module, f.name), nullptr);
        EXPECT_EQ(GetLastError(), f.error);
    }
    EXPECT_EQ(LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, 0), nullptr);
    FreeLibrary(module);
}

} // namespace
