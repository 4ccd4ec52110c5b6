// What the device says about itself: the processor description's byte layout, the OS version
// and the platform and maker texts of every built-in profile, and the errors of each call.
#include <gtest/gtest.h>

#include <cstring>

#include "TestDevice.h"
#include "emulator/Text.h"
#include "pkfuncs.h"
#include "windows.h"
#include "winuser.h"

using testing_support::TestDevice;

namespace {

std::u16string textAt(const BYTE* bytes, size_t offset, size_t characters)
{
    std::u16string text;
    for (size_t i = 0; i < characters; ++i) {
        const char16_t c = static_cast<char16_t>(bytes[offset + 2 * i] | bytes[offset + 2 * i + 1] << 8);
        if (!c)
            return text;
        text += c;
    }
    return u"<no terminator>";
}

DWORD numberAt(const BYTE* bytes, size_t offset, size_t size)
{
    DWORD value = 0;
    for (size_t i = size; i-- > 0;)
        value = value << 8 | bytes[offset + i];
    return value;
}

TEST(SystemInformation, ProcessorInformationFillsTheDeviceLayout)
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.processor = {u"ARM920T", 3, u"S3C2440A", 9, u"CAT-2440", u"Samsung Electronics", 0x5, 533};
    TestDevice device(profile);

    BYTE bytes[600];
    std::memset(bytes, 0xCC, sizeof bytes);
    DWORD returned = 0;
    ASSERT_TRUE(KernelIoControl(IOCTL_PROCESSOR_INFORMATION, nullptr, 0, bytes, 576, &returned));
    EXPECT_EQ(576u, returned);
    // Offsets of the fields in the 576 bytes the device returns.
    EXPECT_EQ(1u, numberAt(bytes, 0, 2));
    EXPECT_EQ(u"ARM920T", textAt(bytes, 2, 40));
    EXPECT_EQ(3u, numberAt(bytes, 82, 2));
    EXPECT_EQ(u"S3C2440A", textAt(bytes, 84, 40));
    EXPECT_EQ(9u, numberAt(bytes, 164, 2));
    EXPECT_EQ(u"CAT-2440", textAt(bytes, 166, 100));
    EXPECT_EQ(u"Samsung Electronics", textAt(bytes, 366, 100));
    EXPECT_EQ(5u, numberAt(bytes, 568, 4));
    EXPECT_EQ(533u, numberAt(bytes, 572, 4));
    EXPECT_EQ(0xCC, bytes[576]);  // nothing written past the structure
    EXPECT_EQ(offsetof(PROCESSOR_INFO, dwInstructionSet), 568u);
}

TEST(SystemInformation, KernelIoControlErrors)
{
    TestDevice device;
    PROCESSOR_INFO info{};
    const struct {
        const char* name;
        DWORD code;
        LPVOID out;
        DWORD size;
        DWORD error;
        DWORD returned;
    } cases[] = {
        {"buffer one byte short", IOCTL_PROCESSOR_INFORMATION, &info, sizeof info - 1, ERROR_INSUFFICIENT_BUFFER, 576},
        {"no buffer", IOCTL_PROCESSOR_INFORMATION, nullptr, sizeof info, ERROR_INSUFFICIENT_BUFFER, 576},
        {"unknown code", CTL_CODE(FILE_DEVICE_HAL, 1, METHOD_BUFFERED, FILE_ANY_ACCESS), &info, sizeof info,
         ERROR_NOT_SUPPORTED, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DWORD returned = 0;
        SetLastError(0);
        EXPECT_FALSE(KernelIoControl(c.code, nullptr, 0, c.out, c.size, &returned));
        EXPECT_EQ(c.error, GetLastError());
        EXPECT_EQ(c.returned, returned);
    }
}

TEST(SystemInformation, VersionAndTextsFollowEveryBuiltinProfile)
{
    for (const auto& name : emulator::builtinProfileNames()) {
        SCOPED_TRACE(name);
        const emulator::Profile profile = *emulator::builtinProfile(name);
        TestDevice device(profile);

        OSVERSIONINFOW version;
        std::memset(&version, 0xCC, sizeof version);
        version.dwOSVersionInfoSize = sizeof version;
        ASSERT_TRUE(GetVersionExW(&version));
        EXPECT_EQ(profile.osMajor, version.dwMajorVersion);
        EXPECT_EQ(profile.osMinor, version.dwMinorVersion);
        EXPECT_EQ(profile.osBuild, version.dwBuildNumber);
        EXPECT_EQ(static_cast<DWORD>(VER_PLATFORM_WIN32_CE), version.dwPlatformId);
        EXPECT_EQ(u"", std::u16string(version.szCSDVersion));

        WCHAR text[128];
        ASSERT_TRUE(SystemParametersInfoW(SPI_GETPLATFORMTYPE, sizeof text, text, 0));
        EXPECT_EQ(profile.platformType, std::u16string(text));
        ASSERT_TRUE(SystemParametersInfoW(SPI_GETOEMINFO, sizeof text, text, 0));
        EXPECT_EQ(profile.oemInfo, std::u16string(text));

        PROCESSOR_INFO info{};
        ASSERT_TRUE(KernelIoControl(IOCTL_PROCESSOR_INFORMATION, nullptr, 0, &info, sizeof info, nullptr));
        EXPECT_EQ(profile.processor.name, std::u16string(info.szProcessorName));
        EXPECT_EQ(profile.processor.vendor, std::u16string(info.szVendor));
    }
}

TEST(SystemInformation, CallErrors)
{
    TestDevice device;
    const UINT exact = static_cast<UINT>((emulator::deviceProfile().oemInfo.size() + 1) * sizeof(WCHAR));
    WCHAR text[128];
    const struct {
        const char* name;
        UINT action, size;
        PVOID buffer;
        DWORD error;
    } cases[] = {
        {"exact size", SPI_GETOEMINFO, exact, text, ERROR_SUCCESS},
        {"one byte short", SPI_GETOEMINFO, exact - 1, text, ERROR_INSUFFICIENT_BUFFER},
        {"size in characters", SPI_GETOEMINFO, exact / 2, text, ERROR_INSUFFICIENT_BUFFER},
        {"no buffer", SPI_GETPLATFORMTYPE, sizeof text, nullptr, ERROR_INVALID_PARAMETER},
        {"other action", 0x0072, sizeof text, text, ERROR_INVALID_PARAMETER},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetLastError(0);
        EXPECT_EQ(c.error == ERROR_SUCCESS, SystemParametersInfoW(c.action, c.size, c.buffer, 0) != FALSE);
        EXPECT_EQ(c.error, GetLastError());
    }

    OSVERSIONINFOW version{};
    for (DWORD size : {DWORD{0}, DWORD{sizeof version - 1}, DWORD{sizeof version + 8}}) {
        SCOPED_TRACE(size);
        version.dwOSVersionInfoSize = size;
        SetLastError(0);
        EXPECT_FALSE(GetVersionExW(&version));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    }
    SetLastError(0);
    EXPECT_FALSE(GetVersionExW(nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

}  // namespace
