// The date and time picker (SysDateTimePick32): a value shown through a format as the window's
// text, starting at the device's local time. One field has the focus: left and right arrows
// move it, up and down arrows (or the up-down at the right) step it, digits type into it, and a
// tap picks the field under the stylus (DateTimePaint.h: where it is drawn). A DTS_SHOWNONE
// picker has a check box at the left that says whether there is a value at all. Every change
// the user makes goes to the parent as DTN_DATETIMECHANGE. There is no drop-down calendar.
#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "DateTimeFields.h"
#include "DateTimePaint.h"
#include "commctrl.h"
#include "gwes/SystemClasses.h"
#include "gwes/controls/ControlNotify.h"
#include "gwes/controls/ControlState.h"

namespace ce::gwes {
namespace {

using namespace datetime;

constexpr size_t calendarColorCount = MCSC_TRAILINGTEXT + 1;

struct Picker {
    SYSTEMTIME value {};
    bool checked = true; // DTS_SHOWNONE's box
    bool hasFormat = false;
    std::u16string format; // DTM_SETFORMATW's
    size_t field = 0; // the focused field, counted among the fields only
    std::u16string typed; // digits typed into it so far
    DWORD limitFlags = 0;
    std::array<SYSTEMTIME, 2> limits {}; // minimum, maximum
    // DTM_SETMCCOLOR's, by MCSC_*: kept for the program, as there is no calendar to draw.
    std::array<COLORREF, calendarColorCount> calendarColors {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT),
        GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_CAPTIONTEXT), GetSysColor(COLOR_WINDOW),
        GetSysColor(COLOR_GRAYTEXT)};
    HFONT font = nullptr;
    HFONT calendarFont = nullptr;
};

DWORD styleOf(HWND hwnd)
{
    return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
}

bool hasValue(HWND hwnd, const Picker& picker)
{
    return picker.checked || !(styleOf(hwnd) & DTS_SHOWNONE);
}

std::vector<FormatPart> partsOf(HWND hwnd, const Picker& picker)
{
    return parseFormat(picker.hasFormat ? std::u16string_view(picker.format) : defaultFormat(styleOf(hwnd)));
}

// Where the fields are among the parts.
std::vector<size_t> fieldsOf(const std::vector<FormatPart>& parts)
{
    std::vector<size_t> fields;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].kind != FieldKind::literal)
            fields.push_back(i);
    }
    return fields;
}

// The window's text is the value as shown.
void refresh(HWND hwnd, const Picker& picker)
{
    const std::u16string text = render(partsOf(hwnd, picker), picker.value, nullptr);
    DefWindowProcW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    InvalidateRect(hwnd, nullptr, FALSE);
}

bool outsideLimits(const Picker& picker, const SYSTEMTIME& value)
{
    return ((picker.limitFlags & GDTR_MIN) && compareTimes(value, picker.limits[0]) < 0)
        || ((picker.limitFlags & GDTR_MAX) && compareTimes(value, picker.limits[1]) > 0);
}

SYSTEMTIME withinLimits(const Picker& picker, const SYSTEMTIME& value)
{
    if ((picker.limitFlags & GDTR_MIN) && compareTimes(value, picker.limits[0]) < 0)
        return picker.limits[0];
    if ((picker.limitFlags & GDTR_MAX) && compareTimes(value, picker.limits[1]) > 0)
        return picker.limits[1];
    return value;
}

void notifyChange(HWND hwnd, const Picker& picker)
{
    NMDATETIMECHANGE change {};
    const bool valid = hasValue(hwnd, picker);
    change.dwFlags = valid ? GDT_VALID : GDT_NONE;
    if (valid)
        change.st = picker.value;
    notifyParent(hwnd, DTN_DATETIMECHANGE, change.nmhdr);
}

// A change the user made, kept within the limits and told to the parent when it changes anything.
void userChange(HWND hwnd, Picker& picker, const SYSTEMTIME& value)
{
    const SYSTEMTIME next = withDayOfWeek(withinLimits(picker, value));
    if (compareTimes(next, picker.value) == 0)
        return;
    picker.value = next;
    refresh(hwnd, picker);
    notifyChange(hwnd, picker);
}

void toggleCheck(HWND hwnd, Picker& picker)
{
    picker.checked = !picker.checked;
    picker.typed.clear();
    InvalidateRect(hwnd, nullptr, FALSE);
    notifyChange(hwnd, picker);
}

// ---- Messages from the program ---------------------------------------------------------------

LRESULT create(HWND hwnd, Picker& picker)
{
    GetLocalTime(&picker.value);
    picker.value = withDayOfWeek(picker.value);
    refresh(hwnd, picker);
    return 0;
}

LRESULT getTime(HWND hwnd, const Picker& picker, SYSTEMTIME* value)
{
    if (!value)
        return GDT_ERROR;
    if (!hasValue(hwnd, picker))
        return GDT_NONE;
    *value = picker.value;
    return GDT_VALID;
}

LRESULT setTime(HWND hwnd, Picker& picker, WPARAM flag, const SYSTEMTIME* value)
{
    if (flag == GDT_NONE) {
        if (!(styleOf(hwnd) & DTS_SHOWNONE))
            return FALSE;
        picker.checked = false;
        InvalidateRect(hwnd, nullptr, FALSE);
        return TRUE;
    }
    if (flag != GDT_VALID || !value || !isValidTime(*value) || outsideLimits(picker, *value))
        return FALSE;
    picker.value = withDayOfWeek(*value);
    picker.checked = true;
    picker.typed.clear();
    refresh(hwnd, picker);
    return TRUE;
}

LRESULT getRange(const Picker& picker, SYSTEMTIME* limits)
{
    if (limits) {
        for (size_t i = 0; i < 2; ++i)
            limits[i] = (picker.limitFlags & (GDTR_MIN << i)) ? picker.limits[i] : SYSTEMTIME {};
    }
    return picker.limitFlags;
}

// Each limit named in `flags` is set, the others removed; the value moves inside the new range.
LRESULT setRange(HWND hwnd, Picker& picker, WPARAM flags, const SYSTEMTIME* limits)
{
    if (!limits)
        return FALSE;
    for (size_t i = 0; i < 2; ++i) {
        if ((flags & (GDTR_MIN << i)) && !isValidTime(limits[i]))
            return FALSE;
    }
    if ((flags & GDTR_MIN) && (flags & GDTR_MAX) && compareTimes(limits[0], limits[1]) > 0)
        return FALSE;
    picker.limitFlags = static_cast<DWORD>(flags & (GDTR_MIN | GDTR_MAX));
    for (size_t i = 0; i < 2; ++i)
        picker.limits[i] = (flags & (GDTR_MIN << i)) ? withDayOfWeek(limits[i]) : SYSTEMTIME {};
    picker.value = withDayOfWeek(withinLimits(picker, picker.value));
    refresh(hwnd, picker);
    return TRUE;
}

LRESULT setFormat(HWND hwnd, Picker& picker, LPCWSTR format)
{
    picker.hasFormat = format != nullptr;
    picker.format = format ? format : u"";
    picker.typed.clear();
    refresh(hwnd, picker);
    return TRUE;
}

LRESULT setCalendarColor(Picker& picker, WPARAM which, COLORREF color)
{
    if (which >= calendarColorCount)
        return -1;
    return static_cast<LRESULT>(std::exchange(picker.calendarColors[which], color));
}

LRESULT setFont(HWND hwnd, HFONT& slot, HFONT font, LPARAM redraw)
{
    slot = font;
    if (redraw)
        InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

// ---- What the user does ---------------------------------------------------------------------

// The focused field's part, with the focus kept among the fields there are; null without fields.
const FormatPart* focusedField(Picker& picker, const std::vector<FormatPart>& parts)
{
    const std::vector<size_t> fields = fieldsOf(parts);
    if (fields.empty())
        return nullptr;
    picker.field = std::min(picker.field, fields.size() - 1);
    return &parts[fields[picker.field]];
}

void focusField(HWND hwnd, Picker& picker, size_t field)
{
    picker.field = field;
    picker.typed.clear();
    InvalidateRect(hwnd, nullptr, FALSE);
}

void stepFocused(HWND hwnd, Picker& picker, int delta)
{
    const std::vector<FormatPart> parts = partsOf(hwnd, picker);
    const FormatPart* field = focusedField(picker, parts);
    if (!field || !hasValue(hwnd, picker))
        return;
    picker.typed.clear();
    userChange(hwnd, picker, stepField(field->kind, picker.value, delta));
}

LRESULT keyDown(HWND hwnd, Picker& picker, WPARAM key)
{
    if (!IsWindowEnabled(hwnd))
        return 0;
    const std::vector<FormatPart> parts = partsOf(hwnd, picker);
    if (!focusedField(picker, parts))
        return 0;
    const size_t fieldCount = fieldsOf(parts).size();
    switch (key) {
    case VK_LEFT:
        focusField(hwnd, picker, picker.field > 0 ? picker.field - 1 : 0);
        return 0;
    case VK_RIGHT:
        focusField(hwnd, picker, std::min(picker.field + 1, fieldCount - 1));
        return 0;
    case VK_UP:
        stepFocused(hwnd, picker, 1);
        return 0;
    case VK_DOWN:
        stepFocused(hwnd, picker, -1);
        return 0;
    default:
        return 0;
    }
}

// The typed digits taken as the field's value; a year waits for all its digits.
bool applyTyped(HWND hwnd, Picker& picker, const FormatPart& field)
{
    if (field.kind == FieldKind::year && picker.typed.size() < digitsOf(field))
        return true;
    int number = 0;
    for (char16_t digit : picker.typed)
        number = number * 10 + (digit - u'0');
    SYSTEMTIME value = picker.value;
    if (!setField(field, value, number))
        return false;
    userChange(hwnd, picker, value);
    return true;
}

// Digits build the focused field's number; one that cannot fit starts it over. A or P sets the
// half of the day in an AM/PM field.
LRESULT typeChar(HWND hwnd, Picker& picker, WPARAM c)
{
    const std::vector<FormatPart> parts = partsOf(hwnd, picker);
    const FormatPart* field = focusedField(picker, parts);
    if (!field || !IsWindowEnabled(hwnd) || !hasValue(hwnd, picker))
        return 0;
    const auto letter = static_cast<char16_t>(c | 0x20);
    if (field->kind == FieldKind::ampm && (letter == u'a' || letter == u'p')) {
        if ((letter == u'p') != (picker.value.wHour >= 12))
            userChange(hwnd, picker, stepField(FieldKind::ampm, picker.value, 1));
        return 0;
    }
    if (c < u'0' || c > u'9' || digitsOf(*field) == 0)
        return 0;
    picker.typed.push_back(static_cast<char16_t>(c));
    if (!applyTyped(hwnd, picker, *field)) {
        picker.typed.assign(1, static_cast<char16_t>(c));
        applyTyped(hwnd, picker, *field);
    }
    if (picker.typed.size() >= digitsOf(*field))
        picker.typed.clear();
    return 0;
}

// The field that holds the character at `index` of the text, or the first one after it (a tap
// on a literal picks the next field), or the last.
size_t fieldAt(const std::vector<FormatPart>& parts, const std::vector<size_t>& starts, size_t textSize, size_t index)
{
    const std::vector<size_t> fields = fieldsOf(parts);
    for (size_t i = 0; i < fields.size(); ++i) {
        const size_t part = fields[i];
        const size_t end = part + 1 < parts.size() ? starts[part + 1] : textSize;
        if (index < end)
            return i;
    }
    return fields.empty() ? 0 : fields.size() - 1;
}

// What the picker shows now; `starts` gets where each part of the format begins.
PickerView viewOf(HWND hwnd, Picker& picker, std::vector<FormatPart>& parts, std::vector<size_t>& starts)
{
    const DWORD style = styleOf(hwnd);
    parts = partsOf(hwnd, picker);
    PickerView view;
    view.text = render(parts, picker.value, &starts);
    view.showNone = style & DTS_SHOWNONE;
    view.checked = hasValue(hwnd, picker);
    view.upDown = style & DTS_UPDOWN;
    view.font = picker.font;
    if (focusedField(picker, parts)) {
        const size_t part = fieldsOf(parts)[picker.field];
        view.fieldStart = starts[part];
        view.fieldEnd = part + 1 < parts.size() ? starts[part + 1] : view.text.size();
    }
    return view;
}

bool holds(const RECT& rect, int x)
{
    return x >= rect.left && x < rect.right;
}

LRESULT buttonDown(HWND hwnd, Picker& picker, LPARAM lParam)
{
    if (!IsWindowEnabled(hwnd))
        return 0;
    SetFocus(hwnd);
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    std::vector<FormatPart> parts;
    std::vector<size_t> starts;
    const PickerView view = viewOf(hwnd, picker, parts, starts);
    if (holds(checkBoxColumn(hwnd, view), x)) {
        toggleCheck(hwnd, picker);
        return 0;
    }
    const RECT button = buttonColumn(hwnd);
    if (holds(button, x)) {
        if (view.upDown)
            stepFocused(hwnd, picker, y < (button.top + button.bottom) / 2 ? 1 : -1);
        return 0;
    }
    focusField(hwnd, picker, fieldAt(parts, starts, view.text.size(), characterAt(hwnd, view, x)));
    return 0;
}

LRESULT paint(HWND hwnd, Picker& picker)
{
    std::vector<FormatPart> parts;
    std::vector<size_t> starts;
    paintPicker(hwnd, viewOf(hwnd, picker, parts, starts));
    return 0;
}

LRESULT focusChanged(HWND hwnd, Picker& picker, UINT code)
{
    picker.typed.clear();
    InvalidateRect(hwnd, nullptr, FALSE);
    NMHDR header {};
    notifyParent(hwnd, code, header);
    return 0;
}

LRESULT pickerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto picker = controlState<Picker>(hwnd);
    if (!picker)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        return create(hwnd, *picker);
    case DTM_GETSYSTEMTIME:
        return getTime(hwnd, *picker, reinterpret_cast<SYSTEMTIME*>(lParam));
    case DTM_SETSYSTEMTIME:
        return setTime(hwnd, *picker, wParam, reinterpret_cast<const SYSTEMTIME*>(lParam));
    case DTM_GETRANGE:
        return getRange(*picker, reinterpret_cast<SYSTEMTIME*>(lParam));
    case DTM_SETRANGE:
        return setRange(hwnd, *picker, wParam, reinterpret_cast<const SYSTEMTIME*>(lParam));
    case DTM_SETFORMATW:
        return setFormat(hwnd, *picker, reinterpret_cast<LPCWSTR>(lParam));
    case DTM_SETMCCOLOR:
        return setCalendarColor(*picker, wParam, static_cast<COLORREF>(lParam));
    case DTM_GETMCCOLOR:
        return wParam < calendarColorCount ? static_cast<LRESULT>(picker->calendarColors[wParam]) : -1;
    case DTM_SETMCFONT:
        return setFont(hwnd, picker->calendarFont, reinterpret_cast<HFONT>(wParam), lParam);
    case DTM_GETMCFONT:
        return reinterpret_cast<LRESULT>(picker->calendarFont);
    case DTM_GETMONTHCAL:
        return 0;
    case WM_SETFONT:
        return setFont(hwnd, picker->font, reinterpret_cast<HFONT>(wParam), lParam);
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(picker->font);
    case WM_SETTEXT:
        return FALSE; // the text is the value as shown
    case WM_KEYDOWN:
        return keyDown(hwnd, *picker, wParam);
    case WM_CHAR:
        return typeChar(hwnd, *picker, wParam);
    case WM_LBUTTONDOWN:
        return buttonDown(hwnd, *picker, lParam);
    case WM_SETFOCUS:
        return focusChanged(hwnd, *picker, NM_SETFOCUS);
    case WM_KILLFOCUS:
        return focusChanged(hwnd, *picker, NM_KILLFOCUS);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_PAINT:
        return paint(hwnd, *picker);
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

const SystemClassRegistration registration({DATETIMEPICK_CLASSW, pickerProc, CS_DBLCLKS, 0});

} // namespace
} // namespace ce::gwes
