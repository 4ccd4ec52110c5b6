// A device thread that runs an action once an event is set, and is joined when the object goes:
// the second thread that drives a modal loop running on the test's own thread.
#pragma once

#include <functional>

#include "windows.h"

class ActionThread {
public:
    ActionThread(HANDLE start, std::function<void()> action)
        : m_start(start)
        , m_action(std::move(action))
        , m_thread(CreateThread(nullptr, 0, run, this, 0, nullptr))
    {
    }
    ~ActionThread()
    {
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
    }
    ActionThread(const ActionThread&) = delete;
    ActionThread& operator=(const ActionThread&) = delete;

private:
    static DWORD run(LPVOID self)
    {
        auto* me = static_cast<ActionThread*>(self);
        WaitForSingleObject(me->m_start, INFINITE);
        me->m_action();
        return 0;
    }
    HANDLE m_start;
    std::function<void()> m_action;
    HANDLE m_thread;
};
