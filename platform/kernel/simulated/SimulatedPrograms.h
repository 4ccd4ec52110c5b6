// Simulated programs: the processes a booted device runs besides ours, described by the
// profile's [program.NAME] sections.
#pragma once

#include <memory>
#include <string>

#include "emulator/Profile.h"
#include "kernel/Process.h"

namespace ce {

// Starts every program the profile runs at boot (system processes first, in profile order).
void startBootPrograms(const emulator::Profile& profile);

// Starts the simulated program whose executable is `exePath` (case-insensitive device path),
// or returns null when the profile describes none.
std::shared_ptr<Process> startSimulatedProgram(const std::u16string& exePath, const std::u16string& commandLine);

}  // namespace ce
