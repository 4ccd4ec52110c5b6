// The programs every device runs, described in the same keys as a profile's [program.NAME]
// sections, so a profile can override any of their keys.
#pragma once

#include <vector>

#include "emulator/Profile.h"

namespace ce {

// As sections named "program.NAME", in boot order; the phone processes only for a phone.
std::vector<emulator::IniSection> builtinProgramSections(bool phone);

}  // namespace ce
