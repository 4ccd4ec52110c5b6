// What LISTBOX and COMBOBOX paint: rows with the selected ones in highlight colours, a scroll
// bar when the rows overflow, owner-drawn rows left to the owner, the combo's field with its
// drop button, and its dropped list in a pop-up that taps pass through.
#include <algorithm>
#include <vector>

#include "ControlHarness.h"
#include "PaintHarness.h"

using namespace basic_test;

namespace {

constexpr int row = 16;
constexpr int scrollBarWidth = 13;

class ListPaintTest : public ControlTest {
protected:
    HWND makeList(DWORD style, int count, int height)
    {
        HWND list = make(u"LISTBOX", style, u"", 100, 120, height);
        for (int i = 0; i < count; ++i)
            send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"Item"));
        return list;
    }
};

RECT rowRect(int index, int width)
{
    return {0, index * row, width, index * row + row};
}

TEST_F(ListPaintTest, SelectedRowsAreFilledWithTheHighlight)
{
    struct Case {
        const char* name;
        DWORD style;
        std::vector<int> select;
    };
    const Case cases[] = {
        {"single selection", 0, {1}},
        {"multiple selection", LBS_MULTIPLESEL, {0, 2}},
        {"nothing selected", 0, {}},
    };
    for (const Case& c : cases) {
        HWND list = makeList(c.style, 3, 4 * row);
        for (int index : c.select)
            send(list, (c.style & LBS_MULTIPLESEL) ? LB_SETSEL : LB_SETCURSEL,
                (c.style & LBS_MULTIPLESEL) ? TRUE : static_cast<WPARAM>(index), index);
        paintPending();
        for (int index = 0; index < 4; ++index) {
            const bool selected = std::find(c.select.begin(), c.select.end(), index) != c.select.end();
            const RECT rect = rowRect(index, 120);
            EXPECT_EQ(countSysColour(list, rect, COLOR_HIGHLIGHT) > 100, selected) << c.name << " row " << index;
            EXPECT_EQ(countInk(list, rect, GetSysColor(COLOR_WINDOWTEXT)) > 5, !selected && index < 3)
                << c.name << " row " << index;
        }
        DestroyWindow(list);
    }
}

TEST_F(ListPaintTest, AScrollBarShowsWhenRowsOverflow)
{
    struct Case {
        const char* name;
        DWORD style;
        int count;
        bool bar;
    };
    const Case cases[] = {
        {"overflowing", WS_VSCROLL, 10, true},
        {"fitting", WS_VSCROLL, 3, false},
        {"fitting, LBS_DISABLENOSCROLL", WS_VSCROLL | LBS_DISABLENOSCROLL, 3, true},
        {"no WS_VSCROLL", 0, 10, false},
    };
    for (const Case& c : cases) {
        HWND list = makeList(c.style, c.count, 5 * row);
        paintPending();
        const RECT bar {120 - scrollBarWidth, 0, 120, 5 * row};
        EXPECT_EQ(countSysColour(list, bar, COLOR_BTNFACE) > 50, c.bar) << c.name;
        DestroyWindow(list);
    }
}

TEST_F(ListPaintTest, TheScrollBarsThumbFollowsTheTopRow)
{
    HWND list = makeList(WS_VSCROLL, 20, 5 * row);
    paintPending();
    const RECT troughTop {120 - scrollBarWidth + 2, 5 * row / 2 - 20, 118, 5 * row / 2 - 14};
    const auto thumbAtTop = [&] { return countSysColour(list, troughTop, COLOR_SCROLLBAR); };
    const int atFirst = thumbAtTop();
    send(list, LB_SETTOPINDEX, 15);
    paintPending();
    EXPECT_NE(thumbAtTop(), atFirst);
}

TEST_F(ListPaintTest, TapsOnTheScrollBarScrollAndSelectNothing)
{
    // 20 rows, 5 showing from row 5: the thumb stands a third of the way down the trough.
    struct Case {
        const char* name;
        int y;
        int top;
    };
    const Case cases[] = {
        {"up arrow", 2, 4},
        {"down arrow", 5 * row - 2, 6},
        {"trough above the thumb", 20, 0},
        {"trough below the thumb", 50, 10},
    };
    for (const Case& c : cases) {
        HWND list = makeList(WS_VSCROLL | LBS_NOTIFY, 20, 5 * row);
        send(list, LB_SETTOPINDEX, 5);
        takeCodes();
        tap(list, 120 - scrollBarWidth / 2, c.y);
        EXPECT_EQ(send(list, LB_GETTOPINDEX), c.top) << c.name;
        EXPECT_EQ(send(list, LB_GETCURSEL), LB_ERR) << c.name;
        EXPECT_EQ(takeCodes(), std::vector<WORD> {}) << c.name;
        DestroyWindow(list);
    }
}

TEST_F(ListPaintTest, TheOwnerPaintsOwnerDrawnRows)
{
    HWND list = make(u"LISTBOX", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, u"", 100, 120, 4 * row);
    send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"Item"));
    send(list, LB_SETCURSEL, 0);
    parentLog().drawRequests.clear();
    paintPending();
    EXPECT_EQ(parentLog().drawRequests.size(), 1u);
    EXPECT_EQ(countSysColour(list, {0, 0, 120, 4 * row}, COLOR_HIGHLIGHT), 0); // the owner drew nothing
    EXPECT_EQ(countSysColour(list, {0, 0, 120, 4 * row}, COLOR_WINDOWTEXT), 0);
}

TEST_F(ListPaintTest, ABorderedListIsFramed)
{
    HWND list = makeList(WS_BORDER, 1, 4 * row);
    paintPending();
    EXPECT_EQ(pixelOf(list, 0, 0), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(pixelOf(list, 119, 4 * row - 1), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(pixelOf(list, 60, 3 * row), GetSysColor(COLOR_WINDOW));
}

constexpr int field = 20;
constexpr POINT comboAt {10, 60};

class ComboPaintTest : public ControlTest {
protected:
    HWND makeCombo(DWORD style)
    {
        HWND combo = make(u"COMBOBOX", style, u"", 9, 120, field + 3 * row, comboAt.x, comboAt.y);
        for (const WCHAR* item : {u"one", u"two", u"three", u"four"})
            send(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        return combo;
    }

    // The window that shows the screen point below the combo's field.
    HWND windowBelowField(int y) { return WindowFromPoint({comboAt.x + 20, comboAt.y + field + y}); }
};

TEST_F(ComboPaintTest, TheFieldHasAFrameAndADropButton)
{
    struct Case {
        const char* name;
        DWORD style;
        bool disabled;
        int text;
    };
    const Case cases[] = {
        {"drop-down list", CBS_DROPDOWNLIST, false, COLOR_WINDOWTEXT},
        {"disabled", CBS_DROPDOWNLIST, true, COLOR_GRAYTEXT},
        {"drop-down", CBS_DROPDOWN, false, COLOR_WINDOWTEXT},
    };
    for (const Case& c : cases) {
        HWND combo = makeCombo(c.style);
        send(combo, CB_SETCURSEL, 2);
        if (c.disabled)
            EnableWindow(combo, FALSE);
        paintPending();
        const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
        EXPECT_EQ(pixelOf(combo, 119, 0), frame) << c.name;
        EXPECT_EQ(pixelOf(combo, 119, field - 1), frame) << c.name;
        const RECT button {120 - 16, 1, 119, field - 1};
        EXPECT_GT(countSysColour(combo, button, COLOR_BTNFACE), 60) << c.name;
        // The arrow is dark, or grey on a disabled combo.
        EXPECT_GT(countSysColour(combo, button, c.disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT), 3) << c.name;
        if (c.style == CBS_DROPDOWNLIST) { // an editable combo's edit paints its own field
            EXPECT_GT(countInk(combo, {1, 1, 100, field - 1}, GetSysColor(c.text)), 10) << c.name;
        }
        DestroyWindow(combo);
    }
}

TEST_F(ComboPaintTest, AFocusedDropDownListHighlightsItsSelection)
{
    HWND combo = makeCombo(CBS_DROPDOWNLIST);
    send(combo, CB_SETCURSEL, 0);
    paintPending();
    const RECT inside {3, 3, 100, field - 3};
    EXPECT_EQ(countSysColour(combo, inside, COLOR_HIGHLIGHT), 0);
    SetFocus(combo);
    paintPending();
    EXPECT_GT(countSysColour(combo, inside, COLOR_HIGHLIGHT), 100);
}

TEST_F(ComboPaintTest, TheDroppedListShowsInAPopUpThatTapsPassThrough)
{
    HWND combo = makeCombo(CBS_DROPDOWNLIST);
    SetFocus(combo);
    send(combo, CB_SETCURSEL, 1);
    paintPending();
    EXPECT_EQ(windowBelowField(row), parent);

    HWND active = GetActiveWindow();
    send(combo, CB_SHOWDROPDOWN, TRUE);
    paintPending();
    HWND popup = windowBelowField(row);
    ASSERT_NE(popup, parent);
    EXPECT_EQ(GetFocus(), combo); // the list takes neither the focus nor the activation
    EXPECT_EQ(GetActiveWindow(), active);
    RECT shown {};
    GetWindowRect(popup, &shown);
    RECT dropped {};
    send(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(shown.top, dropped.top + field);
    EXPECT_EQ(shown.bottom, dropped.bottom);
    for (int index = 0; index < 3; ++index) {
        const RECT rect {1, index * row + 1, 119, index * row + row - 1};
        EXPECT_EQ(countSysColour(popup, rect, COLOR_HIGHLIGHT) > 100, index == 1) << "row " << index;
    }
    EXPECT_EQ(pixelOf(popup, 0, row), GetSysColor(COLOR_WINDOWFRAME));

    send(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 2 * row + 4));
    send(popup, WM_LBUTTONUP, 0, MAKELPARAM(20, 2 * row + 4));
    EXPECT_EQ(send(combo, CB_GETCURSEL), 2);
    EXPECT_EQ(send(combo, CB_GETDROPPEDSTATE), FALSE);
    EXPECT_FALSE(IsWindow(popup));
    EXPECT_EQ(windowBelowField(row), parent);
}

TEST_F(ComboPaintTest, AnOverflowingDroppedListScrollsByItsScrollBar)
{
    HWND combo = makeCombo(CBS_DROPDOWNLIST); // four items, three rows
    send(combo, CB_SHOWDROPDOWN, TRUE);
    paintPending();
    HWND popup = windowBelowField(row);
    ASSERT_NE(popup, parent);
    EXPECT_GT(countSysColour(popup, {120 - scrollBarWidth, 0, 120, 3 * row}, COLOR_BTNFACE), 50);
    takeCodes();
    tap(combo, 120 - scrollBarWidth / 2, field + 3 * row - 2); // the down arrow
    EXPECT_EQ(send(combo, CB_GETTOPINDEX), 1);
    EXPECT_EQ(send(combo, CB_GETDROPPEDSTATE), TRUE);
    EXPECT_EQ(send(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(takeCodes(), std::vector<WORD> {});
}

TEST_F(ComboPaintTest, DestroyingADroppedComboTakesItsListAway)
{
    HWND combo = makeCombo(CBS_DROPDOWN);
    send(combo, CB_SHOWDROPDOWN, TRUE);
    HWND popup = windowBelowField(row);
    ASSERT_NE(popup, parent);
    DestroyWindow(combo);
    EXPECT_FALSE(IsWindow(popup));
}

} // namespace
