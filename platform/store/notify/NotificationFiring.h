// What the notification calls tell the firing part of the device.
#pragma once

namespace ce {

// The records changed: the firing thread looks again at what falls due next.
void notificationsChanged();

}  // namespace ce
