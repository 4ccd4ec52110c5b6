// The split of the device's RAM between the object store and program memory. The profile
// gives it at a cold boot; SetSystemMemoryDivision moves it (only on systems before CE 5, as on
// the device), and the new split is the device's RAM setting until the next cold boot: a soft
// reset keeps it.
#pragma once

#include <optional>

#include "emulator/Profile.h"

namespace ce {

ULONGLONG objectStoreBytes(const emulator::Profile& profile);
ULONGLONG programMemoryBytes(const emulator::Profile& profile);
// Back to the profile's division (at boot).
void resetMemoryDivision();

// Held over a soft reset's restart of the boot programs (which resets the division): puts back
// the division in force when it was made.
class KeptMemoryDivision {
public:
    KeptMemoryDivision();
    ~KeptMemoryDivision();
    KeptMemoryDivision(const KeptMemoryDivision&) = delete;
    KeptMemoryDivision& operator=(const KeptMemoryDivision&) = delete;

private:
    std::optional<ULONGLONG> m_storeBytes;
};

}  // namespace ce
