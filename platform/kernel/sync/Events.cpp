// Events: manual- or auto-reset, set, reset and pulsed.
#include <algorithm>

#include "SyncObjects.h"
#include "Waits.h"
#include "kernel/Device.h"
#include "kfuncs.h"

namespace ce {
namespace {

struct Event : Waitable {
    Event(bool manualReset, bool signaled) : manualReset(manualReset), signaled(signaled) {}
    bool isSignaled() const override { return signaled; }
    void acquire() override
    {
        if (!manualReset)
            signaled = false;
    }

    const bool manualReset;
    bool signaled;  // guarded by kernelLock()
};

// Releases the threads waiting right now (one for an auto-reset event) and leaves the event
// reset; with nobody waiting the pulse is lost.
void pulse(Event& event)
{
    for (Waiter* waiter : activeWaiters()) {
        if (std::find(waiter->objects.begin(), waiter->objects.end(), &event) == waiter->objects.end())
            continue;
        waiter->pulsed.push_back(&event);
        if (!event.manualReset)
            break;
    }
    event.signaled = false;
}

BOOL modifyEvent(HANDLE hEvent, DWORD func)
{
    if (!deviceOrFail())
        return FALSE;
    auto event = objectOfHandle<Event>(hEvent);
    if (!event)
        return FALSE;
    if (func != EVENT_SET && func != EVENT_RESET && func != EVENT_PULSE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::lock_guard guard(kernelLock());
    if (func == EVENT_PULSE)
        pulse(*event);
    else
        event->signaled = func == EVENT_SET;
    wakeWaiters();
    return TRUE;
}

}  // namespace
}  // namespace ce

HANDLE CreateEventW(LPSECURITY_ATTRIBUTES, BOOL bManualReset, BOOL bInitialState, LPCWSTR lpName)
{
    if (!ce::deviceOrFail())
        return nullptr;
    return ce::createSyncObject<ce::Event>(
        lpName, [&] { return std::make_shared<ce::Event>(bManualReset != FALSE, bInitialState != FALSE); });
}

BOOL EventModify(HANDLE hEvent, DWORD func)
{
    return ce::modifyEvent(hEvent, func);
}

BOOL SetEvent(HANDLE hEvent)
{
    return ce::modifyEvent(hEvent, EVENT_SET);
}

BOOL ResetEvent(HANDLE hEvent)
{
    return ce::modifyEvent(hEvent, EVENT_RESET);
}

BOOL PulseEvent(HANDLE hEvent)
{
    return ce::modifyEvent(hEvent, EVENT_PULSE);
}
