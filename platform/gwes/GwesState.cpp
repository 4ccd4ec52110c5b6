// The window system's shared state, its lock, and its life: cleared at device shutdown, and a
// thread's windows freed when the thread ends (which also covers the end of a process).
#include "GwesState.h"

#include <algorithm>

#include "kernel/Clock.h"
#include "kernel/Device.h"
#include "kernel/DeviceParts.h"
#include "kernel/Threads.h"

namespace ce::gwes {
namespace {

// Frees a thread's windows when its host thread ends (device threads' windows went already as
// the thread ended; see the registration below).
struct ThreadWindowsReaper {
    DWORD threadId;
    ~ThreadWindowsReaper() { dropThreadWindows(threadId); }
};

bool startGwes(Device&, std::string&)
{
    return true;
}

void stopGwes()
{
    std::lock_guard guard(gwesLock());
    state() = State {};
}

// A device thread's windows go as it ends, before its handle is signaled.
const DevicePartRegistration registration {{"gwes", 20, startGwes, stopGwes, nullptr, dropThreadWindows}};

void removeFromList(std::vector<HWND>& list, HWND hwnd)
{
    list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
}

} // namespace

std::mutex& gwesLock()
{
    static std::mutex lock;
    return lock;
}

State& state()
{
    static State instance;
    return instance;
}

Window* findWindow(HWND hwnd)
{
    auto& windows = state().windows;
    auto found = windows.find(hwnd);
    return found == windows.end() ? nullptr : found->second.get();
}

Window* windowOrFail(HWND hwnd)
{
    Window* window = findWindow(hwnd);
    if (!window)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

MessageQueue& queueOf(DWORD threadId)
{
    auto& queue = state().queues[threadId];
    if (!queue) {
        queue = std::make_shared<MessageQueue>();
        queue->threadId = threadId;
        queue->lastLookMs = nowMs();
    }
    return *queue;
}

MessageQueue& currentQueue()
{
    const DWORD threadId = currentThreadId();
    thread_local ThreadWindowsReaper reaper {threadId};
    return queueOf(threadId);
}

std::vector<HWND>& siblingsOf(const Window& window)
{
    if (Window* parent = findWindow(window.parent))
        return parent->children;
    return state().topLevel;
}

ULONGLONG nowMs()
{
    Device* device = Device::current();
    return device ? device->clock().elapsedMs() : 0;
}

void wakeQueues()
{
    // Taking the kernel lock orders this change before any waiter's look at its queue.
    {
        std::lock_guard guard(kernelLock());
    }
    wakeWaiters();
}

LRESULT callProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC proc = nullptr;
    {
        std::lock_guard guard(gwesLock());
        if (Window* window = findWindow(hwnd))
            proc = window->proc;
    }
    return proc ? proc(hwnd, message, wParam, lParam) : 0;
}

void unlinkWindow(Window& window)
{
    State& s = state();
    // What a visible child covered of its parent shows the parent again.
    if (Window* parent = (window.style & (WS_CHILD | WS_VISIBLE)) == (WS_CHILD | WS_VISIBLE) ? findWindow(window.parent)
                                                                                         : nullptr;
        parent && !parent->destroying)
        invalidateArea(*parent, &window.rect, true);
    removeFromList(siblingsOf(window), window.handle);
    --window.windowClass->windows;
    for (HWND* slot : {&s.active, &s.foreground, &s.focus, &s.capture}) {
        if (*slot == window.handle)
            *slot = nullptr;
    }
    // A send still queued for the window is answered now: its thread may never look again.
    if (auto queue = s.queues.find(window.threadId); queue != s.queues.end()) {
        auto& sends = queue->second->sends;
        for (auto it = sends.begin(); it != sends.end();) {
            if ((*it)->hwnd != window.handle) {
                ++it;
                continue;
            }
            (*it)->done = true;
            it = sends.erase(it);
        }
    }
}

void dropThreadWindows(DWORD threadId)
{
    {
        std::lock_guard guard(gwesLock());
        State& s = state();
        for (auto it = s.windows.begin(); it != s.windows.end();) {
            Window& window = *it->second;
            if (window.threadId != threadId) {
                ++it;
                continue;
            }
            unlinkWindow(window);
            it = s.windows.erase(it);
        }
        auto queue = s.queues.find(threadId);
        if (queue != s.queues.end()) {
            for (auto& sent : queue->second->sends)
                sent->done = true;
            s.queues.erase(queue);
        }
    }
    wakeQueues();
}

} // namespace ce::gwes
