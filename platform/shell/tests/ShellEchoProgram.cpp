// A program image for the shell tests: writes "its own path|its command line" to \echo-log.txt,
// replacing what was there, so a test can see what the shell started and how.
#include "ceexports.h"
#include "windows.h"

extern "C" CEEXPORT int WinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int)
{
    WCHAR self[MAX_PATH] = {};
    const DWORD selfLength = GetModuleFileNameW(nullptr, self, MAX_PATH);
    DWORD length = 0;
    while (commandLine[length])
        ++length;
    HANDLE file = CreateFileW(u"\\echo-log.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, self, selfLength * sizeof(WCHAR), &written, nullptr);
    WriteFile(file, u"|", sizeof(WCHAR), &written, nullptr);
    WriteFile(file, commandLine, length * sizeof(WCHAR), &written, nullptr);
    CloseHandle(file);
    return 0;
}
