// Simulated programs: the processes a booted device runs besides ours, described by the
// profile's [program.NAME] sections (see ProgramCatalogue.cpp for the keys).
#pragma once

#include <memory>
#include <string>

#include "SimulatedDescription.h"
#include "emulator/Profile.h"
#include "kernel/Process.h"

namespace ce {

class Device;

// Starts every program the device's profile runs at boot: the system processes, the phone
// processes of a phone, repllog.exe, then the profile's programs marked AtBoot, in that order.
// Their windows come once the device answers calls (SimulatedWindows.cpp).
// Starts the memory division afresh from the profile. False with `error` naming the section and
// key of a bad [program.NAME] section.
bool startBootPrograms(Device& device, std::string& error);

// Starts the simulated program whose executable is `exePath` (case-insensitive device path),
// with its windows made, or returns null when the profile describes none.
std::shared_ptr<Process> startSimulatedProgram(const std::u16string& exePath, const std::u16string& commandLine);

// A simulated program's answer to WM_HIBERNATE: its heaps give back the bytes its description
// names (once; a second call finds nothing more). Returns the bytes released. Takes kernelLock().
DWORD hibernateProcess(Process& process);

}  // namespace ce
