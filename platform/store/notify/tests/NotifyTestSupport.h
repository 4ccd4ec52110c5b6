// Helpers of the notification tests: building triggers, reading notifications back through the
// calls, and the recorder program image that reports the command line it was started with.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "TestDevice.h"
#include "notify.h"
#include "windows.h"

namespace notify_test {

inline SYSTEMTIME noTime()
{
    return SYSTEMTIME{};
}

// The device's local time `seconds` from now.
inline SYSTEMTIME localTimeIn(LONGLONG seconds)
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    FILETIME time{};
    SystemTimeToFileTime(&now, &time);
    ULONGLONG ticks = (static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime) +
                      static_cast<ULONGLONG>(seconds * 10'000'000);
    time = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME later{};
    FileTimeToSystemTime(&time, &later);
    return later;
}

// A trigger over texts the caller keeps alive (null for absent ones).
inline CE_NOTIFICATION_TRIGGER makeTrigger(DWORD type, DWORD event, const WCHAR* application, const WCHAR* arguments,
                                           SYSTEMTIME start = noTime(), SYSTEMTIME end = noTime())
{
    return {sizeof(CE_NOTIFICATION_TRIGGER), type,  event, const_cast<WCHAR*>(application),
            const_cast<WCHAR*>(arguments),    start, end};
}

// A CNT_TIME notification of `application` (arguments optional) at `start`.
inline HANDLE addTimed(const WCHAR* application, SYSTEMTIME start, const WCHAR* arguments = nullptr)
{
    CE_NOTIFICATION_TRIGGER trigger = makeTrigger(CNT_TIME, 0, application, arguments, start);
    return CeSetUserNotificationEx(nullptr, &trigger, nullptr);
}

inline std::vector<HANDLE> notificationHandles()
{
    DWORD needed = 0;
    CeGetUserNotificationHandles(nullptr, 0, &needed);
    if (needed == 0)
        return {};
    std::vector<HANDLE> handles(needed);
    EXPECT_TRUE(CeGetUserNotificationHandles(handles.data(), needed, &needed));
    return handles;
}

// The notification's buffer, read as callers do: the size first, then the record.
class ReadNotification {
public:
    explicit ReadNotification(HANDLE handle)
    {
        DWORD needed = 0;
        EXPECT_FALSE(CeGetUserNotification(handle, 0, &needed, nullptr));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
        m_storage.resize(needed / sizeof(ULONGLONG) + 1);
        EXPECT_TRUE(CeGetUserNotification(handle, needed, &needed, bytes()));
        m_size = needed;
    }
    const CE_NOTIFICATION_INFO_HEADER& header() const
    {
        return *reinterpret_cast<const CE_NOTIFICATION_INFO_HEADER*>(m_storage.data());
    }
    const CE_NOTIFICATION_TRIGGER* trigger() const { return header().pcent; }
    const CE_USER_NOTIFICATION* user() const { return header().pceun; }
    DWORD size() const { return m_size; }
    // Whether the pointer is null or points inside the buffer.
    bool inside(const void* p) const
    {
        auto begin = reinterpret_cast<const BYTE*>(m_storage.data());
        return !p || (static_cast<const BYTE*>(p) >= begin && static_cast<const BYTE*>(p) < begin + m_size);
    }

private:
    BYTE* bytes() { return reinterpret_cast<BYTE*>(m_storage.data()); }
    std::vector<ULONGLONG> m_storage;  // aligned for the pointers inside
    DWORD m_size = 0;
};

inline std::optional<std::u16string> textOf(const WCHAR* text)
{
    return text ? std::optional<std::u16string>(text) : std::nullopt;
}

// Copies the recorder program image to `devicePath`.
inline void installRecorder(const testing_support::TestDevice& device, const std::u16string& devicePath)
{
    const std::filesystem::path target = device.hostPath(devicePath);
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy_file(NOTIFY_RECORDER_IMAGE, target, std::filesystem::copy_options::overwrite_existing);
}

// The command line the recorder installed at `devicePath` got last.
inline std::u16string recordedCommandLine(const testing_support::TestDevice& device, const std::u16string& devicePath)
{
    std::ifstream in(device.hostPath(devicePath + u".txt"), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return std::u16string(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2);
}

// The semaphore recorders release as they finish: wait on it once per program expected.
class Recorded {
public:
    Recorded() : m_semaphore(CreateSemaphoreW(nullptr, 0, 100, u"NotifyRecorded")) {}
    ~Recorded() { CloseHandle(m_semaphore); }
    Recorded(const Recorded&) = delete;
    Recorded& operator=(const Recorded&) = delete;
    // A host thread's endless wait never holds the virtual clock.
    void waitFor(int programs)
    {
        for (int i = 0; i < programs; ++i)
            ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(m_semaphore, INFINITE));
    }
    bool anyPending() { return WaitForSingleObject(m_semaphore, 0) == WAIT_OBJECT_0; }

private:
    HANDLE m_semaphore;
};

}  // namespace notify_test
