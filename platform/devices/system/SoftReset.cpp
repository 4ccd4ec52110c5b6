// Soft resets: the sequence, the host thread that runs it for device programs, and the count
// the host waits on.
//
// The sequence runs with the boot lock held, so no boot or shutdown runs meanwhile: the parts at
// or after programsOrder stop, every process ends, the registry is flushed, the boot programs
// and those parts start again (the memory division is kept), then the StartUp folder's entries
// start. Device threads end at their next platform call, as at shutdown; a thread that never
// makes one holds the reset.
#include "SoftReset.h"

#include <condition_variable>
#include <list>
#include <mutex>
#include <thread>

#include "StartUpFolder.h"
#include "kernel/Device.h"
#include "kernel/DeviceParts.h"
#include "kernel/Waitable.h"
#include "kernel/memory/MemoryDivision.h"
#include "kernel/process/ProcessContext.h"
#include "kernel/simulated/SimulatedPrograms.h"
#include "store/registry/Registry.h"
#include "winerror.h"

namespace ce {
namespace {

// A reset asked for by a device program, done on a host thread of its own.
struct Worker {
    std::thread thread;
    bool finished = false;  // guarded by ResetState::lock
};

struct ResetState {
    std::mutex lock;
    std::condition_variable changed;
    unsigned boots = 0;    // cold boots in this host process
    unsigned resets = 0;   // soft resets since the last cold boot
    unsigned pending = 0;  // resets asked for by device programs and not yet done
    std::vector<emulator::StartUpLaunch> lastStartUp;
    std::list<Worker> workers;

    // Joins the workers left at exit; by then no boot lock is held.
    ~ResetState()
    {
        for (auto& worker : workers)
            worker.thread.join();
    }
};

ResetState& state()
{
    static ResetState instance;
    return instance;
}

bool startCount(Device&, std::string&)
{
    ResetState& s = state();
    std::lock_guard guard(s.lock);
    ++s.boots;
    s.resets = 0;
    s.lastStartUp.clear();
    return true;
}

// A shutdown: waiters look again (a reset asked for on the device that is going is not done).
void stopCount()
{
    state().changed.notify_all();
}

// Before the programs: it starts only at a cold boot, so a soft reset keeps the count.
const DevicePartRegistration registration{{"soft reset count", 0, startCount, stopCount}};

void recordReset(const emulator::SoftResetResult& result)
{
    ResetState& s = state();
    std::lock_guard guard(s.lock);
    ++s.resets;
    s.lastStartUp = result.startUp;
    s.changed.notify_all();
}

// The reset itself, counted when the device came up again.
emulator::SoftResetResult resetNow(Device& device)
{
    emulator::SoftResetResult result;
    stopDeviceParts(true);
    endAllProcesses();
    device.registry().flush();
    {
        KeptMemoryDivision kept;
        if (!startBootPrograms(device, result.error))
            return result;
    }
    if (!startDeviceParts(device, true, result.error))
        return result;
    result.startUp = startStartUpEntries();
    result.done = true;
    recordReset(result);
    return result;
}

// A device program's reset, unless the device it was asked of is gone or a reset happened since.
void runAskedReset(unsigned boots, unsigned resets, Worker& worker)
{
    whileBootLocked([&](Device* device) {
        {
            ResetState& s = state();
            std::lock_guard guard(s.lock);
            if (!device || s.boots != boots || s.resets != resets)
                return;
        }
        resetNow(*device);
    });
    ResetState& s = state();
    std::lock_guard guard(s.lock);
    --s.pending;
    worker.finished = true;
    s.changed.notify_all();
}

// Joins the workers that are done (never one still waiting for the boot lock: the caller may be
// a device thread that a shutdown holding that lock waits for).
void joinFinishedWorkers()
{
    std::list<Worker> done;
    {
        ResetState& s = state();
        std::lock_guard guard(s.lock);
        for (auto it = s.workers.begin(); it != s.workers.end();) {
            auto next = std::next(it);
            if (it->finished)
                done.splice(done.end(), s.workers, it);
            it = next;
        }
    }
    for (auto& worker : done)
        worker.thread.join();
}

// A reset on the calling thread, which belongs to no process.
emulator::SoftResetResult resetHere()
{
    emulator::SoftResetResult result;
    joinFinishedWorkers();
    whileBootLocked([&](Device* device) {
        if (!device) {
            result.error = "no device is running";
            return;
        }
        result = resetNow(*device);
    });
    return result;
}

void handToHostThread()
{
    joinFinishedWorkers();
    ResetState& s = state();
    std::lock_guard guard(s.lock);
    ++s.pending;
    Worker& worker = s.workers.emplace_back();
    worker.thread = std::thread(runAskedReset, s.boots, s.resets, std::ref(worker));
}

}  // namespace

bool requestSoftReset()
{
    if (!deviceOrFail())
        return false;
    DeviceThread* self = currentDeviceThread();
    if (!self || !self->process) {
        const emulator::SoftResetResult result = resetHere();
        if (!result.done)
            SetLastError(ERROR_GEN_FAILURE);
        return result.done;
    }
    handToHostThread();
    // The reset ends this process: the wait ends with ThreadTermination. It returns only when
    // the device went away without telling this thread to end.
    sleepFor(INFINITE);
    checkTermination();
    SetLastError(ERROR_NOT_READY);
    return false;
}

}  // namespace ce

namespace emulator {

SoftResetResult softResetDevice()
{
    ce::DeviceThread* self = ce::currentDeviceThread();
    if (self && self->process) {
        SoftResetResult refused;
        refused.error = "a soft reset cannot be done on a thread of a device process";
        return refused;
    }
    return ce::resetHere();
}

unsigned softResetCount()
{
    std::lock_guard guard(ce::state().lock);
    return ce::state().resets;
}

std::vector<StartUpLaunch> lastStartUpLaunches()
{
    std::lock_guard guard(ce::state().lock);
    return ce::state().lastStartUp;
}

bool waitForSoftReset(unsigned count)
{
    ce::ResetState& s = ce::state();
    std::unique_lock lock(s.lock);
    s.changed.wait(lock, [&] { return s.resets >= count || s.pending == 0; });
    return s.resets >= count;
}

}  // namespace emulator
