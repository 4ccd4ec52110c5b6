// The thread a handle names for the thread calls: a thread handle, a thread id (on the device
// an id serves as a handle), or the GetCurrentThread pseudo handle on a device thread.
#pragma once

#include "kernel/Threads.h"

namespace ce {

inline const HANDLE currentThreadPseudoHandle = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-2));

// The thread, or null with ERROR_INVALID_HANDLE set.
std::shared_ptr<DeviceThread> threadOfHandle(HANDLE handle);

// The thread a thread id used as a handle names, or null.
std::shared_ptr<DeviceThread> threadOfId(HANDLE handle);

}  // namespace ce
