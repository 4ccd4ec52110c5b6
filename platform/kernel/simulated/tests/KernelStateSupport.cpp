// Readers of tool help snapshots and the memory status for the kernel state tests.
#include "KernelStateSupport.h"

#include <gtest/gtest.h>

#include "windows.h"

namespace kernel_state_test {
namespace {

constexpr ULONGLONG stackPerThread = 64u << 10;

template <typename Entry, typename First, typename Next>
std::vector<Entry> walkAll(HANDLE snapshot, First first, Next next)
{
    std::vector<Entry> entries;
    Entry entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = first(snapshot, &entry); more; more = next(snapshot, &entry))
        entries.push_back(entry);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    return entries;
}

}  // namespace

emulator::Profile profileWith(std::vector<emulator::IniSection> programs)
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.otherSections = std::move(programs);
    return profile;
}

std::vector<PROCESSENTRY32W> processes(DWORD flags)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(flags, 0);
    EXPECT_NE(snapshot, INVALID_HANDLE_VALUE);
    auto entries = walkAll<PROCESSENTRY32W>(snapshot, Process32FirstW, Process32NextW);
    EXPECT_TRUE(CloseToolhelp32Snapshot(snapshot));
    return entries;
}

std::vector<std::u16string> processNames()
{
    std::vector<std::u16string> names;
    for (const auto& entry : processes())
        names.push_back(entry.szExeFile);
    return names;
}

PROCESSENTRY32W processNamed(const std::u16string& exeName)
{
    for (const auto& entry : processes())
        if (entry.szExeFile == exeName)
            return entry;
    ADD_FAILURE() << "no process runs " << std::string(exeName.begin(), exeName.end());
    return {};
}

ULONGLONG memoryShownFor(DWORD processId)
{
    ULONGLONG total = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPHEAPLIST | TH32CS_SNAPMODULE, processId);
    EXPECT_NE(snapshot, INVALID_HANDLE_VALUE);
    for (const auto& heap : walkAll<HEAPLIST32>(snapshot, Heap32ListFirst, Heap32ListNext)) {
        HEAPENTRY32 block{};
        block.dwSize = sizeof block;
        for (BOOL more = Heap32First(snapshot, &block, processId, heap.th32HeapID); more;
             more = Heap32Next(snapshot, &block))
            total += block.dwBlockSize;
    }
    for (const auto& module : walkAll<MODULEENTRY32W>(snapshot, Module32FirstW, Module32NextW))
        total += module.modBaseSize;
    CloseToolhelp32Snapshot(snapshot);
    for (const auto& process : processes())
        if (process.th32ProcessID == processId)
            total += stackPerThread * process.cntThreads;
    return total;
}

std::vector<DWORD> threadsOf(DWORD processId)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    EXPECT_NE(snapshot, INVALID_HANDLE_VALUE);
    std::vector<DWORD> threads;
    for (const auto& thread : walkAll<THREADENTRY32>(snapshot, Thread32First, Thread32Next))
        if (thread.th32OwnerProcessID == processId)
            threads.push_back(thread.th32ThreadID);
    CloseToolhelp32Snapshot(snapshot);
    return threads;
}

ULONGLONG cpuTimeOf(DWORD threadId)
{
    FILETIME created{}, exited{}, kernel{}, user{};
    // On the device a thread id is also a handle to the thread.
    EXPECT_TRUE(GetThreadTimes(reinterpret_cast<HANDLE>(static_cast<uintptr_t>(threadId)), &created, &exited,
                               &kernel, &user));
    auto ticks = [](const FILETIME& t) { return (ULONGLONG{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    return ticks(kernel) + ticks(user);
}

SIZE_T availablePhysical()
{
    MEMORYSTATUS status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    return status.dwAvailPhys;
}

}  // namespace kernel_state_test
