// Posting, sending and pumping messages. A send to a window of another thread queues the
// message there and waits for the answer; while it waits, the sender still answers what
// other threads send to it, so two threads sending to each other do not deadlock.
#include <algorithm>

#include "MessageQueue.h"
#include "kernel/Handles.h"
#include "kernel/sync/Waits.h"

using namespace ce::gwes;

namespace {

// A thread counts as hung when it has not looked at its queue for this long.
constexpr ULONGLONG hungAfterMs = 5000;

// Waitable for "the answer came, or another thread sent the waiting thread something".
struct ReplyWait : ce::Waitable {
    DWORD threadId;
    std::shared_ptr<SentMessage> sent;
    ReplyWait(DWORD thread, std::shared_ptr<SentMessage> message)
        : threadId(thread)
        , sent(std::move(message))
    {
    }
    bool isSignaled() const override
    {
        std::lock_guard guard(gwesLock());
        auto& queues = state().queues;
        auto queue = queues.find(threadId);
        return sent->done || (queue != queues.end() && !queue->second->sends.empty());
    }
};

// Marks the calling thread's queue as waited on for the life of a wait.
struct WaitingForMessages {
    WaitingForMessages() { set(true); }
    ~WaitingForMessages() { set(false); }
    static void set(bool waiting)
    {
        std::lock_guard guard(gwesLock());
        currentQueue().waitingForMessages = waiting;
    }
};

std::vector<HWND> topLevelWindows()
{
    std::lock_guard guard(gwesLock());
    return state().topLevel;
}

bool hung(const MessageQueue& queue)
{
    return !queue.waitingForMessages && nowMs() - queue.lastLookMs >= hungAfterMs;
}

// Sends to a window of another thread; false (ERROR_TIMEOUT) when no answer came in time.
bool sendAcross(DWORD threadId, const std::shared_ptr<SentMessage>& sent, UINT flags, DWORD timeout)
{
    {
        std::lock_guard guard(gwesLock());
        MessageQueue& target = queueOf(threadId);
        if ((flags & SMTO_ABORTIFHUNG) && hung(target)) {
            SetLastError(ERROR_TIMEOUT);
            return false;
        }
        target.sends.push_back(sent);
    }
    wakeQueues();
    if (!sent->wantsReply)
        return true;
    ReplyWait reply(ce::currentThreadId(), sent);
    WaitingForMessages waiting;
    const ULONGLONG start = nowMs();
    for (;;) {
        deliverSentMessages();
        {
            std::lock_guard guard(gwesLock());
            if (sent->done)
                return true;
        }
        const ULONGLONG waited = nowMs() - start;
        DWORD left = INFINITE;
        if (timeout != INFINITE)
            left = waited >= timeout ? 0 : static_cast<DWORD>(timeout - waited);
        const DWORD result = ce::waitFor(reply, left);
        if (result == WAIT_TIMEOUT || result == WAIT_FAILED) {
            std::lock_guard guard(gwesLock());
            if (sent->done)
                return true;
            auto& sends = queueOf(threadId).sends;
            sends.erase(std::remove(sends.begin(), sends.end(), sent), sends.end());
            SetLastError(ERROR_TIMEOUT);
            return false;
        }
    }
}

// The thread a window belongs to; false (ERROR_INVALID_WINDOW_HANDLE) for no window.
bool threadOfWindow(HWND hwnd, DWORD& threadId)
{
    std::lock_guard guard(gwesLock());
    const Window* window = windowOrFail(hwnd);
    if (window)
        threadId = window->threadId;
    return window != nullptr;
}

// Sends to one window: directly on its own thread, through its queue on another.
bool sendOne(
    HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT flags, DWORD timeout, bool wantsReply, LRESULT& result)
{
    DWORD threadId = 0;
    if (!threadOfWindow(hwnd, threadId))
        return false;
    result = 0;
    if (threadId == ce::currentThreadId()) {
        result = callProcedure(hwnd, message, wParam, lParam);
        return true;
    }
    auto sent = std::make_shared<SentMessage>(
        SentMessage {hwnd, message, wParam, lParam, 0, false, wantsReply, ce::currentThreadId()});
    if (!sendAcross(threadId, sent, flags, timeout))
        return false;
    result = sent->result;
    return true;
}

bool sendMessage(
    HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT flags, DWORD timeout, bool wantsReply, LRESULT& result)
{
    if (hwnd != HWND_BROADCAST)
        return sendOne(hwnd, message, wParam, lParam, flags, timeout, wantsReply, result);
    for (HWND window : topLevelWindows()) {
        LRESULT ignored = 0;
        sendOne(window, message, wParam, lParam, flags, timeout, wantsReply, ignored);
    }
    result = 0;
    return true;
}

bool postTo(DWORD threadId, const MSG& msg)
{
    {
        std::lock_guard guard(gwesLock());
        queueOf(threadId).posted.push_back(msg);
    }
    wakeQueues();
    return true;
}

BOOL postOne(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD threadId = 0;
    if (!threadOfWindow(hwnd, threadId))
        return FALSE;
    return postTo(threadId, MSG {hwnd, message, wParam, lParam, static_cast<DWORD>(nowMs()), {0, 0}});
}

} // namespace

BOOL PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    if (!hWnd)
        return PostThreadMessageW(ce::currentThreadId(), Msg, wParam, lParam);
    if (hWnd != HWND_BROADCAST)
        return postOne(hWnd, Msg, wParam, lParam);
    for (HWND window : topLevelWindows())
        postOne(window, Msg, wParam, lParam);
    return TRUE;
}

BOOL PostThreadMessageW(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    {
        std::lock_guard guard(gwesLock());
        if (idThread == ce::currentThreadId())
            currentQueue();
        if (!state().queues.count(idThread)) {
            SetLastError(ERROR_INVALID_THREAD_ID); // no such thread, or one without a message queue
            return FALSE;
        }
    }
    return postTo(idThread, MSG {nullptr, Msg, wParam, lParam, static_cast<DWORD>(nowMs()), {0, 0}});
}

LRESULT SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    sendMessage(hWnd, Msg, wParam, lParam, SMTO_NORMAL, INFINITE, true, result);
    return result;
}

LRESULT SendMessageTimeoutW(
    HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam, UINT fuFlags, UINT uTimeout, PDWORD_PTR lpdwResult)
{
    LRESULT result = 0;
    if (!sendMessage(hWnd, Msg, wParam, lParam, fuFlags, uTimeout, true, result))
        return 0;
    if (lpdwResult)
        *lpdwResult = static_cast<DWORD_PTR>(result);
    return 1;
}

BOOL SendNotifyMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT ignored = 0;
    return sendMessage(hWnd, Msg, wParam, lParam, SMTO_NORMAL, INFINITE, false, ignored);
}

BOOL PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg)
{
    if (!lpMsg) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    ce::checkTermination();
    deliverSentMessages();
    return nextMessage(*lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, wRemoveMsg & PM_REMOVE);
}

BOOL GetMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax)
{
    if (!lpMsg || (hWnd && hWnd != reinterpret_cast<HWND>(-1) && !IsWindow(hWnd))) {
        SetLastError(lpMsg ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return -1;
    }
    for (;;) {
        deliverSentMessages();
        if (nextMessage(*lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, true))
            return lpMsg->message != WM_QUIT;
        WaitingForMessages waiting;
        if (waitForInput({}, false, QS_ALLINPUT, INFINITE) == WAIT_FAILED) {
            SetLastError(ERROR_INVALID_PARAMETER); // the device shut down
            return -1;
        }
    }
}

LRESULT DispatchMessageW(const MSG* lpMsg)
{
    if (!lpMsg)
        return 0;
    if (lpMsg->message == WM_TIMER && lpMsg->lParam) {
        reinterpret_cast<TIMERPROC>(lpMsg->lParam)(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, GetTickCount());
        return 0;
    }
    if (!lpMsg->hwnd)
        return 0;
    return callProcedure(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

void PostQuitMessage(int nExitCode)
{
    {
        std::lock_guard guard(gwesLock());
        MessageQueue& queue = currentQueue();
        queue.quit = true;
        queue.quitCode = nExitCode;
    }
    wakeQueues();
}

DWORD GetQueueStatus(UINT flags)
{
    deliverSentMessages();
    std::lock_guard guard(gwesLock());
    const DWORD status = inputStatus(currentQueue()) & flags;
    return (status << 16) | status;
}

DWORD MsgWaitForMultipleObjectsEx(DWORD nCount, const HANDLE* pHandles, DWORD dwMilliseconds, DWORD dwWakeMask, DWORD)
{
    return MsgWaitForMultipleObjects(nCount, pHandles, FALSE, dwMilliseconds, dwWakeMask);
}

DWORD MsgWaitForMultipleObjects(
    DWORD nCount, const HANDLE* pHandles, BOOL fWaitAll, DWORD dwMilliseconds, DWORD dwWakeMask)
{
    if (nCount > 0 && !pHandles) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return WAIT_FAILED;
    }
    std::vector<std::shared_ptr<ce::Waitable>> held;
    std::vector<ce::Waitable*> objects;
    for (DWORD i = 0; i < nCount; ++i) {
        auto object = ce::lookupHandleAs<ce::Waitable>(pHandles[i]);
        if (!object) {
            SetLastError(ERROR_INVALID_HANDLE);
            return WAIT_FAILED;
        }
        objects.push_back(object.get());
        held.push_back(std::move(object));
    }
    deliverSentMessages();
    WaitingForMessages waiting;
    return waitForInput(objects, fWaitAll, dwWakeMask, dwMilliseconds);
}
