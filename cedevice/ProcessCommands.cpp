// cedevice boot, run, ps and reset: the device's processes, kept "on" between commands by the
// running record (see RunningRecord.h). An image that is off boots fresh for ps and run.
#include <algorithm>
#include <cstdio>

#include "CommandSupport.h"
#include "Commands.h"
#include "ProcessList.h"
#include "RunningRecord.h"
#include "ScreenRun.h"
#include "ScriptedRun.h"
#include "StartedPrograms.h"
#include "emulator/Reset.h"
#include "tlhelp32.h"

namespace cedevice {
namespace {

std::u16string joinedCommandLine(const std::vector<std::string>& args)
{
    std::u16string commandLine;
    for (size_t i = 2; i < args.size(); ++i) {
        if (i > 2)
            commandLine += u' ';
        commandLine += deviceText(args[i]);
    }
    if (commandLine.find_first_of(u"\t\r\n") != std::u16string::npos)
        throw CommandError("the program's arguments may not hold tabs or line breaks");
    return commandLine;
}

DeviceProcess processWithId(DWORD id)
{
    for (const auto& process : deviceProcessList())
        if (process.id == id)
            return process;
    return {id, 0, 0, {}};
}

std::string hex8(DWORD value)
{
    char text[16];
    snprintf(text, sizeof text, "%08X", value);
    return text;
}

// The processes a soft reset's boot started: those no program started, less the StartUp entries
// (what those start in turn has a parent, so it is settled with them).
std::set<DWORD> bootProcessIds(const std::vector<emulator::StartUpLaunch>& launches)
{
    std::set<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS | TH32CS_SNAPNOHEAPS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        const bool launched = std::any_of(launches.begin(), launches.end(),
                                          [&](const auto& launch) { return launch.processId == entry.th32ProcessID; });
        if (entry.th32ParentProcessID == 0 && !launched)
            ids.insert(entry.th32ProcessID);
    }
    CloseToolhelp32Snapshot(snapshot);
    return ids;
}

}  // namespace

void runBoot(const CommandLine& line, std::ostream& out)
{
    const std::string& image = line.positional[0];
    DeviceSession session(image);
    restoreRunningPrograms(image);
    writeRunningRecord(image, readRunningRecord(image));
    out << "Device " << image << " is on: " << deviceProcessList().size() << " processes\n";
}

void runRun(const CommandLine& line, std::ostream& out)
{
    const std::string& image = line.positional[0];
    const std::u16string path = devicePath(line.positional[1]);
    std::u16string commandLine = joinedCommandLine(line.positional);
    emulator::BootOptions options;
    options.virtualTime = line.has("--virtual-time");
    DeviceSession session(image, options);
    restoreRunningPrograms(image);

    PROCESS_INFORMATION started{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr,
                        &started))
        failCall(hostText(path), GetLastError());
    CloseHandle(started.hThread);
    // A program image may have ended already (no longer listed); a simulated program never does.
    const DeviceProcess process = processWithId(started.dwProcessId);
    if (!process.exePath.empty() && !isProgramImage(process.exePath)) {
        // A simulated program runs until the device is reset: record it and leave it running.
        CloseHandle(started.hProcess);
        auto programs = readRunningRecord(image);
        programs.push_back({process.exePath, commandLine});
        writeRunningRecord(image, programs);
        out << "Started " << hostText(process.exePath) << ": process " << hex8(started.dwProcessId) << '\n';
        return;
    }
    if (const std::string* script = line.option("--script")) {
        try {
            runScriptAgainst(*script, started.dwProcessId, started.hProcess, out);
        } catch (...) {
            CloseHandle(started.hProcess);
            throw;
        }
    } else if (!line.has("--headless")) {
        showProgramOnScreen(image + ": " + hostText(path), started.dwProcessId, started.hProcess, out);
    }
    DWORD exitCode = 0;
    const bool ended = WaitForSingleObject(started.hProcess, INFINITE) == WAIT_OBJECT_0
                       && GetExitCodeProcess(started.hProcess, &exitCode);
    const DWORD error = GetLastError();
    CloseHandle(started.hProcess);
    if (!ended)
        failCall(hostText(path), error);
    out << "exit code " << exitCode << '\n';
}

void runPs(const CommandLine& line, std::ostream& out)
{
    const std::string& image = line.positional[0];
    DeviceSession session(image);
    restoreRunningPrograms(image);
    out << "PID       THREADS  MEMORY KB  PROGRAM\n";
    for (const auto& process : deviceProcessList()) {
        char columns[64];
        snprintf(columns, sizeof columns, "%s  %7u  %9llu  ", hex8(process.id).c_str(), process.threads,
                 static_cast<unsigned long long>((process.heapBytes + 1023) / 1024));
        out << columns << hostText(process.exePath) << '\n';
    }
}

void runReset(const CommandLine& line, std::ostream& out)
{
    const std::string& image = line.positional[0];
    checkImage(image);
    // The programs that ran are ended by the reset, so a record that cannot be restored is
    // forgotten rather than an error.
    forgetRunningRecord(image);
    DeviceSession session(image);
    const emulator::SoftResetResult reset = emulator::softResetDevice();
    if (!reset.done)
        throw CommandError("the device did not come up again: " + reset.error);
    settleStartedPrograms(image, bootProcessIds(reset.startUp));
    const auto started = std::count_if(reset.startUp.begin(), reset.startUp.end(),
                                       [](const auto& launch) { return launch.error == 0; });
    out << "Device " << image << " was reset: " << started << " of " << reset.startUp.size()
        << " StartUp entries started\n";
    for (const auto& launch : reset.startUp)
        if (launch.error)
            out << "  " << hostText(launch.entry) << ": " << systemMessage(launch.error) << '\n';
}

}  // namespace cedevice
