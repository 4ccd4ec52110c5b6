// The simulated programs of a profile: the built-in system programs with the profile's
// [program.NAME] sections applied over them.
#pragma once

#include <string>
#include <vector>

#include "SimulatedDescription.h"
#include "emulator/Profile.h"

namespace ce {

// Every described program in boot order: the built-in programs first (system processes, the
// phone processes on a phone profile, repllog.exe), then the profile's own, in profile order.
// False, with `error` naming the section and key, for a bad section.
bool readProgramCatalogue(const emulator::Profile& profile, std::vector<SimulatedDescription>& programs,
                          std::string& error);

// The program whose executable is `exePath` (compared as the device compares names), or null.
const SimulatedDescription* findProgram(const std::vector<SimulatedDescription>& programs,
                                        std::u16string_view exePath);

}  // namespace ce
