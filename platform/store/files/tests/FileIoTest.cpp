// CreateFileW dispositions, reading and writing, the file pointer, handle kinds and share modes.
#include <functional>

#include "FileTestSupport.h"

namespace file_tests {
namespace {

using FileIoTest = DeviceFiles;

HANDLE open(const char16_t* path, DWORD access, DWORD share, DWORD disposition = OPEN_EXISTING)
{
    return CreateFileW(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST_F(FileIoTest, DispositionsCreateOpenAndTruncateWithTheirErrors)
{
    const struct {
        DWORD disposition;
        bool exists;
        DWORD error;  // the last error after the call, success or not
        std::string content;  // afterwards
    } cases[] = {
        {CREATE_NEW, false, NO_ERROR, ""},
        {CREATE_NEW, true, ERROR_FILE_EXISTS, "old"},
        {CREATE_ALWAYS, false, NO_ERROR, ""},
        {CREATE_ALWAYS, true, ERROR_ALREADY_EXISTS, ""},
        {OPEN_EXISTING, false, ERROR_FILE_NOT_FOUND, "<error 2>"},
        {OPEN_EXISTING, true, NO_ERROR, "old"},
        {OPEN_ALWAYS, false, NO_ERROR, ""},
        {OPEN_ALWAYS, true, ERROR_ALREADY_EXISTS, "old"},
        {TRUNCATE_EXISTING, false, ERROR_FILE_NOT_FOUND, "<error 2>"},
        {TRUNCATE_EXISTING, true, NO_ERROR, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("disposition " + std::to_string(c.disposition) + (c.exists ? " existing" : " missing"));
        DeleteFileW(u"\\f");
        if (c.exists) {
            ASSERT_TRUE(writeDeviceFile(u"\\f", "old"));
        }
        SetLastError(1234);
        HANDLE file = open(u"\\f", GENERIC_READ | GENERIC_WRITE, 0, c.disposition);
        EXPECT_EQ(GetLastError(), c.error);
        bool fails = c.error != NO_ERROR && c.error != ERROR_ALREADY_EXISTS;
        EXPECT_EQ(file == INVALID_HANDLE_VALUE, fails);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
        }
        EXPECT_EQ(readDeviceFile(u"\\f"), c.content);
        SetLastError(0);
        EXPECT_EQ(open(u"\\missing\\f", GENERIC_WRITE, 0, c.disposition), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
    }
}

TEST_F(FileIoTest, FoldersAndBadArgumentsAreRefused)
{
    ASSERT_TRUE(CreateDirectoryW(u"\\dir", nullptr));
    EXPECT_EQ(open(u"\\dir", GENERIC_READ, 0), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    EXPECT_EQ(open(u"\\dir", GENERIC_WRITE, 0, CREATE_NEW), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_EXISTS));
    EXPECT_EQ(open(u"\\f", GENERIC_WRITE, 0, 0), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(open(u"\\f", GENERIC_READ, 0, TRUNCATE_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

TEST_F(FileIoTest, ReadWriteAndThePointer)
{
    HANDLE file = open(u"\\data.bin", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, CREATE_NEW);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD count = 0;
    ASSERT_TRUE(WriteFile(file, "hello world", 11, &count, nullptr));
    EXPECT_EQ(count, 11u);
    char buffer[32] = {};
    const struct {
        LONG distance;
        DWORD method;
        DWORD position;  // INVALID_SET_FILE_POINTER: refused, the position stays
        std::string read;  // five bytes from there
    } moves[] = {
        {6, FILE_BEGIN, 6, "world"},
        {-5, FILE_END, 6, "world"},
        {-11, FILE_CURRENT, 0, "hello"},
        {-1, FILE_BEGIN, INVALID_SET_FILE_POINTER, " worl"},
        {20, FILE_END, 31, ""},
        {-100, FILE_CURRENT, INVALID_SET_FILE_POINTER, ""},
    };
    for (const auto& m : moves) {
        SCOPED_TRACE(std::to_string(m.distance) + " from " + std::to_string(m.method));
        EXPECT_EQ(SetFilePointer(file, m.distance, nullptr, m.method), m.position);
        if (m.position == INVALID_SET_FILE_POINTER) {
            EXPECT_EQ(GetLastError(), DWORD(ERROR_NEGATIVE_SEEK));
        }
        ASSERT_TRUE(ReadFile(file, buffer, 5, &count, nullptr));
        EXPECT_EQ(std::string(buffer, count), m.read);
    }
    EXPECT_EQ(SetFilePointer(file, 0, nullptr, 7), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));

    // Writing past the end fills the gap with zeros.
    EXPECT_EQ(SetFilePointer(file, 13, nullptr, FILE_BEGIN), 13u);
    ASSERT_TRUE(WriteFile(file, "!", 1, &count, nullptr));
    EXPECT_EQ(readDeviceFile(u"\\data.bin"), std::string("hello world\0\0!", 14));
    EXPECT_EQ(GetFileSize(file, nullptr), 14u);

    EXPECT_EQ(SetFilePointer(file, 5, nullptr, FILE_BEGIN), 5u);
    ASSERT_TRUE(SetEndOfFile(file));
    EXPECT_EQ(readDeviceFile(u"\\data.bin"), "hello");
    EXPECT_EQ(SetFilePointer(file, 8, nullptr, FILE_BEGIN), 8u);
    ASSERT_TRUE(SetEndOfFile(file));
    EXPECT_EQ(readDeviceFile(u"\\data.bin"), std::string("hello\0\0\0", 8));
    EXPECT_TRUE(FlushFileBuffers(file));
    EXPECT_TRUE(CloseHandle(file));
}

TEST_F(FileIoTest, PointerHighPart)
{
    HANDLE file = open(u"\\big", GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LONG high = 1;
    EXPECT_EQ(SetFilePointer(file, 0x10, &high, FILE_BEGIN), 0x10u);
    EXPECT_EQ(high, 1);
    high = -1;
    EXPECT_EQ(SetFilePointer(file, -0x11, &high, FILE_CURRENT), 0xFFFFFFFFu);
    EXPECT_EQ(GetLastError(), DWORD(NO_ERROR)) << "a low part that reads as the failure value";
    EXPECT_EQ(high, 0);
    high = -1;
    EXPECT_EQ(SetFilePointer(file, 0, &high, FILE_BEGIN), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NEGATIVE_SEEK));
    DWORD sizeHigh = 7;
    EXPECT_EQ(GetFileSize(file, &sizeHigh), 0u);
    EXPECT_EQ(sizeHigh, 0u);
    CloseHandle(file);
}

TEST_F(FileIoTest, AccessAndHandleKindsAreChecked)
{
    ASSERT_TRUE(writeDeviceFile(u"\\f", "abc"));
    HANDLE reader = open(u"\\f", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    HANDLE writer = open(u"\\f", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    char buffer[4];
    DWORD count = 0;
    FILETIME time{1, 1};
    const struct {
        const char* call;
        std::function<BOOL()> run;
        DWORD error;
    } cases[] = {
        {"write on a read handle", [&] { return WriteFile(reader, "x", 1, &count, nullptr); }, ERROR_ACCESS_DENIED},
        {"read on a write handle", [&] { return ReadFile(writer, buffer, 1, &count, nullptr); }, ERROR_ACCESS_DENIED},
        {"truncate on a read handle", [&] { return SetEndOfFile(reader); }, ERROR_ACCESS_DENIED},
        {"flush on a read handle", [&] { return FlushFileBuffers(reader); }, ERROR_ACCESS_DENIED},
        {"set the time on a read handle", [&] { return SetFileTime(reader, nullptr, nullptr, &time); },
            ERROR_ACCESS_DENIED},
        {"FindClose on a file", [&] { return FindClose(reader); }, ERROR_INVALID_HANDLE},
        {"ReadFile on INVALID_HANDLE_VALUE", [&] { return ReadFile(INVALID_HANDLE_VALUE, buffer, 1, &count, nullptr); },
            ERROR_INVALID_HANDLE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        SetLastError(0);
        EXPECT_FALSE(c.run());
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_TRUE(ReadFile(reader, buffer, 3, &count, nullptr)) << "FindClose left the file handle open";

    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW(u"\\*", &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(ReadFile(find, buffer, 1, &count, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_EQ(GetFileSize(find, nullptr), INVALID_FILE_SIZE);
    EXPECT_TRUE(FindClose(find));
    EXPECT_FALSE(FindClose(find));

    EXPECT_TRUE(CloseHandle(reader));
    EXPECT_FALSE(ReadFile(reader, buffer, 1, &count, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_TRUE(CloseHandle(writer));
}

TEST_F(FileIoTest, ShareModesBetweenHandles)
{
    constexpr DWORD R = GENERIC_READ, W = GENERIC_WRITE, SR = FILE_SHARE_READ, SW = FILE_SHARE_WRITE;
    const struct {
        DWORD firstAccess, firstShare, secondAccess, secondShare;
        bool secondOpens;
    } cases[] = {
        {R, SR, R, SR, true},
        {R, SR, W, SR | SW, false},
        {R, SR | SW, W, SR | SW, true},
        {R, SR | SW, R, SW, false},
        {W, SR, R, SR | SW, true},
        {W, SR, R, SR, false},
        {W, SR | SW, W, SR | SW, true},
        {W, SR | SW, R | W, SR | SW, true},
        {R | W, 0, R, SR | SW, false},
        {R | W, 0, 0, SR | SW, false},
        {0, 0, R | W, 0, true},
        {R, 0, R, SR | SW, false},
        {R | W, SR | SW, 0, 0, true},
    };
    ASSERT_TRUE(writeDeviceFile(u"\\shared", "x"));
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.firstAccess << "/" << c.firstShare << " then "
                                        << c.secondAccess << "/" << c.secondShare);
        HANDLE first = open(u"\\shared", c.firstAccess, c.firstShare);
        ASSERT_NE(first, INVALID_HANDLE_VALUE);
        SetLastError(0);
        HANDLE second = open(u"\\SHARED", c.secondAccess, c.secondShare);
        EXPECT_EQ(second != INVALID_HANDLE_VALUE, c.secondOpens);
        if (second != INVALID_HANDLE_VALUE) {
            CloseHandle(second);
        } else {
            EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
        }
        CloseHandle(first);
    }
    // Closing the last handle frees the file for anything.
    HANDLE exclusive = open(u"\\shared", R | W, 0);
    EXPECT_NE(exclusive, INVALID_HANDLE_VALUE);
    CloseHandle(exclusive);
}

TEST_F(FileIoTest, AnOpenFileCannotBeDeletedMovedOrReplaced)
{
    ASSERT_TRUE(writeDeviceFile(u"\\busy", "x"));
    ASSERT_TRUE(writeDeviceFile(u"\\other", "y"));
    HANDLE file = open(u"\\busy", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(DeleteFileW(u"\\busy"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(MoveFileW(u"\\Busy", u"\\moved"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(CopyFileW(u"\\other", u"\\busy", FALSE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(readDeviceFile(u"\\busy"), "x");
    CloseHandle(file);
    EXPECT_TRUE(DeleteFileW(u"\\busy"));
}

TEST(FileCallsWithoutDevice, FailNotReady)
{
    SetLastError(0);
    EXPECT_EQ(CreateFileW(u"\\f", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_READY));
    EXPECT_EQ(GetFileAttributesW(u"\\"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_READY));
}

}  // namespace
}  // namespace file_tests
