// The COMBOBOX class: a field showing the selected item, and a list that drops below it.
// CBS_DROPDOWNLIST shows the selection as the window text; CBS_DROPDOWN (and CBS_SIMPLE, taken
// as it) has a child EDIT (id 1001) whose text is the combo's window text, typed into by the user.
//
// Headless, the dropped list is state of the combo rather than a window of its own: after
// creation the combo is only as tall as its field (the height it was created with sets how
// tall the list drops), and while dropped its rows lie below the field in its client
// coordinates, listRowHeight apart, so a tap there picks a row. Notifications come from the
// user only: a tap on the closed combo drops it (CBN_DROPDOWN); a tap on a row selects it
// (CBN_SELCHANGE when it changed, CBN_SELENDOK, CBN_CLOSEUP); a tap elsewhere closes it
// (CBN_SELENDCANCEL, CBN_CLOSEUP); arrow keys move the selection (CBN_SELCHANGE); typing in the
// edit gives CBN_EDITUPDATE and CBN_EDITCHANGE. CB_SETCURSEL and the other messages are silent.
#include <algorithm>

#include "BasicMetrics.h"
#include "ComboDropList.h"
#include "ControlBasics.h"
#include "ControlPaint.h"
#include "ItemList.h"
#include "ListPaint.h"
#include "ListScrollBar.h"
#include "OwnerDraw.h"
#include "gwes/SystemClasses.h"
#include "gwes/controls/ControlNotify.h"

namespace ce::gwes::basic {
namespace {

constexpr int editId = 1001;

struct ComboState {
    ItemList list;
    HWND edit = nullptr; // the field of an editable combo
    HWND popup = nullptr; // shows the rows while dropped
    bool dropped = false;
    bool listTap = false; // the stylus went down on a row of the dropped list
    bool hasFocus = false; // the combo or its edit has the focus
    bool updatingEdit = false; // the combo itself sets the edit's text: no CBN_EDIT* for it
    int fieldHeight = comboFieldHeight();
    int droppedHeight = 0; // room for the list below the field
    int droppedWidth = 0; // CB_SETDROPPEDWIDTH's width; the list is never narrower than the combo
    HFONT font = nullptr;
};

bool isEditable(HWND hwnd)
{
    return (styleOf(hwnd) & (CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST)) != CBS_DROPDOWNLIST;
}

ItemRules rulesOf(HWND hwnd)
{
    return itemRulesOf(hwnd, true);
}

int listWidth(HWND hwnd, const ComboState& s)
{
    return std::max(s.droppedWidth, static_cast<int>(clientRect(hwnd).right));
}

int listRows(const ComboState& s)
{
    const int rows = std::max(1, s.droppedHeight / s.list.itemHeight);
    return std::min(rows, std::max(1, s.list.count()));
}

// The dropped list below the field, in the combo's client coordinates.
RECT listRect(HWND hwnd, const ComboState& s)
{
    return {0, s.fieldHeight, listWidth(hwnd, s), s.fieldHeight + listRows(s) * s.list.itemHeight};
}

bool listOverflows(const ComboState& s)
{
    return s.list.count() > listRows(s);
}

// The dropped list's scroll bar, at its right while its rows overflow (else empty).
RECT scrollBarRect(HWND hwnd, const ComboState& s)
{
    if (!listOverflows(s))
        return {};
    const RECT list = listRect(hwnd, s);
    return {list.right - GetSystemMetrics(SM_CXVSCROLL), list.top, list.right, list.bottom};
}

// The row of the dropped list at a client point, or -1.
int rowAt(HWND hwnd, const ComboState& s, POINT point)
{
    if (!s.dropped || !isInside(listRect(hwnd, s), point))
        return -1;
    const int row = s.list.top + (point.y - s.fieldHeight) / s.list.itemHeight;
    return row < s.list.count() ? row : -1;
}

// Shows the selected item in the field: the edit's text, selected whole, or the window text.
void showSelection(HWND hwnd, ComboState& s)
{
    const std::u16string text = s.list.selected >= 0 ? s.list.items[static_cast<size_t>(s.list.selected)].text : u"";
    if (s.edit) {
        s.updatingEdit = true;
        SetWindowTextW(s.edit, text.c_str());
        SendMessageW(s.edit, EM_SETSEL, 0, -1);
        s.updatingEdit = false;
    } else {
        DefWindowProcW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

void select(HWND hwnd, ComboState& s, int index)
{
    s.list.selected = index;
    ensureVisible(s.list, index, listRows(s));
    showSelection(hwnd, s);
}

LRESULT setCurrent(HWND hwnd, ComboState& s, WPARAM wParam)
{
    // An index out of range (or -1) clears the selection and answers CB_ERR.
    const bool valid = s.list.isValid(wParam);
    select(hwnd, s, valid ? static_cast<int>(wParam) : -1);
    return valid ? static_cast<LRESULT>(wParam) : CB_ERR;
}

LRESULT selectString(HWND hwnd, ComboState& s, WPARAM wParam, LPARAM lParam)
{
    const auto index = static_cast<int>(answerItemRequest(s.list, ItemRequest::Find, wParam, lParam, rulesOf(hwnd)));
    if (index >= 0)
        select(hwnd, s, index);
    return index;
}

LRESULT drop(HWND hwnd, ComboState& s)
{
    if (s.dropped)
        return 0;
    notifyParentCommand(hwnd, CBN_DROPDOWN); // before dropping, so the parent may fill the list
    s.dropped = true;
    ensureVisible(s.list, s.list.selected, listRows(s));
    s.popup = showDroppedList(hwnd, listRect(hwnd, s));
    InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

void removePopup(ComboState& s)
{
    if (s.popup)
        DestroyWindow(s.popup);
    s.popup = nullptr;
}

LRESULT closeUp(HWND hwnd, ComboState& s, WORD ending)
{
    if (!s.dropped)
        return 0;
    s.listTap = false;
    notifyParentCommand(hwnd, ending);
    s.dropped = false;
    removePopup(s);
    InvalidateRect(hwnd, nullptr, TRUE);
    notifyParentCommand(hwnd, CBN_CLOSEUP);
    return 0;
}

LRESULT showDropDown(HWND hwnd, ComboState& s, bool show)
{
    if (show)
        drop(hwnd, s);
    else
        closeUp(hwnd, s, CBN_SELENDCANCEL);
    return TRUE;
}

// The user chose a row of the dropped list.
void choose(HWND hwnd, ComboState& s, int row)
{
    const bool changed = row != s.list.selected;
    select(hwnd, s, row);
    if (changed)
        notifyParentCommand(hwnd, CBN_SELCHANGE);
    closeUp(hwnd, s, CBN_SELENDOK);
}

// A key or typed character that moves the selection to `row` (-1: it does not).
LRESULT moveSelection(HWND hwnd, ComboState& s, int row)
{
    if (row < 0 || row == s.list.selected || !IsWindowEnabled(hwnd))
        return 0;
    select(hwnd, s, row);
    notifyParentCommand(hwnd, CBN_SELCHANGE);
    return 0;
}

void takeFocus(HWND hwnd, const ComboState& s)
{
    HWND focus = GetFocus();
    if (focus != hwnd && (!s.edit || focus != s.edit))
        SetFocus(hwnd);
}

LRESULT stylusDown(HWND hwnd, ComboState& s, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindowEnabled(hwnd))
        return 0;
    const POINT point = pointOf(lParam);
    if (s.dropped && isInside(scrollBarRect(hwnd, s), point)) {
        const int rows = listRows(s);
        const ScrollBarParts parts = scrollBarParts(scrollBarRect(hwnd, s), s.list.top, rows, s.list.count());
        scrollTo(s.list, firstRowAfterTap(parts, point.y, s.list.top, rows), rows);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    }
    if (s.dropped) {
        s.listTap = rowAt(hwnd, s, point) >= 0;
        if (!s.listTap)
            closeUp(hwnd, s, CBN_SELENDCANCEL);
        return 0;
    }
    takeFocus(hwnd, s);
    const bool onEdit = s.edit && point.x < clientRect(hwnd).right - comboButtonWidth();
    if (onEdit)
        return SendMessageW(s.edit, WM_LBUTTONDOWN, wParam, lParam);
    return drop(hwnd, s);
}

LRESULT stylusUp(HWND hwnd, ComboState& s, LPARAM lParam)
{
    if (!s.listTap)
        return 0;
    s.listTap = false;
    const int row = rowAt(hwnd, s, pointOf(lParam));
    if (row >= 0)
        choose(hwnd, s, row);
    return 0;
}

LRESULT keyDown(HWND hwnd, ComboState& s, WPARAM key, LPARAM lParam)
{
    if (s.dropped && key == VK_RETURN)
        return closeUp(hwnd, s, CBN_SELENDOK);
    if (s.dropped && key == VK_ESCAPE)
        return closeUp(hwnd, s, CBN_SELENDCANCEL);
    const bool listKey = key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT;
    if (s.edit && !listKey) // Home, End and the rest move the edit's caret
        return SendMessageW(s.edit, WM_KEYDOWN, key, lParam);
    return moveSelection(hwnd, s, rowForKey(s.list, key, listRows(s)));
}

LRESULT typeCharacter(HWND hwnd, ComboState& s, WPARAM wParam, LPARAM lParam)
{
    if (s.edit)
        return SendMessageW(s.edit, WM_CHAR, wParam, lParam);
    return moveSelection(hwnd, s, rowForCharacter(s.list, static_cast<WCHAR>(wParam)));
}

// What the edit tells its parent, the combo, becomes the combo's own notifications.
LRESULT editCommand(HWND hwnd, ComboState& s, WORD code)
{
    switch (code) {
    case EN_CHANGE:
        DefWindowProcW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(windowText(s.edit).c_str()));
        if (!s.updatingEdit)
            notifyParentCommand(hwnd, CBN_EDITCHANGE);
        return 0;
    case EN_UPDATE:
        if (!s.updatingEdit)
            notifyParentCommand(hwnd, CBN_EDITUPDATE);
        return 0;
    case EN_SETFOCUS:
        if (!s.hasFocus) {
            s.hasFocus = true;
            InvalidateRect(hwnd, nullptr, FALSE);
            notifyParentCommand(hwnd, CBN_SETFOCUS);
        }
        return 0;
    case EN_KILLFOCUS:
        if (GetFocus() != hwnd)
            SendMessageW(hwnd, WM_KILLFOCUS, reinterpret_cast<WPARAM>(GetFocus()), 0);
        return 0;
    default:
        return 0;
    }
}

LRESULT gainFocus(HWND hwnd, ComboState& s)
{
    if (s.edit)
        SetFocus(s.edit); // the edit's EN_SETFOCUS tells the parent
    else if (!s.hasFocus) {
        s.hasFocus = true;
        InvalidateRect(hwnd, nullptr, FALSE);
        notifyParentCommand(hwnd, CBN_SETFOCUS);
    }
    return 0;
}

LRESULT loseFocus(HWND hwnd, ComboState& s, HWND next)
{
    if (!s.hasFocus || (s.edit && next == s.edit))
        return 0;
    s.hasFocus = false;
    InvalidateRect(hwnd, nullptr, FALSE);
    closeUp(hwnd, s, CBN_SELENDCANCEL);
    notifyParentCommand(hwnd, CBN_KILLFOCUS);
    return 0;
}

// WM_SETTEXT: the edit's text, or for a drop-down list the item of exactly that text.
LRESULT setText(HWND hwnd, ComboState& s, LPARAM lParam)
{
    if (s.edit) {
        s.updatingEdit = true;
        SendMessageW(s.edit, WM_SETTEXT, 0, lParam);
        s.updatingEdit = false;
        return TRUE;
    }
    const int index = findItem(s.list, -1, reinterpret_cast<const WCHAR*>(lParam), true);
    if (index < 0)
        return CB_ERR;
    select(hwnd, s, index);
    return TRUE;
}

// The height a combo is given (at creation or later) is its field and dropped list together;
// the window keeps only the field.
LRESULT resized(HWND hwnd, ComboState& s, LPARAM lParam)
{
    const int width = LOWORD(lParam);
    const int height = HIWORD(lParam);
    if (height != s.fieldHeight) {
        s.droppedHeight = std::max(0, height - s.fieldHeight);
        SetWindowPos(hwnd, nullptr, 0, 0, width, s.fieldHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (s.edit)
        MoveWindow(s.edit, 0, 0, std::max(0, width - comboButtonWidth()), s.fieldHeight, TRUE);
    return 0;
}

LRESULT create(HWND hwnd, ComboState& s, LPARAM lParam)
{
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    const DWORD style = styleOf(hwnd);
    if (rulesOf(hwnd).ownerDrawn) {
        s.fieldHeight = measureItem(hwnd, ODT_COMBOBOX, -1, comboFieldHeight());
        s.list.itemHeight = measureItem(hwnd, ODT_COMBOBOX, 0, listRowHeight());
    }
    if (!isEditable(hwnd)) {
        DefWindowProcW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u""));
        return 0;
    }
    const DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_COMBOBOX | ((style & CBS_AUTOHSCROLL) ? ES_AUTOHSCROLL : 0)
        | ((style & CBS_UPPERCASE) ? ES_UPPERCASE : 0) | ((style & CBS_LOWERCASE) ? ES_LOWERCASE : 0);
    const int width = create ? std::max(0, create->cx - comboButtonWidth()) : 0;
    s.edit = CreateWindowExW(0, u"EDIT", create ? create->lpszName : nullptr, editStyle, 0, 0, width, s.fieldHeight,
        hwnd, reinterpret_cast<HMENU>(static_cast<intptr_t>(editId)), nullptr, nullptr);
    return s.edit ? 0 : -1;
}

// The selection field's height (index -1) or the rows' height.
LRESULT setItemHeight(HWND hwnd, ComboState& s, WPARAM wParam, LPARAM lParam)
{
    const int height = LOWORD(lParam);
    const auto index = static_cast<INT>(wParam);
    if (height <= 0 || height > 255 || index < -1)
        return CB_ERR;
    if (index >= 0) {
        s.list.itemHeight = height;
        return CB_OKAY;
    }
    s.fieldHeight = height;
    const RECT client = clientRect(hwnd);
    SetWindowPos(hwnd, nullptr, 0, 0, client.right, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return CB_OKAY;
}

LRESULT getItemHeight(const ComboState& s, WPARAM wParam)
{
    const auto index = static_cast<INT>(wParam);
    if (index < -1)
        return CB_ERR;
    return index == -1 ? s.fieldHeight : s.list.itemHeight;
}

LRESULT setDroppedWidth(HWND hwnd, ComboState& s, WPARAM wParam)
{
    if (static_cast<INT>(wParam) < 0)
        return CB_ERR;
    s.droppedWidth = static_cast<int>(wParam);
    return listWidth(hwnd, s);
}

LRESULT droppedRect(HWND hwnd, const ComboState& s, LPARAM lParam)
{
    auto* rect = reinterpret_cast<RECT*>(lParam);
    if (!rect)
        return CB_ERR;
    POINT origin {0, 0};
    ClientToScreen(hwnd, &origin);
    const RECT list = listRect(hwnd, s);
    *rect = {origin.x, origin.y, origin.x + list.right, origin.y + list.bottom};
    return TRUE;
}

LRESULT setTop(ComboState& s, WPARAM wParam)
{
    if (!s.list.isValid(wParam))
        return CB_ERR;
    scrollTo(s.list, static_cast<int>(wParam), listRows(s));
    return CB_OKAY;
}

// The messages an editable combo passes to its edit; a drop-down list has none to pass.
LRESULT toEdit(const ComboState& s, UINT message, WPARAM wParam, LPARAM lParam)
{
    return s.edit ? SendMessageW(s.edit, message, wParam, lParam) : CB_ERR;
}

LRESULT limitText(const ComboState& s, WPARAM limit)
{
    if (!s.edit)
        return CB_ERR;
    SendMessageW(s.edit, EM_LIMITTEXT, limit, 0);
    return TRUE;
}

LRESULT setEditSelection(const ComboState& s, LPARAM lParam)
{
    if (!s.edit)
        return CB_ERR;
    SendMessageW(
        s.edit, EM_SETSEL, static_cast<WPARAM>(static_cast<SHORT>(LOWORD(lParam))), static_cast<SHORT>(HIWORD(lParam)));
    return TRUE;
}

LRESULT dialogCode(const ComboState& s, LPARAM lParam)
{
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    const bool closingKey = msg && msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (s.dropped && closingKey ? DLGC_WANTMESSAGE : 0);
}

// The field of a combo without an edit: the selected item's text (highlighted while the combo
// has the focus and is closed), or the owner's drawing of it.
void paintSelection(HWND hwnd, const ComboState& s, HDC dc, const ControlColours& colours)
{
    const int selected = s.list.selected;
    const RECT field {0, 0, std::max(0, static_cast<int>(clientRect(hwnd).right) - comboButtonWidth()), s.fieldHeight};
    if (rulesOf(hwnd).ownerDrawn) {
        const UINT state = ODS_COMBOBOXEDIT | (s.hasFocus ? (ODS_SELECTED | ODS_FOCUS) : 0u);
        drawItem(hwnd, dc,
            {ODT_COMBOBOX, selected, state, field,
                selected >= 0 ? s.list.items[static_cast<size_t>(selected)].data : 0});
        return;
    }
    RECT inside = field;
    InflateRect(&inside, -textMargin(), -textMargin());
    drawTextRow(dc, inside, selected >= 0 ? s.list.items[static_cast<size_t>(selected)].text : u"",
        s.hasFocus && !s.dropped && IsWindowEnabled(hwnd), colours.background, textColourOf(hwnd, colours));
}

// The dropped rows with their frame, in the pop-up when there is one (else in `fallback`,
// where they lie outside the combo), in the combo's client coordinates.
void paintRows(HWND hwnd, const ComboState& s, HDC fallback)
{
    HDC dc = s.popup ? GetDC(s.popup) : fallback;
    if (!dc)
        return;
    if (s.popup)
        moveOrigin(dc, {0, -s.fieldHeight});
    const ControlColours colours = askColours(hwnd, dc, s.font, WM_CTLCOLORLISTBOX);
    const RECT rect = listRect(hwnd, s);
    paintList(hwnd, dc, ODT_COMBOBOX, rulesOf(hwnd).ownerDrawn, s.list,
        {rect, listRows(s), s.hasFocus, listOverflows(s)}, colours);
    frameSystem(dc, rect, COLOR_WINDOWFRAME);
    if (s.popup)
        ReleaseDC(s.popup, dc);
}

// A white field with a one-pixel frame and the drop button at its right (the edit of an
// editable combo lies over the field), and the rows while dropped.
LRESULT paint(HWND hwnd, const ComboState& s)
{
    const ControlPaint paint(hwnd, s.font, IsWindowEnabled(hwnd) ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    HDC dc = paint.dc();
    const RECT client = clientRect(hwnd);
    fill(dc, client, paint.colours().background);
    if (!s.edit)
        paintSelection(hwnd, s, dc, paint.colours());
    frameSystem(dc, client, COLOR_WINDOWFRAME);
    RECT button {std::max<LONG>(1, client.right - comboButtonWidth()), 1, client.right - 1, client.bottom - 1};
    const UINT state = (s.dropped ? DFCS_PUSHED : 0u) | (IsWindowEnabled(hwnd) ? 0u : static_cast<UINT>(DFCS_INACTIVE));
    DrawFrameControl(dc, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | state);
    if (s.dropped)
        paintRows(hwnd, s, dc);
    return 0;
}

LRESULT itemRequest(HWND hwnd, ComboState& s, ItemRequest request, WPARAM wParam, LPARAM lParam)
{
    const int selected = s.list.selected;
    const LRESULT result = answerItemRequest(s.list, request, wParam, lParam, rulesOf(hwnd));
    if (request == ItemRequest::Reset || (!s.edit && s.list.selected != selected))
        showSelection(hwnd, s);
    InvalidateRect(hwnd, nullptr, TRUE);
    return result;
}

LRESULT comboMessage(HWND hwnd, ComboState& s, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (auto request = itemRequestOf(message, true))
        return itemRequest(hwnd, s, *request, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        return create(hwnd, s, lParam);
    case WM_SIZE:
        return resized(hwnd, s, lParam);
    case CB_GETCURSEL:
        return s.list.selected;
    case CB_SETCURSEL:
        return setCurrent(hwnd, s, wParam);
    case CB_SELECTSTRING:
        return selectString(hwnd, s, wParam, lParam);
    case CB_SHOWDROPDOWN:
        return showDropDown(hwnd, s, wParam != 0);
    case CB_GETDROPPEDSTATE:
        return s.dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT:
        return droppedRect(hwnd, s, lParam);
    case CB_SETDROPPEDWIDTH:
        return setDroppedWidth(hwnd, s, wParam);
    case CB_GETDROPPEDWIDTH:
        return listWidth(hwnd, s);
    case CB_SETITEMHEIGHT:
        return setItemHeight(hwnd, s, wParam, lParam);
    case CB_GETITEMHEIGHT:
        return getItemHeight(s, wParam);
    case CB_GETTOPINDEX:
        return s.list.top;
    case CB_SETTOPINDEX:
        return setTop(s, wParam);
    case CB_LIMITTEXT:
        return limitText(s, wParam);
    case CB_GETEDITSEL:
        return toEdit(s, EM_GETSEL, wParam, lParam);
    case CB_SETEDITSEL:
        return setEditSelection(s, lParam);
    case WM_SETTEXT:
        return setText(hwnd, s, lParam);
    case WM_COMMAND:
        return s.edit && reinterpret_cast<HWND>(lParam) == s.edit ? editCommand(hwnd, s, HIWORD(wParam)) : 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return stylusDown(hwnd, s, wParam, lParam);
    case WM_LBUTTONUP:
        return stylusUp(hwnd, s, lParam);
    case WM_KEYDOWN:
        return keyDown(hwnd, s, wParam, lParam);
    case WM_CHAR:
        return typeCharacter(hwnd, s, wParam, lParam);
    case WM_SETFOCUS:
        return gainFocus(hwnd, s);
    case WM_KILLFOCUS:
        return loseFocus(hwnd, s, reinterpret_cast<HWND>(wParam));
    case WM_GETDLGCODE:
        return dialogCode(s, lParam);
    case WM_PAINT:
        return paint(hwnd, s);
    case WM_DESTROY:
        removePopup(s);
        return defaultControlProc(hwnd, s.font, message, wParam, lParam);
    case WM_ENABLE:
        if (s.edit)
            EnableWindow(s.edit, static_cast<BOOL>(wParam));
        return defaultControlProc(hwnd, s.font, message, wParam, lParam);
    case WM_SETFONT:
        if (s.edit)
            SendMessageW(s.edit, WM_SETFONT, wParam, lParam);
        return defaultControlProc(hwnd, s.font, message, wParam, lParam);
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR:
        return s.edit ? SendMessageW(s.edit, message, wParam, lParam) : 0;
    default:
        return defaultControlProc(hwnd, s.font, message, wParam, lParam);
    }
}

} // namespace

void paintDroppedRows(HWND combo)
{
    auto state = controlState<ComboState>(combo);
    if (state && state->dropped && state->popup)
        paintRows(combo, *state, nullptr);
}

namespace {

const SystemClassRegistration registration({u"COMBOBOX", controlProc<ComboState, comboMessage>, CS_DBLCLKS, 0});

} // namespace
} // namespace ce::gwes::basic
