// Notifications from controls to their parents.
#include "ControlNotify.h"

namespace ce::gwes {

LRESULT notifyParentCommand(HWND control, WORD code)
{
    HWND parent = GetParent(control);
    if (!parent)
        return 0;
    const auto id = static_cast<WORD>(GetDlgCtrlID(control));
    return SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

LRESULT notifyParent(HWND control, UINT code, NMHDR& header)
{
    header.hwndFrom = control;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    header.code = code;
    HWND parent = GetParent(control);
    if (!parent)
        return 0;
    return SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

} // namespace ce::gwes
