// The device's process list and the life of a process: added with a fresh id, ended by its
// own code or another's, finished when its last thread has left.
#include <algorithm>
#include <condition_variable>

#include "Modules.h"
#include "ProcessContext.h"
#include "kernel/Clock.h"
#include "kernel/Device.h"

namespace ce {
namespace {

// Announces that a process has ended, for the device's shutdown (waits of device threads
// use wakeWaiters()).
std::condition_variable& processEnded()
{
    static std::condition_variable ended;
    return ended;
}

bool allThreadsEnded(const Process& process)
{
    return std::all_of(process.threads.begin(), process.threads.end(), [](const auto& t) { return t->ended; });
}

DWORD lastThreadExitCode(const Process& process)
{
    auto last = std::max_element(process.threads.begin(), process.threads.end(),
        [](const auto& a, const auto& b) { return a->exitTime < b->exitTime; });
    return last == process.threads.end() ? 0 : (*last)->exitCode;
}

// Compares addresses only, so that it may be asked about a process that is gone.
bool isListed(const Process* process)
{
    const auto& processes = deviceProcesses();
    return std::any_of(processes.begin(), processes.end(), [&](const auto& p) { return p.get() == process; });
}

// Takes `process` off the list, once: the list's reference for the one caller that is to
// finish it (it keeps the process alive meanwhile), or null. With kernelLock() held.
std::shared_ptr<Process> takeOffList(Process& process)
{
    std::shared_ptr<Process> taken;
    std::erase_if(deviceProcesses(), [&](auto& p) {
        if (p.get() != &process)
            return false;
        taken = std::move(p);
        return true;
    });
    return taken;
}

// Frees what the process holds, then satisfies the waits on it. Without kernelLock().
void finishProcess(Process& process)
{
    closeProcessHandles(process.id);
    unloadModules(process);
    {
        std::lock_guard guard(kernelLock());
        process.ended = true;
    }
    processEnded().notify_all();
    wakeWaiters();
}

} // namespace

std::vector<std::shared_ptr<Process>>& deviceProcesses()
{
    static std::vector<std::shared_ptr<Process>> processes;
    return processes;
}

std::shared_ptr<Process> findProcess(DWORD id)
{
    std::lock_guard guard(kernelLock());
    auto& processes = deviceProcesses();
    auto it = std::find_if(processes.begin(), processes.end(), [&](const auto& p) { return p->id == id; });
    return it == processes.end() ? nullptr : *it;
}

void addProcess(const std::shared_ptr<Process>& process)
{
    // Ids look like the device's (even, spread out) and are never given twice in a run.
    static DWORD lastId = 0x00400002;
    std::lock_guard guard(kernelLock());
    lastId += 0x20;
    process->id = lastId;
    deviceProcesses().push_back(process);
}

void endProcess(Process& process, DWORD exitCode)
{
    std::shared_ptr<Process> finishing;
    {
        std::lock_guard guard(kernelLock());
        if (process.ending || process.ended)
            return;
        process.ending = true;
        process.exitCode = exitCode;
        // Host threads see `ending` at their next platform call; a simulated thread has no
        // host code to unwind and ends here.
        Device* device = Device::current();
        for (const auto& thread : process.threads) {
            if (thread->simulated && !thread->ended) {
                thread->ended = true;
                thread->exitCode = exitCode;
                thread->exitTime = device ? device->clock().utcNow() : thread->creationTime;
            }
        }
        // Otherwise the last thread to leave finishes the process (threadEnded).
        if ((process.simulated || !process.threads.empty()) && allThreadsEnded(process))
            finishing = takeOffList(process);
    }
    wakeWaiters();
    if (finishing)
        finishProcess(*finishing);
}

void threadEnded(Process& process)
{
    std::shared_ptr<Process> finishing;
    {
        std::lock_guard guard(kernelLock());
        // Another of its threads may have finished the process meanwhile: only a process still
        // on the list (which keeps it alive) is looked at.
        if (!isListed(&process) || process.threads.empty() || !allThreadsEnded(process))
            return;
        finishing = takeOffList(process);
        // Every thread returned without ExitProcess: the last one's code is the process's.
        if (!process.ending) {
            process.ending = true;
            process.exitCode = lastThreadExitCode(process);
        }
    }
    finishProcess(*finishing);
}

void abandonProcess(Process& process, DWORD error)
{
    std::shared_ptr<Process> finishing;
    {
        std::lock_guard guard(kernelLock());
        process.ending = true;
        process.exitCode = error;
        finishing = takeOffList(process);
    }
    if (finishing)
        finishProcess(*finishing);
}

void endAllProcesses()
{
    std::vector<std::shared_ptr<Process>> running;
    {
        std::lock_guard guard(kernelLock());
        running = deviceProcesses();
    }
    for (const auto& process : running)
        endProcess(*process, 0);
    Process* own = currentProcess();
    std::unique_lock lock(kernelLock());
    processEnded().wait(lock, [&] {
        return std::all_of(running.begin(), running.end(), [&](const auto& p) { return p->ended || p.get() == own; });
    });
    lock.unlock();
    unloadHostContext();
}

} // namespace ce
