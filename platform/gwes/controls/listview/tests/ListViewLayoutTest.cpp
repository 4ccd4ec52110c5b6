// SysListView32 geometry: item and sub-item rectangles, hit-testing (the check box at the row's
// left, the small image, the label), scrolling by whole rows and keeping an item in view.
#include "ListTestSupport.h"

using namespace listview_test;

// Rectangles compared and printed by the checks (found by argument lookup in the global namespace).
static bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

namespace {

// WM_VSCROLL requests.
constexpr WPARAM lineDown = 1;
constexpr WPARAM pageUp = 2;
constexpr WPARAM pageDown = 3;
constexpr WPARAM thumbPosition = 4;
constexpr WPARAM top = 6;
constexpr WPARAM bottom = 7;

class ListViewLayout : public ListFixture {
protected:
    HIMAGELIST small = nullptr;
    // Check boxes and 16x16 small images, columns of 60, 50 and 40, three items.
    void makeCheckList()
    {
        makeList(LVS_REPORT, LVS_EX_CHECKBOXES);
        small = ImageList_Create(16, 16, ILC_COLOR, 1, 1);
        ListView_SetImageList(list, small, LVSIL_SMALL);
        addColumns({60, 50, 40});
        addItems({u"a", u"b", u"c"});
    }
};

TEST_F(ListViewLayout, ItemRectangleTable)
{
    addColumns({60, 50, 40});
    addItems({u"a", u"b", u"c"});
    struct Case {
        int item;
        int code;
        RECT rect;
    };
    const Case plainList[] {
        {0, LVIR_BOUNDS, {0, 18, 150, 34}}, {0, LVIR_ICON, {0, 18, 0, 34}}, {0, LVIR_LABEL, {0, 18, 60, 34}},
        {2, LVIR_SELECTBOUNDS, {0, 50, 60, 66}},
    };
    for (const Case& c : plainList) {
        RECT rect {};
        ASSERT_TRUE(ListView_GetItemRect(list, c.item, &rect, c.code));
        EXPECT_EQ(rect, c.rect) << "item " << c.item << " code " << c.code;
    }
    RECT rect {};
    EXPECT_FALSE(ListView_GetItemRect(list, 3, &rect, LVIR_BOUNDS));
    EXPECT_FALSE(ListView_GetItemRect(list, 0, &rect, 7));
    EXPECT_FALSE(SendMessageW(list, LVM_GETITEMRECT, 0, 0));

    makeCheckList();
    LVITEMW indent {};
    indent.mask = LVIF_INDENT;
    indent.iItem = 1;
    indent.iIndent = 1;
    ListView_SetItem(list, &indent);
    addItems(12); // enough rows to scroll
    ListView_Scroll(list, 0, 16); // item 1 is now the top row
    const Case checkList[] {
        {1, LVIR_BOUNDS, {0, 18, 150, 34}}, {1, LVIR_ICON, {32, 18, 48, 34}}, {1, LVIR_LABEL, {48, 18, 60, 34}},
        {2, LVIR_ICON, {16, 34, 32, 50}}, {2, LVIR_LABEL, {32, 34, 60, 50}}, {0, LVIR_BOUNDS, {0, 2, 150, 18}},
    };
    for (const Case& c : checkList) {
        ASSERT_TRUE(ListView_GetItemRect(list, c.item, &rect, c.code));
        EXPECT_EQ(rect, c.rect) << "item " << c.item << " code " << c.code;
    }
    ASSERT_TRUE(ListView_GetSubItemRect(list, 2, 1, LVIR_BOUNDS, &rect));
    EXPECT_EQ(rect, (RECT {60, 34, 110, 50}));
    ASSERT_TRUE(ListView_GetSubItemRect(list, 2, 2, LVIR_LABEL, &rect));
    EXPECT_EQ(rect, (RECT {110, 34, 150, 50}));
    EXPECT_FALSE(ListView_GetSubItemRect(list, 2, 3, LVIR_BOUNDS, &rect));
}

TEST_F(ListViewLayout, HitTestTable)
{
    makeCheckList();
    struct Case {
        POINT pt;
        UINT flags;
        int item;
        int subItem; // LVM_SUBITEMHITTEST
    };
    const Case cases[] {
        {{5, 20}, LVHT_ONITEMSTATEICON, 0, 0},
        {{20, 36}, LVHT_ONITEMICON, 1, 0},
        {{40, 52}, LVHT_ONITEMLABEL, 2, 0},
        {{70, 20}, LVHT_NOWHERE, -1, 1},
        {{145, 52}, LVHT_NOWHERE, -1, 2},
        {{170, 20}, LVHT_NOWHERE, -1, -1},
        {{10, 10}, LVHT_NOWHERE, -1, -1}, // the header's place
        {{10, 70}, LVHT_NOWHERE, -1, -1}, // below the last row
        {{-1, 20}, LVHT_TOLEFT, -1, -1},
        {{250, 20}, LVHT_TORIGHT, -1, -1},
        {{10, 500}, LVHT_BELOW, -1, -1},
        {{10, -5}, LVHT_ABOVE, -1, -1},
    };
    for (const Case& c : cases) {
        LVHITTESTINFO hit {c.pt, 0, 0, 0};
        EXPECT_EQ(ListView_HitTest(list, &hit), c.item) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(hit.flags, c.flags) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(hit.iItem, c.item);
        LVHITTESTINFO sub {c.pt, 0, 0, 0};
        const int row = c.subItem > 0 ? (c.pt.y - 18) / 16 : c.item;
        EXPECT_EQ(ListView_SubItemHitTest(list, &sub), row) << c.pt.x << "," << c.pt.y;
        if (c.subItem >= 0) {
            EXPECT_EQ(sub.iSubItem, c.subItem);
            EXPECT_EQ(sub.flags, c.subItem > 0 ? static_cast<UINT>(LVHT_ONITEMLABEL) : c.flags);
        }
    }
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
    LVHITTESTINFO hit {{70, 20}, 0, 0, 0};
    EXPECT_EQ(ListView_HitTest(list, &hit), 0);
    EXPECT_EQ(hit.flags, static_cast<UINT>(LVHT_ONITEMLABEL));
    EXPECT_EQ(SendMessageW(list, LVM_HITTEST, 0, 0), -1);
}

TEST_F(ListViewLayout, TallerImagesMakeTallerRows)
{
    HIMAGELIST tall = ImageList_Create(20, 24, ILC_COLOR, 1, 1);
    ListView_SetImageList(list, tall, LVSIL_SMALL);
    addItems({u"a", u"b"});
    RECT rect {};
    ASSERT_TRUE(ListView_GetItemRect(list, 1, &rect, LVIR_ICON));
    EXPECT_EQ(rect, (RECT {0, 18 + 24, 20, 18 + 48}));
    EXPECT_EQ(ListView_GetCountPerPage(list), (height - 18) / 24);
    EXPECT_EQ(ListView_GetImageList(list, LVSIL_SMALL), tall);
}

TEST_F(ListViewLayout, EnsureVisibleTable)
{
    addItems(30);
    EXPECT_EQ(ListView_GetCountPerPage(list), 10);
    const struct {
        int item;
        int top;
    } cases[] {{8, 0}, {15, 6}, {3, 3}, {29, 20}, {0, 0}, {12, 3}};
    for (const auto& c : cases) {
        EXPECT_TRUE(ListView_EnsureVisible(list, c.item, FALSE));
        EXPECT_EQ(ListView_GetTopIndex(list), c.top) << "item " << c.item;
    }
    EXPECT_FALSE(ListView_EnsureVisible(list, 30, FALSE));

    MoveWindow(list, 0, 0, width, height + 8, FALSE); // room for half a row more
    ListView_EnsureVisible(list, 0, FALSE);
    EXPECT_TRUE(ListView_EnsureVisible(list, 10, TRUE));
    EXPECT_EQ(ListView_GetTopIndex(list), 0);
    EXPECT_TRUE(ListView_EnsureVisible(list, 10, FALSE));
    EXPECT_EQ(ListView_GetTopIndex(list), 1);
}

TEST_F(ListViewLayout, ScrollingMovesWholeRowsWithinTheItems)
{
    addItems(30);
    struct Step {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        int top;
    };
    const Step steps[] {
        {LVM_SCROLL, 0, 40, 2}, {LVM_SCROLL, 0, -16, 1}, {WM_VSCROLL, lineDown, 0, 2}, {WM_VSCROLL, pageDown, 0, 12},
        {WM_VSCROLL, pageDown, 0, 20}, {WM_VSCROLL, pageUp, 0, 10}, {WM_VSCROLL, MAKEWPARAM(thumbPosition, 7), 0, 7},
        {WM_VSCROLL, bottom, 0, 20}, {WM_VSCROLL, top, 0, 0}, {LVM_SCROLL, 0, -100, 0}, {LVM_SCROLL, 0, 1000, 20},
    };
    for (const Step& step : steps) {
        SendMessageW(list, step.message, step.wParam, step.lParam);
        EXPECT_EQ(ListView_GetTopIndex(list), step.top) << step.message << " " << step.wParam << " " << step.lParam;
    }
    RECT rect {};
    ASSERT_TRUE(ListView_GetItemRect(list, 20, &rect, LVIR_BOUNDS));
    EXPECT_EQ(rect.top, 18);
    ListView_DeleteAllItems(list);
    EXPECT_EQ(ListView_GetTopIndex(list), 0);
    EXPECT_EQ(ListView_ApproximateViewRect(list, -1, -1, 4), static_cast<DWORD>(MAKELONG(width, 18 + 4 * 16)));
}

TEST_F(ListViewLayout, ColorsAndStylesAreKept)
{
    EXPECT_TRUE(ListView_SetBkColor(list, 0x00123456));
    EXPECT_TRUE(ListView_SetTextColor(list, 0x00654321));
    EXPECT_TRUE(ListView_SetTextBkColor(list, CLR_NONE));
    EXPECT_EQ(ListView_GetBkColor(list), 0x00123456u);
    EXPECT_EQ(ListView_GetTextColor(list), 0x00654321u);
    EXPECT_EQ(ListView_GetTextBkColor(list), static_cast<COLORREF>(CLR_NONE));
    EXPECT_EQ(ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT), 0u);
    EXPECT_EQ(ListView_SetExtendedListViewStyleEx(list, LVS_EX_GRIDLINES, 0),
        static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
    EXPECT_EQ(ListView_GetExtendedListViewStyle(list), static_cast<DWORD>(LVS_EX_FULLROWSELECT));

    addColumns({60, 50, 40});
    const int order[] {2, 0, 1};
    EXPECT_TRUE(ListView_SetColumnOrderArray(list, 3, order));
    int read[3] {};
    EXPECT_TRUE(ListView_GetColumnOrderArray(list, 3, read));
    EXPECT_EQ(std::vector<int>(read, read + 3), std::vector<int>(order, order + 3));
    addItems({u"a"});
    RECT rect {};
    ASSERT_TRUE(ListView_GetItemRect(list, 0, &rect, LVIR_LABEL)); // the first column now shows second
    EXPECT_EQ(rect.left, 40);
    const int repeated[] {0, 0, 1};
    EXPECT_FALSE(ListView_SetColumnOrderArray(list, 3, repeated));
}

} // namespace
