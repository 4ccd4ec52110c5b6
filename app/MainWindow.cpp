// The main window: it creates the views as their tabs are first shown, keeps one visible, and
// carries out the commands of the "Jump To" and "Tools" menus of every view.
#include "MainWindow.h"

#include "AboutBox.h"
#include "AppState.h"
#include "BaseDialog.h"
#include "CleanSchedule.h"
#include "LookAndFeelDialog.h"
#include "ProductMenus.h"
#include "QuestionDialog.h"
#include "Settings.h"
#include "SkinLook.h"
#include "SettingsDialog.h"
#include "StringTable.h"
#include "aygshell.h"
#include "pkfuncs.h"
#include "resources/DialogTemplates.h"
#include "views/TabViews.h"

namespace {

constexpr BYTE powerKey = 0xDF;
// A second interactive start's request, with a tab to show in wParam.
constexpr UINT showTabMessage = WM_USER + 200;

class MainWindow : public BaseDialog {
public:
    MainWindow() : BaseDialog(mainWindowTemplateId, nullptr) {}

    LRESULT onInitDialog(WPARAM wParam) override
    {
        appState().mainWindow = hwnd;
        initShell(wParam, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN, mainMenuId);
        const Settings& stored = settings();
        const int first = stored.rememberTab && stored.lastTab < tabCount ? static_cast<int>(stored.lastTab) : 0;
        showTab(first, -1);
        SetForegroundWindow(hwnd);
        SetActiveWindow(hwnd);
        return 1;
    }

    // Makes `tab` the visible one, creating its view (on `page`, unless -1) the first time.
    TabView& showTab(int tab, int page)
    {
        TabView& view = *views[tab];
        if (tab == currentTab)
            return view;
        const int previous = currentTab;
        currentTab = tab;
        settings().lastTab = static_cast<DWORD>(tab);
        if (!view.hwnd) {
            if (page != -1)
                view.setInitialPage(page);
            view.parent = hwnd;
            CreateDialogParamW(appState().instance, MAKEINTRESOURCEW(tabTable[tab].templateId), hwnd,
                frameworkDialogProc, reinterpret_cast<LPARAM>(&view));
            EnableWindow(GetDlgItem(view.hwnd, tabTable[tab].buttonId), FALSE);
        }
        ShowWindow(view.hwnd, SW_SHOW);
        if (previous >= 0 && views[previous]->hwnd)
            ShowWindow(views[previous]->hwnd, SW_HIDE);
        return view;
    }

    LRESULT onCommand(UINT, UINT id, HWND) override
    {
        int tab = tabOfButton(id);
        int page = -1;
        if (tab >= 0) {
            showTab(tab, -1);
        } else if (pageOfCommand(id, tab, page)) {
            showTab(tab, page).selectPage(page);
        } else {
            runTool(id);
        }
        return 0; // the main window is the last to hear a command
    }

    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == showTabMessage && wParam < tabCount) {
            showTab(static_cast<int>(wParam), -1);
            return 0;
        }
        if (message == WM_SYSCOLORCHANGE) {
            buildLook(appState().resourceModule);
            return 0;
        }
        return BaseDialog::onMessage(message, wParam, lParam);
    }

    // The views fill the main window: when the screen turns they follow, and lay themselves out.
    LRESULT onSize(UINT, int width, int height) override
    {
        for (TabView* view : views) {
            if (view->hwnd)
                MoveWindow(view->hwnd, 0, 0, width, height, TRUE);
        }
        return 0;
    }

    LRESULT onDestroy() override
    {
        appState().mainWindow = nullptr;
        return BaseDialog::onDestroy();
    }

private:
    MemoryCleanerView memoryCleaner;
    DatabasesView databases;
    StartupsView startups;
    TweaksView tweaks;
    StorageToolsView storageTools;
    ProcessesView processes;
    TabView* const views[tabCount] = {&memoryCleaner, &databases, &startups, &tweaks, &storageTools, &processes};
    int currentTab = -1;

    void runTool(UINT id)
    {
        switch (id) {
        case powerOffCommand:
            keybd_event(powerKey, 0, 0, 0);
            keybd_event(powerKey, 0, KEYEVENTF_KEYUP, 0);
            break;
        case softResetCommand:
            softReset();
            break;
        case settingsCommand:
            runSettingsDialog(hwnd);
            break;
        case cleanScheduleCommand:
            runScheduleDialog(hwnd);
            break;
        case lookAndFeelCommand:
            runLookAndFeelDialog(hwnd);
            break;
        case aboutCommand:
            runAboutBox(hwnd);
            break;
        case exitCommand:
        case IDOK:
        case IDCANCEL: // the window asked to close
        case doneCommand:
            close();
            break;
        }
    }

    void softReset()
    {
        Settings& stored = settings();
        if (stored.softresetConfirm) {
            bool showAgain = true;
            const int answer = askQuestion(hwnd, getString(250), true, showAgain);
            stored.softresetConfirm = showAgain ? 1 : 0;
            saveSettings();
            if (answer == 0)
                return;
        }
        saveSettings();
        KernelIoControl(IOCTL_HAL_REBOOT, nullptr, 0, nullptr, 0, nullptr);
    }

    void close()
    {
        for (TabView* view : views) {
            if (view->hwnd)
                DestroyWindow(view->hwnd);
        }
        EndDialog(hwnd, 1);
    }
};

} // namespace

constinit const CeDialogTemplate mainWindowTemplate {dialogStyle, 0, 0, 0, 240, 268, nullptr, nullptr, 0, {}};

void runMainWindow()
{
    MainWindow().doModal();
}
