// The progress bar through its messages: ranges and what they return, clamping, stepping round
// past the ends, colours, and the repaints a change asks for.
#include "RangeTestSupport.h"

using namespace range_test;

namespace {

class ProgressBarTest : public RangeTest {
protected:
    HWND bar = nullptr;
    void SetUp() override
    {
        RangeTest::SetUp();
        bar = make(PROGRESS_CLASSW, 0, 10, 10, 200, 12);
        ValidateRect(bar, nullptr);
    }
    int position() { return static_cast<int>(send(bar, PBM_GETPOS)); }
    bool needsPaint() { return GetUpdateRect(bar, nullptr, FALSE); }
};

TEST_F(ProgressBarTest, StartsAtZeroOfAHundredWithStepTen)
{
    PBRANGE range {-1, -1};
    EXPECT_EQ(send(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)), 0);
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 100);
    EXPECT_EQ(send(bar, PBM_GETRANGE, FALSE, 0), 100);
    EXPECT_EQ(position(), 0);
    EXPECT_EQ(send(bar, PBM_SETSTEP, 5), 10);
    EXPECT_EQ(send(bar, PBM_SETSTEP, 1), 5);
}

TEST_F(ProgressBarTest, SettingARangeReturnsThePreviousOnePacked)
{
    EXPECT_EQ(send(bar, PBM_SETRANGE, 0, MAKELPARAM(10, 50)), MAKELONG(0, 100));
    EXPECT_EQ(send(bar, PBM_SETRANGE32, 1000, 70000), MAKELONG(10, 50));
    EXPECT_EQ(send(bar, PBM_GETRANGE, TRUE, 0), 1000);
    EXPECT_EQ(send(bar, PBM_GETRANGE, FALSE, 0), 70000);
    // The packed answer keeps only 16 bits of each end.
    EXPECT_EQ(send(bar, PBM_SETRANGE32, -5, 5), MAKELONG(1000, static_cast<WORD>(70000)));
    EXPECT_EQ(send(bar, PBM_GETRANGE, TRUE, 0), -5);
}

TEST_F(ProgressBarTest, PositionsAreClampedIntoTheRange)
{
    struct Case {
        UINT message;
        int argument;
        int previous;
        int now;
    };
    send(bar, PBM_SETRANGE32, 20, 80);
    EXPECT_EQ(position(), 20) << "a new range pulls the position in";
    const Case cases[] = {
        {PBM_SETPOS, 50, 20, 50},
        {PBM_SETPOS, 200, 50, 80},
        {PBM_SETPOS, -3, 80, 20},
        {PBM_DELTAPOS, 15, 20, 35},
        {PBM_DELTAPOS, 100, 35, 80},
        {PBM_DELTAPOS, -30, 80, 50},
        {PBM_DELTAPOS, -90, 50, 20},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(send(bar, c.message, static_cast<WPARAM>(c.argument)), c.previous) << c.argument;
        EXPECT_EQ(position(), c.now) << c.argument;
    }
    send(bar, PBM_SETPOS, 80);
    send(bar, PBM_SETRANGE32, 0, 60);
    EXPECT_EQ(position(), 60);
}

TEST_F(ProgressBarTest, SteppingPastTheEndsStartsOverKeepingTheOvershoot)
{
    struct Case {
        int low, high, step, start;
        std::vector<int> then;
    };
    const Case cases[] = {
        {0, 100, 10, 80, {90, 100, 10, 20}},
        {0, 100, 30, 50, {80, 10, 40}},
        {3, 15, 5, 3, {8, 13, 6, 11, 4}},
        {0, 100, -30, 40, {10, 80, 50}},
        {7, 7, 3, 7, {7, 7}},
    };
    for (const Case& c : cases) {
        send(bar, PBM_SETRANGE32, static_cast<WPARAM>(c.low), c.high);
        send(bar, PBM_SETSTEP, static_cast<WPARAM>(c.step));
        send(bar, PBM_SETPOS, static_cast<WPARAM>(c.start));
        int expectedPrevious = c.start;
        for (int expected : c.then) {
            EXPECT_EQ(send(bar, PBM_STEPIT), expectedPrevious) << c.low << ".." << c.high << " step " << c.step;
            EXPECT_EQ(position(), expected) << c.low << ".." << c.high << " step " << c.step;
            expectedPrevious = expected;
        }
    }
}

TEST_F(ProgressBarTest, ColoursReturnTheirPreviousValue)
{
    EXPECT_EQ(static_cast<COLORREF>(send(bar, PBM_SETBARCOLOR, 0, 0x0000FF)), CLR_DEFAULT);
    EXPECT_EQ(static_cast<COLORREF>(send(bar, PBM_SETBARCOLOR, 0, 0x00FF00)), 0x0000FFu);
    EXPECT_EQ(static_cast<COLORREF>(send(bar, PBM_SETBKCOLOR, 0, 0xFFFFFF)), CLR_DEFAULT);
    EXPECT_EQ(static_cast<COLORREF>(send(bar, PBM_SETBKCOLOR, 0, CLR_DEFAULT)), 0xFFFFFFu);
}

TEST_F(ProgressBarTest, OnlyChangesAskForARepaint)
{
    send(bar, PBM_SETPOS, 0);
    EXPECT_FALSE(needsPaint()) << "the same position";
    send(bar, PBM_SETPOS, 40);
    EXPECT_TRUE(needsPaint());
    UpdateWindow(bar);
    EXPECT_FALSE(needsPaint()) << "painting validates";
    send(bar, PBM_STEPIT);
    EXPECT_TRUE(needsPaint());
    ValidateRect(bar, nullptr);
    send(bar, PBM_SETRANGE32, 0, 100);
    EXPECT_FALSE(needsPaint()) << "the same range";
    send(bar, PBM_SETRANGE32, 0, 50);
    EXPECT_TRUE(needsPaint());
}

} // namespace
