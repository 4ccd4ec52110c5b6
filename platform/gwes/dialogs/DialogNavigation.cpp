// The dialog's keyboard: IsDialogMessageW turns Tab, Enter and Escape into focus moves and
// commands unless the focused control wants the key itself; the tab and group orders.
#include <vector>

#include "Dialogs.h"

namespace {

std::vector<HWND> childrenOf(HWND dialog)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

DWORD styleOf(HWND hwnd)
{
    return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
}

// The control's own style decides, so a dialog not shown yet has its order too.
bool canTakeFocus(HWND hwnd)
{
    return (styleOf(hwnd) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
}

// The next (or previous) child after `from` in the dialog's order that `wanted` accepts,
// wrapping round; null when none does.
template <typename Wanted> HWND nextChild(HWND dialog, HWND from, bool previous, Wanted wanted)
{
    const std::vector<HWND> children = childrenOf(dialog);
    if (children.empty())
        return nullptr;
    const auto count = static_cast<long>(children.size());
    long start = previous ? 0 : -1;
    for (long i = 0; i < count; ++i) {
        if (children[static_cast<size_t>(i)] == from)
            start = i;
    }
    for (long step = 1; step <= count; ++step) {
        const long index = ((start + (previous ? -step : step)) % count + count) % count;
        HWND candidate = children[static_cast<size_t>(index)];
        if (wanted(candidate))
            return candidate;
    }
    return nullptr;
}

// The id and control a press of Enter activates: the focused push button, else the default.
std::pair<WORD, HWND> enterTarget(HWND dialog, HWND focus)
{
    if (focus && (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
        return {static_cast<WORD>(GetDlgCtrlID(focus)), focus};
    const LRESULT defId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    const WORD id = HIWORD(defId) == DC_HASDEFID ? LOWORD(defId) : static_cast<WORD>(IDOK);
    return {id, GetDlgItem(dialog, id)};
}

void command(HWND dialog, WORD id, HWND control)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

// Handles a key the dialog takes for itself; false when the key is the control's.
bool handleDialogKey(HWND dialog, const MSG& msg)
{
    HWND focus = msg.hwnd;
    const LRESULT wants = SendMessageW(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (wants & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
        return false;
    switch (msg.wParam) {
    case VK_TAB: {
        if (wants & DLGC_WANTTAB)
            return false;
        const bool back = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        if (HWND next = GetNextDlgTabItem(dialog, focus, back))
            SetFocus(next);
        return true;
    }
    case VK_RETURN: {
        const auto [id, control] = enterTarget(dialog, focus);
        command(dialog, id, control);
        return true;
    }
    case VK_ESCAPE:
        command(dialog, IDCANCEL, GetDlgItem(dialog, IDCANCEL));
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        if (wants & DLGC_WANTARROWS)
            return false;
        const bool back = msg.wParam == VK_LEFT || msg.wParam == VK_UP;
        HWND next = GetNextDlgGroupItem(dialog, focus, back);
        if (next && next != focus) {
            SetFocus(next);
            if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
                SendMessageW(next, BM_CLICK, 0, 0);
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace

HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious)
{
    if (!IsWindow(hDlg))
        return nullptr;
    return nextChild(hDlg, hCtl, bPrevious, [](HWND child) { return (styleOf(child) & WS_TABSTOP) && canTakeFocus(child); });
}

HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious)
{
    if (!IsWindow(hDlg) || !IsWindow(hCtl))
        return nullptr;
    // The group runs from a WS_GROUP control to the control before the next WS_GROUP one.
    const std::vector<HWND> children = childrenOf(hDlg);
    size_t first = 0;
    size_t at = children.size();
    for (size_t i = 0; i < children.size(); ++i) {
        if (styleOf(children[i]) & WS_GROUP && at == children.size())
            first = i;
        if (children[i] == hCtl)
            at = i;
    }
    if (at == children.size())
        return nullptr;
    size_t last = at;
    while (last + 1 < children.size() && !(styleOf(children[last + 1]) & WS_GROUP))
        ++last;
    const size_t count = last - first + 1;
    for (size_t step = 1; step < count; ++step) {
        const size_t offset = (at - first + (bPrevious ? count - step : step)) % count;
        if (canTakeFocus(children[first + offset]))
            return children[first + offset];
    }
    return hCtl;
}

BOOL IsDialogMessageW(HWND hDlg, LPMSG lpMsg)
{
    if (!lpMsg || !IsWindow(hDlg) || (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)))
        return FALSE;
    if (lpMsg->message == WM_KEYDOWN && handleDialogKey(hDlg, *lpMsg))
        return TRUE;
    if (lpMsg->message == WM_CHAR && (lpMsg->wParam == u'\t' || lpMsg->wParam == u'\r' || lpMsg->wParam == 0x1B)) {
        const LRESULT wants = SendMessageW(lpMsg->hwnd, WM_GETDLGCODE, lpMsg->wParam, reinterpret_cast<LPARAM>(lpMsg));
        if (!(wants & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_WANTCHARS)))
            return TRUE; // the key did its work as WM_KEYDOWN
    }
    TranslateMessage(lpMsg);
    DispatchMessageW(lpMsg);
    return TRUE;
}
