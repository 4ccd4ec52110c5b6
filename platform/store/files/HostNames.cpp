// Device upper-casing of names.
#include "HostNames.h"

#include "text/CaseTable.h"

namespace ce {

void appendUpper(std::u16string& out, std::u16string_view name)
{
    out.reserve(out.size() + name.size());
    for (char16_t c : name)
        out.push_back(toUpperDevice(c));
}

std::u16string upperName(std::u16string_view name)
{
    std::u16string upper;
    appendUpper(upper, name);
    return upper;
}

}  // namespace ce
