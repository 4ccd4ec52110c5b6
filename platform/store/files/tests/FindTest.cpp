// Finds: patterns, what a find reports, its errors and the folders-only search.
#include "FileTestSupport.h"

namespace file_tests {
namespace {

using Names = std::vector<std::u16string>;

class FindTest : public DeviceFiles {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateDirectoryW(u"\\f", nullptr));
        ASSERT_TRUE(CreateDirectoryW(u"\\f\\Sub", nullptr));
        for (const char16_t* name : {u"\\f\\readme.txt", u"\\f\\README2.TXT", u"\\f\\a", u"\\f\\ab.c", u"\\f\\x.y.z",
                 u"\\f\\noext", u"\\f\\Data.DB"})
            ASSERT_TRUE(writeDeviceFile(name, "12345"));
    }
};

TEST_F(FindTest, PatternsMatchLikeTheDevice)
{
    const Names all = {u"Data.DB", u"README2.TXT", u"Sub", u"a", u"ab.c", u"noext", u"readme.txt", u"x.y.z"};
    const struct {
        std::u16string pattern;
        Names names;
    } cases[] = {
        {u"*", all},
        {u"*.*", all},
        {u"*.txt", {u"README2.TXT", u"readme.txt"}},
        {u"README*.TxT", {u"README2.TXT", u"readme.txt"}},
        {u"?", {u"a"}},
        {u"??", {errorText(ERROR_NO_MORE_FILES)}},
        {u"a*", {u"a", u"ab.c"}},
        {u"*.c", {u"ab.c"}},
        {u"x.*", {u"x.y.z"}},
        {u"*.y.*", {u"x.y.z"}},
        {u"readme?.txt", {u"README2.TXT"}},
        {u"*2*", {u"README2.TXT"}},
        {u"noext.*", {u"noext"}},
        {u"s?b", {u"Sub"}},
        {u"*e*e*", {u"README2.TXT", u"readme.txt"}},
        {u"NOEXT", {u"noext"}},
        {u"sub", {u"Sub"}},
        {u"*.zzz", {errorText(ERROR_NO_MORE_FILES)}},
        {u"missing", {errorText(ERROR_NO_MORE_FILES)}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findNames(u"\\F\\" + c.pattern), c.names) << testing::PrintToString(c.pattern);
}

TEST_F(FindTest, FoldersOnlySearch)
{
    EXPECT_EQ(findNames(u"\\f\\*", FindExSearchLimitToDirectories), Names{u"Sub"});
    EXPECT_EQ(findNames(u"\\f\\readme.txt", FindExSearchLimitToDirectories), Names{errorText(ERROR_NO_MORE_FILES)});
    EXPECT_EQ(findNames(u"\\*", FindExSearchLimitToDirectories), (Names{u"Storage Card", u"f"}));
}

TEST_F(FindTest, ErrorsOfFindCalls)
{
    const struct {
        std::u16string pattern;
        DWORD error;
    } cases[] = {
        {u"\\missing\\*", ERROR_PATH_NOT_FOUND},
        {u"\\f\\a\\*", ERROR_PATH_NOT_FOUND},
        {u"\\f\\Sub\\*", ERROR_NO_MORE_FILES},
        {u"\\f*\\*", ERROR_INVALID_NAME},
        {u"\\f\\a:*", ERROR_INVALID_NAME},
        {u"\\f\\..\\*", ERROR_INVALID_NAME},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findNames(c.pattern), Names{errorText(c.error)}) << testing::PrintToString(c.pattern);

    WIN32_FIND_DATAW data{};
    EXPECT_EQ(FindFirstFileExW(u"\\*", FindExInfoMaxInfoLevel, &data, FindExSearchNameMatch, nullptr, 0),
        INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(FindFirstFileExW(u"\\*", FindExInfoStandard, &data, FindExSearchLimitToDevices, nullptr, 0),
        INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

TEST_F(FindTest, RecordsDescribeEachEntry)
{
    ASSERT_TRUE(writeDeviceFile(u"\\f\\big", std::string(70000, 'b')));
    WIN32_FIND_DATAW file{}, folder{}, again{}, other{};
    ASSERT_TRUE(findEntry(u"\\f\\BIG", file));
    EXPECT_EQ(std::u16string(file.cFileName), u"big");
    EXPECT_EQ(file.dwFileAttributes, DWORD(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(file.nFileSizeLow, 70000u);
    EXPECT_EQ(file.nFileSizeHigh, 0u);
    EXPECT_EQ(ticksOf(file.ftLastWriteTime), deviceNowTicks());
    EXPECT_EQ(ticksOf(file.ftCreationTime), ticksOf(file.ftLastWriteTime));
    EXPECT_NE(file.dwOID, 0u);

    ASSERT_TRUE(findEntry(u"\\f\\sub", folder));
    EXPECT_EQ(std::u16string(folder.cFileName), u"Sub");
    EXPECT_EQ(folder.dwFileAttributes, DWORD(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(folder.nFileSizeLow, 0u);

    ASSERT_TRUE(findEntry(u"\\f\\b*", again));
    ASSERT_TRUE(findEntry(u"\\f\\a", other));
    EXPECT_EQ(again.dwOID, file.dwOID) << "object ids are stable";
    EXPECT_NE(other.dwOID, file.dwOID);
}

}  // namespace
}  // namespace file_tests
