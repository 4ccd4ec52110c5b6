// The soft reset's work inside the platform: KernelIoControl(IOCTL_HAL_REBOOT) and the reset
// power state come here.
#pragma once

namespace ce {

// Soft-resets the device. On a device thread of a process, a host thread does the reset (ending
// every process, the caller's too, cannot happen on the caller's own thread) and the caller
// waits until its process is told to end: the call does not return. Elsewhere (host threads,
// device threads outside any process) the reset is done before the call returns TRUE. FALSE
// with the last error when no device runs or it did not come up again.
bool requestSoftReset();

}  // namespace ce
