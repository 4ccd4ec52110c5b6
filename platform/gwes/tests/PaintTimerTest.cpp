// Timers on the virtual device clock, and WM_PAINT from the update rectangle.
#include <gtest/gtest.h>

#include "MessageLog.h"
#include "TestDevice.h"

using namespace gwes_test;

namespace {

class PaintTimerTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    void SetUp() override { ASSERT_NE(registerRecorder(), 0); }
};

struct Fired {
    UINT_PTR id;
    DWORD atMs;
    bool operator==(const Fired&) const = default;
};

TEST_F(PaintTimerTest, TimersFireInOrderAsTheVirtualClockMoves)
{
    HWND hwnd = makeWindow();
    const DWORD start = GetTickCount();
    ASSERT_EQ(SetTimer(hwnd, 1, 100, nullptr), 1u);
    ASSERT_EQ(SetTimer(hwnd, 2, 250, nullptr), 2u);
    std::vector<Fired> fired;
    MSG msg;
    while (fired.size() < 5 && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER)
            fired.push_back({msg.wParam, GetTickCount() - start});
    }
    EXPECT_EQ(fired, (std::vector<Fired> {{1, 100}, {1, 200}, {2, 250}, {1, 300}, {1, 400}}));
    EXPECT_TRUE(KillTimer(hwnd, 1));
    EXPECT_FALSE(KillTimer(hwnd, 1));
    ASSERT_GT(GetMessageW(&msg, nullptr, 0, 0), 0);
    EXPECT_EQ(msg.wParam, 2u);
    EXPECT_EQ(GetTickCount() - start, 500u);
}

std::vector<UINT_PTR> procTimers;
void timerProc(HWND, UINT message, UINT_PTR id, DWORD)
{
    if (message == WM_TIMER)
        procTimers.push_back(id);
}

TEST_F(PaintTimerTest, ThreadTimerCallsItsProcedureThroughDispatch)
{
    procTimers.clear();
    const UINT_PTR id = SetTimer(nullptr, 0, 50, timerProc);
    ASSERT_NE(id, 0u);
    MSG msg;
    ASSERT_GT(GetMessageW(&msg, nullptr, 0, 0), 0);
    DispatchMessageW(&msg);
    EXPECT_EQ(procTimers, std::vector<UINT_PTR> {id});
    EXPECT_TRUE(KillTimer(nullptr, id));
    EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 200, QS_TIMER), WAIT_TIMEOUT);
}

TEST_F(PaintTimerTest, InvalidWindowGetsPaintAfterPostedMessagesAndNoneOnceValid)
{
    HWND hwnd = makeWindow(WS_VISIBLE); // shown: wholly invalid
    ValidateRect(hwnd, nullptr);
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));

    const RECT a {10, 10, 20, 20};
    const RECT b {30, 5, 40, 15};
    InvalidateRect(hwnd, &a, FALSE);
    InvalidateRect(hwnd, &b, TRUE);
    PostMessageW(hwnd, WM_APP, 0, 0);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_APP));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
    EXPECT_EQ(msg.hwnd, hwnd);

    MessageLog::instance().take({});
    PAINTSTRUCT paint;
    ASSERT_NE(BeginPaint(hwnd, &paint), nullptr);
    const RECT& r = paint.rcPaint;
    EXPECT_EQ(std::vector<LONG>({r.left, r.top, r.right, r.bottom}), std::vector<LONG>({10, 5, 40, 20}));
    EXPECT_TRUE(paint.fErase); // no background brush answered WM_ERASEBKGND
    EXPECT_TRUE(EndPaint(hwnd, &paint));
    EXPECT_EQ(MessageLog::instance().take({WM_ERASEBKGND}).size(), 1u);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(PaintTimerTest, DefaultPaintValidatesAndHiddenWindowsGetNone)
{
    HWND shown = makeWindow(WS_VISIBLE);
    HWND hidden = makeWindow();
    InvalidateRect(hidden, nullptr, FALSE);
    MessageLog::instance().take({});
    EXPECT_EQ(pumpWaiting(), 1);
    EXPECT_EQ(MessageLog::instance().take({WM_PAINT}), (std::vector<Received> {{shown, WM_PAINT, 0}}));
    RECT update;
    EXPECT_TRUE(GetUpdateRect(hidden, &update, FALSE));
    ShowWindow(hidden, SW_SHOWNA);
    ASSERT_TRUE(UpdateWindow(hidden)); // paints at once, without the queue
    EXPECT_EQ(MessageLog::instance().take({WM_PAINT}), (std::vector<Received> {{hidden, WM_PAINT, 0}}));
    EXPECT_FALSE(GetUpdateRect(hidden, &update, FALSE));
}

TEST_F(PaintTimerTest, ValidatingPartOfTheUpdateRectangleKeepsTheRest)
{
    HWND hwnd = makeWindow(WS_VISIBLE, nullptr, 0, 0, 0, 100, 50);
    const RECT top {0, 0, 100, 20};
    ValidateRect(hwnd, &top);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_EQ(
        std::vector<LONG>({update.left, update.top, update.right, update.bottom}), std::vector<LONG>({0, 20, 100, 50}));
    const RECT outside {200, 200, 300, 300};
    InvalidateRect(hwnd, &outside, FALSE); // clipped to the client area: no change
    GetUpdateRect(hwnd, &update, FALSE);
    EXPECT_EQ(update.bottom, 50);
}

} // namespace
