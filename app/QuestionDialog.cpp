// The question dialog and its template. The box's state is kept by the caller's flag, which the
// dialog updates as soon as the box is ticked or cleared.
#include "QuestionDialog.h"

#include "BaseDialog.h"
#include "ProductMenus.h"
#include "StringTable.h"
#include "resources/DialogTemplates.h"

namespace {

enum Control : WORD {
    questionText = 1120,
    showAgainBox = 1194,
    okButton = doneCommand,
    cancelButton = cancelCommand,
};

constexpr CeDialogControl controls[] = {
    {u"STATIC", nullptr, questionText, WS_CHILD | WS_VISIBLE, 0, 8, 8, 224, 150},
    {u"BUTTON", nullptr, showAgainBox, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 8, 166, 224, 18},
    {u"BUTTON", u"OK", okButton, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 40, 196, 70, 24},
    {u"BUTTON", u"Cancel", cancelButton, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 130, 196, 70, 24},
};

class QuestionDialog : public BaseDialog {
public:
    QuestionDialog(HWND owner, const std::u16string& text, bool twoButtons, bool& showAgain)
        : BaseDialog(questionTemplateId, owner), text(text), twoButtons(twoButtons), showAgain(showAgain)
    {
    }

    LRESULT onInitDialog(WPARAM wParam) override
    {
        initShell(wParam, standardShellFlags, twoButtons ? yesNoMenuId : doneMenuId);
        SetDlgItemTextW(hwnd, questionText, text.c_str());
        setCheck(showAgainBox, showAgain);
        if (!twoButtons) {
            centreOkButton();
            SetWindowTextW(hwnd, getString(61));
        }
        return 1;
    }

    LRESULT onCommand(UINT code, UINT id, HWND control) override
    {
        switch (id) {
        case showAgainBox:
            showAgain = isChecked(showAgainBox);
            return 0;
        case IDOK:
        case okButton:
            EndDialog(hwnd, 1);
            return 0;
        case IDCANCEL:
        case cancelButton:
            EndDialog(hwnd, 0);
            return 0;
        }
        return BaseDialog::onCommand(code, id, control);
    }

private:
    const std::u16string& text;
    bool twoButtons;
    bool& showAgain;

    // The one-button form: Cancel hidden, OK in the middle.
    void centreOkButton()
    {
        const int cancel[] = {cancelButton, 0};
        showItems(cancel, false);
        HWND ok = GetDlgItem(hwnd, okButton);
        const RECT button = childRect(ok);
        RECT client;
        GetClientRect(hwnd, &client);
        const int width = button.right - button.left;
        SetWindowPos(ok, nullptr, (client.right - width) / 2, button.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
};

} // namespace

constinit const CeDialogTemplate questionTemplate {dialogStyle, 0, 0, 0, 240, 268, nullptr, nullptr, 0, controls};

int askQuestion(HWND owner, const std::u16string& text, bool twoButtons, bool& showAgain)
{
    return static_cast<int>(QuestionDialog(owner, text, twoButtons, showAgain).doModal());
}
