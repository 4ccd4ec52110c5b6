// Fresh device images: every built-in profile makes an image that boots with the folders, ROM
// files and registry of a new device; images are never made over existing data.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "TestDevice.h"
#include "emulator/Text.h"
#include "windows.h"

using testing_support::TempFolder;

namespace {

constexpr DWORD romModule = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_INROM | FILE_ATTRIBUTE_ROMMODULE;
constexpr DWORD romData = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_INROM;

// Boots an image for one test and shuts it down at the end.
class BootedImage {
public:
    explicit BootedImage(const std::filesystem::path& image)
    {
        std::string error;
        emulator::BootOptions options;
        options.virtualTime = true;
        booted = emulator::bootDevice(image, options, error);
        EXPECT_TRUE(booted) << error;
    }
    ~BootedImage() { emulator::shutdownDevice(); }
    bool booted = false;
};

std::u16string readString(HKEY root, const std::u16string& key, const std::u16string& name)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, 0, &opened) != ERROR_SUCCESS)
        return u"<no key>";
    WCHAR text[260] = {};
    DWORD size = sizeof text;
    DWORD type = 0;
    const LONG result = RegQueryValueExW(opened, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS)
        return u"<no value>";
    return type == REG_SZ ? std::u16string(text) : u"<not a string>";
}

std::vector<BYTE> readBytes(HKEY root, const std::u16string& key, const std::u16string& name, DWORD expectedType)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, 0, &opened) != ERROR_SUCCESS)
        return {};
    std::vector<BYTE> data(64);
    DWORD size = static_cast<DWORD>(data.size());
    DWORD type = 0;
    const LONG result = RegQueryValueExW(opened, name.c_str(), nullptr, &type, data.data(), &size);
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS || type != expectedType)
        return {};
    data.resize(size);
    return data;
}

DWORD readDword(HKEY root, const std::u16string& key, const std::u16string& name)
{
    const auto data = readBytes(root, key, name, REG_DWORD);
    if (data.size() != 4)
        return 0xDEADBEEF;
    return data[0] | data[1] << 8 | data[2] << 16 | static_cast<DWORD>(data[3]) << 24;
}

void expectFreshDevice(const emulator::Profile& profile)
{
    const std::u16string folders[] = {
        u"\\Windows", u"\\Windows\\StartUp", u"\\Windows\\Start Menu", u"\\Windows\\Start Menu\\Programs",
        u"\\Windows\\Temp", u"\\Windows\\Help", u"\\Windows\\AppMgr", u"\\Windows\\Fonts", u"\\My Documents",
        u"\\Program Files", u"\\Temp", u"\\Application Data",
    };
    for (const auto& folder : folders) {
        const DWORD attributes = GetFileAttributesW(folder.c_str());
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, attributes) << emulator::toUtf8(folder);
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << emulator::toUtf8(folder);
    }
    for (const auto& card : profile.cards) {
        const DWORD attributes = GetFileAttributesW((u"\\" + card.name).c_str());
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, attributes) << emulator::toUtf8(card.name);
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << emulator::toUtf8(card.name);
    }

    const struct {
        const char16_t* path;
        DWORD attributes;
    } romFiles[] = {
        {u"\\Windows\\nk.exe", romModule},       {u"\\Windows\\coredll.dll", romModule},
        {u"\\Windows\\gwes.exe", romModule},     {u"\\Windows\\filesys.exe", romModule},
        {u"\\Windows\\device.exe", romModule},   {u"\\Windows\\shell32.exe", romModule},
        {u"\\Windows\\aygshell.dll", romModule}, {u"\\Windows\\toolhelp.dll", romModule},
        {u"\\Windows\\wceload.exe", romModule},  {u"\\Windows\\unload.exe", romModule},
        {u"\\Windows\\pword.exe", romModule},    {u"\\Windows\\httpd.dll", romModule},
        {u"\\WINDOWS\\NK.EXE", romModule},  // names resolve case-insensitively
        {u"\\Windows\\tahoma.ttf", romData},     {u"\\Windows\\Help\\pocketpc.htm", romData},
    };
    for (const auto& file : romFiles)
        EXPECT_EQ(file.attributes, GetFileAttributesW(file.path)) << emulator::toUtf8(file.path);

    const struct {
        HKEY root;
        const char16_t* key;
        const char16_t* name;
        const char16_t* value;
    } strings[] = {
        {HKEY_LOCAL_MACHINE, u"init", u"Launch10", u"shell32.exe"},
        {HKEY_LOCAL_MACHINE, u"init", u"Launch20", u"device.exe"},
        {HKEY_LOCAL_MACHINE, u"init", u"Launch30", u"gwes.exe"},
        {HKEY_LOCAL_MACHINE, u"Ident", u"Name", u"Pocket_PC"},
        {HKEY_LOCAL_MACHINE, u"Ident", u"OrigName", u"Pocket_PC"},
        {HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Today\\Items\\Date", u"DLL", u"\\Windows\\datetoday.dll"},
        {HKEY_CLASSES_ROOT, u".txt", u"", u"txtfile"},
        {HKEY_CLASSES_ROOT, u".cab", u"", u"cabfile"},
        {HKEY_CLASSES_ROOT, u"txtfile\\Shell\\Open\\Command", u"", u"pword.exe -opendoc %1"},
        {HKEY_CLASSES_ROOT, u"htmlfile\\shell\\open\\command", u"", u"iexplore.exe file:%1"},
    };
    for (const auto& s : strings)
        EXPECT_EQ(std::u16string(s.value), readString(s.root, s.key, s.name))
            << emulator::toUtf8(s.key) << " " << emulator::toUtf8(s.name);
    // Services come from the profile's [service.NAME] sections; the built-in profiles have these.
    const bool builtinServices = std::any_of(profile.otherSections.begin(), profile.otherSections.end(),
                                             [](const emulator::IniSection& s) { return s.name == "service.HTTPD"; });
    if (builtinServices) {
        EXPECT_EQ(u"telnetd.dll", readString(HKEY_LOCAL_MACHINE, u"Services\\Telnetd", u"Dll"));
        EXPECT_EQ(u"HTP", readString(HKEY_LOCAL_MACHINE, u"Services\\HTTPD", u"Prefix"));
    }

    EXPECT_EQ((std::vector<BYTE>{0x0a, 0x00}), readBytes(HKEY_LOCAL_MACHINE, u"init", u"Depend20", REG_BINARY));
    EXPECT_EQ((std::vector<BYTE>{0x14, 0x00}), readBytes(HKEY_LOCAL_MACHINE, u"init", u"Depend30", REG_BINARY));
    EXPECT_EQ(profile.osMajor, readDword(HKEY_LOCAL_MACHINE, u"Platform", u"OSMajorVersion"));
    EXPECT_EQ(profile.osMinor, readDword(HKEY_LOCAL_MACHINE, u"Platform", u"OSMinorVersion"));
    EXPECT_EQ(1u, readDword(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Today\\Items\\Calendar", u"Enabled"));
    EXPECT_EQ(30u, readDword(HKEY_CURRENT_USER, u"ControlPanel\\Backlight", u"BatteryTimeout"));

    const struct {
        HKEY root;
        const char16_t* key;
    } keys[] = {
        {HKEY_LOCAL_MACHINE, u"Software\\Apps"},
        {HKEY_LOCAL_MACHINE, u"Loader"},
        {HKEY_LOCAL_MACHINE, u"Drivers\\BuiltIn"},
        {HKEY_LOCAL_MACHINE, u"System\\StorageManager\\Profiles"},
        {HKEY_LOCAL_MACHINE, u"Comm"},
        {HKEY_CURRENT_USER, u"ControlPanel\\Owner"},
        {HKEY_CURRENT_USER, u"ControlPanel\\Volume"},
        {HKEY_CURRENT_USER, u"Software\\Microsoft\\Inbox"},
    };
    for (const auto& k : keys) {
        HKEY opened = nullptr;
        EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExW(k.root, k.key, 0, 0, &opened)) << emulator::toUtf8(k.key);
        if (opened)
            RegCloseKey(opened);
    }
    EXPECT_EQ(u"<no value>", readString(HKEY_LOCAL_MACHINE, u"Loader", u"SystemPath"));
    EXPECT_EQ(u"<no key>", readString(HKEY_CLASSES_ROOT, u".exe", u""));
}

TEST(ImageBuilder, EveryBuiltinProfileMakesABootableFreshDevice)
{
    for (const auto& name : emulator::builtinProfileNames()) {
        SCOPED_TRACE(name);
        TempFolder folder;
        const auto profile = emulator::builtinProfile(name);
        ASSERT_TRUE(profile);
        std::string error;
        ASSERT_TRUE(emulator::createDeviceImage(folder.path() / "image", *profile, error)) << error;
        EXPECT_FALSE(emulator::deviceBooted());  // the builder shuts its device down

        BootedImage device(folder.path() / "image");
        ASSERT_TRUE(device.booted);
        EXPECT_EQ(name, emulator::deviceProfile().name);
        expectFreshDevice(*profile);
    }
}

TEST(ImageBuilder, RomFilesHoldBytesAndCannotBeChanged)
{
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(emulator::createDeviceImage(folder.path() / "image", testing_support::smallProfile(), error)) << error;
    BootedImage device(folder.path() / "image");
    ASSERT_TRUE(device.booted);

    HANDLE file = CreateFileW(u"\\Windows\\coredll.dll", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    char bytes[2] = {};
    DWORD read = 0;
    EXPECT_TRUE(ReadFile(file, bytes, 2, &read, nullptr));
    EXPECT_EQ(std::string("MZ"), std::string(bytes, read));
    CloseHandle(file);

    SetLastError(0);
    EXPECT_FALSE(DeleteFileW(u"\\Windows\\nk.exe"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
    EXPECT_EQ(romModule, GetFileAttributesW(u"\\Windows\\nk.exe"));
}

TEST(ImageBuilder, CustomCardNamesBecomeCardFolders)
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.cards.front().name = u"SD Card";
    emulator::StorageCardProfile second;
    second.name = u"CF Card";
    second.sizeBytes = 16ull << 20;
    profile.cards.push_back(second);
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(emulator::createDeviceImage(folder.path() / "image", profile, error)) << error;
    BootedImage device(folder.path() / "image");
    ASSERT_TRUE(device.booted);
    expectFreshDevice(profile);
    EXPECT_EQ(u"SD Card", readString(HKEY_LOCAL_MACHINE, u"System\\StorageManager\\Profiles\\SDMemory", u"Folder"));
}

TEST(ImageBuilder, RefusesTargetsThatHoldData)
{
    TempFolder folder;
    const auto profile = testing_support::smallProfile();
    std::string error;

    const auto occupied = folder.path() / "occupied";
    std::filesystem::create_directories(occupied);
    std::ofstream(occupied / "keep.txt") << "mine";
    EXPECT_FALSE(emulator::createDeviceImage(occupied, profile, error));
    EXPECT_NE(std::string::npos, error.find("not empty")) << error;
    EXPECT_FALSE(std::filesystem::exists(occupied / "device.ini"));
    EXPECT_TRUE(std::filesystem::exists(occupied / "keep.txt"));

    const auto plainFile = folder.path() / "file";
    std::ofstream(plainFile) << "x";
    error.clear();
    EXPECT_FALSE(emulator::createDeviceImage(plainFile, profile, error));
    EXPECT_NE(std::string::npos, error.find("not a folder")) << error;

    const auto existingImage = folder.path() / "image";
    ASSERT_TRUE(emulator::createDeviceImage(existingImage, profile, error)) << error;
    error.clear();
    EXPECT_FALSE(emulator::createDeviceImage(existingImage, profile, error));
    EXPECT_FALSE(error.empty());
}

TEST(ImageBuilder, EmptyFolderIsAcceptedAndBadCardNamesAreNot)
{
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(emulator::createDeviceImage(folder.path(), testing_support::smallProfile(), error)) << error;
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "device.ini"));

    for (const char16_t* bad : {u"..", u"a\\b", u"a/b", u""}) {
        TempFolder target;
        emulator::Profile profile = testing_support::smallProfile();
        profile.cards.front().name = bad;
        error.clear();
        EXPECT_FALSE(emulator::createDeviceImage(target.path(), profile, error)) << emulator::toUtf8(bad);
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(std::filesystem::is_empty(target.path())) << "a failed build leaves nothing behind";
    }
}

TEST(ImageBuilder, RefusedWhileADeviceRuns)
{
    testing_support::TestDevice running;
    TempFolder folder;
    std::string error;
    EXPECT_FALSE(emulator::createDeviceImage(folder.path() / "image", testing_support::smallProfile(), error));
    EXPECT_NE(std::string::npos, error.find("running")) << error;
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "image"));
    EXPECT_EQ(running.image(), emulator::deviceImagePath());
}

}  // namespace
