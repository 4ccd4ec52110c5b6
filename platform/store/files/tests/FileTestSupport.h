// Helpers for the file system tests: files made and read through the SDK calls, host files
// read directly, and find results collected into sorted lists.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestDevice.h"
#include "winbase.h"
#include "winerror.h"

namespace file_tests {

// The small profile without database volumes, whose files would otherwise share the file
// system the tests look at.
inline emulator::Profile fileSystemProfile()
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.volumes.clear();
    return profile;
}

// A test with a freshly booted bare device.
class DeviceFiles : public ::testing::Test {
protected:
    testing_support::TestDevice dev{fileSystemProfile()};
};

// Creates (or replaces) a device file holding `content`; false when any call failed.
bool writeDeviceFile(const std::u16string& path, const std::string& content);
// The content of a device file, or "<error N>".
std::string readDeviceFile(const std::u16string& path);

void writeHostFile(const std::filesystem::path& file, const std::string& content);
std::string readHostFile(const std::filesystem::path& file);

// Names that a find of `pattern` gives, sorted; {"<error N>"} when FindFirstFileExW fails.
std::vector<std::u16string> findNames(const std::u16string& pattern, FINDEX_SEARCH_OPS search = FindExSearchNameMatch);
// The find record of the one entry `path` names.
bool findEntry(const std::u16string& path, WIN32_FIND_DATAW& data);

ULONGLONG ticksOf(const FILETIME& time);
ULONGLONG lastWriteTicks(const std::u16string& path);
ULONGLONG deviceNowTicks();

std::u16string errorText(DWORD error);

}  // namespace file_tests
