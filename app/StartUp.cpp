// Start-up in its fixed order: install step, run mode, power-on, time change, resource module,
// COM, instance control, help, settings, look, common controls, then the run mode's branch.
#include "StartUp.h"

#include "AppState.h"
#include "CleanSchedule.h"
#include "CommandLine.h"
#include "HighResolutionResources.h"
#include "InstallLanguageDialog.h"
#include "InstanceControl.h"
#include "LanguageList.h"
#include "MainWindow.h"
#include "OperatingModeDialog.h"
#include "QuestionDialog.h"
#include "QuickClean.h"
#include "Settings.h"
#include "SkinLook.h"
#include "StartProgram.h"
#include "StartWorker.h"
#include "StringTable.h"
#include "commctrl.h"
#include "objbase.h"
#include "pm.h"
#include "reclaim/RamReclaim.h"

namespace {

void runQuickClean()
{
    registerCleanSchedule();
    Sleep(1000);
    int result = 1;
    if (settings().showReport) {
        startWorker();
        result = runQuickCleanWindow(settings().showProgress != 0);
    } else {
        cleanSelectedCategories();
    }
    if (result == 0)
        startProgram(u"\\Windows\\KelvaraLauncher.exe", nullptr);
}

void runReclaim()
{
    Settings& stored = settings();
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const DWORD before = freePhysicalMemory();
    if (stored.rrCloseAll)
        closeAllPrograms();
    if (stored.rrHibernate)
        hibernateAll();
    if (stored.rrCompact && !appState().resetStart)
        compactAllHeaps();
    Sleep(1000);
    SetCursor(previous);
    const DWORD after = freePhysicalMemory();
    const std::u16string message = after > before
        ? std::u16string(getString(140)) + formatMegabytes(after - before) + getString(141)
        : std::u16string(getString(142));
    if (stored.silentReclaim)
        return;
    bool showAgain = true;
    askQuestion(nullptr, message, false, showAgain);
    if (showAgain != (stored.silentReclaim == 0)) {
        stored.silentReclaim = showAgain ? 0 : 1;
        saveSettings();
    }
}

void runInteractive()
{
    startWorker();
    Settings& stored = settings();
    if (stored.showAdvModeSel) {
        stored.showAdvModeSel = 0; // reaches the registry with the save at the end
        runOperatingModeDialog(nullptr);
    }
    runMainWindow();
    saveSettings();
}

} // namespace

void runKelvara(HINSTANCE instance, const char16_t* commandLine)
{
    AppState& state = appState();
    state.instance = instance;
    state.resourceModule = instance;
    state.uiResourceModule = instance;
    const StartRequest request = readCommandLine(commandLine ? commandLine : u"");

    if (request.install && enumerateLanguages().size() > 1)
        runInstallLanguageDialog(nullptr);
    state.runMode = request.runMode;
    state.resetStart = request.resetStart;
    if (state.runMode == quickCleanRun && !state.resetStart)
        SetSystemPowerState(nullptr, POWER_STATE_ON, 0);
    if (request.timeChange) {
        loadSettings(true);
        registerCleanSchedule();
        return;
    }
    if (!resolveResourceModule(request.install) || request.install)
        return;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (!takeInstance(state.runMode))
        return;
    setHelp(state);
    loadSettings(state.runMode == interactiveRun);
    buildLook(state.resourceModule);
    INITCOMMONCONTROLSEX classes {sizeof classes, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);

    switch (state.runMode) {
    case quickCleanRun:
        runQuickClean();
        break;
    case reclaimRun:
        runReclaim();
        break;
    default:
        runInteractive();
        break;
    }
}
