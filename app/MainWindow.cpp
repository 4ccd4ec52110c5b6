// The main window so far: template 500 with the shell's Done button and the main menu. "Settings"
// opens the Settings dialog; Done, OK and "Exit" leave. Other commands wait for their views.
#include "MainWindow.h"

#include "AppState.h"
#include "BaseDialog.h"
#include "ProductMenus.h"
#include "SettingsDialog.h"
#include "aygshell.h"
#include "resources/DialogTemplates.h"

namespace {

class MainWindow : public BaseDialog {
public:
    MainWindow() : BaseDialog(mainWindowTemplateId, nullptr) {}

    LRESULT onInitDialog(WPARAM wParam) override
    {
        appState().mainWindow = hwnd;
        initShell(wParam, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN, mainMenuId);
        return 1;
    }

    LRESULT onCommand(UINT, UINT id, HWND) override
    {
        switch (id) {
        case IDOK:
        case IDCANCEL:
        case doneCommand:
        case exitCommand:
            EndDialog(hwnd, IDOK);
            break;
        case settingsCommand:
            runSettingsDialog(hwnd);
            break;
        }
        return 0; // the main window is the last to hear a command
    }

    LRESULT onDestroy() override
    {
        appState().mainWindow = nullptr;
        return BaseDialog::onDestroy();
    }
};

} // namespace

constinit const CeDialogTemplate mainWindowTemplate {dialogStyle, 0, 0, 0, 240, 268, nullptr, nullptr, 0, {}};

void runMainWindow()
{
    MainWindow().doModal();
}

void buildLook(HMODULE)
{
}
