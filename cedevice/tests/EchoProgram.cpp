// A program image for the cedevice run tests: it writes its command line to \cmdline.txt and
// returns the number its command line starts with (0 when none).
#include "ceexports.h"
#include "windows.h"

extern "C" CEEXPORT int WinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int)
{
    HANDLE file = CreateFileW(u"\\cmdline.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return -1;
    DWORD length = 0;
    while (commandLine[length])
        ++length;
    DWORD written = 0;
    WriteFile(file, commandLine, length * sizeof(WCHAR), &written, nullptr);
    CloseHandle(file);
    int number = 0;
    for (const WCHAR* c = commandLine; *c >= u'0' && *c <= u'9'; ++c)
        number = number * 10 + (*c - u'0');
    return number;
}
