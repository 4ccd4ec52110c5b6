// The wait engine behind every blocking platform call: the threads waiting now (so PulseEvent
// can release exactly them) and the count of device threads running between waits (so virtual
// time moves only when all of them wait).
#pragma once

#include <list>
#include <span>
#include <vector>

#include "kernel/Threads.h"

namespace ce {

// One wait in progress. Guarded by kernelLock().
struct Waiter {
    std::span<Waitable* const> objects;
    bool all = false;
    DWORD threadId = 0;
    std::vector<const Waitable*> pulsed;  // events pulsed while this thread waited
};

// The waits in progress, oldest first. Guarded by kernelLock().
std::list<Waiter*>& activeWaiters();

// Waits for one (any) or every (all) object: WAIT_OBJECT_0 + i, WAIT_ABANDONED + i or
// WAIT_TIMEOUT; WAIT_FAILED when the device shut down meanwhile. Throws ThreadTermination on a
// device thread told to end.
DWORD waitForObjects(std::span<Waitable* const> objects, bool all, DWORD milliseconds);

// For a host thread watching the device: waits until some wait starts, ends or changes, or
// `milliseconds` of host time pass. Call without kernelLock() held.
void waitForWaitChange(unsigned milliseconds);

// A device thread began or stopped running platform-visible code (started, ended).
// Both are called with kernelLock() held.
void deviceThreadRunning();
void deviceThreadStopped();

// Whether `thread` has been told to end, and with which exit code. Called with kernelLock() held.
bool mustEnd(const DeviceThread& thread, DWORD& exitCode);

// The calling device thread as a shared object (for the GetCurrentThread pseudo handle), or null.
std::shared_ptr<DeviceThread> currentDeviceThreadShared();

// The thread with this id among the device's processes and the threads outside any process
// still held by a handle (takes kernelLock()), or null.
std::shared_ptr<DeviceThread> findThread(DWORD id);

// Marks the mutexes `thread` still owns abandoned. Called with kernelLock() held.
void abandonMutexes(DeviceThread& thread);

}  // namespace ce
