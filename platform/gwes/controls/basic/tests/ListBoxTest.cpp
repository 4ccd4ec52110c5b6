// LISTBOX: its items and their errors, sorting and finding, selection by message, tap and key,
// the rows' layout, and which notifications the parent gets.
#include "ControlHarness.h"

using namespace basic_test;

namespace {

class ListBoxTest : public ControlTest {
protected:
    HWND makeList(DWORD style, std::initializer_list<const WCHAR*> items, int height = 64)
    {
        return makeFilled(u"LISTBOX", LB_ADDSTRING, style, items, 7, 100, height);
    }
};

std::vector<std::u16string> itemsOf(HWND list)
{
    std::vector<std::u16string> items;
    const auto count = static_cast<int>(send(list, LB_GETCOUNT));
    for (int i = 0; i < count; ++i) {
        WCHAR buffer[64] {};
        EXPECT_EQ(send(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer)), send(list, LB_GETTEXTLEN, i));
        items.push_back(buffer);
    }
    return items;
}

TEST_F(ListBoxTest, ItemsAreAddedInsertedAndDeleted)
{
    HWND list = makeList(0, {u"b", u"a"});
    EXPECT_EQ(send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"c")), 2);
    EXPECT_EQ(send(list, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>(u"x")), 1);
    EXPECT_EQ(send(list, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"end")), 4);
    EXPECT_EQ(itemsOf(list), (std::vector<std::u16string> {u"b", u"x", u"a", u"c", u"end"}));
    EXPECT_EQ(send(list, LB_DELETESTRING, 0), 4);
    EXPECT_EQ(itemsOf(list), (std::vector<std::u16string> {u"x", u"a", u"c", u"end"}));
    send(list, LB_RESETCONTENT);
    EXPECT_EQ(send(list, LB_GETCOUNT), 0);
}

TEST_F(ListBoxTest, SortedListsKeepCaseInsensitiveOrderButInsertWhereTold)
{
    HWND list = makeList(LBS_SORT, {u"pear", u"Apple", u"banana", u"apricot"});
    EXPECT_EQ(itemsOf(list), (std::vector<std::u16string> {u"Apple", u"apricot", u"banana", u"pear"}));
    EXPECT_EQ(send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"Cherry")), 3);
    EXPECT_EQ(send(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(u"zzz")), 0);
}

TEST_F(ListBoxTest, BadIndexesAndNullPointersGiveLbErr)
{
    HWND list = makeList(0, {u"one"});
    WCHAR buffer[8] {};
    RECT rect {};
    const std::pair<const char*, LRESULT> cases[] = {
        {"add null", send(list, LB_ADDSTRING, 0, 0)},
        {"insert past the end", send(list, LB_INSERTSTRING, 2, reinterpret_cast<LPARAM>(u"x"))},
        {"insert null", send(list, LB_INSERTSTRING, 0, 0)},
        {"delete past the end", send(list, LB_DELETESTRING, 1)},
        {"delete -1", send(list, LB_DELETESTRING, static_cast<WPARAM>(-1))},
        {"text past the end", send(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(buffer))},
        {"text into null", send(list, LB_GETTEXT, 0, 0)},
        {"length past the end", send(list, LB_GETTEXTLEN, 5)},
        {"data past the end", send(list, LB_GETITEMDATA, 1)},
        {"set data past the end", send(list, LB_SETITEMDATA, 1, 5)},
        {"select past the end", send(list, LB_SETCURSEL, 1)},
        {"selected state past the end", send(list, LB_GETSEL, 3)},
        {"rect past the end", send(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rect))},
        {"rect into null", send(list, LB_GETITEMRECT, 0, 0)},
        {"top past the end", send(list, LB_SETTOPINDEX, 1)},
        {"find null", send(list, LB_FINDSTRING, static_cast<WPARAM>(-1), 0)},
        {"find nothing", send(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"on"))},
        {"no selection", send(list, LB_GETCURSEL)},
    };
    for (const auto& [name, result] : cases)
        EXPECT_EQ(result, LB_ERR) << name;
    EXPECT_EQ(itemsOf(list), std::vector<std::u16string> {u"one"});
}

TEST_F(ListBoxTest, FindingStartsAfterTheGivenIndexAndWraps)
{
    HWND list = makeList(0, {u"Alpha", u"beta", u"alphabet", u"Gamma", u"ALPHA"});
    struct Case {
        UINT message;
        INT start;
        const WCHAR* text;
        LRESULT expected;
    };
    const Case cases[] = {
        {LB_FINDSTRING, -1, u"alp", 0},
        {LB_FINDSTRING, 0, u"alp", 2},
        {LB_FINDSTRING, 2, u"ALP", 4},
        {LB_FINDSTRING, 4, u"alp", 0},
        {LB_FINDSTRING, -1, u"", 0},
        {LB_FINDSTRING, -1, u"gam", 3},
        {LB_FINDSTRING, -1, u"delta", LB_ERR},
        {LB_FINDSTRINGEXACT, -1, u"alpha", 0},
        {LB_FINDSTRINGEXACT, 0, u"alpha", 4},
        {LB_FINDSTRINGEXACT, 4, u"alpha", 0},
        {LB_FINDSTRINGEXACT, -1, u"alph", LB_ERR},
        {LB_FINDSTRINGEXACT, 99, u"gamma", 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(send(list, c.message, static_cast<WPARAM>(c.start), reinterpret_cast<LPARAM>(c.text)), c.expected)
            << (c.message == LB_FINDSTRING ? "prefix " : "exact ") << c.start;
    }
    EXPECT_EQ(send(list, LB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(u"g")), 3);
    EXPECT_EQ(send(list, LB_GETCURSEL), 3);
}

TEST_F(ListBoxTest, SetCurSelIsSilentAndMinusOneClears)
{
    HWND list = makeList(LBS_NOTIFY, {u"a", u"b", u"c"});
    EXPECT_EQ(send(list, LB_SETCURSEL, 2), 2);
    EXPECT_EQ(send(list, LB_GETSEL, 2), 1);
    EXPECT_EQ(send(list, LB_GETSEL, 1), 0);
    EXPECT_EQ(send(list, LB_SETCURSEL, 5), LB_ERR);
    EXPECT_EQ(send(list, LB_GETCURSEL), 2);
    EXPECT_EQ(send(list, LB_SETCURSEL, static_cast<WPARAM>(-1)), LB_ERR);
    EXPECT_EQ(send(list, LB_GETCURSEL), LB_ERR);
    EXPECT_EQ(takeCodes(), std::vector<WORD> {});
}

TEST_F(ListBoxTest, TheSelectionFollowsItsItemAsOthersComeAndGo)
{
    HWND list = makeList(0, {u"a", u"b", u"c"});
    send(list, LB_SETCURSEL, 1);
    send(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(u"first"));
    EXPECT_EQ(send(list, LB_GETCURSEL), 2);
    send(list, LB_DELETESTRING, 0);
    EXPECT_EQ(send(list, LB_GETCURSEL), 1);
    send(list, LB_DELETESTRING, 1);
    EXPECT_EQ(send(list, LB_GETCURSEL), LB_ERR);
}

TEST_F(ListBoxTest, ItemDataIsKeptPerItem)
{
    HWND list = makeList(LBS_SORT, {u"b", u"c"});
    EXPECT_EQ(send(list, LB_SETITEMDATA, 1, 0xC), TRUE);
    send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"a"));
    EXPECT_EQ(send(list, LB_GETITEMDATA, 2), 0xC);
    EXPECT_EQ(send(list, LB_GETITEMDATA, 0), 0);
}

TEST_F(ListBoxTest, ATapSelectsTheRowAndNotifiesAsTheStylusLifts)
{
    HWND list = makeList(LBS_NOTIFY, {u"a", u"b", u"c"});
    send(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 2 * 16 + 3));
    EXPECT_EQ(send(list, LB_GETCURSEL), 2);
    EXPECT_EQ(parentLog().commands, (std::vector<Notification> {{7, LBN_SETFOCUS}}));
    takeCodes();
    send(list, WM_LBUTTONUP, 0, MAKELPARAM(10, 2 * 16 + 3));
    EXPECT_EQ(takeCodes(), std::vector<WORD> {LBN_SELCHANGE});
    send(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 2 * 16 + 3));
    EXPECT_EQ(takeCodes(), std::vector<WORD> {LBN_DBLCLK});

    tap(list, 10, 3 * 16 + 3); // below the last row
    EXPECT_EQ(send(list, LB_GETCURSEL), 2);
    EXPECT_EQ(takeCodes(), std::vector<WORD> {});
}

TEST_F(ListBoxTest, WithoutLbsNotifyTapsSelectSilently)
{
    HWND list = makeList(0, {u"a", u"b"});
    tap(list, 10, 16 + 1);
    send(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 16 + 1));
    EXPECT_EQ(send(list, LB_GETCURSEL), 1);
    EXPECT_EQ(takeCodes(), std::vector<WORD> {LBN_SETFOCUS});
}

TEST_F(ListBoxTest, RowsAreLaidOutFromTheTopIndex)
{
    HWND list = makeList(0, {u"0", u"1", u"2", u"3", u"4", u"5"}, 48); // three rows show
    EXPECT_EQ(send(list, LB_GETITEMHEIGHT), 16);
    EXPECT_EQ(send(list, LB_SETTOPINDEX, 2), LB_OKAY);
    EXPECT_EQ(send(list, LB_GETTOPINDEX), 2);
    RECT rect {};
    EXPECT_EQ(send(list, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&rect)), TRUE);
    EXPECT_EQ(rect.top, 16);
    EXPECT_EQ(rect.bottom, 32);
    EXPECT_EQ(rect.right, 100);
    EXPECT_EQ(send(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 40)), MAKELRESULT(4, 0));
    EXPECT_EQ(send(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(150, 40)), MAKELRESULT(4, 1));
    EXPECT_EQ(send(list, LB_SETTOPINDEX, 5), LB_OKAY); // only as far as keeps the rows filled
    EXPECT_EQ(send(list, LB_GETTOPINDEX), 3);
    EXPECT_EQ(send(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 60)), MAKELRESULT(5, 1));
}

TEST_F(ListBoxTest, KeysMoveTheSelectionIntoViewAndNotify)
{
    HWND list = makeList(LBS_NOTIFY, {u"apple", u"banana", u"blueberry", u"cherry", u"date"}, 32);
    struct Step {
        WPARAM key;
        LRESULT selected;
        LRESULT top;
    };
    const Step steps[] = {
        {VK_DOWN, 0, 0},
        {VK_DOWN, 1, 0},
        {VK_DOWN, 2, 1},
        {VK_END, 4, 3},
        {VK_HOME, 0, 0},
        {VK_NEXT, 1, 0},
        {VK_UP, 0, 0},
    };
    for (const Step& s : steps) {
        send(list, WM_KEYDOWN, s.key);
        EXPECT_EQ(send(list, LB_GETCURSEL), s.selected) << "key " << s.key;
        EXPECT_EQ(send(list, LB_GETTOPINDEX), s.top) << "key " << s.key;
    }
    EXPECT_EQ(takeCodes(), std::vector<WORD>(7, LBN_SELCHANGE));
    send(list, WM_KEYDOWN, VK_UP); // already at the top: nothing changes, nothing is told
    send(list, WM_CHAR, u'b');
    send(list, WM_CHAR, u'B');
    EXPECT_EQ(send(list, LB_GETCURSEL), 2);
    EXPECT_EQ(takeCodes(), std::vector<WORD>(2, LBN_SELCHANGE));
}

TEST_F(ListBoxTest, DialogCodeFocusAndColours)
{
    HWND list = makeList(0, {u"a"});
    EXPECT_EQ(send(list, WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
    SetFocus(list);
    SetFocus(parent);
    EXPECT_EQ(takeCodes(), (std::vector<WORD> {LBN_SETFOCUS, LBN_KILLFOCUS}));
    paintNow(list);
    EXPECT_EQ(parentLog().colourRequests, std::vector<UINT> {WM_CTLCOLORLISTBOX});
}

std::vector<INT> selectedItemsOf(HWND list)
{
    INT out[8] {};
    const auto count = send(list, LB_GETSELITEMS, 8, reinterpret_cast<LPARAM>(out));
    EXPECT_EQ(count, send(list, LB_GETSELCOUNT));
    return count < 0 ? std::vector<INT> {} : std::vector<INT>(out, out + count);
}

TEST_F(ListBoxTest, MultipleSelectionTapsToggleRowsAndSpaceTogglesTheFocusedOne)
{
    HWND list = makeList(LBS_MULTIPLESEL | LBS_NOTIFY, {u"a", u"b", u"c", u"d"});
    tap(list, 5, 1 * 16 + 2);
    tap(list, 5, 3 * 16 + 2);
    EXPECT_EQ(selectedItemsOf(list), (std::vector<INT> {1, 3}));
    tap(list, 5, 1 * 16 + 2);
    EXPECT_EQ(selectedItemsOf(list), (std::vector<INT> {3}));
    EXPECT_EQ(send(list, LB_GETCURSEL), 1); // the focused row
    send(list, WM_KEYDOWN, VK_DOWN); // moves the focus only
    EXPECT_EQ(selectedItemsOf(list), (std::vector<INT> {3}));
    send(list, WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(selectedItemsOf(list), (std::vector<INT> {2, 3}));
    EXPECT_EQ(
        takeCodes(), (std::vector<WORD> {LBN_SETFOCUS, LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE}));
}

TEST_F(ListBoxTest, ExtendedSelectionKeepsTheTappedRowAloneAndSetSelSetsAny)
{
    HWND list = makeList(LBS_EXTENDEDSEL, {u"a", u"b", u"c"});
    EXPECT_EQ(send(list, LB_SETSEL, TRUE, static_cast<LPARAM>(-1)), LB_OKAY);
    EXPECT_EQ(selectedItemsOf(list), (std::vector<INT> {0, 1, 2}));
    tap(list, 5, 2 * 16 + 2);
    EXPECT_EQ(selectedItemsOf(list), (std::vector<INT> {2}));
    send(list, WM_KEYDOWN, VK_UP);
    EXPECT_EQ(selectedItemsOf(list), (std::vector<INT> {1}));
    EXPECT_EQ(send(list, LB_SETSEL, TRUE, 0), LB_OKAY);
    EXPECT_EQ(send(list, LB_GETSEL, 0), 1);
    send(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(u"new"));
    EXPECT_EQ(selectedItemsOf(list), (std::vector<INT> {1, 2})); // the selection moves with its rows
    EXPECT_EQ(send(list, LB_SETSEL, TRUE, 9), LB_ERR);
    EXPECT_EQ(send(list, LB_SETCURSEL, 0), LB_ERR);
    EXPECT_EQ(send(list, LB_GETSELITEMS, 8, 0), LB_ERR);
    send(list, LB_SETSEL, FALSE, static_cast<LPARAM>(-1));
    EXPECT_EQ(send(list, LB_GETSELCOUNT), 0);

    HWND single = makeList(0, {u"a"});
    EXPECT_EQ(send(single, LB_GETSELCOUNT), LB_ERR);
    EXPECT_EQ(send(single, LB_SETSEL, TRUE, 0), LB_ERR);
}

TEST_F(ListBoxTest, AnOwnerDrawnListOfDataIsMeasuredOnceAndDrawnRowByRow)
{
    parentLog().itemHeightToGive = 22;
    HWND list = makeFilled(u"LISTBOX", LB_ADDSTRING, LBS_OWNERDRAWFIXED, {}, 7, 100, 50); // two rows show
    ASSERT_EQ(parentLog().measureRequests.size(), 1u);
    EXPECT_EQ(parentLog().measureRequests[0].CtlType, static_cast<UINT>(ODT_LISTBOX));
    EXPECT_EQ(parentLog().measureRequests[0].CtlID, 7u);
    EXPECT_EQ(send(list, LB_GETITEMHEIGHT), 22);
    for (LPARAM data : {0x30, 0x10, 0x20}) // no LBS_HASSTRINGS: lParam is the item's data
        send(list, LB_ADDSTRING, 0, data);
    EXPECT_EQ(send(list, LB_GETITEMDATA, 1), 0x10);
    EXPECT_EQ(send(list, LB_FINDSTRING, 0, 0x30), 0);
    ULONG_PTR data = 0;
    EXPECT_EQ(send(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(&data)), static_cast<LRESULT>(sizeof(data)));
    EXPECT_EQ(data, 0x20u);

    send(list, LB_SETCURSEL, 1);
    paintNow(list);
    const auto& draws = parentLog().drawRequests;
    ASSERT_EQ(draws.size(), 2u);
    for (UINT i = 0; i < 2; ++i) {
        EXPECT_EQ(draws[i].CtlType, static_cast<UINT>(ODT_LISTBOX));
        EXPECT_EQ(draws[i].itemID, i);
        EXPECT_EQ(draws[i].rcItem.top, static_cast<LONG>(i * 22));
        EXPECT_EQ(draws[i].rcItem.bottom, static_cast<LONG>(i * 22 + 22));
        EXPECT_EQ(draws[i].itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
    }
    EXPECT_EQ(draws[0].itemData, 0x30u);
    EXPECT_EQ(draws[0].itemState, 0u);
    EXPECT_EQ(draws[1].itemState, static_cast<UINT>(ODS_SELECTED));
    tap(list, 5, 22 + 5);
    EXPECT_EQ(send(list, LB_GETCURSEL), 1);
}

TEST_F(ListBoxTest, AnOwnerDrawnListWithStringsKeepsThemSorted)
{
    HWND list = makeList(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_SORT, {u"b", u"a"});
    EXPECT_EQ(itemsOf(list), (std::vector<std::u16string> {u"a", u"b"}));
    EXPECT_EQ(send(list, LB_GETITEMHEIGHT), 16); // the owner left the height as it was
}

} // namespace
