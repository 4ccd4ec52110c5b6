// Services as the registry describes them: the keys under HKEY_LOCAL_MACHINE\Services, read
// the way services.exe reads them, and where a service's DLL is.
#pragma once

#include <string>
#include <vector>

#include "windef.h"

namespace ce {

class Device;

struct ServiceKey {
    std::u16string name;    // the key's name under Services
    std::u16string dll;     // value Dll
    std::u16string prefix;  // value Prefix; empty when missing
    DWORD index = 0;        // value Index; 0 when missing
    DWORD flags = 0;        // value Flags; 0 when missing
    DWORD order = 0;        // value Order; 0 when missing
};

// The key Services\NAME: ERROR_SERVICE_DOES_NOT_EXIST when it is missing or has no Dll value.
DWORD readServiceKey(Device& device, std::u16string_view name, ServiceKey& key);
// Every service key with a Dll value, by Order, keys of equal Order in enumeration order.
std::vector<ServiceKey> readServiceKeys(Device& device);

// The device path of a service DLL: a name alone is a file in \Windows.
std::u16string serviceDllPath(std::u16string_view dll);
bool serviceDllExists(Device& device, std::u16string_view dll);

}  // namespace ce
