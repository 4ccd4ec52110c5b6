// WM_MEASUREITEM and WM_DRAWITEM to a control's owner.
#include "OwnerDraw.h"

#include <algorithm>

#include "ControlBasics.h"

namespace ce::gwes::basic {

int measureItem(HWND control, UINT ctlType, int itemID, int height)
{
    HWND owner = GetParent(control);
    MEASUREITEMSTRUCT measure {};
    measure.CtlType = ctlType;
    measure.CtlID = static_cast<UINT>(GetDlgCtrlID(control));
    measure.itemID = static_cast<UINT>(itemID);
    measure.itemWidth = static_cast<UINT>(clientRect(control).right);
    measure.itemHeight = static_cast<UINT>(height);
    if (owner)
        SendMessageW(owner, WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
    return measure.itemHeight > 0 && measure.itemHeight <= 255 ? static_cast<int>(measure.itemHeight) : height;
}

void drawItem(HWND control, HDC dc, const ItemToDraw& item)
{
    HWND owner = GetParent(control);
    if (!owner)
        return;
    DRAWITEMSTRUCT draw {};
    draw.CtlType = item.ctlType;
    draw.CtlID = static_cast<UINT>(GetDlgCtrlID(control));
    draw.itemID = static_cast<UINT>(item.itemID);
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = item.state | (IsWindowEnabled(control) ? 0u : static_cast<UINT>(ODS_DISABLED));
    draw.hwndItem = control;
    draw.hDC = dc;
    draw.rcItem = item.rect;
    draw.itemData = static_cast<ULONG_PTR>(item.data);
    SendMessageW(owner, WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
}

void drawRows(HWND control, HDC dc, UINT ctlType, const ItemList& list, int rows, POINT origin, int width, bool focused)
{
    const int end = std::min(list.count(), list.top + rows);
    for (int index = list.top; index < end; ++index) {
        const LONG top = origin.y + (index - list.top) * list.itemHeight;
        const UINT state = (list.isSelected(index) ? ODS_SELECTED : 0u)
            | (focused && index == list.selected ? static_cast<UINT>(ODS_FOCUS) : 0u);
        drawItem(control, dc,
            {ctlType, index, state, {origin.x, top, origin.x + width, top + list.itemHeight},
                list.items[static_cast<size_t>(index)].data});
    }
}

} // namespace ce::gwes::basic
