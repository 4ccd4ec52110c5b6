// Modal dialogs: the loop that pumps the caller's queue while the dialog is up, and EndDialog.
#include "DialogState.h"
#include "Dialogs.h"

namespace ce::gwes {

INT_PTR runModalDialog(HWND dialog)
{
    HWND owner = GetWindow(dialog, GW_OWNER);
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner)
        EnableWindow(owner, FALSE);
    const auto state = dialogState(dialog);
    if (state && !state->ended)
        ShowWindow(dialog, SW_SHOW);
    while (state && !state->ended && IsWindow(dialog)) {
        MSG msg {};
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT ends the dialog; the caller's own loop must still see it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0)
            break;
        if (!IsDialogMessageW(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (disableOwner && IsWindow(owner))
        EnableWindow(owner, TRUE);
    if (IsWindow(dialog))
        DestroyWindow(dialog);
    if (owner && IsWindow(owner))
        SetActiveWindow(owner);
    return state ? state->result : -1;
}

} // namespace ce::gwes

using namespace ce::gwes;

INT_PTR DialogBoxIndirectParamW(
    HINSTANCE hInstance, const CeDialogTemplate* hDialogTemplate, HWND hWndParent, DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    if (!hDialogTemplate) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    HWND dialog = createDialog(hInstance, *hDialogTemplate, hWndParent, lpDialogFunc, dwInitParam, dialogClassName);
    return dialog ? runModalDialog(dialog) : -1;
}

INT_PTR DialogBoxParamW(
    HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    const CeDialogTemplate* dialogTemplate = findDialogTemplate(hInstance, lpTemplateName);
    return dialogTemplate ? DialogBoxIndirectParamW(hInstance, dialogTemplate, hWndParent, lpDialogFunc, dwInitParam) : -1;
}

BOOL EndDialog(HWND hDlg, INT_PTR nResult)
{
    const auto state = IsWindow(hDlg) ? dialogState(hDlg) : nullptr;
    if (!state) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    state->ended = true;
    state->result = nResult;
    // A modeless dialog only hides; a modal loop wakes to see the end.
    ShowWindow(hDlg, SW_HIDE);
    PostMessageW(hDlg, WM_NULL, 0, 0);
    return TRUE;
}
