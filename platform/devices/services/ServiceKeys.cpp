// Reading service keys straight from the device's registry: services start while the device
// boots, before platform calls answer.
#include "ServiceKeys.h"

#include <algorithm>

#include "kernel/Device.h"
#include "store/files/FileSystem.h"
#include "store/registry/Registry.h"
#include "winreg.h"

namespace ce {
namespace {

constexpr std::u16string_view servicesKey = u"Services";

std::u16string textValue(const RegistryKey& key, std::u16string_view name)
{
    const RegistryValue* value = key.values.find(name);
    if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ))
        return {};
    std::u16string text;
    for (size_t i = 0; i + 1 < value->data.size(); i += 2) {
        const char16_t c = static_cast<char16_t>(value->data[i] | value->data[i + 1] << 8);
        if (c == u'\0')
            break;
        text += c;
    }
    return text;
}

DWORD dwordValue(const RegistryKey& key, std::u16string_view name)
{
    const RegistryValue* value = key.values.find(name);
    if (!value || value->type != REG_DWORD || value->data.size() != 4)
        return 0;
    const auto& d = value->data;
    return d[0] | d[1] << 8 | d[2] << 16 | static_cast<DWORD>(d[3]) << 24;
}

ServiceKey serviceOf(const RegistryKey& key)
{
    return {key.name,
            textValue(key, u"Dll"),
            textValue(key, u"Prefix"),
            dwordValue(key, u"Index"),
            dwordValue(key, u"Flags"),
            dwordValue(key, u"Order")};
}

// Calls read(const RegistryKey&) on HKEY_LOCAL_MACHINE\`path`; the registry's error otherwise.
template <typename Read>
LONG readKeyAt(Device& device, const std::u16string& path, Read&& read)
{
    Registry& registry = device.registry();
    HKEY opened = nullptr;
    if (LONG error = registry.openKey(HKEY_LOCAL_MACHINE, path, opened))
        return error;
    const LONG result = registry.readKey(opened, [&](const RegistryKey& key) {
        read(key);
        return ERROR_SUCCESS;
    });
    registry.closeKey(opened);
    return result;
}

}  // namespace

DWORD readServiceKey(Device& device, std::u16string_view name, ServiceKey& key)
{
    const std::u16string path = std::u16string(servicesKey) + u"\\" + std::u16string(name);
    const LONG result = readKeyAt(device, path, [&](const RegistryKey& node) { key = serviceOf(node); });
    return result != ERROR_SUCCESS || key.dll.empty() ? ERROR_SERVICE_DOES_NOT_EXIST : ERROR_SUCCESS;
}

std::vector<ServiceKey> readServiceKeys(Device& device)
{
    std::vector<ServiceKey> services;
    readKeyAt(device, std::u16string(servicesKey), [&](const RegistryKey& node) {
        for (const auto& sub : node.subKeys) {
            ServiceKey service = serviceOf(*sub);
            if (!service.dll.empty())
                services.push_back(std::move(service));
        }
    });
    std::stable_sort(services.begin(), services.end(),
                     [](const ServiceKey& a, const ServiceKey& b) { return a.order < b.order; });
    return services;
}

std::u16string serviceDllPath(std::u16string_view dll)
{
    if (dll.find(u'\\') == std::u16string_view::npos)
        return u"\\Windows\\" + std::u16string(dll);
    return dll.front() == u'\\' ? std::u16string(dll) : u"\\" + std::u16string(dll);
}

bool serviceDllExists(Device& device, std::u16string_view dll)
{
    std::filesystem::path host;
    return device.fileSystem().hostPathOf(serviceDllPath(dll).c_str(), host) == ERROR_SUCCESS
        && std::filesystem::is_regular_file(host);
}

}  // namespace ce
