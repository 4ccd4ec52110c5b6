// The operating-mode dialog: a title, the two modes as radio buttons and what Protected means.
// Clicking a mode sets EnableAdvanced at once; the dialog has no way to cancel the choice.
#include "OperatingModeDialog.h"

#include "AppState.h"
#include "DialogShell.h"
#include "ProductMenus.h"
#include "Settings.h"
#include "aygshell.h"
#include "resources/DialogTemplates.h"

namespace {

enum Control : WORD {
    titleText = 1324,
    protectedButton = 1321,
    advancedButton = 1323,
    explanationText = 1318,
};

constexpr CeDialogControl controls[] = {
    {u"STATIC", nullptr, titleText, WS_CHILD | WS_VISIBLE, 0, 8, 8, 224, 16},
    {u"BUTTON", nullptr, protectedButton, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0, 16, 32,
        208, 18},
    {u"BUTTON", nullptr, advancedButton, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON, 0, 16, 54, 208, 18},
    {u"STATIC", nullptr, explanationText, WS_CHILD | WS_VISIBLE, 0, 8, 84, 224, 120},
};

INT_PTR CALLBACK operatingModeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        initDialogShell(dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN, doneMenuId,
            operatingModeTemplateId);
        CheckRadioButton(dialog, protectedButton, advancedButton,
            settings().advancedMode ? advancedButton : protectedButton);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case protectedButton:
            settings().enableAdvanced = 0;
            return TRUE;
        case advancedButton:
            settings().enableAdvanced = 1;
            return TRUE;
        case IDOK:
        case doneCommand:
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        return TRUE; // Cancel and everything else: the choice stands
    }
    return FALSE;
}

} // namespace

constinit const CeDialogTemplate operatingModeTemplate {dialogStyle, 0, 0, 0, 240, 268, nullptr, nullptr, 0, controls};

void runOperatingModeDialog(HWND owner)
{
    DialogBoxParamW(appState().instance, MAKEINTRESOURCEW(operatingModeTemplateId), owner, operatingModeProc, 0);
}
