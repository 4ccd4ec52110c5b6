// Mutexes (recursive ownership, release by a non-owner, abandonment), semaphores (limits and
// counts) and WaitForMultipleObjects over them.
#include <gtest/gtest.h>

#include "SyncTestSupport.h"
#include "TestDevice.h"

using namespace sync_test;
using testing_support::TestDevice;

namespace {

TEST(Mutex, OwnershipIsRecursive)
{
    TestDevice device;
    HANDLE mutex = CreateMutexW(nullptr, TRUE, nullptr);
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_TRUE(ReleaseMutex(mutex));
    SetLastError(0);
    EXPECT_FALSE(ReleaseMutex(mutex));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_OWNER));
}

TEST(Mutex, AnotherThreadCanNeitherTakeNorReleaseIt)
{
    TestDevice device;
    HANDLE mutex = CreateMutexW(nullptr, TRUE, nullptr);
    HANDLE thread = startThread([&]() -> DWORD {
        if (WaitForSingleObject(mutex, 100) != WAIT_TIMEOUT)
            return 1;
        SetLastError(0);
        if (ReleaseMutex(mutex) || GetLastError() != ERROR_NOT_OWNER)
            return 2;
        return 0;
    });
    EXPECT_EQ(joinThread(thread), 0u);
    EXPECT_TRUE(ReleaseMutex(mutex));
}

TEST(Mutex, AWaiterTakesItWhenTheOwnerReleasesIt)
{
    TestDevice device;
    HANDLE mutex = CreateMutexW(nullptr, TRUE, nullptr);
    HANDLE thread = startThread([&]() -> DWORD {
        if (WaitForSingleObject(mutex, INFINITE) != WAIT_OBJECT_0)
            return 1;
        return ReleaseMutex(mutex) ? 0 : 2;
    });
    Sleep(10);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(thread, &code));
    EXPECT_EQ(code, STILL_ACTIVE);
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(joinThread(thread), 0u);
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);
}

TEST(Mutex, AMutexWhoseOwnerEndedIsAbandoned)
{
    TestDevice device;
    HANDLE mutex = CreateMutexW(nullptr, FALSE, nullptr);
    HANDLE other = makeEvent(false, false);
    HANDLE thread = startThread([&] { return WaitForSingleObject(mutex, INFINITE); });
    EXPECT_EQ(joinThread(thread), WAIT_OBJECT_0);
    // The wait that takes an abandoned mutex says so, and owns it; later waits do not.
    const HANDLE handles[] = {other, mutex};
    EXPECT_EQ(WaitForMultipleObjects(2, handles, FALSE, 0), WAIT_ABANDONED + 1);
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);
}

TEST(Mutex, InitialOwnershipOnlyForANewMutex)
{
    TestDevice device;
    HANDLE first = CreateMutexW(nullptr, FALSE, u"Lock");
    HANDLE second = CreateMutexW(nullptr, TRUE, u"Lock");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    SetLastError(0);
    EXPECT_FALSE(ReleaseMutex(second));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_OWNER));
    EXPECT_EQ(WaitForSingleObject(first, 0), WAIT_OBJECT_0);
    EXPECT_TRUE(ReleaseMutex(second));
}

TEST(Semaphore, CreationChecksTheCounts)
{
    TestDevice device;
    struct Case {
        LONG initial;
        LONG maximum;
        bool valid;
    };
    const Case cases[] = {
        {0, 1, true}, {1, 1, true}, {5, 10, true}, {2, 1, false}, {-1, 1, false}, {0, 0, false}, {0, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.initial << " of " << c.maximum);
        SetLastError(0);
        HANDLE semaphore = CreateSemaphoreW(nullptr, c.initial, c.maximum, nullptr);
        EXPECT_EQ(semaphore != nullptr, c.valid);
        EXPECT_EQ(GetLastError(), c.valid ? static_cast<DWORD>(ERROR_SUCCESS) : static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
}

TEST(Semaphore, EachWaitTakesOneAndReleasesStopAtTheMaximum)
{
    TestDevice device;
    HANDLE semaphore = CreateSemaphoreW(nullptr, 1, 3, nullptr);
    LONG previous = -1;
    EXPECT_TRUE(ReleaseSemaphore(semaphore, 2, &previous));
    EXPECT_EQ(previous, 1);
    SetLastError(0);
    EXPECT_FALSE(ReleaseSemaphore(semaphore, 1, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TOO_MANY_POSTS));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(WaitForSingleObject(semaphore, 0), WAIT_OBJECT_0) << i;
    EXPECT_EQ(WaitForSingleObject(semaphore, 0), WAIT_TIMEOUT);
    EXPECT_TRUE(ReleaseSemaphore(semaphore, 3, &previous));
    EXPECT_EQ(previous, 0);

    for (LONG count : {0, -1}) {
        SetLastError(0);
        EXPECT_FALSE(ReleaseSemaphore(semaphore, count, nullptr));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    HANDLE event = makeEvent(true, true);
    SetLastError(0);
    EXPECT_FALSE(ReleaseSemaphore(event, 1, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(WaitForMultipleObjects, BadArgumentsFail)
{
    TestDevice device;
    HANDLE event = makeEvent(true, true);
    HANDLE many[65];
    std::fill(std::begin(many), std::end(many), event);
    const HANDLE withBad[] = {event, reinterpret_cast<HANDLE>(0x7777)};
    const HANDLE twice[] = {event, event};
    struct Case {
        DWORD count;
        const HANDLE* handles;
        BOOL all;
        DWORD error;
    };
    const Case cases[] = {
        {0, many, FALSE, ERROR_INVALID_PARAMETER},
        {65, many, FALSE, ERROR_INVALID_PARAMETER},
        {1, nullptr, FALSE, ERROR_INVALID_PARAMETER},
        {2, withBad, FALSE, ERROR_INVALID_HANDLE},
        {2, twice, TRUE, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "count " << c.count << " all " << c.all);
        SetLastError(0);
        EXPECT_EQ(WaitForMultipleObjects(c.count, c.handles, c.all, 0), WAIT_FAILED);
        EXPECT_EQ(GetLastError(), c.error);
    }
    // Up to 64 handles, the same one more than once when any of them will do.
    EXPECT_EQ(WaitForMultipleObjects(64, many, FALSE, 0), WAIT_OBJECT_0);
}

TEST(WaitForMultipleObjects, AnyReturnsTheFirstSignaledIndex)
{
    TestDevice device;
    HANDLE events[] = {makeEvent(false, false), makeEvent(false, true), makeEvent(false, true)};
    EXPECT_EQ(WaitForMultipleObjects(3, events, FALSE, 0), WAIT_OBJECT_0 + 1);
    EXPECT_EQ(WaitForMultipleObjects(3, events, FALSE, 0), WAIT_OBJECT_0 + 2);
    EXPECT_EQ(WaitForMultipleObjects(3, events, FALSE, 0), WAIT_TIMEOUT);
}

TEST(WaitForMultipleObjects, AllTakesNothingUntilEveryObjectIsSignaled)
{
    TestDevice device;
    HANDLE semaphore = CreateSemaphoreW(nullptr, 1, 1, nullptr);
    HANDLE event = makeEvent(false, false);
    const HANDLE handles[] = {semaphore, event};
    EXPECT_EQ(WaitForMultipleObjects(2, handles, TRUE, 0), WAIT_TIMEOUT);
    EXPECT_EQ(WaitForSingleObject(semaphore, 0), WAIT_OBJECT_0);  // not taken by the failed wait
    ReleaseSemaphore(semaphore, 1, nullptr);
    SetEvent(event);
    EXPECT_EQ(WaitForMultipleObjects(2, handles, TRUE, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(semaphore, 0), WAIT_TIMEOUT);
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);
}

}  // namespace
