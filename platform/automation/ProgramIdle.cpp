// Idle detection for the automation: the kernel's waits tell which threads wait, the window
// system's queues whether anything waits for them.
#include <algorithm>
#include <mutex>
#include <vector>

#include "ProgramIdle.h"
#include "gwes/MessageQueue.h"
#include "kernel/Process.h"
#include "kernel/sync/Waits.h"

namespace ce::automation {
namespace {

// A thread's queue holds nothing for it. Called with gwesLock() held.
bool queueEmpty(DWORD threadId)
{
    auto& queues = gwes::state().queues;
    const auto found = queues.find(threadId);
    return found == queues.end() || gwes::inputStatus(*found->second) == 0;
}

} // namespace

ProgramState programState(DWORD processId)
{
    std::lock_guard kernel(kernelLock());
    const auto& processes = deviceProcesses();
    const auto process = std::find_if(
        processes.begin(), processes.end(), [&](const auto& candidate) { return candidate->id == processId; });
    if (process == processes.end() || (*process)->ended || (*process)->ending)
        return ProgramState::Ended;
    std::vector<DWORD> waiting;
    for (const Waiter* waiter : activeWaiters())
        waiting.push_back(waiter->threadId);
    std::lock_guard windows(gwes::gwesLock());
    for (const auto& thread : (*process)->threads) {
        if (thread->ended || thread->simulated)
            continue;
        if (std::find(waiting.begin(), waiting.end(), thread->id) == waiting.end() || !queueEmpty(thread->id))
            return ProgramState::Busy;
    }
    return ProgramState::Idle;
}

ProgramState settleProgram(DWORD processId)
{
    int idleLooks = 0;
    for (;;) {
        const ProgramState now = programState(processId);
        if (now == ProgramState::Ended)
            return now;
        idleLooks = now == ProgramState::Idle ? idleLooks + 1 : 0;
        if (idleLooks >= 2)
            return now;
        waitForWaitChange(2);
    }
}

} // namespace ce::automation
