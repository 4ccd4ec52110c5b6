// Semaphores: a count between zero and a maximum; each satisfied wait takes one.
#include "SyncObjects.h"
#include "kernel/Device.h"
#include "kfuncs.h"
#include "winerror.h"

namespace ce {
namespace {

struct Semaphore : Waitable {
    Semaphore(LONG count, LONG maximum) : count(count), maximum(maximum) {}
    bool isSignaled() const override { return count > 0; }
    void acquire() override { --count; }

    LONG count;  // guarded by kernelLock()
    const LONG maximum;
};

}  // namespace
}  // namespace ce

HANDLE CreateSemaphoreW(LPSECURITY_ATTRIBUTES, LONG lInitialCount, LONG lMaximumCount, LPCWSTR lpName)
{
    if (!ce::deviceOrFail())
        return nullptr;
    if (lMaximumCount <= 0 || lInitialCount < 0 || lInitialCount > lMaximumCount) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return ce::createSyncObject<ce::Semaphore>(
        lpName, [&] { return std::make_shared<ce::Semaphore>(lInitialCount, lMaximumCount); });
}

BOOL ReleaseSemaphore(HANDLE hSemaphore, LONG lReleaseCount, LPLONG lpPreviousCount)
{
    if (!ce::deviceOrFail())
        return FALSE;
    auto semaphore = ce::objectOfHandle<ce::Semaphore>(hSemaphore);
    if (!semaphore)
        return FALSE;
    if (lReleaseCount <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::lock_guard guard(ce::kernelLock());
    if (lReleaseCount > semaphore->maximum - semaphore->count) {
        SetLastError(ERROR_TOO_MANY_POSTS);
        return FALSE;
    }
    if (lpPreviousCount)
        *lpPreviousCount = semaphore->count;
    semaphore->count += lReleaseCount;
    ce::wakeWaiters();
    return TRUE;
}
