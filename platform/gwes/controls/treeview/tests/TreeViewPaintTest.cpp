// The custom-draw stages of the tree view's WM_PAINT: which stages run for which answers, for
// which items, and what each item stage carries.
#include "TreeTestSupport.h"

using namespace tree_test;

namespace {

// Twelve top-level items (ten rows fit), the second with a child.
class TreePaintTest : public TreeFixture {
protected:
    std::vector<HTREEITEM> items;
    HTREEITEM child = nullptr;
    void SetUp() override
    {
        TreeFixture::SetUp();
        for (int i = 0; i < 12; ++i)
            items.push_back(add(TVI_ROOT, u"item", TVI_LAST, 100 + i));
        child = add(items[1], u"child", TVI_LAST, 7);
        takeNotes();
    }
    std::vector<Note> paint()
    {
        takeNotes();
        InvalidateRect(tree, nullptr, TRUE);
        UpdateWindow(tree);
        Parent::current().draws.clear();
        return takeNotes();
    }
    std::vector<NMTVCUSTOMDRAW> paintDraws()
    {
        InvalidateRect(tree, nullptr, TRUE);
        UpdateWindow(tree);
        takeNotes();
        return std::move(Parent::current().draws);
    }
};

TEST_F(TreePaintTest, WithoutAskingOnlyThePrePaintStageRuns)
{
    EXPECT_EQ(paint(), (std::vector<Note> {drawing(CDDS_PREPAINT)}));
    RECT update {};
    EXPECT_FALSE(GetUpdateRect(tree, &update, FALSE)); // painting validated the control
}

TEST_F(TreePaintTest, ItemStagesRunForTheVisibleRowsWhenAsked)
{
    Parent::current().drawAnswers[CDDS_PREPAINT] = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    Parent::current().drawAnswers[CDDS_ITEMPREPAINT] = CDRF_NOTIFYPOSTPAINT;
    TreeView_SelectSetFirstVisible(tree, items[2]);
    std::vector<Note> expected {drawing(CDDS_PREPAINT)};
    for (int i = 2; i < 12; ++i) {
        expected.push_back(drawing(CDDS_ITEMPREPAINT, items[i]));
        expected.push_back(drawing(CDDS_ITEMPOSTPAINT, items[i]));
    }
    expected.push_back(drawing(CDDS_POSTPAINT));
    EXPECT_EQ(paint(), expected);

    Parent::current().drawAnswers[CDDS_ITEMPREPAINT] = CDRF_DODEFAULT;
    Parent::current().drawAnswers[CDDS_PREPAINT] = CDRF_NOTIFYITEMDRAW;
    TreeView_SelectSetFirstVisible(tree, items[0]);
    TreeView_Expand(tree, items[1], TVE_EXPAND);
    const std::vector<Note> notes = paint();
    ASSERT_EQ(notes.size(), 11U); // the control and ten rows, the child among them
    EXPECT_EQ(notes[3], drawing(CDDS_ITEMPREPAINT, child));
    EXPECT_EQ(notes[10], drawing(CDDS_ITEMPREPAINT, items[8]));
}

TEST_F(TreePaintTest, SkipDefaultStopsThePassOrTheItem)
{
    Parent::current().drawAnswers[CDDS_PREPAINT] = CDRF_SKIPDEFAULT | CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    EXPECT_EQ(paint(), (std::vector<Note> {drawing(CDDS_PREPAINT)}));
    Parent::current().drawAnswers[CDDS_PREPAINT] = CDRF_NOTIFYITEMDRAW;
    Parent::current().drawAnswers[CDDS_ITEMPREPAINT] = CDRF_SKIPDEFAULT | CDRF_NOTIFYPOSTPAINT;
    const std::vector<Note> notes = paint();
    ASSERT_EQ(notes.size(), 11U);
    for (const Note& note : notes)
        EXPECT_NE(note.stage, static_cast<DWORD>(CDDS_ITEMPOSTPAINT));
}

TEST_F(TreePaintTest, ItemStagesCarryTheItemItsStateRowLevelAndColours)
{
    Parent::current().drawAnswers[CDDS_PREPAINT] = CDRF_NOTIFYITEMDRAW;
    TreeView_Expand(tree, items[1], TVE_EXPAND);
    TreeView_SelectItem(tree, child);
    TreeView_SetTextColor(tree, 0x00123456);
    SetFocus(tree);
    std::vector<NMTVCUSTOMDRAW> draws = paintDraws();
    ASSERT_EQ(draws.size(), 11U);
    const NMTVCUSTOMDRAW& control = draws[0];
    EXPECT_EQ(control.nmcd.rc.right, treeWidth);
    EXPECT_EQ(control.nmcd.rc.bottom, treeHeight);
    EXPECT_NE(control.nmcd.hdc, nullptr);

    const NMTVCUSTOMDRAW& plain = draws[1];
    EXPECT_EQ(plain.nmcd.dwItemSpec, reinterpret_cast<DWORD_PTR>(items[0]));
    EXPECT_EQ(plain.nmcd.lItemlParam, 100);
    EXPECT_EQ(plain.nmcd.uItemState, 0U);
    EXPECT_EQ(plain.iLevel, 0);
    EXPECT_EQ(plain.clrText, 0x00123456U);

    const NMTVCUSTOMDRAW& selected = draws[3];
    EXPECT_EQ(selected.nmcd.dwItemSpec, reinterpret_cast<DWORD_PTR>(child));
    EXPECT_EQ(selected.nmcd.lItemlParam, 7);
    EXPECT_EQ(selected.nmcd.uItemState, static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS));
    EXPECT_EQ(selected.iLevel, 1);
    EXPECT_EQ(selected.nmcd.rc.top, 32);
    EXPECT_EQ(selected.nmcd.rc.bottom, 48);
    EXPECT_NE(selected.clrTextBk, plain.clrTextBk);

    SetFocus(parentWindow); // without focus the selection shows only with TVS_SHOWSELALWAYS
    draws = paintDraws();
    ASSERT_EQ(draws.size(), 11U);
    EXPECT_EQ(draws[3].nmcd.uItemState, 0U);
    SetWindowLongW(tree, GWL_STYLE, GetWindowLongW(tree, GWL_STYLE) | TVS_SHOWSELALWAYS);
    draws = paintDraws();
    ASSERT_EQ(draws.size(), 11U);
    EXPECT_EQ(draws[3].nmcd.uItemState, static_cast<UINT>(CDIS_SELECTED));
}

} // namespace
