// SaveDC and RestoreDC: a stack of copies of a device context's state. Restoring puts the saved
// objects back in their slots with the selection bookkeeping kept right; an object deleted since,
// or a bitmap now drawing for another device context, cannot come back and its slot keeps what
// it holds.
#include "Selection.h"

using namespace ce::gdi;

namespace {

bool restorable(HDC hdc, HGDIOBJ handle)
{
    auto object = findObject(handle);
    return object
        && (object->type != OBJ_BITMAP || object->stock || !object->selectedInto || object->selectedInto == hdc);
}

} // namespace

int SaveDC(HDC hdc)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return 0;
    dc->saved.push_back(static_cast<const DeviceContextState&>(*dc));
    return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int nSavedDC)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return FALSE;
    // A negative level counts back from the last saved state (-1 is the last).
    const long long levels = static_cast<long long>(dc->saved.size());
    const long long level = nSavedDC < 0 ? levels + 1 + nSavedDC : nSavedDC;
    if (level < 1 || level > levels) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DeviceContextState state = dc->saved[static_cast<size_t>(level - 1)];
    dc->saved.resize(static_cast<size_t>(level - 1));
    for (DWORD type : {OBJ_BITMAP, OBJ_BRUSH, OBJ_PEN, OBJ_FONT}) {
        HGDIOBJ& slot = *slotFor(*dc, type);
        HGDIOBJ& wanted = *slotFor(state, type);
        if (restorable(hdc, wanted))
            putSelection(hdc, slot, wanted);
        wanted = slot; // the state copied below keeps what the slot now holds
    }
    static_cast<DeviceContextState&>(*dc) = std::move(state);
    return TRUE;
}
