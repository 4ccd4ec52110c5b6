// The main window so far: template 500 with the shell's Done button and the main menu. "Settings"
// opens the Settings dialog; Done, OK and "Exit" leave. Other commands wait for their views.
#include "MainWindow.h"

#include "AppState.h"
#include "DialogShell.h"
#include "ProductMenus.h"
#include "SettingsDialog.h"
#include "aygshell.h"
#include "resources/DialogTemplates.h"

namespace {

INT_PTR CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        appState().mainWindow = window;
        initDialogShell(window, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN, mainMenuId, mainWindowTemplateId);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
        case doneCommand:
        case exitCommand:
            EndDialog(window, IDOK);
            return TRUE;
        case settingsCommand:
            runSettingsDialog(window);
            return TRUE;
        }
        return TRUE;
    case WM_DESTROY:
        appState().mainWindow = nullptr;
        break;
    }
    return FALSE;
}

} // namespace

constinit const CeDialogTemplate mainWindowTemplate {dialogStyle, 0, 0, 0, 240, 268, nullptr, nullptr, 0, {}};

void runMainWindow()
{
    DialogBoxParamW(appState().instance, MAKEINTRESOURCEW(mainWindowTemplateId), nullptr, mainWindowProc, 0);
}

void buildLook(HMODULE)
{
}
