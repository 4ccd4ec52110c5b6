// Reading the profile's [service.NAME] sections (see ServiceProfile.h).
#include "ServiceProfile.h"

#include <charconv>

#include "emulator/Text.h"

namespace ce {
namespace {

constexpr std::string_view sectionPrefix = "service.";

bool parseNumber(const std::string& text, DWORD& value)
{
    std::string_view digits = text;
    int base = 10;
    if (digits.starts_with("0x") || digits.starts_with("0X")) {
        digits.remove_prefix(2);
        base = 16;
    }
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    return ec == std::errc() && end == digits.data() + digits.size() && !digits.empty();
}

bool applyKey(ServiceDescription& service, const std::string& key, const std::string& value)
{
    if (key == "Dll") {
        service.dll = emulator::fromUtf8(value);
        return !service.dll.empty() && service.dll.size() < MAX_PATH;
    }
    if (key == "Prefix") {
        service.prefix = emulator::fromUtf8(value);
        return service.prefix.size() <= 8;
    }
    if (key == "Display") {
        service.display = emulator::fromUtf8(value);
        return true;
    }
    if (key == "Index")
        return parseNumber(value, service.index) && service.index <= 9;
    if (key == "Flags")
        return parseNumber(value, service.flags);
    if (key == "Order")
        return parseNumber(value, service.order);
    return false;
}

}  // namespace

bool readServiceSections(const emulator::Profile& profile, std::vector<ServiceDescription>& services,
                         std::string& error)
{
    services.clear();
    for (const auto& section : profile.otherSections) {
        if (!section.name.starts_with(sectionPrefix))
            continue;
        ServiceDescription service;
        service.name = emulator::fromUtf8(section.name.substr(sectionPrefix.size()));
        if (service.name.empty() || service.name.find(u'\\') != std::u16string::npos) {
            error = "[" + section.name + "]: a service needs a plain key name";
            return false;
        }
        for (const auto& [key, value] : section.entries) {
            if (!applyKey(service, key, value)) {
                error = "[" + section.name + "]: bad or unknown value " + key + "=" + value;
                return false;
            }
        }
        if (service.dll.empty()) {
            error = "[" + section.name + "]: Dll is missing";
            return false;
        }
        services.push_back(std::move(service));
    }
    return true;
}

}  // namespace ce
