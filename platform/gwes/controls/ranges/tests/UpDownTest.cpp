// The up-down control through its messages and as a person uses it: ranges that run either
// way, positions clamped or wrapped, the parent's say over each step, the buddy's text, place
// and arrow keys, and accelerated repeats while an arrow is held.
#include "RangeTestSupport.h"

using namespace range_test;

namespace {

constexpr int upDownHeight = 24;

class UpDownTest : public RangeTest {
protected:
    void SetUp() override
    {
        RangeTest::SetUp();
        WNDCLASSW wc {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = u"Buddy";
        ASSERT_NE(RegisterClassW(&wc), 0);
    }
    HWND makeUpDown(DWORD style = 0, int cx = 16) { return make(UPDOWN_CLASSW, style, 120, 30, cx, upDownHeight); }
    HWND makeBuddy(int id = 200) { return make(u"Buddy", 0, 20, 30, 100, upDownHeight, id); }
    static int position(HWND ud) { return static_cast<int>(send(ud, UDM_GETPOS32)); }
    static std::u16string textOf(HWND hwnd)
    {
        WCHAR text[64] {};
        GetWindowTextW(hwnd, text, 64);
        return text;
    }
    static void tapUp(HWND ud) { tap(ud, 8, 2); }
    static void tapDown(HWND ud) { tap(ud, 8, upDownHeight - 2); }
    // What one step from `from` by `delta` that ends at `to` tells the parent.
    static std::vector<Event> stepEvents(HWND ud, int from, int delta, int to, UINT message = WM_VSCROLL)
    {
        return {{WM_NOTIFY, static_cast<int>(UDN_DELTAPOS), from, delta, ud}, {message, SB_THUMBPOSITION, to, 0, ud},
            {message, SB_ENDSCROLL, to, 0, ud}};
    }
};

TEST_F(UpDownTest, DefaultRangeRunsFromAHundredDownToZero)
{
    HWND ud = makeUpDown();
    EXPECT_EQ(send(ud, UDM_GETRANGE), MAKELONG(0, 100)) << "maximum in the low word";
    int minimum = -1;
    int maximum = -1;
    send(ud, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&minimum), reinterpret_cast<LPARAM>(&maximum));
    EXPECT_EQ(minimum, 100);
    EXPECT_EQ(maximum, 0);
    EXPECT_EQ(send(ud, UDM_GETPOS), 0);
    EXPECT_EQ(send(ud, UDM_GETBASE), 10);
    tapUp(ud);
    EXPECT_EQ(events(), stepEvents(ud, 0, -1, 0)) << "up goes towards the maximum, already there";
    tapDown(ud);
    EXPECT_EQ(events(), stepEvents(ud, 0, 1, 1));
}

TEST_F(UpDownTest, RangesAndPositions)
{
    HWND ud = makeUpDown();
    send(ud, UDM_SETRANGE, 0, MAKELPARAM(50, -20));
    EXPECT_EQ(send(ud, UDM_GETRANGE), MAKELONG(50, static_cast<WORD>(-20)));
    struct Case {
        UINT message;
        LPARAM lParam;
        LRESULT previous;
        int now;
    };
    const Case cases[] = {
        {UDM_SETPOS, 30, 0, 30},
        {UDM_SETPOS, MAKELPARAM(static_cast<WORD>(-5), 0), 30, -5},
        {UDM_SETPOS, 99, -5, 50},
        {UDM_SETPOS32, -1000, 50, -20},
        {UDM_SETPOS32, 12, -20, 12},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(send(ud, c.message, 0, c.lParam), c.previous) << c.lParam;
        EXPECT_EQ(position(ud), c.now) << c.lParam;
        EXPECT_EQ(static_cast<short>(LOWORD(send(ud, UDM_GETPOS))), c.now);
    }
    send(ud, UDM_SETRANGE32, 100000, 200000);
    int minimum = 0;
    int maximum = 0;
    send(ud, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&minimum), reinterpret_cast<LPARAM>(&maximum));
    EXPECT_EQ(minimum, 100000);
    EXPECT_EQ(maximum, 200000);
    EXPECT_EQ(send(ud, UDM_SETPOS32, 0, 150000), 12);
    EXPECT_EQ(position(ud), 150000);
    EXPECT_TRUE(events().empty()) << "the program's changes are not reported";
}

TEST_F(UpDownTest, StepsStopAtTheEndsOrWrap)
{
    struct Case {
        DWORD style;
        int minimum, maximum, start;
        bool up;
        int delta, end;
    };
    const Case cases[] = {
        {0, 0, 10, 5, true, 1, 6},
        {0, 0, 10, 5, false, -1, 4},
        {0, 0, 10, 10, true, 1, 10},
        {0, 0, 10, 0, false, -1, 0},
        {UDS_WRAP, 0, 10, 10, true, 1, 0},
        {UDS_WRAP, 0, 10, 0, false, -1, 10},
        {UDS_WRAP, -3, 3, 3, true, 1, -3},
        {0, 10, 0, 5, true, -1, 4},
        {0, 10, 0, 0, true, -1, 0},
        {UDS_WRAP, 10, 0, 0, true, -1, 10},
        {UDS_WRAP, 10, 0, 10, false, 1, 0},
    };
    for (const Case& c : cases) {
        HWND ud = makeUpDown(c.style);
        send(ud, UDM_SETRANGE32, static_cast<WPARAM>(c.minimum), c.maximum);
        send(ud, UDM_SETPOS32, 0, c.start);
        c.up ? tapUp(ud) : tapDown(ud);
        EXPECT_EQ(events(), stepEvents(ud, c.start, c.delta, c.end))
            << c.style << " " << c.minimum << ".." << c.maximum << " from " << c.start << (c.up ? " up" : " down");
        DestroyWindow(ud);
    }
}

TEST_F(UpDownTest, TheParentCanRefuseOrChangeAStep)
{
    HWND ud = makeUpDown();
    send(ud, UDM_SETRANGE32, 0, 100);
    send(ud, UDM_SETPOS32, 0, 50);
    ParentLog& log = ParentLog::instance();
    log.deltaAnswer = 1;
    tapUp(ud);
    EXPECT_EQ(events(), stepEvents(ud, 50, 1, 50)) << "refused, yet the position is reported";
    log.deltaAnswer = 0;
    log.deltaOverride = 7;
    tapDown(ud);
    EXPECT_EQ(events(), stepEvents(ud, 50, -1, 57));
}

TEST_F(UpDownTest, TheBuddyShowsThePosition)
{
    struct Case {
        DWORD style;
        int base;
        int position;
        std::u16string text;
    };
    const Case cases[] = {
        {UDS_SETBUDDYINT, 10, 7, u"7"},
        {UDS_SETBUDDYINT, 10, 1234, u"1,234"},
        {UDS_SETBUDDYINT, 10, -1234567, u"-1,234,567"},
        {UDS_SETBUDDYINT, 10, 999, u"999"},
        {UDS_SETBUDDYINT | UDS_NOTHOUSANDS, 10, 1234567, u"1234567"},
        {UDS_SETBUDDYINT, 16, 1234, u"0x04D2"},
        {UDS_SETBUDDYINT, 16, 0x12345, u"0x12345"},
        {0, 10, 1234, u"untouched"},
    };
    for (const Case& c : cases) {
        HWND buddy = makeBuddy();
        SetWindowTextW(buddy, u"untouched");
        HWND ud = makeUpDown(c.style);
        EXPECT_EQ(send(ud, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)), 0);
        send(ud, UDM_SETRANGE32, static_cast<WPARAM>(-2000000), 2000000);
        send(ud, UDM_SETBASE, static_cast<WPARAM>(c.base));
        send(ud, UDM_SETPOS32, 0, c.position);
        EXPECT_EQ(textOf(buddy), c.text) << c.position;
        DestroyWindow(ud);
        DestroyWindow(buddy);
    }
}

TEST_F(UpDownTest, PositionsAreReadBackFromTheBuddy)
{
    struct Case {
        std::u16string text;
        bool error;
        int position;
    };
    HWND buddy = makeBuddy();
    HWND ud = makeUpDown(UDS_SETBUDDYINT);
    send(ud, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy));
    send(ud, UDM_SETRANGE32, 0, 5000);
    send(ud, UDM_SETPOS32, 0, 10);
    const Case cases[] = {
        {u"42", false, 42},
        {u"1,500", false, 1500},
        {u"abc", true, 1500},
        {u"", true, 1500},
        {u"12x", true, 1500},
        {u"9000", true, 1500},
        {u"-1", true, 1500},
        {u"0", false, 0},
    };
    for (const Case& c : cases) {
        SetWindowTextW(buddy, c.text.c_str());
        const LRESULT packed = send(ud, UDM_GETPOS);
        EXPECT_EQ(HIWORD(packed) != 0, c.error) << "\"" << std::string(c.text.begin(), c.text.end()) << "\"";
        EXPECT_EQ(LOWORD(packed), c.position);
        BOOL error = -1;
        EXPECT_EQ(send(ud, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)), c.position);
        EXPECT_EQ(error != FALSE, c.error);
    }
    send(ud, UDM_SETBASE, 16);
    SetWindowTextW(buddy, u"0x1F");
    EXPECT_EQ(send(ud, UDM_GETPOS), 31);
    SetWindowTextW(buddy, u"ff");
    EXPECT_EQ(send(ud, UDM_GETPOS), 255);
}

TEST_F(UpDownTest, StepsStartFromWhatTheBuddyShows)
{
    HWND buddy = makeBuddy();
    HWND ud = makeUpDown(UDS_SETBUDDYINT | UDS_AUTOBUDDY);
    send(ud, UDM_SETRANGE32, 0, 100);
    SetWindowTextW(buddy, u"41");
    tapUp(ud);
    EXPECT_EQ(textOf(buddy), u"42");
    EXPECT_EQ(events(), stepEvents(ud, 41, 1, 42));
    EXPECT_EQ(GetFocus(), buddy) << "a tap puts the focus in the buddy";
}

TEST_F(UpDownTest, AutoBuddyIsTheWindowMadeJustBefore)
{
    make(u"Buddy", 0, 0, 0, 10, 10, 201);
    HWND buddy = makeBuddy(202);
    HWND ud = makeUpDown(UDS_AUTOBUDDY);
    EXPECT_EQ(reinterpret_cast<HWND>(send(ud, UDM_GETBUDDY)), buddy);
    HWND other = makeBuddy(203);
    EXPECT_EQ(reinterpret_cast<HWND>(send(ud, UDM_SETBUDDY, reinterpret_cast<WPARAM>(other))), buddy);
    EXPECT_EQ(reinterpret_cast<HWND>(send(makeUpDown(), UDM_GETBUDDY)), nullptr) << "without the style";
}

TEST_F(UpDownTest, AlignedUpDownsSitInsideTheBuddysPlace)
{
    struct Case {
        DWORD style;
        int width; // given at creation
        RECT buddy;
        RECT upDown;
    };
    const Case cases[] = {
        {UDS_ALIGNRIGHT, 16, {20, 30, 104, 54}, {104, 30, 120, 54}},
        {UDS_ALIGNLEFT, 16, {36, 30, 120, 54}, {20, 30, 36, 54}},
        {UDS_ALIGNRIGHT, 0, {20, 30, 107, 54}, {107, 30, 120, 54}},
        {0, 16, {20, 30, 120, 54}, {120, 30, 136, 54}},
    };
    for (const Case& c : cases) {
        HWND buddy = makeBuddy();
        HWND ud = makeUpDown(UDS_AUTOBUDDY | c.style, c.width);
        RECT b {};
        RECT u {};
        GetWindowRect(buddy, &b);
        GetWindowRect(ud, &u);
        POINT origin {0, 0};
        ClientToScreen(parent, &origin);
        EXPECT_EQ(std::vector({b.left - origin.x, b.top - origin.y, b.right - origin.x, b.bottom - origin.y}),
            std::vector({c.buddy.left, c.buddy.top, c.buddy.right, c.buddy.bottom}))
            << c.style << " width " << c.width;
        EXPECT_EQ(std::vector({u.left - origin.x, u.top - origin.y, u.right - origin.x, u.bottom - origin.y}),
            std::vector({c.upDown.left, c.upDown.top, c.upDown.right, c.upDown.bottom}))
            << c.style << " width " << c.width;
        DestroyWindow(ud);
        DestroyWindow(buddy);
    }
}

TEST_F(UpDownTest, ArrowKeysStepThroughTheBuddyToo)
{
    HWND buddy = makeBuddy();
    const LONG_PTR buddyProc = GetWindowLongPtrW(buddy, GWLP_WNDPROC);
    HWND ud = makeUpDown(UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_SETBUDDYINT);
    send(ud, UDM_SETRANGE32, 0, 100);
    send(ud, UDM_SETPOS32, 0, 10);
    press(ud, VK_UP);
    EXPECT_EQ(events(), stepEvents(ud, 10, 1, 11));
    press(buddy, VK_DOWN);
    EXPECT_EQ(events(), stepEvents(ud, 11, -1, 10));
    press(buddy, VK_LEFT);
    EXPECT_TRUE(events().empty()) << "other keys stay the buddy's";
    SetWindowTextW(buddy, u"77");
    EXPECT_EQ(textOf(buddy), u"77") << "the buddy's own procedure still answers";
    DestroyWindow(ud);
    EXPECT_EQ(GetWindowLongPtrW(buddy, GWLP_WNDPROC), buddyProc) << "the buddy gets its procedure back";

    HWND plain = makeUpDown(UDS_AUTOBUDDY);
    press(plain, VK_UP);
    EXPECT_TRUE(events().empty()) << "without UDS_ARROWKEYS";
}

TEST_F(UpDownTest, HorizontalUpDownsStepRightAndScrollHorizontally)
{
    HWND ud = makeUpDown(UDS_HORZ);
    send(ud, UDM_SETRANGE32, 0, 10);
    tap(ud, 12, 12);
    EXPECT_EQ(events(), stepEvents(ud, 0, 1, 1, WM_HSCROLL));
    tap(ud, 3, 12);
    EXPECT_EQ(events(), stepEvents(ud, 1, -1, 0, WM_HSCROLL));
}

TEST_F(UpDownTest, AcceleratorsAndBase)
{
    HWND ud = makeUpDown();
    UDACCEL accels[4] {};
    EXPECT_EQ(send(ud, UDM_GETACCEL, 4, reinterpret_cast<LPARAM>(accels)), 3);
    EXPECT_EQ(
        std::vector({accels[0].nSec, accels[0].nInc, accels[1].nSec, accels[1].nInc, accels[2].nSec, accels[2].nInc}),
        std::vector<UINT>({0, 1, 2, 5, 5, 20}));
    const UDACCEL mine[] = {{0, 2}, {1, 10}};
    EXPECT_TRUE(send(ud, UDM_SETACCEL, 2, reinterpret_cast<LPARAM>(mine)));
    EXPECT_FALSE(send(ud, UDM_SETACCEL, 0, reinterpret_cast<LPARAM>(mine)));
    EXPECT_FALSE(send(ud, UDM_SETACCEL, 2, 0));
    UDACCEL one {};
    EXPECT_EQ(send(ud, UDM_GETACCEL, 1, reinterpret_cast<LPARAM>(&one)), 2);
    EXPECT_EQ(one.nInc, 2u);

    EXPECT_EQ(send(ud, UDM_SETBASE, 16), 10);
    EXPECT_EQ(send(ud, UDM_SETBASE, 8), 0);
    EXPECT_EQ(send(ud, UDM_GETBASE), 16);
}

TEST_F(UpDownTest, HoldingAnArrowRepeatsFasterWithTime)
{
    HWND ud = makeUpDown();
    send(ud, UDM_SETRANGE32, 0, 1000);
    const DWORD start = GetTickCount();
    send(ud, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 2));
    EXPECT_EQ(position(ud), 1);
    int repeats = 0;
    for (DWORD held = 0; held < 2200; ++repeats) {
        const int before = position(ud);
        dispatchNextTimer();
        held = GetTickCount() - start;
        EXPECT_EQ(position(ud) - before, held >= 2000 ? 5 : 1) << "after " << held << " ms";
        EXPECT_EQ(held, 500 + 100 * static_cast<DWORD>(repeats)) << "half a second, then ten a second";
    }
    send(ud, WM_LBUTTONUP, 0, MAKELPARAM(8, 2));
    Sleep(1000);
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) << "no repeats after the release";
}

} // namespace
