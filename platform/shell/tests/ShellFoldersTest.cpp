// SHGetSpecialFolderPath on a fresh image and on a bare one, with and without fCreate.
#include <gtest/gtest.h>

#include "TestDevice.h"
#include "emulator/Text.h"
#include "shellapi.h"
#include "windows.h"

namespace {

struct FolderCase {
    int csidl;
    std::u16string path;
};
const FolderCase folders[] = {
    {CSIDL_PROGRAMS, u"\\Windows\\Start Menu\\Programs"},
    {CSIDL_PERSONAL, u"\\My Documents"},
    {CSIDL_STARTUP, u"\\Windows\\StartUp"},
    {CSIDL_PROGRAM_FILES, u"\\Program Files"},
    {CSIDL_WINDOWS, u"\\Windows"},
    {CSIDL_STARTMENU, u"\\Windows\\Start Menu"},
    {CSIDL_FONTS, u"\\Windows\\Fonts"},
    {CSIDL_APPDATA, u"\\Application Data"},
    {CSIDL_DESKTOPDIRECTORY, u"\\Windows\\Desktop"},
    {CSIDL_FAVORITES, u"\\Windows\\Favorites"},
    {CSIDL_RECENT, u"\\Windows\\Recent"},
    {CSIDL_MYPICTURES, u"\\My Documents\\My Pictures"},
};

TEST(ShellFolders, CreatesWhatIsMissingWhenAsked)
{
    testing_support::TestDevice device;  // bare: no folders at all
    for (const auto& c : folders) {
        SCOPED_TRACE(emulator::toUtf8(c.path));
        WCHAR path[MAX_PATH] = u"untouched";
        EXPECT_FALSE(SHGetSpecialFolderPath(nullptr, path, c.csidl, FALSE));
        EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());
        EXPECT_EQ(std::u16string(), path) << "a missing folder gives an empty path";
    }
    for (const auto& c : folders) {
        SCOPED_TRACE(emulator::toUtf8(c.path));
        WCHAR path[MAX_PATH] = {};
        ASSERT_TRUE(SHGetSpecialFolderPath(nullptr, path, c.csidl, TRUE)) << GetLastError();
        EXPECT_EQ(emulator::toUtf8(c.path), emulator::toUtf8(path));
        const DWORD attributes = GetFileAttributesW(c.path.c_str());
        EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
        EXPECT_TRUE(SHGetSpecialFolderPath(nullptr, path, c.csidl, FALSE));
    }
}

TEST(ShellFolders, FreshImageHasTheSystemFolders)
{
    testing_support::TestDevice device(testing_support::smallProfile(), testing_support::TestDevice::Kind::Full);
    for (int csidl : {CSIDL_PROGRAMS, CSIDL_PERSONAL, CSIDL_STARTUP, CSIDL_PROGRAM_FILES, CSIDL_WINDOWS,
                      CSIDL_STARTMENU, CSIDL_FONTS, CSIDL_APPDATA}) {
        SCOPED_TRACE(csidl);
        WCHAR path[MAX_PATH] = {};
        EXPECT_TRUE(SHGetSpecialFolderPath(nullptr, path, csidl, FALSE)) << GetLastError();
    }
}

TEST(ShellFolders, UnknownFoldersAreRefused)
{
    testing_support::TestDevice device;
    for (int csidl : {-1, 0x0003, 0x0011, 0x0012, 0x0025, 0x7fff}) {  // virtual folders among them
        SCOPED_TRACE(csidl);
        WCHAR path[MAX_PATH] = u"untouched";
        EXPECT_FALSE(SHGetSpecialFolderPath(nullptr, path, csidl, TRUE));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
        EXPECT_EQ(std::u16string(), path);
    }
    EXPECT_FALSE(SHGetSpecialFolderPath(nullptr, nullptr, CSIDL_WINDOWS, TRUE));
}

}  // namespace
