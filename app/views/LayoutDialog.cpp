// Laying dialogs out by orientation. Tables hold the design screen's low-resolution units: on a
// high-resolution screen they are doubled for the move and halved again afterwards.
#include "LayoutDialog.h"

#include "AppState.h"
#include "LayoutScaling.h"

namespace {

// The screen's scale, worked out once; the program's tables are scaled by it at the same time.
const ScreenScale& screenScale()
{
    static const ScreenScale scale = [] {
        const ScreenScale found = screenScaleOf(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
            isHighResolution());
        for (std::span<LayoutEntry> table : programLayoutTables())
            scaleLayoutTable(table, found);
        return found;
    }();
    return scale;
}

} // namespace

Orientation screenOrientation()
{
    return orientationOf(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

LayoutDialog::LayoutDialog(int templateId, HWND parent) : BaseDialog(templateId, parent)
{
    screenScale();
}

int LayoutDialog::titleRuleHeight()
{
    return ::titleRuleHeight(screenOrientation(), screenScale());
}

std::span<LayoutEntry> LayoutDialog::layoutTable()
{
    return {};
}

RECT LayoutDialog::controlRect(int id, int orientation)
{
    const int which = orientation == 3 ? screenOrientation() : orientation;
    for (const LayoutEntry& entry : tableEntries(layoutTable())) {
        if (entry.id == id && which >= 0 && which < 3)
            return entry.rects[which];
    }
    return {};
}

void LayoutDialog::onOrientationChanged(Orientation)
{
}

void LayoutDialog::onLayoutDone()
{
}

RECT LayoutDialog::scaleRect(const RECT& rect, bool doubling)
{
    return doubling ? doubled(rect) : halved(rect);
}

void LayoutDialog::scaleTable(bool doubling)
{
    if (!isHighResolution())
        return;
    if (doubling)
        doubleLayoutTable(layoutTable());
    else
        halveLayoutTable(layoutTable());
}

void LayoutDialog::layOut()
{
    if (!hwnd)
        return;
    const Orientation orientation = screenOrientation();
    scaleTable(true);
    for (const LayoutEntry& entry : tableEntries(layoutTable())) {
        const RECT& place = entry.rects[orientation];
        if (HWND control = GetDlgItem(hwnd, entry.id))
            MoveWindow(control, place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
    }
    scaleTable(false);
    lastOrientation = orientation;
    onOrientationChanged(orientation);
    InvalidateRect(hwnd, nullptr, TRUE);
    onLayoutDone();
}

LRESULT LayoutDialog::onSize(UINT type, int width, int height)
{
    if (screenOrientation() != lastOrientation)
        layOut();
    return BaseDialog::onSize(type, width, height);
}
