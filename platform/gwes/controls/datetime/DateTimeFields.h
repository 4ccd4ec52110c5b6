// The date and time picker's fields: a format split into fields and literal text, a value
// shown through it, the calendar rules a value keeps, and how each field is stepped or typed.
// Day and month names are English: the device has no locale calls for them yet.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "windows.h"

namespace ce::gwes::datetime {

enum class FieldKind { literal, day, weekday, month, year, hour12, hour24, minute, second, ampm };

struct FormatPart {
    FieldKind kind = FieldKind::literal;
    int letters = 0; // how many letters the token has ("dd" 2, "MMMM" 4)
    std::u16string text; // a literal's text
};

// Splits a format such as "dddd, MMMM dd, yyyy" or "h':'mm tt": d dd ddd dddd, M MM MMM MMMM,
// y (one digit) yy (two) yyy and yyyy (all), h hh (12-hour), H HH, m mm, s ss, t (A/P) tt (AM/PM);
// 'quoted' text ('' is a quote, inside quotes or out) and any other character are literal.
std::vector<FormatPart> parseFormat(std::u16string_view format);

// The format of a picker without a format of its own: short date, long date or time.
std::u16string_view defaultFormat(DWORD style);

// The value shown through the parts; `starts`, when given, gets where each part begins.
std::u16string render(const std::vector<FormatPart>& parts, const SYSTEMTIME& value, std::vector<size_t>* starts);

// Years from 1601 to 9999, real days of real months, hours, minutes, seconds and milliseconds
// in range; the day of the week is not looked at.
bool isValidTime(const SYSTEMTIME& value);
int daysInMonth(int year, int month);
// The value with its day of the week worked out.
SYSTEMTIME withDayOfWeek(SYSTEMTIME value);
// Orders two values by date and time (milliseconds included, day of the week not).
int compareTimes(const SYSTEMTIME& a, const SYSTEMTIME& b);

// The value with one field moved by `delta`, coming round within the field's range (a day
// within its month, a month within the year...); a month or year change keeps the day within
// the new month.
SYSTEMTIME stepField(FieldKind kind, SYSTEMTIME value, int delta);

// What digits typed into a field mean: the value with the field set to `number`, or false when
// `number` cannot be the field's value. A two-digit year field reads 30..99 as 19xx and 00..29
// as 20xx.
bool setField(const FormatPart& field, SYSTEMTIME& value, int number);
// How many digits a field takes before typing starts over (0: digits do not apply).
size_t digitsOf(const FormatPart& field);

} // namespace ce::gwes::datetime
