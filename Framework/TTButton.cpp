// The TTButton class: the platform's button procedure, with the button made owner-drawn when it
// is created.
#include "TTButton.h"

#include "windows.h"

namespace {

WNDPROC buttonProc = nullptr;

LRESULT CALLBACK skinnedButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE) {
        const LONG style = GetWindowLongW(button, GWL_STYLE);
        SetWindowLongW(button, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_OWNERDRAW);
    }
    return CallWindowProcW(buttonProc, button, message, wParam, lParam);
}

} // namespace

bool registerSkinnedButtons()
{
    WNDCLASSW known {};
    if (GetClassInfoW(nullptr, skinnedButtonClass, &known))
        return true;
    WNDCLASSW button {};
    if (!GetClassInfoW(nullptr, u"BUTTON", &button))
        return false;
    buttonProc = button.lpfnWndProc;
    button.lpfnWndProc = skinnedButtonProc;
    button.lpszClassName = skinnedButtonClass;
    button.hInstance = nullptr;
    return RegisterClassW(&button) != 0;
}
