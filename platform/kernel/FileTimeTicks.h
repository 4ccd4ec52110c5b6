// FILETIME arithmetic shared by the clock, the time calls, the file system and thread times:
// times are counted in 100-ns ticks since 1601-01-01 (UTC unless a call says local).
#pragma once

#include <ctime>

#include "windef.h"

namespace ce {

constexpr ULONGLONG ticksPerMs = 10'000;
constexpr ULONGLONG ticksPerSecond = 1000 * ticksPerMs;
// 1601-01-01 to 1970-01-01, the host's epoch.
constexpr LONGLONG unixEpochSeconds = 11'644'473'600;

inline FILETIME fileTimeFromTicks(ULONGLONG ticks)
{
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

inline ULONGLONG ticksFromFileTime(const FILETIME& time)
{
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// A host time (since 1970) as ticks; times before 1601 become 0.
inline ULONGLONG ticksFromHost(const struct timespec& time)
{
    const LONGLONG seconds = time.tv_sec + unixEpochSeconds;
    if (seconds < 0)
        return 0;
    return static_cast<ULONGLONG>(seconds) * ticksPerSecond + static_cast<ULONGLONG>(time.tv_nsec / 100);
}

inline struct timespec hostFromTicks(ULONGLONG ticks)
{
    struct timespec time{};
    time.tv_sec = static_cast<time_t>(static_cast<LONGLONG>(ticks / ticksPerSecond) - unixEpochSeconds);
    time.tv_nsec = static_cast<long>(ticks % ticksPerSecond) * 100;
    return time;
}

}  // namespace ce
