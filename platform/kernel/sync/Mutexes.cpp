// Mutexes: owned by one thread at a time, recursively; a mutex whose owner ended is abandoned
// and the next wait that takes it reports so.
#include "SyncObjects.h"
#include "Waits.h"
#include "kernel/Device.h"
#include "kfuncs.h"

namespace ce {
namespace {

struct Mutex : Waitable, std::enable_shared_from_this<Mutex> {
    bool isSignaled() const override { return isSignaledFor(currentThreadId()); }
    bool isSignaledFor(DWORD threadId) const override { return owner == 0 || owner == threadId; }
    bool isAbandoned() const override { return abandoned; }
    void acquire() override
    {
        const DWORD threadId = currentThreadId();
        if (owner != threadId) {
            owner = threadId;
            abandoned = false;
            if (DeviceThread* thread = currentDeviceThread())
                thread->ownedMutexes.push_back(weak_from_this());
        }
        ++recursion;
    }

    // Guarded by kernelLock():
    DWORD owner = 0;  // thread id, 0 when free
    DWORD recursion = 0;
    bool abandoned = false;
};

void forgetOwnership(DeviceThread& thread, const Mutex& mutex)
{
    std::erase_if(thread.ownedMutexes, [&](const std::weak_ptr<KernelObject>& owned) {
        auto object = owned.lock();
        return !object || object.get() == &mutex;
    });
}

}  // namespace

void abandonMutexes(DeviceThread& thread)
{
    for (const auto& owned : thread.ownedMutexes) {
        auto mutex = std::dynamic_pointer_cast<Mutex>(owned.lock());
        if (mutex && mutex->owner == thread.id) {
            mutex->owner = 0;
            mutex->recursion = 0;
            mutex->abandoned = true;
        }
    }
    thread.ownedMutexes.clear();
}

}  // namespace ce

HANDLE CreateMutexW(LPSECURITY_ATTRIBUTES, BOOL bInitialOwner, LPCWSTR lpName)
{
    if (!ce::deviceOrFail())
        return nullptr;
    // An existing mutex of the same name is opened as it is: bInitialOwner only applies to a new one.
    return ce::createSyncObject<ce::Mutex>(lpName, [&] {
        auto mutex = std::make_shared<ce::Mutex>();
        if (bInitialOwner) {
            std::lock_guard guard(ce::kernelLock());
            mutex->acquire();
        }
        return mutex;
    });
}

BOOL ReleaseMutex(HANDLE hMutex)
{
    if (!ce::deviceOrFail())
        return FALSE;
    auto mutex = ce::objectOfHandle<ce::Mutex>(hMutex);
    if (!mutex)
        return FALSE;
    std::lock_guard guard(ce::kernelLock());
    if (mutex->owner != ce::currentThreadId()) {
        SetLastError(ERROR_NOT_OWNER);
        return FALSE;
    }
    if (--mutex->recursion == 0) {
        mutex->owner = 0;
        if (ce::DeviceThread* thread = ce::currentDeviceThread())
            ce::forgetOwnership(*thread, *mutex);
        ce::wakeWaiters();
    }
    return TRUE;
}
