// Attributes: defaults, what SetFileAttributesW keeps, read-only and ROM files, card roots,
// and attrs.db kept in step with deletes, moves and copies, across reboots.
#include "FileTestSupport.h"
#include "emulator/Device.h"

namespace file_tests {
namespace {

using AttributeTest = DeviceFiles;

constexpr DWORD kRom = FILE_ATTRIBUTE_INROM;
constexpr DWORD kReadOnly = FILE_ATTRIBUTE_READONLY;
constexpr DWORD kHidden = FILE_ATTRIBUTE_HIDDEN;
constexpr DWORD kSystem = FILE_ATTRIBUTE_SYSTEM;
constexpr DWORD kArchive = FILE_ATTRIBUTE_ARCHIVE;
constexpr DWORD kNormal = FILE_ATTRIBUTE_NORMAL;
constexpr DWORD kFolder = FILE_ATTRIBUTE_DIRECTORY;

DWORD listedAttributes(const std::u16string& path)
{
    WIN32_FIND_DATAW data{};
    return findEntry(path, data) ? data.dwFileAttributes : INVALID_FILE_ATTRIBUTES;
}

TEST_F(AttributeTest, DefaultsOfEachKind)
{
    ASSERT_TRUE(writeDeviceFile(u"\\made", "x"));
    ASSERT_TRUE(CreateDirectoryW(u"\\dir", nullptr));
    writeHostFile(dev.hostPath(u"\\hostmade"), "x");
    HANDLE hidden = CreateFileW(u"\\hidden", GENERIC_WRITE, 0, nullptr, CREATE_NEW, kHidden | kRom, nullptr);
    ASSERT_NE(hidden, INVALID_HANDLE_VALUE);
    CloseHandle(hidden);
    const struct {
        std::u16string path;
        DWORD attributes;
    } cases[] = {
        {u"\\made", kArchive},
        {u"\\hostmade", kArchive},
        {u"\\hidden", kHidden | kArchive},
        {u"\\dir", kFolder},
        {u"\\Storage Card", kFolder | FILE_ATTRIBUTE_TEMPORARY},
        {u"\\STORAGE CARD", kFolder | FILE_ATTRIBUTE_TEMPORARY},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.path));
        EXPECT_EQ(GetFileAttributesW(c.path.c_str()), c.attributes);
        EXPECT_EQ(listedAttributes(c.path), c.attributes);
    }
    EXPECT_EQ(GetFileAttributesW(u"\\"), kFolder);
}

TEST_F(AttributeTest, SetFileAttributesKeepsWhatTheDeviceKeeps)
{
    ASSERT_TRUE(writeDeviceFile(u"\\f", "x"));
    ASSERT_TRUE(CreateDirectoryW(u"\\d", nullptr));
    const struct {
        const char16_t* path;
        DWORD set;
        DWORD reported;
    } cases[] = {
        {u"\\f", kNormal, kNormal},
        {u"\\f", 0, kNormal},
        {u"\\f", kReadOnly, kReadOnly},
        {u"\\f", kHidden | kSystem | kArchive, kHidden | kSystem | kArchive},
        {u"\\f", kArchive | kNormal, kArchive},
        {u"\\f", kRom | FILE_ATTRIBUTE_ROMMODULE | kFolder, kNormal},
        {u"\\d", kHidden, kFolder | kHidden},
        {u"\\d", kNormal, kFolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.set);
        EXPECT_TRUE(SetFileAttributesW(c.path, c.set));
        EXPECT_EQ(GetFileAttributesW(c.path), c.reported);
        EXPECT_EQ(listedAttributes(c.path), c.reported);
    }
    EXPECT_FALSE(SetFileAttributesW(u"\\missing", kHidden));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
}

// A kind of protected file, and whether it may still be moved.
struct Protection {
    const char* kind;
    DWORD bits;
    bool raw;  // set with setFileAttributesRaw
    bool movable;
};

TEST_F(AttributeTest, ReadOnlyAndRomFilesRefuseChanges)
{
    const Protection kinds[] = {
        {"read-only", kReadOnly, false, true},
        {"in ROM", kRom | kReadOnly | kHidden | kSystem, true, false},
        {"ROM module", FILE_ATTRIBUTE_ROMMODULE, true, false},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        ASSERT_TRUE(writeDeviceFile(u"\\p", "kept"));
        ASSERT_TRUE(writeDeviceFile(u"\\src", "other"));
        ASSERT_TRUE(k.raw ? emulator::setFileAttributesRaw(u"\\p", k.bits) : SetFileAttributesW(u"\\p", k.bits));
        EXPECT_EQ(GetFileAttributesW(u"\\P"), k.bits);
        for (DWORD disposition : {OPEN_EXISTING, OPEN_ALWAYS, CREATE_ALWAYS, TRUNCATE_EXISTING}) {
            EXPECT_EQ(CreateFileW(u"\\p", GENERIC_WRITE, 0, nullptr, disposition, 0, nullptr), INVALID_HANDLE_VALUE);
            EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
        }
        EXPECT_EQ(CreateFileW(u"\\p", 0, 0, nullptr, CREATE_ALWAYS, 0, nullptr), INVALID_HANDLE_VALUE);
        EXPECT_FALSE(DeleteFileW(u"\\p"));
        EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
        EXPECT_FALSE(CopyFileW(u"\\src", u"\\p", FALSE));
        EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
        EXPECT_EQ(readDeviceFile(u"\\p"), "kept");

        EXPECT_TRUE(CopyFileW(u"\\p", u"\\copy", FALSE));
        EXPECT_EQ(GetFileAttributesW(u"\\copy"), k.movable ? k.bits : kArchive) << "a copy of a ROM file is plain";
        EXPECT_EQ(readDeviceFile(u"\\copy"), "kept");
        SetFileAttributesW(u"\\copy", kNormal);

        EXPECT_EQ(MoveFileW(u"\\p", u"\\renamed"), k.movable);
        if (!k.movable) {
            EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
            EXPECT_FALSE(SetFileAttributesW(u"\\p", kNormal));
            EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
            EXPECT_EQ(GetFileAttributesW(u"\\p"), k.bits);
            ASSERT_TRUE(emulator::setFileAttributesRaw(u"\\p", kNormal));
            ASSERT_TRUE(MoveFileW(u"\\p", u"\\renamed"));
        }
        ASSERT_TRUE(SetFileAttributesW(u"\\renamed", kNormal));
        EXPECT_TRUE(DeleteFileW(u"\\renamed"));
        EXPECT_TRUE(DeleteFileW(u"\\copy"));
    }
}

TEST_F(AttributeTest, CardRootsCannotBeRemovedRenamedOrChanged)
{
    EXPECT_FALSE(RemoveDirectoryW(u"\\Storage Card"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(MoveFileW(u"\\storage card", u"\\Card2"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(SetFileAttributesW(u"\\Storage Card", kHidden));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(RemoveDirectoryW(u"\\"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(std::filesystem::is_directory(dev.hostPath(u"\\Storage Card")));
    ASSERT_TRUE(CreateDirectoryW(u"\\Storage Card\\sub", nullptr));
    EXPECT_EQ(GetFileAttributesW(u"\\Storage Card\\sub"), kFolder) << "only the card's root is TEMPORARY";
}

TEST_F(AttributeTest, RecordsFollowTheirFilesAndSurviveReboot)
{
    ASSERT_TRUE(CreateDirectoryW(u"\\tree", nullptr));
    ASSERT_TRUE(CreateDirectoryW(u"\\tree\\inner", nullptr));
    ASSERT_TRUE(writeDeviceFile(u"\\tree\\inner\\h", "x"));
    ASSERT_TRUE(writeDeviceFile(u"\\tree\\n", "x"));
    ASSERT_TRUE(writeDeviceFile(u"\\gone", "x"));
    ASSERT_TRUE(SetFileAttributesW(u"\\tree\\inner\\h", kHidden));
    ASSERT_TRUE(SetFileAttributesW(u"\\tree\\inner", kSystem));
    ASSERT_TRUE(SetFileAttributesW(u"\\tree\\n", kNormal));
    ASSERT_TRUE(SetFileAttributesW(u"\\gone", kHidden));

    ASSERT_TRUE(DeleteFileW(u"\\gone"));
    ASSERT_TRUE(writeDeviceFile(u"\\gone", "again"));
    ASSERT_TRUE(MoveFileW(u"\\tree", u"\\Moved"));
    ASSERT_TRUE(CopyFileW(u"\\Moved\\inner\\h", u"\\hcopy", TRUE));
    // Made again behind the device's back: no record may have stayed behind for them.
    std::filesystem::create_directories(dev.hostPath(u"\\tree\\inner"));
    writeHostFile(dev.hostPath(u"\\tree\\inner\\h"), "x");

    const struct {
        const char16_t* path;
        DWORD attributes;
    } expected[] = {
        {u"\\Moved\\inner\\h", kHidden},
        {u"\\moved\\INNER", kFolder | kSystem},
        {u"\\Moved\\n", kNormal},
        {u"\\Moved", kFolder},
        {u"\\hcopy", kHidden},
        {u"\\gone", kArchive},
        {u"\\tree\\inner\\h", kArchive},
        {u"\\tree\\inner", kFolder},
    };
    for (int boot = 0; boot < 2; ++boot) {
        for (const auto& e : expected) {
            SCOPED_TRACE(testing::PrintToString(std::u16string(e.path)) + " boot " + std::to_string(boot));
            EXPECT_EQ(GetFileAttributesW(e.path), e.attributes);
            EXPECT_EQ(listedAttributes(e.path), e.attributes);
        }
        dev.reboot();
    }
}

TEST_F(AttributeTest, ADamagedAttributeDatabaseStopsTheBoot)
{
    emulator::shutdownDevice();
    writeHostFile(dev.image() / "attrs.db", std::string(4096, 'x'));
    try {
        dev.reboot();
        ADD_FAILURE() << "booted with a damaged attrs.db";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("attrs.db"), std::string::npos) << error.what();
    }
}

}  // namespace
}  // namespace file_tests
