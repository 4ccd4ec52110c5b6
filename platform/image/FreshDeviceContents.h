// What a fresh device holds before anything is installed: its folders, ROM files and
// registry, as plain tables that createDeviceImage writes through the device calls.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "emulator/Profile.h"
#include "winreg.h"

namespace ce {

struct FreshFile {
    std::u16string path;
    DWORD attributes;
    std::string_view contents;  // placeholder bytes: the emulator runs no ROM code
};

struct FreshKey {
    HKEY root;
    std::u16string key;
};

struct FreshValue {
    HKEY root;
    std::u16string key;
    std::u16string name;  // empty: the key's default value
    DWORD type;
    std::vector<BYTE> data;
};

// Folders in creation order, parents first. Storage card roots come from the profile.
std::vector<std::u16string> freshFolders();
std::vector<FreshFile> freshFiles();
// Keys that exist on a fresh device without values of their own.
std::vector<FreshKey> freshKeys();
std::vector<FreshValue> freshValues(const emulator::Profile& profile);

}  // namespace ce
