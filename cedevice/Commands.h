// The cedevice commands. Each takes its parsed command line (the image is the first
// positional argument), writes its output to out and throws CommandError when it fails.
#pragma once

#include <ostream>

#include "CommandLine.h"

namespace cedevice {

using CommandFunction = void (*)(const CommandLine& line, std::ostream& out);

// Images
void runNew(const CommandLine& line, std::ostream& out);
void runInfo(const CommandLine& line, std::ostream& out);

// Files
void runLs(const CommandLine& line, std::ostream& out);
void runMkdir(const CommandLine& line, std::ostream& out);
void runPut(const CommandLine& line, std::ostream& out);
void runGet(const CommandLine& line, std::ostream& out);
void runAttrib(const CommandLine& line, std::ostream& out);
void runRm(const CommandLine& line, std::ostream& out);

// Registry
void runRegGet(const CommandLine& line, std::ostream& out);
void runRegSet(const CommandLine& line, std::ostream& out);
void runRegDel(const CommandLine& line, std::ostream& out);
void runRegList(const CommandLine& line, std::ostream& out);
void runRegDeny(const CommandLine& line, std::ostream& out);

// Processes
void runBoot(const CommandLine& line, std::ostream& out);
void runRun(const CommandLine& line, std::ostream& out);
void runPs(const CommandLine& line, std::ostream& out);
void runReset(const CommandLine& line, std::ostream& out);

// The product
void runInstall(const CommandLine& line, std::ostream& out);

// The screen
void runScreenshot(const CommandLine& line, std::ostream& out);
void runRotate(const CommandLine& line, std::ostream& out);

// Notifications, events and the clock
void runNotifyList(const CommandLine& line, std::ostream& out);
void runNotifyAddTime(const CommandLine& line, std::ostream& out);
void runNotifyAddEvent(const CommandLine& line, std::ostream& out);
void runNotifyClear(const CommandLine& line, std::ostream& out);
void runEvent(const CommandLine& line, std::ostream& out);
void runTimeGet(const CommandLine& line, std::ostream& out);
void runTimeSet(const CommandLine& line, std::ostream& out);
void runTimeAdvance(const CommandLine& line, std::ostream& out);

// Storage cards
void runCardInsert(const CommandLine& line, std::ostream& out);
void runCardRemove(const CommandLine& line, std::ostream& out);

// Property databases
void runDbList(const CommandLine& line, std::ostream& out);
void runDbDump(const CommandLine& line, std::ostream& out);

}  // namespace cedevice
