// Running a script against a program started by `cedevice run`.
#include "ScriptedRun.h"

#include <fstream>
#include <sstream>

#include "emulator/Automation.h"

namespace cedevice {
namespace {

[[noreturn]] void failScript(const std::string& message, HANDLE process)
{
    TerminateProcess(process, 1);
    WaitForSingleObject(process, INFINITE);
    throw ScriptFailure(message);
}

} // namespace

void runScriptAgainst(const std::string& scriptPath, DWORD processId, HANDLE process, std::ostream& out)
{
    std::ifstream script(scriptPath);
    if (!script)
        failScript("cannot read the script " + scriptPath, process);
    emulator::Automation automation(processId);
    std::ostringstream errors;
    if (emulator::runScript(script, automation, out, errors) != 0) {
        std::string message = errors.str();
        while (!message.empty() && message.back() == '\n')
            message.pop_back();
        failScript(message, process);
    }
    if (automation.ended())
        return;
    if (const std::string error = automation.quit(); !error.empty())
        failScript("end of script: " + error, process);
}

} // namespace cedevice
