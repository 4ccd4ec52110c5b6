// The dialog window classes and what a dialog does with a message: its dialog procedure sees
// it first; what the procedure leaves, DefDlgProcW handles, erasing the background with the
// colour the procedure chose.
#include "DialogState.h"
#include "Dialogs.h"
#include "gwes/SystemClasses.h"

namespace ce::gwes {
namespace {

const SystemClassRegistration dialogClass({dialogClassName, dialogWindowProc, CS_DBLCLKS, DLGWINDOWEXTRA});
const SystemClassRegistration messageBoxClass({messageBoxClassName, dialogWindowProc, CS_DBLCLKS, DLGWINDOWEXTRA});

bool isColourRequest(UINT message)
{
    return message >= WM_CTLCOLOREDIT && message <= WM_CTLCOLORSTATIC;
}

// Messages whose answer is the dialog procedure's own return value, not DWL_MSGRESULT.
bool answersDirectly(UINT message)
{
    return message == WM_INITDIALOG || isColourRequest(message);
}

// The push button with BS_DEFPUSHBUTTON, or the DM_SETDEFID id.
WORD defaultButtonId(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (SendMessageW(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            return static_cast<WORD>(GetDlgCtrlID(child));
    }
    const auto state = dialogState(dialog);
    return state ? state->defaultId : static_cast<WORD>(IDOK);
}

// The dialog's background: the brush its procedure answers to WM_CTLCOLORDLG, else the class's
// brush as DefWindowProcW erases with, else the window colour of the device's white dialogs.
LRESULT eraseDialog(HWND dialog, HDC dc)
{
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dialog)));
    if (!brush && DefWindowProcW(dialog, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0))
        return 1;
    RECT client {};
    GetClientRect(dialog, &client);
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
    return 1;
}

} // namespace

LRESULT dialogWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(hwnd, DWLP_DLGPROC))) {
        if (const INT_PTR handled = proc(hwnd, message, wParam, lParam)) {
            if (answersDirectly(message))
                return handled;
            return IsWindow(hwnd) ? GetWindowLongPtrW(hwnd, DWLP_MSGRESULT) : 0;
        }
    }
    return DefDlgProcW(hwnd, message, wParam, lParam);
}

} // namespace ce::gwes

using namespace ce::gwes;

LRESULT DefDlgProcW(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    switch (Msg) {
    case WM_CLOSE:
        // Closing a dialog is its Cancel.
        SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
            reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDCANCEL)));
        return 0;
    case WM_ERASEBKGND:
        return eraseDialog(hDlg, reinterpret_cast<HDC>(wParam));
    case WM_COMMAND:
    case WM_NOTIFY:
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(defaultButtonId(hDlg), DC_HASDEFID);
    case DM_SETDEFID:
        if (const auto state = dialogState(hDlg))
            state->defaultId = static_cast<WORD>(wParam);
        return TRUE;
    case WM_NEXTDLGCTL: {
        HWND next = lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(hDlg, GetFocus(), wParam != 0);
        if (next)
            SetFocus(next);
        return 0;
    }
    default:
        // The colour requests get no brush: the system's colours stand.
        return isColourRequest(Msg) ? 0 : DefWindowProcW(hDlg, Msg, wParam, lParam);
    }
}
