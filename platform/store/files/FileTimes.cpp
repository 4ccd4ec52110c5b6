// Converting and setting file times.
#include "FileTimes.h"

#include <fcntl.h>

namespace ce {

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
