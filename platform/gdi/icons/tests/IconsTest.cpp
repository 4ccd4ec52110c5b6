// Icons: loading from PNG resources (single images, groups of sizes, errors), the built-in
// application icon, and DrawIconEx's transparency, blending, scaling, mask and image modes.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestDevice.h"
#include "windows.h"

namespace {

constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF blue = RGB(0, 0, 255);
constexpr COLORREF ground = RGB(0, 0, 0);

class IconTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto target = dev.hostPath(u"\\Windows\\IconResources.dll");
        std::filesystem::create_directories(target.parent_path());
        std::filesystem::copy_file(ICON_RESOURCES_IMAGE, target);
        module = LoadLibraryW(u"IconResources.dll");
        ASSERT_NE(module, nullptr);
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateCompatibleBitmap(dc, 40, 40); // black
        SelectObject(dc, bitmap);
    }
    void TearDown() override
    {
        DeleteDC(dc);
        DeleteObject(bitmap);
        FreeLibrary(module);
    }
    void paint(COLORREF color)
    {
        HBRUSH brush = CreateSolidBrush(color);
        HGDIOBJ old = SelectObject(dc, brush);
        PatBlt(dc, 0, 0, 40, 40, PATCOPY);
        SelectObject(dc, old);
        DeleteObject(brush);
    }

    testing_support::TestDevice dev;
    HMODULE module = nullptr;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
};

struct Probe {
    int x;
    int y;
    COLORREF expected;
};

void expectPixels(HDC dc, std::initializer_list<Probe> probes, const char* what)
{
    for (const Probe& p : probes)
        EXPECT_EQ(GetPixel(dc, p.x, p.y), p.expected) << what << " at " << p.x << "," << p.y;
}

TEST_F(IconTest, IconsScaleToTheSizeAskedAndKeepTheirTransparency)
{
    HICON icon = LoadIconW(module, MAKEINTRESOURCEW(1)); // 2x2, loaded at SM_CXICON (32)
    ASSERT_NE(icon, nullptr) << GetLastError();
    const COLORREF halfWhite = RGB(128, 128, 128); // white at alpha 0x80 over black

    ASSERT_TRUE(DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    expectPixels(dc,
        {{0, 0, red}, {15, 15, red}, {16, 0, ground}, {31, 15, ground}, {0, 16, blue}, {15, 31, blue},
            {16, 16, halfWhite}, {31, 31, halfWhite}, {32, 32, ground}},
        "own size");

    paint(ground);
    ASSERT_TRUE(DrawIconEx(dc, 3, 5, icon, 4, 6, 0, nullptr, DI_NORMAL));
    expectPixels(dc,
        {{3, 5, red}, {4, 7, red}, {5, 5, ground}, {3, 8, blue}, {6, 10, halfWhite}, {7, 5, ground}, {3, 11, ground},
            {2, 5, ground}},
        "shrunk to 4x6");

    struct ModeCase {
        UINT flags;
        COLORREF transparent; // what the transparent pixel leaves on white
        COLORREF opaque; // what the red pixel leaves
    };
    const COLORREF white = RGB(255, 255, 255);
    for (const ModeCase& c : {ModeCase {DI_NORMAL, white, red}, ModeCase {DI_IMAGE, RGB(0, 0, 0), red},
             ModeCase {DI_MASK, white, RGB(0, 0, 0)}}) {
        paint(white);
        ASSERT_TRUE(DrawIconEx(dc, 0, 0, icon, 2, 2, 0, nullptr, c.flags));
        expectPixels(dc, {{1, 0, c.transparent}, {0, 0, c.opaque}}, "mode");
    }

    HBRUSH brush = CreateSolidBrush(RGB(0, 255, 0));
    paint(white);
    ASSERT_TRUE(DrawIconEx(dc, 0, 0, icon, 2, 2, 0, brush, DI_NORMAL));
    expectPixels(dc, {{1, 0, RGB(0, 255, 0)}, {0, 0, red}, {2, 0, white}}, "flicker-free brush");
    DeleteObject(brush);

    paint(white);
    ASSERT_TRUE(DrawIcon(dc, 1, 1, icon));
    expectPixels(dc, {{1, 1, red}, {33, 1, white}, {32, 1, white}, {31, 1, white}}, "DrawIcon");
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(icon));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
}

TEST_F(IconTest, GroupsGiveTheSizeNearestTheOneAsked)
{
    struct Case {
        LPCWSTR name;
        COLORREF color; // the group's 16-pixel image is blue, its 32-pixel one red
    };
    for (const Case& c : {Case {MAKEINTRESOURCEW(2), red}, Case {MAKEINTRESOURCEW(3), blue}}) {
        HICON icon = LoadIconW(module, c.name);
        ASSERT_NE(icon, nullptr) << GetLastError();
        paint(ground);
        ASSERT_TRUE(DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
        expectPixels(dc, {{0, 0, c.color}, {31, 31, c.color}, {32, 32, ground}}, "loaded at 32");
        DestroyIcon(icon);
    }
}

TEST_F(IconTest, MissingAndBrokenIconsFailWithTheirErrors)
{
    struct Case {
        HMODULE module;
        LPCWSTR name;
        DWORD error;
    };
    for (const Case& c : {Case {module, MAKEINTRESOURCEW(9), ERROR_RESOURCE_NAME_NOT_FOUND},
             Case {module, MAKEINTRESOURCEW(4), ERROR_INVALID_DATA},
             Case {nullptr, MAKEINTRESOURCEW(32513), ERROR_RESOURCE_NAME_NOT_FOUND}}) {
        SetLastError(0);
        EXPECT_EQ(LoadIconW(c.module, c.name), nullptr);
        EXPECT_EQ(GetLastError(), c.error);
    }
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    EXPECT_FALSE(DrawIconEx(reinterpret_cast<HDC>(icon), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_FALSE(DrawIconEx(dc, 0, 0, icon, -1, 0, 0, nullptr, DI_NORMAL));
    EXPECT_FALSE(DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, 0));
}

TEST_F(IconTest, TheApplicationIconIsBuiltInAndShared)
{
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconW(nullptr, IDI_APPLICATION), icon);
    EXPECT_TRUE(DestroyIcon(icon)); // shared: it stays
    paint(RGB(0, 255, 0));
    ASSERT_TRUE(DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 255, 0)) << "the corner is transparent";
    EXPECT_EQ(GetPixel(dc, 16, 20), RGB(255, 255, 255)) << "the window's body";
    EXPECT_EQ(GetPixel(dc, 32, 16), RGB(0, 255, 0)) << "32 pixels wide";
    int titlePixels = 0;
    for (int y = 0; y < 32; ++y)
        titlePixels += GetPixel(dc, 16, y) == GetSysColor(COLOR_ACTIVECAPTION) ? 1 : 0;
    EXPECT_GT(titlePixels, 2) << "a title bar in the caption's blue";
}

} // namespace
