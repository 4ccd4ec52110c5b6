// Device paths: separators, case-insensitive and case-preserving resolution, refused names,
// and confinement to root/ against "..", host links and host-absolute names.
#include <sys/stat.h>

#include <functional>

#include "FileTestSupport.h"

namespace file_tests {
namespace {

using PathTest = DeviceFiles;

TEST_F(PathTest, NamesResolveIgnoringCaseAndKeepTheirSpelling)
{
    ASSERT_TRUE(CreateDirectoryW(u"\\foo", nullptr));
    ASSERT_TRUE(writeDeviceFile(u"\\Foo\\BAR.txt", "bar"));
    EXPECT_TRUE(std::filesystem::exists(dev.hostPath(u"\\foo\\BAR.txt")));
    EXPECT_FALSE(std::filesystem::exists(dev.hostPath(u"\\Foo")));
    for (const char16_t* spelling : {u"\\foo\\BAR.txt", u"\\FOO\\bar.TXT", u"/foo/bar.txt", u"foo\\Bar.Txt",
             u"\\\\foo\\\\bar.txt", u"\\foo/bar.txt"})
        EXPECT_EQ(readDeviceFile(spelling), "bar") << std::filesystem::path(spelling).string();
    EXPECT_EQ(findNames(u"\\FOO\\*"), std::vector<std::u16string>{u"BAR.txt"});

    // Replacing through another spelling keeps the first one.
    ASSERT_TRUE(writeDeviceFile(u"\\FOO\\bar.TXT", "new"));
    EXPECT_EQ(findNames(u"\\foo\\*"), std::vector<std::u16string>{u"BAR.txt"});
    EXPECT_EQ(readHostFile(dev.hostPath(u"\\foo\\BAR.txt")), "new");
}

TEST_F(PathTest, BadNamesAreRefusedWithTheirErrors)
{
    std::u16string tooLong = u"\\" + std::u16string(MAX_PATH, u'a');
    const struct {
        std::u16string path;
        DWORD error;
    } cases[] = {
        {u"\\a:b", ERROR_INVALID_NAME},
        {u"\\a*b", ERROR_INVALID_NAME},
        {u"\\a?b", ERROR_INVALID_NAME},
        {u"\\a\"b", ERROR_INVALID_NAME},
        {u"\\a<b", ERROR_INVALID_NAME},
        {u"\\a>b", ERROR_INVALID_NAME},
        {u"\\a|b", ERROR_INVALID_NAME},
        {u"\\a\x01"
         u"b",
            ERROR_INVALID_NAME},
        {u"\\a\tb", ERROR_INVALID_NAME},
        {u"\\x\\..\\a", ERROR_INVALID_NAME},
        {u"\\.\\a", ERROR_INVALID_NAME},
        {u"..\\a", ERROR_INVALID_NAME},
        {u"C:\\a", ERROR_INVALID_NAME},
        {u"\\a\xD800", ERROR_INVALID_NAME},
        {tooLong, ERROR_FILENAME_EXCED_RANGE},
        {u"", ERROR_PATH_NOT_FOUND},
        {u"\\missing\\a", ERROR_PATH_NOT_FOUND},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.path));
        SetLastError(0);
        EXPECT_EQ(CreateFileW(c.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), c.error);
        SetLastError(0);
        EXPECT_FALSE(CreateDirectoryW(c.path.c_str(), nullptr));
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_EQ(CreateFileW(nullptr, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dev.hostPath(u"\\")), {}), 1) << "only the card";
}

// A host folder outside root/ with one file, and links to both planted inside root/.
class ConfinementTest : public DeviceFiles {
protected:
    void SetUp() override
    {
        writeHostFile(outside.path() / "secret.txt", "secret");
        std::filesystem::create_directory(dev.hostPath(u"\\sub"));
        std::filesystem::create_directory_symlink(outside.path(), dev.hostPath(u"\\linkdir"));
        std::filesystem::create_directory_symlink(outside.path(), dev.hostPath(u"\\sub\\deeplink"));
        std::filesystem::create_symlink(outside.path() / "secret.txt", dev.hostPath(u"\\linkfile"));
        ASSERT_TRUE(writeDeviceFile(u"\\real.txt", "real"));
        struct stat st{};
        ASSERT_EQ(stat((outside.path() / "secret.txt").c_str(), &st), 0);
        secretTime = st.st_mtim;
    }

    void expectOutsideUntouched()
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(outside.path()))
            names.push_back(entry.path().filename().string());
        EXPECT_EQ(names, std::vector<std::string>{"secret.txt"});
        EXPECT_EQ(readHostFile(outside.path() / "secret.txt"), "secret");
        struct stat st{};
        ASSERT_EQ(stat((outside.path() / "secret.txt").c_str(), &st), 0);
        EXPECT_EQ(st.st_mtim.tv_sec, secretTime.tv_sec);
        EXPECT_EQ(st.st_mtim.tv_nsec, secretTime.tv_nsec);
        EXPECT_TRUE(std::filesystem::is_symlink(dev.hostPath(u"\\linkdir")));
        EXPECT_TRUE(std::filesystem::is_symlink(dev.hostPath(u"\\linkfile")));
    }

    testing_support::TempFolder outside;
    struct timespec secretTime{};
};

HANDLE openWith(const std::u16string& path, DWORD access, DWORD disposition)
{
    return CreateFileW(path.c_str(), access, 0, nullptr, disposition, 0, nullptr);
}

BOOL findSucceeds(const std::u16string& pattern)
{
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW(pattern.c_str(), &data);
    return find != INVALID_HANDLE_VALUE && FindClose(find);
}

TEST_F(ConfinementTest, LinksAreNeverFollowed)
{
    const std::u16string throughLinks[] = {u"\\linkfile", u"\\LINKFILE", u"\\linkdir\\secret.txt",
        u"\\LinkDir\\SECRET.TXT", u"\\sub\\deeplink\\secret.txt", u"\\linkdir\\new.txt", u"\\linkdir\\x\\y.txt"};
    const std::function<BOOL(const std::u16string&)> attempts[] = {
        [](const auto& p) { return openWith(p, GENERIC_READ, OPEN_EXISTING) != INVALID_HANDLE_VALUE; },
        [](const auto& p) { return openWith(p, GENERIC_WRITE, OPEN_ALWAYS) != INVALID_HANDLE_VALUE; },
        [](const auto& p) { return openWith(p, GENERIC_WRITE, CREATE_ALWAYS) != INVALID_HANDLE_VALUE; },
        [](const auto& p) { return openWith(p, GENERIC_WRITE, CREATE_NEW) != INVALID_HANDLE_VALUE; },
        [](const auto& p) { return DeleteFileW(p.c_str()); },
        [](const auto& p) { return RemoveDirectoryW(p.c_str()); },
        [](const auto& p) { return CreateDirectoryW(p.c_str(), nullptr); },
        [](const auto& p) { return GetFileAttributesW(p.c_str()) != INVALID_FILE_ATTRIBUTES; },
        [](const auto& p) { return SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_HIDDEN); },
        [](const auto& p) { return CopyFileW(p.c_str(), u"\\copy.txt", FALSE); },
        [](const auto& p) { return CopyFileW(u"\\real.txt", p.c_str(), FALSE); },
        [](const auto& p) { return MoveFileW(p.c_str(), u"\\moved"); },
        [](const auto& p) { return MoveFileW(u"\\real.txt", p.c_str()); },
        [](const auto& p) { return findSucceeds(p); },
        [](const auto& p) { return findSucceeds(p + u"\\*"); },
    };
    for (const auto& path : throughLinks) {
        for (size_t i = 0; i < std::size(attempts); ++i) {
            SCOPED_TRACE(testing::PrintToString(path) + " attempt " + std::to_string(i));
            SetLastError(0);
            EXPECT_FALSE(attempts[i](path));
            EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
        }
    }
    EXPECT_EQ(readDeviceFile(u"\\real.txt"), "real");
    EXPECT_FALSE(std::filesystem::exists(dev.hostPath(u"\\copy.txt")));
    EXPECT_FALSE(std::filesystem::exists(dev.hostPath(u"\\moved")));
    expectOutsideUntouched();
}

TEST_F(ConfinementTest, LinksAreNotListed)
{
    EXPECT_EQ(findNames(u"\\*"), (std::vector<std::u16string>{u"Storage Card", u"real.txt", u"sub"}));
    EXPECT_EQ(findNames(u"\\sub\\*"), std::vector<std::u16string>{errorText(ERROR_NO_MORE_FILES)});
    EXPECT_EQ(findNames(u"\\link*"), std::vector<std::u16string>{errorText(ERROR_NO_MORE_FILES)});
    // A folder holding only a link is not empty on the host: it stays, and so does the link.
    EXPECT_FALSE(RemoveDirectoryW(u"\\sub"));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_DIR_NOT_EMPTY));
    expectOutsideUntouched();
}

TEST_F(ConfinementTest, UpwardAndHostAbsoluteNamesStayInside)
{
    std::string outsideFolder = outside.path().string();
    std::u16string absolute(outsideFolder.begin(), outsideFolder.end());
    const std::u16string names[] = {u"\\..\\secret.txt", u"..", u"\\sub\\..\\..\\secret.txt", u"/etc/passwd",
        absolute + u"/secret.txt", absolute + u"/new.txt", u"C:\\secret.txt"};
    for (const auto& name : names) {
        SCOPED_TRACE(testing::PrintToString(name));
        EXPECT_EQ(readDeviceFile(name).substr(0, 7), "<error ");
        EXPECT_EQ(openWith(name, GENERIC_WRITE, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
        EXPECT_FALSE(DeleteFileW(name.c_str()));
        EXPECT_FALSE(CreateDirectoryW(name.c_str(), nullptr));
    }
    // A host-absolute name is a device path from "\": it lands inside root/ when its folders exist there.
    ASSERT_TRUE(CreateDirectoryW(u"\\etc", nullptr));
    ASSERT_TRUE(writeDeviceFile(u"/etc/passwd", "device"));
    EXPECT_EQ(readHostFile(dev.hostPath(u"\\etc\\passwd")), "device");
    expectOutsideUntouched();
}

}  // namespace
}  // namespace file_tests
