// What a list view and its header draw: the selection's colours under the focus and style
// rules, check boxes, small images, custom-draw colours, fonts and skipped items, owner-drawn
// rows, grey text when disabled, grid lines and the frame, the scroll bar (and taps on it), the header's
// items and pressed state, and double size at 192 dpi. Rows are 16 pixels under an 18-pixel
// header at 96 dpi.
#include "ListTestSupport.h"
#include "PixelProbe.h"
#include "emulator/Profile.h"

using namespace listview_test;

namespace {

constexpr COLORREF green = RGB(0, 200, 0);
constexpr COLORREF red = RGB(220, 0, 0);

COLORREF sys(int index)
{
    return GetSysColor(index);
}

// A row's strip of the client area between two x positions.
RECT rowStrip(int item, int left, int right, int header = 18, int row = 16)
{
    return {left, header + item * row, right, header + (item + 1) * row};
}

// A 16x16 bitmap of one colour.
HBITMAP solidBitmap(COLORREF color)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all {0, 0, 16, 16};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

// A one-image list of the colour.
HIMAGELIST solidImages(COLORREF color)
{
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR, 1, 1);
    HBITMAP bitmap = solidBitmap(color);
    ImageList_Add(images, bitmap, nullptr);
    DeleteObject(bitmap);
    return images;
}

class ListViewDraw : public ListFixture {
protected:
    using ListFixture::ListFixture;
    void paint()
    {
        InvalidateRect(list, nullptr, TRUE);
        paintQueued();
    }
    // Two columns of 60 and two items with a sub-item each.
    void twoByTwo(DWORD style = LVS_REPORT, DWORD exStyle = 0)
    {
        makeList(style, exStyle);
        addColumns({60, 60});
        addItems({u"alpha", u"beta"});
        ListView_SetItemText(list, 0, 1, const_cast<LPWSTR>(u"one"));
        ListView_SetItemText(list, 1, 1, const_cast<LPWSTR>(u"two"));
    }
    void select(int item)
    {
        ListView_SetItemState(list, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
};

TEST_F(ListViewDraw, SelectionShowsUnderTheFocusAndStyleRules)
{
    struct Case {
        const char* name;
        DWORD style;
        DWORD exStyle;
        bool focused;
        bool labelLit;
        bool subItemLit;
    };
    const Case cases[] {
        {"focused", LVS_REPORT, 0, true, true, false},
        {"unfocused", LVS_REPORT, 0, false, false, false},
        {"unfocused, shown always", LVS_REPORT | LVS_SHOWSELALWAYS, 0, false, true, false},
        {"full row", LVS_REPORT, LVS_EX_FULLROWSELECT, true, true, true},
    };
    for (const Case& c : cases) {
        twoByTwo(c.style, c.exStyle);
        SetFocus(c.focused ? list : parent);
        select(1);
        paint();
        const COLORREF lit = sys(COLOR_HIGHLIGHT);
        EXPECT_EQ(pixelAt(list, 2, 42), c.labelLit ? lit : sys(COLOR_WINDOW)) << c.name;
        EXPECT_EQ(pixelAt(list, 62, 42), c.subItemLit ? lit : sys(COLOR_WINDOW)) << c.name;
        EXPECT_EQ(pixelAt(list, 2, 26), sys(COLOR_WINDOW)) << c.name << ": the other row";
        const RECT label {6, 36, 20, 48};
        EXPECT_TRUE(holdsColor(list, label, sys(c.labelLit ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT))) << c.name;
        EXPECT_GT(inkIn(list, label, c.labelLit ? lit : sys(COLOR_WINDOW)), 0) << c.name;
    }
}

TEST_F(ListViewDraw, FocusedRowWithoutSelectionShowsTheFocusRectangleWhileFocused)
{
    twoByTwo();
    SetFocus(list);
    ListView_SetItemState(list, 1, LVIS_FOCUSED, LVIS_FOCUSED | LVIS_SELECTED);
    paint();
    const RECT topEdge {0, 34, 60, 35};
    EXPECT_GT(inkIn(list, topEdge, sys(COLOR_WINDOW)), 10);
    EXPECT_EQ(inkIn(list, {0, 18, 60, 19}, sys(COLOR_WINDOW)), 0) << "the other row";
    SetFocus(parent);
    paintQueued();
    EXPECT_EQ(inkIn(list, topEdge, sys(COLOR_WINDOW)), 0);
}

TEST_F(ListViewDraw, SelectionRepaintsWhenTheFocusLeaves)
{
    twoByTwo();
    SetFocus(list);
    select(0);
    ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED); // selected without the focus
    paint();
    for (int y : {26, 42})
        EXPECT_EQ(pixelAt(list, 2, y), sys(COLOR_HIGHLIGHT)) << y;
    SetFocus(parent);
    paintQueued();
    for (int y : {26, 42})
        EXPECT_EQ(pixelAt(list, 2, y), sys(COLOR_WINDOW)) << y;
}

TEST_F(ListViewDraw, CheckBoxesShowTheirState)
{
    makeList(LVS_REPORT, LVS_EX_CHECKBOXES);
    addColumns({80});
    addItems({u"a", u"b"});
    HIMAGELIST boxes = ListView_GetImageList(list, LVSIL_STATE);
    ASSERT_NE(boxes, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(boxes), 2);
    ListView_SetCheckState(list, 1, TRUE);
    paint();
    // A 13x13 box one pixel into each 16x16 state image: its frame, then its inside.
    auto inside = [](int item) { return RECT {3, 18 + item * 16 + 3, 13, 18 + item * 16 + 13}; };
    for (int item : {0, 1})
        EXPECT_EQ(pixelAt(list, 1, 18 + item * 16 + 8), sys(COLOR_WINDOWFRAME)) << item;
    EXPECT_EQ(inkIn(list, inside(0), sys(COLOR_WINDOW)), 0);
    EXPECT_GT(inkIn(list, inside(1), sys(COLOR_WINDOW)), 5);
    EXPECT_EQ(pixelAt(list, 0, 18), sys(COLOR_WINDOW)) << "the image's corner is transparent";

    tap(8, 18 + 8); // the box of item 0
    paintQueued();
    EXPECT_GT(inkIn(list, inside(0), sys(COLOR_WINDOW)), 5);
}

TEST_F(ListViewDraw, SmallImagesAreDrawnAndBlendedWhileSelected)
{
    makeList(LVS_REPORT);
    ListView_SetImageList(list, solidImages(red), LVSIL_SMALL);
    addColumns({80});
    addItems({u"a", u"b"});
    SetFocus(list);
    select(1);
    paint();
    EXPECT_EQ(pixelAt(list, 8, 26), red);
    const COLORREF blended = pixelAt(list, 8, 42);
    EXPECT_NE(blended, red);
    EXPECT_NE(blended, sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(pixelAt(list, 17, 42), sys(COLOR_HIGHLIGHT)) << "the label's highlight starts after the image";
}

TEST_F(ListViewDraw, CustomDrawColoursAndSkipsAreHonoured)
{
    struct Case {
        const char* name;
        // The parent's answer to a stage of item 0 (the item stage has subItem -1).
        std::function<LRESULT(NMLVCUSTOMDRAW&, int subItem)> answer;
        COLORREF labelBackground;
        COLORREF subItemBackground;
        bool labelInk;
        bool subItemInk;
    };
    const COLORREF white = sys(COLOR_WINDOW);
    const Case cases[] {
        {"item skipped", [](NMLVCUSTOMDRAW&, int) -> LRESULT { return CDRF_SKIPDEFAULT; }, white, white, false, false},
        {"item colours",
            [](NMLVCUSTOMDRAW& d, int) -> LRESULT {
                d.clrTextBk = green;
                d.clrText = red;
                return CDRF_DODEFAULT;
            },
            green, green, true, true},
        {"sub-item colours",
            [](NMLVCUSTOMDRAW& d, int sub) -> LRESULT {
                if (sub == 1)
                    d.clrTextBk = green;
                return sub < 0 ? CDRF_NOTIFYSUBITEMDRAW : CDRF_DODEFAULT;
            },
            white, green, true, true},
        {"sub-item skipped",
            [](NMLVCUSTOMDRAW&, int sub) -> LRESULT {
                return sub < 0 ? CDRF_NOTIFYSUBITEMDRAW : (sub == 1 ? CDRF_SKIPDEFAULT : CDRF_DODEFAULT);
            },
            white, white, true, false},
    };
    for (const Case& c : cases) {
        twoByTwo();
        NoticeLog::instance().answer = [&c](NMHDR* h) -> LRESULT {
            auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(h);
            if (h->code != NM_CUSTOMDRAW || draw->nmcd.dwDrawStage == CDDS_PREPAINT)
                return h->code == NM_CUSTOMDRAW ? CDRF_NOTIFYITEMDRAW : 0;
            if (draw->nmcd.dwItemSpec != 0 || (draw->nmcd.dwDrawStage & CDDS_ITEMPOSTPAINT) == CDDS_ITEMPOSTPAINT)
                return CDRF_DODEFAULT;
            return c.answer(*draw, (draw->nmcd.dwDrawStage & CDDS_SUBITEM) ? draw->iSubItem : -1);
        };
        paint();
        EXPECT_EQ(pixelAt(list, 2, 26), c.labelBackground) << c.name;
        EXPECT_EQ(pixelAt(list, 62, 26), c.subItemBackground) << c.name;
        EXPECT_EQ(inkIn(list, rowStrip(0, 0, 60), c.labelBackground) > 0, c.labelInk) << c.name;
        EXPECT_EQ(inkIn(list, rowStrip(0, 60, 120), c.subItemBackground) > 0, c.subItemInk) << c.name;
        EXPECT_GT(inkIn(list, rowStrip(1, 0, 60), white), 0) << c.name << ": the other row is drawn";
        if (c.labelBackground == green) {
            EXPECT_TRUE(holdsColor(list, rowStrip(0, 6, 30), red)) << c.name;
        }
    }
}

TEST_F(ListViewDraw, NewFontFromTheParentDrawsTheItem)
{
    makeList(LVS_REPORT);
    addColumns({100});
    addItems({u"HHH", u"HHH"});
    LOGFONTW big {};
    big.lfHeight = -15;
    big.lfWeight = FW_BOLD;
    HFONT font = CreateFontIndirectW(&big);
    ASSERT_NE(font, nullptr);
    NoticeLog::instance().answer = [font](NMHDR* h) -> LRESULT {
        auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(h);
        if (h->code != NM_CUSTOMDRAW)
            return 0;
        if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
            return CDRF_NOTIFYITEMDRAW;
        if (draw->nmcd.dwItemSpec != 0)
            return CDRF_DODEFAULT;
        SelectObject(draw->nmcd.hdc, font);
        return CDRF_NEWFONT;
    };
    paint();
    const COLORREF white = sys(COLOR_WINDOW);
    const int bigHeight = inkHeight(list, rowStrip(0, 0, 100), white);
    const int plainHeight = inkHeight(list, rowStrip(1, 0, 100), white);
    EXPECT_GT(plainHeight, 0);
    EXPECT_GT(bigHeight, plainHeight);
    NoticeLog::instance().answer = nullptr;
    DeleteObject(font);
}

TEST_F(ListViewDraw, DisabledListsDrawGreyTextAndNoSelection)
{
    twoByTwo();
    select(0);
    EnableWindow(list, FALSE);
    paint();
    const RECT label = rowStrip(0, 6, 30);
    EXPECT_TRUE(holdsColor(list, label, sys(COLOR_GRAYTEXT), 8));
    EXPECT_FALSE(holdsColor(list, label, sys(COLOR_WINDOWTEXT), 8));
    EXPECT_EQ(pixelAt(list, 2, 26), sys(COLOR_WINDOW));
}

TEST_F(ListViewDraw, OwnerDrawnRowsArePaintedByTheParent)
{
    makeList(LVS_REPORT | LVS_OWNERDRAWFIXED);
    addColumns({80});
    addItems({u"a", u"b"});
    select(1);
    std::vector<DRAWITEMSTRUCT> asked;
    NoticeLog::instance().drawItem = [&asked](const DRAWITEMSTRUCT& d) {
        asked.push_back(d);
        HBRUSH brush = CreateSolidBrush(d.itemID ? red : green);
        FillRect(d.hDC, &d.rcItem, brush);
        DeleteObject(brush);
    };
    paint();
    ASSERT_EQ(asked.size(), 2u);
    for (UINT item : {0u, 1u}) {
        const DRAWITEMSTRUCT& d = asked[item];
        EXPECT_EQ(d.CtlType, static_cast<UINT>(ODT_LISTVIEW));
        EXPECT_EQ(d.CtlID, static_cast<UINT>(listId));
        EXPECT_EQ(d.itemID, item);
        EXPECT_EQ(d.itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
        EXPECT_EQ(d.itemState & ODS_SELECTED, item ? static_cast<UINT>(ODS_SELECTED) : 0u);
        EXPECT_EQ(d.itemData, 100 + item);
        EXPECT_EQ(d.rcItem.top, static_cast<LONG>(18 + 16 * item));
    }
    EXPECT_EQ(pixelAt(list, 40, 26), green);
    EXPECT_EQ(pixelAt(list, 40, 42), red);
}

TEST_F(ListViewDraw, GridLinesAndFrameOnlyWhenAsked)
{
    struct Case {
        DWORD style;
        DWORD exStyle;
        COLORREF grid;
        COLORREF frame;
    };
    const COLORREF white = sys(COLOR_WINDOW);
    const Case cases[] {
        {LVS_REPORT, 0, white, white},
        {LVS_REPORT, LVS_EX_GRIDLINES, sys(COLOR_BTNFACE), white},
        {LVS_REPORT | WS_BORDER, 0, white, sys(COLOR_WINDOWFRAME)},
    };
    for (const Case& c : cases) {
        twoByTwo(c.style, c.exStyle);
        paint();
        EXPECT_EQ(pixelAt(list, 30, 33), c.grid) << "under row 0, style " << c.style << " " << c.exStyle;
        EXPECT_EQ(pixelAt(list, 59, 42), c.grid) << "column 0's right edge, style " << c.style << " " << c.exStyle;
        EXPECT_EQ(pixelAt(list, 0, 100), c.frame) << "the left edge, style " << c.style;
        EXPECT_EQ(pixelAt(list, 100, height - 1), c.frame) << "the bottom edge, style " << c.style;
    }
}

TEST_F(ListViewDraw, OwnerDataRowsDrawWhatTheParentGives)
{
    makeList(LVS_REPORT | LVS_OWNERDATA);
    addColumns({60, 60});
    ListView_SetItemCount(list, 3);
    paint();
    std::vector<Notice> asked;
    for (const Notice& n : NoticeLog::instance().take({LVN_GETDISPINFOW}))
        asked.push_back({n.code, n.item, n.subItem});
    const std::vector<Notice> expected {plain(LVN_GETDISPINFOW, 0, 0), plain(LVN_GETDISPINFOW, 0, 1),
        plain(LVN_GETDISPINFOW, 1, 0), plain(LVN_GETDISPINFOW, 1, 1), plain(LVN_GETDISPINFOW, 2, 0),
        plain(LVN_GETDISPINFOW, 2, 1)};
    EXPECT_EQ(asked, expected);
    for (int item : {0, 1, 2}) {
        EXPECT_GT(inkIn(list, rowStrip(item, 0, 60), sys(COLOR_WINDOW)), 0) << item;
        EXPECT_GT(inkIn(list, rowStrip(item, 60, 120), sys(COLOR_WINDOW)), 0) << item;
    }
    EXPECT_EQ(inkIn(list, rowStrip(3, 0, 120), sys(COLOR_WINDOW)), 0);
}

TEST_F(ListViewDraw, OtherViewsDrawRowsWithoutTheHeader)
{
    for (const DWORD view : {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT | LVS_NOCOLUMNHEADER}) {
        makeList(view);
        addItems({u"first", u"second"});
        SetFocus(list);
        select(1);
        paint();
        EXPECT_GT(inkIn(list, rowStrip(0, 0, 60, 0), sys(COLOR_WINDOW)), 0) << view;
        EXPECT_EQ(pixelAt(list, 2, 16 + 8), sys(COLOR_HIGHLIGHT)) << view;
    }
}

TEST_F(ListViewDraw, LongTextStaysInItsColumn)
{
    makeList(LVS_REPORT);
    addColumns({40, 60});
    addItems({u"a label far too long for its column"});
    paint();
    const COLORREF white = sys(COLOR_WINDOW);
    EXPECT_GT(inkIn(list, rowStrip(0, 0, 40), white), 0);
    EXPECT_EQ(inkIn(list, rowStrip(0, 40, 100), white), 0);
}

class ListViewScrollBar : public ListViewDraw {
protected:
    static constexpr int bar = width - 13;
    static constexpr int middle = width - 7;
    // The top of the thumb: the first pixel between the arrows that is not the trough.
    int thumbTop()
    {
        for (int y = 18 + 13; y < height - 13; ++y) {
            if (pixelAt(list, middle, y) != sys(COLOR_SCROLLBAR))
                return y;
        }
        return -1;
    }
    void press(UINT message, int x, int y)
    {
        SendMessageW(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }
};

TEST_F(ListViewScrollBar, ShowsOnlyWhenRowsOverflow)
{
    struct Case {
        int items;
        bool shown;
    };
    for (const Case& c : {Case {5, false}, Case {10, false}, Case {11, true}, Case {30, true}}) {
        makeList(LVS_REPORT);
        addItems(c.items);
        paint();
        EXPECT_EQ(pixelAt(list, middle, 100) != sys(COLOR_WINDOW), c.shown) << c.items << " items";
        RECT label {};
        ListView_GetItemRect(list, 0, &label, LVIR_LABEL);
        EXPECT_EQ(label.right, c.shown ? bar : width) << "the rows end at the bar";
    }
}

TEST_F(ListViewScrollBar, ThumbFollowsTheTopRowAndTapsScroll)
{
    makeList(LVS_REPORT);
    addItems(30); // 10 rows a page: the top index goes up to 20
    paint();
    const int atTop = thumbTop();
    EXPECT_EQ(atTop, 18 + 13);
    SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0);
    paintQueued();
    EXPECT_GT(thumbTop(), atTop);

    struct Tap {
        const char* where;
        int y;
        int topAfter;
    };
    SendMessageW(list, WM_VSCROLL, SB_TOP, 0);
    const Tap taps[] {
        {"down arrow", height - 5, 1},
        {"up arrow", 18 + 5, 0},
        {"trough below the thumb", height - 20, 10},
        {"trough above the thumb", 18 + 15, 0},
    };
    for (const Tap& t : taps) {
        paintQueued();
        NoticeLog::instance().take();
        tap(middle, t.y);
        EXPECT_EQ(ListView_GetTopIndex(list), t.topAfter) << t.where;
        EXPECT_EQ(NoticeLog::instance().take({NM_CLICK, LVN_ITEMCHANGED}).size(), 0u) << t.where;
    }

    paintQueued();
    const int grab = thumbTop() + 2;
    press(WM_LBUTTONDOWN, middle, grab);
    press(WM_MOUSEMOVE, middle, height);
    EXPECT_EQ(ListView_GetTopIndex(list), 20) << "dragged to the bottom";
    press(WM_MOUSEMOVE, middle, grab);
    EXPECT_EQ(ListView_GetTopIndex(list), 0) << "and back";
    press(WM_LBUTTONUP, middle, grab);
    press(WM_MOUSEMOVE, middle, height);
    EXPECT_EQ(ListView_GetTopIndex(list), 0) << "released";

    press(WM_LBUTTONDOWN, middle, grab);
    ReleaseCapture();
    press(WM_MOUSEMOVE, middle, height);
    EXPECT_EQ(ListView_GetTopIndex(list), 0) << "the capture taken away";
}

TEST_F(ListViewDraw, HeaderDrawsItsItemsAndThePressedOne)
{
    twoByTwo();
    HWND header = ListView_GetHeader(list);
    paint();
    paintQueued();
    const COLORREF face = sys(COLOR_BTNFACE);
    EXPECT_EQ(pixelAt(header, 2, 2), face);
    EXPECT_TRUE(holdsColor(header, {6, 0, 30, 17}, sys(COLOR_BTNTEXT)));
    EXPECT_EQ(pixelAt(header, 59, 9), sys(COLOR_BTNSHADOW)) << "the separator";
    EXPECT_EQ(pixelAt(header, 30, 17), sys(COLOR_BTNSHADOW)) << "the line under the items";

    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 9));
    paintQueued();
    EXPECT_EQ(pixelAt(header, 2, 2), sys(COLOR_BTNSHADOW));
    EXPECT_EQ(pixelAt(header, 62, 2), face);
    SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(20, 9));
    paintQueued();
    EXPECT_EQ(pixelAt(header, 2, 2), face);
}

TEST_F(ListViewDraw, HeaderItemsShowTheirImagesAndBitmaps)
{
    twoByTwo();
    HWND header = ListView_GetHeader(list);
    Header_SetImageList(header, solidImages(green));
    HBITMAP bitmap = solidBitmap(red);
    struct Case {
        int fmt;
        COLORREF atLeft; // just inside the item's left margin
        COLORREF atRight; // just inside its right margin
    };
    const COLORREF face = sys(COLOR_BTNFACE);
    const Case cases[] {
        {HDF_STRING, face, face},
        {HDF_STRING | HDF_IMAGE, green, face},
        {HDF_STRING | HDF_BITMAP, red, face},
        {HDF_STRING | HDF_BITMAP | HDF_BITMAP_ON_RIGHT, face, red},
        {HDF_STRING | HDF_IMAGE | HDF_BITMAP | HDF_BITMAP_ON_RIGHT, green, red},
    };
    for (const Case& c : cases) {
        HDITEMW item {};
        item.mask = HDI_FORMAT | HDI_BITMAP | HDI_IMAGE;
        item.fmt = c.fmt;
        item.hbm = bitmap;
        Header_SetItem(header, 0, &item);
        paintQueued();
        EXPECT_EQ(pixelAt(header, 7, 1), c.atLeft) << std::hex << c.fmt;
        EXPECT_EQ(pixelAt(header, 60 - 7, 1), c.atRight) << std::hex << c.fmt;
    }
    ImageList_Destroy(Header_SetImageList(header, nullptr));
    DestroyWindow(list);
    list = nullptr;
    DeleteObject(bitmap);
}

class ListViewHighDpi : public ListViewDraw {
protected:
    ListViewHighDpi()
        : ListViewDraw(*emulator::builtinProfile("wm6-vga"))
    {
    }
};

TEST_F(ListViewHighDpi, DrawsAtDoubleSize)
{
    twoByTwo(LVS_REPORT, LVS_EX_CHECKBOXES);
    SetFocus(list);
    select(1);
    paint();
    // The header is 36 pixels, rows 32, the state image 32 with a 26-pixel box 3 pixels in.
    const int row1 = 36 + 32;
    EXPECT_EQ(pixelAt(list, 34, row1 + 16), sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(pixelAt(list, 34, row1 - 16), sys(COLOR_WINDOW));
    EXPECT_EQ(pixelAt(list, 30, row1 + 16), sys(COLOR_WINDOW)) << "beyond the box";
    EXPECT_EQ(pixelAt(list, 3, row1 + 16), sys(COLOR_WINDOWFRAME)) << "the box's frame";
    EXPECT_EQ(pixelAt(ListView_GetHeader(list), 10, 35), sys(COLOR_BTNSHADOW));
}

} // namespace
