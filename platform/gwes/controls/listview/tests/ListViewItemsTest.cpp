// SysListView32 items and columns: insertion (sorted too), texts and sub-items, callback texts
// and owner-data lists, deletion notifications, finding and sorting.
#include "ListTestSupport.h"

using namespace listview_test;

namespace {

class ListViewItems : public ListFixture {};

TEST_F(ListViewItems, InsertedItemsKeepTheirValuesAndSubItems)
{
    addColumns({60, 50, 40});
    LVITEMW item {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_INDENT;
    item.iItem = 5; // past the end: appended
    item.pszText = const_cast<LPWSTR>(u"first");
    item.iImage = 3;
    item.lParam = 42;
    item.iIndent = 2;
    EXPECT_EQ(ListView_InsertItem(list, &item), 0);
    item.iItem = 0;
    item.pszText = const_cast<LPWSTR>(u"zero");
    EXPECT_EQ(ListView_InsertItem(list, &item), 0);
    EXPECT_EQ(NoticeLog::instance().take({LVN_INSERTITEM}),
        (std::vector<Notice> {plain(LVN_INSERTITEM, 0), plain(LVN_INSERTITEM, 0)}));
    EXPECT_TRUE(ListView_SetItemText(list, 1, 2, u"sub two"));
    EXPECT_FALSE(ListView_SetItemText(list, 1, 3, u"no column"));

    WCHAR buffer[16] {};
    LVITEMW read {};
    read.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_INDENT;
    read.iItem = 1;
    read.pszText = buffer;
    read.cchTextMax = 16;
    ASSERT_TRUE(ListView_GetItem(list, &read));
    EXPECT_EQ(std::u16string(buffer), u"first");
    EXPECT_EQ(read.iImage, 3);
    EXPECT_EQ(read.lParam, 42);
    EXPECT_EQ(read.iIndent, 2);
    EXPECT_EQ(textOf(1, 2), u"sub two");
    EXPECT_EQ(textOf(1, 1), u"");
    EXPECT_EQ(textOf(0), u"zero");
    EXPECT_EQ(ListView_GetItemText(list, 1, 0, buffer, 3), 2); // cut to the buffer
    EXPECT_EQ(std::u16string(buffer), u"fi");
    EXPECT_EQ(ListView_GetItemCount(list), 2);

    read.iItem = 2;
    EXPECT_FALSE(ListView_GetItem(list, &read));
    EXPECT_FALSE(SendMessageW(list, LVM_GETITEMW, 0, 0));
    EXPECT_EQ(SendMessageW(list, LVM_INSERTITEMW, 0, 0), -1);
    item.iSubItem = 1;
    EXPECT_EQ(ListView_InsertItem(list, &item), -1);
}

TEST_F(ListViewItems, ChangingAnItemsTextNotifiesWithWhatChanged)
{
    addItems({u"a", u"b"});
    LVITEMW item {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = 1;
    item.pszText = const_cast<LPWSTR>(u"B");
    item.lParam = 101; // unchanged
    EXPECT_TRUE(ListView_SetItem(list, &item));
    EXPECT_EQ(NoticeLog::instance().take(stateCodes),
        (std::vector<Notice> {{LVN_ITEMCHANGING, 1, 0, 0, 0, LVIF_TEXT}, {LVN_ITEMCHANGED, 1, 0, 0, 0, LVIF_TEXT}}));
    EXPECT_EQ(textOf(1), u"B");

    NoticeLog::instance().answer = [](NMHDR* h) { return h->code == LVN_ITEMCHANGING ? TRUE : FALSE; };
    item.pszText = const_cast<LPWSTR>(u"refused");
    EXPECT_FALSE(ListView_SetItem(list, &item));
    EXPECT_EQ(textOf(1), u"B");
}

TEST_F(ListViewItems, SortedListsInsertInTextOrder)
{
    struct Case {
        DWORD style;
        std::vector<const char16_t*> inserted;
        std::vector<std::u16string> shown;
    };
    const Case cases[] {
        {LVS_SORTASCENDING, {u"pear", u"Apple", u"fig", u"apple"}, {u"Apple", u"apple", u"fig", u"pear"}},
        {LVS_SORTDESCENDING, {u"pear", u"Apple", u"fig"}, {u"pear", u"fig", u"Apple"}},
        {0, {u"pear", u"Apple", u"fig"}, {u"pear", u"Apple", u"fig"}},
    };
    for (const Case& c : cases) {
        makeList(LVS_REPORT | c.style);
        for (const char16_t* label : c.inserted)
            addItems({label});
        std::vector<std::u16string> shown;
        for (int i = 0; i < ListView_GetItemCount(list); ++i)
            shown.push_back(textOf(i));
        EXPECT_EQ(shown, c.shown) << "style " << c.style;
    }
}

TEST_F(ListViewItems, CallbackTextsAndImagesComeFromTheParent)
{
    addColumns({60, 50});
    LVITEMW item {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.pszText = LPSTR_TEXTCALLBACKW;
    item.iImage = I_IMAGECALLBACK;
    item.iItem = 0;
    ListView_InsertItem(list, &item);
    item.iItem = 1;
    ListView_InsertItem(list, &item);
    ListView_SetItemText(list, 1, 1, LPSTR_TEXTCALLBACKW);
    NoticeLog::instance().take();

    EXPECT_EQ(textOf(1), u"1.0");
    EXPECT_EQ(textOf(1, 1), u"1.1");
    EXPECT_EQ(textOf(0, 1), u""); // a stored (empty) sub-item is not asked for
    LVITEMW read {};
    read.mask = LVIF_IMAGE;
    read.iItem = 1;
    ASSERT_TRUE(ListView_GetItem(list, &read));
    EXPECT_EQ(read.iImage, 10);
    const std::vector<Notice> asked {{LVN_GETDISPINFOW, 1, 0, 0, 0, LVIF_TEXT}, {LVN_GETDISPINFOW, 1, 1, 0, 0, LVIF_TEXT},
        {LVN_GETDISPINFOW, 1, 0, 0, 0, LVIF_IMAGE}};
    EXPECT_EQ(NoticeLog::instance().take(), asked);
}

TEST_F(ListViewItems, OwnerDataListsAskForEverythingButStates)
{
    makeList(LVS_REPORT | LVS_OWNERDATA);
    addColumns({60, 50});
    EXPECT_TRUE(ListView_SetItemCount(list, 1000));
    EXPECT_EQ(ListView_GetItemCount(list), 1000);
    NoticeLog::instance().text = [](int item, int sub) {
        return u"row " + std::u16string(1, static_cast<char16_t>(u'0' + item % 10)) + (sub ? u" sub" : u"");
    };
    EXPECT_EQ(textOf(997), u"row 7");
    EXPECT_EQ(textOf(3, 1), u"row 3 sub");
    EXPECT_EQ(NoticeLog::instance().take({LVN_GETDISPINFOW}).size(), 2u);

    EXPECT_TRUE(ListView_SetItemState(list, 998, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 998);
    EXPECT_EQ(ListView_GetSelectedCount(list), 1u);
    EXPECT_TRUE(ListView_SetItemCount(list, 10));
    EXPECT_EQ(ListView_GetSelectedCount(list), 0u);

    NoticeLog::instance().take();
    NoticeLog::instance().answer = [](NMHDR* h) { return h->code == LVN_ODFINDITEMW ? 4 : 0; };
    LVFINDINFOW find {LVFI_STRING, u"row 4", 0, {}, 0};
    EXPECT_EQ(ListView_FindItem(list, 1, &find), 4);
    EXPECT_EQ(NoticeLog::instance().take({LVN_ODFINDITEMW}), (std::vector<Notice> {plain(LVN_ODFINDITEMW, 2)}));
    EXPECT_FALSE(ListView_SortItems(list, [](LPARAM, LPARAM, LPARAM) { return 0; }, 0));
}

TEST_F(ListViewItems, DeletingNotifiesForEachItemUnlessTheParentDeclines)
{
    addItems({u"a", u"b", u"c"});
    EXPECT_TRUE(ListView_DeleteItem(list, 1));
    EXPECT_FALSE(ListView_DeleteItem(list, 2));
    EXPECT_EQ(NoticeLog::instance().take(), (std::vector<Notice> {{LVN_DELETEITEM, 1}}));
    EXPECT_EQ(textOf(1), u"c");

    EXPECT_TRUE(ListView_DeleteAllItems(list));
    EXPECT_EQ(NoticeLog::instance().take(),
        (std::vector<Notice> {{LVN_DELETEALLITEMS, -1}, {LVN_DELETEITEM, 1}, {LVN_DELETEITEM, 0}}));
    EXPECT_EQ(ListView_GetItemCount(list), 0);

    addItems({u"a", u"b"});
    NoticeLog::instance().answer = [](NMHDR* h) { return h->code == LVN_DELETEALLITEMS ? TRUE : FALSE; };
    ListView_DeleteAllItems(list);
    EXPECT_EQ(NoticeLog::instance().take(), (std::vector<Notice> {{LVN_DELETEALLITEMS, -1}}));

    addItems({u"a", u"b"});
    DestroyWindow(list); // the parent frees what the items hold
    list = nullptr;
    EXPECT_EQ(NoticeLog::instance().take({LVN_DELETEALLITEMS, LVN_DELETEITEM}),
        (std::vector<Notice> {{LVN_DELETEITEM, 1}, {LVN_DELETEITEM, 0}}));
}

TEST_F(ListViewItems, FindItemTable)
{
    addItems({u"Alpha", u"beta", u"Alphabet", u"gamma"});
    struct Case {
        int start;
        UINT flags;
        const char16_t* text;
        LPARAM param;
        int found;
    };
    const Case cases[] {
        {-1, LVFI_STRING, u"alpha", 0, 0},
        {0, LVFI_STRING, u"alpha", 0, -1},
        {0, LVFI_STRING | LVFI_WRAP, u"alpha", 0, 0},
        {-1, LVFI_PARTIAL | LVFI_STRING, u"ALPHAB", 0, 2},
        {0, LVFI_PARTIAL, u"alpha", 0, 2},
        {2, LVFI_PARTIAL | LVFI_WRAP, u"alpha", 0, 0},
        {-1, LVFI_STRING, u"alphab", 0, -1},
        {-1, LVFI_PARAM, nullptr, 103, 3},
        {1, LVFI_PARAM, nullptr, 101, -1},
        {1, LVFI_PARAM | LVFI_WRAP, nullptr, 101, 1},
        {-1, LVFI_STRING, nullptr, 0, -1},
        {-1, 0, u"beta", 0, -1},
    };
    for (const Case& c : cases) {
        LVFINDINFOW find {c.flags, c.text, c.param, {}, 0};
        EXPECT_EQ(ListView_FindItem(list, c.start, &find), c.found) << "start " << c.start << " flags " << c.flags;
    }
    EXPECT_EQ(SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1), 0), -1);
}

int compareParams(LPARAM a, LPARAM b, LPARAM direction)
{
    return static_cast<int>((a - b) * direction);
}

HWND sortedList = nullptr;

int compareTexts(LPARAM a, LPARAM b, LPARAM)
{
    WCHAR first[16] {};
    WCHAR second[16] {};
    ListView_GetItemText(sortedList, static_cast<int>(a), 0, first, 16);
    ListView_GetItemText(sortedList, static_cast<int>(b), 0, second, 16);
    return _wcsicmp(first, second);
}

TEST_F(ListViewItems, SortingByParamsAndByIndexesKeepsStatesWithTheirItems)
{
    addItems({u"d", u"b", u"a", u"c"});
    ListView_SetItemState(list, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(list, 2);
    ASSERT_TRUE(ListView_SortItems(list, compareParams, -1)); // by lParam, descending
    std::vector<std::u16string> shown;
    for (int i = 0; i < 4; ++i)
        shown.push_back(textOf(i));
    EXPECT_EQ(shown, (std::vector<std::u16string> {u"c", u"a", u"b", u"d"}));
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED | LVNI_FOCUSED), 1);
    EXPECT_EQ(ListView_GetSelectionMark(list), 1);

    sortedList = list;
    ASSERT_TRUE(ListView_SortItemsEx(list, compareTexts, 0));
    shown.clear();
    for (int i = 0; i < 4; ++i)
        shown.push_back(textOf(i));
    EXPECT_EQ(shown, (std::vector<std::u16string> {u"a", u"b", u"c", u"d"}));
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 0);
    EXPECT_FALSE(SendMessageW(list, LVM_SORTITEMS, 0, 0));
}

TEST_F(ListViewItems, ColumnsKeepTheirValuesAndMoveSubItems)
{
    addColumns({60, 50});
    addItems({u"a"});
    ListView_SetItemText(list, 0, 1, u"a1");
    LVCOLUMNW column {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = const_cast<LPWSTR>(u"Middle");
    column.cx = 30;
    column.fmt = LVCFMT_RIGHT;
    EXPECT_EQ(ListView_InsertColumn(list, 1, &column), 1);
    EXPECT_EQ(textOf(0, 2), u"a1"); // moved along with its column
    EXPECT_EQ(textOf(0, 1), u"");

    WCHAR title[16] {};
    LVCOLUMNW read {};
    read.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_ORDER;
    read.pszText = title;
    read.cchTextMax = 16;
    ASSERT_TRUE(ListView_GetColumn(list, 1, &read));
    EXPECT_EQ(std::u16string(title), u"Middle");
    EXPECT_EQ(read.cx, 30);
    EXPECT_EQ(read.fmt, LVCFMT_RIGHT);
    EXPECT_EQ(read.iOrder, 1);
    EXPECT_EQ(ListView_GetColumnWidth(list, 2), 50);
    EXPECT_FALSE(ListView_GetColumn(list, 3, &read));

    HWND header = ListView_GetHeader(list);
    EXPECT_EQ(Header_GetItemCount(header), 3);
    HDITEMW shown {};
    shown.mask = HDI_TEXT | HDI_WIDTH;
    shown.pszText = title;
    shown.cchTextMax = 16;
    ASSERT_TRUE(Header_GetItem(header, 1, &shown));
    EXPECT_EQ(std::u16string(title), u"Middle");
    EXPECT_EQ(shown.cxy, 30);

    EXPECT_TRUE(ListView_DeleteColumn(list, 1));
    EXPECT_EQ(textOf(0, 1), u"a1");
    EXPECT_EQ(Header_GetItemCount(header), 2);
    EXPECT_TRUE(ListView_DeleteColumn(list, 0)); // the first sub-items become the labels
    EXPECT_EQ(textOf(0), u"a1");
    EXPECT_FALSE(ListView_DeleteColumn(list, 1));
}

// The width of a text in a font, as GDI measures it.
int extentOf(HFONT font, const char16_t* text)
{
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    SIZE size {};
    GetTextExtentPoint32W(dc, text, static_cast<int>(std::u16string(text).size()), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size.cx;
}

TEST_F(ListViewItems, StringWidthsAreMeasuredInTheListsFont)
{
    LOGFONTW big {};
    big.lfHeight = -20;
    HFONT font = CreateFontIndirectW(&big);
    for (HFONT chosen : {static_cast<HFONT>(nullptr), font}) {
        SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(chosen), FALSE);
        for (const char16_t* text : {u"a", u"abcd", u"Wide Words"})
            EXPECT_EQ(ListView_GetStringWidth(list, text), extentOf(chosen, text))
                << (chosen ? "big font, " : "") << "text " << static_cast<int>(text[0]);
    }
    EXPECT_GT(ListView_GetStringWidth(list, u"abcd"), extentOf(nullptr, u"abcd"));
    EXPECT_EQ(ListView_GetStringWidth(list, u""), 0);
    SendMessageW(list, WM_SETFONT, 0, FALSE);
    DeleteObject(font);
}

TEST_F(ListViewItems, AutosizedColumnsFitTheirWidestText)
{
    addColumns({60, 50, 40});
    addItems({u"ab", u"abcdefghij"});
    ListView_SetItemText(list, 0, 1, const_cast<LPWSTR>(u"x"));
    auto widthOf = [this](const char16_t* text) { return ListView_GetStringWidth(list, text); };

    EXPECT_TRUE(ListView_SetColumnWidth(list, 0, LVSCW_AUTOSIZE));
    const int padding = ListView_GetColumnWidth(list, 0) - widthOf(u"abcdefghij");
    EXPECT_GT(padding, 0);
    EXPECT_TRUE(ListView_SetColumnWidth(list, 1, LVSCW_AUTOSIZE));
    EXPECT_EQ(ListView_GetColumnWidth(list, 1), widthOf(u"x") + padding);
    EXPECT_TRUE(ListView_SetColumnWidth(list, 1, LVSCW_AUTOSIZE_USEHEADER)); // "Col1" is wider than "x"
    EXPECT_EQ(ListView_GetColumnWidth(list, 1), widthOf(u"Col1") + padding);
    // The last column fills the rest of the list.
    EXPECT_TRUE(ListView_SetColumnWidth(list, 2, LVSCW_AUTOSIZE_USEHEADER));
    EXPECT_EQ(ListView_GetColumnWidth(list, 2), width - ListView_GetColumnWidth(list, 0) - ListView_GetColumnWidth(list, 1));
    EXPECT_FALSE(ListView_SetColumnWidth(list, 3, 10));
}

} // namespace
