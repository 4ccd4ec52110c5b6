// Store and card sizes, and free space that follows every change.
#include <functional>

#include "FileTestSupport.h"

namespace file_tests {
namespace {

using SpaceTest = DeviceFiles;

constexpr LONGLONG kCluster = 512 * 8;  // the test card's FAT geometry

LONGLONG storeFree()
{
    STORE_INFORMATION info{};
    EXPECT_TRUE(GetStoreInformation(&info));
    ULARGE_INTEGER available{}, total{}, free{};
    EXPECT_TRUE(GetDiskFreeSpaceExW(u"\\", &available, &total, &free));
    EXPECT_EQ(available.QuadPart, info.dwFreeSize);
    EXPECT_EQ(free.QuadPart, info.dwFreeSize);
    return info.dwFreeSize;
}

LONGLONG cardFree()
{
    ULARGE_INTEGER available{};
    EXPECT_TRUE(GetDiskFreeSpaceExW(u"\\Storage Card\\", &available, nullptr, nullptr));
    return static_cast<LONGLONG>(available.QuadPart);
}

bool truncateTo(const char16_t* path, LONG size)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    bool ok = SetFilePointer(file, size, nullptr, FILE_BEGIN) == DWORD(size) && SetEndOfFile(file);
    return CloseHandle(file) && ok;
}

TEST_F(SpaceTest, SizesComeFromTheProfile)
{
    STORE_INFORMATION info{};
    ASSERT_TRUE(GetStoreInformation(&info));
    EXPECT_EQ(info.dwStoreSize, 4u << 20);
    EXPECT_EQ(info.dwFreeSize, 4u << 20) << "a bare image holds no files";
    ULARGE_INTEGER total{};
    ASSERT_TRUE(GetDiskFreeSpaceExW(u"\\storage card", nullptr, &total, nullptr));
    EXPECT_EQ(total.QuadPart, 8u << 20);
    ASSERT_TRUE(GetDiskFreeSpaceExW(nullptr, nullptr, &total, nullptr));
    EXPECT_EQ(total.QuadPart, 4u << 20);
    EXPECT_FALSE(GetDiskFreeSpaceExW(u"\\missing", nullptr, &total, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(GetStoreInformation(nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

TEST_F(SpaceTest, FreeSpaceFollowsEveryChange)
{
    const struct {
        const char* step;
        std::function<bool()> run;
        LONGLONG storeChange, cardChange;
    } steps[] = {
        {"write to the store", [] { return writeDeviceFile(u"\\a", std::string(10000, 'a')); }, -10000, 0},
        {"one byte on the card", [] { return writeDeviceFile(u"\\Storage Card\\c", "c"); }, 0, -kCluster},
        {"5000 bytes on the card", [] { return writeDeviceFile(u"\\Storage Card\\d", std::string(5000, 'd')); }, 0,
            -2 * kCluster},
        {"truncate", [] { return truncateTo(u"\\a", 100); }, 9900, 0},
        {"copy to the card", [] { return CopyFileW(u"\\a", u"\\Storage Card\\a", TRUE) != FALSE; }, 0, -kCluster},
        {"move from the card", [] { return MoveFileW(u"\\Storage Card\\d", u"\\d") != FALSE; }, -5000, 2 * kCluster},
        {"move within the store", [] { return MoveFileW(u"\\d", u"\\e") != FALSE; }, 0, 0},
        {"replace by copy", [] { return CopyFileW(u"\\a", u"\\e", FALSE) != FALSE; }, 4900, 0},
        {"delete", [] { return DeleteFileW(u"\\a") != FALSE; }, 100, 0},
        {"extend", [] { return truncateTo(u"\\e", 3000); }, -2900, 0},
    };
    LONGLONG store = storeFree(), card = cardFree();
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        ASSERT_TRUE(s.run());
        EXPECT_EQ(storeFree() - store, s.storeChange);
        EXPECT_EQ(cardFree() - card, s.cardChange);
        store = storeFree();
        card = cardFree();
    }
}

TEST_F(SpaceTest, FilesMadeOnTheHostCount)
{
    writeHostFile(dev.hostPath(u"\\host.bin"), std::string(3000, 'h'));
    writeHostFile(dev.hostPath(u"\\Storage Card\\host.bin"), std::string(5000, 'h'));
    dev.reboot();
    EXPECT_EQ(storeFree(), (4 << 20) - 3000);
    EXPECT_EQ(cardFree(), (8 << 20) - 2 * kCluster);
}

TEST(SpaceLimit, AWriteBeyondTheFreeSpaceWritesNothing)
{
    emulator::Profile profile = fileSystemProfile();
    profile.storeBytes = 64 * 1024;
    testing_support::TestDevice dev(profile);
    ASSERT_TRUE(writeDeviceFile(u"\\big", std::string(60000, 'b')));
    ASSERT_TRUE(writeDeviceFile(u"\\small", "s"));
    LONGLONG before = storeFree();

    HANDLE file = CreateFileW(u"\\big", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    SetFilePointer(file, 0, nullptr, FILE_END);
    std::string more(10000, 'm');
    DWORD written = 99;
    EXPECT_FALSE(WriteFile(file, more.data(), DWORD(more.size()), &written, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_DISK_FULL));
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(GetFileSize(file, nullptr), 60000u);
    EXPECT_EQ(SetFilePointer(file, 100000, nullptr, FILE_BEGIN), 100000u);
    EXPECT_FALSE(SetEndOfFile(file));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_DISK_FULL));
    CloseHandle(file);

    EXPECT_FALSE(CopyFileW(u"\\big", u"\\big2", FALSE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_DISK_FULL));
    EXPECT_EQ(GetFileAttributesW(u"\\big2"), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(CopyFileW(u"\\big", u"\\small", FALSE)) << "replacing frees only the small file's bytes";
    EXPECT_EQ(readDeviceFile(u"\\small"), "s");
    EXPECT_EQ(storeFree(), before);
    EXPECT_EQ(std::filesystem::file_size(dev.hostPath(u"\\big")), 60000u);

    EXPECT_TRUE(CopyFileW(u"\\big", u"\\Storage Card\\big", FALSE)) << "the card has room of its own";
    ASSERT_TRUE(DeleteFileW(u"\\big"));
    EXPECT_TRUE(writeDeviceFile(u"\\more", more));
}

}  // namespace
}  // namespace file_tests
