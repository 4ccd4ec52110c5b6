// SysListView32 states and input: selection and check boxes set by messages, taps and keys,
// with the LVN_ITEMCHANGING / LVN_ITEMCHANGED sequences of the device; activation, focus
// notifications, and column clicks through the header.
#include "ListTestSupport.h"

using namespace listview_test;

namespace {

constexpr UINT unchecked = INDEXTOSTATEIMAGEMASK(1);
constexpr UINT checked = INDEXTOSTATEIMAGEMASK(2);
constexpr UINT selectedFocused = LVIS_SELECTED | LVIS_FOCUSED;

// The y of a point inside row `row` (no scrolling), under the header.
int rowY(int row)
{
    return 18 + 16 * row + 8;
}

class ListViewInput : public ListFixture {};

TEST_F(ListViewInput, CheckBoxesToggleByMessageAndByTapWithStateImageNotifications)
{
    makeList(LVS_REPORT, LVS_EX_CHECKBOXES);
    addColumns({60, 50});
    addItems({u"a", u"b"});
    EXPECT_EQ(ListView_GetItemState(list, 0, LVIS_STATEIMAGEMASK), unchecked);
    EXPECT_EQ(ListView_GetCheckState(list, 0), 0u);
    EXPECT_NE(ListView_GetImageList(list, LVSIL_STATE), nullptr);

    EXPECT_TRUE(ListView_SetCheckState(list, 1, TRUE));
    EXPECT_EQ(NoticeLog::instance().take(stateCodes),
        (std::vector<Notice> {changing(1, checked, unchecked), changed(1, checked, unchecked)}));
    EXPECT_EQ(ListView_GetCheckState(list, 1), 1u);
    EXPECT_TRUE(ListView_SetCheckState(list, 1, TRUE)); // no change, no notification
    EXPECT_TRUE(NoticeLog::instance().take(stateCodes).empty());

    tap(5, rowY(1)); // on the box
    EXPECT_EQ(NoticeLog::instance().take({LVN_ITEMCHANGING, LVN_ITEMCHANGED, NM_CLICK}),
        (std::vector<Notice> {changing(1, unchecked, checked), changed(1, unchecked, checked), plain(NM_CLICK, 1)}));
    EXPECT_EQ(ListView_GetCheckState(list, 1), 0u);
    EXPECT_EQ(ListView_GetSelectedCount(list), 0u); // the box checks, it does not select

    key(VK_DOWN);
    NoticeLog::instance().take();
    key(VK_SPACE);
    EXPECT_EQ(NoticeLog::instance().take({LVN_KEYDOWN, LVN_ITEMCHANGING, LVN_ITEMCHANGED}),
        (std::vector<Notice> {plain(LVN_KEYDOWN, VK_SPACE), changing(0, checked | selectedFocused, unchecked | selectedFocused),
            changed(0, checked | selectedFocused, unchecked | selectedFocused)}));
}

TEST_F(ListViewInput, TheParentCanRefuseAChange)
{
    makeList(LVS_REPORT, LVS_EX_CHECKBOXES);
    addItems({u"a"});
    NoticeLog::instance().answer = [](NMHDR* h) { return h->code == LVN_ITEMCHANGING ? TRUE : FALSE; };
    EXPECT_FALSE(ListView_SetCheckState(list, 0, TRUE));
    tap(5, rowY(0));
    EXPECT_EQ(ListView_GetCheckState(list, 0), 0u);
    EXPECT_EQ(NoticeLog::instance().take(stateCodes),
        (std::vector<Notice> {changing(0, checked, unchecked), changing(0, checked, unchecked)}));
}

TEST_F(ListViewInput, SetItemStateKeepsOneFocusAndOneSelectionInSingleSelectionLists)
{
    makeList(LVS_REPORT | LVS_SINGLESEL);
    addItems({u"a", u"b", u"c"});
    ListView_SetItemState(list, 0, selectedFocused, selectedFocused);
    NoticeLog::instance().take();
    ListView_SetItemState(list, 2, selectedFocused, selectedFocused);
    EXPECT_EQ(NoticeLog::instance().take(stateCodes),
        (std::vector<Notice> {changing(2, selectedFocused, 0), changing(0, LVIS_FOCUSED, selectedFocused),
            changed(0, LVIS_FOCUSED, selectedFocused), changing(0, 0, LVIS_FOCUSED), changed(0, 0, LVIS_FOCUSED),
            changed(2, selectedFocused, 0)}));
    EXPECT_EQ(ListView_GetSelectedCount(list), 1u);
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), 2);

    makeList(LVS_REPORT);
    addItems({u"a", u"b", u"c"});
    ListView_SetItemState(list, -1, LVIS_SELECTED, LVIS_SELECTED); // every item
    EXPECT_EQ(ListView_GetSelectedCount(list), 3u);
    EXPECT_EQ(NoticeLog::instance().take({LVN_ITEMCHANGED}).size(), 3u);
    EXPECT_FALSE(ListView_SetItemState(list, 3, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(ListView_GetItemState(list, 9, LVIS_SELECTED), 0u);
}

TEST_F(ListViewInput, GetNextItemTable)
{
    addItems({u"a", u"b", u"c", u"d"});
    ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(list, 3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    const struct {
        int start;
        UINT flags;
        int next;
    } cases[] {
        {-1, LVNI_ALL, 0}, {0, LVNI_ALL, 1}, {3, LVNI_ALL, -1}, {-1, LVNI_SELECTED, 1}, {1, LVNI_SELECTED, 3},
        {-1, LVNI_FOCUSED, 3}, {-1, LVNI_SELECTED | LVNI_FOCUSED, 3}, {3, LVNI_ABOVE, 2},
        {3, LVNI_ABOVE | LVNI_SELECTED, 1}, {0, LVNI_ABOVE, -1}, {0, LVNI_BELOW | LVNI_SELECTED, 1},
        {1, LVNI_TORIGHT, -1}, {-1, LVNI_CUT, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ListView_GetNextItem(list, c.start, c.flags), c.next) << c.start << " " << c.flags;
}

TEST_F(ListViewInput, ATapSelectsTheRowAloneAndEndsWithClick)
{
    addColumns({60, 50});
    addItems({u"a", u"b", u"c"});
    ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
    NoticeLog::instance().take();
    tap(10, rowY(2));
    EXPECT_EQ(NoticeLog::instance().take({LVN_ITEMCHANGING, LVN_ITEMCHANGED, NM_CLICK, NM_SETFOCUS}),
        (std::vector<Notice> {plain(NM_SETFOCUS), changing(0, 0, LVIS_SELECTED), changed(0, 0, LVIS_SELECTED),
            changing(2, selectedFocused, 0), changed(2, selectedFocused, 0), plain(NM_CLICK, 2)}));
    EXPECT_EQ(GetFocus(), list);
    EXPECT_EQ(ListView_GetSelectionMark(list), 2);

    tap(70, rowY(1)); // a sub-item's cell without full-row selection: nothing there
    EXPECT_EQ(NoticeLog::instance().take({LVN_ITEMCHANGED, NM_CLICK}),
        (std::vector<Notice> {changed(2, LVIS_FOCUSED, selectedFocused), plain(NM_CLICK, -1)}));
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    tap(70, rowY(1));
    EXPECT_EQ(NoticeLog::instance().take({NM_CLICK}), (std::vector<Notice> {plain(NM_CLICK, 1, 1)}));
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 1);

    EnableWindow(list, FALSE);
    tap(10, rowY(0));
    EXPECT_TRUE(NoticeLog::instance().take({LVN_ITEMCHANGED, NM_CLICK}).empty());
}

TEST_F(ListViewInput, ActivationByDoubleTapOneTapOrReturn)
{
    addItems({u"a", u"b"});
    doubleTap(10, rowY(1));
    const std::vector<UINT> taps {NM_CLICK, NM_DBLCLK, LVN_ITEMACTIVATE, NM_RETURN};
    EXPECT_EQ(NoticeLog::instance().take(taps),
        (std::vector<Notice> {plain(NM_CLICK, 1), plain(NM_DBLCLK, 1), plain(LVN_ITEMACTIVATE, 1)}));
    tap(10, rowY(0));
    EXPECT_EQ(NoticeLog::instance().take(taps), (std::vector<Notice> {plain(NM_CLICK, 0)}));
    key(VK_RETURN);
    EXPECT_EQ(NoticeLog::instance().take(taps), (std::vector<Notice> {plain(NM_RETURN), plain(LVN_ITEMACTIVATE, 0)}));

    ListView_SetExtendedListViewStyle(list, LVS_EX_ONECLICKACTIVATE);
    tap(10, rowY(1));
    EXPECT_EQ(NoticeLog::instance().take(taps), (std::vector<Notice> {plain(NM_CLICK, 1), plain(LVN_ITEMACTIVATE, 1)}));
    tap(10, rowY(5)); // below the rows
    EXPECT_EQ(NoticeLog::instance().take(taps), (std::vector<Notice> {plain(NM_CLICK, -1)}));
    EXPECT_EQ(ListView_GetSelectedCount(list), 0u);
}

TEST_F(ListViewInput, KeysMoveTheSelectionAndScroll)
{
    addItems(25);
    SetFocus(list);
    struct Step {
        WPARAM key;
        int focused;
        int top;
    };
    const Step steps[] {
        {VK_DOWN, 0, 0}, {VK_DOWN, 1, 0}, {VK_UP, 0, 0}, {VK_UP, 0, 0}, {VK_NEXT, 9, 0}, {VK_NEXT, 19, 10},
        {VK_PRIOR, 10, 10}, {VK_PRIOR, 0, 0}, {VK_END, 24, 15}, {VK_HOME, 0, 0}, {VK_LEFT, 0, 0},
    };
    for (const Step& step : steps) {
        key(step.key);
        EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), step.focused) << "key " << step.key;
        EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), step.focused) << "key " << step.key;
        EXPECT_EQ(ListView_GetSelectedCount(list), 1u);
        EXPECT_EQ(ListView_GetTopIndex(list), step.top) << "key " << step.key;
    }
    const auto keys = NoticeLog::instance().take({LVN_KEYDOWN});
    ASSERT_EQ(keys.size(), std::size(steps));
    EXPECT_EQ(keys.front(), plain(LVN_KEYDOWN, VK_DOWN));
    EXPECT_EQ(SendMessageW(list, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

TEST_F(ListViewInput, NotificationsCarryTheItemsParameter)
{
    addItems({u"a", u"b"});
    std::vector<std::pair<UINT, LPARAM>> params;
    NoticeLog::instance().answer = [&params](NMHDR* h) -> LRESULT {
        if (h->code == LVN_ITEMCHANGED || h->code == LVN_DELETEITEM)
            params.emplace_back(h->code, reinterpret_cast<NMLISTVIEW*>(h)->lParam);
        if (h->code == NM_CLICK)
            params.emplace_back(h->code, reinterpret_cast<NMITEMACTIVATE*>(h)->lParam);
        return 0;
    };
    tap(10, rowY(1));
    ListView_DeleteItem(list, 0);
    NoticeLog::instance().answer = nullptr;
    const std::vector<std::pair<UINT, LPARAM>> expected {
        {LVN_ITEMCHANGED, 101}, {NM_CLICK, 101}, {LVN_DELETEITEM, 100}};
    EXPECT_EQ(params, expected);
}

TEST_F(ListViewInput, FocusNotifications)
{
    HWND other = CreateWindowExW(0, u"ListParent", u"", WS_CHILD, 0, 0, 5, 5, parent, nullptr, nullptr, nullptr);
    SetFocus(list);
    SetFocus(other);
    EXPECT_EQ(NoticeLog::instance().take({NM_SETFOCUS, NM_KILLFOCUS}),
        (std::vector<Notice> {plain(NM_SETFOCUS), plain(NM_KILLFOCUS)}));
}

TEST_F(ListViewInput, ATapOnAColumnTitleIsAColumnClick)
{
    addColumns({60, 50, 40});
    HWND header = ListView_GetHeader(list);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(GetParent(header), list);
    RECT place {};
    GetWindowRect(header, &place);
    EXPECT_EQ(place.bottom - place.top, 18);
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(80, 5));
    SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(80, 5));
    EXPECT_EQ(NoticeLog::instance().take({HDN_ITEMCLICKW, LVN_COLUMNCLICK}),
        (std::vector<Notice> {plain(HDN_ITEMCLICKW, 1), {LVN_COLUMNCLICK, -1, 1}}));

    // Dragging the first divider resizes the column through the header.
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(61, 5));
    SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(90, 5));
    EXPECT_EQ(ListView_GetColumnWidth(list, 0), 90);
    EXPECT_EQ(NoticeLog::instance().take({HDN_BEGINTRACKW, HDN_ENDTRACKW, HDN_ITEMCHANGEDW, LVN_COLUMNCLICK}),
        (std::vector<Notice> {plain(HDN_BEGINTRACKW, 0), plain(HDN_ENDTRACKW, 0), plain(HDN_ITEMCHANGEDW, 0)}));

    makeList(LVS_REPORT | LVS_NOSORTHEADER);
    addColumns({60});
    header = ListView_GetHeader(list);
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 5));
    SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(20, 5));
    EXPECT_TRUE(NoticeLog::instance().take({HDN_ITEMCLICKW, LVN_COLUMNCLICK}).empty());

    makeList(LVS_REPORT | LVS_NOCOLUMNHEADER);
    EXPECT_FALSE(IsWindowVisible(ListView_GetHeader(list)));
}

} // namespace
