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
    // As isSignaled(), for the thread `threadId`: a mutex is signaled for the thread that owns it.
    virtual bool isSignaledFor(DWORD threadId) const
    {
        (void)threadId;
        return isSignaled();
    }
    // A mutex whose owner ended without releasing it: the next satisfied wait reports it.
    virtual bool isAbandoned() const { return false; }
};

// Waits for `object` with a time-out in the device clock's milliseconds (INFINITE for none).
// Returns WAIT_OBJECT_0, WAIT_TIMEOUT or WAIT_ABANDONED (WAIT_FAILED once the device shut
// down). In virtual time the clock moves to the earliest time-out only when every device thread
// is waiting, so time-outs pass without real waiting. Throws ThreadTermination when the calling thread's process ends meanwhile.
DWORD waitFor(Waitable& object, DWORD milliseconds);

// Sleep: a wait on nothing, under the same rule as time-outs. Zero only yields.
void sleepFor(DWORD milliseconds);

// Moves a virtual clock forward (the host's advanceDeviceClock); waits whose time has come end.
void advanceClock(ULONGLONG milliseconds);

// The calling thread's id: its device thread's id, or a stable id given to a host thread.
DWORD currentThreadId();

}  // namespace ce
