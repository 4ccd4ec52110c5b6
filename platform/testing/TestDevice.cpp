// Temporary device images for tests.
#include "TestDevice.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "emulator/Text.h"

namespace testing_support {

emulator::Profile smallProfile()
{
    emulator::Profile profile;
    profile.name = "test";
    profile.osMajor = 5;
    profile.osMinor = 1;
    profile.osBuild = 1700;
    profile.storeBytes = 4ull << 20;
    emulator::StorageCardProfile card;
    card.sizeBytes = 8ull << 20;
    card.serial = 0x1234ABCD;
    card.manufacturer = "Test";
    profile.cards.push_back(card);
    return profile;
}

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kelvara-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void makeBareImage(const std::filesystem::path& image, const emulator::Profile& profile)
{
    std::filesystem::create_directories(emulator::imageRootFolder(image));
    for (const auto& card : profile.cards)
        std::filesystem::create_directories(emulator::imageRootFolder(image) / emulator::toUtf8(card.name));
    std::string error;
    if (!emulator::saveProfile(image / "device.ini", profile, error))
        throw std::runtime_error(error);
}

TestDevice::TestDevice(const emulator::Profile& profile, Kind kind)
    : m_image(m_folder.path() / "device")
{
    std::string error;
    if (kind == Kind::Bare)
        makeBareImage(m_image, profile);
    else if (!emulator::createDeviceImage(m_image, profile, error))
        throw std::runtime_error(error);
    bootInVirtualTime(m_image);
}

TestDevice::~TestDevice()
{
    emulator::shutdownDevice();
}

std::filesystem::path TestDevice::hostPath(const std::u16string& devicePath) const
{
    std::string relative = emulator::toUtf8(devicePath);
    for (char& c : relative)
        if (c == '\\')
            c = '/';
    while (!relative.empty() && relative.front() == '/')
        relative.erase(0, 1);
    return emulator::imageRootFolder(m_image) / relative;
}

void TestDevice::place(const std::filesystem::path& hostFile, const std::u16string& devicePath) const
{
    const std::filesystem::path target = hostPath(devicePath);
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy_file(hostFile, target, std::filesystem::copy_options::overwrite_existing);
}

void TestDevice::reboot()
{
    emulator::shutdownDevice();
    bootInVirtualTime(m_image);
}

void bootInVirtualTime(const std::filesystem::path& image)
{
    emulator::BootOptions options;
    options.virtualTime = true;
    std::string error;
    if (!emulator::bootDevice(image, options, error))
        throw std::runtime_error(error);
}

bool bootOrReport(const std::filesystem::path& image)
{
    try {
        bootInVirtualTime(image);
        return true;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return false;
    }
}

DWORD runProgram(LPCWSTR path, LPCWSTR commandLine)
{
    std::u16string arguments = commandLine ? commandLine : u"";
    PROCESS_INFORMATION started {};
    if (!CreateProcessW(path, commandLine ? arguments.data() : nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
            nullptr, &started)) {
        ADD_FAILURE() << "CreateProcessW failed with " << GetLastError();
        return 0xFFFFFFFF;
    }
    EXPECT_EQ(WaitForSingleObject(started.hProcess, INFINITE), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    EXPECT_TRUE(GetExitCodeProcess(started.hProcess, &exitCode));
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return exitCode;
}

}  // namespace testing_support
