// Device threads: exit codes, termination, suspension, priorities, ids, times and the errors
// of the thread calls.
#include <gtest/gtest.h>

#include <atomic>

#include "SyncTestSupport.h"
#include "TestDevice.h"

using namespace sync_test;
using testing_support::TestDevice;

namespace {

constexpr ULONGLONG ticksPerMs = 10'000;
const HANDLE badHandle = reinterpret_cast<HANDLE>(0x7777);

TEST(Thread, ExitCodeIsStillActiveUntilTheThreadReturns)
{
    TestDevice device;
    HANDLE go = makeEvent(true, false);
    HANDLE thread = startThread([&] {
        WaitForSingleObject(go, INFINITE);
        return 42;
    });
    ASSERT_NE(thread, nullptr);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(thread, &code));
    EXPECT_EQ(code, STILL_ACTIVE);
    EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_TIMEOUT);
    SetEvent(go);
    EXPECT_EQ(joinThread(thread), 42u);
}

TEST(Thread, ExitThreadAndTerminateThreadSetTheExitCode)
{
    TestDevice device;
    std::atomic<bool> unwound{false};
    struct Unwind {
        std::atomic<bool>& flag;
        ~Unwind() { flag = true; }
    };
    HANDLE exits = startThread([] {
        ExitThread(7);
        return 1;
    });
    EXPECT_EQ(joinThread(exits), 7u);

    HANDLE never = makeEvent(true, false);
    HANDLE blocked = startThread([&] {
        Unwind unwind{unwound};
        WaitForSingleObject(never, INFINITE);
        return 1;
    });
    Sleep(1);
    EXPECT_TRUE(TerminateThread(blocked, 9));
    EXPECT_EQ(joinThread(blocked), 9u);
    EXPECT_TRUE(unwound.load());
}

TEST(Thread, ShutdownEndsThreadsThatStillWait)
{
    std::atomic<bool> unwound{false};
    struct Unwind {
        std::atomic<bool>& flag;
        ~Unwind() { flag = true; }
    };
    {
        TestDevice device;
        HANDLE never = makeEvent(true, false);
        CloseHandle(startThread([&] {
            Unwind unwind{unwound};
            Sleep(INFINITE);
            WaitForSingleObject(never, INFINITE);
            return 0;
        }));
        Sleep(1);
        EXPECT_FALSE(unwound.load());
    }
    EXPECT_TRUE(unwound.load());
}

TEST(Thread, ASuspendedThreadRunsAfterItsLastResume)
{
    TestDevice device;
    std::atomic<int> runs{0};
    HANDLE thread = startThread(
        [&] {
            ++runs;
            return 0;
        },
        CREATE_SUSPENDED);
    Sleep(10);
    EXPECT_EQ(runs.load(), 0);
    EXPECT_EQ(SuspendThread(thread), 1u);
    EXPECT_EQ(ResumeThread(thread), 2u);
    Sleep(10);
    EXPECT_EQ(runs.load(), 0);
    EXPECT_EQ(ResumeThread(thread), 1u);
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(runs.load(), 1);
    EXPECT_EQ(ResumeThread(thread), 0u);
}

TEST(Thread, PriorityIsKept)
{
    TestDevice device;
    HANDLE go = makeEvent(true, false);
    HANDLE thread = startThread([&]() -> DWORD {
        WaitForSingleObject(go, INFINITE);
        return static_cast<DWORD>(GetThreadPriority(GetCurrentThread()));
    });
    EXPECT_EQ(GetThreadPriority(thread), THREAD_PRIORITY_NORMAL);
    for (int priority = THREAD_PRIORITY_TIME_CRITICAL; priority <= THREAD_PRIORITY_IDLE; ++priority) {
        EXPECT_TRUE(SetThreadPriority(thread, priority));
        EXPECT_EQ(GetThreadPriority(thread), priority);
    }
    for (int bad : {-1, 8}) {
        SetLastError(0);
        EXPECT_FALSE(SetThreadPriority(thread, bad));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    EXPECT_TRUE(SetThreadPriority(thread, THREAD_PRIORITY_HIGHEST));
    SetEvent(go);
    EXPECT_EQ(joinThread(thread), static_cast<DWORD>(THREAD_PRIORITY_HIGHEST));
}

TEST(Thread, IdsAreStableAndDistinct)
{
    TestDevice device;
    const DWORD mine = GetCurrentThreadId();
    EXPECT_NE(mine, 0u);
    EXPECT_EQ(GetCurrentThreadId(), mine);
    DWORD reported = 0;
    HANDLE thread = startThread([] { return GetCurrentThreadId(); }, 0, &reported);
    const DWORD seen = joinThread(thread);
    EXPECT_EQ(seen, reported);
    EXPECT_NE(seen, mine);
}

TEST(Thread, AThreadIdServesAsAHandle)
{
    TestDevice device;
    HANDLE go = makeEvent(true, false);
    DWORD id = 0;
    HANDLE thread = startThread([&] { return WaitForSingleObject(go, INFINITE) + 5; }, 0, &id);
    const auto byId = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(id));
    EXPECT_TRUE(SetThreadPriority(byId, THREAD_PRIORITY_LOWEST));
    EXPECT_EQ(GetThreadPriority(thread), THREAD_PRIORITY_LOWEST);
    EXPECT_EQ(WaitForSingleObject(byId, 0), WAIT_TIMEOUT);
    SetEvent(go);
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    // An ended thread keeps its id while a handle holds it.
    EXPECT_EQ(WaitForSingleObject(byId, 0), WAIT_OBJECT_0);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(byId, &code));
    EXPECT_EQ(code, 5u);
}

TEST(Thread, TimesFollowTheDeviceClock)
{
    TestDevice device;
    const ULONGLONG start = utcNow();
    HANDLE go = makeEvent(true, false);
    HANDLE thread = startThread([&] {
        WaitForSingleObject(go, INFINITE);
        volatile ULONGLONG sum = 0;
        for (ULONGLONG i = 0; i < 1'000'000; ++i)
            sum = sum + i;
        Sleep(250);
        return 0;
    });
    FILETIME creation{}, exit{}, kernel{}, user{};
    EXPECT_TRUE(GetThreadTimes(thread, &creation, &exit, &kernel, &user));
    EXPECT_EQ(ticksOf(creation), start);
    EXPECT_EQ(ticksOf(exit), 0u);
    SetEvent(go);
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    EXPECT_TRUE(GetThreadTimes(thread, &creation, &exit, &kernel, &user));
    EXPECT_EQ(ticksOf(exit) - ticksOf(creation), 250 * ticksPerMs);
    EXPECT_GT(ticksOf(user), 0u);  // the loop's host CPU time
    FILETIME again[4]{};
    EXPECT_TRUE(GetThreadTimes(thread, &again[0], &again[1], &again[2], &again[3]));
    EXPECT_EQ(ticksOf(again[3]), ticksOf(user));  // an ended thread's times stay
    SetLastError(0);
    EXPECT_FALSE(GetThreadTimes(thread, &creation, nullptr, &kernel, &user));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(Thread, CallsOnBadHandlesFail)
{
    TestDevice device;
    HANDLE event = makeEvent(true, false);
    // The current-thread pseudo handle names no thread on a host thread the platform did not start.
    for (HANDLE handle : {badHandle, event, GetCurrentThread()}) {
        DWORD code = 0;
        FILETIME times[4]{};
        auto expectInvalidHandle = [] { EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE)); };
        SetLastError(0);
        EXPECT_FALSE(GetExitCodeThread(handle, &code));
        expectInvalidHandle();
        SetLastError(0);
        EXPECT_FALSE(TerminateThread(handle, 1));
        expectInvalidHandle();
        SetLastError(0);
        EXPECT_EQ(ResumeThread(handle), 0xFFFFFFFFu);
        expectInvalidHandle();
        SetLastError(0);
        EXPECT_EQ(SuspendThread(handle), 0xFFFFFFFFu);
        expectInvalidHandle();
        SetLastError(0);
        EXPECT_FALSE(SetThreadPriority(handle, THREAD_PRIORITY_NORMAL));
        expectInvalidHandle();
        SetLastError(0);
        EXPECT_EQ(GetThreadPriority(handle), 0x7FFFFFFF);
        expectInvalidHandle();
        SetLastError(0);
        EXPECT_FALSE(GetThreadTimes(handle, &times[0], &times[1], &times[2], &times[3]));
        expectInvalidHandle();
    }
}

TEST(Thread, CreateThreadChecksItsArguments)
{
    TestDevice device;
    SetLastError(0);
    EXPECT_EQ(CreateThread(nullptr, 0, nullptr, nullptr, 0, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(0);
    EXPECT_EQ(CreateThread(nullptr, 0, runFunction, nullptr, 0x2, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

}  // namespace
