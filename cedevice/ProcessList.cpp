// Reading the process list: one snapshot for the processes and their program modules, and a
// heap-list snapshot per process (tool help lists a process's heaps only for that process).
#include "ProcessList.h"

#include <string_view>

#include "CommandSupport.h"
#include "tlhelp32.h"

namespace cedevice {
namespace {

// A snapshot handle closed when it goes out of scope.
class Snapshot {
public:
    Snapshot(DWORD flags, DWORD processId)
        : handle(CreateToolhelp32Snapshot(flags, processId))
    {
    }
    ~Snapshot()
    {
        if (valid())
            CloseToolhelp32Snapshot(handle);
    }
    bool valid() const { return handle != INVALID_HANDLE_VALUE; }
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;

    const HANDLE handle;
};

ULONGLONG heapBytesOf(DWORD processId)
{
    // A process that ended since the process snapshot has no snapshot of its own: no bytes.
    const Snapshot snapshot(TH32CS_SNAPHEAPLIST, processId);
    ULONGLONG total = 0;
    if (!snapshot.valid())
        return total;
    HEAPLIST32 list{};
    list.dwSize = sizeof list;
    for (BOOL more = Heap32ListFirst(snapshot.handle, &list); more; more = Heap32ListNext(snapshot.handle, &list)) {
        HEAPENTRY32 block{};
        block.dwSize = sizeof block;
        for (BOOL next = Heap32First(snapshot.handle, &block, processId, list.th32HeapID); next;
             next = Heap32Next(snapshot.handle, &block))
            total += block.dwBlockSize;
    }
    return total;
}

}  // namespace

std::vector<DeviceProcess> deviceProcessList()
{
    const Snapshot snapshot(TH32CS_SNAPPROCESS | TH32CS_SNAPNOHEAPS | TH32CS_SNAPMODULE | TH32CS_GETALLMODS, 0);
    if (!snapshot.valid())
        failCall("process list", GetLastError());
    std::vector<DeviceProcess> processes;
    std::vector<DWORD> programModules;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.handle, &entry); more; more = Process32NextW(snapshot.handle, &entry)) {
        processes.push_back({entry.th32ProcessID, entry.cntThreads, 0, entry.szExeFile});
        programModules.push_back(entry.th32ModuleID);
    }
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    for (BOOL more = Module32FirstW(snapshot.handle, &module); more; more = Module32NextW(snapshot.handle, &module))
        for (size_t i = 0; i < processes.size(); ++i)
            if (processes[i].id == module.th32ProcessID && programModules[i] == module.th32ModuleID)
                processes[i].exePath = module.szExePath;
    for (auto& process : processes)
        process.heapBytes = heapBytesOf(process.id);
    return processes;
}

// The ELF signature marks a program image; anything else CreateProcessW runs is a simulated program.
bool isProgramImage(const std::u16string& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    char signature[4] = {};
    DWORD read = 0;
    const bool ok = ReadFile(file, signature, sizeof signature, &read, nullptr) && read == sizeof signature;
    CloseHandle(file);
    return ok && std::string_view(signature, 4) == "\177ELF";
}

}  // namespace cedevice
