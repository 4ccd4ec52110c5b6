// Helpers of the storage-card tests: profiles with cards, device files and control codes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "TestDevice.h"
#include "diskio.h"
#include "windows.h"

namespace card_test {

// The small profile's card ("Storage Card", 8 MB, FAT16, 4096-byte clusters), and with
// `second` a second card "SD Card" of 16 MB.
emulator::Profile cardProfile(bool second = false, DWORD osMajor = 5);
// A profile whose one card has `sectors` volume sectors (the hidden sectors come on top).
emulator::Profile cardOfSectors(DWORD sectors);

bool writeFile(const std::u16string& path, const std::string& content);
std::optional<std::string> readFile(const std::u16string& path);
bool exists(const std::u16string& path);

// A device file opened for the test's length.
class Device {
public:
    explicit Device(const std::u16string& name);
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    HANDLE handle() const { return m_handle; }
    // DeviceIoControl; the last error after a failure, 0 on success.
    DWORD control(DWORD code, std::vector<BYTE> in, std::vector<BYTE>& out);

private:
    HANDLE m_handle;
};

DWORD wordAt(const std::vector<BYTE>& bytes, size_t offset);
DWORD halfAt(const std::vector<BYTE>& bytes, size_t offset);
// The identification's two texts as a reader takes them: pairs swapped back, leading spaces
// of the serial dropped.
struct Identity {
    std::string manufacturer, serial;
};
Identity readIdentity(Device& device);
// The data clusters the boot sector describes, by the published rule.
DWORD clustersOf(const std::vector<BYTE>& bootSector);
std::vector<BYTE> formatOptions(DWORD options);

} // namespace card_test
