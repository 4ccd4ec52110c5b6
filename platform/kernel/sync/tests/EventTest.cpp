// Events: initial state, manual and auto reset, pulses, names shared across the device, and
// the errors of bad handles.
#include <gtest/gtest.h>

#include <atomic>

#include "SyncTestSupport.h"
#include "TestDevice.h"

using namespace sync_test;
using testing_support::TestDevice;

namespace {

TEST(Event, InitialStateAndResetKind)
{
    TestDevice device;
    struct Case {
        bool manualReset;
        bool initialState;
        DWORD firstWait;
        DWORD secondWait;
    };
    const Case cases[] = {
        {false, false, WAIT_TIMEOUT, WAIT_TIMEOUT},
        {false, true, WAIT_OBJECT_0, WAIT_TIMEOUT},  // an auto-reset event is taken by the wait
        {true, false, WAIT_TIMEOUT, WAIT_TIMEOUT},
        {true, true, WAIT_OBJECT_0, WAIT_OBJECT_0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "manual " << c.manualReset << " initial " << c.initialState);
        HANDLE event = makeEvent(c.manualReset, c.initialState);
        ASSERT_NE(event, nullptr);
        EXPECT_EQ(WaitForSingleObject(event, 0), c.firstWait);
        EXPECT_EQ(WaitForSingleObject(event, 0), c.secondWait);
        EXPECT_TRUE(CloseHandle(event));
    }
}

TEST(Event, SetResetAndEventModify)
{
    TestDevice device;
    HANDLE event = makeEvent(true, false);
    EXPECT_TRUE(SetEvent(event));
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
    EXPECT_TRUE(ResetEvent(event));
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);
    EXPECT_TRUE(EventModify(event, EVENT_SET));
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
    EXPECT_TRUE(EventModify(event, EVENT_RESET));
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);
    EXPECT_TRUE(EventModify(event, EVENT_SET));
    EXPECT_TRUE(EventModify(event, EVENT_PULSE));  // a pulse leaves the event reset
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);
    SetLastError(0);
    EXPECT_FALSE(EventModify(event, 4));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(Event, CallsOnBadHandlesFail)
{
    TestDevice device;
    HANDLE semaphore = CreateSemaphoreW(nullptr, 1, 1, nullptr);
    HANDLE closed = makeEvent(false, false);
    CloseHandle(closed);
    for (HANDLE handle : {static_cast<HANDLE>(nullptr), semaphore, closed}) {
        for (auto call : {SetEvent, ResetEvent, PulseEvent}) {
            SetLastError(0);
            EXPECT_FALSE(call(handle));
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        }
    }
    SetLastError(0);
    EXPECT_EQ(WaitForSingleObject(closed, 0), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(Event, CallsWithoutADeviceFailWithNotReady)
{
    SetLastError(0);
    EXPECT_EQ(makeEvent(true, true), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_READY));
    SetLastError(0);
    EXPECT_EQ(WaitForSingleObject(reinterpret_cast<HANDLE>(0x100), 0), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_READY));
}

TEST(Event, NamesAreSharedAcrossTheDevice)
{
    TestDevice device;
    SetLastError(ERROR_INVALID_DATA);
    HANDLE first = makeEvent(true, false, u"Ready");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    // The second create opens the first event: its own arguments do not apply.
    HANDLE second = makeEvent(false, true, u"Ready");
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(WaitForSingleObject(second, 0), WAIT_TIMEOUT);
    SetEvent(first);
    EXPECT_EQ(WaitForSingleObject(second, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(second, 0), WAIT_OBJECT_0);  // still manual reset

    // Another kind of object cannot take the name; a different name is another event.
    SetLastError(0);
    EXPECT_EQ(CreateMutexW(nullptr, FALSE, u"Ready"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    HANDLE other = makeEvent(true, false, u"ready");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(WaitForSingleObject(other, 0), WAIT_TIMEOUT);

    // The name goes with the last handle.
    CloseHandle(first);
    CloseHandle(second);
    HANDLE fresh = makeEvent(false, false, u"Ready");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(WaitForSingleObject(fresh, 0), WAIT_TIMEOUT);
}

TEST(Event, APulseWithNoWaiterIsLost)
{
    TestDevice device;
    for (bool manualReset : {false, true}) {
        HANDLE event = makeEvent(manualReset, false);
        EXPECT_TRUE(PulseEvent(event));
        EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT) << "manual " << manualReset;
    }
}

// Three threads wait on one event; a pulse releases one of them (auto reset) or all (manual).
TEST(Event, APulseReleasesTheThreadsWaitingAtThatMoment)
{
    struct Case {
        bool manualReset;
        int released;
    };
    for (const Case c : {Case{false, 1}, Case{true, 3}}) {
        SCOPED_TRACE(testing::Message() << "manual " << c.manualReset);
        std::atomic<int> released{0};
        TestDevice device;
        HANDLE event = makeEvent(c.manualReset, false);
        for (int i = 0; i < 3; ++i) {
            CloseHandle(startThread([&] {
                if (WaitForSingleObject(event, INFINITE) == WAIT_OBJECT_0)
                    ++released;
                return 0;
            }));
        }
        // A timed wait of ours ends only once every device thread waits.
        Sleep(1);
        EXPECT_TRUE(PulseEvent(event));
        Sleep(1);
        EXPECT_EQ(released.load(), c.released);
        EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);
        // A pulse is not kept for threads that wait later.
        Sleep(1);
        EXPECT_EQ(released.load(), c.released);
    }  // shutdown ends the threads still waiting
}

TEST(Event, SetReleasesOneWaiterOfAnAutoResetEventAndAllOfAManualOne)
{
    for (bool manualReset : {false, true}) {
        SCOPED_TRACE(testing::Message() << "manual " << manualReset);
        std::atomic<int> released{0};
        TestDevice device;
        HANDLE event = makeEvent(manualReset, false);
        for (int i = 0; i < 3; ++i) {
            CloseHandle(startThread([&] {
                WaitForSingleObject(event, INFINITE);
                ++released;
                return 0;
            }));
        }
        Sleep(1);
        SetEvent(event);
        Sleep(1);
        EXPECT_EQ(released.load(), manualReset ? 3 : 1);
        EXPECT_EQ(WaitForSingleObject(event, 0), manualReset ? WAIT_OBJECT_0 : WAIT_TIMEOUT);
    }
}

}  // namespace
