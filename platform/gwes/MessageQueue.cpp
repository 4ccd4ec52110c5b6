// A thread's queue: what is waiting in it, in the order Win32 hands it out, and the waits
// that end when something arrives. Queue waits are kernel waits, so they obey virtual time
// and end when the thread is told to end.
#include "MessageQueue.h"

#include <algorithm>

#include "kernel/sync/Waits.h"

namespace ce::gwes {
namespace {

// Waitable for "the calling thread's queue has input of these kinds".
struct QueueInput : Waitable {
    DWORD threadId;
    DWORD mask;
    QueueInput(DWORD thread, DWORD kinds)
        : threadId(thread)
        , mask(kinds)
    {
    }
    bool isSignaled() const override
    {
        std::lock_guard guard(gwesLock());
        auto& queues = state().queues;
        auto queue = queues.find(threadId);
        return queue != queues.end() && (queue->second->timersChanged || (inputStatus(*queue->second) & mask));
    }
};

bool visible(const Window& window)
{
    for (const Window* w = &window; w; w = (w->style & WS_CHILD) ? findWindow(w->parent) : nullptr) {
        if (!(w->style & WS_VISIBLE))
            return false;
    }
    return true;
}

bool admits(HWND filter, HWND hwnd)
{
    if (!filter)
        return true;
    if (filter == reinterpret_cast<HWND>(-1))
        return hwnd == nullptr;
    for (const Window* window = findWindow(hwnd); window; window = findWindow(window->parent)) {
        if (window->handle == filter)
            return true;
        if (!(window->style & WS_CHILD))
            break;
    }
    return false;
}

bool inRange(UINT message, UINT filterMin, UINT filterMax)
{
    return (filterMin == 0 && filterMax == 0) || (message >= filterMin && message <= filterMax);
}

// Milliseconds until the calling thread's next timer is due (INFINITE without timers).
DWORD nextTimerDelay()
{
    std::lock_guard guard(gwesLock());
    const auto& timers = currentQueue().timers;
    if (timers.empty())
        return INFINITE;
    const ULONGLONG now = nowMs();
    ULONGLONG due = timers.front().due;
    for (const Timer& timer : timers)
        due = std::min(due, timer.due);
    return due <= now ? 0 : static_cast<DWORD>(std::min<ULONGLONG>(due - now, INFINITE - 1));
}

} // namespace

DWORD inputStatus(const MessageQueue& queue)
{
    DWORD status = 0;
    if (!queue.sends.empty())
        status |= QS_SENDMESSAGE;
    if (!queue.posted.empty() || queue.quit)
        status |= QS_POSTMESSAGE;
    if (paintCandidate(queue.threadId, nullptr))
        status |= QS_PAINT;
    const ULONGLONG now = nowMs();
    if (std::any_of(queue.timers.begin(), queue.timers.end(), [&](const Timer& t) { return t.due <= now; }))
        status |= QS_TIMER;
    return status;
}

HWND paintCandidate(DWORD threadId, HWND filter)
{
    for (const auto& [hwnd, window] : state().windows) {
        if (window->threadId == threadId && window->invalid && visible(*window) && admits(filter, hwnd))
            return hwnd;
    }
    return nullptr;
}

void deliverSentMessages()
{
    for (;;) {
        std::shared_ptr<SentMessage> sent;
        {
            std::lock_guard guard(gwesLock());
            MessageQueue& queue = currentQueue();
            queue.lastLookMs = nowMs();
            if (queue.sends.empty())
                return;
            sent = queue.sends.front();
            queue.sends.pop_front();
        }
        const LRESULT result = callProcedure(sent->hwnd, sent->message, sent->wParam, sent->lParam);
        {
            std::lock_guard guard(gwesLock());
            sent->result = result;
            sent->done = true;
        }
        wakeQueues();
    }
}

bool nextMessage(MSG& msg, HWND filter, UINT filterMin, UINT filterMax, bool remove)
{
    std::lock_guard guard(gwesLock());
    MessageQueue& queue = currentQueue();
    const ULONGLONG now = nowMs();
    queue.lastLookMs = now;
    queue.timersChanged = false;
    msg = MSG {nullptr, 0, 0, 0, static_cast<DWORD>(now), {0, 0}};
    auto posted = std::find_if(queue.posted.begin(), queue.posted.end(),
        [&](const MSG& m) { return admits(filter, m.hwnd) && inRange(m.message, filterMin, filterMax); });
    if (posted != queue.posted.end()) {
        msg = *posted;
        if (remove)
            queue.posted.erase(posted);
        return true;
    }
    if (queue.quit && inRange(WM_QUIT, filterMin, filterMax)) {
        msg.message = WM_QUIT;
        msg.wParam = static_cast<WPARAM>(queue.quitCode);
        if (remove)
            queue.quit = false;
        return true;
    }
    if (inRange(WM_PAINT, filterMin, filterMax)) {
        if (HWND hwnd = paintCandidate(queue.threadId, filter)) {
            msg.hwnd = hwnd;
            msg.message = WM_PAINT;
            return true;
        }
    }
    if (!inRange(WM_TIMER, filterMin, filterMax))
        return false;
    Timer* due = nullptr;
    for (Timer& timer : queue.timers) {
        if (timer.due <= now && admits(filter, timer.hwnd) && (!due || timer.due < due->due))
            due = &timer;
    }
    if (!due)
        return false;
    msg.hwnd = due->hwnd;
    msg.message = WM_TIMER;
    msg.wParam = due->id;
    msg.lParam = reinterpret_cast<LPARAM>(due->proc);
    if (remove)
        due->due = now + due->elapse;
    return true;
}

DWORD waitForInput(std::vector<Waitable*> objects, bool all, DWORD wakeMask, DWORD milliseconds)
{
    QueueInput input(currentThreadId(), wakeMask);
    if (wakeMask)
        objects.push_back(&input);
    const ULONGLONG start = nowMs();
    for (;;) {
        const ULONGLONG waited = nowMs() - start;
        DWORD left = INFINITE;
        if (milliseconds != INFINITE)
            left = waited >= milliseconds ? 0 : static_cast<DWORD>(milliseconds - waited);
        const DWORD timer = (wakeMask & QS_TIMER) ? nextTimerDelay() : INFINITE;
        const DWORD result = waitForObjects(objects, all, std::min(left, timer));
        if (result != WAIT_TIMEOUT || timer >= left)
            return result;
        if (input.isSignaled())
            return WAIT_OBJECT_0 + static_cast<DWORD>(objects.size() - 1);
    }
}

} // namespace ce::gwes
