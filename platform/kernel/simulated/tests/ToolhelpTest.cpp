// Tool help snapshots: their contents, frozen copies, and the errors of the walking calls.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "KernelStateSupport.h"
#include "windows.h"

using namespace kernel_state_test;
using testing_support::TestDevice;

namespace {

TEST(Toolhelp, ProcessEntriesDescribeEachProcess)
{
    TestDevice device(profileWith({{"program.viewer", {{"Path", "\\Program Files\\V\\viewer.exe"}, {"AtBoot", "1"},
                                                       {"Threads", "4"}}}}));
    auto withHeaps = processes(TH32CS_SNAPPROCESS);
    auto withoutHeaps = processes(TH32CS_SNAPPROCESS | TH32CS_SNAPNOHEAPS);
    ASSERT_EQ(withHeaps.size(), withoutHeaps.size());
    std::set<DWORD> ids, bases;
    for (size_t i = 0; i < withHeaps.size(); ++i) {
        EXPECT_EQ(std::u16string(withHeaps[i].szExeFile), withoutHeaps[i].szExeFile);
        EXPECT_EQ(std::u16string(withHeaps[i].szExeFile).find(u'\\'), std::u16string::npos);
        EXPECT_EQ(withHeaps[i].th32MemoryBase % 0x02000000, 0u);
        EXPECT_NE(withHeaps[i].th32DefaultHeapID, 0u);
        ids.insert(withHeaps[i].th32ProcessID);
        bases.insert(withHeaps[i].th32MemoryBase);
    }
    EXPECT_EQ(ids.size(), withHeaps.size());
    EXPECT_EQ(bases.size(), withHeaps.size());
    EXPECT_EQ(withHeaps.front().th32MemoryBase, 0x02000000u);
    EXPECT_EQ(processNamed(u"viewer.exe").cntThreads, 4u);

    // Every thread of the thread snapshot belongs to a listed process, and the counts agree.
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 thread{};
    thread.dwSize = sizeof thread;
    std::map<DWORD, DWORD> threadsOf;
    for (BOOL more = Thread32First(snapshot, &thread); more; more = Thread32Next(snapshot, &thread))
        ++threadsOf[thread.th32OwnerProcessID];
    CloseHandle(snapshot);
    for (const auto& process : withHeaps)
        EXPECT_EQ(threadsOf[process.th32ProcessID], process.cntThreads) << process.th32ProcessID;
}

TEST(Toolhelp, SnapshotsAreFrozenCopies)
{
    TestDevice device(profileWith({{"program.notes", {{"AtBoot", "1"}}}}));
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS | TH32CS_SNAPTHREAD, 0);
    ASSERT_NE(snapshot, INVALID_HANDLE_VALUE);
    HANDLE notes = OpenProcess(PROCESS_ALL_ACCESS, FALSE, processNamed(u"notes.exe").th32ProcessID);
    ASSERT_TRUE(TerminateProcess(notes, 1));
    CloseHandle(notes);

    std::vector<std::u16string> frozen;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        frozen.push_back(entry.szExeFile);
    EXPECT_EQ(frozen.back(), u"notes.exe");
    EXPECT_EQ(processNames().size(), frozen.size() - 1);
    EXPECT_TRUE(CloseToolhelp32Snapshot(snapshot));
}

TEST(Toolhelp, ModulesOfOneProcessOrOfAll)
{
    TestDevice device(profileWith({{"program.notes", {{"AtBoot", "1"}, {"Modules", "coredll.dll,commctrl.dll"}}}}));
    auto countModules = [](DWORD flags, DWORD processId) {
        HANDLE snapshot = CreateToolhelp32Snapshot(flags, processId);
        EXPECT_NE(snapshot, INVALID_HANDLE_VALUE);
        MODULEENTRY32W module{};
        module.dwSize = sizeof module;
        std::set<DWORD> owners;
        size_t count = 0;
        for (BOOL more = Module32FirstW(snapshot, &module); more; more = Module32NextW(snapshot, &module)) {
            owners.insert(module.th32ProcessID);
            ++count;
        }
        CloseHandle(snapshot);
        return std::make_pair(count, owners.size());
    };
    const DWORD notes = processNamed(u"notes.exe").th32ProcessID;
    EXPECT_EQ(countModules(TH32CS_SNAPMODULE, notes), std::make_pair(size_t{3}, size_t{1}));
    auto all = countModules(TH32CS_SNAPMODULE | TH32CS_GETALLMODS, 0);
    EXPECT_EQ(all.second, processes().size());
    EXPECT_GT(all.first, 3u);
}

TEST(Toolhelp, WalkingCallsReportTheirErrors)
{
    TestDevice device;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPALL, 0);
    ASSERT_NE(snapshot, INVALID_HANDLE_VALUE);
    PROCESSENTRY32W process{};
    process.dwSize = sizeof process - 4;
    EXPECT_FALSE(Process32FirstW(snapshot, &process));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    THREADENTRY32 thread{};
    thread.dwSize = 8;
    EXPECT_FALSE(Thread32First(snapshot, &thread));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    // A host thread is in no process: no modules or heap list of its own.
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    EXPECT_FALSE(Module32FirstW(snapshot, &module));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    HEAPENTRY32 block{};
    block.dwSize = sizeof block;
    EXPECT_FALSE(Heap32First(snapshot, &block, 0x12345678, 0x60000));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    // Process snapshots without SNAPNOHEAPS carry every heap's blocks.
    const PROCESSENTRY32W nk = processNamed(u"nk.exe");
    EXPECT_TRUE(Heap32First(snapshot, &block, nk.th32ProcessID, nk.th32DefaultHeapID));
    HANDLE light = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS | TH32CS_SNAPNOHEAPS, 0);
    EXPECT_FALSE(Heap32First(light, &block, nk.th32ProcessID, nk.th32DefaultHeapID));
    EXPECT_TRUE(CloseHandle(light));

    EXPECT_TRUE(CloseToolhelp32Snapshot(snapshot));
    EXPECT_FALSE(CloseToolhelp32Snapshot(snapshot));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(Process32FirstW(snapshot, &process));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

    SetLastError(0);
    EXPECT_EQ(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0x7777), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

}  // namespace
