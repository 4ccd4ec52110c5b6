// System colours: the Pocket PC theme, numbers with and without SYS_COLOR_INDEX_FLAG, unknown
// numbers, the stock brushes that follow their colour, SetSysColors' notice to top-level windows
// and the theme coming back at boot.
#include <gtest/gtest.h>

#include "LookTestSupport.h"

namespace {

class SysColorTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
};

TEST_F(SysColorTest, TheThemeAnswersWithAndWithoutTheFlag)
{
    struct Case {
        int index;
        COLORREF expected;
    };
    const Case cases[] = {
        {COLOR_WINDOW, RGB(255, 255, 255)},
        {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
        {COLOR_HIGHLIGHT, RGB(0x31, 0x6A, 0xC5)},
        {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
        {COLOR_BTNTEXT, RGB(0, 0, 0)},
        {COLOR_GRAYTEXT, RGB(0x80, 0x80, 0x80)},
        {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
        {COLOR_CAPTIONTEXT, RGB(255, 255, 255)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetSysColor(c.index), c.expected) << c.index;
        EXPECT_EQ(GetSysColor(c.index | SYS_COLOR_INDEX_FLAG), c.expected) << c.index;
    }
    // Light grey button faces and blue title bars.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_TRUE(GetRValue(face) > 0xB0 && GetRValue(face) < 0xF0 && GetGValue(face) > 0xB0 && GetBValue(face) > 0xB0);
    const COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION);
    EXPECT_GT(GetBValue(caption), GetRValue(caption) + 0x60);

    for (int unknown : {-1, COLOR_GRADIENTINACTIVECAPTION + 1, 100 | SYS_COLOR_INDEX_FLAG}) {
        EXPECT_EQ(GetSysColor(unknown), 0u) << unknown;
        EXPECT_EQ(GetSysColorBrush(unknown), nullptr) << unknown;
    }
}

TEST_F(SysColorTest, BrushesAreStockAndFollowTheirColour)
{
    HBRUSH brush = GetSysColorBrush(COLOR_HIGHLIGHT);
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(GetSysColorBrush(COLOR_HIGHLIGHT | SYS_COLOR_INDEX_FLAG), brush);
    EXPECT_NE(GetSysColorBrush(COLOR_WINDOW), brush);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH)) << "DeleteObject keeps it";

    look_test::Canvas canvas(2, 1, RGB(0, 0, 0));
    canvas.fill(brush);
    EXPECT_EQ(canvas.at(1, 0), GetSysColor(COLOR_HIGHLIGHT));

    const INT which[] = {COLOR_HIGHLIGHT | SYS_COLOR_INDEX_FLAG};
    const COLORREF green[] = {RGB(0, 200, 0)};
    ASSERT_TRUE(SetSysColors(1, which, green));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(0, 200, 0));
    canvas.fill(brush);
    EXPECT_EQ(canvas.at(1, 0), RGB(0, 200, 0)) << "the same brush, the new colour";
}

int colourChanges = 0;

LRESULT CALLBACK countingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOLORCHANGE)
        ++colourChanges;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(SysColorTest, SetSysColorsTellsTopLevelWindowsAndBootRestoresTheTheme)
{
    WNDCLASSW wc {};
    wc.lpfnWndProc = countingProc;
    wc.lpszClassName = u"ColourWatcher";
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND top = CreateWindowExW(0, u"ColourWatcher", u"", WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowExW(0, u"ColourWatcher", u"", WS_CHILD, 0, 0, 5, 5, top, nullptr, nullptr, nullptr);
    ASSERT_TRUE(top && child);
    colourChanges = 0;

    const INT which[] = {COLOR_WINDOW, COLOR_BTNFACE};
    const COLORREF values[] = {RGB(1, 2, 3), RGB(4, 5, 6)};
    const COLORREF before = GetSysColor(COLOR_WINDOW);
    const INT bad[] = {COLOR_WINDOW, 77};
    EXPECT_FALSE(SetSysColors(2, bad, values));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), before) << "nothing changes when one number is bad";
    EXPECT_FALSE(SetSysColors(1, nullptr, values));
    EXPECT_EQ(colourChanges, 0);

    ASSERT_TRUE(SetSysColors(2, which, values));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(1, 2, 3));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(4, 5, 6));
    EXPECT_EQ(colourChanges, 1) << "the top-level window only";

    dev.reboot();
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), before);
}

} // namespace
