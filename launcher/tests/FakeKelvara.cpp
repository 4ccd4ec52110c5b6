// A stand-in for Kelvara.exe in the launcher's tests: it appends its command line as one line to
// \started.txt and sets the event "FakeKelvaraRan".
#include "ceexports.h"
#include "windows.h"

extern "C" CEEXPORT int WinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int)
{
    HANDLE file = CreateFileW(u"\\started.txt", GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        SetFilePointer(file, 0, nullptr, FILE_END);
        DWORD length = 0;
        while (commandLine[length])
            ++length;
        DWORD written = 0;
        WriteFile(file, commandLine, length * sizeof(WCHAR), &written, nullptr);
        WriteFile(file, u"\n", sizeof(WCHAR), &written, nullptr);
        CloseHandle(file);
    }
    HANDLE ran = CreateEventW(nullptr, TRUE, FALSE, u"FakeKelvaraRan");
    SetEvent(ran);
    CloseHandle(ran);
    return 0;
}
