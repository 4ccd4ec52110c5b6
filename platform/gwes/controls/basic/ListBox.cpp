// The LISTBOX class: rows of text (kept in order with LBS_SORT) or of owner-drawn data, a first
// visible row, and rows laid out listRowHeight apart so taps and LB_ITEMFROMPOINT find them.
// One row is selected, or with LBS_MULTIPLESEL / LBS_EXTENDEDSEL any number. A tap selects the
// row under it (LBS_MULTIPLESEL: toggles it); with LBS_NOTIFY the parent gets LBN_SELCHANGE as
// the stylus lifts and LBN_DBLCLK on a double tap. Arrow, page, Home and End keys and typed
// initials move the selection too (LBS_MULTIPLESEL: move the focus; space toggles). A
// WS_VSCROLL list whose rows overflow has a scroll bar at its right that taps scroll.
#include <algorithm>

#include "ControlBasics.h"
#include "ItemList.h"
#include "ListPaint.h"
#include "ListScrollBar.h"
#include "OwnerDraw.h"
#include "gwes/SystemClasses.h"
#include "gwes/controls/ControlNotify.h"

namespace ce::gwes::basic {
namespace {

struct ListBoxState {
    ItemList list;
    bool stylusDown = false; // a tap selected a row and the stylus has not lifted
    HFONT font = nullptr;
};

ItemRules rulesOf(HWND hwnd)
{
    return itemRulesOf(hwnd, false);
}

int visibleRows(HWND hwnd, const ItemList& list)
{
    return std::max(1, static_cast<int>(clientRect(hwnd).bottom) / list.itemHeight);
}

void notifyIf(HWND hwnd, WORD code)
{
    if (styleOf(hwnd) & LBS_NOTIFY)
        notifyParentCommand(hwnd, code);
}

LRESULT select(HWND hwnd, ItemList& list, int index)
{
    list.selected = index;
    ensureVisible(list, index, visibleRows(hwnd, list));
    InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

// What a user's choice of a row does: in a multiple-selection list LBS_MULTIPLESEL toggles the
// row and LBS_EXTENDEDSEL makes it the only one selected; it becomes the (focused) row.
void pick(HWND hwnd, ItemList& list, int row)
{
    const bool toggles = styleOf(hwnd) & LBS_MULTIPLESEL;
    for (int i = 0; list.multiple && i < list.count(); ++i) {
        ListItem& item = list.items[static_cast<size_t>(i)];
        item.selected = toggles ? (item.selected != (i == row)) : i == row;
    }
    select(hwnd, list, row);
}

// LB_SETCURSEL (single selection only): -1 clears the selection and still answers LB_ERR, as the
// device does.
LRESULT setCurrent(HWND hwnd, ItemList& list, WPARAM wParam)
{
    const auto index = static_cast<INT>(wParam);
    if (list.multiple)
        return LB_ERR;
    if (index == -1)
        select(hwnd, list, -1);
    if (!list.isValid(wParam))
        return LB_ERR;
    select(hwnd, list, index);
    return index;
}

// LB_SETSEL: selects or clears a row (-1: every row) of a multiple-selection list.
LRESULT setSelected(HWND hwnd, ItemList& list, WPARAM on, LPARAM lParam)
{
    const auto index = static_cast<INT>(lParam);
    if (!list.multiple || (index != -1 && !list.isValid(static_cast<WPARAM>(index))))
        return LB_ERR;
    for (int i = 0; i < list.count(); ++i) {
        if (index == -1 || i == index)
            list.items[static_cast<size_t>(i)].selected = on != 0;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    return LB_OKAY;
}

LRESULT selectedCount(const ItemList& list)
{
    if (!list.multiple)
        return LB_ERR;
    return std::count_if(list.items.begin(), list.items.end(), [](const ListItem& item) { return item.selected; });
}

// LB_GETSELITEMS: up to `capacity` indexes of selected rows into `out`.
LRESULT selectedItems(const ItemList& list, WPARAM capacity, LPARAM lParam)
{
    auto* out = reinterpret_cast<INT*>(lParam);
    if (!list.multiple || !out)
        return LB_ERR;
    INT copied = 0;
    for (int i = 0; i < list.count() && static_cast<WPARAM>(copied) < capacity; ++i) {
        if (list.isSelected(i))
            out[copied++] = i;
    }
    return copied;
}

LRESULT selectString(HWND hwnd, ItemList& list, WPARAM wParam, LPARAM lParam)
{
    const auto index = static_cast<int>(answerItemRequest(list, ItemRequest::Find, wParam, lParam, rulesOf(hwnd)));
    if (index >= 0)
        select(hwnd, list, index);
    return index;
}

// The row at a client point: its index and whether the point is outside every row.
std::pair<int, bool> rowAt(HWND hwnd, const ItemList& list, POINT point)
{
    const RECT client = clientRect(hwnd);
    const int row = list.top + (point.y < 0 ? -1 : static_cast<int>(point.y) / list.itemHeight);
    const int index = std::clamp(row, 0, std::max(0, list.count() - 1));
    const bool outside = row != index || list.count() == 0 || point.x < 0 || point.x >= client.right;
    return {index, outside};
}

LRESULT itemFromPoint(HWND hwnd, const ItemList& list, LPARAM lParam)
{
    const auto [index, outside] = rowAt(hwnd, list, pointOf(lParam));
    return MAKELRESULT(index, outside ? 1 : 0);
}

LRESULT itemRect(HWND hwnd, const ItemList& list, WPARAM wParam, LPARAM lParam)
{
    auto* rect = reinterpret_cast<RECT*>(lParam);
    if (!rect || !list.isValid(wParam))
        return LB_ERR;
    const LONG top = (static_cast<LONG>(wParam) - list.top) * list.itemHeight;
    *rect = {0, top, clientRect(hwnd).right, top + list.itemHeight};
    return TRUE;
}

LRESULT setTop(HWND hwnd, ItemList& list, WPARAM wParam)
{
    if (!list.isValid(wParam))
        return LB_ERR;
    scrollTo(list, static_cast<int>(wParam), visibleRows(hwnd, list));
    InvalidateRect(hwnd, nullptr, TRUE);
    return LB_OKAY;
}

LRESULT setItemHeight(HWND hwnd, ItemList& list, LPARAM lParam)
{
    const int height = LOWORD(lParam);
    if (height <= 0 || height > 255)
        return LB_ERR;
    list.itemHeight = height;
    InvalidateRect(hwnd, nullptr, TRUE);
    return LB_OKAY;
}

// A WS_VSCROLL list shows its scroll bar while its rows overflow (with LBS_DISABLENOSCROLL,
// always), at the right of its client area.
bool showsScrollBar(HWND hwnd, const ItemList& list)
{
    const DWORD style = styleOf(hwnd);
    return (style & WS_VSCROLL) && (list.count() > visibleRows(hwnd, list) || (style & LBS_DISABLENOSCROLL));
}

RECT scrollBarRect(HWND hwnd)
{
    const RECT client = clientRect(hwnd);
    return {client.right - GetSystemMetrics(SM_CXVSCROLL), 0, client.right, client.bottom};
}

// A tap on the scroll bar scrolls the rows and selects none.
void tapScrollBar(HWND hwnd, ItemList& list, int y)
{
    const int rows = visibleRows(hwnd, list);
    const ScrollBarParts parts = scrollBarParts(scrollBarRect(hwnd), list.top, rows, list.count());
    scrollTo(list, firstRowAfterTap(parts, y, list.top, rows), rows);
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT stylusDown(HWND hwnd, ListBoxState& s, LPARAM lParam)
{
    if (!IsWindowEnabled(hwnd))
        return 0;
    const POINT point = pointOf(lParam);
    if (showsScrollBar(hwnd, s.list) && isInside(scrollBarRect(hwnd), point)) {
        tapScrollBar(hwnd, s.list, point.y);
        return 0;
    }
    if (GetFocus() != hwnd)
        SetFocus(hwnd);
    const auto [index, outside] = rowAt(hwnd, s.list, point);
    if (outside)
        return 0;
    pick(hwnd, s.list, index);
    s.stylusDown = true;
    return 0;
}

LRESULT stylusMove(HWND hwnd, ListBoxState& s, LPARAM lParam)
{
    const auto [index, outside] = rowAt(hwnd, s.list, pointOf(lParam));
    if (s.stylusDown && !outside && index != s.list.selected && !(styleOf(hwnd) & LBS_MULTIPLESEL))
        pick(hwnd, s.list, index);
    return 0;
}

LRESULT stylusUp(HWND hwnd, ListBoxState& s)
{
    if (!s.stylusDown)
        return 0;
    s.stylusDown = false;
    notifyIf(hwnd, LBN_SELCHANGE);
    return 0;
}

LRESULT doubleTap(HWND hwnd, ListBoxState& s, LPARAM lParam)
{
    const auto [index, outside] = rowAt(hwnd, s.list, pointOf(lParam));
    if (IsWindowEnabled(hwnd) && !outside && index == s.list.selected)
        notifyIf(hwnd, LBN_DBLCLK);
    return 0;
}

// A key or typed character that moves the selection to `row` (-1: it does not); in an
// LBS_MULTIPLESEL list it moves only the focus.
LRESULT moveSelection(HWND hwnd, ItemList& list, int row)
{
    if (!IsWindowEnabled(hwnd) || row < 0 || row == list.selected)
        return 0;
    if (styleOf(hwnd) & LBS_MULTIPLESEL)
        return select(hwnd, list, row);
    pick(hwnd, list, row);
    notifyIf(hwnd, LBN_SELCHANGE);
    return 0;
}

LRESULT keyDown(HWND hwnd, ItemList& list, WPARAM key)
{
    const bool toggles = (styleOf(hwnd) & LBS_MULTIPLESEL) && key == VK_SPACE && list.selected >= 0;
    if (!toggles)
        return moveSelection(hwnd, list, rowForKey(list, key, visibleRows(hwnd, list)));
    if (IsWindowEnabled(hwnd)) {
        pick(hwnd, list, list.selected);
        notifyIf(hwnd, LBN_SELCHANGE);
    }
    return 0;
}

LRESULT create(HWND hwnd, ItemList& list)
{
    list.multiple = styleOf(hwnd) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL);
    if (rulesOf(hwnd).ownerDrawn)
        list.itemHeight = measureItem(hwnd, ODT_LISTBOX, 0, listRowHeight());
    return 0;
}

// A WS_BORDER list has a one-pixel COLOR_WINDOWFRAME frame.
LRESULT paint(HWND hwnd, const ListBoxState& s)
{
    const ControlPaint paint(hwnd, s.font, WM_CTLCOLORLISTBOX);
    const RECT client = clientRect(hwnd);
    paintList(hwnd, paint.dc(), ODT_LISTBOX, rulesOf(hwnd).ownerDrawn, s.list,
        {client, visibleRows(hwnd, s.list), GetFocus() == hwnd, showsScrollBar(hwnd, s.list)}, paint.colours());
    if (styleOf(hwnd) & WS_BORDER)
        frameSystem(paint.dc(), client, COLOR_WINDOWFRAME);
    return 0;
}

LRESULT listBoxMessage(HWND hwnd, ListBoxState& s, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (auto request = itemRequestOf(message, false)) {
        const LRESULT result = answerItemRequest(s.list, *request, wParam, lParam, rulesOf(hwnd));
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    switch (message) {
    case WM_CREATE:
        return create(hwnd, s.list);
    case LB_GETCURSEL:
        return s.list.selected;
    case LB_SETCURSEL:
        return setCurrent(hwnd, s.list, wParam);
    case LB_GETSEL:
        return s.list.isValid(wParam) ? (s.list.isSelected(static_cast<int>(wParam)) ? 1 : 0) : LB_ERR;
    case LB_SETSEL:
        return setSelected(hwnd, s.list, wParam, lParam);
    case LB_GETSELCOUNT:
        return selectedCount(s.list);
    case LB_GETSELITEMS:
        return selectedItems(s.list, wParam, lParam);
    case LB_SELECTSTRING:
        return selectString(hwnd, s.list, wParam, lParam);
    case LB_GETTOPINDEX:
        return s.list.top;
    case LB_SETTOPINDEX:
        return setTop(hwnd, s.list, wParam);
    case LB_GETITEMRECT:
        return itemRect(hwnd, s.list, wParam, lParam);
    case LB_ITEMFROMPOINT:
        return itemFromPoint(hwnd, s.list, lParam);
    case LB_GETITEMHEIGHT:
        return s.list.itemHeight;
    case LB_SETITEMHEIGHT:
        return setItemHeight(hwnd, s.list, lParam);
    case LB_GETCARETINDEX:
        return std::max(s.list.selected, 0);
    case WM_LBUTTONDOWN:
        return stylusDown(hwnd, s, lParam);
    case WM_MOUSEMOVE:
        return stylusMove(hwnd, s, lParam);
    case WM_LBUTTONUP:
        return stylusUp(hwnd, s);
    case WM_LBUTTONDBLCLK:
        return doubleTap(hwnd, s, lParam);
    case WM_KEYDOWN:
        return keyDown(hwnd, s.list, wParam);
    case WM_CHAR:
        return moveSelection(hwnd, s.list, rowForCharacter(s.list, static_cast<WCHAR>(wParam)));
    case WM_SETFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE); // the focus rectangle
        notifyParentCommand(hwnd, LBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        s.stylusDown = false;
        InvalidateRect(hwnd, nullptr, FALSE);
        notifyParentCommand(hwnd, LBN_KILLFOCUS);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_PAINT:
        return paint(hwnd, s);
    default:
        return defaultControlProc(hwnd, s.font, message, wParam, lParam);
    }
}

const SystemClassRegistration registration({u"LISTBOX", controlProc<ListBoxState, listBoxMessage>, CS_DBLCLKS, 0});

} // namespace
} // namespace ce::gwes::basic
