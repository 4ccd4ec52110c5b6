// STATIC and BUTTON driven by taps, keys and messages: what each kind of button does with its
// check, what the parent hears and in which order, radio groups, and owner drawing.
#include "ControlHarness.h"

using namespace basic_test;

namespace {

using StaticTest = ControlTest;
using ButtonTest = ControlTest;

TEST_F(StaticTest, TapsNotifyOnlyWithSsNotifyAndWhileEnabled)
{
    struct Case {
        const char* name;
        DWORD style;
        bool disabled;
        std::vector<WORD> expected;
    };
    const Case cases[] = {
        {"plain text", SS_LEFT, false, {}},
        {"notify", SS_NOTIFY, false, {STN_CLICKED, STN_DBLCLK}},
        {"notify, disabled", SS_NOTIFY, true, {}},
    };
    for (const Case& c : cases) {
        HWND label = make(u"STATIC", c.style, u"Name:");
        if (c.disabled)
            EnableWindow(label, FALSE);
        takeCodes();
        tap(label, 5, 5);
        send(label, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        EXPECT_EQ(takeCodes(), c.expected) << c.name;
        DestroyWindow(label);
    }
}

TEST_F(StaticTest, EnablingTellsANotifyingStatic)
{
    HWND label = make(u"STATIC", SS_NOTIFY);
    EnableWindow(label, FALSE);
    EnableWindow(label, TRUE);
    EXPECT_EQ(takeCodes(), (std::vector<WORD> {STN_DISABLE, STN_ENABLE}));
}

TEST_F(StaticTest, ImagesAreKeptByHandleWhenTheTypeSuitsTheStyle)
{
    const auto first = static_cast<LPARAM>(0x1234);
    const auto second = static_cast<LPARAM>(0x5678);
    HWND picture = make(u"STATIC", SS_BITMAP);
    EXPECT_EQ(send(picture, STM_SETIMAGE, IMAGE_BITMAP, first), 0);
    EXPECT_EQ(send(picture, STM_SETIMAGE, IMAGE_BITMAP, second), first);
    EXPECT_EQ(send(picture, STM_SETIMAGE, IMAGE_ICON, first), 0);
    EXPECT_EQ(send(picture, STM_GETIMAGE, IMAGE_BITMAP), second);
    EXPECT_EQ(send(picture, STM_GETIMAGE, IMAGE_ICON), 0);

    HWND icon = make(u"STATIC", SS_ICON);
    EXPECT_EQ(send(icon, STM_SETICON, static_cast<WPARAM>(first)), 0);
    EXPECT_EQ(send(icon, STM_GETIMAGE, IMAGE_ICON), first);
    EXPECT_EQ(send(icon, STM_GETICON), first);

    HWND text = make(u"STATIC", SS_CENTER, u"x");
    EXPECT_EQ(send(text, STM_SETIMAGE, IMAGE_BITMAP, first), 0);
    EXPECT_EQ(send(text, STM_GETIMAGE, IMAGE_BITMAP), 0);
}

TEST_F(StaticTest, TextFontCodeAndColours)
{
    HWND label = make(u"STATIC", SS_RIGHT, u"before");
    EXPECT_EQ(textOf(label), u"before");
    SetWindowTextW(label, u"after");
    EXPECT_EQ(textOf(label), u"after");
    EXPECT_EQ(send(label, WM_GETDLGCODE), DLGC_STATIC);
    const auto font = static_cast<WPARAM>(0x4321);
    send(label, WM_SETFONT, font, FALSE);
    EXPECT_EQ(send(label, WM_GETFONT), static_cast<LRESULT>(font));
    paintNow(label);
    EXPECT_EQ(parentLog().colourRequests, (std::vector<UINT> {WM_CTLCOLORSTATIC}));
}

TEST_F(ButtonTest, DialogCodesFollowTheKind)
{
    const std::pair<DWORD, LRESULT> cases[] = {
        {BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
        {BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
        {BS_CHECKBOX, DLGC_BUTTON},
        {BS_AUTOCHECKBOX, DLGC_BUTTON},
        {BS_3STATE, DLGC_BUTTON},
        {BS_AUTO3STATE, DLGC_BUTTON},
        {BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {BS_GROUPBOX, DLGC_STATIC},
        {BS_OWNERDRAW, DLGC_BUTTON},
    };
    for (const auto& [kind, code] : cases) {
        HWND button = make(u"BUTTON", kind);
        EXPECT_EQ(send(button, WM_GETDLGCODE), code) << "kind " << kind;
        DestroyWindow(button);
    }
}

TEST_F(ButtonTest, SetStyleMakesAndUnmakesTheDefaultButton)
{
    HWND ok = make(u"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, u"OK");
    send(ok, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(send(ok, WM_GETDLGCODE), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongW(ok, GWL_STYLE) & (BS_TYPEMASK | WS_TABSTOP), BS_DEFPUSHBUTTON | WS_TABSTOP);
    send(ok, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_EQ(send(ok, WM_GETDLGCODE), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
}

TEST_F(ButtonTest, ATapClicksEachKindAsTheDeviceDoes)
{
    struct Case {
        DWORD kind;
        WPARAM before;
        LRESULT after;
        std::vector<WORD> expected;
    };
    const Case cases[] = {
        {BS_PUSHBUTTON, BST_UNCHECKED, BST_UNCHECKED, {BN_CLICKED}},
        {BS_DEFPUSHBUTTON, BST_UNCHECKED, BST_UNCHECKED, {BN_CLICKED}},
        {BS_CHECKBOX, BST_UNCHECKED, BST_UNCHECKED, {BN_CLICKED}},
        {BS_AUTOCHECKBOX, BST_UNCHECKED, BST_CHECKED, {BN_CLICKED}},
        {BS_AUTOCHECKBOX, BST_CHECKED, BST_UNCHECKED, {BN_CLICKED}},
        {BS_3STATE, BST_INDETERMINATE, BST_INDETERMINATE, {BN_CLICKED}},
        {BS_AUTO3STATE, BST_UNCHECKED, BST_CHECKED, {BN_CLICKED}},
        {BS_AUTO3STATE, BST_CHECKED, BST_INDETERMINATE, {BN_CLICKED}},
        {BS_AUTO3STATE, BST_INDETERMINATE, BST_UNCHECKED, {BN_CLICKED}},
        {BS_RADIOBUTTON, BST_UNCHECKED, BST_UNCHECKED, {BN_CLICKED}},
        {BS_AUTORADIOBUTTON, BST_UNCHECKED, BST_CHECKED, {BN_CLICKED}},
        {BS_AUTORADIOBUTTON, BST_CHECKED, BST_CHECKED, {BN_CLICKED}},
        {BS_GROUPBOX, BST_UNCHECKED, BST_UNCHECKED, {}},
        {BS_OWNERDRAW, BST_UNCHECKED, BST_UNCHECKED, {BN_CLICKED}},
    };
    for (const Case& c : cases) {
        HWND button = make(u"BUTTON", c.kind | WS_GROUP);
        send(button, BM_SETCHECK, c.before);
        takeCodes();
        tap(button, 10, 10);
        EXPECT_EQ(send(button, BM_GETCHECK), c.after) << "kind " << c.kind << " from " << c.before;
        EXPECT_EQ(takeCodes(), c.expected) << "kind " << c.kind;
        DestroyWindow(button);
    }
}

TEST_F(ButtonTest, AutoThreeStateCyclesThroughItsStatesByKeyAndByClickMessage)
{
    HWND box = make(u"BUTTON", BS_AUTO3STATE);
    std::vector<LRESULT> seen;
    for (int i = 0; i < 3; ++i) {
        press(box, VK_SPACE);
        seen.push_back(send(box, BM_GETCHECK));
    }
    send(box, BM_CLICK);
    seen.push_back(send(box, BM_GETCHECK));
    EXPECT_EQ(seen, (std::vector<LRESULT> {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED, BST_CHECKED}));
    EXPECT_EQ(takeCodes(), std::vector<WORD>(4, BN_CLICKED));
}

TEST_F(ButtonTest, PressedWhileTheStylusIsDownAndNoClickWhenItLiftsOutside)
{
    HWND button = make(u"BUTTON", BS_AUTOCHECKBOX, u"x", 100, 50, 20);
    send(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(send(button, BM_GETSTATE) & BST_PUSHED, BST_PUSHED);
    EXPECT_EQ(GetFocus(), button);
    send(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(80, 5));
    EXPECT_EQ(send(button, BM_GETSTATE) & BST_PUSHED, 0);
    send(button, WM_LBUTTONUP, 0, MAKELPARAM(80, 5));
    EXPECT_EQ(send(button, BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(takeCodes(), std::vector<WORD> {});
    // An up without a down (the tap began elsewhere) is no click either.
    send(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(takeCodes(), std::vector<WORD> {});
}

TEST_F(ButtonTest, SpaceClicksAsItIsReleasedAndOtherKeysDoNot)
{
    HWND button = make(u"BUTTON", BS_PUSHBUTTON);
    send(button, WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(send(button, BM_GETSTATE) & BST_PUSHED, BST_PUSHED);
    EXPECT_EQ(takeCodes(), std::vector<WORD> {});
    send(button, WM_KEYUP, VK_SPACE);
    EXPECT_EQ(takeCodes(), std::vector<WORD> {BN_CLICKED});
    press(button, VK_RETURN);
    send(button, WM_CHAR, u' ');
    EXPECT_EQ(takeCodes(), std::vector<WORD> {});
}

TEST_F(ButtonTest, ADisabledButtonIgnoresTapsAndKeys)
{
    HWND button = make(u"BUTTON", BS_AUTOCHECKBOX | WS_DISABLED);
    tap(button, 5, 5);
    press(button, VK_SPACE);
    EXPECT_EQ(send(button, BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(takeCodes(), std::vector<WORD> {});
}

TEST_F(ButtonTest, SetCheckHoldsWhatTheKindCanShow)
{
    struct Case {
        DWORD kind;
        WPARAM set;
        LRESULT got;
    };
    const Case cases[] = {
        {BS_CHECKBOX, BST_INDETERMINATE, BST_CHECKED},
        {BS_AUTOCHECKBOX, BST_CHECKED, BST_CHECKED},
        {BS_3STATE, BST_INDETERMINATE, BST_INDETERMINATE},
        {BS_AUTO3STATE, 7, BST_INDETERMINATE},
        {BS_RADIOBUTTON, BST_CHECKED, BST_CHECKED},
        {BS_PUSHBUTTON, BST_CHECKED, BST_UNCHECKED},
        {BS_GROUPBOX, BST_CHECKED, BST_UNCHECKED},
    };
    for (const Case& c : cases) {
        HWND button = make(u"BUTTON", c.kind);
        EXPECT_EQ(send(button, BM_SETCHECK, c.set), 0);
        EXPECT_EQ(send(button, BM_GETCHECK), c.got) << "kind " << c.kind;
        DestroyWindow(button);
    }
    EXPECT_EQ(takeCodes(), std::vector<WORD> {}); // setting a check is no click
}

TEST_F(ButtonTest, ACheckedRadioButtonIsATabStop)
{
    HWND radio = make(u"BUTTON", BS_AUTORADIOBUTTON);
    send(radio, BM_SETCHECK, BST_CHECKED);
    EXPECT_TRUE(GetWindowLongW(radio, GWL_STYLE) & WS_TABSTOP);
    send(radio, BM_SETCHECK, BST_UNCHECKED);
    EXPECT_FALSE(GetWindowLongW(radio, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(ButtonTest, AnAutoRadioUnchecksTheOtherAutoRadiosOfItsGroupOnly)
{
    HWND a = make(u"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, u"a", 1);
    HWND b = make(u"BUTTON", BS_AUTORADIOBUTTON, u"b", 2);
    HWND plain = make(u"BUTTON", BS_RADIOBUTTON, u"plain", 3);
    HWND c = make(u"BUTTON", BS_AUTORADIOBUTTON, u"c", 4);
    HWND d = make(u"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, u"d", 5);
    HWND e = make(u"BUTTON", BS_AUTORADIOBUTTON, u"e", 6);
    for (HWND checked : {a, plain, c, d})
        send(checked, BM_SETCHECK, BST_CHECKED);
    takeCodes();

    tap(b, 5, 5);
    const std::vector<LRESULT> afterB = {send(a, BM_GETCHECK), send(b, BM_GETCHECK), send(plain, BM_GETCHECK),
        send(c, BM_GETCHECK), send(d, BM_GETCHECK), send(e, BM_GETCHECK)};
    EXPECT_EQ(afterB, (std::vector<LRESULT> {0, 1, 1, 0, 1, 0}));
    EXPECT_EQ(parentLog().commands, (std::vector<Notification> {{2, BN_CLICKED}}));

    tap(e, 5, 5);
    EXPECT_EQ(send(d, BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(send(b, BM_GETCHECK), BST_CHECKED);
}

TEST_F(ButtonTest, FocusIsPartOfTheStateAndBsNotifyReportsIt)
{
    HWND first = make(u"BUTTON", BS_PUSHBUTTON | BS_NOTIFY, u"1", 1);
    HWND second = make(u"BUTTON", BS_PUSHBUTTON, u"2", 2);
    SetFocus(first);
    EXPECT_EQ(send(first, BM_GETSTATE) & BST_FOCUS, BST_FOCUS);
    SetFocus(second);
    EXPECT_EQ(send(first, BM_GETSTATE) & BST_FOCUS, 0);
    EXPECT_EQ(send(second, BM_GETSTATE) & BST_FOCUS, BST_FOCUS);
    EXPECT_EQ(parentLog().commands, (std::vector<Notification> {{1, BN_SETFOCUS}, {1, BN_KILLFOCUS}}));
}

TEST_F(ButtonTest, PaintingAsksTheParentForTheKindsColours)
{
    const std::pair<DWORD, UINT> cases[] = {
        {BS_PUSHBUTTON, WM_CTLCOLORBTN},
        {BS_AUTOCHECKBOX, WM_CTLCOLORSTATIC},
        {BS_AUTORADIOBUTTON, WM_CTLCOLORSTATIC},
        {BS_GROUPBOX, WM_CTLCOLORSTATIC},
    };
    for (const auto& [kind, request] : cases) {
        HWND button = make(u"BUTTON", kind);
        parentLog().colourRequests.clear();
        paintNow(button);
        EXPECT_EQ(parentLog().colourRequests, std::vector<UINT> {request}) << "kind " << kind;
        DestroyWindow(button);
    }
}

TEST_F(ButtonTest, TheOwnerDrawsAnOwnerDrawButtonWithItsState)
{
    HWND button = make(u"BUTTON", BS_OWNERDRAW, u"", 42, 60, 24);
    paintNow(button);
    send(button, BM_SETSTATE, TRUE);
    SetFocus(button);
    paintNow(button);
    EnableWindow(button, FALSE);
    paintNow(button);

    const auto& draws = parentLog().drawRequests;
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].CtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(draws[0].CtlID, 42u);
    EXPECT_EQ(draws[0].itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
    EXPECT_EQ(draws[0].hwndItem, button);
    EXPECT_EQ(draws[0].rcItem.right, 60);
    EXPECT_EQ(draws[0].rcItem.bottom, 24);
    EXPECT_NE(draws[0].hDC, nullptr);
    EXPECT_EQ(draws[0].itemState, 0u);
    EXPECT_EQ(draws[1].itemState, static_cast<UINT>(ODS_SELECTED | ODS_FOCUS));
    EXPECT_TRUE(draws[2].itemState & ODS_DISABLED);
}

TEST_F(ButtonTest, ImagesAndFontsAreKeptByHandle)
{
    HWND button = make(u"BUTTON", BS_PUSHBUTTON | BS_BITMAP);
    const auto image = static_cast<LPARAM>(0x777);
    EXPECT_EQ(send(button, BM_SETIMAGE, IMAGE_BITMAP, image), 0);
    EXPECT_EQ(send(button, BM_GETIMAGE, IMAGE_BITMAP), image);
    send(button, WM_SETFONT, 0x99, TRUE);
    EXPECT_EQ(send(button, WM_GETFONT), 0x99);
}

} // namespace
