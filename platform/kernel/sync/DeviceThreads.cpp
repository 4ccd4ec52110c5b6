// Device threads: the host threads that run them, the calling thread's identity, termination
// at platform calls, and CPU times.
#include <pthread.h>

#include <algorithm>
#include <atomic>
#include <ctime>
#include <map>

#include "Waits.h"
#include "kernel/Clock.h"
#include "kernel/Device.h"
#include "kernel/DeviceParts.h"
#include "kernel/Process.h"
#include "kfuncs.h"

namespace ce {
namespace {

thread_local std::shared_ptr<DeviceThread> current;
thread_local DWORD hostThreadId = 0;
// Ids of device and host threads come from one sequence, so they never collide. A thread id
// also serves as a handle, as on the device: ids stay clear of handle values (multiples of 4)
// and of process ids.
constexpr DWORD threadIdStep = 0x20;
std::atomic<DWORD> lastThreadId{0x00800006 - threadIdStep};

DWORD newThreadId()
{
    return lastThreadId.fetch_add(threadIdStep) + threadIdStep;
}

// Device threads that have not ended yet. Guarded by kernelLock().
std::vector<std::shared_ptr<DeviceThread>>& liveThreads()
{
    static std::vector<std::shared_ptr<DeviceThread>> threads;
    return threads;
}

// Threads outside any process, found by id while something still holds them. Guarded by
// kernelLock().
std::vector<std::weak_ptr<DeviceThread>>& threadsOutsideProcesses()
{
    static std::vector<std::weak_ptr<DeviceThread>> threads;
    return threads;
}

// The host threads behind device threads; a finished one is joined by the next start or by
// shutdown.
struct HostThreads {
    std::mutex lock;
    std::map<DWORD, std::thread> running;
    std::vector<DWORD> finished;
};

HostThreads& hostThreads()
{
    static HostThreads instance;
    return instance;
}

void joinFinishedHostThreads()
{
    std::vector<std::thread> done;
    {
        HostThreads& h = hostThreads();
        std::lock_guard guard(h.lock);
        for (DWORD id : h.finished) {
            if (auto node = h.running.extract(id))
                done.push_back(std::move(node.mapped()));
        }
        h.finished.clear();
    }
    for (std::thread& thread : done)
        thread.join();
}

ULONGLONG ticksOf(const timespec& time)
{
    return static_cast<ULONGLONG>(time.tv_sec) * 10'000'000ull + static_cast<ULONGLONG>(time.tv_nsec) / 100;
}

ULONGLONG cpuTimeOf(clockid_t clock)
{
    timespec time{};
    return clock_gettime(clock, &time) == 0 ? ticksOf(time) : 0;
}

ULONGLONG cpuTimeOfHostThread(std::thread::native_handle_type thread)
{
    clockid_t clock{};
    return pthread_getcpuclockid(thread, &clock) == 0 ? cpuTimeOf(clock) : 0;
}

// Records the end of the calling device thread; its waiters and mutex waiters go on.
void finishThread(DeviceThread& thread, DWORD exitCode)
{
    std::lock_guard guard(kernelLock());
    Device* device = Device::current();
    thread.exitCode = exitCode;
    thread.exitTime = device ? device->clock().utcNow() : thread.creationTime;
    thread.hostCpuTime = cpuTimeOf(CLOCK_THREAD_CPUTIME_ID);
    thread.hostThread = {};
    thread.ended = true;
    abandonMutexes(thread);
    auto& live = liveThreads();
    std::erase_if(live, [&](const auto& t) { return t.get() == &thread; });
    deviceThreadStopped();
}

void runThread(const std::shared_ptr<DeviceThread>& thread, std::function<DWORD()> body)
{
    current = thread;
    {
        std::lock_guard guard(kernelLock());
        thread->hostThread = pthread_self();
    }
    DWORD exitCode = 0;
    try {
        checkTermination();  // a thread created suspended stops here
        exitCode = body();
    } catch (const ThreadTermination& end) {
        exitCode = end.exitCode;
    }
    // The body may hold program-image code; it goes before the process can unload the image.
    body = nullptr;
    announceThreadEnding(thread->id);
    finishThread(*thread, exitCode);
    current.reset();
    if (thread->process)
        threadEnded(*thread->process);
}

// Waitable while a thread is not suspended.
struct Resumed : Waitable {
    explicit Resumed(const DeviceThread& thread) : thread(thread) {}
    bool isSignaled() const override { return thread.suspendCount == 0; }
    const DeviceThread& thread;
};

}  // namespace

std::shared_ptr<DeviceThread> launchDeviceThread(Process* process, std::function<DWORD()> body, bool suspended)
{
    joinFinishedHostThreads();
    auto thread = std::make_shared<DeviceThread>();
    thread->id = newThreadId();
    thread->process = process;
    if (Device* device = Device::current())
        thread->creationTime = device->clock().utcNow();
    thread->suspendCount = suspended ? 1 : 0;
    {
        std::lock_guard guard(kernelLock());
        if (process) {
            process->threads.push_back(thread);
        } else {
            auto& outside = threadsOutsideProcesses();
            std::erase_if(outside, [](const auto& t) { return t.expired(); });
            outside.push_back(thread);
        }
        liveThreads().push_back(thread);
        // Running from now on: the clock waits until the new thread first waits.
        deviceThreadRunning();
    }
    HostThreads& h = hostThreads();
    std::lock_guard guard(h.lock);
    h.running.emplace(thread->id, std::thread([thread, body = std::move(body)]() mutable {
        runThread(thread, std::move(body));
        HostThreads& threads = hostThreads();
        std::lock_guard finishedGuard(threads.lock);
        threads.finished.push_back(thread->id);
    }));
    return thread;
}

std::shared_ptr<DeviceThread> startDeviceThread(Process& process, std::function<DWORD()> body)
{
    return launchDeviceThread(&process, std::move(body), false);
}

void endDeviceThreads()
{
    for (;;) {
        {
            std::lock_guard guard(kernelLock());
            for (const auto& thread : liveThreads()) {
                if (!thread->terminateRequested) {
                    thread->terminateRequested = true;
                    thread->terminateCode = 0;
                }
            }
            wakeWaiters();
        }
        std::map<DWORD, std::thread> running;
        {
            HostThreads& h = hostThreads();
            std::lock_guard guard(h.lock);
            running.swap(h.running);
            h.finished.clear();
        }
        if (running.empty())
            return;
        for (auto& entry : running)
            entry.second.join();
    }
}

std::shared_ptr<DeviceThread> findThread(DWORD id)
{
    std::lock_guard guard(kernelLock());
    auto hasId = [id](const std::shared_ptr<DeviceThread>& thread) { return thread->id == id; };
    for (const auto& process : deviceProcesses()) {
        auto it = std::find_if(process->threads.begin(), process->threads.end(), hasId);
        if (it != process->threads.end())
            return *it;
    }
    for (const auto& outside : threadsOutsideProcesses()) {
        auto thread = outside.lock();
        if (thread && hasId(thread))
            return thread;
    }
    return nullptr;
}

DeviceThread* currentDeviceThread()
{
    return current.get();
}

std::shared_ptr<DeviceThread> currentDeviceThreadShared()
{
    return current;
}

DWORD currentThreadId()
{
    if (current)
        return current->id;
    if (!hostThreadId)
        hostThreadId = newThreadId();
    return hostThreadId;
}

bool mustEnd(const DeviceThread& thread, DWORD& exitCode)
{
    if (thread.terminateRequested) {
        exitCode = thread.terminateCode;
        return true;
    }
    if (thread.process && thread.process->ending) {
        exitCode = thread.process->exitCode;
        return true;
    }
    return false;
}

void checkTermination()
{
    DeviceThread* self = current.get();
    if (!self)
        return;
    {
        std::lock_guard guard(kernelLock());
        DWORD exitCode = 0;
        if (mustEnd(*self, exitCode))
            throw ThreadTermination{exitCode};
        if (self->suspendCount == 0)
            return;
    }
    Resumed resumed(*self);
    waitFor(resumed, INFINITE);
}

void threadTimes(const DeviceThread& thread, ULONGLONG& kernelTime, ULONGLONG& userTime)
{
    std::lock_guard guard(kernelLock());
    if (thread.simulated || thread.describedLoad) {
        Device* device = Device::current();
        const ULONGLONG end = thread.ended ? thread.exitTime : (device ? device->clock().utcNow() : thread.creationTime);
        const ULONGLONG busy = end > thread.creationTime ? (end - thread.creationTime) / 100 * thread.loadPercent : 0;
        // A simulated thread spends a tenth of its time in the kernel.
        kernelTime = busy / 10;
        userTime = busy - kernelTime;
        return;
    }
    kernelTime = 0;
    userTime = thread.ended ? thread.hostCpuTime
                            : (thread.hostThread ? cpuTimeOfHostThread(thread.hostThread) : 0);
}

}  // namespace ce
