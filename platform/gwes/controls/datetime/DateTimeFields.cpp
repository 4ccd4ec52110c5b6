// The date and time picker's fields: parsing formats, showing values through them, and the
// calendar arithmetic behind stepping and typing into fields.
#include "DateTimeFields.h"

#include <algorithm>
#include <array>

#include "commctrl.h"

namespace ce::gwes::datetime {
namespace {

constexpr std::array<const char16_t*, 7> dayNames {
    u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"};
constexpr std::array<const char16_t*, 12> monthNames {u"January", u"February", u"March", u"April", u"May", u"June",
    u"July", u"August", u"September", u"October", u"November", u"December"};

constexpr int firstYear = 1601;
constexpr int lastYear = 9999;

// English (United States), the device's locale.
constexpr std::u16string_view shortDateFormat = u"M/d/yy";
constexpr std::u16string_view longDateFormat = u"dddd, MMMM dd, yyyy";
constexpr std::u16string_view timeFormat = u"h:mm:ss tt";

struct Token {
    char16_t letter;
    FieldKind kind;
    int maxLetters;
};

constexpr std::array<Token, 8> tokens {{
    {u'd', FieldKind::day, 4},
    {u'M', FieldKind::month, 4},
    {u'y', FieldKind::year, 4},
    {u'h', FieldKind::hour12, 2},
    {u'H', FieldKind::hour24, 2},
    {u'm', FieldKind::minute, 2},
    {u's', FieldKind::second, 2},
    {u't', FieldKind::ampm, 2},
}};

const Token* tokenOf(char16_t c)
{
    for (const Token& token : tokens) {
        if (token.letter == c)
            return &token;
    }
    return nullptr;
}

void addLiteral(std::vector<FormatPart>& parts, std::u16string_view text)
{
    if (text.empty())
        return;
    if (parts.empty() || parts.back().kind != FieldKind::literal)
        parts.push_back({FieldKind::literal, 0, {}});
    parts.back().text += text;
}

// A quoted literal starting after the opening quote at `at`; returns where the format goes on.
size_t addQuoted(std::vector<FormatPart>& parts, std::u16string_view format, size_t at)
{
    std::u16string text;
    for (; at < format.size(); ++at) {
        if (format[at] != u'\'') {
            text.push_back(format[at]);
        } else if (at + 1 < format.size() && format[at + 1] == u'\'') {
            text.push_back(u'\'');
            ++at;
        } else {
            ++at;
            break;
        }
    }
    addLiteral(parts, text);
    return at;
}

std::u16string number(int value, int minDigits)
{
    std::u16string text = std::u16string(1, static_cast<char16_t>(u'0' + value % 10));
    for (value /= 10; value; value /= 10)
        text.insert(text.begin(), static_cast<char16_t>(u'0' + value % 10));
    while (static_cast<int>(text.size()) < minDigits)
        text.insert(text.begin(), u'0');
    return text;
}

std::u16string named(const char16_t* name, int letters)
{
    std::u16string text(name);
    return letters == 3 ? text.substr(0, 3) : text;
}

std::u16string renderField(const FormatPart& part, const SYSTEMTIME& value)
{
    const int letters = part.letters;
    switch (part.kind) {
    case FieldKind::day:
        return number(value.wDay, letters);
    case FieldKind::weekday:
        return named(dayNames[value.wDayOfWeek % 7], letters);
    case FieldKind::month:
        return letters >= 3 ? named(monthNames[(value.wMonth + 11) % 12], letters) : number(value.wMonth, letters);
    case FieldKind::year:
        return letters == 1 ? number(value.wYear % 10, 1)
            : letters == 2  ? number(value.wYear % 100, 2)
                            : number(value.wYear, 1);
    case FieldKind::hour12:
        return number(value.wHour % 12 ? value.wHour % 12 : 12, letters);
    case FieldKind::hour24:
        return number(value.wHour, letters);
    case FieldKind::minute:
        return number(value.wMinute, letters);
    case FieldKind::second:
        return number(value.wSecond, letters);
    case FieldKind::ampm:
        return std::u16string(value.wHour < 12 ? u"AM" : u"PM").substr(0, static_cast<size_t>(letters));
    case FieldKind::literal:
        break;
    }
    return part.text;
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// `value` moved by `delta` and brought round into first..last.
int wrapped(int value, int delta, int first, int last)
{
    const int count = last - first + 1;
    return first + ((value - first + delta) % count + count) % count;
}

SYSTEMTIME withDayInMonth(SYSTEMTIME value)
{
    value.wDay = static_cast<WORD>(std::min<int>(value.wDay, daysInMonth(value.wYear, value.wMonth)));
    return value;
}

} // namespace

std::vector<FormatPart> parseFormat(std::u16string_view format)
{
    std::vector<FormatPart> parts;
    size_t at = 0;
    while (at < format.size()) {
        const char16_t c = format[at];
        if (c == u'\'' && at + 1 < format.size() && format[at + 1] == u'\'') {
            addLiteral(parts, u"'");
            at += 2;
            continue;
        }
        if (c == u'\'') {
            at = addQuoted(parts, format, at + 1);
            continue;
        }
        const Token* token = tokenOf(c);
        if (!token) {
            addLiteral(parts, format.substr(at, 1));
            ++at;
            continue;
        }
        size_t end = at;
        while (end < format.size() && format[end] == c)
            ++end;
        const int letters = std::min(static_cast<int>(end - at), token->maxLetters);
        const bool weekday = token->kind == FieldKind::day && letters >= 3;
        parts.push_back({weekday ? FieldKind::weekday : token->kind, letters, {}});
        at = end;
    }
    return parts;
}

std::u16string_view defaultFormat(DWORD style)
{
    if ((style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT)
        return timeFormat;
    return (style & DTS_LONGDATEFORMAT) ? longDateFormat : shortDateFormat;
}

std::u16string render(const std::vector<FormatPart>& parts, const SYSTEMTIME& value, std::vector<size_t>* starts)
{
    std::u16string text;
    for (const FormatPart& part : parts) {
        if (starts)
            starts->push_back(text.size());
        text += renderField(part, value);
    }
    return text;
}

int daysInMonth(int year, int month)
{
    static constexpr std::array<int, 12> days {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : days[static_cast<size_t>(month - 1)];
}

bool isValidTime(const SYSTEMTIME& value)
{
    return value.wYear >= firstYear && value.wYear <= lastYear && value.wMonth >= 1 && value.wMonth <= 12
        && value.wDay >= 1 && value.wDay <= daysInMonth(value.wYear, value.wMonth) && value.wHour < 24
        && value.wMinute < 60 && value.wSecond < 60 && value.wMilliseconds < 1000;
}

SYSTEMTIME withDayOfWeek(SYSTEMTIME value)
{
    static constexpr std::array<int, 12> monthOffsets {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int year = value.wYear - (value.wMonth < 3 ? 1 : 0);
    const int day = year + year / 4 - year / 100 + year / 400 + monthOffsets[(value.wMonth + 11) % 12] + value.wDay;
    value.wDayOfWeek = static_cast<WORD>(day % 7);
    return value;
}

int compareTimes(const SYSTEMTIME& a, const SYSTEMTIME& b)
{
    const std::array<WORD, 7> left {a.wYear, a.wMonth, a.wDay, a.wHour, a.wMinute, a.wSecond, a.wMilliseconds};
    const std::array<WORD, 7> right {b.wYear, b.wMonth, b.wDay, b.wHour, b.wMinute, b.wSecond, b.wMilliseconds};
    return left < right ? -1 : (left == right ? 0 : 1);
}

SYSTEMTIME stepField(FieldKind kind, SYSTEMTIME value, int delta)
{
    switch (kind) {
    case FieldKind::day:
    case FieldKind::weekday:
        value.wDay = static_cast<WORD>(wrapped(value.wDay, delta, 1, daysInMonth(value.wYear, value.wMonth)));
        break;
    case FieldKind::month:
        value.wMonth = static_cast<WORD>(wrapped(value.wMonth, delta, 1, 12));
        value = withDayInMonth(value);
        break;
    case FieldKind::year:
        value.wYear = static_cast<WORD>(wrapped(value.wYear, delta, firstYear, lastYear));
        value = withDayInMonth(value);
        break;
    case FieldKind::hour12:
    case FieldKind::hour24:
        value.wHour = static_cast<WORD>(wrapped(value.wHour, delta, 0, 23));
        break;
    case FieldKind::minute:
        value.wMinute = static_cast<WORD>(wrapped(value.wMinute, delta, 0, 59));
        break;
    case FieldKind::second:
        value.wSecond = static_cast<WORD>(wrapped(value.wSecond, delta, 0, 59));
        break;
    case FieldKind::ampm:
        value.wHour = static_cast<WORD>((value.wHour + 12) % 24);
        break;
    case FieldKind::literal:
        break;
    }
    return withDayOfWeek(value);
}

size_t digitsOf(const FormatPart& field)
{
    switch (field.kind) {
    case FieldKind::year:
        return field.letters == 2 ? 2 : 4;
    case FieldKind::day:
    case FieldKind::month:
    case FieldKind::hour12:
    case FieldKind::hour24:
    case FieldKind::minute:
    case FieldKind::second:
        return field.kind == FieldKind::month && field.letters >= 3 ? 0 : 2;
    default:
        return 0;
    }
}

bool setField(const FormatPart& field, SYSTEMTIME& value, int number)
{
    if (number < 0 || number > 9999)
        return false;
    SYSTEMTIME changed = value;
    switch (field.kind) {
    case FieldKind::day:
        changed.wDay = static_cast<WORD>(number);
        break;
    case FieldKind::month:
        changed.wMonth = static_cast<WORD>(number);
        changed = withDayInMonth(changed);
        break;
    case FieldKind::year:
        changed.wYear = static_cast<WORD>(field.letters == 2 ? (number < 30 ? 2000 : 1900) + number : number);
        changed = withDayInMonth(changed);
        break;
    case FieldKind::hour12:
        if (number < 1 || number > 12)
            return false;
        changed.wHour = static_cast<WORD>(number % 12 + (value.wHour >= 12 ? 12 : 0));
        break;
    case FieldKind::hour24:
        changed.wHour = static_cast<WORD>(number);
        break;
    case FieldKind::minute:
        changed.wMinute = static_cast<WORD>(number);
        break;
    case FieldKind::second:
        changed.wSecond = static_cast<WORD>(number);
        break;
    default:
        return false;
    }
    if (!isValidTime(changed))
        return false;
    value = withDayOfWeek(changed);
    return true;
}

} // namespace ce::gwes::datetime
