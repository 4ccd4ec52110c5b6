// Host-side control of the booted device's simulated programs, for tests and the device tool.
#pragma once

#include "../ceapi.h"
#include "../windef.h"

namespace emulator {

// Delivers WM_HIBERNATE to simulated process `processId` as the window system does: its heaps
// give back what its profile section names. Returns the bytes released (0 for no such program).
CEAPI DWORD hibernateSimulatedProgram(DWORD processId);

}  // namespace emulator
