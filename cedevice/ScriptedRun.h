// `cedevice run --script FILE`: the script's actions against the started program.
#pragma once

#include <ostream>
#include <string>

#include "CommandSupport.h"

namespace cedevice {

// A script line failed: cedevice exits with 2 and prints what() alone.
struct ScriptFailure : CommandError {
    using CommandError::CommandError;
};

// Runs the script at `scriptPath` (a host file) against the process; when it is done and the
// program still runs, ends the program as the script's `quit` would. Throws ScriptFailure
// (after terminating the program) when a line fails.
void runScriptAgainst(const std::string& scriptPath, DWORD processId, HANDLE process, std::ostream& out);

} // namespace cedevice
