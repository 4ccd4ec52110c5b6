// The system colours: a Pocket PC theme of white windows, black text and blue selection and
// title bars, changed by SetSysColors until the next boot. Each colour has one stock brush that
// follows it. The colours themselves are atomics so that drawing code may read them under GDI's
// lock; the brushes are GDI objects, guarded by that lock.
#include <array>
#include <atomic>
#include <optional>
#include <vector>

#include "gdi/objects/GdiObjects.h"
#include "gwes/GwesState.h"
#include "kernel/DeviceParts.h"

namespace {

constexpr int colorCount = COLOR_GRADIENTINACTIVECAPTION + 1;

constexpr COLORREF titleBlue = RGB(0x00, 0x4E, 0xA8);
constexpr COLORREF selectionBlue = RGB(0x31, 0x6A, 0xC5);
constexpr COLORREF white = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF black = RGB(0x00, 0x00, 0x00);
constexpr COLORREF face = RGB(0xD6, 0xD3, 0xCE);
constexpr COLORREF shadow = RGB(0x80, 0x80, 0x80);

constexpr std::array<COLORREF, colorCount> defaults {
    face, // COLOR_SCROLLBAR
    white, // COLOR_BACKGROUND
    titleBlue, // COLOR_ACTIVECAPTION
    RGB(0x7A, 0x96, 0xDF), // COLOR_INACTIVECAPTION
    white, // COLOR_MENU
    white, // COLOR_WINDOW
    black, // COLOR_WINDOWFRAME
    black, // COLOR_MENUTEXT
    black, // COLOR_WINDOWTEXT
    white, // COLOR_CAPTIONTEXT
    face, // COLOR_ACTIVEBORDER
    face, // COLOR_INACTIVEBORDER
    shadow, // COLOR_APPWORKSPACE
    selectionBlue, // COLOR_HIGHLIGHT
    white, // COLOR_HIGHLIGHTTEXT
    face, // COLOR_BTNFACE
    shadow, // COLOR_BTNSHADOW
    shadow, // COLOR_GRAYTEXT
    black, // COLOR_BTNTEXT
    RGB(0xD8, 0xE4, 0xF8), // COLOR_INACTIVECAPTIONTEXT
    white, // COLOR_BTNHIGHLIGHT
    RGB(0x40, 0x40, 0x40), // COLOR_3DDKSHADOW
    RGB(0xEC, 0xEA, 0xE6), // COLOR_3DLIGHT
    black, // COLOR_INFOTEXT
    RGB(0xFF, 0xFF, 0xE1), // COLOR_INFOBK
    white, // COLOR_STATIC
    black, // COLOR_STATICTEXT
    RGB(0x5A, 0x8F, 0xE0), // COLOR_GRADIENTACTIVECAPTION
    RGB(0xB9, 0xCB, 0xF0), // COLOR_GRADIENTINACTIVECAPTION
};

struct Colors {
    Colors()
    {
        for (int i = 0; i < colorCount; ++i)
            values[i] = defaults[i];
    }
    std::array<std::atomic<COLORREF>, colorCount> values;
};

std::array<std::atomic<COLORREF>, colorCount>& colors()
{
    static Colors table;
    return table.values;
}

// Guarded by gdiLock(); a brush is made on first use and never goes.
std::array<HBRUSH, colorCount>& brushes()
{
    static std::array<HBRUSH, colorCount> table {};
    return table;
}

// The table index of a colour number, with or without SYS_COLOR_INDEX_FLAG.
std::optional<int> indexOf(int number)
{
    const int index = number & ~SYS_COLOR_INDEX_FLAG;
    if (index < 0 || index >= colorCount)
        return std::nullopt;
    return index;
}

// A solid brush that DeleteObject keeps, as the stock ones.
HBRUSH makeStockBrush(COLORREF color)
{
    auto brush = std::make_shared<ce::gdi::BrushObject>();
    brush->type = OBJ_BRUSH;
    brush->stock = true;
    brush->color = color;
    return static_cast<HBRUSH>(ce::gdi::addObject(std::move(brush)));
}

// Gives colour `index` a new value and its brush (if made) the same. Called with gdiLock() held.
void setColorLocked(int index, COLORREF color)
{
    colors()[index] = color & 0x00FFFFFF;
    if (auto brush = ce::gdi::objectOf<ce::gdi::BrushObject>(brushes()[index], OBJ_BRUSH))
        brush->color = color & 0x00FFFFFF;
}

bool startColors(ce::Device&, std::string&)
{
    std::lock_guard guard(ce::gdi::gdiLock());
    for (int i = 0; i < colorCount; ++i)
        setColorLocked(i, defaults[i]);
    return true;
}

// The colours stay as they are until the next boot sets them back.
void stopColors()
{
}

const ce::DevicePartRegistration registration {{"system colours", 22, startColors, stopColors}};

} // namespace

DWORD GetSysColor(int nIndex)
{
    const auto index = indexOf(nIndex);
    return index ? colors()[*index].load() : 0;
}

HBRUSH GetSysColorBrush(int nIndex)
{
    const auto index = indexOf(nIndex);
    if (!index) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::lock_guard guard(ce::gdi::gdiLock());
    HBRUSH& brush = brushes()[*index];
    if (!brush)
        brush = makeStockBrush(colors()[*index]);
    return brush;
}

BOOL SetSysColors(int cElements, const INT* lpaElements, const COLORREF* lpaRgbValues)
{
    if (cElements < 0 || (cElements > 0 && (!lpaElements || !lpaRgbValues))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    for (int i = 0; i < cElements; ++i) {
        if (!indexOf(lpaElements[i])) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
    }
    {
        std::lock_guard guard(ce::gdi::gdiLock());
        for (int i = 0; i < cElements; ++i)
            setColorLocked(*indexOf(lpaElements[i]), lpaRgbValues[i]);
    }
    std::vector<HWND> topLevel;
    {
        std::lock_guard guard(ce::gwes::gwesLock());
        topLevel = ce::gwes::state().topLevel;
    }
    // Notified, not sent: a program that no longer reads its queue must not hold up the caller.
    for (HWND window : topLevel)
        SendNotifyMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}
