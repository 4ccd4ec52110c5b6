// The manifest of a fresh device. ROM files hold placeholder bytes (no ROM code runs here);
// the registry holds what the shell, the loader and the control panel expect to find.
#include "FreshDeviceContents.h"

#include <string>

#include "devices/services/ServiceProfile.h"

namespace ce {
namespace {

constexpr DWORD romModule = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_INROM | FILE_ATTRIBUTE_ROMMODULE;
constexpr DWORD romData = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_INROM;

constexpr std::u16string_view folders[] = {
    u"\\Windows",
    u"\\Windows\\StartUp",
    u"\\Windows\\Start Menu",
    u"\\Windows\\Start Menu\\Programs",
    u"\\Windows\\Temp",
    u"\\Windows\\Help",
    u"\\Windows\\AppMgr",
    u"\\Windows\\Fonts",
    u"\\My Documents",
    u"\\Program Files",
    u"\\Temp",
    u"\\Application Data",
};

// Executable modules in \Windows: the system processes, the shell's libraries, the programs
// the file associations name, and the DLLs that services, drivers and Today items load.
constexpr std::u16string_view romModules[] = {
    u"nk.exe",        u"coredll.dll",  u"filesys.exe",   u"device.exe",    u"gwes.exe",     u"shell32.exe",
    u"commctrl.dll",  u"aygshell.dll", u"toolhelp.dll",  u"note_prj.dll",  u"wceload.exe",  u"unload.exe",
    u"peghelp.exe",   u"fexplore.exe", u"tmail.exe",     u"iexplore.exe",  u"pword.exe",    u"wmplayer.exe",
    u"pimg.exe",      u"calendar.exe", u"telnetd.dll",   u"httpd.dll",     u"ftpd.dll",     u"serial.dll",
    u"battdrvr.dll",  u"datetoday.dll", u"caltoday.dll", u"tasktoday.dll",
    u"poutlook.exe",  u"calc.exe",     u"clock.exe",     u"repllog.exe",   u"cprog.exe",    u"phone.exe",
};
constexpr std::string_view moduleBytes = "MZ (ROM module placeholder)\r\n";

struct DataFile {
    std::u16string_view path;
    std::string_view contents;
};
constexpr DataFile romDataFiles[] = {
    {u"\\Windows\\tahoma.ttf", "(ROM font placeholder)\r\n"},
    {u"\\Windows\\Help\\pocketpc.htm",
     "<html><head><title>Pocket PC Help</title></head><body><h1>Help</h1></body></html>\r\n"},
};

std::vector<BYTE> textData(std::u16string_view text)
{
    std::vector<BYTE> data((text.size() + 1) * sizeof(WCHAR));
    for (size_t i = 0; i < text.size(); ++i) {
        data[2 * i] = static_cast<BYTE>(text[i]);
        data[2 * i + 1] = static_cast<BYTE>(text[i] >> 8);
    }
    return data;
}

FreshValue sz(HKEY root, std::u16string key, std::u16string name, std::u16string_view text)
{
    return {root, std::move(key), std::move(name), REG_SZ, textData(text)};
}

FreshValue dword(HKEY root, std::u16string key, std::u16string name, DWORD value)
{
    return {root, std::move(key), std::move(name), REG_DWORD,
            {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
             static_cast<BYTE>(value >> 24)}};
}

FreshValue binary(HKEY root, std::u16string key, std::u16string name, std::vector<BYTE> data)
{
    return {root, std::move(key), std::move(name), REG_BINARY, std::move(data)};
}

// A built-in driver: the DLL that device.exe loads, and how.
struct LoadedDll {
    std::u16string_view name, dll, prefix;
    DWORD index, order;
};
constexpr LoadedDll drivers[] = {
    {u"Serial", u"serial.dll", u"COM", 1, 0},
    {u"Battery", u"battdrvr.dll", u"BAT", 1, 0},
};

struct TodayItem {
    std::u16string_view name, dll;
    DWORD order;
};
constexpr TodayItem todayItems[] = {
    {u"Date", u"\\Windows\\datetoday.dll", 0},
    {u"Calendar", u"\\Windows\\caltoday.dll", 1},
    {u"Tasks", u"\\Windows\\tasktoday.dll", 2},
};

struct FileType {
    std::u16string_view extension, className, description, openCommand;
};
// The device registers no class for .exe: the shell runs executables itself.
constexpr FileType fileTypes[] = {
    {u".txt", u"txtfile", u"Text Document", u"pword.exe -opendoc %1"},
    {u".htm", u"htmlfile", u"HTML Document", u"iexplore.exe file:%1"},
    {u".html", u"htmlfile", u"HTML Document", u"iexplore.exe file:%1"},
    {u".cab", u"cabfile", u"CAB File", u"wceload.exe \"%1\""},
    {u".wav", u"wavfile", u"Wave Sound", u"wmplayer.exe \"%1\""},
    {u".jpg", u"jpegfile", u"JPEG Image", u"pimg.exe \"%1\""},
};

std::u16string concat(std::u16string_view a, std::u16string_view b)
{
    std::u16string result(a);
    result += b;
    return result;
}

void addDrivers(std::vector<FreshValue>& values)
{
    for (const auto& driver : drivers) {
        const std::u16string key = concat(u"Drivers\\BuiltIn\\", driver.name);
        values.push_back(sz(HKEY_LOCAL_MACHINE, key, u"Dll", driver.dll));
        values.push_back(sz(HKEY_LOCAL_MACHINE, key, u"Prefix", driver.prefix));
        values.push_back(dword(HKEY_LOCAL_MACHINE, key, u"Index", driver.index));
        values.push_back(dword(HKEY_LOCAL_MACHINE, key, u"Order", driver.order));
    }
}

// The profile's services. Its sections were checked when the new image booted (the services'
// device part refuses a bad one), so a reading error cannot happen here.
void addServices(std::vector<FreshValue>& values, const emulator::Profile& profile)
{
    std::vector<ServiceDescription> services;
    std::string error;
    readServiceSections(profile, services, error);
    for (const auto& service : services) {
        const std::u16string key = u"Services\\" + service.name;
        values.push_back(sz(HKEY_LOCAL_MACHINE, key, u"Dll", service.dll));
        if (!service.prefix.empty())
            values.push_back(sz(HKEY_LOCAL_MACHINE, key, u"Prefix", service.prefix));
        values.push_back(dword(HKEY_LOCAL_MACHINE, key, u"Index", service.index));
        values.push_back(dword(HKEY_LOCAL_MACHINE, key, u"Flags", service.flags));
        values.push_back(dword(HKEY_LOCAL_MACHINE, key, u"Order", service.order));
        values.push_back(dword(HKEY_LOCAL_MACHINE, key, u"Keep", 1));
        if (!service.display.empty())
            values.push_back(sz(HKEY_LOCAL_MACHINE, key, u"Display", service.display));
    }
}

void addSystem(std::vector<FreshValue>& values, const emulator::Profile& profile)
{
    // Boot order; DependNN lists the launch numbers that must be up first, as 16-bit words.
    values.push_back(sz(HKEY_LOCAL_MACHINE, u"init", u"Launch10", u"shell32.exe"));
    values.push_back(sz(HKEY_LOCAL_MACHINE, u"init", u"Launch20", u"device.exe"));
    values.push_back(binary(HKEY_LOCAL_MACHINE, u"init", u"Depend20", {0x0a, 0x00}));
    values.push_back(sz(HKEY_LOCAL_MACHINE, u"init", u"Launch30", u"gwes.exe"));
    values.push_back(binary(HKEY_LOCAL_MACHINE, u"init", u"Depend30", {0x14, 0x00}));

    values.push_back(sz(HKEY_LOCAL_MACHINE, u"Ident", u"Name", u"Pocket_PC"));
    values.push_back(sz(HKEY_LOCAL_MACHINE, u"Ident", u"OrigName", u"Pocket_PC"));
    values.push_back(sz(HKEY_LOCAL_MACHINE, u"Ident", u"Desc", u"Pocket PC"));

    values.push_back(sz(HKEY_LOCAL_MACHINE, u"Platform", u"Name", u"PocketPC"));
    values.push_back(dword(HKEY_LOCAL_MACHINE, u"Platform", u"OSMajorVersion", profile.osMajor));
    values.push_back(dword(HKEY_LOCAL_MACHINE, u"Platform", u"OSMinorVersion", profile.osMinor));
    values.push_back(dword(HKEY_LOCAL_MACHINE, u"Platform", u"OSBuildNumber", profile.osBuild));

    const std::u16string cardFolder = profile.cards.empty() ? u"Storage Card" : profile.cards.front().name;
    const std::u16string storage = u"System\\StorageManager\\Profiles\\SDMemory";
    values.push_back(sz(HKEY_LOCAL_MACHINE, storage, u"Name", u"SD Memory Card"));
    values.push_back(sz(HKEY_LOCAL_MACHINE, storage, u"Folder", cardFolder));
    values.push_back(sz(HKEY_LOCAL_MACHINE, storage, u"FileSystem", u"FATFS"));

    for (const auto& item : todayItems) {
        const std::u16string key = concat(u"Software\\Microsoft\\Today\\Items\\", item.name);
        values.push_back(dword(HKEY_LOCAL_MACHINE, key, u"Type", 0));
        values.push_back(dword(HKEY_LOCAL_MACHINE, key, u"Enabled", 1));
        values.push_back(dword(HKEY_LOCAL_MACHINE, key, u"Order", item.order));
        values.push_back(sz(HKEY_LOCAL_MACHINE, key, u"DLL", item.dll));
    }
}

void addClasses(std::vector<FreshValue>& values)
{
    for (const auto& type : fileTypes) {
        values.push_back(sz(HKEY_CLASSES_ROOT, std::u16string(type.extension), u"", type.className));
        values.push_back(sz(HKEY_CLASSES_ROOT, std::u16string(type.className), u"", type.description));
        values.push_back(sz(HKEY_CLASSES_ROOT, concat(type.className, u"\\Shell\\Open\\Command"), u"",
                            type.openCommand));
    }
}

void addUserSettings(std::vector<FreshValue>& values)
{
    values.push_back(sz(HKEY_CURRENT_USER, u"ControlPanel\\Owner", u"Name", u""));
    values.push_back(sz(HKEY_CURRENT_USER, u"ControlPanel\\Owner", u"Company", u""));
    values.push_back(dword(HKEY_CURRENT_USER, u"ControlPanel\\Backlight", u"BatteryTimeout", 30));
    values.push_back(dword(HKEY_CURRENT_USER, u"ControlPanel\\Backlight", u"ACTimeout", 60));
    values.push_back(dword(HKEY_CURRENT_USER, u"ControlPanel\\Backlight", u"UseBattery", 1));
    values.push_back(dword(HKEY_CURRENT_USER, u"ControlPanel\\Backlight", u"UseExt", 1));
    values.push_back(dword(HKEY_CURRENT_USER, u"ControlPanel\\Volume", u"Volume", 0xFFFFFFFF));
    values.push_back(dword(HKEY_CURRENT_USER, u"ControlPanel\\Volume", u"Key", 2));
    values.push_back(dword(HKEY_CURRENT_USER, u"ControlPanel\\Volume", u"Screen", 2));
}

}  // namespace

std::vector<std::u16string> freshFolders()
{
    return {std::begin(folders), std::end(folders)};
}

std::vector<FreshFile> freshFiles()
{
    std::vector<FreshFile> files;
    for (auto name : romModules)
        files.push_back({concat(u"\\Windows\\", name), romModule, moduleBytes});
    for (const auto& file : romDataFiles)
        files.push_back({std::u16string(file.path), romData, file.contents});
    return files;
}

std::vector<FreshKey> freshKeys()
{
    return {
        {HKEY_LOCAL_MACHINE, u"Software\\Apps"},
        {HKEY_LOCAL_MACHINE, u"Loader"},  // no SystemPath: programs load from \Windows and their own folder
        {HKEY_LOCAL_MACHINE, u"Comm"},
        {HKEY_CURRENT_USER, u"Software\\Microsoft\\Inbox"},
    };
}

std::vector<FreshValue> freshValues(const emulator::Profile& profile)
{
    std::vector<FreshValue> values;
    addSystem(values, profile);
    addServices(values, profile);
    addDrivers(values);
    addClasses(values);
    addUserSettings(values);
    return values;
}

}  // namespace ce
