// ChooseColorW: the colour chooser run modally. A basic or custom colour button puts its
// colour in the red/green/blue edits; "Add to Custom Colors" stores the edits' colour in the
// caller's custom colours at once; OK returns the edits' colour.
#include <algorithm>

#include "ColorDialog.h"
#include "CommonDialogError.h"
#include "SessionDialog.h"

namespace ce::shell {
namespace {

struct ColorSession {
    explicit ColorSession(CHOOSECOLORW& request) : request(request) {}

    CHOOSECOLORW& request;
    size_t nextCustom = 0; // the custom slot "Add to Custom Colors" fills
};

constexpr WORD colorEdits[] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};

void showColor(HWND dialog, COLORREF color)
{
    SetDlgItemInt(dialog, COLOR_RED, GetRValue(color), FALSE);
    SetDlgItemInt(dialog, COLOR_GREEN, GetGValue(color), FALSE);
    SetDlgItemInt(dialog, COLOR_BLUE, GetBValue(color), FALSE);
}

// The edits' colour; a value out of 0..255 is clamped and anything not a number is 0. The
// edits then show what was taken.
COLORREF editedColor(HWND dialog)
{
    BYTE parts[3] {};
    for (size_t i = 0; i < std::size(colorEdits); ++i) {
        BOOL isNumber = FALSE;
        const auto value = static_cast<int>(GetDlgItemInt(dialog, colorEdits[i], &isNumber, TRUE));
        parts[i] = static_cast<BYTE>(isNumber ? std::clamp(value, 0, 255) : 0);
    }
    const COLORREF color = RGB(parts[0], parts[1], parts[2]);
    showColor(dialog, color);
    return color;
}

// The edits and "Add to Custom Colors" are shown once the dialog is fully open.
void showMixer(HWND dialog, const ColorSession& session, bool shown)
{
    for (const WORD edit : colorEdits) {
        ShowWindow(GetDlgItem(dialog, edit), shown ? SW_SHOW : SW_HIDE);
        ShowWindow(GetDlgItem(dialog, labelOfEdit(edit)), shown ? SW_SHOW : SW_HIDE);
    }
    ShowWindow(GetDlgItem(dialog, COLOR_ADD), shown ? SW_SHOW : SW_HIDE);
    const bool mayOpen = !shown && !(session.request.Flags & CC_PREVENTFULLOPEN);
    EnableWindow(GetDlgItem(dialog, COLOR_MIX), mayOpen);
}

void initialise(HWND dialog, ColorSession& session)
{
    showColor(dialog, (session.request.Flags & CC_RGBINIT) ? session.request.rgbResult : RGB(0, 0, 0));
    showMixer(dialog, session, (session.request.Flags & CC_FULLOPEN) && !(session.request.Flags & CC_PREVENTFULLOPEN));
}

void command(HWND dialog, ColorSession& session, WORD id, WORD code)
{
    if (code != BN_CLICKED)
        return;
    if (id >= COLOR_BASIC0 && id < COLOR_BASIC0 + basicColorCount) {
        showColor(dialog, basicColors[id - COLOR_BASIC0]);
    } else if (id >= COLOR_CUSTOM0 && id < COLOR_CUSTOM0 + customColorCount) {
        session.nextCustom = id - COLOR_CUSTOM0;
        showColor(dialog, session.request.lpCustColors[session.nextCustom]);
    } else if (id == COLOR_ADD) {
        session.request.lpCustColors[session.nextCustom] = editedColor(dialog);
        session.nextCustom = (session.nextCustom + 1) % customColorCount;
    } else if (id == COLOR_MIX) {
        showMixer(dialog, session, true);
    } else if (id == IDOK) {
        session.request.rgbResult = editedColor(dialog);
        EndDialog(dialog, IDOK);
    } else if (id == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
    }
}

INT_PTR colorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return sessionDialogProc<ColorSession, initialise, command>(dialog, message, wParam, lParam);
}

} // namespace
} // namespace ce::shell

BOOL ChooseColorW(LPCHOOSECOLORW lpcc)
{
    using namespace ce::shell;
    setCommonDialogError(0);
    if (!lpcc || lpcc->lStructSize != sizeof(CHOOSECOLORW)) {
        setCommonDialogError(lpcc ? CDERR_STRUCTSIZE : CDERR_INITIALIZATION);
        return FALSE;
    }
    if (!lpcc->lpCustColors || (lpcc->hwndOwner && !IsWindow(lpcc->hwndOwner))) {
        setCommonDialogError(lpcc->lpCustColors ? CDERR_DIALOGFAILURE : CDERR_INITIALIZATION);
        return FALSE;
    }
    ColorSession session(*lpcc);
    const CeDialogTemplate dialogTemplate = colorDialogTemplate();
    const INT_PTR answer = DialogBoxIndirectParamW(
        nullptr, &dialogTemplate, lpcc->hwndOwner, colorDialogProc, reinterpret_cast<LPARAM>(&session));
    if (answer == -1)
        setCommonDialogError(CDERR_DIALOGFAILURE);
    return answer == IDOK;
}
