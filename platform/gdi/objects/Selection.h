// Which objects a device context holds, and keeping each object's `selectedInto` right as they
// change. Called with gdiLock() held.
#pragma once

#include "GdiObjects.h"

namespace ce::gdi {

// The slot of a device context that holds objects of a type (OBJ_BITMAP, OBJ_BRUSH, OBJ_PEN,
// OBJ_FONT); null for other types.
HGDIOBJ* slotFor(DeviceContextState& state, DWORD type);
// Puts `handle` in its slot of the device context `hdc`: the object it replaces is let go, the
// new one marked as selected (stock objects are shared and never marked).
void putSelection(HDC hdc, HGDIOBJ& slot, HGDIOBJ handle);

} // namespace ce::gdi
