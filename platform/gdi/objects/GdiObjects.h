// GDI's objects and device contexts by handle, guarded by one lock: every GDI call holds it
// for its whole work, so objects cannot change or go while they are drawn with.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "Region.h"
#include "Surface.h"

namespace ce::gdi {

CEAPI std::mutex& gdiLock();

struct GdiObject {
    DWORD type = 0; // OBJ_BITMAP, OBJ_BRUSH, OBJ_PEN, OBJ_FONT, OBJ_REGION
    bool stock = false;
    HDC selectedInto = nullptr; // the last device context it was selected into, while it is
    virtual ~GdiObject() = default;
};

struct BitmapObject : GdiObject {
    Surface surface;
    bool dibSection = false;
};

struct BrushObject : GdiObject {
    COLORREF color = 0;
    bool hollow = false; // NULL_BRUSH paints nothing
};

struct PenObject : GdiObject {
    COLORREF color = 0;
    int width = 1;
    bool hollow = false; // PS_NULL, NULL_PEN: draws nothing
};

struct FontObject : GdiObject {
    LOGFONTW logFont {};
};

struct RegionObject : GdiObject {
    Region region;
};

// What SaveDC keeps and RestoreDC puts back.
struct DeviceContextState {
    HGDIOBJ bitmap = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ pen = nullptr;
    HGDIOBJ font = nullptr;
    POINT position {}; // where the next LineTo starts
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF textColor = RGB(0, 0, 0);
    int bkMode = OPAQUE;
    // The program's clip (SelectClipRgn), relative to the origin; none: no clip of its own.
    std::optional<Region> clip;
};

struct DeviceContext : DeviceContextState {
    // A window's device context draws into the surface the window system keeps for it, not a
    // selected bitmap; `origin` is where logical (0, 0) lies on it, `systemClip` (surface
    // pixels) what the window may touch.
    std::shared_ptr<Surface> windowSurface;
    HWND window = nullptr;
    POINT origin {};
    std::optional<Region> systemClip;
    std::vector<DeviceContextState> saved;
};

// The rest is called with gdiLock() held.

HGDIOBJ addObject(std::shared_ptr<GdiObject> object);
std::shared_ptr<GdiObject> findObject(HGDIOBJ handle);
void removeObject(HGDIOBJ handle);
// A device context with the defaults every new one has: the stock 1x1 bitmap, the white
// brush, the black pen and the system font.
std::shared_ptr<DeviceContext> makeDeviceContext();
HDC addDeviceContext(std::shared_ptr<DeviceContext> dc);
// Marks the objects selected into a device context that goes as free to select elsewhere.
void releaseSelections(HDC hdc, const DeviceContext& dc);
void removeDeviceContext(HDC hdc);
// The device context of a handle, or null with ERROR_INVALID_HANDLE.
CEAPI std::shared_ptr<DeviceContext> deviceContextOrFail(HDC hdc);

// The object of a handle if it has that type, else null.
template <typename T> std::shared_ptr<T> objectOf(HGDIOBJ handle, DWORD type)
{
    auto object = findObject(handle);
    return object && object->type == type ? std::static_pointer_cast<T>(object) : nullptr;
}

// A stock object (GetStockObject's numbers, or defaultBitmapStock), made on first use.
HGDIOBJ stockObject(int index);
inline constexpr int defaultBitmapStock = 1000; // the 1x1 bitmap memory DCs start with

// SYSTEM_FONT's description: the device's Tahoma at its dialog size.
LOGFONTW systemFont();

// The surface a device context draws into.
CEAPI Surface& surfaceOf(const DeviceContext& dc);

// Where a device context may draw, in surface pixels: the system clip and the program's clip
// together; none: the whole surface.
std::optional<Region> effectiveClip(const DeviceContext& dc);

} // namespace ce::gdi
