// The split of the device's RAM between the object store and program memory. The profile
// gives it at boot; SetSystemMemoryDivision moves it until the next boot.
#pragma once

#include "emulator/Profile.h"

namespace ce {

ULONGLONG objectStoreBytes(const emulator::Profile& profile);
ULONGLONG programMemoryBytes(const emulator::Profile& profile);
// Back to the profile's division (at boot).
void resetMemoryDivision();

}  // namespace ce
