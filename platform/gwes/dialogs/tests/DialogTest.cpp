// Dialogs: a modal dialog's life in messages, the dialog manager's keys, DWL_MSGRESULT, the
// item calls, templates from a module, WM_QUIT inside a modal loop.
#include <gtest/gtest.h>

#include <vector>

#include "../../../resources/tests/ResourceImage.h"
#include "../../../resources/tests/TestResourceIds.h"
#include "TestDevice.h"
#include "ceresource.h"
#include "windows.h"

namespace {

enum : WORD { IDC_LABEL = 10, IDC_NUMBER = 11, IDC_FIRST_RADIO = 20, IDC_SECOND_RADIO = 21, IDC_CHECK = 22 };

constexpr CeDialogControl testControls[] = {
    {u"STATIC", u"Name:", IDC_LABEL, SS_LEFT | WS_VISIBLE, 0, 4, 4, 60, 12},
    {u"EDIT", u"42", IDC_NUMBER, WS_VISIBLE | WS_TABSTOP, 0, 70, 4, 60, 14},
    {u"BUTTON", u"One", IDC_FIRST_RADIO, BS_RADIOBUTTON | WS_VISIBLE | WS_TABSTOP | WS_GROUP, 0, 4, 30, 60, 14},
    {u"BUTTON", u"Two", IDC_SECOND_RADIO, BS_RADIOBUTTON | WS_VISIBLE, 0, 4, 46, 60, 14},
    {u"BUTTON", u"Keep", IDC_CHECK, BS_CHECKBOX | WS_VISIBLE | WS_TABSTOP | WS_GROUP, 0, 4, 62, 60, 14},
    {u"BUTTON", u"OK", IDOK, BS_DEFPUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 0, 4, 90, 50, 20},
    {u"BUTTON", u"Cancel", IDCANCEL, BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 0, 60, 90, 50, 20},
};
constexpr CeDialogTemplate testDialog {WS_POPUP | WS_CAPTION, 0, 0, 0, 200, 120, u"Test", nullptr, 0, testControls};

struct Seen {
    UINT message;
    WPARAM wParam;
    bool operator==(const Seen&) const = default;
};

// What the dialog procedure saw, and what it is to do next.
struct Script {
    std::vector<Seen> seen;
    std::vector<std::pair<UINT, WPARAM>> postAfterInit; // posted to the dialog after WM_INITDIALOG
    LPARAM initParam = 0;
    HWND ownerWhileUp = nullptr;
    BOOL ownerEnabledWhileUp = TRUE;
};

Script* script = nullptr;

INT_PTR testProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        script->seen.push_back({message, 0});
        script->initParam = lParam;
        script->ownerWhileUp = GetWindow(hwnd, GW_OWNER);
        for (auto [posted, param] : script->postAfterInit)
            PostMessageW(hwnd, posted, param, 0);
        return TRUE;
    case WM_COMMAND:
        // The controls' own notifications (EN_SETFOCUS…) are not what these tests follow.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            script->seen.push_back({message, wParam});
            if (script->ownerWhileUp)
                script->ownerEnabledWhileUp = IsWindowEnabled(script->ownerWhileUp);
            EndDialog(hwnd, LOWORD(wParam) == IDOK ? 1000 : 2000);
        }
        return TRUE;
    case WM_NOTIFY:
        SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, 77);
        return TRUE;
    case WM_DESTROY:
        script->seen.push_back({message, 0});
        return FALSE;
    default:
        return FALSE;
    }
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { script = &current; }
    void TearDown() override { script = nullptr; }
    INT_PTR run(HWND owner = nullptr, LPARAM param = 0)
    {
        return DialogBoxIndirectParamW(nullptr, &testDialog, owner, testProc, param);
    }
    testing_support::TestDevice dev;
    Script current;
};

TEST_F(DialogTest, ModalDialogLivesFromInitDialogToDestroyAndDisablesItsOwner)
{
    HWND owner = CreateWindowExW(0, u"STATIC", u"owner", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    current.postAfterInit = {{WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)}};
    EXPECT_EQ(run(owner, 1234), 1000);
    const std::vector<Seen> expected {{WM_INITDIALOG, 0}, {WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)}, {WM_DESTROY, 0}};
    EXPECT_EQ(current.seen, expected);
    EXPECT_EQ(current.initParam, 1234);
    EXPECT_EQ(current.ownerWhileUp, owner);
    EXPECT_FALSE(current.ownerEnabledWhileUp);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(FindWindowW(u"Dialog", u"Test"), nullptr);
    DestroyWindow(owner);
}

TEST_F(DialogTest, KeysAndClosingBecomeTheDialogsCommands)
{
    struct Case {
        const char* what;
        std::vector<std::pair<UINT, WPARAM>> posted;
        INT_PTR result;
        WPARAM command;
    };
    const Case cases[] = {
        {"Enter presses the default button", {{WM_KEYDOWN, VK_RETURN}}, 1000, MAKEWPARAM(IDOK, BN_CLICKED)},
        {"Escape is Cancel", {{WM_KEYDOWN, VK_ESCAPE}}, 2000, MAKEWPARAM(IDCANCEL, BN_CLICKED)},
        {"closing is Cancel", {{WM_CLOSE, 0}}, 2000, MAKEWPARAM(IDCANCEL, BN_CLICKED)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        current = {};
        current.postAfterInit = c.posted;
        EXPECT_EQ(run(), c.result);
        ASSERT_GE(current.seen.size(), 2U);
        EXPECT_EQ(current.seen[1], (Seen {WM_COMMAND, c.command}));
    }
}

INT_PTR probeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return testProc(hwnd, message, wParam, lParam);
    NMHDR header {hwnd, 1, 0};
    // A handled WM_NOTIFY answers with DWL_MSGRESULT.
    EndDialog(hwnd, SendMessageW(hwnd, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header)));
    return TRUE;
}

TEST_F(DialogTest, AnswersComeFromDwlMsgResultAndEndingInInitDialogNeverShows)
{
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, &testDialog, nullptr, probeProc, 0), 77);
}

TEST_F(DialogTest, TabWalksTheTabStopsAndWrapsRound)
{
    HWND dialog = CreateDialogIndirectParamW(nullptr, &testDialog, nullptr, testProc, 0);
    ASSERT_NE(dialog, nullptr);
    const int order[] = {IDC_NUMBER, IDC_FIRST_RADIO, IDC_CHECK, IDOK, IDCANCEL, IDC_NUMBER};
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, order[0])); // WM_INITDIALOG answered TRUE
    for (size_t i = 1; i < std::size(order); ++i) {
        MSG tab {GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        EXPECT_TRUE(IsDialogMessageW(dialog, &tab));
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), order[i]) << i;
    }
    MSG foreign {nullptr, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_FALSE(IsDialogMessageW(dialog, &foreign));
    EXPECT_EQ(GetNextDlgTabItem(dialog, GetDlgItem(dialog, IDC_NUMBER), TRUE), GetDlgItem(dialog, IDCANCEL));
    EXPECT_EQ(GetNextDlgGroupItem(dialog, GetDlgItem(dialog, IDC_FIRST_RADIO), FALSE), GetDlgItem(dialog, IDC_SECOND_RADIO));
    EXPECT_EQ(GetNextDlgGroupItem(dialog, GetDlgItem(dialog, IDC_SECOND_RADIO), FALSE), GetDlgItem(dialog, IDC_FIRST_RADIO));
    DestroyWindow(dialog);
}

TEST_F(DialogTest, ItemCallsReachControlsById)
{
    HWND dialog = CreateDialogIndirectParamW(nullptr, &testDialog, nullptr, testProc, 0);
    ASSERT_NE(dialog, nullptr);
    struct Number {
        const char16_t* text;
        BOOL isSigned;
        UINT value;
        BOOL translated;
    };
    const Number numbers[] = {{u"42", FALSE, 42, TRUE}, {u"  -17 ", TRUE, static_cast<UINT>(-17), TRUE},
        {u"-17", FALSE, 0, FALSE}, {u"4x", FALSE, 0, FALSE}, {u"", FALSE, 0, FALSE},
        {u"4294967295", FALSE, 4294967295U, TRUE}, {u"4294967296", FALSE, 0, FALSE}, {u"2147483648", TRUE, 0, FALSE}};
    for (const Number& n : numbers) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(n.text)));
        ASSERT_TRUE(SetDlgItemTextW(dialog, IDC_NUMBER, n.text));
        BOOL translated = 2;
        EXPECT_EQ(GetDlgItemInt(dialog, IDC_NUMBER, &translated, n.isSigned), n.value);
        EXPECT_EQ(translated, n.translated);
    }
    ASSERT_TRUE(SetDlgItemInt(dialog, IDC_NUMBER, static_cast<UINT>(-5), TRUE));
    WCHAR text[16] {};
    EXPECT_EQ(GetDlgItemTextW(dialog, IDC_NUMBER, text, 16), 2U);
    EXPECT_EQ(std::u16string(text), u"-5");

    ASSERT_TRUE(CheckRadioButton(dialog, IDC_FIRST_RADIO, IDC_SECOND_RADIO, IDC_SECOND_RADIO));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_FIRST_RADIO), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SECOND_RADIO), static_cast<UINT>(BST_CHECKED));
    ASSERT_TRUE(CheckDlgButton(dialog, IDC_CHECK, BST_CHECKED));
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_CHECK, BM_GETCHECK, 0, 0), BST_CHECKED);

    SetLastError(0);
    EXPECT_FALSE(SetDlgItemTextW(dialog, 999, u"x"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CONTROL_ID_NOT_FOUND));
    EXPECT_EQ(GetDlgItemTextW(dialog, 999, text, 16), 0U);
    EXPECT_EQ(text[0], 0);
    DestroyWindow(dialog);
}

TEST_F(DialogTest, QuitInsideAModalLoopEndsTheDialogAndStaysQueued)
{
    current.postAfterInit = {{WM_APP, 0}};
    // The dialog procedure does not know WM_APP; a quit posted meanwhile must survive the loop.
    PostQuitMessage(3);
    run();
    MSG msg {};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3U);
}

TEST_F(DialogTest, BadTemplatesFail)
{
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, nullptr, nullptr, testProc, 0), -1);
    EXPECT_EQ(DialogBoxParamW(nullptr, MAKEINTRESOURCEW(999), nullptr, testProc, 0), -1);
    EXPECT_EQ(CreateDialogIndirectParamW(nullptr, nullptr, nullptr, testProc, 0), nullptr);
    EXPECT_FALSE(EndDialog(nullptr, 1));
}

using TemplateTest = ResourceImageTest;

INT_PTR quietProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

TEST_F(TemplateTest, ModuleTemplatesMakeTheirControls)
{
    HWND dialog = CreateDialogParamW(module, MAKEINTRESOURCEW(IDD_ABOUT), nullptr, quietProc, 0);
    ASSERT_NE(dialog, nullptr) << GetLastError();
    EXPECT_NE(GetDlgItem(dialog, IDC_NAME), nullptr);
    DestroyWindow(dialog);
    SetLastError(0);
    EXPECT_EQ(CreateDialogParamW(module, MAKEINTRESOURCEW(999), nullptr, quietProc, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
}

} // namespace
