// The dialog procedure shape both common dialogs share: the call's session (WM_INITDIALOG's
// lParam) lives in DWLP_USER, and the dialog's commands go to its handler with the session.
#pragma once

#include "windows.h"

namespace ce::shell {

template <typename Session> Session* sessionOf(HWND dialog)
{
    return reinterpret_cast<Session*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

template <typename Session, void (*initialise)(HWND, Session&), void (*command)(HWND, Session&, WORD, WORD)>
INT_PTR sessionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        initialise(dialog, *reinterpret_cast<Session*>(lParam));
        return TRUE;
    }
    Session* session = sessionOf<Session>(dialog);
    if (message != WM_COMMAND || !session)
        return FALSE; // messages before WM_INITDIALOG find no session
    command(dialog, *session, LOWORD(wParam), HIWORD(wParam));
    return TRUE;
}

} // namespace ce::shell
