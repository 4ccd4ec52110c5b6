// Test support for the kernel's process state: devices with simulated programs, and readers of
// what tool help and the memory calls report.
#pragma once

#include <string>
#include <vector>

#include "TestDevice.h"
#include "tlhelp32.h"

namespace kernel_state_test {

// The small test profile with extra [program.NAME] sections.
emulator::Profile profileWith(std::vector<emulator::IniSection> programs);

std::vector<PROCESSENTRY32W> processes(DWORD flags = TH32CS_SNAPPROCESS | TH32CS_SNAPNOHEAPS);
std::vector<std::u16string> processNames();
// The process whose executable name (without folder) is `exeName`; fails the test when none.
PROCESSENTRY32W processNamed(const std::u16string& exeName);

// What tool help shows a process holds: every heap block, every module and a stack per thread.
ULONGLONG memoryShownFor(DWORD processId);
// The ids of a process's threads in tool help's order.
std::vector<DWORD> threadsOf(DWORD processId);
// A thread's kernel and user time together, in 100-ns units.
ULONGLONG cpuTimeOf(DWORD threadId);
SIZE_T availablePhysical();

}  // namespace kernel_state_test
