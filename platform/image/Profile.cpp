// device.ini: reading, writing and the built-in profiles.
//
// The file is a plain INI file: one [Device] section, an optional [Processor] section, one [Card]
// section per storage card in platform order, and any other sections (kept as they are for the
// subsystems that own them).
#include "emulator/Profile.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "emulator/Text.h"

namespace emulator {
namespace {

constexpr ULONGLONG MB = 1ull << 20;

FatGeometry fat(DWORD sectorsPerCluster, DWORD fatBits)
{
    FatGeometry geometry;
    geometry.sectorsPerCluster = sectorsPerCluster;
    geometry.fatBits = fatBits;
    geometry.reservedSectors = fatBits == 32 ? 32 : 1;
    geometry.rootEntries = fatBits == 32 ? 0 : 512;
    return geometry;
}

StorageCardProfile card(ULONGLONG size, DWORD serial, FatGeometry geometry)
{
    StorageCardProfile result;
    result.sizeBytes = size;
    result.serial = serial;
    result.manufacturer = "Generic SD";
    result.geometry = geometry;
    return result;
}

Profile makeProfile(const char* name, DWORD major, DWORD minor, DWORD build, int width, int height, int dpi,
                    ULONGLONG ram, ULONGLONG store, StorageCardProfile storageCard)
{
    Profile profile;
    profile.name = name;
    profile.osMajor = major;
    profile.osMinor = minor;
    profile.osBuild = build;
    profile.screenWidth = width;
    profile.screenHeight = height;
    profile.screenDpi = dpi;
    profile.ramBytes = ram;
    profile.storeBytes = store;
    profile.cards.push_back(std::move(storageCard));
    return profile;
}

// The user programs of the built-in profiles, as [program.NAME] sections (keys: see the
// simulated programs' reader). Pocket Outlook and the calculator run from boot.
std::vector<IniSection> userPrograms()
{
    return {
        {"program.poutlook",
         {{"AtBoot", "1"}, {"Threads", "2"}, {"Modules", "coredll.dll,commctrl.dll,aygshell.dll"},
          {"Heap", "default:196608:24576"}, {"Heap1", "pim:65536:8192"}, {"CodeSize", "163840"},
          {"Window1", "MSPOutlook||0x10000000|0"}, {"Window2", "Calendar|Calendar|0x10000000|0x80000000|MSPOutlook"},
          {"HibernateBytes", "65536"}}},
        {"program.pword",
         {{"Threads", "2"}, {"Modules", "coredll.dll,commctrl.dll,aygshell.dll,note_prj.dll"},
          {"Heap", "default:163840:16384"}, {"CodeSize", "229376"}, {"Window", "PWordApp|Word|0x10000000|0"},
          {"OnClose", "dialog"}, {"HibernateBytes", "32768"}}},
        {"program.iexplore",
         {{"Threads", "3"}, {"ThreadLoad", "1,0,0"}, {"Modules", "coredll.dll,commctrl.dll,aygshell.dll"},
          {"Heap", "default:262144:32768"}, {"Heap1", "cache:131072:65536"}, {"CodeSize", "114688"},
          {"Window", "IExplore|Internet Explorer|0x10000000|0"}, {"HibernateBytes", "131072"}}},
        {"program.wmplayer",
         {{"Threads", "3"}, {"ThreadLoad", "4,1,0"}, {"Modules", "coredll.dll,commctrl.dll,aygshell.dll"},
          {"Heap", "default:327680:16384"}, {"CodeSize", "294912"},
          {"Window", "WMP Skin Window|Windows Media|0x10000000|0"}, {"OnClose", "after:500"},
          {"HibernateBytes", "65536"}}},
        {"program.calc",
         {{"AtBoot", "1"}, {"Heap", "default:32768:4096"}, {"CodeSize", "40960"},
          {"Window", "AdvCalc||0x10000000|0"}}},
        {"program.clock",
         {{"Heap", "default:24576:4096"}, {"CodeSize", "32768"},
          {"Window", "ClockWnd|Clock|0x10000000|0x80000000"}, {"OnClose", "ignore"}}},
    };
}

// The services of the built-in profiles, as [service.NAME] sections (keys: see the services'
// profile reader). The web server starts by itself; the telnet and FTP servers on demand.
std::vector<IniSection> servicesOf()
{
    return {
        {"service.HTTPD",
         {{"Dll", "httpd.dll"}, {"Prefix", "HTP"}, {"Index", "0"}, {"Flags", "0"}, {"Display", "Web Server"},
          {"Order", "8"}}},
        {"service.Telnetd",
         {{"Dll", "telnetd.dll"}, {"Prefix", "TEL"}, {"Index", "0"}, {"Flags", "4"}, {"Display", "Telnet Server"},
          {"Order", "9"}}},
        {"service.FTPD",
         {{"Dll", "ftpd.dll"}, {"Prefix", "FTP"}, {"Index", "0"}, {"Flags", "4"}, {"Display", "FTP Server"},
          {"Order", "9"}}},
    };
}

Profile withPrograms(Profile profile, bool phone)
{
    profile.phone = phone;
    profile.otherSections = userPrograms();
    for (auto& section : servicesOf())
        profile.otherSections.push_back(std::move(section));
    if (profile.osMajor >= 5)
        profile.volumes.push_back(u"\\mxip_system.vol");
    return profile;
}

Profile withHardware(Profile profile, std::u16string oem, std::u16string chip, std::u16string vendor, WORD revision,
                     DWORD clockSpeed)
{
    profile.oemInfo = std::move(oem);
    profile.processor.name = std::move(chip);
    profile.processor.vendor = std::move(vendor);
    profile.processor.revision = revision;
    profile.processor.clockSpeed = clockSpeed;
    return profile;
}

std::vector<Profile> builtins()
{
    return {
        withHardware(withPrograms(makeProfile("ppc2003", 4, 21, 1088, 240, 320, 96, 64 * MB, 32 * MB,
                                              card(512 * MB, 0x3A41C2D0, fat(32, 16))), false),
                     u"Generic Pocket PC 2003", u"PXA255", u"Intel Corporation", 6, 400),
        withHardware(withPrograms(makeProfile("wm5", 5, 1, 1700, 240, 320, 96, 64 * MB, 64 * MB,
                                              card(1024 * MB, 0x5B02E417, fat(64, 16))), false),
                     u"Generic Windows Mobile 5", u"OMAP850", u"Texas Instruments", 2, 200),
        withHardware(withPrograms(makeProfile("wm6-vga", 5, 2, 1235, 480, 640, 192, 128 * MB, 128 * MB,
                                              card(2048 * MB, 0x7C9D0E21, fat(8, 32))), false),
                     u"Generic Windows Mobile 6 VGA", u"PXA270", u"Intel Corporation", 7, 624),
        withHardware(withPrograms(makeProfile("square", 5, 1, 1700, 240, 240, 96, 64 * MB, 64 * MB,
                                              card(512 * MB, 0x1E6F4A93, fat(32, 16))), false),
                     u"Generic Square Pocket PC", u"S3C2440", u"Samsung", 1, 400),
        withHardware(withPrograms(makeProfile("wm6-phone", 5, 2, 1235, 240, 320, 96, 64 * MB, 64 * MB,
                                              card(1024 * MB, 0x2C58B3E6, fat(64, 16))), true),
                     u"Generic Windows Mobile 6 Phone", u"MSM7200", u"Qualcomm", 1, 400),
    };
}

std::string trim(std::string_view text)
{
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    size_t last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

template <typename T>
bool parseNumber(const std::string& text, T& value)
{
    std::string_view digits = text;
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.remove_prefix(2);
        base = 16;
    }
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    return ec == std::errc() && end == digits.data() + digits.size() && !digits.empty();
}

bool parseVersion(const std::string& text, Profile& profile)
{
    std::istringstream in(text);
    std::string part[3];
    for (auto& p : part)
        if (!std::getline(in, p, '.'))
            return false;
    return parseNumber(part[0], profile.osMajor) && parseNumber(part[1], profile.osMinor)
        && parseNumber(part[2], profile.osBuild);
}

// A text value that must fit a fixed device buffer of `capacity` characters with its terminator.
bool setText(std::u16string& field, const std::string& value, size_t capacity)
{
    field = fromUtf8(value);
    return field.size() < capacity;
}

// "\pim.vol,\cemail.vol": device paths of database volume files, each rooted at "\".
bool parseVolumes(const std::string& value, std::vector<std::u16string>& volumes)
{
    volumes.clear();
    std::istringstream in(value);
    std::string item;
    while (std::getline(in, item, ',')) {
        std::u16string path = fromUtf8(trim(item));
        if (path.size() < 2 || path[0] != u'\\' || path.size() >= MAX_PATH)
            return false;
        volumes.push_back(std::move(path));
    }
    return true;
}

std::string joined(const std::vector<std::u16string>& items)
{
    std::string text;
    for (const auto& item : items)
        text += (text.empty() ? "" : ",") + toUtf8(item);
    return text;
}

bool isPowerOfTwo(ULONGLONG value)
{
    return value && !(value & (value - 1));
}

// Applies one key of [Device]; false for an unknown key or a bad value.
bool applyDeviceKey(Profile& profile, const std::string& key, const std::string& value)
{
    if (key == "Profile") {
        profile.name = value;
        return true;
    }
    if (key == "OSVersion")
        return parseVersion(value, profile);
    if (key == "ScreenWidth")
        return parseNumber(value, profile.screenWidth) && profile.screenWidth > 0 && profile.screenWidth <= 4096;
    if (key == "ScreenHeight")
        return parseNumber(value, profile.screenHeight) && profile.screenHeight > 0 && profile.screenHeight <= 4096;
    if (key == "ScreenDpi")
        return parseNumber(value, profile.screenDpi) && profile.screenDpi > 0 && profile.screenDpi <= 1000;
    if (key == "RamSize")
        return parseNumber(value, profile.ramBytes) && profile.ramBytes > 0;
    if (key == "PageSize")
        return parseNumber(value, profile.pageSize) && isPowerOfTwo(profile.pageSize);
    if (key == "StoreSize")
        return parseNumber(value, profile.storeBytes) && profile.storeBytes > 0 && profile.storeBytes <= 0xFFFFFFFFull;
    if (key == "TimeZoneBias")
        return parseNumber(value, profile.timeZoneBias) && profile.timeZoneBias >= -24 * 60
            && profile.timeZoneBias <= 24 * 60;
    if (key == "Phone") {
        profile.phone = value == "1";
        return value == "0" || value == "1";
    }
    if (key == "TimeZoneName") {
        profile.timeZoneName = fromUtf8(value);
        return profile.timeZoneName.size() < 32;
    }
    if (key == "PlatformType")
        return setText(profile.platformType, value, 64);
    if (key == "OEMInfo")
        return setText(profile.oemInfo, value, 128);
    if (key == "Volumes")
        return parseVolumes(value, profile.volumes);
    return false;
}

bool applyProcessorKey(ProcessorProfile& processor, const std::string& key, const std::string& value)
{
    if (key == "Core")
        return setText(processor.core, value, 40);
    if (key == "CoreRevision")
        return parseNumber(value, processor.coreRevision);
    if (key == "Name")
        return setText(processor.name, value, 40);
    if (key == "Revision")
        return parseNumber(value, processor.revision);
    if (key == "CatalogNumber")
        return setText(processor.catalogNumber, value, 100);
    if (key == "Vendor")
        return setText(processor.vendor, value, 100);
    if (key == "InstructionSet")
        return parseNumber(value, processor.instructionSet);
    if (key == "ClockSpeed")
        return parseNumber(value, processor.clockSpeed);
    return false;
}

bool applyCardKey(StorageCardProfile& card, const std::string& key, const std::string& value)
{
    FatGeometry& g = card.geometry;
    if (key == "Name") {
        card.name = fromUtf8(value);
        return isValidCardName(card.name);
    }
    if (key == "Size")
        return parseNumber(value, card.sizeBytes) && card.sizeBytes > 0;
    if (key == "Serial")
        return parseNumber(value, card.serial);
    if (key == "Manufacturer") {
        card.manufacturer = value;
        return true;
    }
    if (key == "BytesPerSector")
        return parseNumber(value, g.bytesPerSector) && isPowerOfTwo(g.bytesPerSector) && g.bytesPerSector >= 512
            && g.bytesPerSector <= 4096;
    if (key == "SectorsPerCluster")
        return parseNumber(value, g.sectorsPerCluster) && isPowerOfTwo(g.sectorsPerCluster)
            && g.sectorsPerCluster <= 128;
    if (key == "ReservedSectors")
        return parseNumber(value, g.reservedSectors);
    if (key == "FatCount")
        return parseNumber(value, g.fatCount) && g.fatCount >= 1 && g.fatCount <= 2;
    if (key == "RootEntries")
        return parseNumber(value, g.rootEntries);
    if (key == "FatBits")
        return parseNumber(value, g.fatBits) && (g.fatBits == 12 || g.fatBits == 16 || g.fatBits == 32);
    if (key == "Inserted") {
        card.inserted = value == "1";
        return value == "0" || value == "1";
    }
    return false;
}

std::string hex(DWORD value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

}  // namespace

bool isValidCardName(const std::u16string& name)
{
    if (name.empty() || name.size() >= MAX_PATH || name == u"." || name == u"..")
        return false;
    for (char16_t c : name)
        if (c < 0x20 || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos)
            return false;
    return true;
}

std::optional<Profile> builtinProfile(const std::string& name)
{
    for (auto& profile : builtins())
        if (profile.name == name)
            return profile;
    return std::nullopt;
}

std::vector<std::string> builtinProfileNames()
{
    std::vector<std::string> names;
    for (auto& profile : builtins())
        names.push_back(profile.name);
    return names;
}

bool loadProfile(const std::filesystem::path& iniFile, Profile& profile, std::string& error)
{
    std::ifstream in(iniFile);
    if (!in) {
        error = iniFile.string() + ": cannot read the device profile";
        return false;
    }
    Profile loaded;
    loaded.cards.clear();
    enum class Section { None, Device, Card, Processor, Other } section = Section::None;
    bool sawDevice = false;
    std::string line;
    int lineNumber = 0;
    auto fail = [&](const std::string& why) {
        error = iniFile.string() + ":" + std::to_string(lineNumber) + ": " + why;
        return false;
    };
    while (std::getline(in, line)) {
        ++lineNumber;
        std::string text = trim(line);
        if (text.empty() || text[0] == ';' || text[0] == '#')
            continue;
        if (text.front() == '[') {
            if (text.back() != ']')
                return fail("bad section line");
            std::string name = trim(std::string_view(text).substr(1, text.size() - 2));
            if (name == "Device") {
                if (sawDevice)
                    return fail("second [Device] section");
                sawDevice = true;
                section = Section::Device;
            } else if (name == "Card") {
                loaded.cards.emplace_back();
                section = Section::Card;
            } else if (name == "Processor") {
                section = Section::Processor;
            } else {
                loaded.otherSections.push_back({name, {}});
                section = Section::Other;
            }
            continue;
        }
        size_t equals = text.find('=');
        if (equals == std::string::npos)
            return fail("expected KEY=VALUE");
        std::string key = trim(std::string_view(text).substr(0, equals));
        std::string value = trim(std::string_view(text).substr(equals + 1));
        bool ok = true;
        switch (section) {
        case Section::None:
            return fail("a value outside any section");
        case Section::Device:
            ok = applyDeviceKey(loaded, key, value);
            break;
        case Section::Card:
            ok = applyCardKey(loaded.cards.back(), key, value);
            break;
        case Section::Processor:
            ok = applyProcessorKey(loaded.processor, key, value);
            break;
        case Section::Other:
            loaded.otherSections.back().entries.emplace_back(key, value);
            break;
        }
        if (!ok)
            return fail("bad or unknown value " + key + "=" + value);
    }
    if (!sawDevice)
        return fail("no [Device] section");
    for (size_t i = 0; i < loaded.cards.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            if (loaded.cards[i].name == loaded.cards[j].name)
                return fail("two cards named " + toUtf8(loaded.cards[i].name));
    profile = std::move(loaded);
    return true;
}

bool saveProfile(const std::filesystem::path& iniFile, const Profile& profile, std::string& error)
{
    std::ostringstream out;
    out << "; Kelvara device profile\n[Device]\n"
        << "Profile=" << profile.name << "\n"
        << "OSVersion=" << profile.osMajor << "." << profile.osMinor << "." << profile.osBuild << "\n"
        << "ScreenWidth=" << profile.screenWidth << "\n"
        << "ScreenHeight=" << profile.screenHeight << "\n"
        << "ScreenDpi=" << profile.screenDpi << "\n"
        << "RamSize=" << profile.ramBytes << "\n"
        << "PageSize=" << profile.pageSize << "\n"
        << "StoreSize=" << profile.storeBytes << "\n"
        << "TimeZoneBias=" << profile.timeZoneBias << "\n"
        << "TimeZoneName=" << toUtf8(profile.timeZoneName) << "\n"
        << "Phone=" << (profile.phone ? 1 : 0) << "\n"
        << "PlatformType=" << toUtf8(profile.platformType) << "\n"
        << "OEMInfo=" << toUtf8(profile.oemInfo) << "\n"
        << "Volumes=" << joined(profile.volumes) << "\n";
    const ProcessorProfile& cpu = profile.processor;
    out << "\n[Processor]\n"
        << "Core=" << toUtf8(cpu.core) << "\n"
        << "CoreRevision=" << cpu.coreRevision << "\n"
        << "Name=" << toUtf8(cpu.name) << "\n"
        << "Revision=" << cpu.revision << "\n"
        << "CatalogNumber=" << toUtf8(cpu.catalogNumber) << "\n"
        << "Vendor=" << toUtf8(cpu.vendor) << "\n"
        << "InstructionSet=" << cpu.instructionSet << "\n"
        << "ClockSpeed=" << cpu.clockSpeed << "\n";
    for (const auto& card : profile.cards) {
        const FatGeometry& g = card.geometry;
        out << "\n[Card]\n"
            << "Name=" << toUtf8(card.name) << "\n"
            << "Size=" << card.sizeBytes << "\n"
            << "Serial=" << hex(card.serial) << "\n"
            << "Manufacturer=" << card.manufacturer << "\n"
            << "BytesPerSector=" << g.bytesPerSector << "\n"
            << "SectorsPerCluster=" << g.sectorsPerCluster << "\n"
            << "ReservedSectors=" << g.reservedSectors << "\n"
            << "FatCount=" << g.fatCount << "\n"
            << "RootEntries=" << g.rootEntries << "\n"
            << "FatBits=" << g.fatBits << "\n"
            << "Inserted=" << (card.inserted ? 1 : 0) << "\n";
    }
    for (const auto& section : profile.otherSections) {
        out << "\n[" << section.name << "]\n";
        for (const auto& [key, value] : section.entries)
            out << key << "=" << value << "\n";
    }
    // Written beside the target and renamed over it, so a failed write never leaves half a profile.
    std::filesystem::path temporary = iniFile;
    temporary += ".new";
    {
        std::ofstream file(temporary, std::ios::trunc);
        file << out.str();
        if (!file.flush()) {
            error = iniFile.string() + ": cannot write the device profile";
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, iniFile, ec);
    if (ec) {
        error = iniFile.string() + ": " + ec.message();
        return false;
    }
    return true;
}

}  // namespace emulator
