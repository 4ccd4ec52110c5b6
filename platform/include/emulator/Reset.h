// Soft resets of the booted device, from the host or asked for by a device program
// (KernelIoControl with IOCTL_HAL_REBOOT): every process ends, the device boots again over the
// same clock, files and registry (flushed first), and the StartUp folder's entries start.
#pragma once

#include <string>
#include <vector>

#include "../ceapi.h"
#include "../windef.h"

namespace emulator {

// One entry of \Windows\StartUp that a reset started, or tried to.
struct StartUpLaunch {
    std::u16string entry;      // the file name in the StartUp folder
    std::u16string program;    // what was started: a shortcut's target, or the .exe itself
    std::u16string arguments;  // a shortcut's arguments
    DWORD processId = 0;       // 0 when it did not start
    DWORD error = 0;           // why it did not start (ERROR_BAD_FORMAT for an unreadable shortcut)
};

struct SoftResetResult {
    bool done = false;  // false: no device runs, or it did not come up again (see error)
    std::string error;
    std::vector<StartUpLaunch> startUp;  // in the folder's enumeration order
};

// Resets the device now and returns once it is up again and the StartUp entries have started
// (started, not ended: their processes run on). Refused on a thread of a device process, which
// the reset would end (a device program uses KernelIoControl).
CEAPI SoftResetResult softResetDevice();

// Soft resets done since the device was booted.
CEAPI unsigned softResetCount();
// The StartUp entries of the last soft reset.
CEAPI std::vector<StartUpLaunch> lastStartUpLaunches();

// Waits until `count` soft resets have been done since boot, or until no reset that a device
// program asked for is still to come. Returns whether the count was reached. A test that starts
// a program which asks for a reset first waits for the program's process to end (the reset
// ends it), then calls this.
CEAPI bool waitForSoftReset(unsigned count);

}  // namespace emulator
