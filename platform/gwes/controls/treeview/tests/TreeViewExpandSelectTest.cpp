// Tree view expansion and selection by message: the notification sequences, refusals, and
// revealing items (TVM_ENSUREVISIBLE, selecting a hidden item).
#include "TreeTestSupport.h"

using namespace tree_test;

namespace {

// root: a (a1, a2 (a2x)), b, then 20 more top-level items to scroll over
class TreeExpandTest : public BranchFixture {
protected:
    std::vector<HTREEITEM> more;
    void SetUp() override
    {
        BranchFixture::SetUp();
        for (int i = 0; i < 20; ++i)
            more.push_back(add(TVI_ROOT, u"more"));
        takeNotes();
    }
};

TEST_F(TreeExpandTest, FirstExpandByMessageNotifiesLaterOnesDoNot)
{
    ASSERT_TRUE(TreeView_Expand(tree, a, TVE_EXPAND));
    EXPECT_EQ(takeNotes(),
        (std::vector<Note> {
            expanding(TVN_ITEMEXPANDINGW, TVE_EXPAND, a), expanding(TVN_ITEMEXPANDEDW, TVE_EXPAND, a)}));
    EXPECT_EQ(TreeView_GetItemState(tree, a, TVIS_EXPANDED | TVIS_EXPANDEDONCE),
        static_cast<UINT>(TVIS_EXPANDED | TVIS_EXPANDEDONCE));
    const NMTREEVIEWW& expandingNote = Parent::current().treeNotes[0];
    EXPECT_EQ(expandingNote.itemNew.state & TVIS_EXPANDED, 0U); // not yet expanded when asked
    EXPECT_NE(Parent::current().treeNotes[1].itemNew.state & TVIS_EXPANDED, 0U);

    EXPECT_TRUE(TreeView_Expand(tree, a, TVE_EXPAND)); // already expanded
    EXPECT_TRUE(TreeView_Expand(tree, a, TVE_COLLAPSE));
    EXPECT_FALSE(TreeView_Expand(tree, a, TVE_COLLAPSE)); // already collapsed
    EXPECT_TRUE(TreeView_Expand(tree, a, TVE_TOGGLE));
    EXPECT_TRUE(takeNotes().empty());
    EXPECT_EQ(TreeView_GetNextVisible(tree, a), a1);
}

TEST_F(TreeExpandTest, ExpandingParentRefusesWithTrue)
{
    Parent::current().answers[TVN_ITEMEXPANDINGW] = TRUE;
    EXPECT_FALSE(TreeView_Expand(tree, a, TVE_EXPAND));
    EXPECT_EQ(takeNotes(), (std::vector<Note> {expanding(TVN_ITEMEXPANDINGW, TVE_EXPAND, a)}));
    EXPECT_EQ(TreeView_GetItemState(tree, a, TVIS_EXPANDED | TVIS_EXPANDEDONCE), 0U);
    EXPECT_EQ(TreeView_GetNextVisible(tree, a), b);
}

TEST_F(TreeExpandTest, ItemsWithoutChildrenDoNotExpandUnlessTheySayTheyHaveSome)
{
    EXPECT_FALSE(TreeView_Expand(tree, b, TVE_EXPAND));
    EXPECT_FALSE(TreeView_Expand(tree, b, TVE_TOGGLE));
    EXPECT_TRUE(takeNotes().empty());

    TVITEMW set {};
    set.mask = TVIF_CHILDREN;
    set.hItem = b;
    set.cChildren = 1;
    TreeView_SetItem(tree, &set);
    HTREEITEM filled = nullptr;
    Parent::current().onNotify = [&](UINT code, const NMHDR&) {
        if (code == TVN_ITEMEXPANDINGW)
            filled = add(b, u"filled when asked");
    };
    ASSERT_TRUE(TreeView_Expand(tree, b, TVE_EXPAND));
    ASSERT_NE(filled, nullptr);
    EXPECT_EQ(TreeView_GetNextVisible(tree, b), filled);
}

TEST_F(TreeExpandTest, CollapseResetDeletesTheChildrenAndAllowsNotificationsAgain)
{
    TreeView_Expand(tree, a, TVE_EXPAND);
    takeNotes();
    ASSERT_TRUE(TreeView_Expand(tree, a, TVE_COLLAPSE | TVE_COLLAPSERESET));
    EXPECT_EQ(takeNotes(), (std::vector<Note> {deleting(a1), deleting(a2x), deleting(a2)}));
    EXPECT_EQ(TreeView_GetChild(tree, a), nullptr);
    EXPECT_EQ(TreeView_GetItemState(tree, a, TVIS_EXPANDED | TVIS_EXPANDEDONCE), 0U);
    TVITEMW set {};
    set.mask = TVIF_CHILDREN;
    set.hItem = a;
    set.cChildren = 1;
    TreeView_SetItem(tree, &set);
    TreeView_Expand(tree, a, TVE_EXPAND);
    EXPECT_EQ(takeNotes().size(), 2U);
}

TEST_F(TreeExpandTest, CollapsingAroundTheSelectionSelectsTheCollapsedItem)
{
    TreeView_Expand(tree, a, TVE_EXPAND);
    TreeView_SelectItem(tree, a1);
    takeNotes();
    TreeView_Expand(tree, a, TVE_COLLAPSE);
    EXPECT_EQ(takeNotes(),
        (std::vector<Note> {sel(TVN_SELCHANGINGW, TVC_UNKNOWN, a1, a), sel(TVN_SELCHANGEDW, TVC_UNKNOWN, a1, a)}));
    EXPECT_EQ(TreeView_GetSelection(tree), a);
}

TEST_F(TreeExpandTest, SelectByMessageCarriesOldAndNewAndCanBeRefused)
{
    ASSERT_TRUE(TreeView_SelectItem(tree, b));
    ASSERT_TRUE(TreeView_SelectItem(tree, a));
    EXPECT_EQ(takeNotes(),
        (std::vector<Note> {sel(TVN_SELCHANGINGW, TVC_UNKNOWN, nullptr, b),
            sel(TVN_SELCHANGEDW, TVC_UNKNOWN, nullptr, b), sel(TVN_SELCHANGINGW, TVC_UNKNOWN, b, a),
            sel(TVN_SELCHANGEDW, TVC_UNKNOWN, b, a)}));
    const NMTREEVIEWW& changed = Parent::current().treeNotes.back();
    EXPECT_EQ(changed.itemOld.state & TVIS_SELECTED, 0U);
    EXPECT_NE(changed.itemNew.state & TVIS_SELECTED, 0U);
    EXPECT_EQ(TreeView_GetItemState(tree, a, TVIS_SELECTED), static_cast<UINT>(TVIS_SELECTED));
    EXPECT_EQ(TreeView_GetItemState(tree, b, TVIS_SELECTED), 0U);

    EXPECT_TRUE(TreeView_SelectItem(tree, a)); // the same item: nothing to tell
    EXPECT_TRUE(takeNotes().empty());

    Parent::current().answers[TVN_SELCHANGINGW] = TRUE;
    EXPECT_FALSE(TreeView_SelectItem(tree, b));
    EXPECT_EQ(takeNotes(), (std::vector<Note> {sel(TVN_SELCHANGINGW, TVC_UNKNOWN, a, b)}));
    EXPECT_EQ(TreeView_GetSelection(tree), a);
    Parent::current().answers.clear();
    EXPECT_TRUE(TreeView_SelectItem(tree, nullptr));
    EXPECT_EQ(TreeView_GetSelection(tree), nullptr);
    EXPECT_EQ(TreeView_GetItemState(tree, a, TVIS_SELECTED), 0U);
}

TEST_F(TreeExpandTest, SelectingAHiddenItemExpandsItsParents)
{
    ASSERT_TRUE(TreeView_SelectItem(tree, a2x));
    EXPECT_EQ(takeNotes(),
        (std::vector<Note> {sel(TVN_SELCHANGINGW, TVC_UNKNOWN, nullptr, a2x),
            expanding(TVN_ITEMEXPANDINGW, TVE_EXPAND, a), expanding(TVN_ITEMEXPANDEDW, TVE_EXPAND, a),
            expanding(TVN_ITEMEXPANDINGW, TVE_EXPAND, a2), expanding(TVN_ITEMEXPANDEDW, TVE_EXPAND, a2),
            sel(TVN_SELCHANGEDW, TVC_UNKNOWN, nullptr, a2x)}));
}

TEST_F(TreeExpandTest, EnsureVisibleExpandsParentsAndScrolls)
{
    EXPECT_FALSE(TreeView_EnsureVisible(tree, a2x)); // expanded: FALSE even though it shows now
    EXPECT_EQ(takeNotes(),
        (std::vector<Note> {expanding(TVN_ITEMEXPANDINGW, TVE_EXPAND, a), expanding(TVN_ITEMEXPANDEDW, TVE_EXPAND, a),
            expanding(TVN_ITEMEXPANDINGW, TVE_EXPAND, a2), expanding(TVN_ITEMEXPANDEDW, TVE_EXPAND, a2)}));
    EXPECT_EQ(TreeView_GetFirstVisible(tree), a);

    EXPECT_FALSE(TreeView_EnsureVisible(tree, b)); // already in view
    EXPECT_TRUE(TreeView_EnsureVisible(tree, more.back())); // only scrolled
    // 25 rows, 10 fit: the last item ends up on the bottom row.
    EXPECT_EQ(TreeView_GetFirstVisible(tree), more[10]);
    EXPECT_TRUE(TreeView_EnsureVisible(tree, a1));
    EXPECT_EQ(TreeView_GetFirstVisible(tree), a1);
    EXPECT_EQ(TreeView_GetVisibleCount(tree), 10U);
}

TEST_F(TreeExpandTest, FirstVisibleSelectionScrollsWithinTheLimits)
{
    ASSERT_TRUE(TreeView_SelectSetFirstVisible(tree, more[3]));
    EXPECT_EQ(TreeView_GetFirstVisible(tree), more[3]);
    ASSERT_TRUE(TreeView_SelectSetFirstVisible(tree, more.back()));
    EXPECT_EQ(TreeView_GetFirstVisible(tree), more[10]); // 22 rows, 10 fit: no empty rows below
    EXPECT_FALSE(TreeView_SelectSetFirstVisible(tree, a1)); // hidden in a collapsed item
    TreeView_Expand(tree, a, TVE_EXPAND);
    TreeView_SelectSetFirstVisible(tree, a2);
    TreeView_Expand(tree, a, TVE_COLLAPSE); // the top row's item is hidden: its parent takes it
    EXPECT_EQ(TreeView_GetFirstVisible(tree), a);
}

TEST_F(TreeExpandTest, VerticalScrollMovesByRowsAndPages)
{
    struct Case {
        WPARAM request;
        HTREEITEM top;
    };
    const Case cases[] = {
        {SB_LINEDOWN, b},
        {SB_PAGEDOWN, more[9]},
        {SB_PAGEDOWN, more[10]}, // the last page
        {SB_LINEUP, more[9]},
        {SB_PAGEUP, b},
        {SB_BOTTOM, more[10]},
        {SB_TOP, a},
        {MAKEWPARAM(SB_THUMBPOSITION, 5), more[3]},
    };
    for (const Case& test : cases) {
        SendMessageW(tree, WM_VSCROLL, test.request, 0);
        EXPECT_EQ(TreeView_GetFirstVisible(tree), test.top) << "request " << test.request;
    }
}

} // namespace
