// The operating-mode dialog: a title, the two modes as radio buttons and what Protected means.
// Clicking a mode sets EnableAdvanced at once; the dialog has no way to cancel the choice.
#include "OperatingModeDialog.h"

#include "BaseDialog.h"
#include "ProductMenus.h"
#include "Settings.h"
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

class OperatingModeDialog : public BaseDialog {
public:
    explicit OperatingModeDialog(HWND owner) : BaseDialog(operatingModeTemplateId, owner) {}

    LRESULT onInitDialog(WPARAM wParam) override
    {
        initShell(wParam, standardShellFlags, doneMenuId);
        CheckRadioButton(hwnd, protectedButton, advancedButton,
            settings().advancedMode ? advancedButton : protectedButton);
        return 1;
    }

    LRESULT onCommand(UINT code, UINT id, HWND control) override
    {
        switch (id) {
        case protectedButton:
            settings().enableAdvanced = 0;
            return 0;
        case advancedButton:
            settings().enableAdvanced = 1;
            return 0;
        case IDOK:
        case doneCommand:
            EndDialog(hwnd, IDOK);
            return 0;
        case IDCANCEL:
            return 0; // the choice stands
        }
        return BaseDialog::onCommand(code, id, control);
    }
};

} // namespace

constinit const CeDialogTemplate operatingModeTemplate {dialogStyle, 0, 0, 0, 240, 268, nullptr, nullptr, 0, controls};

void runOperatingModeDialog(HWND owner)
{
    OperatingModeDialog(owner).doModal();
}
