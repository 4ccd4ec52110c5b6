// Message boxes: a dialog of the "MessageBox" class made for the call, its icon painted at the
// top left, its text in a STATIC control and one button per answer, run modally; or the test
// responder's answer. The caption shows in the shell's title bar, as for every foreground window.
#include "emulator/UserInterface.h"

#include <mutex>
#include <vector>

#include "Dialogs.h"
#include "MessageBoxIcon.h"
#include "gwes/Screen.h"

namespace {

struct ResponderSlot {
    std::mutex lock;
    emulator::MessageBoxResponder responder;
};

ResponderSlot& responderSlot()
{
    static ResponderSlot slot;
    return slot;
}

int answerOfResponder(const emulator::MessageBoxShown& shown)
{
    emulator::MessageBoxResponder responder;
    {
        std::lock_guard guard(responderSlot().lock);
        responder = responderSlot().responder;
    }
    return responder ? responder(shown) : 0;
}

struct Answer {
    int id;
    const char16_t* text;
};

std::vector<Answer> answersOf(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{IDOK, u"OK"}, {IDCANCEL, u"Cancel"}};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, u"Abort"}, {IDRETRY, u"Retry"}, {IDIGNORE, u"Ignore"}};
    case MB_YESNOCANCEL:
        return {{IDYES, u"Yes"}, {IDNO, u"No"}, {IDCANCEL, u"Cancel"}};
    case MB_YESNO:
        return {{IDYES, u"Yes"}, {IDNO, u"No"}};
    case MB_RETRYCANCEL:
        return {{IDRETRY, u"Retry"}, {IDCANCEL, u"Cancel"}};
    default:
        return {{IDOK, u"OK"}};
    }
}

// The control id of the message text.
constexpr WORD textId = 0xFFFF;
// The icon's square and the margin around the box's parts, in dialog units.
constexpr short iconSize = 32;
constexpr short margin = 8;

RECT iconBox()
{
    const int left = ce::gwes::dialogUnitsToPixels(margin);
    const int size = ce::gwes::dialogUnitsToPixels(iconSize);
    return {left, left, left + size, left + size};
}

INT_PTR paintIcon(HWND hwnd)
{
    const auto type = static_cast<UINT>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!ce::gwes::hasMessageBoxIcon(type))
        return FALSE;
    PAINTSTRUCT paint {};
    if (HDC dc = BeginPaint(hwnd, &paint)) {
        ce::gwes::drawMessageBoxIcon(dc, iconBox(), type);
        EndPaint(hwnd, &paint);
    }
    return TRUE;
}

INT_PTR messageBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        const auto type = static_cast<UINT>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, static_cast<LONG_PTR>(type));
        const auto answers = answersOf(type);
        const size_t chosen = (type & MB_DEFBUTTON3) ? 2 : (type & MB_DEFBUTTON2) ? 1 : 0;
        const int defaultId = answers[chosen < answers.size() ? chosen : 0].id;
        SendMessageW(hwnd, DM_SETDEFID, static_cast<WPARAM>(defaultId), 0);
        SetFocus(GetDlgItem(hwnd, defaultId));
        return FALSE;
    }
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        const auto type = static_cast<UINT>(GetWindowLongPtrW(hwnd, DWLP_USER));
        // Escape and closing answer Cancel where there is one, OK for a box with only OK.
        if (id == IDCANCEL && !GetDlgItem(hwnd, IDCANCEL))
            id = (type & MB_TYPEMASK) == MB_OK ? IDOK : 0;
        if (id >= IDOK && id <= IDNO && GetDlgItem(hwnd, id))
            EndDialog(hwnd, id);
        return TRUE;
    }
    case WM_PAINT:
        return paintIcon(hwnd);
    default:
        return FALSE;
    }
}

} // namespace

void emulator::setMessageBoxResponder(MessageBoxResponder responder)
{
    std::lock_guard guard(responderSlot().lock);
    responderSlot().responder = std::move(responder);
}

int MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType)
{
    if ((uType & MB_TYPEMASK) > MB_RETRYCANCEL || (hWnd && !IsWindow(hWnd))) {
        SetLastError(hWnd && !IsWindow(hWnd) ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::u16string text = lpText ? lpText : u"";
    const std::u16string caption = lpCaption ? lpCaption : u"Error";
    if (uType & MB_ICONMASK)
        MessageBeep(uType & MB_ICONMASK);
    if (const int answer = answerOfResponder({text, caption, uType}); answer >= IDOK && answer <= IDNO)
        return answer;

    // A box across the screen's width: the text above a row of equal buttons.
    const SIZE screen = ce::gwes::screenSize();
    const auto unitsWide = static_cast<short>(screen.cx * 96 / ce::gwes::screenDpi());
    const auto answers = answersOf(uType);
    std::vector<CeDialogControl> controls;
    // The text starts right of the icon when there is one.
    const auto textLeft = static_cast<short>(ce::gwes::hasMessageBoxIcon(uType) ? margin + iconSize + margin : margin);
    controls.push_back({u"STATIC", text.c_str(), textId, SS_LEFT | WS_VISIBLE, 0, textLeft, margin,
        static_cast<short>(unitsWide - textLeft - margin), 60});
    const auto buttonWidth = static_cast<short>((unitsWide - 8) / static_cast<short>(answers.size()) - 8);
    short x = 8;
    for (const Answer& answer : answers) {
        controls.push_back({u"BUTTON", answer.text, static_cast<WORD>(answer.id),
            BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 0, x, 76, buttonWidth, 22});
        x = static_cast<short>(x + buttonWidth + 8);
    }
    const CeDialogTemplate dialogTemplate {WS_POPUP | WS_CAPTION | DS_CENTER | DS_MODALFRAME, WS_EX_DLGMODALFRAME, 0,
        0, unitsWide, 106, caption.c_str(), nullptr, 0, controls};
    // A child given as the owner stands for its top-level window, as CreateWindowExW takes it.
    HWND box = ce::gwes::createDialog(nullptr, dialogTemplate, hWnd, messageBoxProc, static_cast<LPARAM>(uType),
        ce::gwes::messageBoxClassName);
    if (!box)
        return 0;
    return static_cast<int>(ce::gwes::runModalDialog(box));
}
