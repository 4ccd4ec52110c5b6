// The handle tables of GDI objects and device contexts, and the stock objects. Handles are
// numbers of their own ranges, never reused while the platform runs.
#include "GdiObjects.h"

#include <map>

namespace ce::gdi {
namespace {

struct Tables {
    std::map<HGDIOBJ, std::shared_ptr<GdiObject>> objects;
    std::map<HDC, std::shared_ptr<DeviceContext>> deviceContexts;
    std::map<int, HGDIOBJ> stock;
    uintptr_t nextObject = 0x20000000;
    uintptr_t nextDc = 0x30000000;
};

Tables& tables()
{
    static Tables t;
    return t;
}

std::shared_ptr<GdiObject> makeStock(int index)
{
    if (index == defaultBitmapStock) {
        auto bitmap = std::make_shared<BitmapObject>();
        bitmap->type = OBJ_BITMAP;
        makeSurface(1, 1, 32, false, bitmap->surface);
        return bitmap;
    }
    if (index == SYSTEM_FONT) {
        auto font = std::make_shared<FontObject>();
        font->type = OBJ_FONT;
        font->logFont = systemFont();
        return font;
    }
    if (index >= WHITE_PEN && index <= NULL_PEN) {
        auto pen = std::make_shared<PenObject>();
        pen->type = OBJ_PEN;
        pen->color = index == WHITE_PEN ? RGB(255, 255, 255) : RGB(0, 0, 0);
        pen->hollow = index == NULL_PEN;
        return pen;
    }
    if (index < WHITE_BRUSH || index > NULL_BRUSH)
        return nullptr;
    static constexpr COLORREF greys[] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128),
        RGB(64, 64, 64), RGB(0, 0, 0), RGB(0, 0, 0)};
    auto brush = std::make_shared<BrushObject>();
    brush->type = OBJ_BRUSH;
    brush->color = greys[index];
    brush->hollow = index == NULL_BRUSH;
    return brush;
}

} // namespace

std::mutex& gdiLock()
{
    static std::mutex lock;
    return lock;
}

HGDIOBJ addObject(std::shared_ptr<GdiObject> object)
{
    auto handle = reinterpret_cast<HGDIOBJ>(tables().nextObject += 4);
    tables().objects[handle] = std::move(object);
    return handle;
}

std::shared_ptr<GdiObject> findObject(HGDIOBJ handle)
{
    const auto found = tables().objects.find(handle);
    return found == tables().objects.end() ? nullptr : found->second;
}

void removeObject(HGDIOBJ handle)
{
    tables().objects.erase(handle);
}

std::shared_ptr<DeviceContext> makeDeviceContext()
{
    auto dc = std::make_shared<DeviceContext>();
    dc->bitmap = stockObject(defaultBitmapStock);
    dc->brush = stockObject(WHITE_BRUSH);
    dc->pen = stockObject(BLACK_PEN);
    dc->font = stockObject(SYSTEM_FONT);
    return dc;
}

void releaseSelections(HDC hdc, const DeviceContext& dc)
{
    for (HGDIOBJ selected : {dc.bitmap, dc.brush, dc.pen, dc.font}) {
        if (auto object = findObject(selected); object && object->selectedInto == hdc)
            object->selectedInto = nullptr;
    }
}

HDC addDeviceContext(std::shared_ptr<DeviceContext> dc)
{
    auto handle = reinterpret_cast<HDC>(tables().nextDc += 4);
    tables().deviceContexts[handle] = std::move(dc);
    return handle;
}

void removeDeviceContext(HDC hdc)
{
    tables().deviceContexts.erase(hdc);
}

std::shared_ptr<DeviceContext> deviceContextOrFail(HDC hdc)
{
    const auto found = tables().deviceContexts.find(hdc);
    if (found != tables().deviceContexts.end())
        return found->second;
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}

HGDIOBJ stockObject(int index)
{
    if (const auto found = tables().stock.find(index); found != tables().stock.end())
        return found->second;
    auto object = makeStock(index);
    if (!object)
        return nullptr;
    object->stock = true;
    HGDIOBJ handle = addObject(std::move(object));
    tables().stock[index] = handle;
    return handle;
}

Surface& surfaceOf(const DeviceContext& dc)
{
    if (dc.windowSurface)
        return *dc.windowSurface;
    // A memory device context always holds a bitmap: its own selection or the stock 1x1 one.
    return objectOf<BitmapObject>(dc.bitmap, OBJ_BITMAP)->surface;
}

std::optional<Region> effectiveClip(const DeviceContext& dc)
{
    if (!dc.clip)
        return dc.systemClip;
    Region own = *dc.clip;
    own.offset(dc.origin.x, dc.origin.y);
    if (!dc.systemClip)
        return own;
    return combineRegions(own, *dc.systemClip, RGN_AND);
}

} // namespace ce::gdi
