// A parent window for range-control tests: it records the scroll messages and notifications
// its children send, in order, and answers UDN_DELTAPOS and NM_CUSTOMDRAW as a test says.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <utility>
#include <vector>

#include "TestDevice.h"
#include "commctrl.h"

namespace range_test {

// One message to the parent: WM_HSCROLL/WM_VSCROLL (code and position from wParam) or WM_NOTIFY
// (code; for UDN_DELTAPOS the position and delta, for NM_CUSTOMDRAW the stage and item).
struct Event {
    UINT message = 0;
    int code = 0;
    int position = 0;
    int detail = 0;
    HWND from = nullptr;
    bool operator==(const Event&) const = default;
};

inline void PrintTo(const Event& e, std::ostream* os)
{
    *os << "{msg " << e.message << ", code " << e.code << ", pos " << e.position << ", detail " << e.detail << "}";
}

struct ParentLog {
    std::vector<Event> events;
    LRESULT deltaAnswer = 0; // UDN_DELTAPOS: nonzero refuses
    int deltaOverride = 0; // UDN_DELTAPOS: a nonzero value replaces iDelta
    std::map<DWORD, LRESULT> drawAnswers; // NM_CUSTOMDRAW: answer by stage

    static ParentLog& instance()
    {
        static ParentLog log;
        return log;
    }
    std::vector<Event> take() { return std::exchange(events, {}); }
};

inline LRESULT notified(const NMHDR& header)
{
    ParentLog& log = ParentLog::instance();
    Event event {WM_NOTIFY, static_cast<int>(header.code), 0, 0, header.hwndFrom};
    LRESULT answer = 0;
    if (header.code == UDN_DELTAPOS) {
        auto& change = const_cast<NMUPDOWN&>(reinterpret_cast<const NMUPDOWN&>(header));
        event.position = change.iPos;
        event.detail = change.iDelta;
        if (log.deltaOverride)
            change.iDelta = log.deltaOverride;
        answer = log.deltaAnswer;
    } else if (header.code == NM_CUSTOMDRAW) {
        const auto& draw = reinterpret_cast<const NMCUSTOMDRAW&>(header);
        event.position = static_cast<int>(draw.dwDrawStage);
        event.detail = static_cast<int>(draw.dwItemSpec);
        const auto found = log.drawAnswers.find(draw.dwDrawStage);
        answer = found == log.drawAnswers.end() ? CDRF_DODEFAULT : found->second;
    }
    log.events.push_back(event);
    return answer;
}

inline LRESULT parentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        ParentLog::instance().events.push_back(
            {message, LOWORD(wParam), static_cast<short>(HIWORD(wParam)), 0, reinterpret_cast<HWND>(lParam)});
        return 0;
    case WM_NOTIFY:
        return notified(*reinterpret_cast<const NMHDR*>(lParam));
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// A device, a parent window that records, and a way to make children of it.
class RangeTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    HWND parent = nullptr;

    void SetUp() override
    {
        ParentLog::instance() = ParentLog {};
        WNDCLASSW wc {};
        wc.lpfnWndProc = parentProc;
        wc.lpszClassName = u"RangeParent";
        ASSERT_NE(RegisterClassW(&wc), 0);
        parent
            = CreateWindowExW(0, u"RangeParent", u"", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent, nullptr);
    }

    HWND make(LPCWSTR className, DWORD style, int x, int y, int cx, int cy, int id = 100)
    {
        HWND hwnd = CreateWindowExW(0, className, u"", WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, parent,
            reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
        EXPECT_NE(hwnd, nullptr);
        ParentLog::instance().take();
        return hwnd;
    }

    static std::vector<Event> events() { return ParentLog::instance().take(); }
    // The scroll messages among them (pumping also paints, which sends NM_CUSTOMDRAW).
    static std::vector<Event> scrollEvents()
    {
        std::vector<Event> scrolls;
        for (const Event& e : events()) {
            if (e.message != WM_NOTIFY)
                scrolls.push_back(e);
        }
        return scrolls;
    }
};

inline LRESULT send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageW(hwnd, message, wParam, lParam);
}

// A tap (down and up) at a client point.
inline void tap(HWND hwnd, int x, int y)
{
    send(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    send(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// Waits, in virtual time, for the calling thread's next timer message and dispatches it (with
// whatever came before it).
inline void dispatchNextTimer()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageW(&msg);
        if (msg.message == WM_TIMER)
            return;
    }
}

// A key pressed and released.
inline void press(HWND hwnd, WPARAM key)
{
    send(hwnd, WM_KEYDOWN, key, 0);
    send(hwnd, WM_KEYUP, key, 0);
}

} // namespace range_test
