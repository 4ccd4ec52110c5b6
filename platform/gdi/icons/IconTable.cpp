// The icons by handle, under GDI's lock, and DestroyIcon. Icon handles have a range of their
// own, never reused while the platform runs.
#include "Icons.h"

#include <map>

namespace ce::gdi {
namespace {

struct Icon {
    std::shared_ptr<const PngImage> image;
    bool shared = false;
};

struct IconTable {
    std::map<HICON, Icon> icons;
    uintptr_t next = 0x38000000;
};

IconTable& table()
{
    static IconTable t;
    return t;
}

} // namespace

HICON addIcon(PngImage image, bool shared)
{
    auto handle = reinterpret_cast<HICON>(table().next += 4);
    table().icons[handle] = {std::make_shared<const PngImage>(std::move(image)), shared};
    return handle;
}

std::shared_ptr<const PngImage> iconImage(HICON icon)
{
    const auto found = table().icons.find(icon);
    if (found != table().icons.end())
        return found->second.image;
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}

} // namespace ce::gdi

BOOL DestroyIcon(HICON hIcon)
{
    std::lock_guard guard(ce::gdi::gdiLock());
    auto& icons = ce::gdi::table().icons;
    const auto found = icons.find(hIcon);
    if (found == icons.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!found->second.shared)
        icons.erase(found);
    return TRUE;
}
