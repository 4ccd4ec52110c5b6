// Keys: keybd_event as the device's keyboard driver sees it (the key goes to the window with
// the focus as WM_KEYDOWN/WM_KEYUP; the power key asks for the power to go off), the state of
// each key, and TranslateMessage's characters.
#include <array>

#include "GwesState.h"
#include "devices/power/PowerKey.h"

using namespace ce::gwes;

namespace {

// Which keys are down, by virtual-key code. Guarded by gwesLock().
std::array<bool, 256>& keysDown()
{
    static std::array<bool, 256> down {};
    return down;
}

bool isDown(BYTE key)
{
    std::lock_guard guard(gwesLock());
    return keysDown()[key];
}

} // namespace

void keybd_event(BYTE bVk, BYTE bScan, DWORD dwFlags, DWORD)
{
    const bool release = dwFlags & KEYEVENTF_KEYUP;
    if (bVk == VK_OFF) {
        // The press asks for the power to go off; the release that follows asks nothing more.
        if (!release)
            ce::pressPowerKey();
        return;
    }
    HWND target = nullptr;
    bool repeat = false;
    {
        std::lock_guard guard(gwesLock());
        repeat = keysDown()[bVk] && !release;
        keysDown()[bVk] = !release;
        target = state().focus ? state().focus : state().active;
    }
    if (!target)
        return;
    // lParam: repeat count 1, the scan code, bit 30 the previous state, bit 31 a release.
    const auto lParam = static_cast<LPARAM>(1 | (static_cast<DWORD>(bScan) << 16) | (repeat || release ? 1U << 30 : 0)
        | (release ? 1U << 31 : 0));
    PostMessageW(target, release ? WM_KEYUP : WM_KEYDOWN, bVk, lParam);
}

SHORT GetKeyState(int nVirtKey)
{
    return nVirtKey >= 0 && nVirtKey < 256 && isDown(static_cast<BYTE>(nVirtKey)) ? static_cast<SHORT>(0x8000) : 0;
}

SHORT GetAsyncKeyState(int vKey)
{
    return GetKeyState(vKey);
}

BOOL TranslateMessage(const MSG* lpMsg)
{
    if (!lpMsg || lpMsg->message != WM_KEYDOWN)
        return FALSE;
    WPARAM character = 0;
    const WPARAM key = lpMsg->wParam;
    if (key >= 'A' && key <= 'Z')
        character = isDown(VK_SHIFT) ? key : key - 'A' + 'a';
    else if ((key >= '0' && key <= '9') || key == VK_SPACE || key == VK_RETURN || key == VK_BACK || key == VK_ESCAPE
        || key == VK_TAB)
        character = key;
    if (!character)
        return FALSE;
    return PostMessageW(lpMsg->hwnd, WM_CHAR, character, lpMsg->lParam);
}
