// Booting a device image: one device per process, the errors of a missing or broken image, and
// calls made while no device runs.
#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "TestDevice.h"
#include "windows.h"

using testing_support::TempFolder;
using testing_support::TestDevice;

namespace {

TEST(Device, CallsWithoutABootedDeviceFailWithNotReady)
{
    ASSERT_FALSE(emulator::deviceBooted());
    SetLastError(0);
    EXPECT_EQ(GetFileAttributesW(u"\\Windows"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_READY));
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software", 0, 0, &key), ERROR_NOT_READY);
}

TEST(Device, OnlyOneDeviceRunsAtATime)
{
    TestDevice device;
    EXPECT_TRUE(emulator::deviceBooted());
    EXPECT_EQ(emulator::deviceImagePath(), device.image());
    EXPECT_EQ(emulator::deviceProfile().name, "test");
    std::string error;
    EXPECT_FALSE(emulator::bootDevice(device.image(), {}, error));
    EXPECT_NE(error.find("already running"), std::string::npos);
}

TEST(Device, BootFailsClearlyForMissingOrBrokenImages)
{
    TempFolder folder;
    std::string error;
    EXPECT_FALSE(emulator::bootDevice(folder.path() / "none", {}, error));
    EXPECT_NE(error.find("cannot read the device profile"), std::string::npos) << error;

    auto broken = folder.path() / "broken";
    std::filesystem::create_directories(broken / "root");
    std::ofstream(broken / "device.ini") << "[Device]\nScreenWidth=wide\n";
    error.clear();
    EXPECT_FALSE(emulator::bootDevice(broken, {}, error));
    EXPECT_NE(error.find("ScreenWidth"), std::string::npos) << error;
    EXPECT_FALSE(emulator::deviceBooted());
}

TEST(Device, ShutdownClosesEveryHandle)
{
    HANDLE file;
    {
        TestDevice device;
        file = CreateFileW(u"\\open.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
    }
    SetLastError(0);
    EXPECT_FALSE(CloseHandle(file));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(Device, LastErrorIsKeptPerThread)
{
    SetLastError(ERROR_ACCESS_DENIED);
    DWORD other = 0;
    std::thread([&] {
        SetLastError(ERROR_DISK_FULL);
        other = GetLastError();
    }).join();
    EXPECT_EQ(other, static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

}  // namespace
