// Settling the programs a command made the device start: see StartedPrograms.h.
#include "StartedPrograms.h"

#include "CommandSupport.h"
#include "ProcessList.h"
#include "RunningRecord.h"

namespace cedevice {

std::set<DWORD> runningProcessIds()
{
    std::set<DWORD> ids;
    for (const auto& process : deviceProcessList())
        ids.insert(process.id);
    return ids;
}

size_t settleStartedPrograms(const std::string& image, const std::set<DWORD>& before)
{
    std::set<DWORD> seen = before;
    auto record = readRunningRecord(image);
    size_t found = 0;
    for (bool waited = true; waited;) {
        waited = false;
        for (const auto& process : deviceProcessList()) {
            if (!seen.insert(process.id).second)
                continue;
            ++found;
            if (!isProgramImage(process.exePath)) {
                record.push_back({process.exePath, u""});
                continue;
            }
            // A program image may start others before it ends: list again after each.
            HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process.id);
            if (handle) {
                WaitForSingleObject(handle, INFINITE);
                CloseHandle(handle);
            }
            waited = true;
        }
    }
    if (found)
        writeRunningRecord(image, record);
    return found;
}

}  // namespace cedevice
