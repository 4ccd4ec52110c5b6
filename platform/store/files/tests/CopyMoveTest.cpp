// CopyFileW and MoveFileW: what they carry over, what they refuse, and moves between volumes.
#include "FileTestSupport.h"

namespace file_tests {
namespace {

using CopyMoveTest = DeviceFiles;

TEST_F(CopyMoveTest, CopyKeepsContentAndTime)
{
    ASSERT_TRUE(writeDeviceFile(u"\\src.txt", "content"));
    ULONGLONG written = lastWriteTicks(u"\\src.txt");
    emulator::advanceDeviceClock(5000);
    ASSERT_TRUE(CopyFileW(u"\\SRC.TXT", u"\\Copy.txt", TRUE));
    EXPECT_EQ(readDeviceFile(u"\\copy.txt"), "content");
    EXPECT_EQ(lastWriteTicks(u"\\Copy.txt"), written);
    EXPECT_EQ(findNames(u"\\c*"), std::vector<std::u16string>{u"Copy.txt"});

    ASSERT_TRUE(writeDeviceFile(u"\\src.txt", "changed"));
    EXPECT_FALSE(CopyFileW(u"\\src.txt", u"\\copy.txt", TRUE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_EXISTS));
    EXPECT_EQ(readDeviceFile(u"\\copy.txt"), "content");
    EXPECT_TRUE(CopyFileW(u"\\src.txt", u"\\copy.txt", FALSE));
    EXPECT_EQ(readDeviceFile(u"\\copy.txt"), "changed");
}

TEST_F(CopyMoveTest, CopyRefusals)
{
    ASSERT_TRUE(writeDeviceFile(u"\\src", "x"));
    ASSERT_TRUE(CreateDirectoryW(u"\\dir", nullptr));
    const struct {
        const char16_t* from;
        const char16_t* to;
        DWORD error;
    } cases[] = {
        {u"\\missing", u"\\to", ERROR_FILE_NOT_FOUND},
        {u"\\nodir\\src", u"\\to", ERROR_PATH_NOT_FOUND},
        {u"\\src", u"\\nodir\\to", ERROR_PATH_NOT_FOUND},
        {u"\\dir", u"\\to", ERROR_ACCESS_DENIED},
        {u"\\src", u"\\dir", ERROR_ACCESS_DENIED},
        {u"\\src", u"\\SRC", ERROR_SHARING_VIOLATION},
        {u"\\src", u"\\a|b", ERROR_INVALID_NAME},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.to)));
        EXPECT_FALSE(CopyFileW(c.from, c.to, FALSE));
        EXPECT_EQ(GetLastError(), c.error);
    }
    HANDLE exclusive = CreateFileW(u"\\src", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(CopyFileW(u"\\src", u"\\to", FALSE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
    CloseHandle(exclusive);
    HANDLE sharing = CreateFileW(u"\\src", GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_TRUE(CopyFileW(u"\\src", u"\\to", FALSE));
    CloseHandle(sharing);
    EXPECT_EQ(readDeviceFile(u"\\src"), "x");
}

TEST_F(CopyMoveTest, MovesWithinAVolume)
{
    ASSERT_TRUE(CreateDirectoryW(u"\\a", nullptr));
    ASSERT_TRUE(CreateDirectoryW(u"\\a\\b", nullptr));
    ASSERT_TRUE(CreateDirectoryW(u"\\other", nullptr));
    ASSERT_TRUE(writeDeviceFile(u"\\a\\b\\f.txt", "deep"));
    ASSERT_TRUE(writeDeviceFile(u"\\x.txt", "x"));

    ASSERT_TRUE(MoveFileW(u"\\X.TXT", u"\\other\\y.txt"));
    EXPECT_EQ(readDeviceFile(u"\\other\\y.txt"), "x");
    EXPECT_EQ(GetFileAttributesW(u"\\x.txt"), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(MoveFileW(u"\\other\\y.txt", u"\\other\\Y.TXT")) << "changing only the case";
    EXPECT_EQ(findNames(u"\\other\\*"), std::vector<std::u16string>{u"Y.TXT"});
    ASSERT_TRUE(MoveFileW(u"\\a", u"\\other\\moved"));
    EXPECT_EQ(readDeviceFile(u"\\other\\moved\\b\\f.txt"), "deep");
    EXPECT_FALSE(std::filesystem::exists(dev.hostPath(u"\\a")));

    ASSERT_TRUE(writeDeviceFile(u"\\z", "z"));
    const struct {
        const char16_t* from;
        const char16_t* to;
        DWORD error;
    } refused[] = {
        {u"\\z", u"\\other\\y.txt", ERROR_ALREADY_EXISTS},
        {u"\\z", u"\\OTHER", ERROR_ALREADY_EXISTS},
        {u"\\other", u"\\other\\moved\\inside", ERROR_ACCESS_DENIED},
        {u"\\missing", u"\\q", ERROR_FILE_NOT_FOUND},
        {u"\\z", u"\\nodir\\q", ERROR_PATH_NOT_FOUND},
        {u"\\z", u"\\", ERROR_ALREADY_EXISTS},
        {u"\\", u"\\q", ERROR_ACCESS_DENIED},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.to)));
        EXPECT_FALSE(MoveFileW(c.from, c.to));
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_EQ(readDeviceFile(u"\\z"), "z");
    EXPECT_EQ(readDeviceFile(u"\\other\\Y.txt"), "x");
}

TEST_F(CopyMoveTest, FilesMoveBetweenVolumesFoldersDoNot)
{
    ASSERT_TRUE(writeDeviceFile(u"\\f.txt", "to the card"));
    ASSERT_TRUE(SetFileAttributesW(u"\\f.txt", FILE_ATTRIBUTE_HIDDEN));
    ULONGLONG written = lastWriteTicks(u"\\f.txt");
    ASSERT_TRUE(MoveFileW(u"\\f.txt", u"\\Storage Card\\g.txt"));
    EXPECT_EQ(readHostFile(dev.hostPath(u"\\Storage Card\\g.txt")), "to the card");
    EXPECT_EQ(GetFileAttributesW(u"\\Storage Card\\g.txt"), DWORD(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(lastWriteTicks(u"\\Storage Card\\g.txt"), written);
    EXPECT_EQ(GetFileAttributesW(u"\\f.txt"), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(MoveFileW(u"\\storage card\\g.txt", u"\\back.txt"));
    EXPECT_EQ(readDeviceFile(u"\\back.txt"), "to the card");

    ASSERT_TRUE(CreateDirectoryW(u"\\dir", nullptr));
    EXPECT_FALSE(MoveFileW(u"\\dir", u"\\Storage Card\\dir"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_SAME_DEVICE));
    EXPECT_TRUE(std::filesystem::is_directory(dev.hostPath(u"\\dir")));
}

}  // namespace
}  // namespace file_tests
