// A program image for the notification tests: writes its command line to "<its own path>.txt"
// and then releases the semaphore "NotifyRecorded", so a test can wait until it has run.
#include <string>

#include "ceexports.h"
#include "windows.h"

extern "C" CEEXPORT int WinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int)
{
    WCHAR path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::u16string output = std::u16string(path, length) + u".txt";
    HANDLE file = CreateFileW(output.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        const std::u16string line = commandLine ? commandLine : u"";
        DWORD written = 0;
        WriteFile(file, line.data(), static_cast<DWORD>(line.size() * sizeof(WCHAR)), &written, nullptr);
        CloseHandle(file);
    }
    HANDLE recorded = CreateSemaphoreW(nullptr, 0, 100, u"NotifyRecorded");
    ReleaseSemaphore(recorded, 1, nullptr);
    CloseHandle(recorded);
    return 0;
}
