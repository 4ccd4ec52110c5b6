// Host-side control of the booted device's notifications, for tests and the device tool.
#pragma once

#include <string>

#include "../ceapi.h"
#include "../windef.h"

namespace emulator {

// Raises system event `code` (NOTIFICATION_EVENT_*): starts every program registered for it, in
// handle order, and sets the named events registered for it. Returns how many it started or set.
CEAPI size_t raiseNotificationEvent(DWORD code);

// Fires now, in start-time order, the timed notifications that are due. The device also does
// this by itself; a caller uses it to know that the firing is over before it goes on.
CEAPI size_t fireDueNotifications();

// Why notify.db could not be opened at boot (the file is then left untouched and every
// notification call fails with ERROR_INVALID_DATA); empty when it is open.
CEAPI std::string notificationStoreProblem();

}  // namespace emulator
