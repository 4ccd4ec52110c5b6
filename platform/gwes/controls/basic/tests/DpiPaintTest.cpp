// The basic controls on a 192-dpi screen lay out and draw at double their 96-dpi size.
#include <gtest/gtest.h>

#include "ControlHarness.h"
#include "PaintHarness.h"
#include "emulator/Profile.h"

using namespace basic_test;

namespace {

class DoubleDpiTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev {*emulator::builtinProfile("wm6-vga")};
    HWND parent = nullptr;

    void SetUp() override
    {
        parent = makeParent();
        ASSERT_NE(parent, nullptr);
    }

    HWND make(const WCHAR* className, DWORD style, const WCHAR* text, int width, int height, int y = 0)
    {
        return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, y, width, height, parent,
            reinterpret_cast<HMENU>(static_cast<intptr_t>(100)), nullptr, nullptr);
    }
};

TEST_F(DoubleDpiTest, ACheckBoxIsTwiceAsLarge)
{
    HWND button = make(u"BUTTON", BS_AUTOCHECKBOX, u"", 200, 40);
    send(button, BM_SETCHECK, BST_CHECKED);
    paintPending();
    const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
    // A 26-pixel square, centred in the 40-pixel height.
    EXPECT_EQ(pixelOf(button, 0, 20), frame);
    EXPECT_EQ(pixelOf(button, 25, 20), frame);
    EXPECT_EQ(pixelOf(button, 13, 7), frame);
    EXPECT_EQ(pixelOf(button, 13, 32), frame);
    EXPECT_NE(pixelOf(button, 26, 20), frame);
}

TEST_F(DoubleDpiTest, ListRowsAndTheComboFieldAreTwiceAsHigh)
{
    HWND list = make(u"LISTBOX", 0, u"", 200, 200);
    for (const WCHAR* item : {u"one", u"two"})
        send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    send(list, LB_SETCURSEL, 1);
    EXPECT_EQ(send(list, LB_GETITEMHEIGHT), 32);
    paintPending();
    EXPECT_EQ(pixelOf(list, 100, 31), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(pixelOf(list, 190, 33), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(pixelOf(list, 190, 62), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(pixelOf(list, 190, 64), GetSysColor(COLOR_WINDOW));

    HWND combo = make(u"COMBOBOX", CBS_DROPDOWNLIST, u"", 200, 200, 300);
    RECT field {};
    GetClientRect(combo, &field);
    EXPECT_EQ(field.bottom, 40);
    paintPending();
    EXPECT_GT(countSysColour(combo, {200 - 32, 1, 199, 39}, COLOR_BTNFACE), 4 * 60);
}

} // namespace
