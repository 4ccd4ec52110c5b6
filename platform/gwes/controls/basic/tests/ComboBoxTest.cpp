// COMBOBOX: items, finding and sorting, the closed field and its dropped list, selection by
// message (silent), by tap and by key (notified), and the editable kind's edit.
#include "ControlHarness.h"

using namespace basic_test;

namespace {

constexpr int field = 20; // a closed combo's height
constexpr int row = 16; // a row of the dropped list

class ComboBoxTest : public ControlTest {
protected:
    HWND makeCombo(DWORD style, std::initializer_list<const WCHAR*> items, int height = 100)
    {
        return makeFilled(u"COMBOBOX", CB_ADDSTRING, style, items, 9, 120, height);
    }
};

// A tap on row `index` of the dropped list (the rows start under the field).
void tapRow(HWND combo, int index)
{
    tap(combo, 10, field + index * row + row / 2);
}

TEST_F(ComboBoxTest, TheWindowKeepsTheFieldAndTheCreatedHeightSetsTheList)
{
    HWND combo = makeCombo(CBS_DROPDOWNLIST, {u"a", u"b", u"c", u"d", u"e", u"f", u"g"}, 84);
    RECT window {};
    GetClientRect(combo, &window);
    EXPECT_EQ(window.bottom, field);
    EXPECT_EQ(send(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)), field);
    EXPECT_EQ(send(combo, CB_GETITEMHEIGHT, 0), row);
    EXPECT_EQ(send(combo, CB_GETDROPPEDWIDTH), 120);
    EXPECT_EQ(send(combo, CB_SETDROPPEDWIDTH, 80), 120); // never narrower than the combo
    EXPECT_EQ(send(combo, CB_SETDROPPEDWIDTH, 150), 150);
    EXPECT_EQ(send(combo, CB_GETDROPPEDWIDTH), 150);
    RECT dropped {};
    EXPECT_EQ(send(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped)), TRUE);
    EXPECT_EQ(dropped.right - dropped.left, 150);
    EXPECT_EQ(dropped.bottom - dropped.top, field + 4 * row); // 64 pixels of list: four rows
    EXPECT_EQ(send(combo, CB_GETDROPPEDCONTROLRECT, 0, 0), CB_ERR);
}

TEST_F(ComboBoxTest, ItemsSortFindAndFail)
{
    HWND combo = makeCombo(CBS_DROPDOWNLIST | CBS_SORT, {u"Pear", u"apple", u"Banana", u"apricot"});
    WCHAR buffer[16] {};
    EXPECT_EQ(send(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(buffer)), 7);
    EXPECT_EQ(std::u16string(buffer), u"apricot");
    EXPECT_EQ(send(combo, CB_GETLBTEXTLEN, 3), 4);
    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        const WCHAR* text;
        LRESULT expected;
    };
    const Case cases[] = {
        {"prefix from the top", CB_FINDSTRING, static_cast<WPARAM>(-1), u"AP", 0},
        {"prefix after 0", CB_FINDSTRING, 0, u"ap", 1},
        {"prefix wraps", CB_FINDSTRING, 1, u"ap", 0},
        {"exact", CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), u"banana", 2},
        {"exact is whole", CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), u"ban", CB_ERR},
        {"exact wraps", CB_FINDSTRINGEXACT, 3, u"APPLE", 0},
        {"null text", CB_FINDSTRING, static_cast<WPARAM>(-1), nullptr, CB_ERR},
        {"add null", CB_ADDSTRING, 0, nullptr, CB_ERR},
        {"insert past the end", CB_INSERTSTRING, 5, u"x", CB_ERR},
        {"text past the end", CB_GETLBTEXT, 4, u"", CB_ERR},
        {"length past the end", CB_GETLBTEXTLEN, 4, nullptr, CB_ERR},
        {"delete past the end", CB_DELETESTRING, 4, nullptr, CB_ERR},
        {"data past the end", CB_GETITEMDATA, 4, nullptr, CB_ERR},
        {"set data past the end", CB_SETITEMDATA, 4, nullptr, CB_ERR},
        {"top past the end", CB_SETTOPINDEX, 4, nullptr, CB_ERR},
        {"select a missing string", CB_SELECTSTRING, static_cast<WPARAM>(-1), u"kiwi", CB_ERR},
        {"no limit without an edit", CB_LIMITTEXT, 5, nullptr, CB_ERR},
        {"no edit selection", CB_GETEDITSEL, 0, nullptr, CB_ERR},
        {"height zero", CB_SETITEMHEIGHT, 0, nullptr, CB_ERR},
    };
    for (const Case& c : cases)
        EXPECT_EQ(send(combo, c.message, c.wParam, reinterpret_cast<LPARAM>(c.text)), c.expected) << c.name;
    EXPECT_EQ(send(combo, CB_GETLBTEXT, 0, 0), CB_ERR);
    EXPECT_EQ(send(combo, CB_GETCOUNT), 4);
    EXPECT_EQ(send(combo, CB_GETCURSEL), CB_ERR);
}

TEST_F(ComboBoxTest, SetCurSelIsSilentAndShowsTheItemAsTheText)
{
    HWND combo = makeCombo(CBS_DROPDOWNLIST, {u"one", u"two", u"three"});
    EXPECT_EQ(send(combo, CB_SETCURSEL, 1), 1);
    EXPECT_EQ(send(combo, CB_GETCURSEL), 1);
    EXPECT_EQ(textOf(combo), u"two");
    EXPECT_EQ(send(combo, CB_SETCURSEL, 7), CB_ERR); // out of range clears
    EXPECT_EQ(send(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(textOf(combo), u"");
    EXPECT_EQ(send(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"th")), 2);
    EXPECT_EQ(textOf(combo), u"three");
    EXPECT_EQ(SetWindowTextW(combo, u"one"), TRUE); // a drop-down list's text picks its item
    EXPECT_EQ(send(combo, CB_GETCURSEL), 0);
    EXPECT_EQ(takeCodes(), std::vector<WORD> {});
    send(combo, CB_DELETESTRING, 0);
    EXPECT_EQ(send(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(textOf(combo), u"");
}

TEST_F(ComboBoxTest, TappingDropsThenARowIsChosen)
{
    HWND combo = makeCombo(CBS_DROPDOWNLIST, {u"red", u"green", u"blue"});
    tap(combo, 50, 10);
    EXPECT_EQ(takeCodes(), (std::vector<WORD> {CBN_SETFOCUS, CBN_DROPDOWN}));
    EXPECT_EQ(send(combo, CB_GETDROPPEDSTATE), TRUE);

    tapRow(combo, 2);
    EXPECT_EQ(takeCodes(), (std::vector<WORD> {CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
    EXPECT_EQ(send(combo, CB_GETCURSEL), 2);
    EXPECT_EQ(textOf(combo), u"blue");
    EXPECT_EQ(send(combo, CB_GETDROPPEDSTATE), FALSE);

    tap(combo, 50, 10);
    tapRow(combo, 2); // the same row again: chosen, but no change
    EXPECT_EQ(takeCodes(), (std::vector<WORD> {CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP}));

    tap(combo, 50, 10);
    tap(combo, 10, field + 3 * row + 2); // below the rows
    EXPECT_EQ(takeCodes(), (std::vector<WORD> {CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
    EXPECT_EQ(send(combo, CB_GETCURSEL), 2);
    tapRow(combo, 0); // the list is closed: the tap is not on a row
    EXPECT_EQ(send(combo, CB_GETCURSEL), 2);
}

TEST_F(ComboBoxTest, TheListOpensAtTheSelectionAndRowsCountFromItsTop)
{
    HWND combo = makeCombo(CBS_DROPDOWNLIST, {u"0", u"1", u"2", u"3", u"4", u"5"}, field + 2 * row);
    send(combo, CB_SETCURSEL, 4);
    send(combo, CB_SHOWDROPDOWN, TRUE);
    EXPECT_EQ(send(combo, CB_GETTOPINDEX), 3);
    tapRow(combo, 0);
    EXPECT_EQ(send(combo, CB_GETCURSEL), 3);
}

TEST_F(ComboBoxTest, ArrowKeysChangeTheSelectionWithNotification)
{
    HWND combo = makeCombo(CBS_DROPDOWNLIST, {u"a", u"b", u"c"});
    struct Step {
        WPARAM key;
        LRESULT selected;
        std::vector<WORD> codes;
    };
    const Step steps[] = {
        {VK_DOWN, 0, {CBN_SELCHANGE}},
        {VK_DOWN, 1, {CBN_SELCHANGE}},
        {VK_UP, 0, {CBN_SELCHANGE}},
        {VK_UP, 0, {}},
        {VK_LEFT, 0, {}},
    };
    for (const Step& s : steps) {
        send(combo, WM_KEYDOWN, s.key);
        EXPECT_EQ(send(combo, CB_GETCURSEL), s.selected) << "key " << s.key;
        EXPECT_EQ(takeCodes(), s.codes) << "key " << s.key;
    }
    send(combo, WM_CHAR, u'c');
    EXPECT_EQ(textOf(combo), u"c");
    EXPECT_EQ(takeCodes(), std::vector<WORD> {CBN_SELCHANGE});
}

TEST_F(ComboBoxTest, ShowDropDownAndKeysWhileDropped)
{
    HWND combo = makeCombo(CBS_DROPDOWNLIST, {u"a", u"b"});
    EXPECT_EQ(send(combo, CB_SHOWDROPDOWN, TRUE), TRUE);
    send(combo, WM_KEYDOWN, VK_DOWN);
    MSG enter {combo, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(send(combo, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&enter)) & DLGC_WANTMESSAGE);
    send(combo, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(takeCodes(), (std::vector<WORD> {CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
    EXPECT_EQ(send(combo, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&enter)), DLGC_WANTARROWS | DLGC_WANTCHARS);
    send(combo, CB_SHOWDROPDOWN, TRUE);
    send(combo, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(takeCodes(), (std::vector<WORD> {CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
    EXPECT_EQ(send(combo, CB_GETCURSEL), 0);
}

TEST_F(ComboBoxTest, LosingTheFocusClosesTheList)
{
    HWND combo = makeCombo(CBS_DROPDOWNLIST, {u"a"});
    tap(combo, 50, 10);
    SetFocus(parent);
    EXPECT_EQ(
        takeCodes(), (std::vector<WORD> {CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_KILLFOCUS}));
    EXPECT_EQ(send(combo, CB_GETDROPPEDSTATE), FALSE);
}

TEST_F(ComboBoxTest, TheEditableKindsEditIsTheTextAndTellsOfTyping)
{
    HWND combo = makeCombo(CBS_DROPDOWN | CBS_AUTOHSCROLL, {u"alpha", u"beta"});
    HWND edit = GetDlgItem(combo, 1001);
    ASSERT_NE(edit, nullptr);
    SetFocus(combo);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(takeCodes(), std::vector<WORD> {CBN_SETFOCUS});

    type(combo, u"ab");
    EXPECT_EQ(textOf(combo), u"ab");
    EXPECT_EQ(textOf(edit), u"ab");
    EXPECT_EQ(takeCodes(), (std::vector<WORD> {CBN_EDITUPDATE, CBN_EDITCHANGE, CBN_EDITUPDATE, CBN_EDITCHANGE}));

    send(combo, CB_SETCURSEL, 1);
    EXPECT_EQ(textOf(combo), u"beta");
    DWORD start = 0;
    DWORD end = 0;
    send(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(0u, 4u)); // the shown item is selected whole
    SetWindowTextW(combo, u"free text");
    EXPECT_EQ(textOf(edit), u"free text");
    EXPECT_EQ(takeCodes(), std::vector<WORD> {}); // the program's changes are not the user's

    send(edit, WM_KEYDOWN, VK_UP); // the edit leaves the list's keys to its combo
    EXPECT_EQ(textOf(combo), u"alpha");
    EXPECT_EQ(takeCodes(), std::vector<WORD> {CBN_SELCHANGE});

    EXPECT_EQ(send(combo, CB_SETEDITSEL, 0, MAKELPARAM(1, 3)), TRUE);
    EXPECT_EQ(send(combo, CB_GETEDITSEL), MAKELRESULT(1, 3));
    EXPECT_EQ(send(combo, CB_LIMITTEXT, 6), TRUE);
    send(combo, CB_SETEDITSEL, 0, MAKELPARAM(-1, 0)); // no selection; the caret stays after "alp"
    type(combo, u"xyz");
    EXPECT_EQ(textOf(combo), u"alpxha");

    SetFocus(parent);
    const auto codes = takeCodes();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), CBN_KILLFOCUS);
}

TEST_F(ComboBoxTest, ResetEmptiesTheListAndTheField)
{
    HWND combo = makeCombo(CBS_DROPDOWN | CBS_AUTOHSCROLL, {u"a", u"b"});
    send(combo, CB_SETCURSEL, 1);
    EXPECT_EQ(send(combo, CB_RESETCONTENT), CB_OKAY);
    EXPECT_EQ(send(combo, CB_GETCOUNT), 0);
    EXPECT_EQ(send(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(textOf(combo), u"");
}

TEST_F(ComboBoxTest, ItemDataAndHeights)
{
    HWND combo = makeCombo(CBS_DROPDOWNLIST, {u"a", u"b"});
    EXPECT_EQ(send(combo, CB_SETITEMDATA, 1, 0xBEEF), TRUE);
    EXPECT_EQ(send(combo, CB_GETITEMDATA, 1), 0xBEEF);
    EXPECT_EQ(send(combo, CB_SETITEMHEIGHT, 0, 20), CB_OKAY);
    EXPECT_EQ(send(combo, CB_GETITEMHEIGHT, 0), 20);
    EXPECT_EQ(send(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 24), CB_OKAY);
    RECT window {};
    GetClientRect(combo, &window);
    EXPECT_EQ(window.bottom, 24);
    EXPECT_EQ(send(combo, CB_SETITEMHEIGHT, 0, 300), CB_ERR);
}

TEST_F(ComboBoxTest, DisabledCombosIgnoreTheUser)
{
    HWND combo = makeCombo(CBS_DROPDOWNLIST | WS_DISABLED, {u"a", u"b"});
    tap(combo, 50, 10);
    send(combo, WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(send(combo, CB_GETDROPPEDSTATE), FALSE);
    EXPECT_EQ(send(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(takeCodes(), std::vector<WORD> {});
    paintNow(combo);
    EXPECT_EQ(parentLog().colourRequests, std::vector<UINT> {WM_CTLCOLORSTATIC});
}

TEST_F(ComboBoxTest, TheOwnerMeasuresAndDrawsTheFieldAndTheDroppedRows)
{
    parentLog().itemHeightToGive = 18;
    HWND combo = makeCombo(CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, {u"a", u"b", u"c"}, 18 + 2 * 18);
    const auto& measures = parentLog().measureRequests;
    ASSERT_EQ(measures.size(), 2u);
    EXPECT_EQ(measures[0].itemID, static_cast<UINT>(-1)); // the field
    EXPECT_EQ(measures[1].itemID, 0u);
    EXPECT_EQ(measures[1].CtlType, static_cast<UINT>(ODT_COMBOBOX));
    RECT window {};
    GetClientRect(combo, &window);
    EXPECT_EQ(window.bottom, 18);
    EXPECT_EQ(send(combo, CB_GETITEMHEIGHT, 0), 18);

    send(combo, CB_SETCURSEL, 2);
    send(combo, CB_SETITEMDATA, 2, 0xD);
    paintNow(combo);
    auto& draws = parentLog().drawRequests;
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].itemID, 2u);
    EXPECT_EQ(draws[0].itemData, 0xDu);
    EXPECT_TRUE(draws[0].itemState & ODS_COMBOBOXEDIT);
    EXPECT_EQ(draws[0].rcItem.bottom, 18);

    draws.clear();
    send(combo, CB_SHOWDROPDOWN, TRUE);
    paintNow(combo);
    ASSERT_EQ(draws.size(), 3u); // the field and two rows, from the top row that shows the selection
    EXPECT_EQ(draws[1].itemID, 1u);
    EXPECT_EQ(draws[1].rcItem.top, 18);
    EXPECT_EQ(draws[2].itemID, 2u);
    EXPECT_EQ(draws[2].itemState & ODS_SELECTED, static_cast<UINT>(ODS_SELECTED));
    tap(combo, 5, 18 + 5);
    EXPECT_EQ(send(combo, CB_GETCURSEL), 1);
}

} // namespace
