// The device profile kept in an image's device.ini: what kind of device it is.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "../ceapi.h"
#include "../windef.h"

namespace emulator {

// FAT layout of a storage card, as the volume control codes report it.
struct FatGeometry {
    DWORD bytesPerSector = 512;
    DWORD sectorsPerCluster = 8;
    DWORD reservedSectors = 1;
    DWORD fatCount = 2;
    DWORD rootEntries = 512;
    DWORD fatBits = 16;  // 12, 16 or 32
};

struct StorageCardProfile {
    std::u16string name = u"Storage Card";  // root folder name under "\"
    ULONGLONG sizeBytes = 0;
    DWORD serial = 0;
    std::string manufacturer;
    FatGeometry geometry;
    bool inserted = true;  // a removed card's folder is kept outside the device until inserted again
};

// What KernelIoControl's processor-information code reports.
struct ProcessorProfile {
    std::u16string core = u"ARM";
    WORD coreRevision = 4;
    std::u16string name = u"PXA255";
    WORD revision = 6;
    std::u16string catalogNumber;
    std::u16string vendor = u"Intel Corporation";
    DWORD instructionSet = 0;
    DWORD clockSpeed = 400;  // MHz
};

// A section of device.ini read by the subsystem that owns it ([program.NAME], [service.NAME],
// [kernel]); kept so that reading and rewriting a profile loses nothing.
struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
};

struct Profile {
    std::string name = "ppc2003";
    DWORD osMajor = 4, osMinor = 21, osBuild = 1088;
    int screenWidth = 240, screenHeight = 320, screenDpi = 96;
    ULONGLONG ramBytes = 64ull << 20;
    DWORD pageSize = 4096;
    ULONGLONG storeBytes = 32ull << 20;
    LONG timeZoneBias = 0;  // minutes; UTC = local time + bias
    std::u16string timeZoneName = u"GMT Standard Time";
    bool phone = false;  // a phone edition: runs the phone processes at boot
    std::u16string platformType = u"PocketPC";     // SystemParametersInfoW(SPI_GETPLATFORMTYPE)
    std::u16string oemInfo = u"Generic Pocket PC";  // SystemParametersInfoW(SPI_GETOEMINFO)
    ProcessorProfile processor;
    // Property-database volumes mounted at boot: device paths of their files.
    std::vector<std::u16string> volumes = {u"\\pim.vol", u"\\cemail.vol"};
    std::vector<StorageCardProfile> cards;
    std::vector<IniSection> otherSections;
};

// Built-in profiles by name: "ppc2003" (the default), "wm5", "wm6-vga", "square", "wm6-phone".
CEAPI std::optional<Profile> builtinProfile(const std::string& name);
CEAPI std::vector<std::string> builtinProfileNames();

// A card's root folder must be one plain name under "\".
CEAPI bool isValidCardName(const std::u16string& name);

CEAPI bool loadProfile(const std::filesystem::path& iniFile, Profile& profile, std::string& error);
CEAPI bool saveProfile(const std::filesystem::path& iniFile, const Profile& profile, std::string& error);

}  // namespace emulator
