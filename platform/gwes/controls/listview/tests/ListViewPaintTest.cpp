// The custom-draw conversation of a list view's paint: which stages come, for which rows and
// columns, and how the parent's answers shape it.
#include "ListTestSupport.h"

using namespace listview_test;

namespace {

class ListViewPaint : public ListFixture {
protected:
    // The parent's answer for each stage.
    LRESULT prePaint = CDRF_DODEFAULT;
    LRESULT itemPrePaint = CDRF_DODEFAULT;
    LRESULT subItemPrePaint = CDRF_DODEFAULT;

    void SetUp() override
    {
        ListFixture::SetUp();
        NoticeLog::instance().answer = [this](NMHDR* h) -> LRESULT {
            if (h->code != NM_CUSTOMDRAW)
                return 0;
            const DWORD stage = reinterpret_cast<NMCUSTOMDRAW*>(h)->dwDrawStage;
            if (stage == CDDS_PREPAINT)
                return prePaint;
            if (stage == CDDS_ITEMPREPAINT)
                return itemPrePaint;
            return stage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM) ? subItemPrePaint : CDRF_DODEFAULT;
        };
    }
    std::vector<Notice> paintAll()
    {
        NoticeLog::instance().take();
        InvalidateRect(list, nullptr, TRUE);
        paintNow();
        return NoticeLog::instance().take({NM_CUSTOMDRAW});
    }
};

TEST_F(ListViewPaint, WithoutRequestsOnlyThePrePaintStageComes)
{
    addItems({u"a", u"b"});
    EXPECT_EQ(paintAll(), (std::vector<Notice> {drawn(CDDS_PREPAINT)}));
}

TEST_F(ListViewPaint, ItemStagesComeForTheVisibleRows)
{
    addItems(20); // 10 rows fit
    prePaint = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    std::vector<Notice> expected {drawn(CDDS_PREPAINT)};
    for (int item = 0; item < 10; ++item)
        expected.push_back(drawn(CDDS_ITEMPREPAINT, item));
    expected.push_back(drawn(CDDS_POSTPAINT));
    EXPECT_EQ(paintAll(), expected);

    ListView_Scroll(list, 0, 16 * 5);
    const auto afterScroll = paintAll();
    ASSERT_EQ(afterScroll.size(), 1u + 10u + 1u);
    EXPECT_EQ(afterScroll[1], drawn(CDDS_ITEMPREPAINT, 5));
    EXPECT_EQ(afterScroll[10], drawn(CDDS_ITEMPREPAINT, 14));
}

TEST_F(ListViewPaint, SubItemAndPostPaintStagesComeWhenAsked)
{
    addColumns({60, 50, 40});
    addItems({u"a", u"b"});
    prePaint = CDRF_NOTIFYITEMDRAW;
    itemPrePaint = CDRF_NOTIFYSUBITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    subItemPrePaint = CDRF_DODEFAULT;
    std::vector<Notice> expected {drawn(CDDS_PREPAINT)};
    for (int item = 0; item < 2; ++item) {
        expected.push_back(drawn(CDDS_ITEMPREPAINT, item));
        for (int sub = 0; sub < 3; ++sub)
            expected.push_back(drawn(CDDS_ITEMPREPAINT | CDDS_SUBITEM, item, sub));
        expected.push_back(drawn(CDDS_ITEMPOSTPAINT, item));
    }
    EXPECT_EQ(paintAll(), expected);

    itemPrePaint = CDRF_SKIPDEFAULT | CDRF_NOTIFYSUBITEMDRAW; // the parent paints the rows itself
    EXPECT_EQ(paintAll(), (std::vector<Notice> {drawn(CDDS_PREPAINT), drawn(CDDS_ITEMPREPAINT, 0),
                              drawn(CDDS_ITEMPREPAINT, 1)}));
    prePaint = CDRF_SKIPDEFAULT | CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    EXPECT_EQ(paintAll(), (std::vector<Notice> {drawn(CDDS_PREPAINT), drawn(CDDS_POSTPAINT)}));
}

TEST_F(ListViewPaint, RedrawItemsRepaintsOnlyThoseRows)
{
    addItems(6);
    prePaint = CDRF_NOTIFYITEMDRAW;
    paintAll();
    ListView_RedrawItems(list, 2, 3);
    paintNow();
    EXPECT_EQ(NoticeLog::instance().take({NM_CUSTOMDRAW}),
        (std::vector<Notice> {drawn(CDDS_PREPAINT), drawn(CDDS_ITEMPREPAINT, 2), drawn(CDDS_ITEMPREPAINT, 3)}));
    ListView_Update(list, 4);
    paintNow();
    EXPECT_EQ(NoticeLog::instance().take({NM_CUSTOMDRAW}),
        (std::vector<Notice> {drawn(CDDS_PREPAINT), drawn(CDDS_ITEMPREPAINT, 4)}));
}

TEST_F(ListViewPaint, OwnerDataListsHearWhichRowsArePainted)
{
    makeList(LVS_REPORT | LVS_OWNERDATA);
    ListView_SetItemCount(list, 50);
    ListView_Scroll(list, 0, 16 * 5);
    prePaint = CDRF_NOTIFYITEMDRAW;
    InvalidateRect(list, nullptr, TRUE);
    paintNow();
    const auto notices = NoticeLog::instance().take({NM_CUSTOMDRAW, LVN_ODCACHEHINT});
    ASSERT_EQ(notices.size(), 1u + 1u + 10u);
    EXPECT_EQ(notices[1], plain(LVN_ODCACHEHINT, 5, 14));
    EXPECT_EQ(notices[2], drawn(CDDS_ITEMPREPAINT, 5));
}

TEST_F(ListViewPaint, ItemStagesCarryStateParamAndColors)
{
    addItems({u"a", u"b"});
    ListView_SetTextColor(list, 0x00112233);
    SetFocus(list);
    ListView_SetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    struct Seen {
        UINT state;
        LPARAM param;
        COLORREF text;
        RECT rect;
    };
    std::vector<Seen> seen;
    NoticeLog::instance().answer = [&seen](NMHDR* h) -> LRESULT {
        if (h->code != NM_CUSTOMDRAW)
            return 0;
        const auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(h);
        if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
            return CDRF_NOTIFYITEMDRAW;
        seen.push_back({draw->nmcd.uItemState, draw->nmcd.lItemlParam, draw->clrText, draw->nmcd.rc});
        EXPECT_NE(draw->nmcd.hdc, nullptr);
        return 0;
    };
    InvalidateRect(list, nullptr, TRUE);
    paintNow();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].state, 0u);
    EXPECT_EQ(seen[0].param, 100);
    EXPECT_EQ(seen[0].text, 0x00112233u);
    EXPECT_EQ(seen[1].state, static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS));
    EXPECT_EQ(seen[1].param, 101);
    EXPECT_NE(seen[1].text, 0x00112233u); // selected rows show the highlight colours
    EXPECT_EQ(seen[1].rect.top, 18 + 16);
    EXPECT_EQ(seen[1].rect.bottom, 18 + 32);
    NoticeLog::instance().answer = nullptr;
}

} // namespace
