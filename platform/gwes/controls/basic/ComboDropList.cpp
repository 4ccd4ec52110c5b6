// The pop-up of a combo box's dropped list.
#include "ComboDropList.h"

#include "ControlBasics.h"
#include "gwes/SystemClasses.h"

namespace ce::gwes::basic {
namespace {

constexpr const WCHAR* className = u"ComboDroppedList";

HWND comboOf(HWND popup)
{
    return reinterpret_cast<HWND>(GetWindowLongPtrW(popup, GWLP_USERDATA));
}

// A stylus message at a pop-up point goes to the combo at the same screen point.
LRESULT passToCombo(HWND popup, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND combo = comboOf(popup);
    if (!IsWindow(combo))
        return 0;
    POINT point = pointOf(lParam);
    ClientToScreen(popup, &point);
    ScreenToClient(combo, &point);
    return SendMessageW(combo, message, wParam, MAKELPARAM(point.x, point.y));
}

LRESULT droppedListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint {};
        BeginPaint(hwnd, &paint);
        EndPaint(hwnd, &paint);
        if (HWND combo = comboOf(hwnd); IsWindow(combo))
            paintDroppedRows(combo);
        return 0;
    }
    case WM_ERASEBKGND:
        return TRUE; // the rows cover it
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
        return passToCombo(hwnd, message, wParam, lParam);
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

const SystemClassRegistration registration({className, droppedListProc, CS_DBLCLKS, 0});

} // namespace

HWND showDroppedList(HWND combo, const RECT& rect)
{
    POINT origin {rect.left, rect.top};
    ClientToScreen(combo, &origin);
    HWND popup = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOPMOST, className, u"", WS_POPUP, origin.x, origin.y,
        rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, nullptr, nullptr);
    if (!popup)
        return nullptr;
    SetWindowLongPtrW(popup, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(combo));
    ShowWindow(popup, SW_SHOWNOACTIVATE);
    return popup;
}

} // namespace ce::gwes::basic
