// Case-insensitive registry names and sub-key path walking.
#include "RegistryNames.h"

#include <cstdint>

#include "text/CaseTable.h"
#include "winerror.h"

namespace ce {

size_t RegistryNameHash::operator()(std::u16string_view name) const
{
    // FNV-1a over the upper-cased characters.
    uint64_t hash = 0xcbf29ce484222325ull;
    for (char16_t c : name) {
        hash ^= toUpperDevice(c);
        hash *= 0x100000001b3ull;
    }
    return static_cast<size_t>(hash);
}

bool RegistryNameEqual::operator()(std::u16string_view a, std::u16string_view b) const
{
    return sameNameDevice(a, b);
}

LONG checkKeyPath(std::u16string_view path)
{
    if (!path.empty() && path.front() == u'\\')
        return ERROR_INVALID_PARAMETER;
    std::u16string_view component;
    while (nextKeyPathComponent(path, component))
        if (component.size() > kMaxRegistryNameLength)
            return ERROR_INVALID_PARAMETER;
    return ERROR_SUCCESS;
}

bool nextKeyPathComponent(std::u16string_view& rest, std::u16string_view& component)
{
    size_t start = rest.find_first_not_of(u'\\');
    if (start == std::u16string_view::npos) {
        rest = {};
        return false;
    }
    size_t end = rest.find(u'\\', start);
    if (end == std::u16string_view::npos)
        end = rest.size();
    component = rest.substr(start, end - start);
    rest.remove_prefix(end);
    return true;
}

}  // namespace ce
