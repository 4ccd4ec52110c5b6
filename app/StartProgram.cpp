// startProgram: CreateProcessW with a writable copy of the command line, handles closed at once.
#include "StartProgram.h"

#include <string>

#include "windows.h"

bool startProgram(const char16_t* path, const char16_t* commandLine)
{
    std::u16string arguments = commandLine ? commandLine : u"";
    PROCESS_INFORMATION started {};
    if (!CreateProcessW(path, arguments.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &started))
        return false;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}
