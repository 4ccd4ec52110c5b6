// Waits in virtual time: time-outs pass at once with the clock moved by exactly the time-out,
// a running device thread holds the clock until it waits, and sleepers wake in deadline order.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <vector>

#include "SyncTestSupport.h"
#include "TestDevice.h"

using namespace sync_test;
using testing_support::TestDevice;

namespace {

TEST(VirtualTime, TimeOutsMoveTheClockByExactlyTheTimeOut)
{
    TestDevice device;
    HANDLE event = makeEvent(false, false);
    const HANDLE handles[] = {event, CreateSemaphoreW(nullptr, 0, 1, nullptr)};
    for (DWORD timeout : {0u, 1u, 1000u, 60'000u, 86'400'000u}) {
        SCOPED_TRACE(timeout);
        DWORD before = GetTickCount();
        EXPECT_EQ(WaitForSingleObject(event, timeout), WAIT_TIMEOUT);
        EXPECT_EQ(GetTickCount() - before, timeout);
        before = GetTickCount();
        EXPECT_EQ(WaitForMultipleObjects(2, handles, FALSE, timeout), WAIT_TIMEOUT);
        EXPECT_EQ(GetTickCount() - before, timeout);
        before = GetTickCount();
        Sleep(timeout);
        EXPECT_EQ(GetTickCount() - before, timeout);
    }
}

TEST(VirtualTime, ASignaledWaitDoesNotMoveTheClock)
{
    TestDevice device;
    const ULONGLONG before = utcNow();
    EXPECT_EQ(WaitForSingleObject(makeEvent(true, true), 5000), WAIT_OBJECT_0);
    EXPECT_EQ(utcNow(), before);
}

// One device thread releases another, which then releases us: no time passes.
TEST(VirtualTime, AWaiterInOneThreadIsReleasedByAnother)
{
    TestDevice device;
    HANDLE first = makeEvent(false, false);
    HANDLE second = makeEvent(false, false);
    HANDLE waiter = startThread([&] { return WaitForSingleObject(first, INFINITE) == WAIT_OBJECT_0 && SetEvent(second) ? 0 : 1; });
    HANDLE releaser = startThread([&] { return SetEvent(first) ? 0 : 1; });
    const DWORD before = GetTickCount();
    EXPECT_EQ(WaitForSingleObject(second, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(GetTickCount(), before);
    EXPECT_EQ(joinThread(waiter), 0u);
    EXPECT_EQ(joinThread(releaser), 0u);
}

TEST(VirtualTime, AComputingThreadHoldsTheClockUntilItWaits)
{
    TestDevice device;
    HANDLE done = makeEvent(true, false);
    HANDLE looked = makeEvent(true, false);
    HANDLE worker = startThread([&] {
        volatile ULONGLONG sum = 0;
        for (ULONGLONG i = 0; i < 5'000'000; ++i)
            sum = sum + i;
        SetEvent(done);
        // Its sleep waits until the test has read the clock, which it would otherwise move.
        WaitForSingleObject(looked, INFINITE);
        Sleep(100);
        return 0;
    });
    const DWORD before = GetTickCount();
    // Our time-out cannot pass while the worker computes: the event comes first.
    EXPECT_EQ(WaitForSingleObject(done, 10), WAIT_OBJECT_0);
    EXPECT_EQ(GetTickCount(), before);
    SetEvent(looked);
    EXPECT_EQ(joinThread(worker), 0u);
    EXPECT_EQ(GetTickCount() - before, 100u);
}

TEST(VirtualTime, TheHostMovingTheClockEndsWaitsWhoseTimeHasCome)
{
    TestDevice device;
    std::atomic<bool> stop{false};
    HANDLE computing = startThread([&] {
        while (!stop.load())
            ;
        return 0;
    });
    HANDLE waiter = startThread([&] { return WaitForSingleObject(makeEvent(true, false), 1000); });
    // The computing thread holds the clock, so only the host's steps can end the wait.
    for (int step = 0; step < 10'000'000 && WaitForSingleObject(waiter, 0) == WAIT_TIMEOUT; ++step)
        emulator::advanceDeviceClock(1);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(computing, &code));
    EXPECT_EQ(code, STILL_ACTIVE);
    EXPECT_EQ(joinThread(waiter), WAIT_TIMEOUT);
    stop = true;
    EXPECT_EQ(joinThread(computing), 0u);
}

TEST(VirtualTime, SleepersWakeInDeadlineOrder)
{
    TestDevice device;
    std::mutex lock;
    std::vector<std::pair<DWORD, DWORD>> woke;  // (sleep, tick at waking)
    const DWORD start = GetTickCount();
    // The threads start sleeping together: nothing moves the clock while one of them is released
    // and not yet asleep.
    HANDLE go = makeEvent(true, false);
    std::vector<HANDLE> threads;
    for (DWORD ms : {300u, 100u, 200u, 100u, 50u}) {
        threads.push_back(startThread([&, ms] {
            WaitForSingleObject(go, INFINITE);
            Sleep(ms);
            std::lock_guard guard(lock);
            woke.emplace_back(ms, GetTickCount() - start);
            return 0;
        }));
    }
    SetEvent(go);
    EXPECT_EQ(WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, INFINITE), WAIT_OBJECT_0);
    const std::vector<std::pair<DWORD, DWORD>> expected = {{50, 50}, {100, 100}, {100, 100}, {200, 200}, {300, 300}};
    EXPECT_EQ(woke, expected);
    EXPECT_EQ(GetTickCount() - start, 300u);
}

}  // namespace
