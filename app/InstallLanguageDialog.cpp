// The install-time language dialog and its template: a list of the languages with tick boxes
// (English always ticked) and a combo box with the default language.
#include "InstallLanguageDialog.h"

#include "AppState.h"
#include "BaseDialog.h"
#include "LanguageCombo.h"
#include "ProductMenus.h"
#include "ProgramFolder.h"
#include "Settings.h"
#include "StringTable.h"
#include "commctrl.h"
#include "resources/DialogTemplates.h"

namespace {

enum Control : WORD {
    promptText = 1342,
    defaultLabel = 1343,
    defaultCombo = 1344,
    languageListView = 1345,
};

constexpr CeDialogControl controls[] = {
    {u"STATIC", u"Please select the language you want to install:", promptText, WS_CHILD | WS_VISIBLE, 0, 8, 6, 224,
        32},
    {WC_LISTVIEWW, nullptr, languageListView,
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER, 0, 8, 40, 224,
        150},
    {u"STATIC", nullptr, defaultLabel, WS_CHILD | WS_VISIBLE, 0, 8, 202, 70, 16},
    {u"COMBOBOX", nullptr, defaultCombo, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 80,
        200, 152, 100},
};

// English (row 0) cannot be unticked.
bool refusesChange(const NMLISTVIEW& change)
{
    const UINT wanted = change.uNewState & LVIS_STATEIMAGEMASK;
    return change.iItem == 0 && (change.uChanged & LVIF_STATE) && wanted && wanted != INDEXTOSTATEIMAGEMASK(2);
}

class InstallLanguageDialog : public BaseDialog {
public:
    explicit InstallLanguageDialog(HWND owner) : BaseDialog(languagesTemplateId, owner) {}

    LRESULT onInitDialog(WPARAM wParam) override
    {
        initShell(wParam, standardShellFlags, doneMenuId);
        fillLanguages();
        return 1;
    }

    LRESULT onNotify(int id, NMHDR* header) override
    {
        if (id == languageListView && header->code == LVN_ITEMCHANGING)
            return refusesChange(*reinterpret_cast<const NMLISTVIEW*>(header));
        return BaseDialog::onNotify(id, header);
    }

    LRESULT onCommand(UINT code, UINT id, HWND control) override
    {
        if (id == IDOK || id == doneCommand)
            commit();
        else if (id != IDCANCEL && id != defaultCombo)
            return BaseDialog::onCommand(code, id, control);
        return 0;
    }

private:
    void fillLanguages()
    {
        HWND list = GetDlgItem(hwnd, languageListView);
        ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES);
        RECT bounds;
        GetClientRect(list, &bounds);
        LVCOLUMNW column {};
        column.mask = LVCF_WIDTH;
        column.cx = bounds.right - 13 * resolutionFactor(); // room for the scroll bar
        ListView_InsertColumn(list, 0, &column);

        const LanguageList& languages = languageList();
        fillLanguageCombo(GetDlgItem(hwnd, defaultCombo), languages);
        for (size_t at = 0; at < languages.size(); ++at) {
            LVITEMW row {};
            row.mask = LVIF_TEXT;
            row.iItem = static_cast<int>(at);
            row.pszText = const_cast<LPWSTR>(languages[at].displayName.c_str());
            ListView_InsertItem(list, &row);
        }
        ListView_SetCheckState(list, 0, TRUE);
    }

    void commit()
    {
        HWND list = GetDlgItem(hwnd, languageListView);
        const auto chosen = static_cast<int>(SendDlgItemMessageW(hwnd, defaultCombo, CB_GETCURSEL, 0, 0));
        const LanguageList& languages = languageList();
        if (chosen < 0 || static_cast<size_t>(chosen) >= languages.size() || !ListView_GetCheckState(list, chosen)) {
            MessageBoxW(hwnd,
                u"The default language has to be one of the installed languages. Select another default language "
                u"or check the default language to be installed.",
                getString(61), MB_OK | MB_ICONWARNING);
            return;
        }
        const std::u16string folder = programFolder();
        if (!folder.empty()) {
            for (size_t at = 1; at < languages.size(); ++at) {
                if (!ListView_GetCheckState(list, static_cast<int>(at)))
                    DeleteFileW((folder + languages[at].fileName).c_str());
            }
            settings().language = languages[chosen].fileName;
            saveSettings();
        }
        EndDialog(hwnd, IDOK);
    }
};

} // namespace

constinit const CeDialogTemplate languagesTemplate {dialogStyle, 0, 0, 0, 240, 268, nullptr, nullptr, 0, controls};

void runInstallLanguageDialog(HWND owner)
{
    InstallLanguageDialog(owner).doModal();
}
