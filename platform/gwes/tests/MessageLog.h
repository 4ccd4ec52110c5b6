// Test windows that record the messages they receive, in order, across threads.
#pragma once

#include <mutex>
#include <vector>

#include "windows.h"

namespace gwes_test {

struct Received {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    bool operator==(const Received&) const = default;
};

// The messages every recording window received since the last take(), oldest first.
class MessageLog {
public:
    static MessageLog& instance()
    {
        static MessageLog log;
        return log;
    }
    void add(HWND hwnd, UINT message, WPARAM wParam)
    {
        std::lock_guard guard(m_lock);
        m_received.push_back({hwnd, message, wParam});
    }
    // The received messages among `interesting`, and a fresh log.
    std::vector<Received> take(const std::vector<UINT>& interesting)
    {
        std::lock_guard guard(m_lock);
        std::vector<Received> kept;
        for (const Received& r : m_received) {
            for (UINT message : interesting) {
                if (r.message == message)
                    kept.push_back(r);
            }
        }
        m_received.clear();
        return kept;
    }

private:
    std::mutex m_lock;
    std::vector<Received> m_received;
};

// Posted to a recording window to learn that it handled what was posted before: sets the
// event in lParam.
constexpr UINT signalWhenHandled = WM_APP + 9;

// Records every message, answers WM_USER with wParam * 2, the rest as DefWindowProcW does.
inline LRESULT recordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MessageLog::instance().add(hwnd, message, wParam);
    if (message == WM_USER)
        return static_cast<LRESULT>(wParam * 2);
    if (message == signalWhenHandled)
        SetEvent(reinterpret_cast<HANDLE>(lParam));
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

constexpr const WCHAR* recorderClass = u"Recorder";

inline ATOM registerRecorder(int extraBytes = 0)
{
    WNDCLASSW wc {};
    wc.lpfnWndProc = recordingProc;
    wc.cbWndExtra = extraBytes;
    wc.lpszClassName = recorderClass;
    MessageLog::instance().take({});
    return RegisterClassW(&wc);
}

inline HWND makeWindow(
    DWORD style = 0, HWND parent = nullptr, int id = 0, int x = 0, int y = 0, int cx = 100, int cy = 50)
{
    return CreateWindowExW(0, recorderClass, u"", style, x, y, cx, cy, parent,
        reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
}

// Dispatches what the calling thread's queue holds now.
inline int pumpWaiting()
{
    int count = 0;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&msg);
        ++count;
    }
    return count;
}

} // namespace gwes_test
