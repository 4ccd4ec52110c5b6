// Helpers of the synchronisation tests: device threads running lambdas, and the device clock.
#pragma once

#include <functional>
#include <memory>

#include "windows.h"

namespace sync_test {

inline DWORD runFunction(LPVOID parameter)
{
    std::unique_ptr<std::function<DWORD()>> body(static_cast<std::function<DWORD()>*>(parameter));
    return (*body)();
}

// A device thread running `body`; its handle.
inline HANDLE startThread(std::function<DWORD()> body, DWORD flags = 0, DWORD* id = nullptr)
{
    return CreateThread(nullptr, 0, runFunction, new std::function<DWORD()>(std::move(body)), flags, id);
}

// Waits for a thread and returns its exit code.
inline DWORD joinThread(HANDLE thread)
{
    DWORD code = 0;
    if (WaitForSingleObject(thread, INFINITE) != WAIT_OBJECT_0 || !GetExitCodeThread(thread, &code))
        return 0xDEADBEEF;
    CloseHandle(thread);
    return code;
}

inline ULONGLONG ticksOf(const FILETIME& time)
{
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// The device clock's UTC in FILETIME ticks.
inline ULONGLONG utcNow()
{
    SYSTEMTIME now{};
    GetSystemTime(&now);
    FILETIME time{};
    SystemTimeToFileTime(&now, &time);
    return ticksOf(time);
}

inline HANDLE makeEvent(bool manualReset, bool initialState, LPCWSTR name = nullptr)
{
    return CreateEventW(nullptr, manualReset, initialState, name);
}

}  // namespace sync_test
