// InitCommonControlsEx: the common control classes are system classes present from boot, so
// initialising only checks the caller's structure.
#include "commctrl.h"

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* lpInitCtrls)
{
    if (!lpInitCtrls || lpInitCtrls->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}

void InitCommonControls()
{
}
