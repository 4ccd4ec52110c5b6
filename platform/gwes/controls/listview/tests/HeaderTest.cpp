// SysHeader32 on its own: items and their values, display order, rectangles, hit-testing,
// layout, the changing notifications and taps.
#include "ListTestSupport.h"

using namespace listview_test;

namespace {

class HeaderTest : public ListFixture {
protected:
    HWND header = nullptr;
    void SetUp() override
    {
        ListFixture::SetUp();
        header = CreateWindowExW(0, WC_HEADERW, u"", WS_CHILD | WS_VISIBLE | HDS_BUTTONS, 0, 0, 200, 18, parent,
            reinterpret_cast<HMENU>(static_cast<intptr_t>(9)), nullptr, nullptr);
        ASSERT_NE(header, nullptr);
        for (int width : {50, 30, 70})
            insert(Header_GetItemCount(header), width, u"title");
        NoticeLog::instance().take();
    }
    int insert(int index, int width, const char16_t* text)
    {
        HDITEMW item {};
        item.mask = HDI_WIDTH | HDI_TEXT | HDI_LPARAM;
        item.cxy = width;
        item.pszText = const_cast<LPWSTR>(text);
        item.lParam = width;
        return Header_InsertItem(header, index, &item);
    }
    RECT rectOf(int index)
    {
        RECT rect {};
        EXPECT_TRUE(Header_GetItemRect(header, index, &rect));
        return rect;
    }
};

TEST_F(HeaderTest, ItemsKeepTheirValuesAndPlaces)
{
    EXPECT_EQ(insert(10, 20, u"last"), 3); // past the end: appended
    EXPECT_EQ(insert(0, 10, u"first"), 0);
    EXPECT_EQ(Header_GetItemCount(header), 5);
    WCHAR text[8] {};
    HDITEMW item {};
    item.mask = HDI_WIDTH | HDI_TEXT | HDI_LPARAM | HDI_ORDER;
    item.pszText = text;
    item.cchTextMax = 8;
    ASSERT_TRUE(Header_GetItem(header, 4, &item));
    EXPECT_EQ(std::u16string(text), u"last");
    EXPECT_EQ(item.cxy, 20);
    EXPECT_EQ(item.lParam, 20);
    EXPECT_EQ(item.iOrder, 4);
    EXPECT_EQ(rectOf(2).left, 10 + 50);
    EXPECT_EQ(rectOf(2).right, 10 + 50 + 30);
    EXPECT_EQ(rectOf(2).bottom, 18);

    EXPECT_TRUE(Header_DeleteItem(header, 0));
    EXPECT_FALSE(Header_DeleteItem(header, 4));
    EXPECT_FALSE(Header_GetItem(header, 4, &item));
    EXPECT_EQ(SendMessageW(header, HDM_INSERTITEMW, 0, 0), -1);
    EXPECT_FALSE(SendMessageW(header, HDM_GETITEMRECT, 0, 0));
}

TEST_F(HeaderTest, DisplayOrderMovesRectangles)
{
    const int order[] {2, 0, 1};
    EXPECT_TRUE(Header_SetOrderArray(header, 3, order));
    EXPECT_EQ(rectOf(2).left, 0);
    EXPECT_EQ(rectOf(0).left, 70);
    EXPECT_EQ(rectOf(1).left, 120);
    EXPECT_EQ(Header_OrderToIndex(header, 0), 2);
    int read[3] {};
    EXPECT_TRUE(Header_GetOrderArray(header, 3, read));
    EXPECT_EQ(read[1], 0);
    EXPECT_FALSE(Header_GetOrderArray(header, 2, read));
    const int bad[] {0, 1, 5};
    EXPECT_FALSE(Header_SetOrderArray(header, 3, bad));
}

TEST_F(HeaderTest, HitTestTable)
{
    const struct {
        POINT pt;
        UINT flags;
        int item;
    } cases[] {
        {{10, 5}, HHT_ONHEADER, 0}, {{60, 5}, HHT_ONHEADER, 1}, {{51, 5}, HHT_ONDIVIDER, 0},
        {{48, 5}, HHT_ONDIVIDER, 0}, {{148, 5}, HHT_ONDIVIDER, 2}, {{180, 5}, HHT_NOWHERE, -1},
        {{10, 30}, HHT_BELOW, -1}, {{-3, 5}, HHT_TOLEFT, -1}, {{10, -1}, HHT_ABOVE, -1},
    };
    for (const auto& c : cases) {
        HDHITTESTINFO hit {c.pt, 0, 0};
        EXPECT_EQ(SendMessageW(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), c.item) << c.pt.x;
        EXPECT_EQ(hit.flags, c.flags) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(hit.iItem, c.item);
    }
}

TEST_F(HeaderTest, LayoutTakesItsHeightOffTheTop)
{
    RECT area {0, 10, 200, 300};
    WINDOWPOS place {};
    HDLAYOUT layout {&area, &place};
    ASSERT_TRUE(Header_Layout(header, &layout));
    EXPECT_EQ(area.top, 10 + 18);
    EXPECT_EQ(place.y, 10);
    EXPECT_EQ(place.cx, 200);
    EXPECT_EQ(place.cy, 18);
    SetWindowLongW(header, GWL_STYLE, GetWindowLongW(header, GWL_STYLE) | HDS_HIDDEN);
    area.top = 10;
    ASSERT_TRUE(Header_Layout(header, &layout));
    EXPECT_EQ(place.cy, 0);
    EXPECT_EQ(area.top, 10);
    EXPECT_FALSE(SendMessageW(header, HDM_LAYOUT, 0, 0));
}

TEST_F(HeaderTest, ChangesAskTheParentFirst)
{
    HDITEMW item {};
    item.mask = HDI_WIDTH;
    item.cxy = 44;
    EXPECT_TRUE(Header_SetItem(header, 1, &item));
    EXPECT_EQ(NoticeLog::instance().take(),
        (std::vector<Notice> {plain(HDN_ITEMCHANGINGW, 1), plain(HDN_ITEMCHANGEDW, 1)}));
    NoticeLog::instance().answer = [](NMHDR* h) { return h->code == HDN_ITEMCHANGINGW ? TRUE : FALSE; };
    item.cxy = 99;
    EXPECT_FALSE(Header_SetItem(header, 1, &item));
    EXPECT_EQ(rectOf(1).right - rectOf(1).left, 44);
    EXPECT_FALSE(Header_SetItem(header, 3, &item));
}

TEST_F(HeaderTest, TapsClickItemsAndDoubleTapsOnDividers)
{
    const auto press = [&](UINT message, int x) {
        SendMessageW(header, message, MK_LBUTTON, MAKELPARAM(x, 5));
        SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
    };
    press(WM_LBUTTONDOWN, 100);
    press(WM_LBUTTONDBLCLK, 65);
    press(WM_LBUTTONDBLCLK, 50);
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(60, 5)); // let go on another item: no click
    EXPECT_EQ(NoticeLog::instance().take(), (std::vector<Notice> {plain(HDN_ITEMCLICKW, 2),
                                                plain(HDN_ITEMDBLCLICKW, 1), plain(HDN_DIVIDERDBLCLICKW, 0)}));
}

} // namespace
