// The booted device's notification queue, opened from <image>/notify.db before the boot
// programs start and kept until the device shuts down (a soft reset keeps it open).
#pragma once

#include <memory>

#include "NotificationQueue.h"

namespace ce {

// The open queue, or null: before boot, after shutdown, or when notify.db could not be opened
// (emulator::notificationStoreProblem() then says why).
std::shared_ptr<NotificationQueue> notificationQueue();

}  // namespace ce
