// Installing the test images and running the test program.
#include "TestImages.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

void copyImage(const testing_support::TestDevice& device, const char* hostImage, const std::u16string& devicePath)
{
    if (devicePath.empty())
        return;
    std::filesystem::path target = device.hostPath(devicePath);
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy_file(hostImage, target, std::filesystem::copy_options::overwrite_existing);
}

} // namespace

void installTestImages(
    const testing_support::TestDevice& device, const std::u16string& programPath, const std::u16string& libraryPath)
{
    copyImage(device, TEST_PROGRAM_IMAGE, programPath);
    copyImage(device, TEST_LIBRARY_IMAGE, libraryPath);
}

