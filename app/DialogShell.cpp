// Dialog set-up: the shell's sizing, the menu bar from the module that has the menu, the texts.
#include "DialogShell.h"

#include "AppState.h"
#include "DialogTexts.h"
#include "aygshell.h"

HMODULE menuModuleFor(UINT menuId)
{
    const AppState& state = appState();
    for (HMODULE module : {state.uiResourceModule, state.instance}) {
        if (module && FindResourceW(module, MAKEINTRESOURCEW(menuId), RT_MENU))
            return module;
    }
    return nullptr;
}

HWND initDialogShell(HWND dialog, DWORD shellFlags, UINT menuId, int templateId)
{
    SHINITDLGINFO shell {SHIDIM_FLAGS, dialog, shellFlags};
    SHInitDialog(&shell);
    SHMENUBARINFO bar {};
    bar.cbSize = sizeof bar;
    bar.hwndParent = dialog;
    HMODULE menuModule = menuId ? menuModuleFor(menuId) : nullptr;
    if (menuModule) {
        bar.nToolBarId = menuId;
        bar.hInstRes = menuModule;
    } else {
        bar.dwFlags = SHCMBF_EMPTYBAR;
        bar.hInstRes = appState().instance;
    }
    SHCreateMenuBar(&bar);
    applyDialogTexts(templateId, dialog);
    return bar.hwndMB;
}
