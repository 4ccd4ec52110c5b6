// What a date and time picker shows: every format token, quoted text, the default formats of
// the styles, and which values it takes (calendar rules, day of the week worked out).
#include "DateTimeTestSupport.h"

using namespace datetime_test;

namespace {

using DateTimeFormatTest = DateTimeTest;

TEST_F(DateTimeFormatTest, EveryTokenShowsItsPartOfTheValue)
{
    struct Case {
        const char16_t* format;
        const char16_t* shown;
    };
    // Thursday 5 March 2026, 14:07:09.
    const Case cases[] = {
        {u"d", u"5"},
        {u"dd", u"05"},
        {u"ddd", u"Thu"},
        {u"dddd", u"Thursday"},
        {u"M", u"3"},
        {u"MM", u"03"},
        {u"MMM", u"Mar"},
        {u"MMMM", u"March"},
        {u"y", u"6"},
        {u"yy", u"26"},
        {u"yyy", u"2026"},
        {u"yyyy", u"2026"},
        {u"h", u"2"},
        {u"hh", u"02"},
        {u"H", u"14"},
        {u"HH", u"14"},
        {u"m", u"7"},
        {u"mm", u"07"},
        {u"s", u"9"},
        {u"ss", u"09"},
        {u"t", u"P"},
        {u"tt", u"PM"},
        {u"dd.MM.yyyy HH:mm", u"05.03.2026 14:07"},
        {u"'Day' d 'of' MMMM", u"Day 5 of March"},
        {u"h 'o''clock'", u"2 o'clock"},
        {u"''yy", u"'26"},
        {u"'unclosed d", u"unclosed d"},
        {u"ddddd, MMMMM", u"Thursday, March"},
        {u"", u""},
    };
    HWND picker = makePicker();
    ASSERT_TRUE(setTime(picker, timeOf(2026, 3, 5, 14, 7, 9)));
    for (const Case& c : cases) {
        EXPECT_TRUE(send(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(c.format)));
        EXPECT_EQ(textOf(picker), c.shown) << describe(c.format);
        EXPECT_EQ(GetWindowTextLengthW(picker), static_cast<int>(std::u16string(c.shown).size()));
    }
}

TEST_F(DateTimeFormatTest, HoursOfTheClock)
{
    struct Case {
        int hour;
        const char16_t* shown;
    };
    const Case cases[] = {{0, u"12 AM 00"}, {1, u"1 AM 01"}, {11, u"11 AM 11"}, {12, u"12 PM 12"}, {23, u"11 PM 23"}};
    HWND picker = makePicker(0, u"h tt HH");
    for (const Case& c : cases) {
        ASSERT_TRUE(setTime(picker, timeOf(2026, 3, 5, c.hour)));
        EXPECT_EQ(textOf(picker), c.shown) << c.hour;
    }
}

TEST_F(DateTimeFormatTest, StylesChooseTheDefaultFormat)
{
    struct Case {
        DWORD style;
        const char16_t* shown;
    };
    const Case cases[] = {
        {DTS_SHORTDATEFORMAT, u"3/5/26"},
        {DTS_LONGDATEFORMAT, u"Thursday, March 05, 2026"},
        {DTS_TIMEFORMAT, u"2:07:09 PM"},
        {DTS_SHORTDATEFORMAT | DTS_UPDOWN | DTS_SHOWNONE, u"3/5/26"},
    };
    for (const Case& c : cases) {
        HWND picker = makePicker(c.style);
        ASSERT_TRUE(setTime(picker, timeOf(2026, 3, 5, 14, 7, 9)));
        EXPECT_EQ(textOf(picker), c.shown) << c.style;
        send(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(u"yyyy"));
        EXPECT_EQ(textOf(picker), u"2026");
        send(picker, DTM_SETFORMATW, 0, 0);
        EXPECT_EQ(textOf(picker), c.shown) << "no format brings back the style's";
        DestroyWindow(picker);
    }
}

TEST_F(DateTimeFormatTest, OnlyRealTimesAreTaken)
{
    struct Case {
        SYSTEMTIME st;
        bool taken;
    };
    SYSTEMTIME tooPrecise = timeOf(2026, 3, 5);
    tooPrecise.wMilliseconds = 1000;
    const Case cases[] = {
        {timeOf(2024, 2, 29), true},
        {timeOf(2025, 2, 29), false},
        {timeOf(2000, 2, 29), true},
        {timeOf(1900, 2, 29), false},
        {timeOf(2026, 4, 31), false},
        {timeOf(2026, 12, 31, 23, 59, 59), true},
        {timeOf(2026, 13, 1), false},
        {timeOf(2026, 0, 1), false},
        {timeOf(2026, 1, 0), false},
        {timeOf(2026, 1, 1, 24), false},
        {timeOf(2026, 1, 1, 0, 60), false},
        {timeOf(2026, 1, 1, 0, 0, 60), false},
        {timeOf(1601, 1, 1), true},
        {timeOf(1600, 12, 31), false},
        {timeOf(9999, 12, 31), true},
        {timeOf(10000, 1, 1), false},
        {tooPrecise, false},
    };
    HWND picker = makePicker(0, u"yyyy-MM-dd HH:mm:ss");
    const SYSTEMTIME kept = timeOf(2020, 6, 15, 12, 0, 0, 1);
    for (const Case& c : cases) {
        ASSERT_TRUE(setTime(picker, kept));
        EXPECT_EQ(setTime(picker, c.st), c.taken) << c.st.wYear << "-" << c.st.wMonth << "-" << c.st.wDay;
        const SYSTEMTIME now = timeIn(picker);
        EXPECT_EQ(now.wYear, c.taken ? c.st.wYear : kept.wYear);
        EXPECT_EQ(now.wDay, c.taken ? c.st.wDay : kept.wDay);
    }
    EXPECT_FALSE(send(picker, DTM_SETSYSTEMTIME, GDT_VALID, 0));
    EXPECT_FALSE(send(picker, DTM_SETSYSTEMTIME, 7, reinterpret_cast<LPARAM>(&kept)));
    EXPECT_EQ(textOf(picker), u"2020-06-15 12:00:00");
}

TEST_F(DateTimeFormatTest, TheDayOfTheWeekIsWorkedOut)
{
    struct Case {
        SYSTEMTIME st;
        WORD dayOfWeek;
    };
    const Case cases[] = {
        {timeOf(1601, 1, 1), 1},
        {timeOf(2000, 1, 1), 6},
        {timeOf(2000, 2, 29), 2},
        {timeOf(2024, 1, 31), 3},
        {timeOf(2026, 12, 8), 2},
        {timeOf(9999, 12, 31), 5},
    };
    HWND picker = makePicker(DTS_LONGDATEFORMAT);
    for (const Case& c : cases) {
        SYSTEMTIME wrongDay = c.st;
        wrongDay.wDayOfWeek = static_cast<WORD>((c.dayOfWeek + 3) % 7);
        ASSERT_TRUE(setTime(picker, wrongDay));
        EXPECT_EQ(timeIn(picker).wDayOfWeek, c.dayOfWeek) << c.st.wYear << "-" << c.st.wMonth << "-" << c.st.wDay;
    }
    EXPECT_EQ(textOf(picker), u"Friday, December 31, 9999");
}

} // namespace
