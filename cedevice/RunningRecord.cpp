// running.txt: UTF-8, one program a line as "PATH<tab>COMMAND LINE" (a tab cannot be part of
// a device path, and the tool refuses command lines with tabs or line breaks).
#include "RunningRecord.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "CommandSupport.h"
#include "ProcessList.h"
#include "cewchar.h"

namespace cedevice {
namespace {

std::filesystem::path recordPath(const std::string& image)
{
    return std::filesystem::path(image) / "running.txt";
}

}  // namespace

bool deviceIsOn(const std::string& image)
{
    std::error_code ec;
    return std::filesystem::exists(recordPath(image), ec);
}

std::vector<RecordedProgram> readRunningRecord(const std::string& image)
{
    std::vector<RecordedProgram> programs;
    std::ifstream file(recordPath(image));
    std::string line;
    while (std::getline(file, line)) {
        const size_t tab = line.find('\t');
        RecordedProgram program{deviceText(line.substr(0, tab)),
                                tab == std::string::npos ? u"" : deviceText(line.substr(tab + 1))};
        if (program.exePath.empty())
            throw CommandError(recordPath(image).string() + ": a line names no program (cedevice reset clears it)");
        programs.push_back(std::move(program));
    }
    return programs;
}

void writeRunningRecord(const std::string& image, const std::vector<RecordedProgram>& programs)
{
    std::ofstream file(recordPath(image), std::ios::trunc);
    for (const auto& program : programs)
        file << hostText(program.exePath) << '\t' << hostText(program.commandLine) << '\n';
    if (!file.flush())
        throw CommandError(recordPath(image).string() + ": cannot write the running programs");
}

bool forgetRunningRecord(const std::string& image)
{
    std::error_code ec;
    const bool removed = std::filesystem::remove(recordPath(image), ec);
    if (ec)
        throw CommandError(recordPath(image).string() + ": " + ec.message());
    return removed;
}

void restoreRunningPrograms(const std::string& image)
{
    std::vector<DeviceProcess> unmatched = deviceProcessList();
    for (const auto& program : readRunningRecord(image)) {
        const auto running = std::find_if(unmatched.begin(), unmatched.end(), [&](const DeviceProcess& p) {
            return _wcsicmp(p.exePath.c_str(), program.exePath.c_str()) == 0;
        });
        if (running != unmatched.end()) {
            unmatched.erase(running);
            continue;
        }
        std::u16string commandLine = program.commandLine;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(program.exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, nullptr, &started))
            throw CommandError("cannot start " + hostText(program.exePath) + " again: "
                               + systemMessage(GetLastError()) + " (cedevice reset forgets it)");
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
}

}  // namespace cedevice
