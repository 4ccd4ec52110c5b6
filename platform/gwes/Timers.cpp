// Window and thread timers on the device clock. A due timer shows up as WM_TIMER when the
// queue has nothing else; it then comes due again one period after it was taken.
#include <algorithm>

#include "GwesState.h"

using namespace ce::gwes;

namespace {

// Thread timers (no window) get ids of their own; this keeps them apart from small window ids.
UINT_PTR nextThreadTimerId = 0x7FFF0000;

} // namespace

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc)
{
    UINT_PTR id = nIDEvent;
    {
        std::lock_guard guard(gwesLock());
        DWORD threadId = ce::currentThreadId();
        if (hWnd) {
            const Window* window = windowOrFail(hWnd);
            if (!window)
                return 0;
            threadId = window->threadId;
        } else {
            currentQueue();
            id = nextThreadTimerId++;
        }
        MessageQueue& queue = queueOf(threadId);
        auto& timers = queue.timers;
        auto existing
            = std::find_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == hWnd && t.id == id; });
        const UINT elapse = std::max(uElapse, 1u);
        const Timer timer {hWnd, id, elapse, nowMs() + elapse, lpTimerFunc};
        if (existing != timers.end())
            *existing = timer;
        else
            timers.push_back(timer);
        queue.timersChanged = threadId != ce::currentThreadId(); // the owner may be waiting
    }
    wakeQueues();
    return id ? id : 1;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent)
{
    std::lock_guard guard(gwesLock());
    DWORD threadId = ce::currentThreadId();
    if (hWnd) {
        const Window* window = windowOrFail(hWnd);
        if (!window)
            return FALSE;
        threadId = window->threadId;
    }
    auto& timers = queueOf(threadId).timers;
    auto timer = std::find_if(
        timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == hWnd && t.id == uIDEvent; });
    if (timer == timers.end()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    timers.erase(timer);
    return TRUE;
}
