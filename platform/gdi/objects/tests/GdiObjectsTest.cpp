// GDI objects and memory device contexts: raster operations, DIB section memory layouts,
// clipping, overlapping copies, selection and deletion rules, and bad handles.
#include <gtest/gtest.h>

#include <cstring>

#include "TestDevice.h"
#include "windows.h"

namespace {

class GdiTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;

    // A memory DC drawing into a new w x h bitmap; both are freed by the test's end.
    HDC makeDc(int w, int h)
    {
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, w, h);
        EXPECT_NE(SelectObject(dc, bitmap), nullptr);
        made.push_back({dc, bitmap});
        return dc;
    }
    void TearDown() override
    {
        for (auto [dc, bitmap] : made) {
            EXPECT_TRUE(DeleteDC(dc));
            EXPECT_TRUE(DeleteObject(bitmap));
        }
    }
    std::vector<std::pair<HDC, HBITMAP>> made;
};

// A DIB section of the given depth and height sign, with its pixel memory.
HBITMAP makeSection(int width, int height, WORD bits, void** pixels)
{
    BITMAPINFO info {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, bits, BI_RGB, 0, 0, 0, 0, 0};
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, pixels, nullptr, 0);
}

TEST_F(GdiTest, RasterOperationsCombineSourceDestinationAndPattern)
{
    const COLORREF source = RGB(0xF0, 0x0F, 0x33);
    const COLORREF destination = RGB(0x3C, 0x3C, 0x55);
    const COLORREF pattern = RGB(0x01, 0x80, 0xFF);
    struct Case {
        DWORD rop;
        COLORREF expected;
    };
    const Case cases[] = {
        {SRCCOPY, source},
        {SRCPAINT, RGB(0xFC, 0x3F, 0x77)},
        {SRCAND, RGB(0x30, 0x0C, 0x11)},
        {SRCINVERT, RGB(0xCC, 0x33, 0x66)},
        {NOTSRCCOPY, RGB(0x0F, 0xF0, 0xCC)},
        {DSTINVERT, RGB(0xC3, 0xC3, 0xAA)},
        {PATCOPY, pattern},
        {PATINVERT, RGB(0x3D, 0xBC, 0xAA)},
        {BLACKNESS, RGB(0, 0, 0)},
        {WHITENESS, RGB(255, 255, 255)},
    };
    HDC from = makeDc(1, 1);
    HDC to = makeDc(1, 1);
    HBRUSH brush = CreateSolidBrush(pattern);
    SelectObject(to, brush);
    SetPixel(from, 0, 0, source);
    for (const Case& c : cases) {
        SetPixel(to, 0, 0, destination);
        EXPECT_TRUE(BitBlt(to, 0, 0, 1, 1, from, 0, 0, c.rop)) << std::hex << c.rop;
        EXPECT_EQ(GetPixel(to, 0, 0), c.expected) << std::hex << c.rop;
    }
    SelectObject(to, GetStockObject(WHITE_BRUSH));
    EXPECT_TRUE(DeleteObject(brush));
}

TEST_F(GdiTest, DibSectionsLayTheirRowsOutAsDibsDo)
{
    struct Case {
        int height; // negative: top-down
        WORD bits;
        size_t stride;
        size_t offsetOfPixel2x1; // where pixel (2, 1) lies in memory
    };
    const Case cases[] = {
        {-2, 32, 12, 12 + 8},
        {2, 32, 12, 0 + 8}, // bottom-up: row 1 of 2 comes first
        {-2, 24, 12, 12 + 6},
        {2, 24, 12, 0 + 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height * 100 + c.bits);
        void* bits = nullptr;
        HBITMAP section = makeSection(3, c.height, c.bits, &bits);
        ASSERT_NE(section, nullptr);
        ASSERT_NE(bits, nullptr);
        HDC dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, section);
        SetPixel(dc, 2, 1, RGB(1, 2, 3));
        const auto* bytes = static_cast<const BYTE*>(bits);
        EXPECT_EQ(bytes[c.offsetOfPixel2x1], 3); // blue first
        EXPECT_EQ(bytes[c.offsetOfPixel2x1 + 1], 2);
        EXPECT_EQ(bytes[c.offsetOfPixel2x1 + 2], 1);
        // What the program writes directly is what GDI reads.
        static_cast<BYTE*>(bits)[0] = 0x40;
        const int firstRowInMemory = c.height < 0 ? 0 : 1;
        EXPECT_EQ(GetPixel(dc, 0, firstRowInMemory), RGB(0, 0, 0x40));
        BITMAP info {};
        ASSERT_EQ(GetObjectW(section, sizeof info, &info), static_cast<int>(sizeof info));
        EXPECT_EQ(info.bmWidth, 3);
        EXPECT_EQ(info.bmHeight, 2);
        EXPECT_EQ(static_cast<size_t>(info.bmWidthBytes), c.stride);
        EXPECT_EQ(info.bmBitsPixel, c.bits);
        EXPECT_EQ(info.bmBits, bits);
        DeleteDC(dc);
        EXPECT_TRUE(DeleteObject(section));
    }
}

TEST_F(GdiTest, BlitsAreClippedToBothBitmaps)
{
    HDC from = makeDc(4, 4);
    HDC to = makeDc(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            SetPixel(from, x, y, RGB(x, y, 9));
    }
    // Destination starting left of the bitmap and a source running off its right edge.
    EXPECT_TRUE(BitBlt(to, -1, 1, 4, 2, from, 2, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(to, 0, 1), RGB(3, 0, 9));
    EXPECT_EQ(GetPixel(to, 1, 1), RGB(0, 0, 0)); // beyond the source: untouched
    EXPECT_EQ(GetPixel(to, 0, 2), RGB(3, 1, 9));
    EXPECT_EQ(GetPixel(to, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(to, 0, 3), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(to, 4, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(to, -1, 0), CLR_INVALID);
}

TEST_F(GdiTest, AnOverlappingCopyReadsTheSourceFirst)
{
    HDC dc = makeDc(4, 1);
    for (int x = 0; x < 4; ++x)
        SetPixel(dc, x, 0, RGB(x + 1, 0, 0));
    EXPECT_TRUE(BitBlt(dc, 1, 0, 3, 1, dc, 0, 0, SRCCOPY));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(GetPixel(dc, x, 0), RGB(x == 0 ? 1 : x, 0, 0)) << x;
}

TEST_F(GdiTest, FillRectPaintsWithTheBrushAndTheHollowBrushPaintsNothing)
{
    HDC dc = makeDc(3, 3);
    const RECT middle {1, 1, 2, 2};
    EXPECT_EQ(FillRect(dc, &middle, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH))), 1);
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(128, 128, 128));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
    const RECT all {-5, -5, 10, 10};
    EXPECT_EQ(FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))), 1);
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(128, 128, 128));
    EXPECT_TRUE(PatBlt(dc, 0, 0, 3, 3, WHITENESS));
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(255, 255, 255));
}

TEST_F(GdiTest, ABitmapDrawsForOneDcAndIsNotDeletedWhileSelected)
{
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(first);
    HBITMAP bitmap = CreateCompatibleBitmap(first, 2, 2);
    HGDIOBJ original = SelectObject(first, bitmap);
    EXPECT_NE(original, nullptr);
    EXPECT_EQ(GetCurrentObject(first, OBJ_BITMAP), bitmap);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(SelectObject(first, original), bitmap);
    EXPECT_NE(SelectObject(second, bitmap), nullptr);
    EXPECT_TRUE(DeleteDC(second)); // a deleted DC lets its bitmap go
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(bitmap));
    // Stock objects stay whatever is asked.
    HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    EXPECT_TRUE(DeleteObject(white));
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), white);
    EXPECT_EQ(GetObjectType(white), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_TRUE(DeleteDC(first));
    EXPECT_FALSE(DeleteDC(first));
}

TEST_F(GdiTest, BadArgumentsFailCleanly)
{
    HDC dc = makeDc(2, 2);
    EXPECT_EQ(CreateCompatibleDC(reinterpret_cast<HDC>(0x1234)), nullptr);
    EXPECT_EQ(GetPixel(nullptr, 0, 0), CLR_INVALID);
    EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, dc, 0, 0, 0x00123456));
    EXPECT_FALSE(PatBlt(dc, 0, 0, 1, 1, SRCCOPY));
    EXPECT_EQ(CreateCompatibleBitmap(dc, 0, 5), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 100000, 100000), nullptr);
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_EQ(makeSection(4, 4, 16, &bits), nullptr);
    EXPECT_EQ(bits, nullptr);
    EXPECT_EQ(makeSection(4, 0, 32, nullptr), nullptr);
    EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
    EXPECT_EQ(FillRect(dc, nullptr, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
    EXPECT_EQ(GetObjectW(reinterpret_cast<HGDIOBJ>(0x99), 0, nullptr), 0);
    EXPECT_EQ(SelectObject(dc, reinterpret_cast<HGDIOBJ>(0x99)), nullptr);
    EXPECT_EQ(SetBkColor(nullptr, 0), CLR_INVALID);
}

TEST_F(GdiTest, CapabilitiesAreTheScreens)
{
    HDC dc = makeDc(1, 1);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 240);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 320);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
    EXPECT_EQ(SetTextColor(dc, RGB(1, 2, 3)), RGB(0, 0, 0));
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(SetBkColor(dc, RGB(4, 5, 6)), RGB(255, 255, 255));
}

} // namespace
