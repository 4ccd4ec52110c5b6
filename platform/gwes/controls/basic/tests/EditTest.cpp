// EDIT driven as a user types and taps, and by its messages: what is accepted, what the parent
// hears in which order, lines split at CR LF, the selection, clipboard and undo.
#include <algorithm>

#include "ControlHarness.h"

using namespace basic_test;

namespace {

using EditTest = ControlTest;

constexpr DWORD single = ES_AUTOHSCROLL;
constexpr DWORD multi = ES_MULTILINE | ES_AUTOVSCROLL;

std::pair<DWORD, DWORD> selectionOf(HWND edit)
{
    DWORD start = 99;
    DWORD end = 99;
    send(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

TEST_F(EditTest, EachTypedCharacterIsAChangeTheParentHearsOf)
{
    HWND edit = make(u"EDIT", single);
    type(edit, u"ab");
    EXPECT_EQ(textOf(edit), u"ab");
    EXPECT_EQ(takeCodes(), (std::vector<WORD> {EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(send(edit, EM_GETMODIFY), TRUE);
    EXPECT_EQ(selectionOf(edit), std::make_pair(2u, 2u));
}

TEST_F(EditTest, TypingFollowsTheStyleAndTheLimit)
{
    struct Case {
        const char* name;
        DWORD style;
        int width;
        WPARAM limit; // 0: the default
        std::u16string initial;
        std::u16string typed;
        std::u16string expected;
        size_t maxTextNotes;
    };
    const Case cases[] = {
        {"plain", single, 100, 0, u"", u"Hello", u"Hello", 0},
        {"digits only", single | ES_NUMBER, 100, 0, u"", u"a1-2 3", u"123", 0},
        {"read-only", single | ES_READONLY, 100, 0, u"keep", u"xy\b", u"keep", 0},
        {"limit", single, 100, 3, u"", u"abcde", u"abc", 2},
        {"limit with text set beyond it", single, 100, 2, u"abcd", u"\bx", u"abc", 1},
        {"upper case", single | ES_UPPERCASE, 100, 0, u"", u"aBc", u"ABC", 0},
        {"lower case", single | ES_LOWERCASE, 100, 0, u"", u"AbC", u"abc", 0},
        {"backspace", single, 100, 0, u"", u"ab\bc", u"ac", 0},
        {"backspace at the start", single, 100, 0, u"", u"\b", u"", 0},
        {"return and tab ignored on one line", single, 100, 0, u"", u"a\rb\tc", u"abc", 0},
        {"return breaks a line", multi, 100, 0, u"", u"a\rb", u"a\r\nb", 0},
        {"no room for a whole line break", multi, 100, 2, u"", u"a\rb", u"ab", 1},
        {"backspace takes CR LF at once", multi, 100, 0, u"", u"a\r\b", u"a", 0},
        {"control characters ignored", single, 100, 0, u"", u"a\x01\x1b", u"a", 0},
    };
    for (const Case& c : cases) {
        HWND edit = make(u"EDIT", c.style, u"", 100, c.width);
        if (c.limit)
            send(edit, EM_LIMITTEXT, c.limit);
        SetWindowTextW(edit, c.initial.c_str());
        send(edit, EM_SETSEL, c.initial.size(), c.initial.size());
        takeCodes();
        type(edit, c.typed);
        EXPECT_EQ(textOf(edit), c.expected) << c.name;
        const auto codes = takeCodes();
        EXPECT_EQ(static_cast<size_t>(std::count(codes.begin(), codes.end(), EN_MAXTEXT)), c.maxTextNotes) << c.name;
        DestroyWindow(edit);
    }
}

TEST_F(EditTest, WithoutAutoScrollTypingStopsAtWhatFitsTheWidth)
{
    HWND edit = make(u"EDIT", 0, u"", 100, 100);
    // Margins of 2 on each side and room for "abcd" as the font measures it.
    MoveWindow(edit, 0, 0, 2 + textExtent(edit, u"abcd") + 2, 20, FALSE);
    takeCodes();
    type(edit, u"abcdef");
    EXPECT_EQ(textOf(edit), u"abcd");
    EXPECT_EQ(takeCodes(),
        (std::vector<WORD> {EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE,
            EN_MAXTEXT, EN_MAXTEXT}));
}

TEST_F(EditTest, SetTextIsAChangeButNotAModification)
{
    HWND edit = make(u"EDIT", single, u"start");
    EXPECT_EQ(textOf(edit), u"start");
    send(edit, EM_LIMITTEXT, 3);
    type(edit, u"x");
    takeCodes();
    EXPECT_EQ(send(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"longer than the limit")), TRUE);
    EXPECT_EQ(takeCodes(), (std::vector<WORD> {EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(textOf(edit), u"longer than the limit");
    EXPECT_EQ(send(edit, EM_GETMODIFY), FALSE);
    EXPECT_EQ(send(edit, EM_CANUNDO), FALSE);
    EXPECT_EQ(selectionOf(edit), std::make_pair(0u, 0u));
    EXPECT_EQ(GetWindowTextLengthW(edit), 21);
    send(edit, WM_SETTEXT, 0, 0);
    EXPECT_EQ(textOf(edit), u"");
}

TEST_F(EditTest, LinesSplitAtCrLf)
{
    HWND edit = make(u"EDIT", multi, u"one\r\ntwo\r\n\r\nfour");
    EXPECT_EQ(send(edit, EM_GETLINECOUNT), 4);
    const std::tuple<int, LRESULT, LRESULT> lines[] = {
        // line, EM_LINEINDEX, EM_LINELENGTH of that index
        {0, 0, 3},
        {1, 5, 3},
        {2, 10, 0},
        {3, 12, 4},
    };
    for (const auto& [line, index, length] : lines) {
        EXPECT_EQ(send(edit, EM_LINEINDEX, line), index) << "line " << line;
        EXPECT_EQ(send(edit, EM_LINELENGTH, index), length) << "line " << line;
        EXPECT_EQ(send(edit, EM_LINEFROMCHAR, index), line) << "line " << line;
    }
    EXPECT_EQ(send(edit, EM_LINEINDEX, 4), -1);
    EXPECT_EQ(send(edit, EM_LINEFROMCHAR, 100), 3);

    send(edit, EM_SETSEL, 6, 6);
    EXPECT_EQ(send(edit, EM_LINEINDEX, static_cast<WPARAM>(-1)), 5);
    EXPECT_EQ(send(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(-1)), 1);
    send(edit, EM_SETSEL, 1, 7); // "ne\r\ntw" selected: "o" before and "o" after are left
    EXPECT_EQ(send(edit, EM_LINELENGTH, static_cast<WPARAM>(-1)), 2);

    HWND line = make(u"EDIT", single, u"one\r\ntwo");
    EXPECT_EQ(send(line, EM_GETLINECOUNT), 1);
    EXPECT_EQ(send(line, EM_LINELENGTH, 0), 8);
}

TEST_F(EditTest, GetLineCopiesUpToTheCountInTheBuffersFirstWord)
{
    HWND edit = make(u"EDIT", multi, u"first\r\nsecond");
    WCHAR buffer[16] {};
    buffer[0] = 16;
    EXPECT_EQ(send(edit, EM_GETLINE, 1, reinterpret_cast<LPARAM>(buffer)), 6);
    EXPECT_EQ(std::u16string(buffer, 6), u"second");
    buffer[0] = 3;
    EXPECT_EQ(send(edit, EM_GETLINE, 0, reinterpret_cast<LPARAM>(buffer)), 3);
    EXPECT_EQ(std::u16string(buffer, 3), u"fir");
    EXPECT_EQ(send(edit, EM_GETLINE, 2, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_EQ(send(edit, EM_GETLINE, 0, 0), 0);
}

TEST_F(EditTest, SetSelTakesEitherOrderMinusOneAndClampsToTheText)
{
    HWND edit = make(u"EDIT", single, u"abcdef");
    struct Case {
        INT start;
        INT end;
        std::pair<DWORD, DWORD> expected;
    };
    const Case cases[] = {
        {1, 3, {1, 3}}, {4, 2, {2, 4}}, {0, -1, {0, 6}}, {2, 100, {2, 6}},
        {-1, 0, {6, 6}}, // a start of -1 drops the selection, the caret stays at its end
    };
    for (const Case& c : cases) {
        send(edit, EM_SETSEL, static_cast<WPARAM>(c.start), c.end);
        EXPECT_EQ(selectionOf(edit), c.expected) << c.start << "," << c.end;
    }
    send(edit, EM_SETSEL, 1, 3);
    EXPECT_EQ(send(edit, EM_GETSEL), MAKELRESULT(1, 3));
    EXPECT_EQ(takeCodes(), std::vector<WORD> {});
}

TEST_F(EditTest, ReplaceSelHonoursTheLimitAndOffersUndo)
{
    HWND edit = make(u"EDIT", single, u"abcdef");
    send(edit, EM_SETSEL, 1, 3);
    send(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"XYZ"));
    EXPECT_EQ(textOf(edit), u"aXYZdef");
    EXPECT_EQ(takeCodes(), (std::vector<WORD> {EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(selectionOf(edit), std::make_pair(4u, 4u));
    EXPECT_EQ(send(edit, EM_CANUNDO), TRUE);
    EXPECT_EQ(send(edit, EM_UNDO), TRUE);
    EXPECT_EQ(textOf(edit), u"abcdef");

    send(edit, EM_LIMITTEXT, 8);
    send(edit, EM_SETSEL, 0, 0);
    send(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(u"1234\r\nmore"));
    EXPECT_EQ(textOf(edit), u"12abcdef");
    EXPECT_EQ(takeCodes(), (std::vector<WORD> {EN_UPDATE, EN_CHANGE, EN_MAXTEXT, EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(send(edit, EM_CANUNDO), FALSE);
    send(edit, EM_REPLACESEL, TRUE, 0);
    EXPECT_EQ(textOf(edit), u"12abcdef");
}

TEST_F(EditTest, AMultiLineReplacementKeepsItsLineBreaks)
{
    HWND edit = make(u"EDIT", multi);
    send(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"a\r\nb"));
    EXPECT_EQ(textOf(edit), u"a\r\nb");
    EXPECT_EQ(send(edit, EM_GETLINECOUNT), 2);
}

TEST_F(EditTest, CutAndPasteGoThroughTheDeviceClipboard)
{
    HWND from = make(u"EDIT", single, u"abcd", 1);
    HWND to = make(u"EDIT", single, u"xy", 2);
    send(from, EM_SETSEL, 1, 3);
    send(from, WM_CUT);
    EXPECT_EQ(textOf(from), u"ad");
    send(to, EM_SETSEL, 1, 1);
    send(to, WM_PASTE);
    EXPECT_EQ(textOf(to), u"xbcy");
    type(to, u"\x16"); // Ctrl+V
    EXPECT_EQ(textOf(to), u"xbcbcy");
    send(to, EM_SETSEL, 0, 1);
    send(to, WM_CLEAR);
    EXPECT_EQ(textOf(to), u"bcbcy");
    send(to, EM_SETSEL, 0, 2);
    type(to, u"\x03"); // Ctrl+C
    send(from, EM_SETSEL, 0, -1);
    send(from, WM_PASTE);
    EXPECT_EQ(textOf(from), u"bc");
}

TEST_F(EditTest, ProtectedEditsKeepTheirTextFromTheClipboard)
{
    HWND source = make(u"EDIT", single, u"known", 1);
    send(source, EM_SETSEL, 0, -1);
    send(source, WM_COPY);

    HWND password = make(u"EDIT", single | ES_PASSWORD, u"secret", 2);
    send(password, EM_SETSEL, 0, -1);
    send(password, WM_COPY);
    send(password, WM_CUT);
    EXPECT_EQ(textOf(password), u"secret");
    EXPECT_EQ(send(password, EM_GETPASSWORDCHAR), u'*');

    HWND readOnly = make(u"EDIT", single | ES_READONLY, u"fixed", 3);
    send(readOnly, EM_SETSEL, 0, 2);
    send(readOnly, WM_PASTE);
    send(readOnly, WM_CLEAR);
    EXPECT_EQ(textOf(readOnly), u"fixed");
    send(readOnly, WM_CUT); // copies, deletes nothing

    HWND target = make(u"EDIT", single, u"", 4);
    send(target, WM_PASTE);
    EXPECT_EQ(textOf(target), u"fi");
}

TEST_F(EditTest, TypingIsUndoneAsOneStepAndUndoingAgainRedoes)
{
    HWND edit = make(u"EDIT", single, u"x");
    send(edit, EM_SETSEL, 1, 1);
    type(edit, u"abc");
    EXPECT_EQ(send(edit, EM_UNDO), TRUE);
    EXPECT_EQ(textOf(edit), u"x");
    type(edit, u"\x1a"); // Ctrl+Z
    EXPECT_EQ(textOf(edit), u"xabc");
    send(edit, EM_EMPTYUNDOBUFFER);
    EXPECT_EQ(send(edit, EM_CANUNDO), FALSE);

    HWND lines = make(u"EDIT", multi);
    EXPECT_EQ(send(lines, EM_UNDO), FALSE); // a multi-line edit says when there was nothing to undo
}

TEST_F(EditTest, CaretKeysStepOverLineBreaksAndKeepTheColumn)
{
    HWND edit = make(u"EDIT", multi, u"abc\r\nd\r\nefgh");
    struct Step {
        WPARAM key;
        DWORD caret;
    };
    send(edit, EM_SETSEL, 2, 2);
    const Step steps[] = {
        {VK_DOWN, 6}, // "d" is shorter: its end
        {VK_DOWN, 9}, // column 1 of "efgh"
        {VK_END, 12},
        {VK_UP, 6},
        {VK_LEFT, 5},
        {VK_LEFT, 3}, // over CR LF in one step
        {VK_RIGHT, 5},
        {VK_HOME, 5},
        {VK_UP, 0},
        {VK_UP, 0},
    };
    for (const Step& s : steps) {
        send(edit, WM_KEYDOWN, s.key);
        EXPECT_EQ(selectionOf(edit), std::make_pair(s.caret, s.caret)) << "key " << s.key;
    }
    send(edit, EM_SETSEL, 3, 3);
    send(edit, WM_KEYDOWN, VK_DELETE);
    EXPECT_EQ(textOf(edit), u"abcd\r\nefgh");
    send(edit, EM_SETSEL, 1, 4);
    send(edit, WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(selectionOf(edit), std::make_pair(4u, 4u));
    EXPECT_EQ(takeCodes(), (std::vector<WORD> {EN_UPDATE, EN_CHANGE}));
}

TEST_F(EditTest, ReadOnlyIgnoresDeleteAndCanBeSwitched)
{
    HWND edit = make(u"EDIT", single | ES_READONLY, u"abc");
    send(edit, WM_KEYDOWN, VK_DELETE);
    EXPECT_EQ(textOf(edit), u"abc");
    EXPECT_EQ(send(edit, EM_SETREADONLY, FALSE), TRUE);
    EXPECT_FALSE(GetWindowLongW(edit, GWL_STYLE) & ES_READONLY);
    send(edit, WM_KEYDOWN, VK_DELETE);
    EXPECT_EQ(textOf(edit), u"bc");
    send(edit, EM_SETREADONLY, TRUE);
    EXPECT_TRUE(GetWindowLongW(edit, GWL_STYLE) & ES_READONLY);
}

TEST_F(EditTest, LimitsFollowTheDevice)
{
    struct Case {
        DWORD style;
        WPARAM set;
        LRESULT got;
    };
    const Case cases[] = {
        {single, 10, 10},
        {single, 0, 0x7FFE},
        {single, 100000, 0x7FFE},
        {multi, 0, 0xFFFF},
        {multi, 100000, 100000},
        {multi, static_cast<WPARAM>(-1), 0x7FFFFFFE},
    };
    HWND fresh = make(u"EDIT", single);
    EXPECT_EQ(send(fresh, EM_GETLIMITTEXT), 30000);
    for (const Case& c : cases) {
        HWND edit = make(u"EDIT", c.style);
        send(edit, EM_SETLIMITTEXT, c.set);
        EXPECT_EQ(send(edit, EM_GETLIMITTEXT), c.got) << c.style << " " << c.set;
        DestroyWindow(edit);
    }
}

TEST_F(EditTest, FocusNotificationsInOrder)
{
    HWND first = make(u"EDIT", single, u"", 1);
    HWND second = make(u"EDIT", single, u"", 2);
    SetFocus(first);
    SetFocus(second);
    EXPECT_EQ(
        parentLog().commands, (std::vector<Notification> {{1, EN_SETFOCUS}, {1, EN_KILLFOCUS}, {2, EN_SETFOCUS}}));
}

TEST_F(EditTest, ATapTakesTheFocusAndPlacesTheCaret)
{
    HWND edit = make(u"EDIT", multi, u"hello\r\nworld", 1, 100, 40);
    // Characters lie where the font puts them, after a margin of 2.
    const int afterWor = 2 + textExtent(edit, u"wor");
    tap(edit, afterWor, 16 + 4);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(selectionOf(edit), std::make_pair(10u, 10u));
    EXPECT_EQ(send(edit, EM_CHARFROMPOS, 0, MAKELPARAM(2 + textExtent(edit, u"hel") + 1, 4)), MAKELRESULT(3, 0));
    EXPECT_EQ(send(edit, EM_POSFROMCHAR, 10), MAKELRESULT(afterWor, 16));
    EXPECT_EQ(send(edit, EM_POSFROMCHAR, 12), -1);
}

TEST_F(EditTest, DialogCodesAndColours)
{
    HWND line = make(u"EDIT", single);
    HWND lines = make(u"EDIT", multi);
    EXPECT_EQ(send(line, WM_GETDLGCODE), DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
    EXPECT_EQ(send(lines, WM_GETDLGCODE), DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS);

    paintNow(line);
    send(line, EM_SETREADONLY, TRUE);
    paintNow(line);
    send(line, EM_SETREADONLY, FALSE);
    EnableWindow(line, FALSE);
    paintNow(line);
    EXPECT_EQ(parentLog().colourRequests, (std::vector<UINT> {WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC, WM_CTLCOLORSTATIC}));
}

TEST_F(EditTest, TheCaretLineIsScrolledIntoView)
{
    HWND edit = make(u"EDIT", multi, u"1\r\n2\r\n3\r\n4\r\n5", 1, 100, 32); // two lines show
    send(edit, EM_SETSEL, 12, 12);
    EXPECT_EQ(send(edit, EM_GETFIRSTVISIBLELINE), 3);
    send(edit, EM_SETSEL, 0, 0);
    EXPECT_EQ(send(edit, EM_GETFIRSTVISIBLELINE), 0);
    EXPECT_EQ(send(edit, EM_LINESCROLL, 0, 2), TRUE);
    EXPECT_EQ(send(edit, EM_GETFIRSTVISIBLELINE), 2);
    EXPECT_EQ(send(edit, EM_SCROLLCARET), TRUE);
    EXPECT_EQ(send(edit, EM_GETFIRSTVISIBLELINE), 0);
}

} // namespace
