// Shared helpers of the system tests: files put into a test device from the host, the process
// list, and the log the StartUp test program writes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TestDevice.h"
#include "emulator/Text.h"
#include "tlhelp32.h"
#include "windows.h"

namespace system_test {

inline constexpr const WCHAR* startUpProgramPath = u"\\Program Files\\StartUp.exe";

inline void put(const testing_support::TestDevice& device, const std::u16string& path, const std::string& bytes)
{
    const std::filesystem::path host = device.hostPath(path);
    std::filesystem::create_directories(host.parent_path());
    std::ofstream(host, std::ios::binary | std::ios::trunc) << bytes;
}

inline void installStartUpProgram(const testing_support::TestDevice& device, const std::u16string& path = startUpProgramPath)
{
    const std::filesystem::path host = device.hostPath(path);
    std::filesystem::create_directories(host.parent_path());
    std::filesystem::copy_file(STARTUP_PROGRAM_IMAGE, host, std::filesystem::copy_options::overwrite_existing);
}

struct ProcessInfo {
    DWORD id;
    std::u16string exeName;
};

inline std::vector<ProcessInfo> runningProcesses()
{
    std::vector<ProcessInfo> processes;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS | TH32CS_SNAPNOHEAPS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        processes.push_back({entry.th32ProcessID, entry.szExeFile});
    CloseToolhelp32Snapshot(snapshot);
    return processes;
}

inline std::vector<std::u16string> runningNames()
{
    std::vector<std::u16string> names;
    for (const auto& process : runningProcesses())
        names.push_back(process.exeName);
    return names;
}

inline bool isRunning(DWORD processId)
{
    const auto processes = runningProcesses();
    return std::any_of(processes.begin(), processes.end(), [&](const ProcessInfo& p) { return p.id == processId; });
}

// Waits for the end of a process (it may have ended already).
inline void waitForEnd(DWORD processId)
{
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process)
        return;
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, INFINITE));
    CloseHandle(process);
}

// The lines of \startup-log.txt, sorted (programs started together may log in any order).
inline std::vector<std::string> startUpLog(const testing_support::TestDevice& device)
{
    std::ifstream file(device.hostPath(u"\\startup-log.txt"), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    std::u16string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = text.find(u'\n', start)) != std::u16string::npos; start = end + 1)
        lines.push_back(emulator::toUtf8(text.substr(start, end - start)));
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace system_test
