// Simulated programs: which run at boot and in what order, what their profile sections give
// them, and the boot errors of bad sections.
#include <gtest/gtest.h>

#include <algorithm>

#include "KernelStateSupport.h"
#include "emulator/Text.h"
#include "windows.h"
#include "kfuncs.h"

using namespace kernel_state_test;
using testing_support::TestDevice;

namespace {

const std::vector<std::u16string> systemProcesses = {u"nk.exe", u"filesys.exe", u"device.exe", u"gwes.exe",
                                                     u"shell32.exe"};

std::vector<std::u16string> concat(std::vector<std::u16string> a, const std::vector<std::u16string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(SimulatedPrograms, BootStartsSystemPhoneAndBootProgramsInOrder)
{
    struct Case {
        const char* name;
        bool phone;
        std::vector<emulator::IniSection> programs;
        std::vector<std::u16string> expected;
    } cases[] = {
        {"bare profile", false, {}, concat(systemProcesses, {u"repllog.exe"})},
        {"phone", true, {}, concat(systemProcesses, {u"cprog.exe", u"phone.exe", u"repllog.exe"})},
        {"boot programs in profile order",
         false,
         {{"program.notes", {{"AtBoot", "1"}}},
          {"program.viewer", {{"Path", "\\Program Files\\Viewer\\viewer.exe"}}},
          {"program.agent", {{"Path", "\\Program Files\\agent.exe"}, {"AtBoot", "1"}}}},
         concat(systemProcesses, {u"repllog.exe", u"notes.exe", u"agent.exe"})},
        {"a system program of the profile joins the system group",
         false,
         {{"program.notes", {{"AtBoot", "1"}}}, {"program.services", {{"Kind", "system"}}}},
         concat(systemProcesses, {u"services.exe", u"repllog.exe", u"notes.exe"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        emulator::Profile profile = profileWith(c.programs);
        profile.phone = c.phone;
        TestDevice device(profile);
        EXPECT_EQ(processNames(), c.expected);
    }
}

TEST(SimulatedPrograms, BuiltinProfilesRunTheirProgramsFromRom)
{
    for (const auto& name : emulator::builtinProfileNames()) {
        SCOPED_TRACE(name);
        emulator::Profile profile = *emulator::builtinProfile(name);
        TestDevice device(profile, TestDevice::Kind::Full);
        auto running = processNames();
        EXPECT_NE(std::find(running.begin(), running.end(), u"poutlook.exe"), running.end());
        EXPECT_EQ(std::find(running.begin(), running.end(), u"cprog.exe") != running.end(), profile.phone);
        for (const auto& process : processes()) {
            std::u16string path = u"\\Windows\\" + std::u16string(process.szExeFile);
            EXPECT_TRUE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_ROMMODULE);
        }
        for (const auto& section : profile.otherSections) {
            if (!section.name.starts_with("program."))
                continue;
            std::u16string path = u"\\Windows\\" + emulator::fromUtf8(section.name.substr(8)) + u".exe";
            SCOPED_TRACE(section.name);
            DWORD attributes = GetFileAttributesW(path.c_str());
            EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
            EXPECT_TRUE(attributes & FILE_ATTRIBUTE_ROMMODULE);
            PROCESS_INFORMATION info{};
            EXPECT_TRUE(CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr,
                                       &info));
        }
    }
}

TEST(SimulatedPrograms, SectionsGiveThreadsModulesAndHeaps)
{
    TestDevice device(profileWith({{"program.notes",
                                    {{"AtBoot", "1"},
                                     {"Threads", "3"},
                                     {"Modules", "coredll.dll,aygshell.dll"},
                                     {"CodeSize", "12288"},
                                     {"Heap", "default:40000:5000"},
                                     {"Heap1", "cache:20000:3000"}}},
                                   {"program.gwes", {{"Threads", "7"}}},
                                   {"program.device", {{"ThreadLoad", "3"}}}}));
    PROCESSENTRY32W notes = processNamed(u"notes.exe");
    EXPECT_EQ(notes.cntThreads, 3u);
    // A section over a built-in program changes only the keys it gives.
    EXPECT_EQ(processNamed(u"gwes.exe").cntThreads, 7u);
    EXPECT_EQ(processNamed(u"device.exe").cntThreads, 8u);

    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPHEAPLIST, notes.th32ProcessID);
    ASSERT_NE(snapshot, INVALID_HANDLE_VALUE);
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    std::vector<std::pair<std::u16string, DWORD>> modules;
    for (BOOL more = Module32FirstW(snapshot, &module); more; more = Module32NextW(snapshot, &module))
        modules.emplace_back(module.szExePath, module.modBaseSize);
    ASSERT_EQ(modules.size(), 3u);
    EXPECT_EQ(modules[0], std::make_pair(std::u16string(u"\\Windows\\notes.exe"), DWORD{12288}));
    EXPECT_EQ(modules[2].first, u"\\Windows\\aygshell.dll");

    struct HeapSums {
        DWORD flags, used, free;
    };
    std::vector<HeapSums> heaps;
    HEAPLIST32 list{};
    list.dwSize = sizeof list;
    for (BOOL more = Heap32ListFirst(snapshot, &list); more; more = Heap32ListNext(snapshot, &list)) {
        HeapSums sums{list.dwFlags, 0, 0};
        HEAPENTRY32 block{};
        block.dwSize = sizeof block;
        for (BOOL walk = Heap32First(snapshot, &block, notes.th32ProcessID, list.th32HeapID); walk;
             walk = Heap32Next(snapshot, &block))
            (block.dwFlags & LF32_FREE ? sums.free : sums.used) += block.dwBlockSize;
        heaps.push_back(sums);
    }
    CloseToolhelp32Snapshot(snapshot);
    ASSERT_EQ(heaps.size(), 2u);
    EXPECT_EQ(heaps[0].flags, DWORD{HF32_DEFAULT});
    EXPECT_EQ(heaps[0].used, 40000u);
    EXPECT_EQ(heaps[0].free, 5000u);
    EXPECT_EQ(heaps[1].flags, 0u);
    EXPECT_EQ(heaps[1].used, 20000u);
    EXPECT_EQ(heaps[1].free, 3000u);
}

TEST(SimulatedPrograms, CreateProcessStartsADescribedProgram)
{
    TestDevice device(profileWith({{"program.viewer", {{"Path", "\\Program Files\\viewer.exe"}}}}));
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessW(u"\\program files\\VIEWER.EXE", nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, nullptr, &info));
    EXPECT_EQ(processNamed(u"viewer.exe").th32ProcessID, info.dwProcessId);
    EXPECT_FALSE(CreateProcessW(u"\\Windows\\nosuch.exe", nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                nullptr, &info));
}

TEST(SimulatedPrograms, ThreadTimesGrowWithTheClockByTheirLoad)
{
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> windows;
    } cases[] = {
        {"no windows", {}},
        // The first thread then runs on the host, and still shows its described load.
        {"a window", {{"Window", "Busy"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto keys = c.windows;
        keys.insert(keys.end(), {{"AtBoot", "1"}, {"Threads", "3"}, {"ThreadLoad", "50,10"}});
        TestDevice device(profileWith({{"program.busy", keys}}));
        const auto threads = threadsOf(processNamed(u"busy.exe").th32ProcessID);
        ASSERT_EQ(threads.size(), 3u);

        const ULONGLONG before[] = {cpuTimeOf(threads[0]), cpuTimeOf(threads[1]), cpuTimeOf(threads[2])};
        emulator::advanceDeviceClock(10000);
        EXPECT_EQ(cpuTimeOf(threads[0]) - before[0], 5000ull * 10000);  // 50% of 10 s in 100-ns units
        EXPECT_EQ(cpuTimeOf(threads[1]) - before[1], 1000ull * 10000);
        EXPECT_EQ(cpuTimeOf(threads[2]) - before[2], 0u);
    }
}

TEST(SimulatedPrograms, BadSectionsStopTheBootNamingSectionAndKey)
{
    struct Case {
        std::vector<std::pair<std::string, std::string>> entries;
        const char* expected;
    } cases[] = {
        {{{"Threads", "0"}}, "[program.bad] Threads=0"},
        {{{"Threads", "two"}}, "[program.bad] Threads=two"},
        {{{"ThreadLoad", "10,101"}}, "[program.bad] ThreadLoad=10,101"},
        {{{"Threads", "1"}, {"ThreadLoad", "1,2"}}, "[program.bad] ThreadLoad"},
        {{{"Kind", "daemon"}}, "[program.bad] Kind=daemon"},
        {{{"AtBoot", "yes"}}, "[program.bad] AtBoot=yes"},
        {{{"Hung", "2"}}, "[program.bad] Hung=2"},
        {{{"Path", "Windows\\bad.exe"}}, "[program.bad] Path="},
        {{{"Heap", "default:12"}}, "[program.bad] Heap=default:12"},
        {{{"Heap", "cache:100:0"}}, "[program.bad] Heap"},
        {{{"Heap", "default:100:0"}, {"Heap1", "default:5:5"}}, "[program.bad] Heap"},
        {{{"Window", "|title"}}, "[program.bad] Window=|title"},
        {{{"Window2", "Cls|t|0xZZ"}}, "[program.bad] Window2=Cls|t|0xZZ"},
        {{{"OnClose", "after:soon"}}, "[program.bad] OnClose=after:soon"},
        {{{"Heap", "default:100:0"}, {"HibernateBytes", "101"}}, "[program.bad] HibernateBytes"},
        {{{"Memory", "1"}}, "[program.bad] Memory=1"},
        {{{"Path", "\\Windows\\gwes.exe"}}, "[program.bad] Path"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        testing_support::TempFolder folder;
        auto image = folder.path() / "device";
        testing_support::makeBareImage(image, profileWith({{"program.bad", c.entries}}));
        std::string error;
        emulator::BootOptions options;
        options.virtualTime = true;
        EXPECT_FALSE(emulator::bootDevice(image, options, error));
        EXPECT_NE(error.find(c.expected), std::string::npos) << error;
        EXPECT_FALSE(emulator::deviceBooted());
    }
}

}  // namespace
