// The thread calls. A host thread outside any process (the device tool, a test) may start
// device threads too; they belong to no process and end at shutdown at the latest.
#include "ThreadObjects.h"
#include "Waits.h"
#include "kernel/Clock.h"
#include "kernel/Device.h"
#include "kernel/FileTimeTicks.h"
#include "kernel/Process.h"
#include "kfuncs.h"
#include "winerror.h"

namespace {

constexpr DWORD stackSizeIsReservation = 0x00010000;
constexpr int priorityErrorReturn = 0x7FFFFFFF;
constexpr DWORD suspendCountError = 0xFFFFFFFF;

std::shared_ptr<ce::DeviceThread> deviceThreadOfHandle(HANDLE handle)
{
    if (!ce::deviceOrFail())
        return nullptr;
    return ce::threadOfHandle(handle);
}

BOOL failWith(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

}  // namespace

namespace ce {

std::shared_ptr<DeviceThread> threadOfId(HANDLE handle)
{
    const auto value = reinterpret_cast<uintptr_t>(handle);
    return value <= 0xFFFFFFFF ? findThread(static_cast<DWORD>(value)) : nullptr;
}

std::shared_ptr<DeviceThread> threadOfHandle(HANDLE handle)
{
    std::shared_ptr<DeviceThread> thread;
    if (handle == currentThreadPseudoHandle)
        thread = currentDeviceThreadShared();
    else if (auto object = lookupHandle(handle))
        thread = std::dynamic_pointer_cast<DeviceThread>(object);
    else
        thread = threadOfId(handle);
    if (!thread)
        SetLastError(ERROR_INVALID_HANDLE);
    return thread;
}

}  // namespace ce

HANDLE CreateThread(LPSECURITY_ATTRIBUTES, DWORD, LPTHREAD_START_ROUTINE lpStartAddress, LPVOID lpParameter,
                    DWORD dwCreationFlags, LPDWORD lpThreadId)
{
    if (!ce::deviceOrFail())
        return nullptr;
    if (!lpStartAddress || (dwCreationFlags & ~(CREATE_SUSPENDED | stackSizeIsReservation))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    ce::DeviceThread* self = ce::currentDeviceThread();
    auto thread = ce::launchDeviceThread(self ? self->process : nullptr,
                                         [lpStartAddress, lpParameter] { return lpStartAddress(lpParameter); },
                                         (dwCreationFlags & CREATE_SUSPENDED) != 0);
    if (lpThreadId)
        *lpThreadId = thread->id;
    return ce::insertHandle(std::move(thread));
}

void ExitThread(DWORD dwExitCode)
{
    // A host thread the platform did not start has no device thread to end: nothing happens.
    if (ce::currentDeviceThread())
        throw ce::ThreadTermination{dwExitCode};
}

BOOL TerminateThread(HANDLE hThread, DWORD dwExitCode)
{
    auto thread = deviceThreadOfHandle(hThread);
    if (!thread)
        return FALSE;
    if (thread.get() == ce::currentDeviceThread())
        throw ce::ThreadTermination{dwExitCode};
    bool endedNow = false;
    {
        std::lock_guard guard(ce::kernelLock());
        if (thread->ended || thread->terminateRequested)
            return TRUE;
        if (thread->simulated) {
            // No host code to stop: a simulated thread ends at once.
            thread->exitCode = dwExitCode;
            thread->exitTime = ce::Device::current()->clock().utcNow();
            thread->ended = true;
            endedNow = true;
        } else {
            thread->terminateRequested = true;
            thread->terminateCode = dwExitCode;
        }
        ce::wakeWaiters();
    }
    if (endedNow && thread->process)
        ce::threadEnded(*thread->process);
    return TRUE;
}

BOOL GetExitCodeThread(HANDLE hThread, LPDWORD lpExitCode)
{
    auto thread = deviceThreadOfHandle(hThread);
    if (!thread)
        return FALSE;
    if (!lpExitCode)
        return failWith(ERROR_INVALID_PARAMETER);
    std::lock_guard guard(ce::kernelLock());
    *lpExitCode = thread->exitCode;
    return TRUE;
}

DWORD ResumeThread(HANDLE hThread)
{
    auto thread = deviceThreadOfHandle(hThread);
    if (!thread)
        return suspendCountError;
    std::lock_guard guard(ce::kernelLock());
    const DWORD previous = thread->suspendCount;
    if (previous > 0 && --thread->suspendCount == 0)
        ce::wakeWaiters();
    return previous;
}

DWORD SuspendThread(HANDLE hThread)
{
    auto thread = deviceThreadOfHandle(hThread);
    if (!thread)
        return suspendCountError;
    DWORD previous = 0;
    {
        std::lock_guard guard(ce::kernelLock());
        previous = thread->suspendCount++;
    }
    // Another thread stops at its next platform call; the caller stops here.
    if (thread.get() == ce::currentDeviceThread())
        ce::checkTermination();
    return previous;
}

BOOL SetThreadPriority(HANDLE hThread, int nPriority)
{
    auto thread = deviceThreadOfHandle(hThread);
    if (!thread)
        return FALSE;
    if (nPriority < THREAD_PRIORITY_TIME_CRITICAL || nPriority > THREAD_PRIORITY_IDLE)
        return failWith(ERROR_INVALID_PARAMETER);
    std::lock_guard guard(ce::kernelLock());
    thread->priority = nPriority;
    return TRUE;
}

int GetThreadPriority(HANDLE hThread)
{
    auto thread = deviceThreadOfHandle(hThread);
    if (!thread)
        return priorityErrorReturn;
    std::lock_guard guard(ce::kernelLock());
    return thread->priority;
}

BOOL GetThreadTimes(HANDLE hThread, LPFILETIME lpCreationTime, LPFILETIME lpExitTime, LPFILETIME lpKernelTime,
                    LPFILETIME lpUserTime)
{
    auto thread = deviceThreadOfHandle(hThread);
    if (!thread)
        return FALSE;
    if (!lpCreationTime || !lpExitTime || !lpKernelTime || !lpUserTime)
        return failWith(ERROR_INVALID_PARAMETER);
    ULONGLONG kernelTime = 0;
    ULONGLONG userTime = 0;
    ce::threadTimes(*thread, kernelTime, userTime);
    std::lock_guard guard(ce::kernelLock());
    *lpCreationTime = ce::fileTimeFromTicks(thread->creationTime);
    *lpExitTime = ce::fileTimeFromTicks(thread->ended ? thread->exitTime : 0);
    *lpKernelTime = ce::fileTimeFromTicks(kernelTime);
    *lpUserTime = ce::fileTimeFromTicks(userTime);
    return TRUE;
}

DWORD GetCurrentThreadId()
{
    return ce::currentThreadId();
}

HANDLE GetCurrentThread()
{
    return ce::currentThreadPseudoHandle;
}
