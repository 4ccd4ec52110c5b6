// What EDIT paints: its text in the cells the caret and taps use, the selection in highlight
// colours while focused, password characters, the caret, lines of a multi-line edit, and the
// colours of read-only and disabled edits.
#include "ControlHarness.h"
#include "PaintHarness.h"

using namespace basic_test;

namespace {

using EditPaintTest = ControlTest;

constexpr int margin = 2;
constexpr int line = 16;

TEST_F(EditPaintTest, TheSelectionShowsInHighlightColoursWhileFocused)
{
    struct Case {
        const char* name;
        DWORD style;
        bool focused;
        bool shown;
    };
    const Case cases[] = {
        {"focused", 0, true, true},
        {"not focused", 0, false, false},
        {"not focused, ES_NOHIDESEL", ES_NOHIDESEL, false, true},
    };
    for (const Case& c : cases) {
        HWND edit = make(u"EDIT", WS_BORDER | c.style, u"hello world", 100, 120, 20);
        send(edit, EM_SETSEL, 0, 5);
        if (c.focused)
            SetFocus(edit);
        paintPending();
        const int hello = margin + textExtent(edit, u"hello");
        const RECT selection {margin, 2, hello, 18};
        const RECT after {hello, 1, 119, 19};
        EXPECT_EQ(countSysColour(edit, selection, COLOR_HIGHLIGHT) > 100, c.shown) << c.name;
        if (c.shown) { // the selected text in highlight text on the highlight
            EXPECT_GT(countInk(edit, selection, GetSysColor(COLOR_HIGHLIGHTTEXT)), 10) << c.name;
        }
        EXPECT_EQ(countSysColour(edit, after, COLOR_HIGHLIGHT), 0) << c.name;
        EXPECT_GT(countInk(edit, after, GetSysColor(COLOR_WINDOWTEXT)), 10) << c.name; // " world"
        SetFocus(parent);
        DestroyWindow(edit);
    }
}

TEST_F(EditPaintTest, APasswordShowsItsCharacterForEachOne)
{
    HWND password = make(u"EDIT", ES_PASSWORD, u"abc", 100, 80, 20);
    HWND stars = make(u"EDIT", 0, u"***", 101, 80, 20, 0, 40);
    HWND plain = make(u"EDIT", 0, u"abc", 102, 80, 20, 0, 80);
    paintPending();
    const RECT client {0, 0, 80, 20};
    EXPECT_EQ(pixelsOf(password, client), pixelsOf(stars, client));
    EXPECT_NE(pixelsOf(password, client), pixelsOf(plain, client));
    send(password, EM_SETPASSWORDCHAR, u'#');
    SetWindowTextW(stars, u"###");
    paintPending();
    EXPECT_EQ(pixelsOf(password, client), pixelsOf(stars, client));
}

TEST_F(EditPaintTest, TheCaretStandsAtItsCharacterWhileFocused)
{
    HWND edit = make(u"EDIT", 0, u"    ", 100, 80, 20); // spaces: nothing but the caret is dark
    send(edit, EM_SETSEL, 3, 3);
    paintPending();
    const int afterThree = margin + textExtent(edit, u"   ");
    const RECT caretColumn {afterThree, 0, afterThree + 1, 20};
    EXPECT_EQ(countSysColour(edit, caretColumn, COLOR_WINDOWTEXT), 0);

    SetFocus(edit);
    paintPending();
    EXPECT_EQ(countSysColour(edit, caretColumn, COLOR_WINDOWTEXT), line);
    EXPECT_EQ(countSysColour(edit, {0, 0, 80, 20}, COLOR_WINDOWTEXT), line);
    send(edit, WM_KEYDOWN, VK_END);
    paintPending();
    EXPECT_EQ(countSysColour(edit, caretColumn, COLOR_WINDOWTEXT), 0);
    const int afterFour = margin + textExtent(edit, u"    ");
    EXPECT_EQ(countSysColour(edit, {afterFour, 0, afterFour + 1, 20}, COLOR_WINDOWTEXT), line);
}

TEST_F(EditPaintTest, AMultiLineEditDrawsItsLinesFromTheFirstVisible)
{
    HWND edit = make(u"EDIT", ES_MULTILINE, u"one\r\n\r\nthree", 100, 100, 3 * line);
    paintPending();
    const auto inkOfLine = [&](int row) {
        return countInk(edit, {0, row * line, 100, row * line + line}, GetSysColor(COLOR_WINDOWTEXT));
    };
    EXPECT_GT(inkOfLine(0), 10);
    EXPECT_EQ(inkOfLine(1), 0);
    EXPECT_GT(inkOfLine(2), 10);
    send(edit, EM_LINESCROLL, 0, 1);
    paintPending();
    EXPECT_EQ(inkOfLine(0), 0);
    EXPECT_GT(inkOfLine(1), 10);
    EXPECT_EQ(inkOfLine(2), 0);
}

TEST_F(EditPaintTest, ReadOnlyAndDisabledEditsAreColouredAsStaticText)
{
    const COLORREF green = RGB(0, 160, 0);
    HBRUSH brush = CreateSolidBrush(green);
    parentLog().colourRequestToAnswer = WM_CTLCOLORSTATIC;
    parentLog().brushToGive = brush;
    parentLog().textColourToGive = RGB(0, 0, 0);
    struct Case {
        const char* name;
        DWORD style;
        bool disabled;
        COLORREF background;
        int text;
    };
    const Case cases[] = {
        {"editable", 0, false, GetSysColor(COLOR_WINDOW), COLOR_WINDOWTEXT},
        {"read-only", ES_READONLY, false, green, COLOR_WINDOWTEXT},
        {"disabled", 0, true, green, COLOR_GRAYTEXT},
    };
    for (const Case& c : cases) {
        HWND edit = make(u"EDIT", WS_BORDER | c.style, u"Text", 100, 80, 20);
        if (c.disabled)
            EnableWindow(edit, FALSE);
        paintPending();
        EXPECT_EQ(pixelOf(edit, 0, 0), GetSysColor(COLOR_WINDOWFRAME)) << c.name;
        EXPECT_EQ(pixelOf(edit, 70, 10), c.background) << c.name;
        EXPECT_GT(countInk(edit, {1, 1, 79, 19}, GetSysColor(c.text)), 10) << c.name;
        DestroyWindow(edit);
    }
    DeleteObject(brush);
}

} // namespace
