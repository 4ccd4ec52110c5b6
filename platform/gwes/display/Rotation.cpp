// Turning the screen: windows that spanned the old width are fitted to the new screen, keeping
// their distance from the nearer of the top and bottom edges, as the shell refits full-screen
// windows, the work area and the menu bar; then every top-level window hears of the change.
#include <string>

#include "emulator/Screen.h"

#include <vector>

#include "aygshell.h"
#include "gwes/GwesState.h"
#include "gwes/Screen.h"

namespace emulator {
namespace {

struct Refit {
    HWND hwnd;
    RECT rect;
};

} // namespace

void rotateScreen()
{
    const SIZE before = ce::gwes::screenSize();
    ce::gwes::turnScreen();
    const SIZE after = ce::gwes::screenSize();
    std::vector<Refit> refits;
    std::vector<HWND> everyTopLevel;
    {
        std::lock_guard guard(ce::gwes::gwesLock());
        everyTopLevel = ce::gwes::state().topLevel;
        for (HWND hwnd : everyTopLevel) {
            const ce::gwes::Window* window = ce::gwes::findWindow(hwnd);
            if (!window || window->rect.left != 0 || window->rect.right != before.cx)
                continue;
            const RECT& old = window->rect;
            const auto keep = [&](LONG edge) { return edge * 2 < before.cy ? edge : after.cy - (before.cy - edge); };
            refits.push_back({hwnd, {0, keep(old.top), after.cx, after.cy - (before.cy - old.bottom)}});
        }
    }
    for (const Refit& refit : refits) {
        SetWindowPos(refit.hwnd, nullptr, refit.rect.left, refit.rect.top, refit.rect.right - refit.rect.left,
            refit.rect.bottom - refit.rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (HWND hwnd : everyTopLevel)
        SendNotifyMessageW(hwnd, WM_SETTINGCHANGE, SETTINGCHANGE_RESET, 0);
}

} // namespace emulator
