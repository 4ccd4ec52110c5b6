// The second thread's view of a common dialog: windows found by class and title, controls
// read and set with their own messages.
#include "DialogDriver.h"

namespace commdlg_test {
namespace {

constexpr int waitRounds = 2'000'000;

std::u16string textOf(HWND window, UINT lengthMessage, UINT textMessage, WPARAM index)
{
    const LRESULT length = SendMessageW(window, lengthMessage, index, 0);
    if (length < 0)
        return {};
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    SendMessageW(window, textMessage, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

} // namespace

HWND waitForWindow(const char16_t* className, const char16_t* title)
{
    for (int round = 0; round < waitRounds; ++round) {
        HWND window = FindWindowW(className, title);
        if (window && IsWindowVisible(window))
            return window;
        std::this_thread::yield();
    }
    return nullptr;
}

bool waitUntilGone(HWND window)
{
    for (int round = 0; round < waitRounds && IsWindow(window); ++round)
        std::this_thread::yield();
    return !IsWindow(window);
}

std::string ascii(std::u16string_view text)
{
    std::string narrow;
    for (const char16_t c : text)
        narrow += c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
}

std::u16string itemText(HWND dialog, int id)
{
    WCHAR text[MAX_PATH] {};
    GetDlgItemTextW(dialog, id, text, MAX_PATH);
    return text;
}

void setItemText(HWND dialog, int id, const std::u16string& text)
{
    SetDlgItemTextW(dialog, id, text.c_str());
}

void press(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void notify(HWND dialog, int id, WORD code)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::vector<std::u16string> listRows(HWND dialog, int id)
{
    HWND list = GetDlgItem(dialog, id);
    std::vector<std::u16string> rows;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        std::u16string text = textOf(list, LB_GETTEXTLEN, LB_GETTEXT, static_cast<WPARAM>(row));
        if (SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0) == 1)
            text += u'\\';
        rows.push_back(text);
    }
    return rows;
}

std::vector<std::u16string> comboItems(HWND dialog, int id)
{
    HWND combo = GetDlgItem(dialog, id);
    std::vector<std::u16string> items;
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT item = 0; item < count; ++item)
        items.push_back(textOf(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, static_cast<WPARAM>(item)));
    return items;
}

std::u16string comboSelection(HWND dialog, int id)
{
    HWND combo = GetDlgItem(dialog, id);
    const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    return selected < 0 ? std::u16string {} : textOf(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, static_cast<WPARAM>(selected));
}

std::u16string answerMessageBox(const char16_t* caption, int answer)
{
    HWND box = waitForWindow(u"MessageBox", caption);
    if (!box)
        return {};
    const std::u16string text = itemText(box, 0xFFFF);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    waitUntilGone(box);
    return text;
}

} // namespace commdlg_test
