// SHGetFileInfo: display and type names (from HKEY_CLASSES_ROOT or made from the extension),
// shell attributes, and icons that stay the same for a file type and differ between types.
#include <gtest/gtest.h>

#include <fstream>

#include "TestDevice.h"
#include "shellapi.h"
#include "windows.h"

namespace {

class FileInfoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char16_t* folder : {u"\\My Documents", u"\\Windows", u"\\Empty"})
            ASSERT_TRUE(CreateDirectoryW(folder, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
        for (const char16_t* file : {u"\\My Documents\\a.txt", u"\\My Documents\\b.TXT", u"\\x.pwd", u"\\README",
                 u"\\Windows\\one.exe", u"\\Windows\\two.exe", u"\\ro.txt", u"\\rom.dat", u"\\Start.lnk"})
            std::ofstream(dev.hostPath(file)) << "x";
        ASSERT_TRUE(SetFileAttributesW(u"\\ro.txt", FILE_ATTRIBUTE_READONLY));
        ASSERT_TRUE(emulator::setFileAttributesRaw(u"\\rom.dat", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_INROM));
        setClassesRoot(u".pwd", u"pwordfile");
        setClassesRoot(u"pwordfile", u"Pocket Word Document");
        setClassesRoot(u".dat", u"datfile"); // a class without a name of its own
    }

    static void setClassesRoot(const std::u16string& key, const std::u16string& text)
    {
        HKEY created = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, 0, nullptr, &created, nullptr),
            ERROR_SUCCESS);
        RegSetValueExW(created, u"", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
            static_cast<DWORD>((text.size() + 1) * sizeof(WCHAR)));
        RegCloseKey(created);
    }

    static SHFILEINFO infoOf(LPCWSTR path, UINT flags, DWORD attributes = 0)
    {
        SHFILEINFO info {};
        EXPECT_NE(SHGetFileInfo(path, attributes, &info, sizeof info, flags), 0u) << GetLastError();
        return info;
    }

    static int iconOf(LPCWSTR path, UINT flags = 0, DWORD attributes = 0)
    {
        return infoOf(path, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | flags, attributes).iIcon;
    }

    testing_support::TestDevice dev;
};

constexpr DWORD anyFile = SFGAO_FILESYSTEM | SFGAO_CANCOPY | SFGAO_CANMOVE | SFGAO_CANRENAME | SFGAO_CANDELETE;

TEST_F(FileInfoTest, NamesAndAttributes)
{
    struct Case {
        const char16_t* path;
        std::u16string displayName;
        std::u16string typeName;
        DWORD attributes;
    };
    const Case cases[] = {
        {u"\\My Documents\\a.txt", u"a.txt", u"TXT File", anyFile},
        {u"\\My Documents\\b.TXT", u"b.TXT", u"TXT File", anyFile},
        {u"\\My Documents", u"My Documents", u"Folder", anyFile | SFGAO_FOLDER},
        {u"\\Empty\\", u"Empty", u"Folder", anyFile | SFGAO_FOLDER},
        {u"\\x.pwd", u"x.pwd", u"Pocket Word Document", anyFile},
        {u"\\rom.dat", u"rom.dat", u"DAT File", SFGAO_FILESYSTEM | SFGAO_CANCOPY | SFGAO_READONLY},
        {u"\\Windows\\one.exe", u"one.exe", u"Application", anyFile},
        {u"\\README", u"README", u"File", anyFile},
        {u"\\ro.txt", u"ro.txt", u"TXT File", anyFile | SFGAO_READONLY},
        {u"\\Start.lnk", u"Start.lnk", u"LNK File", anyFile | SFGAO_LINK},
    };
    for (const Case& c : cases) {
        const SHFILEINFO info = infoOf(c.path, SHGFI_DISPLAYNAME | SHGFI_TYPENAME | SHGFI_ATTRIBUTES);
        const std::string name(c.displayName.begin(), c.displayName.end());
        EXPECT_EQ(std::u16string(info.szDisplayName), c.displayName) << name;
        EXPECT_EQ(std::u16string(info.szTypeName), c.typeName) << name;
        EXPECT_EQ(info.dwAttributes, c.attributes) << name;
    }
}

TEST_F(FileInfoTest, IconsAreStablePerTypeAndDistinctBetweenTypes)
{
    const int text = iconOf(u"\\My Documents\\a.txt");
    EXPECT_EQ(iconOf(u"\\My Documents\\b.TXT"), text) << "one icon per extension, any case";
    EXPECT_EQ(iconOf(u"\\ro.txt"), text);
    EXPECT_EQ(iconOf(u"\\My Documents"), iconOf(u"\\Empty")) << "one icon for folders";
    const int distinct[] = {text, iconOf(u"\\My Documents"), iconOf(u"\\x.pwd"), iconOf(u"\\README"),
        iconOf(u"\\Windows\\one.exe"), iconOf(u"\\Windows\\two.exe")};
    for (size_t i = 0; i < std::size(distinct); ++i) {
        EXPECT_GE(distinct[i], 0);
        for (size_t j = i + 1; j < std::size(distinct); ++j)
            EXPECT_NE(distinct[i], distinct[j]) << i << " " << j << ": each program has its own icon";
    }
    EXPECT_EQ(iconOf(u"\\Windows\\ONE.EXE"), distinct[4]);

    // The icon handle follows the index; small and large icons are different handles.
    const SHFILEINFO small = infoOf(u"\\x.pwd", SHGFI_ICON | SHGFI_SMALLICON);
    const SHFILEINFO again = infoOf(u"\\x.pwd", SHGFI_ICON | SHGFI_SMALLICON);
    const SHFILEINFO large = infoOf(u"\\x.pwd", SHGFI_ICON);
    EXPECT_NE(small.hIcon, nullptr);
    EXPECT_EQ(small.hIcon, again.hIcon);
    EXPECT_NE(small.hIcon, large.hIcon);
    EXPECT_EQ(small.iIcon, distinct[2]);
    EXPECT_NE(small.hIcon, infoOf(u"\\README", SHGFI_ICON | SHGFI_SMALLICON).hIcon);
}

TEST_F(FileInfoTest, SystemIconIndexReturnsTheImageList)
{
    SHFILEINFO info {};
    const DWORD_PTR small = SHGetFileInfo(u"\\x.pwd", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    const DWORD_PTR large = SHGetFileInfo(u"\\x.pwd", 0, &info, sizeof info, SHGFI_SYSICONINDEX);
    EXPECT_NE(small, 0u);
    EXPECT_NE(large, 0u);
    EXPECT_NE(small, large);
    EXPECT_EQ(SHGetFileInfo(u"\\README", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON), small);
    EXPECT_EQ(SHGetFileInfo(u"\\README", 0, &info, sizeof info, SHGFI_DISPLAYNAME), 1u);
}

TEST_F(FileInfoTest, FileAttributesStandInForAMissingFile)
{
    struct Case {
        const char16_t* path;
        DWORD attributes;
        std::u16string typeName;
        int sameIconAs;
    };
    const int text = iconOf(u"\\My Documents\\a.txt");
    const int folder = iconOf(u"\\Empty");
    for (const Case& c : {Case {u"\\Nowhere\\q.txt", FILE_ATTRIBUTE_NORMAL, u"TXT File", text},
             Case {u"\\Nowhere\\Sub", FILE_ATTRIBUTE_DIRECTORY, u"Folder", folder},
             Case {u"\\README", FILE_ATTRIBUTE_DIRECTORY, u"Folder", folder}}) {
        const SHFILEINFO info = infoOf(
            c.path, SHGFI_USEFILEATTRIBUTES | SHGFI_TYPENAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON, c.attributes);
        EXPECT_EQ(std::u16string(info.szTypeName), c.typeName);
        EXPECT_EQ(info.iIcon, c.sameIconAs);
    }
}

TEST_F(FileInfoTest, BadRequestsFail)
{
    SHFILEINFO info {};
    struct Case {
        const char* name;
        LPCWSTR path;
        SHFILEINFO* out;
        UINT size;
        UINT flags;
        DWORD error;
    };
    const Case cases[] = {
        {"missing file", u"\\Nowhere\\q.txt", &info, sizeof info, SHGFI_TYPENAME, ERROR_PATH_NOT_FOUND},
        {"missing name", u"\\nothing.txt", &info, sizeof info, SHGFI_TYPENAME, ERROR_FILE_NOT_FOUND},
        {"null path", nullptr, &info, sizeof info, SHGFI_TYPENAME, ERROR_INVALID_PARAMETER},
        {"empty path", u"", &info, sizeof info, SHGFI_TYPENAME, ERROR_INVALID_PARAMETER},
        {"no info", u"\\README", nullptr, sizeof info, SHGFI_DISPLAYNAME, ERROR_INVALID_PARAMETER},
        {"small info", u"\\README", &info, 8, SHGFI_DISPLAYNAME, ERROR_INVALID_PARAMETER},
        {"item list", u"\\README", &info, sizeof info, SHGFI_PIDL | SHGFI_DISPLAYNAME, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(SHGetFileInfo(c.path, 0, c.out, c.size, c.flags), 0u) << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
    }
}

} // namespace
