// The Settings dialog and its template. Each box writes its setting as soon as it is clicked;
// OK saves them, and a new language restarts the program so that every window shows it.
#include "SettingsDialog.h"

#include "AppState.h"
#include "BaseDialog.h"
#include "LanguageCombo.h"
#include "ProductMenus.h"
#include "Settings.h"
#include "StartProgram.h"
#include "StringTable.h"
#include "commctrl.h"
#include "resources/DialogTemplates.h"

namespace {

enum Control : WORD {
    pageTitle = 9,
    languageLabel = 1343,
    languageCombo = 1298,
    softResetBox = 1110,
    silentReclaimBox = 1117,
    rememberTabBox = 1232,
    rememberViewBox = 1233,
    advancedBox = 1237,
    // Logging: kept in the template, hidden, without behaviour.
    loggingBox = 1161,
    keepLastText = 1162,
    keepLastNumber = 1163,
    keepLastSpin = 1164,
    logFilesText = 1169,
    viewLogButton = 1165,
};

constexpr DWORD box = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr CeDialogControl controls[] = {
    {u"STATIC", nullptr, pageTitle, WS_CHILD | WS_VISIBLE, 0, 4, 2, 232, 18},
    {u"STATIC", nullptr, languageLabel, WS_CHILD | WS_VISIBLE, 0, 8, 28, 80, 16},
    {u"COMBOBOX", nullptr, languageCombo, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 90,
        26, 142, 100},
    {u"BUTTON", nullptr, softResetBox, box, 0, 8, 54, 224, 18},
    {u"BUTTON", nullptr, silentReclaimBox, box, 0, 8, 76, 224, 18},
    {u"BUTTON", nullptr, rememberTabBox, box, 0, 8, 98, 224, 18},
    {u"BUTTON", nullptr, rememberViewBox, box, 0, 8, 120, 224, 18},
    {u"BUTTON", nullptr, advancedBox, box, 0, 8, 142, 224, 18},
    {u"BUTTON", nullptr, loggingBox, WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 8, 170, 224, 18},
    {u"STATIC", nullptr, keepLastText, WS_CHILD, 0, 8, 194, 60, 16},
    {u"EDIT", nullptr, keepLastNumber, WS_CHILD | WS_TABSTOP | WS_BORDER | ES_NUMBER, 0, 70, 192, 40, 20},
    {UPDOWN_CLASSW, nullptr, keepLastSpin, WS_CHILD | UDS_SETBUDDYINT, 0, 110, 192, 12, 20},
    {u"STATIC", nullptr, logFilesText, WS_CHILD, 0, 126, 194, 60, 16},
    {u"BUTTON", nullptr, viewLogButton, WS_CHILD | WS_TABSTOP, 0, 8, 218, 100, 22},
};

struct SettingBox {
    WORD control;
    DWORD Settings::*field;
};

constexpr SettingBox settingBoxes[] = {
    {softResetBox, &Settings::softresetConfirm},
    {silentReclaimBox, &Settings::silentReclaim},
    {rememberTabBox, &Settings::rememberTab},
    {rememberViewBox, &Settings::rememberView},
    {advancedBox, &Settings::enableAdvanced},
};

// Starts a new instance of the program, which shows the new language, and ends this one. The
// marker window goes first: the new instance would otherwise find it and hand over to this one.
void restartProgram()
{
    AppState& state = appState();
    if (state.markerWindow)
        DestroyWindow(state.markerWindow);
    state.markerWindow = nullptr;
    WCHAR path[MAX_PATH];
    if (GetModuleFileNameW(nullptr, path, MAX_PATH))
        startProgram(path, nullptr);
    ExitProcess(0);
}

class SettingsDialog : public BaseDialog {
public:
    explicit SettingsDialog(HWND owner) : BaseDialog(settingsTemplateId, owner) {}

    LRESULT onInitDialog(WPARAM wParam) override
    {
        initShell(wParam, standardShellFlags, doneMenuId);
        fillLanguageCombo(GetDlgItem(hwnd, languageCombo), enumerateLanguages());
        for (const SettingBox& entry : settingBoxes)
            setCheck(entry.control, settings().*entry.field);
        return 1;
    }

    LRESULT onCommand(UINT code, UINT id, HWND control) override
    {
        if (id == IDOK || id == doneCommand) {
            commit();
            return 0;
        }
        if (id == IDCANCEL) {
            EndDialog(hwnd, IDCANCEL);
            return 0;
        }
        if (id == advancedBox)
            confirmAdvanced();
        for (const SettingBox& entry : settingBoxes) {
            if (entry.control == id) {
                settings().*entry.field = isChecked(id);
                return 0;
            }
        }
        return id == languageCombo ? 0 : BaseDialog::onCommand(code, id, control);
    }

private:
    // Ticking Advanced asks first; "No" unticks the box again.
    void confirmAdvanced()
    {
        if (isChecked(advancedBox) && MessageBoxW(hwnd, getString(407), getString(61), MB_YESNO | MB_ICONQUESTION) != IDYES)
            setCheck(advancedBox, 0);
    }

    void commit()
    {
        const auto chosen = static_cast<size_t>(SendDlgItemMessageW(hwnd, languageCombo, CB_GETCURSEL, 0, 0));
        const LanguageList& languages = languageList();
        Settings& stored = settings();
        if (chosen < languages.size() && _wcsicmp(languages[chosen].fileName.c_str(), stored.language.c_str()) != 0) {
            stored.language = languages[chosen].fileName;
            activateUserLanguage(stored.language);
            saveSettings();
            restartProgram();
        }
        saveSettings();
        EndDialog(hwnd, IDOK);
    }
};

} // namespace

constinit const CeDialogTemplate settingsTemplate {dialogStyle, 0, 0, 0, 240, 268, nullptr, nullptr, 0, controls};

void runSettingsDialog(HWND owner)
{
    SettingsDialog(owner).doModal();
}
