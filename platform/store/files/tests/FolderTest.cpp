// Making and removing folders, and deleting files, with the device's errors.
#include <functional>

#include "FileTestSupport.h"
#include "emulator/Device.h"

namespace file_tests {
namespace {

using FolderTest = DeviceFiles;

TEST_F(FolderTest, ErrorsOfFolderAndDeleteCalls)
{
    ASSERT_TRUE(CreateDirectoryW(u"\\full", nullptr));
    ASSERT_TRUE(writeDeviceFile(u"\\full\\f", "x"));
    ASSERT_TRUE(CreateDirectoryW(u"\\rom", nullptr));
    ASSERT_TRUE(emulator::setFileAttributesRaw(u"\\rom", FILE_ATTRIBUTE_INROM));
    using Call = std::function<BOOL(const char16_t*)>;
    const Call makeFolder = [](const char16_t* p) { return CreateDirectoryW(p, nullptr); };
    const Call removeFolder = RemoveDirectoryW;
    const Call deleteFile = DeleteFileW;
    const struct {
        const char* call;
        const Call& run;
        const char16_t* path;
        DWORD error;
    } cases[] = {
        {"make", makeFolder, u"\\FULL", ERROR_ALREADY_EXISTS},
        {"make", makeFolder, u"\\full\\F", ERROR_ALREADY_EXISTS},
        {"make", makeFolder, u"\\", ERROR_ALREADY_EXISTS},
        {"make", makeFolder, u"\\none\\sub", ERROR_PATH_NOT_FOUND},
        {"remove", removeFolder, u"\\full", ERROR_DIR_NOT_EMPTY},
        {"remove", removeFolder, u"\\full\\f", ERROR_DIRECTORY},
        {"remove", removeFolder, u"\\none", ERROR_FILE_NOT_FOUND},
        {"remove", removeFolder, u"\\none\\sub", ERROR_PATH_NOT_FOUND},
        {"remove", removeFolder, u"\\rom", ERROR_ACCESS_DENIED},
        {"delete", deleteFile, u"\\full", ERROR_ACCESS_DENIED},
        {"delete", deleteFile, u"\\full\\g", ERROR_FILE_NOT_FOUND},
        {"delete", deleteFile, u"\\none\\f", ERROR_PATH_NOT_FOUND},
        {"delete", deleteFile, u"\\", ERROR_ACCESS_DENIED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.call) + " " + testing::PrintToString(std::u16string(c.path)));
        SetLastError(0);
        EXPECT_FALSE(c.run(c.path));
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_EQ(readDeviceFile(u"\\full\\f"), "x");
    EXPECT_TRUE(std::filesystem::is_directory(dev.hostPath(u"\\rom")));

    EXPECT_TRUE(DeleteFileW(u"\\Full\\F"));
    EXPECT_TRUE(RemoveDirectoryW(u"\\FULL"));
    EXPECT_FALSE(std::filesystem::exists(dev.hostPath(u"\\full")));
}

}  // namespace
}  // namespace file_tests
