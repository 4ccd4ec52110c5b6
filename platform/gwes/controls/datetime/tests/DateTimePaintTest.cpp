// What the date and time picker draws: its field, border and button (drop-down or up-down), the
// focused field highlighted where taps find it, grey text when disabled or without a value, and
// DTS_SHOWNONE's check box.
#include "ControlPixels.h"
#include "DateTimeTestSupport.h"

using namespace datetime_test;
using namespace control_pixels;

namespace {

constexpr int width = 200; // makePicker's size
constexpr int height = 20;
constexpr int button = 13; // the button column at the right

COLORREF sys(int index)
{
    return GetSysColor(index);
}

class DateTimePaintTest : public DateTimeTest {
protected:
    HWND makeShown(DWORD style = 0)
    {
        HWND picker = makePicker(style, u"MM/dd/yyyy hh:mm tt");
        EXPECT_TRUE(setTime(picker, timeOf(2024, 1, 31, 23, 59, 0, 3)));
        return picker;
    }
    // The text's width up to character `index`, in the system font.
    static int extent(HWND picker, int index)
    {
        const std::u16string text = textOf(picker);
        SIZE size {};
        HDC dc = GetDC(picker);
        GetTextExtentPoint32W(dc, text.c_str(), index, &size);
        ReleaseDC(picker, dc);
        return size.cx;
    }
    // The leftmost and rightmost columns holding the highlight colour; {-1, -1} without any.
    static std::pair<int, int> highlightSpan(HWND picker)
    {
        std::pair<int, int> span {-1, -1};
        for (int x = 0; x < width; ++x) {
            if (countColor(picker, {x, 0, x + 1, height}, sys(COLOR_HIGHLIGHT)) == 0)
                continue;
            span.second = x;
            if (span.first < 0)
                span.first = x;
        }
        return span;
    }
};

TEST_F(DateTimePaintTest, TheFieldIsWhiteWithABorderTextAndTheDropButton)
{
    HWND picker = makeShown();
    repaint(picker);
    EXPECT_EQ(pixelAt(picker, 0, 0), sys(COLOR_BTNSHADOW));
    EXPECT_EQ(pixelAt(picker, width - button - 1, height - 1), sys(COLOR_BTNSHADOW));
    EXPECT_EQ(pixelAt(picker, width - button - 2, height / 2), sys(COLOR_WINDOW));
    const int textEnd = 2 + extent(picker, 19);
    EXPECT_GT(countColor(picker, {2, 0, textEnd, height}, sys(COLOR_WINDOWTEXT)), 20) << "the value";
    EXPECT_EQ(countDark(picker, {textEnd + 1, 1, width - button, height - 1}), 0) << "nothing after the text";
    EXPECT_EQ(highlightSpan(picker), std::make_pair(-1, -1)) << "no highlight without the focus";
    const RECT buttonColumn {width - button, 0, width, height};
    EXPECT_GT(countColor(picker, buttonColumn, sys(COLOR_BTNFACE)), 20);
    EXPECT_GT(countColor(picker, buttonColumn, sys(COLOR_BTNTEXT)), 3) << "the arrow";

    DestroyWindow(picker); // siblings above a window hide it
    HWND arrows = makeShown(DTS_UPDOWN);
    repaint(arrows);
    EXPECT_GT(countColor(arrows, {width - button, 0, width, height / 2}, sys(COLOR_BTNTEXT)), 2) << "up";
    EXPECT_GT(countColor(arrows, {width - button, height / 2, width, height}, sys(COLOR_BTNTEXT)), 2) << "down";
}

TEST_F(DateTimePaintTest, TheFocusedFieldIsHighlightedWhereTapsFindIt)
{
    HWND picker = makeShown();
    SetFocus(picker);
    struct Case {
        int rights; // VK_RIGHT presses from the first field
        int first, end; // its characters in "01/31/2024 11:59 PM"
    };
    const Case cases[] = {{0, 0, 2}, {1, 3, 5}, {2, 6, 10}, {5, 17, 19}};
    for (const Case& c : cases) {
        for (int i = 0; i < 6; ++i)
            send(picker, WM_KEYDOWN, VK_LEFT, 0); // to the first field
        for (int i = 0; i < c.rights; ++i)
            send(picker, WM_KEYDOWN, VK_RIGHT, 0);
        repaint(picker);
        const auto [left, right] = highlightSpan(picker);
        EXPECT_EQ(left, 2 + extent(picker, c.first)) << "field " << c.rights;
        EXPECT_EQ(right, 2 + extent(picker, c.end) - 1) << "field " << c.rights;
        EXPECT_GT(countColor(picker, {left, 0, right + 1, height}, sys(COLOR_HIGHLIGHTTEXT)), 3);

        for (int i = 0; i < 6; ++i)
            send(picker, WM_KEYDOWN, c.rights ? VK_LEFT : VK_RIGHT, 0); // away from it
        send(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((left + right) / 2, 10));
        repaint(picker);
        EXPECT_EQ(highlightSpan(picker), std::make_pair(left, right)) << "a tap on the field focuses it";
    }
}

TEST_F(DateTimePaintTest, TextIsGreyWhenDisabledOrWithoutAValue)
{
    struct Case {
        const char* name;
        DWORD style;
        bool enabled;
        bool checked;
        COLORREF text;
    };
    const Case cases[] = {
        {"enabled", 0, true, true, sys(COLOR_WINDOWTEXT)},
        {"disabled", 0, false, true, sys(COLOR_GRAYTEXT)},
        {"checked", DTS_SHOWNONE, true, true, sys(COLOR_WINDOWTEXT)},
        {"no value", DTS_SHOWNONE, true, false, sys(COLOR_GRAYTEXT)},
    };
    for (const Case& c : cases) {
        HWND picker = makeShown(c.style);
        if (!c.checked)
            DateTime_SetSystemtime(picker, GDT_NONE, nullptr);
        EnableWindow(picker, c.enabled);
        repaint(picker);
        const RECT text {16, 1, width - button, height - 1};
        EXPECT_GT(countColor(picker, text, c.text), 10) << c.name;
        if (c.text == sys(COLOR_GRAYTEXT)) {
            EXPECT_EQ(countColor(picker, text, sys(COLOR_WINDOWTEXT)), 0) << c.name;
        }
        DestroyWindow(picker);
    }
}

TEST_F(DateTimePaintTest, TheCheckBoxShowsWhetherThereIsAValue)
{
    HWND picker = makeShown(DTS_SHOWNONE);
    repaint(picker);
    const RECT box {1, 1, 16, height - 1};
    const int checked = countDark(picker, box);
    DateTime_SetSystemtime(picker, GDT_NONE, nullptr);
    repaint(picker);
    const int unchecked = countDark(picker, box);
    EXPECT_GT(unchecked, 4 * 10) << "the box's border";
    EXPECT_GT(checked, unchecked + 5) << "the tick";
}

} // namespace
