// What STATIC and BUTTON paint: text where their style puts it and in the colours the parent
// or the system gives, check boxes and radio buttons with their check, push buttons pushed and
// default, group boxes.
#include <optional>

#include "ControlHarness.h"
#include "PaintHarness.h"

using namespace basic_test;

namespace {

using StaticPaintTest = ControlTest;
using ButtonPaintTest = ControlTest;

struct Columns {
    LONG first;
    LONG last;
};

// The first and last columns of `rect` holding ink of the colour.
std::optional<Columns> columnsOf(HWND hwnd, const RECT& rect, COLORREF colour)
{
    std::optional<Columns> found;
    for (LONG x = rect.left; x < rect.right; ++x) {
        if (countInk(hwnd, {x, rect.top, x + 1, rect.bottom}, colour) == 0)
            continue;
        if (!found)
            found = Columns {x, x};
        found->last = x;
    }
    return found;
}

TEST_F(StaticPaintTest, TextStandsWhereTheStyleAligns)
{
    struct Case {
        const char* name;
        DWORD style;
        LONG firstAtMost;
        LONG firstAtLeast;
        LONG lastAtLeast;
        LONG lastAtMost;
    };
    const Case cases[] = {
        {"left", SS_LEFT, 3, 0, 0, 40},
        {"centre", SS_CENTER, 70, 50, 90, 110},
        {"right", SS_RIGHT, 200, 100, 150, 160},
        {"left, no wrapping", SS_LEFTNOWORDWRAP, 3, 0, 0, 40},
    };
    for (const Case& c : cases) {
        HWND label = make(u"STATIC", c.style, u"Name:", 100, 160, 20);
        paintPending();
        const auto columns = columnsOf(label, {0, 0, 160, 20}, GetSysColor(COLOR_STATICTEXT));
        ASSERT_TRUE(columns) << c.name;
        EXPECT_LE(columns->first, c.firstAtMost) << c.name;
        EXPECT_GE(columns->first, c.firstAtLeast) << c.name;
        EXPECT_GE(columns->last, c.lastAtLeast) << c.name;
        EXPECT_LE(columns->last, c.lastAtMost) << c.name;
        DestroyWindow(label);
    }
}

TEST_F(StaticPaintTest, ColoursComeFromTheParentOrTheSystemAndGreyWhenDisabled)
{
    const COLORREF red = RGB(200, 0, 0);
    const COLORREF blue = RGB(0, 0, 200);
    HBRUSH redBrush = CreateSolidBrush(red);
    struct Case {
        const char* name;
        bool parentAnswers;
        bool disabled;
        COLORREF background;
        COLORREF text;
    };
    const Case cases[] = {
        {"system colours", false, false, GetSysColor(COLOR_STATIC), GetSysColor(COLOR_STATICTEXT)},
        {"disabled", false, true, GetSysColor(COLOR_STATIC), GetSysColor(COLOR_GRAYTEXT)},
        {"the parent's", true, false, red, blue},
    };
    for (const Case& c : cases) {
        parentLog().colourRequestToAnswer = c.parentAnswers ? WM_CTLCOLORSTATIC : 0;
        parentLog().brushToGive = redBrush;
        parentLog().textColourToGive = blue;
        HWND label = make(u"STATIC", SS_LEFT, u"Wide text", 100, 100, 20);
        if (c.disabled)
            EnableWindow(label, FALSE);
        paintPending();
        const RECT client {0, 0, 100, 20};
        EXPECT_EQ(pixelOf(label, 99, 19), c.background) << c.name;
        EXPECT_GT(countInk(label, client, c.text), 10) << c.name;
        EXPECT_EQ(countSysColour(label, client, c.disabled ? COLOR_STATICTEXT : COLOR_GRAYTEXT), 0) << c.name;
        DestroyWindow(label);
    }
    DeleteObject(redBrush);
}

constexpr COLORREF red = RGB(220, 0, 0);

// A red bitmap of 10x8.
HBITMAP makeRedBitmap()
{
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(memory, 10, 8);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    HBRUSH brush = CreateSolidBrush(red);
    const RECT all {0, 0, 10, 8};
    FillRect(memory, &all, brush);
    SelectObject(memory, previous);
    DeleteObject(brush);
    DeleteDC(memory);
    return bitmap;
}

TEST_F(StaticPaintTest, ImagesAreDrawnAtTheTopLeft)
{
    HBITMAP bitmap = makeRedBitmap();
    HWND picture = make(u"STATIC", SS_BITMAP, u"", 100, 40, 40);
    send(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    HWND icon = make(u"STATIC", SS_ICON, u"", 101, 40, 40, 0, 50);
    send(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_APPLICATION)));
    paintPending();
    EXPECT_EQ(countColour(picture, {0, 0, 10, 8}, red), 80);
    EXPECT_EQ(countColour(picture, {0, 0, 40, 40}, red), 80);
    const int iconSide = GetSystemMetrics(SM_CXICON);
    const int background = countSysColour(icon, {0, 0, iconSide, iconSide}, COLOR_STATIC);
    EXPECT_LT(background, iconSide * iconSide - 100); // the icon's opaque part covers its square
    EXPECT_EQ(countSysColour(icon, {iconSide, 0, 40, 40}, COLOR_STATIC), (40 - iconSide) * 40);
    DestroyWindow(picture);
    DeleteObject(bitmap);
}

// The middle of a check box's or radio button's 13x13 square in a 20-pixel-high button.
constexpr RECT boxInside {3, 6, 10, 13};

TEST_F(ButtonPaintTest, CheckBoxesAndRadioButtonsShowTheirCheck)
{
    struct Case {
        const char* name;
        DWORD style;
        WPARAM check;
        int inkSysColour; // what the check is drawn in (-1: nothing inside)
    };
    const Case cases[] = {
        {"check box, unchecked", BS_AUTOCHECKBOX, BST_UNCHECKED, -1},
        {"check box, checked", BS_AUTOCHECKBOX, BST_CHECKED, COLOR_WINDOWTEXT},
        {"three states, indeterminate", BS_AUTO3STATE, BST_INDETERMINATE, COLOR_GRAYTEXT},
        {"radio, unchecked", BS_AUTORADIOBUTTON, BST_UNCHECKED, -1},
        {"radio, checked", BS_AUTORADIOBUTTON, BST_CHECKED, COLOR_WINDOWTEXT},
    };
    for (const Case& c : cases) {
        HWND button = make(u"BUTTON", c.style, u"", 100, 100, 20);
        send(button, BM_SETCHECK, c.check);
        paintPending();
        const int inside = (boxInside.right - boxInside.left) * (boxInside.bottom - boxInside.top);
        if (c.inkSysColour < 0)
            EXPECT_EQ(countSysColour(button, boxInside, COLOR_WINDOW), inside) << c.name;
        else
            EXPECT_GT(countSysColour(button, boxInside, c.inkSysColour), 4) << c.name;
        EXPECT_EQ(pixelOf(button, 50, 10), GetSysColor(COLOR_STATIC)) << c.name; // no box out there
        DestroyWindow(button);
    }
}

TEST_F(ButtonPaintTest, TheTextStandsBesideTheBox)
{
    struct Case {
        const char* name;
        DWORD style;
        RECT box; // where the square's frame is
        RECT text; // where the text's pixels are
    };
    const Case cases[] = {
        {"box at the left", BS_CHECKBOX, {0, 3, 13, 16}, {17, 0, 120, 20}},
        {"box at the right", BS_CHECKBOX | BS_LEFTTEXT, {107, 3, 120, 16}, {0, 0, 103, 20}},
    };
    for (const Case& c : cases) {
        HWND button = make(u"BUTTON", c.style, u"Mail", 100, 120, 20);
        paintPending();
        const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
        EXPECT_EQ(pixelOf(button, c.box.left, 9), frame) << c.name;
        EXPECT_EQ(pixelOf(button, c.box.right - 1, 9), frame) << c.name;
        const int textPixels = countInk(button, c.text, GetSysColor(COLOR_WINDOWTEXT));
        EXPECT_GT(textPixels, 10) << c.name;
        // Dark ink outside the box is the text's, all of it where the text goes.
        const int outsideBox = countInk(button, {0, 0, 120, 20}, GetSysColor(COLOR_WINDOWTEXT))
            - countInk(button, c.box, GetSysColor(COLOR_WINDOWTEXT));
        EXPECT_EQ(outsideBox, textPixels) << c.name;
        DestroyWindow(button);
    }
}

TEST_F(ButtonPaintTest, PushButtonsHaveADarkFrameAndDarkenWhilePushed)
{
    struct Case {
        const char* name;
        DWORD style;
        bool pushed;
        int frames;
        int face;
    };
    const Case cases[] = {
        {"push button", BS_PUSHBUTTON, false, 1, COLOR_BTNFACE},
        {"pushed", BS_PUSHBUTTON, true, 1, COLOR_BTNSHADOW},
        {"default button", BS_DEFPUSHBUTTON, false, 2, COLOR_BTNFACE},
    };
    for (const Case& c : cases) {
        HWND button = make(u"BUTTON", c.style, u"OK", 100, 60, 24);
        send(button, BM_SETSTATE, c.pushed);
        paintPending();
        const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
        EXPECT_EQ(pixelOf(button, 0, 0), frame) << c.name;
        EXPECT_EQ(pixelOf(button, 59, 23), frame) << c.name;
        EXPECT_EQ(pixelOf(button, 1, 12) == frame, c.frames == 2) << c.name;
        EXPECT_EQ(pixelOf(button, 4, 3), GetSysColor(c.face)) << c.name;
        DestroyWindow(button);
    }
}

TEST_F(ButtonPaintTest, ABitmapButtonShowsItsBitmapInTheMiddle)
{
    HBITMAP bitmap = makeRedBitmap();
    HWND button = make(u"BUTTON", BS_PUSHBUTTON | BS_BITMAP, u"Text", 100, 60, 24);
    send(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    paintPending();
    EXPECT_EQ(countColour(button, {25, 8, 35, 16}, red), 80);
    EXPECT_EQ(countColour(button, {0, 0, 60, 24}, red), 80);
    // Dark: the frame's pixels only, no text.
    EXPECT_EQ(countInk(button, {0, 0, 60, 24}, GetSysColor(COLOR_BTNTEXT)), 2 * (60 + 24) - 4);
    DestroyWindow(button);
    DeleteObject(bitmap);
}

TEST_F(ButtonPaintTest, DisabledTextIsGreyAndTheFocusIsDotted)
{
    HWND button = make(u"BUTTON", BS_PUSHBUTTON, u"Send", 100, 60, 24);
    paintPending();
    const RECT face {5, 5, 55, 19}; // inside the focus rectangle
    EXPECT_GT(countInk(button, face, GetSysColor(COLOR_BTNTEXT)), 10);
    const RECT focusColumn {3, 3, 4, 21};
    EXPECT_EQ(countSysColour(button, focusColumn, COLOR_BTNFACE), 18);

    SetFocus(button);
    paintPending();
    EXPECT_LT(countSysColour(button, focusColumn, COLOR_BTNFACE), 18);

    EnableWindow(button, FALSE);
    paintPending();
    EXPECT_EQ(countInk(button, face, GetSysColor(COLOR_BTNTEXT)), 0);
    EXPECT_GT(countInk(button, face, GetSysColor(COLOR_GRAYTEXT)), 10);
}

TEST_F(ButtonPaintTest, AGroupBoxFramesItsAreaUnderItsCaption)
{
    HWND group = make(u"BUTTON", BS_GROUPBOX, u"Options", 100, 120, 60);
    paintPending();
    const COLORREF line = GetSysColor(COLOR_3DSHADOW);
    EXPECT_EQ(pixelOf(group, 60, 59), line); // the bottom
    EXPECT_EQ(pixelOf(group, 0, 40), line);
    EXPECT_EQ(pixelOf(group, 119, 40), line);
    EXPECT_GT(countColour(group, {110, 0, 120, 20}, line), 0); // the top, beside the caption
    EXPECT_EQ(countColour(group, {8, 0, 50, 20}, line), 0); // the caption covers it
    const auto caption = columnsOf(group, {6, 0, 120, 14}, GetSysColor(COLOR_STATICTEXT));
    ASSERT_TRUE(caption);
    EXPECT_GE(caption->first, 8);
    EXPECT_LT(caption->last, 110);
}

} // namespace
