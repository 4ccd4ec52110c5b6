// Changing item states with the notifications of the device's list view.
#include "ListViewStates.h"

#include "ListViewLayout.h"
#include "ListViewNotify.h"

namespace ce::gwes {
namespace {

UINT& stateOf(ListView& lv, int index)
{
    return lv.items[static_cast<size_t>(index)].state;
}

// Clears `bits` on every item but `keep`.
void clearOthers(ListView& lv, int keep, UINT bits)
{
    for (int i = 0; i < lv.count(); ++i) {
        if (i != keep && (stateOf(lv, i) & bits))
            changeState(lv, i, 0, bits);
    }
}

} // namespace

bool changeState(ListView& lv, int index, UINT state, UINT mask)
{
    if (!lv.valid(index))
        return false;
    const UINT old = stateOf(lv, index);
    const UINT wanted = (old & ~mask) | (state & mask);
    if (wanted == old)
        return true;
    if (notifyList(lv, LVN_ITEMCHANGING, index, 0, wanted, old, LVIF_STATE))
        return false;
    const bool selecting = (wanted & LVIS_SELECTED) && !(old & LVIS_SELECTED);
    if (selecting && (lv.style() & LVS_SINGLESEL))
        clearOthers(lv, index, LVIS_SELECTED);
    if ((wanted & LVIS_FOCUSED) && !(old & LVIS_FOCUSED))
        clearOthers(lv, index, LVIS_FOCUSED);
    if (!lv.valid(index)) // the parent deleted it meanwhile
        return false;
    stateOf(lv, index) = wanted;
    invalidateItem(lv, index);
    notifyList(lv, LVN_ITEMCHANGED, index, 0, wanted, old, LVIF_STATE);
    return true;
}

LRESULT setItemState(ListView& lv, int index, const LVITEMW* values)
{
    if (!values)
        return FALSE;
    if (index != -1)
        return changeState(lv, index, values->state, values->stateMask) ? TRUE : FALSE;
    for (int i = 0; i < lv.count(); ++i)
        changeState(lv, i, values->state, values->stateMask);
    return TRUE;
}

LRESULT getItemState(ListView& lv, int index, UINT mask)
{
    if (!lv.valid(index))
        return 0;
    return static_cast<LRESULT>((stateOf(lv, index) & mask & ~lv.callbackMask) | callbackState(lv, index, mask));
}

int focusedItem(const ListView& lv)
{
    for (int i = 0; i < lv.count(); ++i) {
        if (lv.items[static_cast<size_t>(i)].state & LVIS_FOCUSED)
            return i;
    }
    return -1;
}

LRESULT selectedCount(const ListView& lv)
{
    LRESULT count = 0;
    for (const ListItem& item : lv.items)
        count += (item.state & LVIS_SELECTED) ? 1 : 0;
    return count;
}

void selectOnly(ListView& lv, int index)
{
    clearOthers(lv, index, LVIS_SELECTED);
    if (changeState(lv, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED))
        lv.selectionMark = index;
}

void deselectAll(ListView& lv)
{
    clearOthers(lv, -1, LVIS_SELECTED);
}

void toggleCheck(ListView& lv, int index)
{
    if (!lv.valid(index))
        return;
    const bool checked = (stateOf(lv, index) & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
    changeState(lv, index, INDEXTOSTATEIMAGEMASK(checked ? 1 : 2), LVIS_STATEIMAGEMASK);
}

LRESULT getNextItem(const ListView& lv, int start, UINT flags)
{
    // LVNI_FOCUSED, LVNI_SELECTED, LVNI_CUT and LVNI_DROPHILITED are the LVIS_* bits they ask for.
    const UINT wanted = flags & (LVNI_FOCUSED | LVNI_SELECTED | LVNI_CUT | LVNI_DROPHILITED);
    if (flags & (LVNI_TOLEFT | LVNI_TORIGHT)) // one item per row: nothing beside it
        return -1;
    const int step = (flags & LVNI_ABOVE) ? -1 : 1;
    if (step < 0 && start < 0)
        return -1;
    for (int i = start < -1 ? 0 : start + step; i >= 0 && i < lv.count(); i += step) {
        if ((lv.items[static_cast<size_t>(i)].state & wanted) == wanted)
            return i;
    }
    return -1;
}

} // namespace ce::gwes
