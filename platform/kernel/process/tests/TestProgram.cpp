// A program image for the process tests. Its command line is a verb and arguments:
//   exit N / exitprocess N / terminate N   end with N (returning, ExitProcess, TerminateProcess)
//   count                                  bumps its globals: 101 in a fresh process
//   args                                   1 when WinMain got what the device passes
//   report PATH                            writes its process id and file name to PATH
//   hold PATH                              opens PATH without sharing and never closes it
//   loadlib NAME                           5 when NAME loads from the program's folder
//   wait READY NEVER                       sets event READY, then waits for event NEVER
#include <cstring>
#include <string>

#include "ceexports.h"
#include "windows.h"

// A static local of an exported inline function (as in a header of the product): the
// compiler's "unique" objects would make it one for every copy of the image, unless images
// are built with -fno-gnu-unique.
inline int& inlineCounter()
{
    static int count = 0;
    return count;
}

namespace {

int counter = 0;

std::u16string nextWord(const WCHAR*& text)
{
    while (*text == u' ')
        ++text;
    const WCHAR* start = text;
    while (*text && *text != u' ')
        ++text;
    return std::u16string(start, text);
}

int writeReport(const std::u16string& path)
{
    WCHAR name[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(nullptr, name, MAX_PATH);
    DWORD id = GetCurrentProcessId();
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, &id, sizeof id, &written, nullptr);
    WriteFile(file, name, length * sizeof(WCHAR), &written, nullptr);
    CloseHandle(file);
    return 0;
}

int loadFromOwnFolder(const std::u16string& name)
{
    HMODULE library = LoadLibraryW(name.c_str());
    if (!library)
        return 0;
    WCHAR path[MAX_PATH] = {};
    GetModuleFileNameW(library, path, MAX_PATH);
    auto add = reinterpret_cast<int (*)(int, int)>(reinterpret_cast<void*>(GetProcAddressW(library, u"Add")));
    bool fromOwnFolder = std::u16string(path) == u"\\Program Files\\Test\\TestLibrary.dll";
    return add && fromOwnFolder ? add(2, 3) : 1;
}

int waitForever(const std::u16string& ready, const std::u16string& never)
{
    HANDLE readyEvent = CreateEventW(nullptr, TRUE, FALSE, ready.c_str());
    HANDLE neverEvent = CreateEventW(nullptr, TRUE, FALSE, never.c_str());
    SetEvent(readyEvent);
    WaitForSingleObject(neverEvent, INFINITE);
    return 5;
}

} // namespace

extern "C" CEEXPORT int Bump()
{
    ++inlineCounter();
    return ++counter * 100 + inlineCounter();
}

extern "C" CEEXPORT int WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show)
{
    const WCHAR* rest = commandLine;
    std::u16string verb = nextWord(rest);
    std::u16string argument = nextWord(rest);
    if (verb == u"exit")
        return _wtoi(argument.c_str());
    if (verb == u"exitprocess")
        ExitProcess(_wtoi(argument.c_str()));
    if (verb == u"terminate")
        TerminateProcess(GetCurrentProcess(), _wtoi(argument.c_str()));
    if (verb == u"count")
        return Bump();
    if (verb == u"args")
        return instance == GetModuleHandleW(nullptr) && !previous && show == 5;
    if (verb == u"report")
        return writeReport(argument);
    if (verb == u"hold")
        return CreateFileW(argument.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr)
            != INVALID_HANDLE_VALUE;
    if (verb == u"loadlib")
        return loadFromOwnFolder(argument);
    if (verb == u"wait")
        return waitForever(argument, nextWord(rest));
    return verb.empty() ? 0 : 999;
}
