// Device contexts' object slots and the selection bookkeeping.
#include "Selection.h"

namespace ce::gdi {

HGDIOBJ* slotFor(DeviceContextState& state, DWORD type)
{
    switch (type) {
    case OBJ_BITMAP:
        return &state.bitmap;
    case OBJ_BRUSH:
        return &state.brush;
    case OBJ_PEN:
        return &state.pen;
    case OBJ_FONT:
        return &state.font;
    default:
        return nullptr;
    }
}

void putSelection(HDC hdc, HGDIOBJ& slot, HGDIOBJ handle)
{
    if (auto old = findObject(slot); old && old->selectedInto == hdc)
        old->selectedInto = nullptr;
    slot = handle;
    if (auto object = findObject(handle); object && !object->stock)
        object->selectedInto = hdc;
}

} // namespace ce::gdi
