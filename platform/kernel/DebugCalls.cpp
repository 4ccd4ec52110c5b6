// OutputDebugStringW and DebugBreak. The device's debug output goes to the host's standard error;
// a break only stops the program when a debugger is attached to the host process, so a device
// program that asks for one is not killed by the trap.
#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>

#include "emulator/Text.h"
#include "windows.h"

namespace {

bool debuggerAttached()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("TracerPid:", 0) == 0)
            return std::stoi(line.substr(10)) != 0;
    }
    return false;
}

} // namespace

void OutputDebugStringW(LPCWSTR lpOutputString)
{
    if (!lpOutputString)
        return;
    const std::string text = emulator::toUtf8(lpOutputString);
    std::fputs(text.c_str(), stderr);
}

void DebugBreak()
{
    if (debuggerAttached())
        std::raise(SIGTRAP);
}
