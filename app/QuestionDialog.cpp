// The question dialog and its template. The box's state is kept by the caller's flag, which the
// dialog updates as soon as the box is ticked or cleared.
#include "QuestionDialog.h"

#include "AppState.h"
#include "DialogShell.h"
#include "ProductMenus.h"
#include "StringTable.h"
#include "aygshell.h"
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

struct Question {
    const std::u16string& text;
    bool twoButtons;
    bool& showAgain;
};

void centreOkButton(HWND dialog)
{
    ShowWindow(GetDlgItem(dialog, cancelButton), SW_HIDE);
    HWND ok = GetDlgItem(dialog, okButton);
    RECT button;
    RECT client;
    GetWindowRect(ok, &button);
    POINT topLeft {button.left, button.top};
    ScreenToClient(dialog, &topLeft);
    GetClientRect(dialog, &client);
    const int width = button.right - button.left;
    SetWindowPos(ok, nullptr, (client.right - width) / 2, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

INT_PTR CALLBACK questionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* question = reinterpret_cast<Question*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        question = reinterpret_cast<Question*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        initDialogShell(dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN,
            question->twoButtons ? yesNoMenuId : doneMenuId, questionTemplateId);
        SetDlgItemTextW(dialog, questionText, question->text.c_str());
        CheckDlgButton(dialog, showAgainBox, question->showAgain ? BST_CHECKED : BST_UNCHECKED);
        if (!question->twoButtons) {
            centreOkButton(dialog);
            SetWindowTextW(dialog, getString(61));
        }
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case showAgainBox:
            question->showAgain = IsDlgButtonChecked(dialog, showAgainBox) == BST_CHECKED;
            return TRUE;
        case IDOK:
        case okButton:
            EndDialog(dialog, 1);
            return TRUE;
        case IDCANCEL:
        case cancelButton:
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

constinit const CeDialogTemplate questionTemplate {dialogStyle, 0, 0, 0, 240, 268, nullptr, nullptr, 0, controls};

int askQuestion(HWND owner, const std::u16string& text, bool twoButtons, bool& showAgain)
{
    Question question {text, twoButtons, showAgain};
    return static_cast<int>(DialogBoxParamW(appState().instance, MAKEINTRESOURCEW(questionTemplateId), owner,
        questionProc, reinterpret_cast<LPARAM>(&question)));
}
