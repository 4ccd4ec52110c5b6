// A device for one test: a temporary image made from a small profile, booted in virtual time,
// shut down and removed when the test ends.
#pragma once

#include <filesystem>
#include <string>

#include "emulator/Device.h"
#include "windows.h"

namespace testing_support {

// A small profile: CE 5.1, 240x320, 4 MB object store and one 8 MB card "Storage Card".
emulator::Profile smallProfile();

// A temporary host folder removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Boots an image in virtual time; throws std::runtime_error with the reason when it cannot.
void bootInVirtualTime(const std::filesystem::path& image);
// The same for the tests' helper programs: false, with the reason on stderr, when it cannot.
bool bootOrReport(const std::filesystem::path& image);

// Starts a program on the booted device, waits for its end and returns its exit code (a test
// failure and 0xFFFFFFFF when it does not start). A null command line passes none.
DWORD runProgram(LPCWSTR path, LPCWSTR commandLine = nullptr);

// Writes a bare image: device.ini, root/ and the cards' root folders, nothing else.
void makeBareImage(const std::filesystem::path& image, const emulator::Profile& profile);

class TestDevice {
public:
    enum class Kind { Bare, Full };
    explicit TestDevice(const emulator::Profile& profile = smallProfile(), Kind kind = Kind::Bare);
    ~TestDevice();
    TestDevice(const TestDevice&) = delete;
    TestDevice& operator=(const TestDevice&) = delete;

    const std::filesystem::path& image() const { return m_image; }
    std::filesystem::path hostPath(const std::u16string& devicePath) const;  // "\a\b" -> root/a/b
    // Copies a host file (a built program or library image, say) to `devicePath`, making the
    // folders on the way and replacing a file that is there.
    void place(const std::filesystem::path& hostFile, const std::u16string& devicePath) const;
    // Shuts the device down and boots it again from the same image.
    void reboot();

private:
    TempFolder m_folder;
    std::filesystem::path m_image;
};

}  // namespace testing_support
