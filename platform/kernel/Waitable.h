// Kernel objects that threads wait on, and the one lock that guards every such object's state.
// A state change happens under kernelLock() and is announced with wakeWaiters(); waits look at
// the state under the same lock, so no wake-up is ever lost.
#pragma once

#include <mutex>

#include "Handles.h"

namespace ce {

std::mutex& kernelLock();
// Wakes every waiting thread to look at its object again (call after a state change).
void wakeWaiters();

struct Waitable : KernelObject {
    // Both are called with kernelLock() held.
    virtual bool isSignaled() const = 0;
    // Takes what a satisfied wait takes: an auto-reset event's signal, a semaphore count,
    // a mutex's ownership.
    virtual void acquire() {}
};

// Waits for `object` with a time-out in the device clock's milliseconds (INFINITE for none).
// Returns WAIT_OBJECT_0, WAIT_TIMEOUT or WAIT_ABANDONED. In virtual time the clock moves to the
// earliest time-out only when every device thread is waiting, so time-outs pass without real
// waiting. Throws ThreadTermination when the calling thread's process ends meanwhile.
DWORD waitFor(Waitable& object, DWORD milliseconds);

}  // namespace ce
