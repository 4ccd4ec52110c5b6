// TrackPopupMenuEx: shows a pop-up menu window and pumps the caller's queue until the pop-up
// ends, and the host-side calls that choose from or cancel the pop-up open now.
#include "PopupMenus.h"

#include "emulator/Shell.h"
#include "gwes/controls/ControlState.h"

namespace ce {
namespace {

// Input meant for the menu while it is open: keys go to the pop-up wherever they were aimed, a
// tap on another window cancels it. True when the message was taken.
bool takenByPopup(HWND popup, const MSG& msg)
{
    if (msg.hwnd == popup)
        return false;
    switch (msg.message) {
    case WM_KEYDOWN:
        SendMessageW(popup, WM_KEYDOWN, msg.wParam, msg.lParam);
        return true;
    case WM_KEYUP:
    case WM_CHAR:
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        SendMessageW(popup, WM_CANCELMODE, 0, 0);
        return true;
    default:
        return false;
    }
}

// Pumps the calling thread's queue until the pop-up ends. A WM_QUIT taken meanwhile cancels the
// pop-up and is posted again afterwards.
void runPopup(HWND popup, const PopupMenuState& state)
{
    bool quit = false;
    int quitCode = 0;
    while (!state.ended && IsWindow(popup) && IsWindow(state.owner)) {
        MSG msg;
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            quit = got == 0;
            quitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (!takenByPopup(popup, msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    MSG leftover;
    while (PeekMessageW(&leftover, popup, ce::popupWake, ce::popupWake, PM_REMOVE)) { }
    if (quit)
        PostQuitMessage(quitCode);
}

// The most recent open pop-up's answer to a private message, FALSE when none is open.
LRESULT askOpenPopup(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND popup = FindWindowW(popupMenuClass, nullptr);
    return popup ? SendMessageW(popup, message, wParam, lParam) : FALSE;
}

} // namespace
} // namespace ce

BOOL EndMenu()
{
    // The calling thread's pop-up: the one whose modal loop runs here.
    HWND popup = nullptr;
    EnumWindows(
        [](HWND hwnd, LPARAM found) {
            WCHAR className[8] {};
            if (GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId() || !GetClassNameW(hwnd, className, 8)
                || _wcsicmp(className, ce::popupMenuClass) != 0)
                return TRUE;
            *reinterpret_cast<HWND*>(found) = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&popup));
    if (popup)
        SendMessageW(popup, WM_CANCELMODE, 0, 0);
    return TRUE;
}

BOOL TrackPopupMenuEx(HMENU hMenu, UINT uFlags, int x, int y, HWND hWnd, LPTPMPARAMS lptpm)
{
    if (GetMenuItemCount(hMenu) < 0)
        return FALSE;
    if (!IsWindow(hWnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    ce::PopupMenuState request;
    request.owner = hWnd;
    request.flags = uFlags;
    request.levels.push_back({hMenu, -1, {}});
    HWND popup = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, ce::popupMenuClass, u"", WS_POPUP, 0, 0, 0, 0, hWnd,
        nullptr, nullptr, &request);
    auto state = ce::gwes::controlState<ce::PopupMenuState>(popup);
    if (!popup || !state)
        return FALSE;
    // The owner may still change the menu, so it is measured once the owner has seen it.
    if (!(uFlags & TPM_NONOTIFY))
        SendMessageW(hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), MAKELPARAM(0, FALSE));
    const RECT* exclude = lptpm && lptpm->cbSize >= sizeof(TPMPARAMS) ? &lptpm->rcExclude : nullptr;
    const RECT r = ce::placePopup(ce::popupMenuSize(hMenu), x, y, uFlags, exclude);
    state->levels.front().rect = r;
    MoveWindow(popup, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
    ShowWindow(popup, SW_SHOWNA);
    ce::runPopup(popup, *state);
    if (IsWindow(popup))
        DestroyWindow(popup);
    if (!state->chosen)
        return FALSE;
    if (uFlags & TPM_RETURNCMD)
        return static_cast<BOOL>(state->chosenId);
    PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(state->chosenId, 0), 0);
    return TRUE;
}

BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, const RECT*)
{
    return TrackPopupMenuEx(hMenu, uFlags, x, y, hWnd, nullptr);
}

namespace emulator {

PopupMenuInfo openPopupMenu()
{
    PopupMenuInfo info;
    if (!ce::askOpenPopup(ce::popupDescribe, 0, reinterpret_cast<LPARAM>(&info)))
        info = {};
    return info;
}

bool choosePopupItem(const std::u16string& path)
{
    std::vector<std::u16string> texts;
    for (size_t start = 0;;) {
        const size_t slash = path.find(u'/', start);
        texts.push_back(path.substr(start, slash - start));
        if (slash == std::u16string::npos)
            break;
        start = slash + 1;
    }
    return ce::askOpenPopup(ce::popupChoosePath, 0, reinterpret_cast<LPARAM>(&texts));
}

bool choosePopupItem(UINT id)
{
    return ce::askOpenPopup(ce::popupChooseId, id, 0);
}

bool cancelPopupMenu()
{
    const PopupMenuInfo info = openPopupMenu();
    if (!info.window)
        return false;
    SendMessageW(info.window, WM_CANCELMODE, 0, 0);
    return true;
}

} // namespace emulator
