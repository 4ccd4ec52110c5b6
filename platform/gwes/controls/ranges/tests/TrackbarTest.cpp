// The trackbar through its messages and as a person uses it: ranges, ticks and selection,
// the scroll codes its parent gets for keys, taps and drags (in order), its layout, and the
// custom-draw stages of a paint.
#include "RangeTestSupport.h"

using namespace range_test;

namespace {

// 216 pixels wide: the thumb's centre runs over 200 pixels from x = 8, two per position of the
// default range.
constexpr int width = 216;
constexpr int height = 30;

int centreOf(int position)
{
    return 8 + 2 * position;
}

class TrackbarTest : public RangeTest {
protected:
    HWND makeBar(DWORD style = 0) { return make(TRACKBAR_CLASSW, style, 10, 40, width, height); }
    static int position(HWND bar) { return static_cast<int>(send(bar, TBM_GETPOS)); }
    Event scroll(HWND bar, int code, int position = 0, UINT message = WM_HSCROLL)
    {
        return {message, code, position, 0, bar};
    }
};

TEST_F(TrackbarTest, StartsAtZeroOfAHundred)
{
    HWND bar = makeBar();
    EXPECT_EQ(send(bar, TBM_GETRANGEMIN), 0);
    EXPECT_EQ(send(bar, TBM_GETRANGEMAX), 100);
    EXPECT_EQ(position(bar), 0);
    EXPECT_EQ(send(bar, TBM_GETLINESIZE), 1);
    EXPECT_EQ(send(bar, TBM_GETPAGESIZE), 20);
    EXPECT_EQ(send(bar, TBM_GETNUMTICS), 2) << "the first and last tick marks";
    EXPECT_EQ(send(bar, WM_GETDLGCODE), DLGC_WANTARROWS);
    EXPECT_EQ(send(makeBar(TBS_NOTICKS), TBM_GETNUMTICS), 0);
}

TEST_F(TrackbarTest, RangesKeepThePositionInsideAndResetThePage)
{
    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        int min, max, position, page;
    };
    HWND bar = makeBar();
    send(bar, TBM_SETPOS, TRUE, 60);
    const Case cases[] = {
        {TBM_SETRANGE, TRUE, MAKELPARAM(-50, 50), -50, 50, 50, 20},
        {TBM_SETRANGEMAX, TRUE, 20, -50, 20, 20, 14},
        {TBM_SETRANGEMIN, FALSE, 30, 30, 20, 30, 1},
        {TBM_SETRANGE, FALSE, MAKELPARAM(0, 1000), 0, 1000, 30, 200},
        {TBM_SETPOS, TRUE, 2000, 0, 1000, 1000, 200},
        {TBM_SETPOS, FALSE, -7, 0, 1000, 0, 200},
        {TBM_SETRANGEMAX, TRUE, 3, 0, 3, 0, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(send(bar, c.message, c.wParam, c.lParam), 0);
        EXPECT_EQ(send(bar, TBM_GETRANGEMIN), c.min) << c.message;
        EXPECT_EQ(send(bar, TBM_GETRANGEMAX), c.max) << c.message;
        EXPECT_EQ(position(bar), c.position) << c.message;
        EXPECT_EQ(send(bar, TBM_GETPAGESIZE), c.page) << c.message;
    }
    EXPECT_TRUE(events().empty()) << "the program's changes are not reported";
}

TEST_F(TrackbarTest, TickMarksAutomaticAndSet)
{
    HWND bar = makeBar(TBS_AUTOTICKS);
    EXPECT_EQ(send(bar, TBM_GETNUMTICS), 101) << "one per position by default";
    send(bar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
    EXPECT_EQ(send(bar, TBM_GETNUMTICS), 11);
    send(bar, TBM_SETTICFREQ, 3);
    EXPECT_EQ(send(bar, TBM_GETNUMTICS), 5);
    struct Tic {
        WPARAM index;
        LRESULT position;
    };
    for (const Tic& t : {Tic {0, 3}, Tic {1, 6}, Tic {2, 9}, Tic {3, -1}})
        EXPECT_EQ(send(bar, TBM_GETTIC, t.index), t.position) << t.index;
    EXPECT_FALSE(send(bar, TBM_SETTIC, 0, 11));
    EXPECT_FALSE(send(bar, TBM_SETTIC, 0, -1));
    EXPECT_TRUE(send(bar, TBM_SETTIC, 0, 4));
    EXPECT_EQ(send(bar, TBM_GETTIC, 1), 4) << "tick marks stay in order";
    EXPECT_EQ(send(bar, TBM_GETTICPOS, 1), 8 + 4 * 20) << "ten positions over 200 pixels";
    EXPECT_EQ(send(bar, TBM_GETTICPOS, 9), -1);
    send(bar, TBM_CLEARTICS, TRUE);
    EXPECT_EQ(send(bar, TBM_GETNUMTICS), 2);
    EXPECT_EQ(send(bar, TBM_GETTIC, 0), -1);
}

TEST_F(TrackbarTest, SelectionNeedsItsStyleAndStaysInTheRange)
{
    HWND plain = makeBar();
    send(plain, TBM_SETSEL, TRUE, MAKELPARAM(10, 30));
    EXPECT_EQ(send(plain, TBM_GETSELSTART), 0);
    EXPECT_EQ(send(plain, TBM_GETSELEND), 0);

    HWND bar = makeBar(TBS_ENABLESELRANGE);
    send(bar, TBM_SETSEL, TRUE, MAKELPARAM(10, 30));
    EXPECT_EQ(send(bar, TBM_GETSELSTART), 10);
    EXPECT_EQ(send(bar, TBM_GETSELEND), 30);
    send(bar, TBM_SETSELSTART, TRUE, -5);
    send(bar, TBM_SETSELEND, TRUE, 500);
    EXPECT_EQ(send(bar, TBM_GETSELSTART), 0);
    EXPECT_EQ(send(bar, TBM_GETSELEND), 100);
    send(bar, TBM_CLEARSEL, TRUE);
    EXPECT_EQ(send(bar, TBM_GETSELSTART), 0);
    EXPECT_EQ(send(bar, TBM_GETSELEND), 0);
}

TEST_F(TrackbarTest, KeysMoveAndEndTheirTrackOnRelease)
{
    struct Case {
        WPARAM key;
        int code;
        int position;
    };
    HWND bar = makeBar();
    send(bar, TBM_SETPOS, TRUE, 50);
    const Case cases[] = {
        {VK_RIGHT, TB_LINEDOWN, 51},
        {VK_DOWN, TB_LINEDOWN, 52},
        {VK_LEFT, TB_LINEUP, 51},
        {VK_UP, TB_LINEUP, 50},
        {VK_NEXT, TB_PAGEDOWN, 70},
        {VK_PRIOR, TB_PAGEUP, 50},
        {VK_END, TB_BOTTOM, 100},
        {VK_NEXT, -1, 100},
        {VK_HOME, TB_TOP, 0},
        {VK_LEFT, -1, 0},
    };
    for (const Case& c : cases) {
        press(bar, c.key);
        std::vector<Event> expected;
        if (c.code >= 0)
            expected.push_back(scroll(bar, c.code));
        expected.push_back(scroll(bar, TB_ENDTRACK));
        EXPECT_EQ(events(), expected) << "key " << c.key << " (-1: nothing to move)";
        EXPECT_EQ(position(bar), c.position) << "key " << c.key;
    }
    press(bar, VK_SPACE);
    EXPECT_TRUE(events().empty());
}

TEST_F(TrackbarTest, TapsBesideTheThumbMoveAPage)
{
    HWND bar = makeBar();
    send(bar, TBM_SETPOS, TRUE, 50);
    tap(bar, centreOf(90), 10);
    EXPECT_EQ(events(), (std::vector {scroll(bar, TB_PAGEDOWN), scroll(bar, TB_ENDTRACK)}));
    EXPECT_EQ(position(bar), 70);
    tap(bar, centreOf(0), 10);
    EXPECT_EQ(events(), (std::vector {scroll(bar, TB_PAGEUP), scroll(bar, TB_ENDTRACK)}));
    EXPECT_EQ(position(bar), 50);
    send(bar, TBM_SETPOS, TRUE, 95);
    tap(bar, width - 1, 10);
    EXPECT_EQ(events(), (std::vector {scroll(bar, TB_PAGEDOWN), scroll(bar, TB_ENDTRACK)}));
    EXPECT_EQ(position(bar), 100) << "a page stops at the end";
    EXPECT_EQ(GetFocus(), bar) << "a tap gives it the focus";
}

TEST_F(TrackbarTest, HoldingBesideTheThumbPagesUntilItGetsThere)
{
    HWND bar = makeBar();
    send(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centreOf(70), 10));
    for (int repeat = 0; repeat < 5; ++repeat)
        dispatchNextTimer();
    send(bar, WM_LBUTTONUP, 0, MAKELPARAM(centreOf(70), 10));
    EXPECT_EQ(scrollEvents(),
        (std::vector {scroll(bar, TB_PAGEDOWN), scroll(bar, TB_PAGEDOWN), scroll(bar, TB_PAGEDOWN),
            scroll(bar, TB_PAGEDOWN), scroll(bar, TB_ENDTRACK)}));
    EXPECT_EQ(position(bar), 80) << "the thumb stops once it is under the stylus";
    Sleep(1000);
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
}

TEST_F(TrackbarTest, DraggingTheThumbTracksThenSetsThePosition)
{
    HWND bar = makeBar();
    send(bar, TBM_SETPOS, TRUE, 10);
    // Taken 2 pixels right of its centre, the thumb keeps that offset under the stylus.
    send(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centreOf(10) + 2, 10));
    EXPECT_EQ(GetCapture(), bar);
    send(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(centreOf(30) + 2, 10));
    send(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(centreOf(30) + 2, 25));
    send(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(centreOf(45) + 2, 10));
    send(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(400, 10));
    send(bar, WM_LBUTTONUP, 0, MAKELPARAM(400, 10));
    EXPECT_EQ(events(),
        (std::vector {scroll(bar, TB_THUMBTRACK, 30), scroll(bar, TB_THUMBTRACK, 45), scroll(bar, TB_THUMBTRACK, 100),
            scroll(bar, TB_THUMBPOSITION, 100), scroll(bar, TB_ENDTRACK)}));
    EXPECT_EQ(position(bar), 100);
    EXPECT_EQ(GetCapture(), nullptr);
    send(bar, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(events().empty()) << "moves after the release do nothing";
}

TEST_F(TrackbarTest, LosingTheStylusEndsTheDrag)
{
    HWND bar = makeBar();
    HWND other = make(TRACKBAR_CLASSW, 0, 10, 100, width, height, 101);
    send(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centreOf(0), 10));
    send(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(centreOf(20), 10));
    SetCapture(other);
    send(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(centreOf(40), 10));
    send(bar, WM_LBUTTONUP, 0, MAKELPARAM(centreOf(40), 10));
    EXPECT_EQ(events(), (std::vector {scroll(bar, TB_THUMBTRACK, 20), scroll(bar, TB_ENDTRACK)}));
    EXPECT_EQ(position(bar), 20);
    ReleaseCapture();
}

TEST_F(TrackbarTest, VerticalBarsRunDownAndSendVerticalScrolls)
{
    HWND bar = make(TRACKBAR_CLASSW, TBS_VERT | TBS_BOTH, 10, 10, 40, width);
    RECT thumb {};
    send(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    EXPECT_EQ(thumb.top, centreOf(0) - 5);
    EXPECT_EQ(thumb.bottom, centreOf(0) + 5);
    EXPECT_EQ(thumb.left, 6) << "tick marks on both sides";
    tap(bar, 20, centreOf(60));
    EXPECT_EQ(
        events(), (std::vector {scroll(bar, TB_PAGEDOWN, 0, WM_VSCROLL), scroll(bar, TB_ENDTRACK, 0, WM_VSCROLL)}));
    press(bar, VK_UP);
    EXPECT_EQ(events(), (std::vector {scroll(bar, TB_LINEUP, 0, WM_VSCROLL), scroll(bar, TB_ENDTRACK, 0, WM_VSCROLL)}));
    EXPECT_EQ(position(bar), 19);
}

TEST_F(TrackbarTest, ThumbAndChannelRectangles)
{
    struct Case {
        DWORD style;
        int position;
        RECT thumb;
        RECT channel;
    };
    const Case cases[] = {
        {0, 0, {3, 2, 13, 20}, {8, 9, 208, 13}},
        {0, 50, {103, 2, 113, 20}, {8, 9, 208, 13}},
        {TBS_TOP, 100, {203, 6, 213, 24}, {8, 13, 208, 17}},
        {TBS_NOTICKS | TBS_TOP, 25, {53, 2, 63, 20}, {8, 9, 208, 13}},
    };
    for (const Case& c : cases) {
        HWND bar = makeBar(c.style);
        send(bar, TBM_SETPOS, TRUE, c.position);
        RECT thumb {};
        RECT channel {};
        send(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        send(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
        EXPECT_EQ(std::vector({thumb.left, thumb.top, thumb.right, thumb.bottom}),
            std::vector({c.thumb.left, c.thumb.top, c.thumb.right, c.thumb.bottom}))
            << c.style << " at " << c.position;
        EXPECT_EQ(std::vector({channel.left, channel.top, channel.right, channel.bottom}),
            std::vector({c.channel.left, c.channel.top, c.channel.right, c.channel.bottom}))
            << c.style;
        DestroyWindow(bar);
    }
}

TEST_F(TrackbarTest, PaintingAsksThePartsOnlyWhenTheParentWantsThem)
{
    HWND bar = makeBar();
    auto drawEvent = [&](DWORD stage, int item) {
        return Event {WM_NOTIFY, static_cast<int>(NM_CUSTOMDRAW), static_cast<int>(stage), item, bar};
    };
    UpdateWindow(bar);
    EXPECT_EQ(events(), (std::vector {drawEvent(CDDS_PREPAINT, 0)}));

    ParentLog& log = ParentLog::instance();
    log.drawAnswers[CDDS_PREPAINT] = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    log.drawAnswers[CDDS_ITEMPREPAINT] = CDRF_NOTIFYPOSTPAINT;
    InvalidateRect(bar, nullptr, FALSE);
    UpdateWindow(bar);
    EXPECT_EQ(events(),
        (std::vector {drawEvent(CDDS_PREPAINT, 0), drawEvent(CDDS_ITEMPREPAINT, TBCD_TICS),
            drawEvent(CDDS_ITEMPOSTPAINT, TBCD_TICS), drawEvent(CDDS_ITEMPREPAINT, TBCD_CHANNEL),
            drawEvent(CDDS_ITEMPOSTPAINT, TBCD_CHANNEL), drawEvent(CDDS_ITEMPREPAINT, TBCD_THUMB),
            drawEvent(CDDS_ITEMPOSTPAINT, TBCD_THUMB), drawEvent(CDDS_POSTPAINT, 0)}));
    EXPECT_FALSE(GetUpdateRect(bar, nullptr, FALSE));
}

TEST_F(TrackbarTest, DisabledBarsIgnoreTheUser)
{
    HWND bar = makeBar();
    EnableWindow(bar, FALSE);
    press(bar, VK_END);
    tap(bar, centreOf(80), 10);
    EXPECT_TRUE(events().empty());
    EXPECT_EQ(position(bar), 0);
}

TEST_F(TrackbarTest, BuddiesSitAgainstTheEnds)
{
    struct Case {
        DWORD style;
        BOOL leftOrTop;
        POINT at; // the buddy's place in the parent
    };
    // The bar is at (10, 40), 216 x 30 (30 x 216 when vertical); the buddy is 20 x 10.
    const Case cases[] = {
        {0, TRUE, {-10, 50}},
        {0, FALSE, {226, 50}},
        {TBS_VERT, TRUE, {15, 30}},
        {TBS_VERT, FALSE, {15, 256}},
    };
    for (const Case& c : cases) {
        const bool vertical = c.style & TBS_VERT;
        HWND bar = make(TRACKBAR_CLASSW, c.style, 10, 40, vertical ? height : width, vertical ? width : height);
        HWND buddy = make(TRACKBAR_CLASSW, 0, 0, 0, 20, 10, 102);
        EXPECT_EQ(send(bar, TBM_SETBUDDY, c.leftOrTop, reinterpret_cast<LPARAM>(buddy)), 0);
        EXPECT_EQ(reinterpret_cast<HWND>(send(bar, TBM_GETBUDDY, c.leftOrTop)), buddy);
        EXPECT_EQ(send(bar, TBM_GETBUDDY, !c.leftOrTop), 0);
        RECT placed {};
        GetWindowRect(buddy, &placed);
        POINT origin {0, 0};
        ClientToScreen(parent, &origin);
        EXPECT_EQ(std::vector({placed.left - origin.x, placed.top - origin.y, placed.right - placed.left}),
            std::vector<LONG>({c.at.x, c.at.y, 20}))
            << c.style << (c.leftOrTop ? " left/top" : " right/bottom");
        EXPECT_EQ(reinterpret_cast<HWND>(send(bar, TBM_SETBUDDY, c.leftOrTop, 0)), buddy);
        DestroyWindow(buddy);
        DestroyWindow(bar);
    }
}

} // namespace
