// The services running on the device. The set lives from boot to shutdown: a boot (a soft reset
// too) starts every service whose key has a Dll that exists and no DEVFLAGS_NOLOAD, and nothing
// else carries over. Each running service has one handle, the same for every caller; it is not
// an entry of the handle table (CloseHandle does not take it), as services.exe keeps its own.
#pragma once

#include "ServiceKeys.h"

namespace ce {

// Adds a running service; ERROR_SERVICE_ALREADY_RUNNING when its key runs already or another
// running service has its instance name (prefix and index).
DWORD startService(const ServiceKey& key, HANDLE& handle);
// The running service whose instance is `prefix` + `index` (case-insensitive), or false.
bool findService(std::u16string_view prefix, DWORD index, ServiceKey& key, HANDLE& handle);
// False when no running service has the handle.
bool stopService(HANDLE handle);

}  // namespace ce
