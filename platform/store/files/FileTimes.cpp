// Converting and setting file times.
#include "FileTimes.h"

#include <fcntl.h>

namespace ce {
namespace {

constexpr LONGLONG ticksPerSecond = 10'000'000;
constexpr LONGLONG unixEpochSeconds = 11'644'473'600;  // 1601-01-01 to 1970-01-01

struct timespec hostFromTicks(ULONGLONG ticks)
{
    auto value = static_cast<LONGLONG>(ticks);
    struct timespec time{};
    time.tv_sec = value / ticksPerSecond - unixEpochSeconds;
    time.tv_nsec = (value % ticksPerSecond) * 100;
    return time;
}

}  // namespace

ULONGLONG ticksFromHost(const struct timespec& time)
{
    LONGLONG seconds = time.tv_sec + unixEpochSeconds;
    if (seconds < 0)
        return 0;
    return static_cast<ULONGLONG>(seconds * ticksPerSecond + time.tv_nsec / 100);
}

FILETIME fileTimeFromTicks(ULONGLONG ticks)
{
    return FILETIME {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

ULONGLONG ticksFromFileTime(const FILETIME& time)
{
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

bool setWriteTime(int fd, ULONGLONG ticks)
{
    const struct timespec times[2] = {{0, UTIME_OMIT}, hostFromTicks(ticks)};
    return futimens(fd, times) == 0;
}

FolderTimeKeeper::FolderTimeKeeper(int folder)
    : m_folder(folder)
{
    struct stat st{};
    m_known = fstat(folder, &st) == 0;
    m_time = st.st_mtim;
}

FolderTimeKeeper::~FolderTimeKeeper()
{
    if (!m_known)
        return;
    const struct timespec times[2] = {{0, UTIME_OMIT}, m_time};
    futimens(m_folder, times);
}

}  // namespace ce
