// The date and time picker as a person uses it: arrows that move between fields and step them
// (days kept within their month), digits typed into fields, taps that pick fields or the check
// box, limits that hold the value, and the notifications each change sends.
#include "DateTimeTestSupport.h"

using namespace datetime_test;

namespace {

constexpr const char16_t* dateAndTime = u"MM/dd/yyyy hh:mm tt";

class DateTimePickerTest : public DateTimeTest {
protected:
    // A picker showing Wednesday 31 January 2024, 23:59, in dateAndTime.
    HWND makeEditing(DWORD style = 0, const char16_t* format = dateAndTime)
    {
        HWND picker = makePicker(style, format);
        EXPECT_TRUE(setTime(picker, timeOf(2024, 1, 31, 23, 59, 0, 3)));
        return picker;
    }
    static void key(HWND picker, WPARAM vk, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            send(picker, WM_KEYDOWN, vk, 0);
    }
    static void type(HWND picker, std::u16string_view text)
    {
        for (char16_t c : text)
            send(picker, WM_CHAR, c, 0);
    }
    // Where a tap lands: the middle of the character at `index` of the text as the picker draws it
    // in the system font (2 pixels of margin, after the check box of a DTS_SHOWNONE picker), or
    // just past the text's end for an index beyond it.
    static int xOfCharacter(HWND picker, int index, bool checkBox = false)
    {
        const std::u16string text = textOf(picker);
        const int size = static_cast<int>(text.size());
        SIZE before {};
        SIZE through {};
        HDC dc = GetDC(picker);
        GetTextExtentPoint32W(dc, text.c_str(), std::min(index, size), &before);
        GetTextExtentPoint32W(dc, text.c_str(), std::min(index + 1, size), &through);
        ReleaseDC(picker, dc);
        return (checkBox ? 16 : 0) + 2 + (before.cx + through.cx) / 2 + (index >= size ? 1 : 0);
    }
    static void tapAt(HWND picker, int x, int y = 10) { send(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
};

TEST_F(DateTimePickerTest, StartsAtTheDevicesLocalTime)
{
    SYSTEMTIME before {};
    GetLocalTime(&before);
    HWND picker = makePicker();
    const SYSTEMTIME shown = timeIn(picker);
    EXPECT_EQ(std::vector({shown.wYear, shown.wMonth, shown.wDay, shown.wHour, shown.wMinute}),
        std::vector({before.wYear, before.wMonth, before.wDay, before.wHour, before.wMinute}));
    EXPECT_EQ(send(picker, DTM_GETSYSTEMTIME, 0, 0), GDT_ERROR);
    EXPECT_FALSE(send(picker, DTM_SETSYSTEMTIME, GDT_NONE, 0)) << "no check box to clear";
    EXPECT_EQ(send(picker, WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
    EXPECT_EQ(DateTime_GetMonthCal(picker), nullptr) << "no calendar without a screen";
}

TEST_F(DateTimePickerTest, ArrowsMoveBetweenFieldsAndStepThem)
{
    struct Case {
        std::vector<WPARAM> keys;
        const char16_t* shown;
    };
    const Case cases[] = {
        {{VK_UP}, u"02/29/2024 11:59 PM"},
        {{VK_DOWN}, u"12/31/2024 11:59 PM"},
        {{VK_RIGHT, VK_UP}, u"01/01/2024 11:59 PM"},
        {{VK_RIGHT, VK_DOWN}, u"01/30/2024 11:59 PM"},
        {{VK_RIGHT, VK_RIGHT, VK_UP}, u"01/31/2025 11:59 PM"},
        {{VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_UP}, u"01/31/2024 12:59 AM"},
        {{VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_UP}, u"01/31/2024 11:00 PM"},
        {{VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_UP}, u"01/31/2024 11:59 AM"},
        {{VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN}, u"01/31/2024 11:59 AM"},
        {{VK_LEFT, VK_LEFT, VK_UP}, u"02/29/2024 11:59 PM"},
        {{VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_LEFT, VK_LEFT, VK_UP}, u"01/01/2024 11:59 PM"},
        {{VK_UP, VK_UP}, u"03/29/2024 11:59 PM"},
        {{VK_DOWN, VK_RIGHT, VK_RIGHT, VK_UP}, u"12/31/2025 11:59 PM"},
    };
    for (const Case& c : cases) {
        HWND picker = makeEditing();
        for (WPARAM vk : c.keys)
            key(picker, vk);
        EXPECT_EQ(textOf(picker), c.shown) << describe(c.shown);
        DestroyWindow(picker);
    }
}

TEST_F(DateTimePickerTest, EachChangeTellsTheParentTheNewValue)
{
    HWND picker = makeEditing();
    key(picker, VK_UP);
    key(picker, VK_RIGHT);
    key(picker, VK_LEFT);
    EXPECT_EQ(takeChanges(), (std::vector {Notice {DTN_DATETIMECHANGE, GDT_VALID, timeOf(2024, 2, 29, 23, 59, 0, 4)}}))
        << "moving between fields changes nothing";
    EXPECT_EQ(timeIn(picker).wDayOfWeek, 4);
}

TEST_F(DateTimePickerTest, ChangingTheYearKeepsTheDayInItsMonth)
{
    HWND picker = makePicker(0, u"yyyy-MM-dd");
    ASSERT_TRUE(setTime(picker, timeOf(2024, 2, 29)));
    key(picker, VK_UP);
    EXPECT_EQ(textOf(picker), u"2025-02-28");
    key(picker, VK_DOWN, 5);
    EXPECT_EQ(textOf(picker), u"2020-02-28") << "the day stays where the change put it";
}

TEST_F(DateTimePickerTest, DigitsTypeIntoTheFocusedField)
{
    struct Case {
        const char16_t* format;
        int field;
        const char16_t* typed;
        const char16_t* shown;
        size_t changes;
    };
    // From Saturday 10 February 2024, 23:59.
    const Case cases[] = {
        {u"MM/dd/yyyy", 0, u"12", u"12/10/2024", 2},
        {u"MM/dd/yyyy", 0, u"15", u"05/10/2024", 2},
        {u"MM/dd/yyyy", 0, u"09", u"09/10/2024", 1},
        {u"MM/dd/yyyy", 0, u"0", u"02/10/2024", 0},
        {u"MM/dd/yyyy", 0, u"123", u"03/10/2024", 3},
        {u"MM/dd/yyyy", 0, u"x/", u"02/10/2024", 0},
        {u"MM/dd/yyyy", 1, u"31", u"02/01/2024", 2},
        {u"MM/dd/yyyy", 1, u"29", u"02/29/2024", 2},
        {u"MM/dd/yyyy", 2, u"203", u"02/10/2024", 0},
        {u"MM/dd/yyyy", 2, u"2030", u"02/10/2030", 1},
        {u"MM/dd/yyyy", 2, u"1234", u"02/10/2024", 0},
        {u"MM/dd/yy", 2, u"99", u"02/10/99", 1},
        {u"hh:mm tt", 0, u"07", u"07:59 PM", 1},
        {u"hh:mm tt", 1, u"5", u"11:05 PM", 1},
        {u"hh:mm tt", 2, u"a", u"11:59 AM", 1},
        {u"hh:mm tt", 2, u"P", u"11:59 PM", 0},
        {u"HH:mm", 0, u"24", u"04:59", 2},
        {u"dddd", 0, u"5", u"Saturday", 0},
    };
    for (const Case& c : cases) {
        HWND picker = makePicker(0, c.format);
        ASSERT_TRUE(setTime(picker, timeOf(2024, 2, 10, 23, 59)));
        key(picker, VK_RIGHT, c.field);
        takeChanges();
        type(picker, c.typed);
        EXPECT_EQ(textOf(picker), c.shown) << describe(c.format) << " typed " << describe(c.typed);
        EXPECT_EQ(takeChanges().size(), c.changes) << describe(c.format) << " typed " << describe(c.typed);
        DestroyWindow(picker);
    }
    HWND twoDigits = makePicker(0, u"yy");
    ASSERT_TRUE(setTime(twoDigits, timeOf(2024, 2, 10)));
    type(twoDigits, u"29");
    EXPECT_EQ(timeIn(twoDigits).wYear, 2029);
    type(twoDigits, u"30");
    EXPECT_EQ(timeIn(twoDigits).wYear, 1930);
}

TEST_F(DateTimePickerTest, TapsPickTheFieldUnderTheStylus)
{
    struct Case {
        int character;
        const char16_t* afterUp;
    };
    // "01/31/2024 11:59 PM"
    const Case cases[] = {
        {0, u"02/29/2024 11:59 PM"},
        {1, u"02/29/2024 11:59 PM"},
        {2, u"01/01/2024 11:59 PM"},
        {7, u"01/31/2025 11:59 PM"},
        {10, u"01/31/2024 12:59 AM"},
        {15, u"01/31/2024 11:00 PM"},
        {18, u"01/31/2024 11:59 AM"},
        {29, u"01/31/2024 11:59 AM"},
    };
    for (const Case& c : cases) {
        HWND picker = makeEditing();
        tapAt(picker, xOfCharacter(picker, c.character));
        key(picker, VK_UP);
        EXPECT_EQ(textOf(picker), c.afterUp) << "character " << c.character;
        EXPECT_EQ(GetFocus(), picker);
        DestroyWindow(picker);
    }
}

TEST_F(DateTimePickerTest, TheUpDownStepsTheFocusedField)
{
    HWND picker = makeEditing(DTS_UPDOWN);
    tapAt(picker, xOfCharacter(picker, 4));
    tapAt(picker, 195, 4);
    EXPECT_EQ(textOf(picker), u"01/01/2024 11:59 PM");
    tapAt(picker, 195, 16);
    tapAt(picker, 195, 16);
    EXPECT_EQ(textOf(picker), u"01/30/2024 11:59 PM");
    EXPECT_EQ(takeChanges().size(), 3u);

    HWND noArrows = makeEditing();
    tapAt(noArrows, 195, 4);
    EXPECT_EQ(textOf(noArrows), u"01/31/2024 11:59 PM") << "the drop-down button opens nothing headless";
}

TEST_F(DateTimePickerTest, TheCheckBoxSaysWhetherThereIsAValue)
{
    HWND picker = makeEditing(DTS_SHOWNONE);
    SYSTEMTIME st {};
    EXPECT_EQ(send(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)), GDT_VALID);
    tapAt(picker, 5);
    EXPECT_EQ(send(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)), GDT_NONE);
    key(picker, VK_UP);
    type(picker, u"5");
    tapAt(picker, 5);
    EXPECT_EQ(takeChanges(),
        (std::vector {Notice {DTN_DATETIMECHANGE, GDT_NONE, {}},
            Notice {DTN_DATETIMECHANGE, GDT_VALID, timeOf(2024, 1, 31, 23, 59, 0, 3)}}))
        << "without a value the fields do not change";
    tapAt(picker, xOfCharacter(picker, 7, true));
    key(picker, VK_UP);
    EXPECT_EQ(textOf(picker), u"01/31/2025 11:59 PM") << "text starts after the check box";

    EXPECT_TRUE(DateTime_SetSystemtime(picker, GDT_NONE, nullptr));
    EXPECT_EQ(send(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)), GDT_NONE);
    EXPECT_TRUE(setTime(picker, timeOf(2030, 5, 6)));
    EXPECT_EQ(send(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)), GDT_VALID) << "a value checks it";
    EXPECT_TRUE(takeChanges().size() == 1) << "the program's changes are not reported";
}

TEST_F(DateTimePickerTest, LimitsHoldTheValue)
{
    HWND picker = makePicker(0, u"yyyy-MM-dd HH:mm");
    ASSERT_TRUE(setTime(picker, timeOf(2025, 6, 1)));
    SYSTEMTIME limits[2] = {timeOf(2024, 1, 1), timeOf(2024, 12, 31, 18, 30)};
    EXPECT_TRUE(DateTime_SetRange(picker, GDTR_MIN | GDTR_MAX, limits));
    EXPECT_EQ(textOf(picker), u"2024-12-31 18:30") << "a new range pulls the value in";

    SYSTEMTIME got[2] {};
    EXPECT_EQ(DateTime_GetRange(picker, got), static_cast<DWORD>(GDTR_MIN | GDTR_MAX));
    EXPECT_EQ(std::vector({got[0].wYear, got[0].wMonth, got[0].wDay, got[1].wYear, got[1].wHour, got[1].wMinute}),
        std::vector<WORD>({2024, 1, 1, 2024, 18, 30}));

    EXPECT_FALSE(setTime(picker, timeOf(2023, 12, 31, 23, 59)));
    EXPECT_FALSE(setTime(picker, timeOf(2024, 12, 31, 18, 31)));
    EXPECT_TRUE(setTime(picker, timeOf(2024, 6, 15)));

    key(picker, VK_UP);
    EXPECT_EQ(textOf(picker), u"2024-12-31 18:30") << "a step past the end stops at it";
    EXPECT_EQ(
        takeChanges(), (std::vector {Notice {DTN_DATETIMECHANGE, GDT_VALID, timeOf(2024, 12, 31, 18, 30, 0, 2)}}));
    key(picker, VK_UP);
    EXPECT_TRUE(takeChanges().empty()) << "nothing changes at the end";
    key(picker, VK_DOWN, 2);
    EXPECT_EQ(textOf(picker), u"2024-01-01 00:00");

    const SYSTEMTIME bad[2] = {timeOf(2024, 2, 30), timeOf(2025, 1, 1)};
    EXPECT_FALSE(send(picker, DTM_SETRANGE, GDTR_MIN, reinterpret_cast<LPARAM>(bad)));
    const SYSTEMTIME reversed[2] = {timeOf(2025, 1, 1), timeOf(2024, 1, 1)};
    EXPECT_FALSE(send(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(reversed)));
    EXPECT_FALSE(send(picker, DTM_SETRANGE, GDTR_MIN, 0));
    EXPECT_TRUE(send(picker, DTM_SETRANGE, GDTR_MAX, reinterpret_cast<LPARAM>(reversed)));
    EXPECT_EQ(send(picker, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(got)), GDTR_MAX);
    EXPECT_EQ(got[0].wYear, 0) << "a limit not set reads as zeros";
    EXPECT_EQ(got[1].wYear, 2024);
    EXPECT_TRUE(setTime(picker, timeOf(1700, 1, 1))) << "no minimum any more";
}

TEST_F(DateTimePickerTest, FocusDisabledStateAndOtherMessages)
{
    HWND picker = makeEditing();
    SetFocus(picker);
    SetFocus(parent);
    EXPECT_EQ(takeNotices(), (std::vector {Notice {NM_SETFOCUS, 0, {}}, Notice {NM_KILLFOCUS, 0, {}}}));

    EnableWindow(picker, FALSE);
    key(picker, VK_UP);
    type(picker, u"1");
    tapAt(picker, xOfCharacter(picker, 7));
    EXPECT_EQ(textOf(picker), u"01/31/2024 11:59 PM");
    EXPECT_TRUE(takeNotices().empty());

    EXPECT_FALSE(send(picker, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"typed over")));
    EXPECT_EQ(textOf(picker), u"01/31/2024 11:59 PM") << "the text is the value";
    EXPECT_EQ(static_cast<COLORREF>(send(picker, DTM_SETMCCOLOR, MCSC_TEXT, 0x0000FF)), 0u);
    EXPECT_EQ(static_cast<COLORREF>(send(picker, DTM_GETMCCOLOR, MCSC_TEXT)), 0x0000FFu);
    EXPECT_EQ(send(picker, DTM_SETMCCOLOR, 6, 0), -1);
    const auto font = reinterpret_cast<HFONT>(0x4321);
    send(picker, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(reinterpret_cast<HFONT>(send(picker, WM_GETFONT)), font);
}

TEST_F(DateTimePickerTest, TimePickersStartOnTheHour)
{
    HWND picker = makeEditing(DTS_TIMEFORMAT, nullptr);
    EXPECT_EQ(textOf(picker), u"11:59:00 PM");
    key(picker, VK_UP);
    key(picker, VK_RIGHT, 2);
    key(picker, VK_DOWN);
    EXPECT_EQ(textOf(picker), u"12:59:59 AM");
    EXPECT_EQ(timeIn(picker).wDay, 31) << "the hour comes round within the day";
}

} // namespace
