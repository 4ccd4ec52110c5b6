// The device tool's privileged registry changes.
#include "Registry.h"
#include "emulator/Device.h"
#include "kernel/Device.h"

namespace emulator {

LONG denyRegistryKey(HKEY root, LPCWSTR subKey)
{
    std::u16string_view path = subKey ? std::u16string_view(subKey) : std::u16string_view();
    LONG status = ce::checkKeyPath(path);
    if (status != ERROR_SUCCESS || path.find_first_not_of(u'\\') == std::u16string_view::npos)
        return ERROR_INVALID_PARAMETER;  // a predefined root cannot be denied
    ce::Device* device = ce::deviceOrFail();
    return device ? device->registry().denyKey(root, path) : ERROR_NOT_READY;
}

}  // namespace emulator
