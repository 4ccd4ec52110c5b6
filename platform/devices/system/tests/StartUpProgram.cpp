// A program image for the soft-reset tests. "reset" asks the device for a soft reset (and notes
// in \returned.txt if the call ever returns); "wait" waits until its process is ended; any other
// command line is appended, with a line end, to \startup-log.txt.
#include "ceexports.h"
#include "pkfuncs.h"
#include "windows.h"

namespace {

// Programs the StartUp folder starts together take turns at the log.
void appendLine(LPCWSTR path, LPCWSTR text)
{
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION)
            Sleep(10);
    }
    if (file == INVALID_HANDLE_VALUE)
        return;
    SetFilePointer(file, 0, nullptr, FILE_END);
    DWORD length = 0;
    while (text[length])
        ++length;
    DWORD written = 0;
    WriteFile(file, text, length * sizeof(WCHAR), &written, nullptr);
    WriteFile(file, u"\n", sizeof(WCHAR), &written, nullptr);
    CloseHandle(file);
}

bool is(LPCWSTR text, LPCWSTR word)
{
    while (*text && *text == *word) {
        ++text;
        ++word;
    }
    return *text == *word;
}

}  // namespace

extern "C" CEEXPORT int WinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int)
{
    if (is(commandLine, u"reset")) {
        KernelIoControl(IOCTL_HAL_REBOOT, nullptr, 0, nullptr, 0, nullptr);
        appendLine(u"\\returned.txt", u"KernelIoControl returned");
        return 1;
    }
    if (is(commandLine, u"wait")) {
        Sleep(INFINITE);
        return 2;
    }
    appendLine(u"\\startup-log.txt", commandLine);
    return 0;
}
