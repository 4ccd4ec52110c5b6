// Tree view geometry and input: hit-testing and item rectangles at the 96-dpi metrics, taps on
// buttons, labels and check boxes, double taps, keys, incremental search and focus.
#include "TreeTestSupport.h"

using namespace tree_test;

namespace {

// Buttons, lines at the root, check boxes and an image list: a (a1, a2), b, c.
// Row of a: button 0-18, check box 19-34, image 35-50, label "a" 51-60.
// Row of a1: indent 0-37, check box 38-53, image 54-69, label "a1" 70-85.
class TreeInputTest : public TreeFixture {
protected:
    HTREEITEM a, a1, a2, b, c;
    void SetUp() override
    {
        TreeFixture::SetUp();
        makeTree(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_CHECKBOXES);
        TreeView_SetImageList(tree, reinterpret_cast<HIMAGELIST>(0x1230), TVSIL_NORMAL);
        a = add(TVI_ROOT, u"a");
        a1 = add(a, u"a1");
        a2 = add(a, u"a2");
        b = add(TVI_ROOT, u"b");
        c = add(TVI_ROOT, u"c");
        SetFocus(tree);
        takeNotes();
    }
    UINT check(HTREEITEM item) { return TreeView_GetCheckState(tree, item); }
};

TEST_F(TreeInputTest, HitTestNamesThePartOfTheRowUnderThePoint)
{
    TreeView_Expand(tree, a, TVE_EXPAND);
    struct Case {
        int x, y;
        UINT flags;
        HTREEITEM item;
    };
    const Case cases[] = {
        {5, 5, TVHT_ONITEMBUTTON, a},
        {20, 5, TVHT_ONITEMSTATEICON, a},
        {40, 5, TVHT_ONITEMICON, a},
        {55, 5, TVHT_ONITEMLABEL, a},
        {70, 5, TVHT_ONITEMRIGHT, a},
        {5, 20, TVHT_ONITEMINDENT, a1},
        {25, 20, TVHT_ONITEMINDENT, a1}, // the button column of an item without children
        {40, 20, TVHT_ONITEMSTATEICON, a1},
        {60, 20, TVHT_ONITEMICON, a1},
        {75, 20, TVHT_ONITEMLABEL, a1},
        {90, 20, TVHT_ONITEMRIGHT, a1},
        {55, 70, TVHT_ONITEMLABEL, c},
        {55, 90, TVHT_NOWHERE, nullptr},
        {-1, 5, TVHT_TOLEFT, nullptr},
        {treeWidth, 5, TVHT_TORIGHT, nullptr},
        {5, -1, TVHT_ABOVE, nullptr},
        {5, treeHeight, TVHT_BELOW, nullptr},
        {-3, -3, TVHT_ABOVE | TVHT_TOLEFT, nullptr},
    };
    for (const Case& test : cases) {
        TVHITTESTINFO hit {};
        hit.pt = {test.x, test.y};
        EXPECT_EQ(TreeView_HitTest(tree, &hit), test.item) << test.x << "," << test.y;
        EXPECT_EQ(hit.flags, test.flags) << test.x << "," << test.y;
        EXPECT_EQ(hit.hItem, test.item);
    }
}

TEST_F(TreeInputTest, ItemRectIsTheLabelOrTheWholeRow)
{
    RECT rect {};
    EXPECT_FALSE(TreeView_GetItemRect(tree, a1, &rect, TRUE)); // a is collapsed
    TreeView_Expand(tree, a, TVE_EXPAND);
    struct Case {
        HTREEITEM item;
        BOOL labelOnly;
        RECT expected;
    };
    // A label is its text in the system font with two pixels of padding on each side.
    const auto labelRight = [this](int left, const char16_t* text) {
        SIZE extent {};
        HDC dc = GetDC(tree);
        GetTextExtentPoint32W(dc, text, static_cast<int>(std::u16string(text).size()), &extent);
        ReleaseDC(tree, dc);
        return left + extent.cx + 4;
    };
    const Case cases[] = {
        {a, TRUE, {51, 0, labelRight(51, u"a"), 16}},
        {a, FALSE, {0, 0, treeWidth, 16}},
        {a1, TRUE, {70, 16, labelRight(70, u"a1"), 32}},
        {c, FALSE, {0, 64, treeWidth, 80}},
    };
    for (const Case& test : cases) {
        ASSERT_TRUE(TreeView_GetItemRect(tree, test.item, &rect, test.labelOnly));
        EXPECT_EQ(rect.left, test.expected.left);
        EXPECT_EQ(rect.top, test.expected.top);
        EXPECT_EQ(rect.right, test.expected.right);
        EXPECT_EQ(rect.bottom, test.expected.bottom);
    }
    TreeView_SetImageList(tree, nullptr, TVSIL_NORMAL);
    TreeView_SetItemHeight(tree, 20);
    ASSERT_TRUE(TreeView_GetItemRect(tree, a1, &rect, TRUE));
    EXPECT_EQ(rect.left, 54); // no image column
    EXPECT_EQ(rect.top, 20);
}

TEST_F(TreeInputTest, TapOnALabelClicksThenSelectsByMouse)
{
    tap(55, 5);
    tap(55, 20);
    EXPECT_EQ(takeNotes(),
        (std::vector<Note> {simple(NM_CLICK), sel(TVN_SELCHANGINGW, TVC_BYMOUSE, nullptr, a),
            sel(TVN_SELCHANGEDW, TVC_BYMOUSE, nullptr, a), simple(NM_CLICK), sel(TVN_SELCHANGINGW, TVC_BYMOUSE, a, b),
            sel(TVN_SELCHANGEDW, TVC_BYMOUSE, a, b)}));
    tap(90, 5); // right of the label: a click, no selection
    EXPECT_EQ(takeNotes(), (std::vector<Note> {simple(NM_CLICK)}));
    Parent::current().answers[NM_CLICK] = TRUE; // the parent handled it
    tap(55, 35);
    EXPECT_EQ(takeNotes(), (std::vector<Note> {simple(NM_CLICK)}));
    EXPECT_EQ(TreeView_GetSelection(tree), b);
}

TEST_F(TreeInputTest, FullRowSelectSelectsFromAnywhereOnTheRow)
{
    makeTree(TVS_FULLROWSELECT);
    const HTREEITEM item = add(TVI_ROOT, u"x");
    tap(90, 5);
    EXPECT_EQ(TreeView_GetSelection(tree), item);
}

TEST_F(TreeInputTest, SingleExpandOpensTheTappedItemAndClosesTheOneLeft)
{
    makeTree(TVS_SINGLEEXPAND);
    const HTREEITEM x = add(TVI_ROOT, u"x");
    const HTREEITEM x1 = add(x, u"x1");
    const HTREEITEM y = add(TVI_ROOT, u"y");
    add(y, u"y1");
    tap(3, 5);
    EXPECT_EQ(TreeView_GetItemState(tree, x, TVIS_EXPANDED), static_cast<UINT>(TVIS_EXPANDED));
    tap(25, 20); // x1, inside x: x stays open
    EXPECT_EQ(TreeView_GetSelection(tree), x1);
    EXPECT_EQ(TreeView_GetItemState(tree, x, TVIS_EXPANDED), static_cast<UINT>(TVIS_EXPANDED));
    tap(3, 5);
    tap(3, 35); // y: x closes
    EXPECT_EQ(TreeView_GetSelection(tree), y);
    EXPECT_EQ(TreeView_GetItemState(tree, x, TVIS_EXPANDED), 0U);
    EXPECT_EQ(TreeView_GetItemState(tree, y, TVIS_EXPANDED), static_cast<UINT>(TVIS_EXPANDED));
}

TEST_F(TreeInputTest, TapOnTheButtonTogglesExpansionWithNotifications)
{
    tap(5, 5);
    tap(5, 5);
    EXPECT_EQ(takeNotes(),
        (std::vector<Note> {expanding(TVN_ITEMEXPANDINGW, TVE_EXPAND, a), expanding(TVN_ITEMEXPANDEDW, TVE_EXPAND, a),
            expanding(TVN_ITEMEXPANDINGW, TVE_COLLAPSE, a), expanding(TVN_ITEMEXPANDEDW, TVE_COLLAPSE, a)}));
    Parent::current().answers[TVN_ITEMEXPANDINGW] = TRUE;
    tap(5, 5);
    EXPECT_EQ(TreeView_GetItemState(tree, a, TVIS_EXPANDED), 0U);
}

TEST_F(TreeInputTest, ThePlusOfAPartlyExpandedItemAsksForTheRest)
{
    ASSERT_TRUE(TreeView_Expand(tree, a, TVE_EXPAND | TVE_EXPANDPARTIAL));
    EXPECT_EQ(TreeView_GetItemState(tree, a, TVIS_EXPANDED | TVIS_EXPANDPARTIAL),
        static_cast<UINT>(TVIS_EXPANDED | TVIS_EXPANDPARTIAL));
    takeNotes();
    tap(5, 5);
    EXPECT_EQ(takeNotes(),
        (std::vector<Note> {
            expanding(TVN_ITEMEXPANDINGW, TVE_EXPAND, a), expanding(TVN_ITEMEXPANDEDW, TVE_EXPAND, a)}));
    EXPECT_EQ(TreeView_GetItemState(tree, a, TVIS_EXPANDED | TVIS_EXPANDPARTIAL), static_cast<UINT>(TVIS_EXPANDED));
    tap(5, 5);
    EXPECT_EQ(TreeView_GetItemState(tree, a, TVIS_EXPANDED), 0U);
}

TEST_F(TreeInputTest, TapOnTheCheckBoxTogglesAfterNmClickAndLeavesTheSelection)
{
    std::vector<UINT> seenInClick;
    Parent::current().onNotify = [&](UINT code, const NMHDR&) {
        if (code == NM_CLICK)
            seenInClick.push_back(check(b));
    };
    struct Case {
        UINT before; // state image index
        UINT after;
    };
    const Case cases[] = {{1, 2}, {2, 1}, {3, 1}};
    for (const Case& test : cases) {
        TreeView_SetItemState(tree, b, INDEXTOSTATEIMAGEMASK(test.before), TVIS_STATEIMAGEMASK);
        seenInClick.clear();
        tap(20, 20);
        EXPECT_EQ(takeNotes(), (std::vector<Note> {simple(NM_CLICK)}));
        EXPECT_EQ(seenInClick, (std::vector<UINT> {test.before - 1})); // still the old state
        EXPECT_EQ(check(b), test.after - 1) << "from " << test.before;
    }
    EXPECT_EQ(TreeView_GetSelection(tree), nullptr);
    Parent::current().answers[NM_CLICK] = TRUE;
    tap(20, 20);
    EXPECT_EQ(check(b), 0U);
}

TEST_F(TreeInputTest, DoubleTapTogglesExpansionOrTheCheckBox)
{
    SendMessageW(tree, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(55, 5));
    SendMessageW(tree, WM_LBUTTONUP, 0, MAKELPARAM(55, 5));
    SendMessageW(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(55, 5));
    SendMessageW(tree, WM_LBUTTONUP, 0, MAKELPARAM(55, 5));
    EXPECT_EQ(takeNotes(),
        (std::vector<Note> {simple(NM_CLICK), sel(TVN_SELCHANGINGW, TVC_BYMOUSE, nullptr, a),
            sel(TVN_SELCHANGEDW, TVC_BYMOUSE, nullptr, a), simple(NM_DBLCLK),
            expanding(TVN_ITEMEXPANDINGW, TVE_EXPAND, a), expanding(TVN_ITEMEXPANDEDW, TVE_EXPAND, a)}));
    SendMessageW(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 5));
    EXPECT_EQ(check(a), 1U);
    Parent::current().answers[NM_DBLCLK] = TRUE;
    SendMessageW(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(55, 5));
    EXPECT_EQ(TreeView_GetItemState(tree, a, TVIS_EXPANDED), static_cast<UINT>(TVIS_EXPANDED));
}

TEST_F(TreeInputTest, KeysMoveTheCaretExpandAndCollapse)
{
    struct Case {
        WPARAM key;
        HTREEITEM caret;
        bool aExpanded;
    };
    const Case cases[] = {
        {VK_DOWN, a, false}, // no selection yet: the first item
        {VK_RIGHT, a, true},
        {VK_RIGHT, a1, true},
        {VK_DOWN, a2, true},
        {VK_LEFT, a, true}, // a2 has no children: to the parent
        {VK_LEFT, a, false},
        {VK_DOWN, b, false},
        {VK_END, c, false},
        {VK_UP, b, false},
        {VK_HOME, a, false},
        {VK_NEXT, c, false},
        {VK_PRIOR, a, false},
    };
    for (const Case& test : cases) {
        key(test.key);
        EXPECT_EQ(TreeView_GetSelection(tree), test.caret) << "key " << test.key;
        EXPECT_EQ(TreeView_GetItemState(tree, a, TVIS_EXPANDED) != 0, test.aExpanded) << "key " << test.key;
    }
    EXPECT_EQ(Parent::current().keys.size(), std::size(cases));
}

TEST_F(TreeInputTest, KeyDownIsToldFirstThenTheSelectionChangesByKeyboard)
{
    key(VK_DOWN);
    EXPECT_EQ(takeNotes(),
        (std::vector<Note> {simple(TVN_KEYDOWN), sel(TVN_SELCHANGINGW, TVC_BYKEYBOARD, nullptr, a),
            sel(TVN_SELCHANGEDW, TVC_BYKEYBOARD, nullptr, a)}));
    key(VK_RETURN);
    EXPECT_EQ(takeNotes(), (std::vector<Note> {simple(TVN_KEYDOWN), simple(NM_RETURN)}));
    key(VK_SPACE);
    EXPECT_EQ(check(a), 1U);
    key(VK_SPACE);
    EXPECT_EQ(check(a), 0U);
    EXPECT_EQ(Parent::current().keys, (std::vector<WORD> {VK_DOWN, VK_RETURN, VK_SPACE, VK_SPACE}));
}

TEST_F(TreeInputTest, TypedCharactersSearchTheItemsUntilAPause)
{
    makeTree(0);
    add(TVI_ROOT, u"apple");
    const HTREEITEM banana = add(TVI_ROOT, u"Banana");
    const HTREEITEM blueberry = add(TVI_ROOT, u"blueberry");
    const HTREEITEM cherry = add(TVI_ROOT, u"cherry");
    SendMessageW(tree, WM_CHAR, u'b', 0);
    EXPECT_EQ(TreeView_GetSelection(tree), banana);
    SendMessageW(tree, WM_CHAR, u'l', 0);
    EXPECT_EQ(TreeView_GetSelection(tree), blueberry);
    WCHAR typed[16] {};
    EXPECT_EQ(TreeView_GetISearchString(tree, typed), 2);
    EXPECT_EQ(std::u16string(typed), u"bl");
    Sleep(2000); // virtual time
    EXPECT_EQ(TreeView_GetISearchString(tree, typed), 0);
    SendMessageW(tree, WM_CHAR, u'c', 0);
    EXPECT_EQ(TreeView_GetSelection(tree), cherry);
    Sleep(2000);
    Parent::current().answers[TVN_KEYDOWN] = TRUE; // the parent keeps the character
    key(u'B');
    SendMessageW(tree, WM_CHAR, u'b', 0);
    EXPECT_EQ(TreeView_GetSelection(tree), cherry);
}

TEST_F(TreeInputTest, FocusChangesAreToldAndDisabledTreesIgnoreInput)
{
    SetFocus(parentWindow);
    SetFocus(tree);
    EXPECT_EQ(takeNotes(), (std::vector<Note> {simple(NM_KILLFOCUS), simple(NM_SETFOCUS)}));
    EnableWindow(tree, FALSE);
    takeNotes();
    tap(55, 5);
    key(VK_DOWN);
    SendMessageW(tree, WM_CHAR, u'a', 0);
    EXPECT_TRUE(takeNotes().empty());
    EXPECT_EQ(TreeView_GetSelection(tree), nullptr);
}

TEST_F(TreeInputTest, ATapTakesTheFocusFirst)
{
    SetFocus(parentWindow);
    takeNotes();
    tap(55, 5);
    const std::vector<Note> notes = takeNotes();
    ASSERT_GE(notes.size(), 2U);
    EXPECT_EQ(notes[0], simple(NM_SETFOCUS));
    EXPECT_EQ(notes[1], simple(NM_CLICK));
    EXPECT_EQ(GetFocus(), tree);
}

} // namespace
