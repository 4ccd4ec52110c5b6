// Icons from module resources and the built-in ones. An RT_GROUP_ICON entry holds either PNG
// bytes or a list of WORD ids of RT_ICON entries (PNG bytes each, one per size), of which the
// one nearest the wanted width is taken; a lone RT_ICON entry serves as well. The image is then
// scaled to the size asked for. With no module, only IDI_APPLICATION is known: it is drawn in
// code and shared, one per size.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <span>
#include <string>

#include "Icons.h"
#include "gdi/png/PngDecode.h"

namespace {

using ce::gdi::PngImage;

using Bytes = std::span<const unsigned char>;

constexpr unsigned char pngSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// The bytes of a resource; nothing, with FindResourceW's error, when there is none.
std::optional<Bytes> resourceBytes(HINSTANCE instance, LPCWSTR name, LPCWSTR type)
{
    HRSRC resource = FindResourceW(instance, name, type);
    if (!resource)
        return std::nullopt;
    const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(instance, resource)));
    return bytes ? Bytes(bytes, SizeofResource(instance, resource)) : Bytes();
}

bool isPng(Bytes bytes)
{
    return bytes.size() >= sizeof pngSignature && std::memcmp(bytes.data(), pngSignature, sizeof pngSignature) == 0;
}

std::optional<PngImage> decoded(Bytes bytes)
{
    PngImage image;
    std::string error;
    if (!ce::gdi::decodePng(bytes, image, error))
        return std::nullopt;
    return image;
}

// The RT_ICON images a group names, the one nearest `width` wide (the larger on a tie; 0: the
// first).
std::optional<PngImage> nearestOfGroup(HINSTANCE instance, Bytes group, int width)
{
    std::optional<PngImage> best;
    for (size_t at = 0; at + sizeof(WORD) <= group.size(); at += sizeof(WORD)) {
        WORD id = 0;
        std::memcpy(&id, group.data() + at, sizeof id);
        const auto bytes = resourceBytes(instance, MAKEINTRESOURCEW(id), RT_ICON);
        auto image = bytes ? decoded(*bytes) : std::nullopt;
        if (!image)
            return std::nullopt;
        const auto distance = [&](const PngImage& i) { return std::abs(i.width - width); };
        if (!best
            || (width > 0
                && (distance(*image) < distance(*best)
                    || (distance(*image) == distance(*best) && image->width > best->width))))
            best = std::move(image);
    }
    return best;
}

// The icon image of a module's resource before scaling; nothing with the error set.
std::optional<PngImage> resourceIcon(HINSTANCE instance, LPCWSTR name, int width)
{
    std::optional<PngImage> image;
    if (const auto group = resourceBytes(instance, name, RT_GROUP_ICON))
        image = isPng(*group) ? decoded(*group) : nearestOfGroup(instance, *group, width);
    else if (const auto single = resourceBytes(instance, name, RT_ICON))
        image = decoded(*single);
    else
        return std::nullopt;
    if (!image)
        SetLastError(ERROR_INVALID_DATA);
    return image;
}

// The shared built-in application icon of a size.
HICON builtInIcon(int size)
{
    static std::map<int, HICON> made; // guarded by gdiLock()
    std::lock_guard guard(ce::gdi::gdiLock());
    HICON& icon = made[size];
    if (!icon)
        icon = ce::gdi::addIcon(ce::gdi::applicationIcon(size), true);
    return icon;
}

} // namespace

HANDLE loadIconImage(HINSTANCE instance, LPCWSTR name, int cx, int cy)
{
    if (cx < 0 || cy < 0 || cx > ce::gdi::maxPngSide || cy > ce::gdi::maxPngSide) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!instance) {
        if (name != IDI_APPLICATION) {
            SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
            return nullptr;
        }
        return builtInIcon(cx ? cx : cy ? cy : GetSystemMetrics(SM_CXICON));
    }
    auto image = resourceIcon(instance, name, cx);
    if (!image)
        return nullptr;
    PngImage scaled = ce::gdi::scaleImage(*image, cx ? cx : image->width, cy ? cy : image->height);
    std::lock_guard guard(ce::gdi::gdiLock());
    return ce::gdi::addIcon(std::move(scaled));
}

HICON LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName)
{
    return static_cast<HICON>(
        loadIconImage(hInstance, lpIconName, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)));
}
