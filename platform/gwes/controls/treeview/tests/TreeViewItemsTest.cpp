// Tree view items: inserting, reading and changing them, finding them (TVM_GETNEXTITEM),
// callbacks for text and children, check states, deleting with its notifications, sorting.
#include "TreeTestSupport.h"

using namespace tree_test;

namespace {

class TreeItemsTest : public TreeFixture { };

TEST_F(TreeItemsTest, InsertPlacesItemsFirstLastAfterAndSorted)
{
    const HTREEITEM b = add(TVI_ROOT, u"b");
    add(TVI_ROOT, u"d");
    add(TVI_ROOT, u"a", TVI_FIRST);
    add(TVI_ROOT, u"c", b);
    add(nullptr, u"e"); // null parent: the top level
    EXPECT_EQ(childTexts(TVI_ROOT), (std::vector<std::u16string> {u"a", u"b", u"c", u"d", u"e"}));
    const HTREEITEM parent = add(TVI_ROOT, u"parent");
    for (const char16_t* text : {u"Mango", u"apple", u"Cherry", u"banana", u"cherry"})
        add(parent, text, TVI_SORT);
    EXPECT_EQ(childTexts(parent), (std::vector<std::u16string> {u"apple", u"banana", u"Cherry", u"cherry", u"Mango"}));
    EXPECT_EQ(TreeView_GetCount(tree), 11U);
}

TEST_F(TreeItemsTest, InsertRefusesBadArguments)
{
    const HTREEITEM a = add(TVI_ROOT, u"a");
    const HTREEITEM child = add(a, u"child");
    EXPECT_EQ(TreeView_InsertItem(tree, nullptr), nullptr);
    EXPECT_EQ(add(reinterpret_cast<HTREEITEM>(0x4321), u"x"), nullptr); // unknown parent
    EXPECT_EQ(add(TVI_ROOT, u"x", child), nullptr); // after an item of another parent
    EXPECT_EQ(add(TVI_ROOT, u"x", reinterpret_cast<HTREEITEM>(0x4321)), nullptr);
    TreeView_DeleteItem(tree, a);
    EXPECT_EQ(add(a, u"x"), nullptr); // a deleted parent
    EXPECT_EQ(TreeView_GetCount(tree), 0U);
}

TEST_F(TreeItemsTest, GetItemGivesEveryFieldTheMaskAsksFor)
{
    TVINSERTSTRUCTW insert {};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE | TVIF_CHILDREN;
    insert.item.pszText = const_cast<LPWSTR>(u"Documents");
    insert.item.iImage = 3;
    insert.item.iSelectedImage = 4;
    insert.item.lParam = 1234;
    insert.item.state = TVIS_BOLD | INDEXTOSTATEIMAGEMASK(2);
    insert.item.stateMask = TVIS_BOLD | TVIS_STATEIMAGEMASK;
    insert.item.cChildren = 1;
    const HTREEITEM item = TreeView_InsertItem(tree, &insert);
    ASSERT_NE(item, nullptr);

    WCHAR buffer[5] {};
    TVITEMW asked {};
    asked.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE | TVIF_CHILDREN;
    asked.hItem = item;
    asked.pszText = buffer;
    asked.cchTextMax = 5;
    asked.stateMask = 0xFFFF;
    ASSERT_TRUE(TreeView_GetItem(tree, &asked));
    EXPECT_EQ(std::u16string(buffer), u"Docu"); // cut to the buffer, terminated
    EXPECT_EQ(asked.iImage, 3);
    EXPECT_EQ(asked.iSelectedImage, 4);
    EXPECT_EQ(asked.lParam, 1234);
    EXPECT_EQ(asked.state, static_cast<UINT>(TVIS_BOLD | INDEXTOSTATEIMAGEMASK(2)));
    EXPECT_EQ(asked.cChildren, 1);
    EXPECT_EQ(TreeView_GetItemState(tree, item, TVIS_BOLD | TVIS_EXPANDED), static_cast<UINT>(TVIS_BOLD));

    TVITEMW change {};
    change.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE;
    change.hItem = item;
    change.pszText = const_cast<LPWSTR>(u"Mail");
    change.lParam = 99;
    change.state = 0;
    change.stateMask = TVIS_BOLD;
    ASSERT_TRUE(TreeView_SetItem(tree, &change));
    EXPECT_EQ(textOf(item), u"Mail");
    asked.mask = TVIF_PARAM | TVIF_STATE;
    ASSERT_TRUE(TreeView_GetItem(tree, &asked));
    EXPECT_EQ(asked.lParam, 99);
    EXPECT_EQ(asked.state, static_cast<UINT>(INDEXTOSTATEIMAGEMASK(2)));
}

TEST_F(TreeItemsTest, BadHandlesAndNullPointersGiveTheErrorReturns)
{
    const HTREEITEM item = add(TVI_ROOT, u"a");
    TreeView_DeleteItem(tree, item);
    takeNotes();
    TVITEMW asked {};
    asked.mask = TVIF_PARAM;
    asked.hItem = item;
    EXPECT_FALSE(TreeView_GetItem(tree, &asked));
    EXPECT_FALSE(TreeView_SetItem(tree, &asked));
    asked.hItem = TVI_ROOT;
    EXPECT_FALSE(TreeView_GetItem(tree, &asked));
    EXPECT_FALSE(TreeView_GetItem(tree, nullptr));
    EXPECT_FALSE(TreeView_SetItem(tree, nullptr));
    EXPECT_FALSE(TreeView_DeleteItem(tree, item));
    EXPECT_FALSE(TreeView_Expand(tree, item, TVE_EXPAND));
    EXPECT_FALSE(TreeView_SelectItem(tree, item));
    EXPECT_FALSE(TreeView_EnsureVisible(tree, item));
    EXPECT_FALSE(TreeView_GetItemRect(tree, item, nullptr, TRUE));
    RECT rect {};
    EXPECT_FALSE(TreeView_GetItemRect(tree, item, &rect, TRUE));
    EXPECT_EQ(TreeView_HitTest(tree, nullptr), nullptr);
    EXPECT_EQ(TreeView_GetItemState(tree, item, 0xFFFF), 0U);
    EXPECT_EQ(TreeView_GetNextSibling(tree, item), nullptr);
    EXPECT_EQ(TreeView_GetParent(tree, item), nullptr);
    EXPECT_FALSE(TreeView_SortChildren(tree, item, FALSE));
    EXPECT_FALSE(TreeView_SortChildrenCB(tree, nullptr, FALSE));
    EXPECT_EQ(TreeView_SetImageList(tree, reinterpret_cast<HIMAGELIST>(0x10), 7), nullptr);
    EXPECT_EQ(TreeView_GetImageList(tree, 7), nullptr);
    EXPECT_EQ(SendMessageW(tree, TVM_GETNEXTITEM, 0x77, 0), 0);
    EXPECT_TRUE(takeNotes().empty());
}

// root: a (expanded: a1, a2 (collapsed: a2x)), b, c (collapsed: c1)
class TreeNavigationTest : public BranchFixture {
protected:
    HTREEITEM c, c1;
    void SetUp() override
    {
        BranchFixture::SetUp();
        c = add(TVI_ROOT, u"c");
        c1 = add(c, u"c1");
        TreeView_Expand(tree, a, TVE_EXPAND);
        takeNotes();
    }
};

TEST_F(TreeNavigationTest, GetNextItemAnswersEveryRelation)
{
    struct Case {
        HTREEITEM from;
        UINT code;
        HTREEITEM expected;
    };
    const Case cases[] = {
        {nullptr, TVGN_ROOT, a},
        {a, TVGN_NEXT, b},
        {c, TVGN_NEXT, nullptr},
        {b, TVGN_PREVIOUS, a},
        {a, TVGN_PREVIOUS, nullptr},
        {a2x, TVGN_PARENT, a2},
        {a, TVGN_PARENT, nullptr},
        {a, TVGN_CHILD, a1},
        {nullptr, TVGN_CHILD, a},
        {TVI_ROOT, TVGN_CHILD, a},
        {b, TVGN_CHILD, nullptr},
        {nullptr, TVGN_FIRSTVISIBLE, a},
        {a, TVGN_NEXTVISIBLE, a1},
        {a2, TVGN_NEXTVISIBLE, b}, // a2 is collapsed: its child has no row
        {a2x, TVGN_NEXTVISIBLE, nullptr}, // not visible itself
        {c, TVGN_NEXTVISIBLE, nullptr},
        {b, TVGN_PREVIOUSVISIBLE, a2},
        {a1, TVGN_PREVIOUSVISIBLE, a},
        {a, TVGN_PREVIOUSVISIBLE, nullptr},
        {c1, TVGN_PREVIOUSVISIBLE, nullptr},
        {nullptr, TVGN_LASTVISIBLE, c},
        {nullptr, TVGN_CARET, nullptr},
        {nullptr, TVGN_DROPHILITE, nullptr},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(TreeView_GetNextItem(tree, test.from, test.code), test.expected)
            << "code " << test.code << " from " << test.from;
    }
    TreeView_Expand(tree, c, TVE_EXPAND);
    EXPECT_EQ(TreeView_GetLastVisible(tree), c1);
    TreeView_SelectItem(tree, b);
    TreeView_SelectDropTarget(tree, a1);
    EXPECT_EQ(TreeView_GetSelection(tree), b);
    EXPECT_EQ(TreeView_GetDropHilight(tree), a1);
    EXPECT_EQ(TreeView_GetItemState(tree, a1, TVIS_DROPHILITED), static_cast<UINT>(TVIS_DROPHILITED));
    TreeView_SelectDropTarget(tree, nullptr);
    EXPECT_EQ(TreeView_GetItemState(tree, a1, TVIS_DROPHILITED), 0U);
}

TEST_F(TreeNavigationTest, DeletingNotifiesChildrenBeforeTheirParent)
{
    ASSERT_TRUE(TreeView_DeleteItem(tree, a));
    EXPECT_EQ(takeNotes(), (std::vector<Note> {deleting(a1), deleting(a2x), deleting(a2), deleting(a)}));
    EXPECT_EQ(TreeView_GetCount(tree), 3U);
    EXPECT_EQ(TreeView_GetRoot(tree), b);
    EXPECT_EQ(TreeView_GetPrevSibling(tree, b), nullptr);

    ASSERT_TRUE(TreeView_DeleteAllItems(tree));
    EXPECT_EQ(takeNotes(), (std::vector<Note> {deleting(b), deleting(c1), deleting(c)}));
    EXPECT_EQ(TreeView_GetCount(tree), 0U);
    EXPECT_EQ(TreeView_GetRoot(tree), nullptr);
}

TEST_F(TreeNavigationTest, DeleteNotificationCarriesTheItemDataAndTheItemCanStillBeRead)
{
    TVITEMW set {};
    set.mask = TVIF_PARAM;
    set.hItem = b;
    set.lParam = 4242;
    TreeView_SetItem(tree, &set);
    std::u16string seenText;
    Parent::current().onNotify = [&](UINT code, const NMHDR&) {
        if (code == TVN_DELETEITEMW)
            seenText = textOf(b);
    };
    Parent::current().treeNotes.clear();
    TreeView_DeleteItem(tree, b);
    ASSERT_EQ(Parent::current().treeNotes.size(), 1U);
    EXPECT_EQ(Parent::current().treeNotes[0].itemOld.lParam, 4242);
    EXPECT_EQ(seenText, u"b");
}

TEST_F(TreeNavigationTest, DeletingTheSelectedItemSelectsItsNeighbourOrParent)
{
    TreeView_SelectItem(tree, a2);
    takeNotes();
    TreeView_DeleteItem(tree, a2);
    EXPECT_EQ(takeNotes(),
        (std::vector<Note> {deleting(a2x), deleting(a2), sel(TVN_SELCHANGINGW, TVC_UNKNOWN, nullptr, a1),
            sel(TVN_SELCHANGEDW, TVC_UNKNOWN, nullptr, a1)}));
    TreeView_DeleteItem(tree, a1);
    EXPECT_EQ(TreeView_GetSelection(tree), a); // no siblings left: the parent
    TreeView_DeleteItem(tree, TVI_ROOT);
    EXPECT_EQ(TreeView_GetSelection(tree), nullptr);
}

TEST_F(TreeNavigationTest, DestroyingTheControlDeletesEveryItemWithNotifications)
{
    DestroyWindow(tree);
    tree = nullptr;
    EXPECT_EQ(takeNotes().size(), 7U);
}

TEST_F(TreeItemsTest, CallbackTextIsAskedWhenReadAndKeptWithDiSetItem)
{
    int asked = 0;
    Parent::current().dispInfo = [&](NMTVDISPINFOW& info) {
        ++asked;
        if (info.item.mask & TVIF_TEXT) {
            std::u16string text = u"made " + std::u16string(info.item.lParam == 1 ? u"one" : u"two");
            std::copy(text.begin(), text.end() + 1, info.item.pszText);
        }
        if (info.item.lParam == 2)
            info.item.mask |= TVIF_DI_SETITEM;
    };
    TVINSERTSTRUCTW insert {};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = LPSTR_TEXTCALLBACKW;
    insert.item.lParam = 1;
    const HTREEITEM one = TreeView_InsertItem(tree, &insert);
    insert.item.lParam = 2;
    const HTREEITEM two = TreeView_InsertItem(tree, &insert);
    asked = 0;
    EXPECT_EQ(textOf(one), u"made one");
    EXPECT_EQ(textOf(one), u"made one");
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(textOf(two), u"made two");
    EXPECT_EQ(textOf(two), u"made two");
    EXPECT_EQ(asked, 3); // kept after the first answer
}

TEST_F(TreeItemsTest, ChildrenCallbackDecidesWhetherAnItemExpands)
{
    bool hasChildren = false;
    Parent::current().dispInfo = [&](NMTVDISPINFOW& info) {
        if (info.item.mask & TVIF_CHILDREN)
            info.item.cChildren = hasChildren ? 1 : 0;
    };
    TVINSERTSTRUCTW insert {};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_CHILDREN;
    insert.item.pszText = const_cast<LPWSTR>(u"folder");
    insert.item.cChildren = I_CHILDRENCALLBACK;
    const HTREEITEM folder = TreeView_InsertItem(tree, &insert);
    TVITEMW asked {};
    asked.mask = TVIF_CHILDREN;
    asked.hItem = folder;
    ASSERT_TRUE(TreeView_GetItem(tree, &asked));
    EXPECT_EQ(asked.cChildren, 0);
    EXPECT_FALSE(TreeView_Expand(tree, folder, TVE_EXPAND));
    hasChildren = true;
    ASSERT_TRUE(TreeView_GetItem(tree, &asked));
    EXPECT_EQ(asked.cChildren, 1);
    EXPECT_TRUE(TreeView_Expand(tree, folder, TVE_EXPAND));
}

TEST_F(TreeItemsTest, CheckBoxesStartUncheckedAndTheHelpersReadAndSetThem)
{
    const HTREEITEM plain = add(TVI_ROOT, u"plain");
    EXPECT_EQ(TreeView_GetCheckState(tree, plain), static_cast<UINT>(-1)); // no state image
    makeTree(TVS_CHECKBOXES);
    const HTREEITEM item = add(TVI_ROOT, u"item");
    EXPECT_EQ(TreeView_GetCheckState(tree, item), 0U);
    TreeView_SetCheckState(tree, item, TRUE);
    EXPECT_EQ(TreeView_GetCheckState(tree, item), 1U);
    EXPECT_EQ(TreeView_GetItemState(tree, item, TVIS_STATEIMAGEMASK), static_cast<UINT>(INDEXTOSTATEIMAGEMASK(2)));
    TreeView_SetItemState(tree, item, INDEXTOSTATEIMAGEMASK(3), TVIS_STATEIMAGEMASK);
    EXPECT_EQ(TreeView_GetCheckState(tree, item), 2U); // a program's third image
    TreeView_SetCheckState(tree, item, FALSE);
    EXPECT_EQ(TreeView_GetCheckState(tree, item), 0U);
}

TEST_F(TreeItemsTest, SortChildrenByTextIgnoresCaseAndRecursesWhenAsked)
{
    const HTREEITEM top = add(TVI_ROOT, u"Top");
    const HTREEITEM zed = add(TVI_ROOT, u"zed");
    add(TVI_ROOT, u"Alpha");
    for (const char16_t* text : {u"b", u"C", u"a"}) {
        add(top, text);
        add(zed, text);
    }
    ASSERT_TRUE(TreeView_SortChildren(tree, TVI_ROOT, FALSE));
    EXPECT_EQ(childTexts(TVI_ROOT), (std::vector<std::u16string> {u"Alpha", u"Top", u"zed"}));
    EXPECT_EQ(childTexts(top), (std::vector<std::u16string> {u"b", u"C", u"a"})); // not recursed
    ASSERT_TRUE(TreeView_SortChildren(tree, top, FALSE));
    EXPECT_EQ(childTexts(top), (std::vector<std::u16string> {u"a", u"b", u"C"}));
    ASSERT_TRUE(TreeView_SortChildren(tree, nullptr, TRUE));
    EXPECT_EQ(childTexts(zed), (std::vector<std::u16string> {u"a", u"b", u"C"}));
}

int byParamDescending(LPARAM a, LPARAM b, LPARAM sortData)
{
    EXPECT_EQ(sortData, 55);
    return static_cast<int>(b - a);
}

TEST_F(TreeItemsTest, SortChildrenWithCallbackComparesTheItemsParams)
{
    const HTREEITEM parent = add(TVI_ROOT, u"p");
    add(parent, u"two", TVI_LAST, 2);
    add(parent, u"three", TVI_LAST, 3);
    add(parent, u"one", TVI_LAST, 1);
    TVSORTCB sort {parent, byParamDescending, 55};
    ASSERT_TRUE(TreeView_SortChildrenCB(tree, &sort, FALSE));
    EXPECT_EQ(childTexts(parent), (std::vector<std::u16string> {u"three", u"two", u"one"}));
    sort.lpfnCompare = nullptr;
    EXPECT_FALSE(TreeView_SortChildrenCB(tree, &sort, FALSE));
}

TEST_F(TreeItemsTest, SettingsKeepTheirValuesAndAnswerThePreviousOnes)
{
    const auto normal = reinterpret_cast<HIMAGELIST>(0x1230);
    const auto states = reinterpret_cast<HIMAGELIST>(0x4560);
    EXPECT_EQ(TreeView_SetImageList(tree, normal, TVSIL_NORMAL), nullptr);
    EXPECT_EQ(TreeView_SetImageList(tree, states, TVSIL_STATE), nullptr);
    EXPECT_EQ(TreeView_GetImageList(tree, TVSIL_NORMAL), normal);
    EXPECT_EQ(TreeView_GetImageList(tree, TVSIL_STATE), states);
    EXPECT_EQ(TreeView_SetImageList(tree, nullptr, TVSIL_NORMAL), normal);

    EXPECT_EQ(TreeView_GetBkColor(tree), static_cast<COLORREF>(CLR_NONE));
    EXPECT_EQ(SendMessageW(tree, TVM_GETTEXTCOLOR, 0, 0), -1);
    EXPECT_EQ(TreeView_SetBkColor(tree, 0x00112233), static_cast<COLORREF>(CLR_NONE));
    EXPECT_EQ(TreeView_SetBkColor(tree, CLR_NONE), 0x00112233U);
    EXPECT_EQ(TreeView_SetTextColor(tree, 0x00FF0000), static_cast<COLORREF>(CLR_NONE));
    EXPECT_EQ(TreeView_GetTextColor(tree), 0x00FF0000U);

    EXPECT_EQ(TreeView_GetItemHeight(tree), 16);
    EXPECT_EQ(TreeView_SetItemHeight(tree, 21), 16);
    EXPECT_EQ(TreeView_GetItemHeight(tree), 20); // even heights without TVS_NONEVENHEIGHT
    EXPECT_EQ(TreeView_SetItemHeight(tree, -1), 20);
    EXPECT_EQ(TreeView_GetItemHeight(tree), 16);
    EXPECT_EQ(TreeView_GetIndent(tree), 19U);
    TreeView_SetIndent(tree, 25);
    EXPECT_EQ(TreeView_GetIndent(tree), 25U);
    TreeView_SetIndent(tree, 0);
    EXPECT_GT(TreeView_GetIndent(tree), 0U);
    EXPECT_EQ(TreeView_SetScrollTime(tree, 100), 300U);
    EXPECT_EQ(TreeView_GetScrollTime(tree), 100U);
    const auto font = reinterpret_cast<HFONT>(0x7770);
    SendMessageW(tree, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(tree, WM_GETFONT, 0, 0)), font);
    EXPECT_EQ(SendMessageW(tree, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

} // namespace
