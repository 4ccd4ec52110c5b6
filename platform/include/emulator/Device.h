// Control of the emulated device from the host side: making images, booting one image in
// this host process, and the privileged changes the device tool makes to an image. Device
// programs never include this header.
#pragma once

#include <filesystem>
#include <string>

#include "../winreg.h"
#include "Profile.h"

namespace emulator {

struct BootOptions {
    // Virtual time: the clock moves only when Sleep, time-outs or advanceDeviceClock move it.
    bool virtualTime = false;
    // Starting UTC time of a virtual clock, in FILETIME units; 0 takes 2026-01-01 12:00:00 UTC.
    ULONGLONG virtualStartTime = 0;
};

// The image layout: device.ini, root/, registry.db, notify.db, attrs.db.
CEAPI std::filesystem::path imageRootFolder(const std::filesystem::path& image);

// Makes a new image from a profile: the folders, ROM files and registry keys of a fresh device.
// Fails when the folder exists and is not empty.
CEAPI bool createDeviceImage(const std::filesystem::path& image, const Profile& profile, std::string& error);

// Boots the image in this process. One device at a time; calls made before boot fail with
// ERROR_NOT_READY.
CEAPI bool bootDevice(const std::filesystem::path& image, const BootOptions& options, std::string& error);
// Flushes the registry and closes every handle.
CEAPI void shutdownDevice();
CEAPI bool deviceBooted();
CEAPI const Profile& deviceProfile();
CEAPI std::filesystem::path deviceImagePath();

// Lets time pass on the device clock: a virtual clock moves forward (waits whose time has come
// end); a real-time clock's time of day moves forward (kept in the image). Returns after the
// notifications that fell due have fired.
CEAPI void advanceDeviceClock(ULONGLONG milliseconds);

// Sets any attribute bits, ROM bits included, as the ROM builder and the device tool do.
CEAPI BOOL setFileAttributesRaw(LPCWSTR devicePath, DWORD attributes);
// Marks a key so that opening it fails with ERROR_ACCESS_DENIED, as protected keys do.
CEAPI LONG denyRegistryKey(HKEY root, LPCWSTR subKey);

}  // namespace emulator
