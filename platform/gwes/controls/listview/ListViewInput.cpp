// Taps select (or, on the check box, check) an item and end with NM_CLICK; a double tap sends
// NM_DBLCLK and LVN_ITEMACTIVATE. Keys go to the parent as LVN_KEYDOWN first, then move the
// selection, check the focused item (space) or activate it (return). The device has no
// modifier keys for extending a selection, so every tap and move selects one item. Taps and
// drags on the list's scroll bar scroll it.
#include "ListViewInput.h"

#include <algorithm>

#include "ListViewLayout.h"
#include "ListViewNotify.h"
#include "ListViewScrollBar.h"
#include "ListViewStates.h"
#include "gwes/controls/ControlNotify.h"

namespace ce::gwes {
namespace {

POINT pointOf(LPARAM point)
{
    return {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
}

LVHITTESTINFO hitAt(ListView& lv, LPARAM point)
{
    LVHITTESTINFO hit {};
    hit.pt = pointOf(point);
    hitTest(lv, &hit, true);
    if (hit.iSubItem > 0 && !(lv.exStyle & LVS_EX_FULLROWSELECT)) {
        hit = {hit.pt, LVHT_NOWHERE, -1, 0}; // a sub-item's cell takes a tap only with full-row selection
    }
    return hit;
}

bool onCheckBox(const ListView& lv, const LVHITTESTINFO& hit)
{
    return hit.iItem >= 0 && hit.flags == LVHT_ONITEMSTATEICON && (lv.exStyle & LVS_EX_CHECKBOXES);
}

// Where a navigation key moves the focus from `from`; -1 for keys that do not move it.
int keyTarget(ListView& lv, WPARAM key, int from)
{
    const int last = lv.count() - 1;
    const int page = std::max(1, countPerPage(lv));
    const int bottom = std::min(last, lv.topIndex + page - 1);
    switch (key) {
    case VK_UP:
        return from < 0 ? 0 : std::max(0, from - 1);
    case VK_DOWN:
        return from < 0 ? 0 : std::min(last, from + 1);
    case VK_HOME:
        return 0;
    case VK_END:
        return last;
    case VK_PRIOR: // first to the top of the page, then a page up
        return from != lv.topIndex ? lv.topIndex : std::max(0, from - page);
    case VK_NEXT:
        return from != bottom ? bottom : std::min(last, from + page);
    default:
        return -1;
    }
}

} // namespace

LRESULT stylusDown(ListView& lv, LPARAM point)
{
    if (!IsWindowEnabled(lv.self))
        return 0;
    if (GetFocus() != lv.self)
        SetFocus(lv.self);
    if (scrollBarTap(lv, pointOf(point)))
        return 0;
    lv.stylusDown = true;
    const LVHITTESTINFO hit = hitAt(lv, point);
    if (onCheckBox(lv, hit))
        toggleCheck(lv, hit.iItem);
    else if (hit.iItem >= 0)
        selectOnly(lv, hit.iItem);
    else
        deselectAll(lv);
    return 0;
}

LRESULT stylusMove(ListView& lv, LPARAM point)
{
    scrollBarDrag(lv, pointOf(point));
    return 0;
}

LRESULT stylusUp(ListView& lv, LPARAM point)
{
    if (scrollBarRelease(lv) || !lv.stylusDown)
        return 0;
    lv.stylusDown = false;
    const LVHITTESTINFO hit = hitAt(lv, point);
    notifyActivate(lv, NM_CLICK, hit.iItem, hit.iSubItem, hit.pt);
    if (hit.iItem >= 0 && !onCheckBox(lv, hit) && (lv.exStyle & LVS_EX_ONECLICKACTIVATE))
        notifyActivate(lv, LVN_ITEMACTIVATE, hit.iItem, hit.iSubItem, hit.pt);
    return 0;
}

LRESULT doubleTap(ListView& lv, LPARAM point)
{
    if (!IsWindowEnabled(lv.self))
        return 0;
    if (scrollBarTap(lv, pointOf(point))) // the second tap of a pair on the bar scrolls again
        return 0;
    const LVHITTESTINFO hit = hitAt(lv, point);
    if (onCheckBox(lv, hit)) { // the second tap of the pair, on the box
        toggleCheck(lv, hit.iItem);
        return 0;
    }
    notifyActivate(lv, NM_DBLCLK, hit.iItem, hit.iSubItem, hit.pt);
    if (hit.iItem >= 0)
        notifyActivate(lv, LVN_ITEMACTIVATE, hit.iItem, hit.iSubItem, hit.pt);
    return 0;
}

LRESULT keyDown(ListView& lv, WPARAM key, LPARAM)
{
    if (!IsWindowEnabled(lv.self))
        return 0;
    NMLVKEYDOWN notice {};
    notice.wVKey = static_cast<WORD>(key);
    notifyParent(lv.self, LVN_KEYDOWN, notice.hdr);
    const int focus = focusedItem(lv);
    if (key == VK_SPACE) {
        if (lv.exStyle & LVS_EX_CHECKBOXES)
            toggleCheck(lv, focus);
        return 0;
    }
    if (key == VK_RETURN) {
        if (!lv.valid(focus))
            return 0;
        notifyPlain(lv, NM_RETURN);
        notifyActivate(lv, LVN_ITEMACTIVATE, focus, 0, {});
        return 0;
    }
    const int target = lv.count() ? keyTarget(lv, key, focus) : -1;
    if (target >= 0) {
        selectOnly(lv, target);
        ensureVisible(lv, target, false);
    }
    return 0;
}

LRESULT focusChanged(ListView& lv, bool gained)
{
    lv.focused = gained;
    // The focused row's rectangle and, unless LVS_SHOWSELALWAYS, the selection show only with the focus.
    for (int item = 0; item < lv.count(); ++item) {
        if (lv.items[static_cast<size_t>(item)].state & (LVIS_SELECTED | LVIS_FOCUSED))
            invalidateItem(lv, item);
    }
    notifyPlain(lv, gained ? NM_SETFOCUS : NM_KILLFOCUS);
    return 0;
}

} // namespace ce::gwes
