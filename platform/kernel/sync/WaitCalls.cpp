// WaitForSingleObject and WaitForMultipleObjects over any waitable handle.
#include <algorithm>
#include <vector>

#include "ThreadObjects.h"
#include "Waits.h"
#include "kernel/Device.h"
#include "kfuncs.h"
#include "winerror.h"

namespace {

constexpr DWORD maximumWaitObjects = 64;

std::shared_ptr<ce::Waitable> waitableOf(HANDLE handle)
{
    if (handle == ce::currentThreadPseudoHandle)
        return ce::currentDeviceThreadShared();
    if (auto object = ce::lookupHandle(handle))
        return std::dynamic_pointer_cast<ce::Waitable>(object);
    return ce::threadOfId(handle);
}

DWORD failWait(DWORD error)
{
    SetLastError(error);
    return WAIT_FAILED;
}

}  // namespace

DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds)
{
    if (!ce::deviceOrFail())
        return WAIT_FAILED;
    auto object = waitableOf(hHandle);
    if (!object)
        return failWait(ERROR_INVALID_HANDLE);
    return ce::waitFor(*object, dwMilliseconds);
}

DWORD WaitForMultipleObjects(DWORD nCount, const HANDLE* lpHandles, BOOL fWaitAll, DWORD dwMilliseconds)
{
    if (!ce::deviceOrFail())
        return WAIT_FAILED;
    if (!lpHandles || nCount == 0 || nCount > maximumWaitObjects)
        return failWait(ERROR_INVALID_PARAMETER);
    std::vector<std::shared_ptr<ce::Waitable>> held;
    std::vector<ce::Waitable*> objects;
    for (DWORD i = 0; i < nCount; ++i) {
        auto object = waitableOf(lpHandles[i]);
        if (!object)
            return failWait(ERROR_INVALID_HANDLE);
        objects.push_back(object.get());
        held.push_back(std::move(object));
    }
    if (fWaitAll) {
        // Waiting for all of an object twice would take it twice.
        auto sorted = objects;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
            return failWait(ERROR_INVALID_PARAMETER);
    }
    return ce::waitForObjects(objects, fWaitAll != FALSE, dwMilliseconds);
}
