// File times follow the device clock, virtual in tests.
#include "FileTestSupport.h"

namespace file_tests {
namespace {

using TimeTest = DeviceFiles;

constexpr ULONGLONG kTicksPerMs = 10000;

TEST_F(TimeTest, WritesStampTheDeviceClock)
{
    ULONGLONG booted = deviceNowTicks();
    ASSERT_TRUE(CreateDirectoryW(u"\\dir", nullptr));
    ASSERT_TRUE(writeDeviceFile(u"\\dir\\f", "one"));
    EXPECT_EQ(lastWriteTicks(u"\\dir\\f"), booted);

    emulator::advanceDeviceClock(90 * 1000);
    EXPECT_EQ(readDeviceFile(u"\\dir\\f"), "one");
    EXPECT_EQ(lastWriteTicks(u"\\dir\\f"), booted) << "reading leaves the time";

    HANDLE file = CreateFileW(u"\\dir\\f", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD count = 0;
    ASSERT_TRUE(WriteFile(file, "two", 3, &count, nullptr));
    FILETIME created{}, accessed{}, written{};
    ASSERT_TRUE(GetFileTime(file, &created, &accessed, &written));
    EXPECT_EQ(ticksOf(written), booted + 90 * 1000 * kTicksPerMs);
    EXPECT_EQ(ticksOf(written), deviceNowTicks());
    EXPECT_EQ(lastWriteTicks(u"\\dir\\f"), ticksOf(written)) << "finds report the same time";

    FILETIME chosen{0x12345670, 0x01D00000};
    ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &chosen));
    ASSERT_TRUE(GetFileTime(file, nullptr, nullptr, &written));
    EXPECT_EQ(ticksOf(written), ticksOf(chosen));
    CloseHandle(file);
    EXPECT_EQ(lastWriteTicks(u"\\dir\\f"), ticksOf(chosen));

    // A folder keeps the time it was made at while files come and go in it.
    EXPECT_EQ(lastWriteTicks(u"\\dir"), booted);
    ASSERT_TRUE(writeDeviceFile(u"\\dir\\g", "g"));
    ASSERT_TRUE(DeleteFileW(u"\\dir\\g"));
    EXPECT_EQ(lastWriteTicks(u"\\dir"), booted);
}

}  // namespace
}  // namespace file_tests
