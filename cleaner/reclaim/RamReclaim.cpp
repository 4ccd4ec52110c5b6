// The reclaim steps. Closing programs and compacting heaps need the running-program list, which
// comes with the memory tools; until then they leave every process as it is.
#include "RamReclaim.h"

#include <cstdio>

namespace {

BOOL CALLBACK hibernateWindow(HWND window, LPARAM)
{
    PostMessageW(window, WM_HIBERNATE, 0, 0);
    return TRUE;
}

} // namespace

void closeAllPrograms()
{
}

void hibernateAll()
{
    EnumWindows(hibernateWindow, 0);
}

void compactAllHeaps()
{
}

DWORD freePhysicalMemory()
{
    MEMORYSTATUS status {};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    return status.dwAvailPhys;
}

std::u16string formatMegabytes(DWORD bytes)
{
    constexpr DWORD megabyte = 1024 * 1024;
    const DWORD hundredths = static_cast<DWORD>((static_cast<unsigned long long>(bytes % megabyte) * 100) / megabyte);
    char text[32];
    std::snprintf(text, sizeof text, "%lu.%02lu", static_cast<unsigned long>(bytes / megabyte),
        static_cast<unsigned long>(hundredths));
    return std::u16string(text, text + std::char_traits<char>::length(text));
}
