// The About box and its template: "Kelvara 2.3 (Build 230)" under the product bitmap.
#include "AboutBox.h"

#include "AppState.h"
#include "ProductMenus.h"
#include "resources/DialogTemplates.h"
#include "views/LayoutDialog.h"
#include "views/TabView.h"

namespace {

enum Control : WORD {
    productBitmapControl = 109,
    versionText = 1242,
};

constexpr CeDialogControl controls[] = {
    {u"STATIC", nullptr, pageTitleId, WS_CHILD | WS_VISIBLE, 0, 2, 2, 236, 18},
    {u"STATIC", nullptr, productBitmapControl, WS_CHILD | WS_VISIBLE | SS_BITMAP, 0, 96, 60, 48, 48},
    {u"STATIC", nullptr, versionText, WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 4, 120, 232, 20},
};

constexpr int versionMajor = 2;
constexpr int versionMinor = 3;
constexpr int versionBuild = 230;

class AboutBox : public LayoutDialog {
public:
    explicit AboutBox(HWND owner) : LayoutDialog(aboutTemplateId, owner)
    {
        helpTopic = 29;
        titleId = pageTitleId;
        styledTitle = true;
    }

    std::span<LayoutEntry> layoutTable() override { return aboutLayout(); }

    LRESULT onInitDialog(WPARAM wParam) override
    {
        initShell(wParam, standardShellFlags, doneMenuId);
        WCHAR version[64];
        wsprintfW(version, u"Kelvara %d.%d (Build %d)", versionMajor, versionMinor, versionBuild);
        SetDlgItemTextW(hwnd, versionText, version);
        if (HBITMAP product = LoadBitmapW(appState().resourceModule, MAKEINTRESOURCEW(productBitmapId)))
            SendDlgItemMessageW(hwnd, productBitmapControl, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(product));
        layOut();
        return 1;
    }

    LRESULT onCommand(UINT code, UINT id, HWND control) override
    {
        if (id == IDOK || id == IDCANCEL || id == doneCommand) {
            EndDialog(hwnd, IDOK);
            return 0;
        }
        return LayoutDialog::onCommand(code, id, control);
    }
};

} // namespace

constinit const CeDialogTemplate aboutTemplate {dialogStyle, 0, 0, 0, 240, 268, nullptr, nullptr, 0, controls};

void runAboutBox(HWND owner)
{
    AboutBox(owner).doModal();
}
