// What the range controls draw: the progress bar's trough and its filled part (both ways, with
// its own colours), the trackbar's tick marks, channel, selection and thumb (and what custom
// draw skips), the up-down's arrows (pushed while held, grey when disabled), and double size on
// a 192-dpi screen.
#include "ControlPixels.h"
#include "RangeTestSupport.h"
#include "emulator/Profile.h"

using namespace range_test;
using namespace control_pixels;

namespace {

COLORREF sys(int index)
{
    return GetSysColor(index);
}

class RangePaintTest : public RangeTest { };

TEST_F(RangePaintTest, ProgressFillsItsTroughInProportionToThePosition)
{
    struct Case {
        DWORD style;
        int cx, cy;
        int low, high, position;
        RECT filled; // the highlighted part inside the border
    };
    const Case cases[] = {
        {0, 102, 12, 0, 100, 0, {1, 1, 1, 11}},
        {0, 102, 12, 0, 100, 25, {1, 1, 26, 11}},
        {PBS_SMOOTH, 102, 12, 0, 100, 100, {1, 1, 101, 11}},
        {0, 102, 12, 50, 250, 150, {1, 1, 51, 11}},
        {PBS_VERTICAL, 12, 102, 0, 10, 3, {1, 71, 11, 101}},
    };
    for (const Case& c : cases) {
        HWND bar = make(PROGRESS_CLASSW, c.style, 10, 10, c.cx, c.cy);
        send(bar, PBM_SETRANGE32, c.low, c.high);
        send(bar, PBM_SETPOS, c.position);
        repaint(bar);
        const int area = (c.filled.right - c.filled.left) * (c.filled.bottom - c.filled.top);
        EXPECT_EQ(countColor(bar, {0, 0, c.cx, c.cy}, sys(COLOR_HIGHLIGHT)), area) << "position " << c.position;
        EXPECT_EQ(countColor(bar, c.filled, sys(COLOR_HIGHLIGHT)), area) << "position " << c.position;
        EXPECT_EQ(countColor(bar, {1, 1, c.cx - 1, c.cy - 1}, sys(COLOR_WINDOW)), (c.cx - 2) * (c.cy - 2) - area);
        EXPECT_EQ(pixelAt(bar, 0, 0), sys(COLOR_BTNSHADOW)) << "the border";
        EXPECT_EQ(pixelAt(bar, c.cx - 1, c.cy - 1), sys(COLOR_BTNSHADOW));
        DestroyWindow(bar);
    }
}

TEST_F(RangePaintTest, ProgressDrawsWithTheColoursItWasGiven)
{
    HWND bar = make(PROGRESS_CLASSW, 0, 10, 10, 102, 12);
    send(bar, PBM_SETPOS, 50);
    send(bar, PBM_SETBARCOLOR, 0, RGB(0xFF, 0, 0));
    send(bar, PBM_SETBKCOLOR, 0, RGB(0, 0x80, 0));
    repaint(bar);
    EXPECT_EQ(pixelAt(bar, 10, 5), RGB(0xFF, 0, 0));
    EXPECT_EQ(pixelAt(bar, 90, 5), RGB(0, 0x80, 0));
    send(bar, PBM_SETBARCOLOR, 0, CLR_DEFAULT);
    repaint(bar);
    EXPECT_EQ(pixelAt(bar, 10, 5), sys(COLOR_HIGHLIGHT));
}

// A 200 x 30 trackbar over 0..100 with a tick every 10.
class TrackbarPaintTest : public RangePaintTest {
protected:
    HWND makeBar(DWORD style)
    {
        const bool vertical = style & TBS_VERT;
        HWND bar = make(TRACKBAR_CLASSW, TBS_AUTOTICKS | style, 10, 50, vertical ? 30 : 200, vertical ? 200 : 30);
        send(bar, TBM_SETTICFREQ, 10);
        repaint(bar);
        return bar;
    }
    static RECT partRect(HWND bar, UINT message)
    {
        RECT rect {};
        send(bar, message, 0, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
};

TEST_F(TrackbarPaintTest, TickMarksStandOnTheSidesTheStyleNames)
{
    struct Case {
        DWORD style;
        int marks; // eleven tick marks, three pixels long, per side
        std::vector<int> rows; // rows that hold tick marks
    };
    const Case cases[] = {
        {TBS_BOTTOM, 11 * 3, {22, 23, 24}},
        {TBS_TOP, 11 * 3, {1, 2, 3}},
        {TBS_BOTH, 2 * 11 * 3, {1, 2, 3, 26, 27, 28}},
        {TBS_NOTICKS, 0, {}},
        {TBS_VERT | TBS_RIGHT, 11 * 3, {22, 23, 24}}, // rows across are columns when vertical
        {TBS_VERT | TBS_LEFT, 11 * 3, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        HWND bar = makeBar(c.style);
        const bool vertical = c.style & TBS_VERT;
        EXPECT_EQ(countColor(bar, {0, 0, 200, 200}, sys(COLOR_BTNTEXT)), c.marks) << "style " << c.style;
        for (int row : c.rows) {
            const RECT line = vertical ? RECT {row, 0, row + 1, 200} : RECT {0, row, 200, row + 1};
            EXPECT_EQ(countColor(bar, line, sys(COLOR_BTNTEXT)), 11) << "style " << c.style << ", row " << row;
        }
        DestroyWindow(bar);
    }
}

TEST_F(TrackbarPaintTest, TheThumbFollowsThePositionOverTheChannelAndItsSelection)
{
    HWND bar = makeBar(TBS_ENABLESELRANGE);
    const RECT channel = partRect(bar, TBM_GETCHANNELRECT);
    const RECT thumb = partRect(bar, TBM_GETTHUMBRECT);
    const int middle = (channel.top + channel.bottom) / 2;
    EXPECT_EQ(pixelAt(bar, 150, channel.top), sys(COLOR_BTNSHADOW)) << "the channel's border";
    EXPECT_EQ(pixelAt(bar, 150, middle), sys(COLOR_WINDOW));
    EXPECT_EQ(pixelAt(bar, (thumb.left + thumb.right) / 2, thumb.top + 4), sys(COLOR_BTNFACE));

    send(bar, TBM_SETSEL, TRUE, MAKELPARAM(20, 60));
    send(bar, TBM_SETPOS, TRUE, 100);
    repaint(bar);
    const int selStart = static_cast<int>(8 + 20 * 184 / 100);
    const int selEnd = static_cast<int>(8 + 60 * 184 / 100);
    EXPECT_EQ(countColor(bar, {0, middle, 200, middle + 1}, sys(COLOR_HIGHLIGHT)), selEnd - selStart + 1);
    EXPECT_EQ(pixelAt(bar, selStart, middle), sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(pixelAt(bar, selStart - 1, middle), sys(COLOR_WINDOW));
    EXPECT_EQ(pixelAt(bar, (thumb.left + thumb.right) / 2, thumb.top + 4), sys(COLOR_WINDOW)) << "the thumb left";
    const RECT moved = partRect(bar, TBM_GETTHUMBRECT);
    EXPECT_EQ(pixelAt(bar, (moved.left + moved.right) / 2, moved.top + 4), sys(COLOR_BTNFACE));
}

TEST_F(TrackbarPaintTest, CustomDrawSkipsThePartsItsParentDraws)
{
    ParentLog::instance().drawAnswers[CDDS_PREPAINT] = CDRF_NOTIFYITEMDRAW;
    ParentLog::instance().drawAnswers[CDDS_ITEMPREPAINT] = CDRF_SKIPDEFAULT;
    HWND bar = makeBar(0);
    EXPECT_EQ(countColor(bar, {0, 0, 200, 30}, sys(COLOR_STATIC)), 200 * 30) << "only the background";
    ParentLog::instance().drawAnswers[CDDS_ITEMPREPAINT] = CDRF_DODEFAULT;
    repaint(bar);
    EXPECT_GT(countColor(bar, {0, 0, 200, 30}, sys(COLOR_BTNFACE)), 0);
}

TEST_F(RangePaintTest, UpDownArrowsShowPushedWhileHeldAndGreyWhenDisabled)
{
    HWND arrows = make(UPDOWN_CLASSW, 0, 10, 100, 16, 30);
    repaint(arrows);
    const RECT up {0, 0, 16, 15};
    const RECT down {0, 15, 16, 30};
    EXPECT_GT(countColor(arrows, up, sys(COLOR_BTNTEXT)), 3) << "the up arrow";
    EXPECT_GT(countColor(arrows, down, sys(COLOR_BTNTEXT)), 3) << "the down arrow";
    const std::vector<COLORREF> upAtRest = pixelsOf(arrows, up);
    const std::vector<COLORREF> downAtRest = pixelsOf(arrows, down);

    send(arrows, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 4));
    UpdateWindow(arrows);
    EXPECT_NE(pixelsOf(arrows, up), upAtRest) << "pushed while held";
    EXPECT_EQ(pixelsOf(arrows, down), downAtRest);
    send(arrows, WM_LBUTTONUP, 0, MAKELPARAM(8, 4));
    UpdateWindow(arrows);
    EXPECT_EQ(pixelsOf(arrows, up), upAtRest);

    EnableWindow(arrows, FALSE);
    UpdateWindow(arrows);
    EXPECT_EQ(countColor(arrows, {0, 0, 16, 30}, sys(COLOR_BTNTEXT)), 0);
    EXPECT_GT(countColor(arrows, up, sys(COLOR_GRAYTEXT)), 3);
}

TEST(RangeHighDpi, A192DpiScreenDrawsAtDoubleSize)
{
    testing_support::TestDevice dev(*emulator::builtinProfile("wm6-vga"));
    HWND host = makeHost();
    HWND bar = CreateWindowExW(
        0, PROGRESS_CLASSW, u"", WS_CHILD | WS_VISIBLE, 0, 0, 204, 24, host, nullptr, nullptr, nullptr);
    SendMessageW(bar, PBM_SETPOS, 50, 0);
    repaint(bar);
    EXPECT_EQ(pixelAt(bar, 1, 1), sys(COLOR_BTNSHADOW));
    EXPECT_EQ(pixelAt(bar, 2, 2), sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(countColor(bar, {0, 0, 204, 24}, sys(COLOR_HIGHLIGHT)), 100 * 20) << "inside a two-pixel border";

    HWND track = CreateWindowExW(
        0, TRACKBAR_CLASSW, u"", WS_CHILD | WS_VISIBLE, 0, 100, 400, 60, host, nullptr, nullptr, nullptr);
    RECT thumb {};
    SendMessageW(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    EXPECT_EQ(thumb.right - thumb.left, 20);
    EXPECT_EQ(thumb.bottom - thumb.top, 36);
    repaint(track);
    EXPECT_EQ(pixelAt(track, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), sys(COLOR_BTNFACE));
    DestroyWindow(host);
}

} // namespace
