// Message queues: posting, sending within and across threads, time-outs, broadcasts, quitting
// and waiting for input.
#include <gtest/gtest.h>

#include <functional>

#include "MessageLog.h"
#include "TestDevice.h"
#include "emulator/Device.h"

using namespace gwes_test;

namespace {

class MessageTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    void SetUp() override { ASSERT_NE(registerRecorder(), 0); }
};

// A device thread with a window of its own; it pumps messages unless told not to. A device
// thread holds the virtual clock while it runs, so time-outs of senders stay honest.
class WindowThread {
public:
    explicit WindowThread(bool pumps)
        : m_pumps(pumps)
        , m_created(CreateEventW(nullptr, TRUE, FALSE, nullptr))
        , m_finish(CreateEventW(nullptr, TRUE, FALSE, nullptr))
        , m_thread(CreateThread(nullptr, 0, run, this, 0, nullptr))
    {
        WaitForSingleObject(m_created, INFINITE);
    }
    ~WindowThread()
    {
        finish();
        CloseHandle(m_created);
        CloseHandle(m_finish);
        CloseHandle(m_thread);
    }
    HWND window() const { return m_window; }
    DWORD threadId() const { return m_threadId; }
    HANDLE handle() const { return m_thread; }
    int threadMessages() const { return m_threadMessages; }
    // Ends the thread and waits for it.
    void finish()
    {
        SetEvent(m_finish);
        PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
        WaitForSingleObject(m_thread, INFINITE);
    }

private:
    static DWORD run(LPVOID self)
    {
        auto* me = static_cast<WindowThread*>(self);
        me->m_window = makeWindow();
        me->m_threadId = GetCurrentThreadId();
        SetEvent(me->m_created);
        if (!me->m_pumps)
            return WaitForSingleObject(me->m_finish, INFINITE);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (!msg.hwnd)
                ++me->m_threadMessages;
            DispatchMessageW(&msg);
        }
        return 0;
    }

    bool m_pumps;
    HANDLE m_created;
    HANDLE m_finish;
    HWND m_window = nullptr;
    DWORD m_threadId = 0;
    int m_threadMessages = 0;
    HANDLE m_thread;
};

TEST_F(MessageTest, PostedMessagesComeInOrderAndPeekCanLeaveThem)
{
    HWND hwnd = makeWindow();
    for (WPARAM i = 1; i <= 3; ++i)
        ASSERT_TRUE(PostMessageW(hwnd, WM_APP, i, 0));
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, 1u);
    for (WPARAM i = 1; i <= 3; ++i) {
        ASSERT_TRUE(PeekMessageW(&msg, hwnd, WM_APP, WM_APP, PM_REMOVE));
        EXPECT_EQ(msg.hwnd, hwnd);
        EXPECT_EQ(msg.message, static_cast<UINT>(WM_APP));
        EXPECT_EQ(msg.wParam, i);
    }
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageTest, PostingToADestroyedWindowFails)
{
    HWND hwnd = makeWindow();
    DestroyWindow(hwnd);
    EXPECT_FALSE(PostMessageW(hwnd, WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    WCHAR text[4];
    RECT rect;
    const std::vector<std::function<bool()>> calls {
        [&] { return SendMessageW(hwnd, WM_USER, 1, 0) == 0; },
        [&] { return GetWindowTextW(hwnd, text, 4) == 0; },
        [&] { return !SetWindowTextW(hwnd, u"x"); },
        [&] { return !GetWindowRect(hwnd, &rect); },
        [&] { return !ShowWindow(hwnd, SW_SHOW); },
        [&] { return SetTimer(hwnd, 1, 10, nullptr) == 0; },
        [&] { return !InvalidateRect(hwnd, nullptr, FALSE); },
        [&] { return GetParent(hwnd) == nullptr; },
    };
    for (size_t i = 0; i < calls.size(); ++i) {
        SetLastError(0);
        EXPECT_TRUE(calls[i]()) << i;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE)) << i;
    }
}

TEST_F(MessageTest, PostQuitMessageEndsTheLoopAfterWhatWasPostedBefore)
{
    HWND hwnd = makeWindow();
    PostMessageW(hwnd, WM_APP, 1, 0);
    PostMessageW(hwnd, WM_APP, 2, 0);
    PostQuitMessage(7);
    PostThreadMessageW(GetCurrentThreadId(), WM_APP + 1, 3, 0);
    MSG msg;
    std::vector<WPARAM> seen;
    BOOL result;
    while ((result = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        seen.push_back(msg.wParam);
        DispatchMessageW(&msg);
    }
    EXPECT_EQ(result, FALSE);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(seen, (std::vector<WPARAM> {1, 2, 3})); // posted messages before the quit
}

TEST_F(MessageTest, ThreadMessagesReachTheThreadsQueue)
{
    WindowThread other(true);
    ASSERT_TRUE(PostThreadMessageW(other.threadId(), WM_USER, 0, 0));
    EXPECT_FALSE(PostThreadMessageW(0x7FFFFFF0, WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_THREAD_ID));
    other.finish(); // it took the thread message before the quit that ends it
    EXPECT_EQ(other.threadMessages(), 1);
}

TEST_F(MessageTest, TerminatingAThreadEndsItsMessageWait)
{
    WindowThread other(true);
    HWND window = other.window();
    ASSERT_TRUE(TerminateThread(other.handle(), 5));
    ASSERT_EQ(WaitForSingleObject(other.handle(), INFINITE), WAIT_OBJECT_0);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(other.handle(), &code));
    EXPECT_EQ(code, 5u);
    EXPECT_FALSE(IsWindow(window));  // freed as the thread ended
}

TEST_F(MessageTest, SendToAnotherThreadRunsOnThatThreadAndWaitsForTheAnswer)
{
    WindowThread other(true);
    EXPECT_EQ(SendMessageW(other.window(), WM_USER, 21, 0), 42);
    DWORD_PTR answer = 0;
    EXPECT_EQ(SendMessageTimeoutW(other.window(), WM_USER, 5, 0, SMTO_NORMAL, 1000, &answer), 1);
    EXPECT_EQ(answer, 10u);
    EXPECT_EQ(GetWindowThreadProcessId(other.window(), nullptr), other.threadId());
    EXPECT_NE(other.threadId(), GetCurrentThreadId());
}

// Forwards WM_USER + 1 to the window in lParam with WM_USER; answers with its answer plus one.
LRESULT forwardingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER + 1)
        return SendMessageW(reinterpret_cast<HWND>(lParam), WM_USER, wParam, 0) + 1;
    return recordingProc(hwnd, message, wParam, lParam);
}

TEST_F(MessageTest, TwoThreadsSendingToEachOtherDoNotDeadlock)
{
    WindowThread other(true);
    SetWindowLongPtrW(other.window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(forwardingProc));
    HWND mine = makeWindow();
    MessageLog::instance().take({});
    EXPECT_EQ(SendMessageW(other.window(), WM_USER + 1, 4, reinterpret_cast<LPARAM>(mine)), 9);
    EXPECT_EQ(MessageLog::instance().take({WM_USER}), (std::vector<Received> {{mine, WM_USER, 4}}));
}

TEST_F(MessageTest, SendTimesOutWhenTheWindowsThreadDoesNotPump)
{
    WindowThread silent(false);
    const DWORD before = GetTickCount();
    DWORD_PTR answer = 5;
    EXPECT_EQ(SendMessageTimeoutW(silent.window(), WM_USER, 1, 0, SMTO_NORMAL, 500, &answer), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TIMEOUT));
    EXPECT_EQ(answer, 5u);
    EXPECT_GE(GetTickCount() - before, 500u);

    // Hung once it has not looked at its queue for a while: SMTO_ABORTIFHUNG gives up at once.
    emulator::advanceDeviceClock(6000);
    const DWORD atHang = GetTickCount();
    EXPECT_EQ(SendMessageTimeoutW(silent.window(), WM_USER, 1, 0, SMTO_ABORTIFHUNG, 100000, &answer), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TIMEOUT));
    EXPECT_EQ(GetTickCount(), atHang);

    HWND window = silent.window();
    silent.finish();
    EXPECT_FALSE(IsWindow(window));  // freed as the thread ended
    EXPECT_EQ(MessageLog::instance().take({WM_USER}).size(), 0u);
}

TEST_F(MessageTest, BroadcastReachesEveryTopLevelWindowButNoChild)
{
    HWND first = makeWindow();
    HWND second = makeWindow();
    makeWindow(WS_CHILD, first);
    WindowThread other(true);
    MessageLog::instance().take({});
    SendMessageW(HWND_BROADCAST, WM_SETTINGCHANGE, 1, 0);
    auto got = MessageLog::instance().take({WM_SETTINGCHANGE});
    EXPECT_EQ(got,
        (std::vector<Received> {
            {other.window(), WM_SETTINGCHANGE, 1}, {second, WM_SETTINGCHANGE, 1}, {first, WM_SETTINGCHANGE, 1}}));
    ASSERT_TRUE(PostMessageW(HWND_BROADCAST, WM_SYSCOLORCHANGE, 2, 0));
    EXPECT_EQ(pumpWaiting(), 2); // ours; the other thread pumps its own
    HANDLE handled = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    PostMessageW(other.window(), signalWhenHandled, 0, reinterpret_cast<LPARAM>(handled));
    ASSERT_EQ(WaitForSingleObject(handled, INFINITE), WAIT_OBJECT_0);
    CloseHandle(handled);
    EXPECT_EQ(MessageLog::instance().take({WM_SYSCOLORCHANGE}).size(), 3u);
}

TEST_F(MessageTest, SendNotifyMessageDoesNotWait)
{
    WindowThread silent(false);
    EXPECT_TRUE(SendNotifyMessageW(silent.window(), WM_USER, 1, 0));
    HWND mine = makeWindow();
    MessageLog::instance().take({});
    EXPECT_TRUE(SendNotifyMessageW(mine, WM_USER, 2, 0)); // same thread: handled at once
    EXPECT_EQ(MessageLog::instance().take({WM_USER}), (std::vector<Received> {{mine, WM_USER, 2}}));
}

TEST_F(MessageTest, MsgWaitEndsForHandlesInputOrTime)
{
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &event, FALSE, 100, QS_ALLINPUT), WAIT_TIMEOUT);
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &event, FALSE, 100, QS_ALLINPUT), WAIT_OBJECT_0 + 1);
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &event, FALSE, 100, QS_PAINT), WAIT_TIMEOUT);
    EXPECT_EQ(GetQueueStatus(QS_POSTMESSAGE) & 0xFFFF, static_cast<DWORD>(QS_POSTMESSAGE));
    SetEvent(event);
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &event, FALSE, 100, QS_ALLINPUT), WAIT_OBJECT_0);
    HANDLE bad = reinterpret_cast<HANDLE>(0x4321);
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &bad, FALSE, 0, QS_ALLINPUT), WAIT_FAILED);
    CloseHandle(event);
}

TEST_F(MessageTest, TranslateMessagePostsCharactersForKeys)
{
    HWND hwnd = makeWindow();
    const MSG key {hwnd, WM_KEYDOWN, 'Q', 0, 0, {0, 0}};
    EXPECT_TRUE(TranslateMessage(&key));
    const MSG shift {hwnd, WM_KEYDOWN, 0x10, 0, 0, {0, 0}};
    EXPECT_FALSE(TranslateMessage(&shift));
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_CHAR));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(u'q'));
}

} // namespace
