// Moving whole files between the host and the booted device, and making device folders.
#pragma once

#include <string>
#include <vector>

namespace cedevice {

// A host file's bytes; throws when it is missing or unreadable.
std::vector<char> readHostFile(const std::string& hostFile);
// Writes (or replaces) a device file; throws with the device's error.
void writeDeviceFile(const std::u16string& path, const std::vector<char>& bytes);
// Makes a device folder and its missing parents; throws when one cannot be made.
void makeDeviceFolders(const std::u16string& path);

}  // namespace cedevice
