// What programs asked of the device's power: SetSystemPowerState calls and presses of the power
// key, kept in order for tests and the device tool. Recording is all a request does, except a
// reset state, which soft-resets the device as KernelIoControl(IOCTL_HAL_REBOOT) does.
#pragma once

#include <string>
#include <vector>

#include "../ceapi.h"
#include "../windef.h"

namespace emulator {

struct PowerRequest {
    std::u16string state;  // the state name SetSystemPowerState was given; empty when none
    DWORD stateFlags = 0;  // POWER_STATE_* (the power key asks for POWER_STATE_OFF)
    DWORD options = 0;     // POWER_FORCE or 0
    bool powerKey = false; // a press of the power key (keybd_event with VK_OFF)

    bool operator==(const PowerRequest&) const = default;
};

// The requests since the device was booted (a soft reset keeps them), oldest first.
CEAPI std::vector<PowerRequest> powerRequests();
CEAPI void clearPowerRequests();

}  // namespace emulator
