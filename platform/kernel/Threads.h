// Device threads: host threads the platform started for a device process. Each knows its
// process; platform calls made on it act for that process.
#pragma once

#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "Waitable.h"

namespace ce {

struct Process;

// Thrown at a platform call of a thread whose process or thread was terminated; the thread's
// entry catches it, so our own code unwinds cleanly. Never caught elsewhere.
struct ThreadTermination {
    DWORD exitCode;
};

struct DeviceThread : Waitable {
    DWORD id = 0;
    Process* process = nullptr;   // owner; the process outlives its threads
    ULONGLONG creationTime = 0;   // FILETIME ticks, device clock
    ULONGLONG exitTime = 0;
    int priority = 3;             // THREAD_PRIORITY_NORMAL
    // Guarded by kernelLock():
    bool ended = false;
    bool terminateRequested = false;
    DWORD exitCode = 0x103;       // STILL_ACTIVE
    // Simulated threads have no host thread; they use CPU at this share of the clock's time.
    bool simulated = false;
    DWORD loadPercent = 0;
    // A simulated program's window thread: a host thread that reports loadPercent as its CPU too.
    bool describedLoad = false;
    // Guarded by kernelLock():
    DWORD terminateCode = 0;      // exit code TerminateThread asked for
    DWORD suspendCount = 0;       // the thread stops at its next platform call while nonzero
    std::thread::native_handle_type hostThread{};  // set while the host thread runs
    ULONGLONG hostCpuTime = 0;    // the host thread's CPU time when it ended
    std::vector<std::weak_ptr<KernelObject>> ownedMutexes;  // abandoned when the thread ends

    bool isSignaled() const override { return ended; }
};

// Starts a device thread of `process` running `body` on a new host thread. Its exit code is
// what `body` returns, or the code of ExitThread/ExitProcess/TerminateProcess.
std::shared_ptr<DeviceThread> startDeviceThread(Process& process, std::function<DWORD()> body);
// As startDeviceThread; `process` may be null for a thread a host thread outside any process
// starts, and a suspended thread runs `body` only after ResumeThread.
std::shared_ptr<DeviceThread> launchDeviceThread(Process* process, std::function<DWORD()> body, bool suspended);

// Ends every device thread and waits for their host threads (device shutdown). A thread ends
// at its next platform call; one that never makes one holds the shutdown.
void endDeviceThreads();

// The device thread the caller runs on, or null for a host thread the platform did not start.
DeviceThread* currentDeviceThread();

// Throws ThreadTermination when the calling device thread has been told to end. Every wait
// and every call that goes through deviceOrFail() calls it.
void checkTermination();

// Kernel and user CPU time of a thread in 100-ns units (takes kernelLock()). A host thread's
// CPU time counts as user time; a simulated thread uses loadPercent of the clock's time since
// its creation, a tenth of it in the kernel.
void threadTimes(const DeviceThread& thread, ULONGLONG& kernelTime, ULONGLONG& userTime);

}  // namespace ce
