// The calls that reach a dialog's controls by id: texts, numbers, check states, messages.
#include <string>

#include "Dialogs.h"

namespace {

// A decimal number as GetDlgItemInt reads it: spaces, an optional sign when signed, digits
// only, within range. False for anything else.
bool parseNumber(const std::u16string& text, bool isSigned, UINT& value)
{
    size_t at = text.find_first_not_of(u' ');
    if (at == std::u16string::npos)
        return false;
    bool negative = false;
    if (isSigned && (text[at] == u'-' || text[at] == u'+'))
        negative = text[at++] == u'-';
    const size_t end = text.find_last_not_of(u' ') + 1;
    if (at >= end)
        return false;
    unsigned long long number = 0;
    for (; at < end; ++at) {
        if (text[at] < u'0' || text[at] > u'9')
            return false;
        number = number * 10 + static_cast<unsigned>(text[at] - u'0');
        if (number > (isSigned ? 0x80000000ULL : 0xFFFFFFFFULL))
            return false;
    }
    if (isSigned && !negative && number > 0x7FFFFFFFULL)
        return false;
    value = negative ? static_cast<UINT>(-static_cast<long long>(number)) : static_cast<UINT>(number);
    return true;
}

HWND itemOrFail(HWND dialog, int id)
{
    return GetDlgItem(dialog, id); // sets ERROR_CONTROL_ID_NOT_FOUND or the handle error
}

std::u16string decimalText(long long value)
{
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

} // namespace

BOOL SetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPCWSTR lpString)
{
    HWND item = itemOrFail(hDlg, nIDDlgItem);
    return item && SetWindowTextW(item, lpString);
}

UINT GetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPWSTR lpString, int cchMax)
{
    HWND item = itemOrFail(hDlg, nIDDlgItem);
    if (!item) {
        if (lpString && cchMax > 0)
            *lpString = 0;
        return 0;
    }
    return static_cast<UINT>(GetWindowTextW(item, lpString, cchMax));
}

BOOL SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned)
{
    const std::u16string text = bSigned ? decimalText(static_cast<int>(uValue)) : decimalText(uValue);
    return SetDlgItemTextW(hDlg, nIDDlgItem, text.c_str());
}

UINT GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned)
{
    if (lpTranslated)
        *lpTranslated = FALSE;
    HWND item = itemOrFail(hDlg, nIDDlgItem);
    if (!item)
        return 0;
    const int length = GetWindowTextLengthW(item);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(item, text.data(), length + 1)));
    UINT value = 0;
    if (!parseNumber(text, bSigned, value))
        return 0;
    if (lpTranslated)
        *lpTranslated = TRUE;
    return value;
}

BOOL CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck)
{
    HWND item = itemOrFail(hDlg, nIDButton);
    if (!item)
        return FALSE;
    SendMessageW(item, BM_SETCHECK, uCheck, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND hDlg, int nIDButton)
{
    HWND item = itemOrFail(hDlg, nIDButton);
    return item ? static_cast<UINT>(SendMessageW(item, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    if (!IsWindow(hDlg))
        return FALSE;
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id) {
        if (HWND item = GetDlgItem(hDlg, id))
            SendMessageW(item, BM_SETCHECK, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}

LRESULT SendDlgItemMessageW(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    HWND item = itemOrFail(hDlg, nIDDlgItem);
    return item ? SendMessageW(item, Msg, wParam, lParam) : 0;
}
