// Program memory: what GlobalMemoryStatus reports and how ending, hibernating and compacting
// processes change it; the division of RAM between the object store and programs.
#include <gtest/gtest.h>

#include <fstream>

#include "KernelStateSupport.h"
#include "emulator/SimulatedPrograms.h"
#include "windows.h"
#include "kfuncs.h"

using namespace kernel_state_test;
using testing_support::TestDevice;

namespace {

constexpr SIZE_T kernelShare = 2u << 20;

using CallBack = DWORD (*)(LPVOID, LPVOID, LPVOID, LPVOID);

// Through void (*)(), the type that may stand for any function pointer.
FARPROC asFarProc(CallBack function)
{
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

std::vector<emulator::IniSection> notesProgram()
{
    return {{"program.notes",
             {{"AtBoot", "1"},
              {"Threads", "2"},
              {"Heap", "default:40000:5000"},
              {"Heap1", "cache:90000:7000"},
              {"HibernateBytes", "60000"}}}};
}

TEST(Memory, StatusIsProgramMemoryLessKernelAndProcesses)
{
    TestDevice device(profileWith(notesProgram()));
    const emulator::Profile& profile = emulator::deviceProfile();
    MEMORYSTATUS status{};
    GlobalMemoryStatus(&status);
    const SIZE_T total = profile.ramBytes - profile.storeBytes;
    ULONGLONG processes = 0;
    for (const auto& process : kernel_state_test::processes())
        processes += memoryShownFor(process.th32ProcessID);
    EXPECT_EQ(status.dwLength, sizeof status);
    EXPECT_EQ(status.dwTotalPhys, total);
    EXPECT_EQ(status.dwAvailPhys, total - kernelShare - processes);
    EXPECT_EQ(status.dwMemoryLoad, (total - status.dwAvailPhys) * 100 / total);
    EXPECT_EQ(status.dwTotalPageFile, 0u);
    EXPECT_EQ(status.dwTotalVirtual, 32u << 20);
}

TEST(Memory, EndingHibernatingAndCompactingReleaseExactlyTheirBytes)
{
    TestDevice device(profileWith(notesProgram()));
    const DWORD notes = processNamed(u"notes.exe").th32ProcessID;

    SIZE_T before = availablePhysical();
    EXPECT_EQ(emulator::hibernateSimulatedProgram(notes), 60000u);
    EXPECT_EQ(availablePhysical(), before + 60000);
    EXPECT_EQ(emulator::hibernateSimulatedProgram(notes), 0u);  // nothing more to give back

    // Compaction runs inside the process, as a program's own HeapCompact call does.
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, notes);
    ASSERT_NE(process, nullptr);
    static DWORD freeBytesFound;
    static SIZE_T ownVirtual;
    CALLBACKINFO call{process, asFarProc([](LPVOID, LPVOID, LPVOID, LPVOID) -> DWORD {
                          MEMORYSTATUS status{};
                          GlobalMemoryStatus(&status);
                          ownVirtual = status.dwAvailVirtual;
                          freeBytesFound = HeapCompact(GetProcessHeap(), 0);
                          return 0;
                      }),
                      nullptr};
    const ULONGLONG notesMemory = memoryShownFor(notes);
    before = availablePhysical();
    PerformCallBack4(&call, nullptr, nullptr, nullptr);
    EXPECT_EQ(ownVirtual, (32u << 20) - notesMemory);  // its 32 MB slot less what it holds
    EXPECT_EQ(freeBytesFound, 5000u);
    EXPECT_EQ(availablePhysical(), before + 5000);

    call.pfn = asFarProc([](LPVOID, LPVOID, LPVOID, LPVOID) -> DWORD {
        CompactAllHeaps();
        return 0;
    });
    before = availablePhysical();
    PerformCallBack4(&call, nullptr, nullptr, nullptr);
    EXPECT_EQ(availablePhysical(), before + 7000);

    const ULONGLONG held = memoryShownFor(notes);
    before = availablePhysical();
    ASSERT_TRUE(TerminateProcess(process, 1));
    EXPECT_EQ(WaitForSingleObject(process, 0), WAIT_OBJECT_0);
    CloseHandle(process);
    EXPECT_EQ(availablePhysical(), before + held);
}

TEST(Memory, HeapCompactRefusesHeapsOfOtherProcesses)
{
    TestDevice device(profileWith(notesProgram()));
    SetLastError(0);
    EXPECT_EQ(HeapCompact(reinterpret_cast<HANDLE>(0x1234), 0), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(Memory, DivisionFollowsTheProfileAndMovesWithinLimits)
{
    // Only systems before version 5 let the division move.
    emulator::Profile older = profileWith({});
    older.osMajor = 4;
    older.osMinor = 21;
    TestDevice device(older);
    const emulator::Profile profile = emulator::deviceProfile();  // a copy: the reboot below ends the device
    const DWORD page = profile.pageSize;
    DWORD storePages = 0, ramPages = 0, pageSize = 0;
    ASSERT_TRUE(GetSystemMemoryDivision(&storePages, &ramPages, &pageSize));
    EXPECT_EQ(pageSize, page);
    EXPECT_EQ(storePages, profile.storeBytes / page);
    EXPECT_EQ(ramPages, (profile.ramBytes - profile.storeBytes) / page);

    std::ofstream(device.hostPath(u"\\big.bin"), std::ios::binary) << std::string(600000, 'x');
    const DWORD allPages = static_cast<DWORD>(profile.ramBytes / page);
    struct Case {
        const char* name;
        DWORD storePages;
        DWORD expected;
    } cases[] = {
        {"larger store", storePages * 2, SYSMEM_CHANGED},
        {"smaller store", storePages / 2, SYSMEM_CHANGED},
        {"no store", 0, SYSMEM_FAILED},
        {"files would not fit", 600000 / page, SYSMEM_FAILED},
        {"all of RAM", allPages, SYSMEM_FAILED},
        {"programs would not fit", allPages - 16, SYSMEM_FAILED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DWORD previous = 0;
        GetSystemMemoryDivision(&previous, &ramPages, &pageSize);
        EXPECT_EQ(SetSystemMemoryDivision(c.storePages), c.expected);
        DWORD now = 0;
        GetSystemMemoryDivision(&now, &ramPages, &pageSize);
        const DWORD expectedStore = c.expected == SYSMEM_CHANGED ? c.storePages : previous;
        EXPECT_EQ(now, expectedStore);
        EXPECT_EQ(ramPages, allPages - expectedStore);
        MEMORYSTATUS status{};
        GlobalMemoryStatus(&status);
        EXPECT_EQ(status.dwTotalPhys, SIZE_T{ramPages} * page);
    }
    device.reboot();
    GetSystemMemoryDivision(&storePages, &ramPages, &pageSize);
    EXPECT_EQ(storePages, profile.storeBytes / page);
}

}  // namespace
