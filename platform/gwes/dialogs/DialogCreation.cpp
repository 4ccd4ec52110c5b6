// Making dialogs from templates: the dialog window, its controls in template order (the
// first on top of the z-order's tab sequence), WM_INITDIALOG and the first focus.
#include <vector>

#include "DialogState.h"
#include "Dialogs.h"
#include "gwes/Screen.h"
#include "gwes/controls/ControlState.h"

namespace ce::gwes {
namespace {

RECT pixelsOf(short x, short y, short cx, short cy)
{
    const int left = dialogUnitsToPixels(x);
    const int top = dialogUnitsToPixels(y);
    return {left, top, left + dialogUnitsToPixels(cx), top + dialogUnitsToPixels(cy)};
}

// Where a top-level dialog goes: its template position on the screen, or centred (DS_CENTER).
RECT placeOnScreen(const CeDialogTemplate& dialogTemplate)
{
    RECT rect = pixelsOf(dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy);
    if (dialogTemplate.style & DS_CENTER) {
        const SIZE screen = screenSize();
        const int width = rect.right - rect.left;
        const int height = rect.bottom - rect.top;
        rect = {(screen.cx - width) / 2, (screen.cy - height) / 2, 0, 0};
        rect.right = rect.left + width;
        rect.bottom = rect.top + height;
    }
    return rect;
}

bool makeControls(HWND dialog, HINSTANCE instance, const CeDialogTemplate& dialogTemplate)
{
    // New children go below their siblings: the template's order is the tab order.
    for (const CeDialogControl* control = dialogTemplate.controls.data();
         control != dialogTemplate.controls.data() + dialogTemplate.controls.size(); ++control) {
        const RECT rect = pixelsOf(control->x, control->y, control->cx, control->cy);
        HWND hwnd = CreateWindowExW(control->exStyle, control->className, control->text, control->style | WS_CHILD,
            rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, dialog,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control->id)), instance, nullptr);
        if (!hwnd)
            return false;
    }
    return true;
}

HWND firstTabStop(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE))
            return child;
    }
    return nullptr;
}

} // namespace

int dialogUnitsToPixels(int units)
{
    return scaledForScreen(units);
}

std::shared_ptr<DialogState> dialogState(HWND dialog)
{
    // Only dialog windows carry this state: another class's control state has another type.
    {
        std::lock_guard guard(gwesLock());
        const Window* window = findWindow(dialog);
        if (!window || window->windowClass->data.lpfnWndProc != dialogWindowProc)
            return nullptr;
    }
    return controlState<DialogState>(dialog);
}

const CeDialogTemplate* findDialogTemplate(HINSTANCE instance, LPCWSTR name)
{
    HRSRC resource = FindResourceW(instance, name, RT_DIALOG);
    if (!resource)
        return nullptr;
    if (SizeofResource(instance, resource) != sizeof(CeDialogTemplate)) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    return static_cast<const CeDialogTemplate*>(LockResource(LoadResource(instance, resource)));
}

HWND createDialog(HINSTANCE instance, const CeDialogTemplate& dialogTemplate, HWND owner, DLGPROC proc,
    LPARAM param, const char16_t* className)
{
    const DWORD style = dialogTemplate.style & ~WS_VISIBLE;
    RECT rect = pixelsOf(dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy);
    if (!(style & WS_CHILD))
        rect = placeOnScreen(dialogTemplate);
    HWND dialog = CreateWindowExW(dialogTemplate.exStyle, className, dialogTemplate.title, style, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, owner, nullptr, instance, nullptr);
    if (!dialog)
        return nullptr;
    dialogState(dialog);
    SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    if (!makeControls(dialog, instance, dialogTemplate)) {
        const DWORD error = GetLastError();
        DestroyWindow(dialog);
        SetLastError(error);
        return nullptr;
    }
    HWND focus = firstTabStop(dialog);
    if (SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), param) && focus && IsWindow(focus))
        SetFocus(focus);
    const auto state = dialogState(dialog);
    if (state && !state->ended && (dialogTemplate.style & WS_VISIBLE))
        ShowWindow(dialog, SW_SHOW);
    return IsWindow(dialog) ? dialog : nullptr;
}

} // namespace ce::gwes

using namespace ce::gwes;

HWND CreateDialogIndirectParamW(HINSTANCE hInstance, const CeDialogTemplate* lpTemplate, HWND hWndParent,
    DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    if (!lpTemplate) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return createDialog(hInstance, *lpTemplate, hWndParent, lpDialogFunc, dwInitParam, dialogClassName);
}

HWND CreateDialogParamW(
    HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc, LPARAM dwInitParam)
{
    const CeDialogTemplate* dialogTemplate = findDialogTemplate(hInstance, lpTemplateName);
    return dialogTemplate ? CreateDialogIndirectParamW(hInstance, dialogTemplate, hWndParent, lpDialogFunc, dwInitParam)
                          : nullptr;
}

BOOL MapDialogRect(HWND hDlg, LPRECT lpRect)
{
    if (!IsWindow(hDlg) || !lpRect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *lpRect = {dialogUnitsToPixels(lpRect->left), dialogUnitsToPixels(lpRect->top), dialogUnitsToPixels(lpRect->right),
        dialogUnitsToPixels(lpRect->bottom)};
    return TRUE;
}

LONG GetDialogBaseUnits()
{
    // Four horizontal and eight vertical units to the base unit: a dialog unit is one 96-dpi pixel.
    return MAKELONG(dialogUnitsToPixels(4), dialogUnitsToPixels(8));
}
