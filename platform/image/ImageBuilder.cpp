// Making a new device image: the host folders and device.ini first, then the fresh device's
// contents written through the device's own calls, so that files, attributes and registry
// keys are laid out exactly as any program on the device would leave them.
#include <system_error>

#include "FreshDeviceContents.h"
#include "emulator/Device.h"
#include "emulator/Text.h"
#include "windbase.h"
#include "winbase.h"
#include "winerror.h"
#include "winreg.h"

namespace {

namespace fs = std::filesystem;

std::string callFailed(std::string_view action, std::u16string_view subject, DWORD code)
{
    return std::string(action) + " " + emulator::toUtf8(subject) + " (error " + std::to_string(code) + ")";
}

bool checkTarget(const fs::path& image, std::string& error)
{
    std::error_code ec;
    const auto status = fs::status(image, ec);
    if (status.type() == fs::file_type::not_found)
        return true;
    if (status.type() != fs::file_type::directory) {
        error = image.string() + ": exists and is not a folder";
        return false;
    }
    if (!fs::is_empty(image, ec) || ec) {
        error = image.string() + ": folder exists and is not empty";
        return false;
    }
    return true;
}

bool makeHostLayout(const fs::path& image, const emulator::Profile& profile, std::string& error)
{
    std::error_code ec;
    const fs::path root = emulator::imageRootFolder(image);
    fs::create_directories(root, ec);
    for (const auto& card : profile.cards) {
        if (ec)
            break;
        if (!emulator::isValidCardName(card.name)) {
            error = "bad storage card name \"" + emulator::toUtf8(card.name) + "\"";
            return false;
        }
        fs::create_directories(root / emulator::toUtf8(card.name), ec);
    }
    if (ec) {
        error = image.string() + ": " + ec.message();
        return false;
    }
    return emulator::saveProfile(image / "device.ini", profile, error);
}

bool writeRomFile(const ce::FreshFile& file, std::string& error)
{
    HANDLE handle = CreateFileW(file.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = callFailed("cannot create", file.path, GetLastError());
        return false;
    }
    DWORD written = 0;
    const BOOL wrote = WriteFile(handle, file.contents.data(), static_cast<DWORD>(file.contents.size()), &written, nullptr);
    const DWORD writeError = GetLastError();
    CloseHandle(handle);
    if (!wrote || written != file.contents.size()) {
        error = callFailed("cannot write", file.path, writeError);
        return false;
    }
    if (!emulator::setFileAttributesRaw(file.path.c_str(), file.attributes)) {
        error = callFailed("cannot set the attributes of", file.path, GetLastError());
        return false;
    }
    return true;
}

bool openKey(HKEY root, const std::u16string& key, HKEY& opened, std::string& error)
{
    DWORD disposition = 0;
    const LONG result = RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, 0, nullptr, &opened, &disposition);
    if (result != ERROR_SUCCESS) {
        error = callFailed("cannot create key", key, static_cast<DWORD>(result));
        return false;
    }
    return true;
}

bool writeValue(const ce::FreshValue& value, std::string& error)
{
    HKEY key = nullptr;
    if (!openKey(value.root, value.key, key, error))
        return false;
    const LONG result = RegSetValueExW(key, value.name.c_str(), 0, value.type, value.data.data(),
                                       static_cast<DWORD>(value.data.size()));
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) {
        error = callFailed("cannot set value", value.key + u"\\" + value.name, static_cast<DWORD>(result));
        return false;
    }
    return true;
}

// The system databases a fresh device holds, empty, by volume file. Sort orders key on the
// property the owning program lists them by.
struct FreshDatabase {
    std::u16string_view volume;
    std::u16string_view name;
    DWORD type;
    CEPROPID sortProperty;  // 0: no sort order
};

constexpr FreshDatabase freshDatabases[] = {
    {u"\\pim.vol", u"Contacts Database", 24, MAKEPROPID(0x4013, CEVT_LPWSTR)},
    {u"\\pim.vol", u"Appointments Database", 25, MAKEPROPID(0x4001, CEVT_FILETIME)},
    {u"\\pim.vol", u"Tasks Database", 26, MAKEPROPID(0x4004, CEVT_FILETIME)},
    {u"\\cemail.vol", u"pmailFolders", 0, MAKEPROPID(0x0002, CEVT_LPWSTR)},
    {u"\\cemail.vol", u"pmailMsgClasses", 0, 0},
    {u"\\cemail.vol", u"pmailMsgs", 0, MAKEPROPID(0x0003, CEVT_FILETIME)},
};

bool makeDatabase(CEGUID volume, const FreshDatabase& database, std::string& error)
{
    CEDBASEINFOEX info{};
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.dwFlags = CEDB_VALIDCREATE | CEDB_SYSTEMDB;
    database.name.copy(info.szDbaseName, CEDB_MAXDBASENAMELEN - 1);
    info.dwDbaseType = database.type;
    if (database.sortProperty != 0) {
        info.wNumSortOrder = 1;
        info.rgSortSpecs[0].wVersion = SORTORDERSPECEX_VERSION;
        info.rgSortSpecs[0].wNumProps = 1;
        info.rgSortSpecs[0].rgPropID[0] = database.sortProperty;
        info.rgSortSpecs[0].rgdwFlags[0] = CEDB_SORT_CASEINSENSITIVE | CEDB_SORT_UNKNOWNFIRST;
    }
    if (CeCreateDatabaseEx2(&volume, &info) == 0) {
        error = callFailed("cannot create database", database.name, GetLastError());
        return false;
    }
    return true;
}

// Fills every mounted volume of the profile with the databases it holds on a fresh device.
bool makeDatabases(std::string& error)
{
    CEGUID volume;
    CREATE_INVALIDGUID(&volume);
    WCHAR path[MAX_PATH];
    while (CeEnumDBVolumes(&volume, path, MAX_PATH)) {
        for (const auto& database : freshDatabases)
            if (database.volume == path && !makeDatabase(volume, database, error))
                return false;
        if (!CeFlushDBVol(&volume)) {
            error = callFailed("cannot flush", path, GetLastError());
            return false;
        }
    }
    return true;
}

bool populate(const emulator::Profile& profile, std::string& error)
{
    for (const auto& folder : ce::freshFolders()) {
        if (!CreateDirectoryW(folder.c_str(), nullptr)) {
            error = callFailed("cannot create folder", folder, GetLastError());
            return false;
        }
    }
    for (const auto& file : ce::freshFiles())
        if (!writeRomFile(file, error))
            return false;
    for (const auto& key : ce::freshKeys()) {
        HKEY opened = nullptr;
        if (!openKey(key.root, key.key, opened, error))
            return false;
        RegCloseKey(opened);
    }
    for (const auto& value : ce::freshValues(profile))
        if (!writeValue(value, error))
            return false;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT, HKEY_USERS}) {
        if (const LONG result = RegFlushKey(root); result != ERROR_SUCCESS) {
            error = callFailed("cannot flush", u"the registry", static_cast<DWORD>(result));
            return false;
        }
    }
    return makeDatabases(error);
}

// Leaves the target as it was found: absent, or an empty folder.
void removeWhatWasMade(const fs::path& image, bool folderExisted)
{
    std::error_code ec;
    if (!folderExisted) {
        fs::remove_all(image, ec);
        return;
    }
    for (const auto& entry : fs::directory_iterator(image, ec))
        fs::remove_all(entry.path(), ec);
}

}  // namespace

namespace emulator {

bool createDeviceImage(const std::filesystem::path& image, const Profile& profile, std::string& error)
{
    // The new image is booted to fill it, and this process holds one device at a time.
    if (deviceBooted()) {
        error = "cannot make an image while a device is running in this process";
        return false;
    }
    if (!checkTarget(image, error))
        return false;
    std::error_code ec;
    const bool folderExisted = fs::exists(image, ec);
    BootOptions options;
    options.virtualTime = true;
    bool made = makeHostLayout(image, profile, error) && bootDevice(image, options, error);
    if (made) {
        made = populate(profile, error);
        shutdownDevice();
    }
    if (!made)
        removeWhatWasMade(image, folderExisted);
    return made;
}

}  // namespace emulator
