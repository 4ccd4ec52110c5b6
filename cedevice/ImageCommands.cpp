// cedevice new and info: making an image from a built-in profile and describing one.
#include <cstdio>
#include <sstream>

#include "CommandSupport.h"
#include "Commands.h"
#include "emulator/Device.h"

namespace cedevice {
namespace {

constexpr const char* defaultProfile = "ppc2003";

std::string profileList()
{
    std::string list;
    for (const auto& name : emulator::builtinProfileNames())
        list += (list.empty() ? "" : ", ") + name;
    return list;
}

std::string bytesText(ULONGLONG bytes)
{
    char text[64];
    snprintf(text, sizeof text, "%llu bytes (%.1f MB)", static_cast<unsigned long long>(bytes),
             static_cast<double>(bytes) / (1024.0 * 1024.0));
    return text;
}

void field(std::ostream& out, std::string_view label, const std::string& value, int indent = 0)
{
    const std::string head = std::string(indent, ' ') + std::string(label) + ":";
    out << head << std::string(head.size() < 16 ? 16 - head.size() : 1, ' ') << value << '\n';
}

std::string geometryText(const emulator::FatGeometry& g)
{
    std::ostringstream text;
    text << g.bytesPerSector << " bytes/sector, " << g.sectorsPerCluster << " sectors/cluster, " << g.reservedSectors
         << " reserved, " << g.fatCount << " FATs, " << g.rootEntries << " root entries, FAT" << g.fatBits;
    return text.str();
}

void describeCard(std::ostream& out, const emulator::StorageCardProfile& card)
{
    const std::u16string root = u"\\" + card.name;
    char serial[16];
    snprintf(serial, sizeof serial, "0x%08X", card.serial);
    field(out, "Storage card", hostText(card.name));
    field(out, "Inserted", card.inserted ? "yes" : "no", 2);
    field(out, "Size", bytesText(card.sizeBytes), 2);
    if (card.inserted) {  // a removed card has no free space to tell
        ULARGE_INTEGER available{}, total{}, free{};
        if (!GetDiskFreeSpaceExW(root.c_str(), &available, &total, &free))
            failCall(hostText(root), GetLastError());
        field(out, "Free", bytesText(free.QuadPart), 2);
    }
    field(out, "Serial", serial, 2);
    field(out, "Manufacturer", card.manufacturer, 2);
    field(out, "Geometry", geometryText(card.geometry), 2);
}

}  // namespace

void runNew(const CommandLine& line, std::ostream& out)
{
    const std::string& image = line.positional[0];
    const std::string* requested = line.option("--profile");
    const std::string name = requested ? *requested : defaultProfile;
    const auto profile = emulator::builtinProfile(name);
    if (!profile)
        throw CommandError("unknown profile \"" + name + "\" (profiles: " + profileList() + ")");
    std::string error;
    if (!emulator::createDeviceImage(image, *profile, error))
        throw CommandError(error);
    out << "Created device image " << image << " (profile " << name << ")\n";
}

void runInfo(const CommandLine& line, std::ostream& out)
{
    DeviceSession session(line.positional[0]);
    const emulator::Profile& profile = emulator::deviceProfile();
    STORE_INFORMATION store{};
    if (!GetStoreInformation(&store))
        failCall("object store", GetLastError());

    // Built whole before printing, so that a failing call prints nothing but its error.
    std::ostringstream text;
    field(text, "Image", line.positional[0]);
    field(text, "Profile", profile.name);
    field(text, "OS version",
          std::to_string(profile.osMajor) + "." + std::to_string(profile.osMinor) + " build " + std::to_string(profile.osBuild));
    field(text, "Screen",
          std::to_string(profile.screenWidth) + " x " + std::to_string(profile.screenHeight) + ", "
              + std::to_string(profile.screenDpi) + " dpi");
    field(text, "RAM", bytesText(profile.ramBytes));
    field(text, "Page size", std::to_string(profile.pageSize) + " bytes");
    field(text, "Object store", bytesText(store.dwStoreSize) + ", " + bytesText(store.dwFreeSize) + " free");
    field(text, "Time zone",
          hostText(profile.timeZoneName) + ", bias " + std::to_string(profile.timeZoneBias)
              + " minutes (UTC = local time + bias)");
    for (const auto& card : profile.cards)
        describeCard(text, card);
    out << text.str();
}

}  // namespace cedevice
