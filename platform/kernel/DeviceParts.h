// Parts of the device that hold state from boot to shutdown besides the clock, the file system
// and the registry: storage cards, database volumes, the notification database and its firing,
// services. Each part registers itself from its own source file with a static
// DevicePartRegistration, so the device's boot code need not know them.
//
// Boot: parts with order < programsOrder start (ascending) before the boot programs, the others
// after them. Shutdown: parts at or after programsOrder stop (descending) before the processes
// end; the rest stop (descending) after. A soft reset stops and starts again only the parts at
// or after programsOrder, around the restart of the processes.
#pragma once

#include <string>

#include "windef.h"

namespace ce {

class Device;

constexpr int programsOrder = 100;

struct DevicePart {
    const char* name;
    int order;
    // False (with `error`) fails the boot.
    bool (*start)(Device& device, std::string& error);
    // Must be harmless when start did not run, failed, or stop ran already.
    void (*stop)();
    // The host moved the device clock forward (advanceDeviceClock), or a program set the time
    // (timeSet is then true). Optional; called on the thread that moved it, without any lock held.
    void (*clockMoved)(bool timeSet) = nullptr;
    // A device thread is ending (its body returned or it was terminated): called on that thread,
    // without any lock held, before waits on the thread are satisfied. Optional.
    void (*threadEnding)(DWORD threadId) = nullptr;
};

struct DevicePartRegistration {
    explicit DevicePartRegistration(const DevicePart& part);
};

// Used by the device's boot, shutdown and soft reset.
bool startDeviceParts(Device& device, bool afterPrograms, std::string& error);
void stopDeviceParts(bool afterPrograms);
// Tells every part that the clock moved (see DevicePart::clockMoved).
void announceClockMoved(bool timeSet);
// Tells every part that the calling device thread is ending (see DevicePart::threadEnding).
void announceThreadEnding(DWORD threadId);

}  // namespace ce
