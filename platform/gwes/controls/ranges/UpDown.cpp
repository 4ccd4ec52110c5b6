// The up-down control (msctls_updown32): arrows that step a position within a range, which may
// run backwards (maximum below minimum: up then decreases). Each step asks the parent with
// UDN_DELTAPOS and reports with WM_VSCROLL/WM_HSCROLL(SB_THUMBPOSITION) whether refused or not,
// as Win32 does. A buddy window can show the position as text (UDS_SETBUDDYINT), sit beside the
// control (UDS_ALIGNLEFT/RIGHT) and pass its arrow keys to it (UDS_ARROWKEYS). Holding an arrow
// repeats the step, faster as the accelerators say. It paints two arrow buttons, the held one
// pushed.
#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "RangeMetrics.h"
#include "commctrl.h"
#include "gwes/Screen.h"
#include "gwes/SystemClasses.h"
#include "gwes/controls/ControlNotify.h"
#include "gwes/controls/ControlState.h"

namespace ce::gwes {
namespace {

constexpr UINT_PTR repeatTimer = 1;

struct UpDown {
    int minimum = 100; // the default range runs backwards, as on the device
    int maximum = 0;
    int position = 0;
    int base = 10;
    std::vector<UDACCEL> accels {{0, 1}, {2, 5}, {5, 20}};
    HWND buddy = nullptr;
    WNDPROC buddyOwnProc = nullptr; // the buddy's procedure from before its arrow keys came here
    int pressDirection = 0; // +1 or -1 while an arrow is held
    DWORD pressTick = 0;
    HFONT font = nullptr;
};

DWORD styleOf(HWND hwnd)
{
    return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
}

int lowest(const UpDown& ud)
{
    return std::min(ud.minimum, ud.maximum);
}

int highest(const UpDown& ud)
{
    return std::max(ud.minimum, ud.maximum);
}

// ---- The buddy's text -----------------------------------------------------------------------

std::u16string decimalText(int value, bool thousands)
{
    const bool negative = value < 0;
    unsigned long long magnitude = negative ? 0ULL - static_cast<long long>(value) : static_cast<unsigned>(value);
    std::u16string digits;
    do {
        if (thousands && digits.size() % 4 == 3)
            digits.push_back(u',');
        digits.push_back(static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude);
    if (negative)
        digits.push_back(u'-');
    return {digits.rbegin(), digits.rend()};
}

std::u16string hexText(int value)
{
    std::u16string digits;
    for (auto bits = static_cast<unsigned>(value); bits || digits.size() < 4; bits >>= 4)
        digits.push_back(u"0123456789ABCDEF"[bits & 0xF]);
    return u"0x" + std::u16string(digits.rbegin(), digits.rend());
}

// Hexadecimal positions show as 0x and at least four digits; decimal ones group thousands.
std::u16string buddyText(HWND hwnd, const UpDown& ud)
{
    return ud.base == 16 ? hexText(ud.position) : decimalText(ud.position, !(styleOf(hwnd) & UDS_NOTHOUSANDS));
}

// The number the buddy's text shows (thousands separators and a 0x prefix allowed); false when
// it is not one.
bool parseBuddyText(std::u16string text, int base, long long& value)
{
    if (base == 10)
        std::erase(text, u',');
    WCHAR* end = nullptr;
    const long parsed = wcstol(text.c_str(), &end, base);
    if (end == text.c_str() || *end != 0)
        return false;
    value = parsed;
    return true;
}

bool hasBuddyInt(HWND hwnd, const UpDown& ud)
{
    return ud.buddy && IsWindow(ud.buddy) && (styleOf(hwnd) & UDS_SETBUDDYINT);
}

void showInBuddy(HWND hwnd, const UpDown& ud)
{
    if (hasBuddyInt(hwnd, ud))
        SetWindowTextW(ud.buddy, buddyText(hwnd, ud).c_str());
}

// Takes the position from the buddy's text where it shows one; false when its text is not a
// number within the range (the position stays).
bool readBuddy(HWND hwnd, UpDown& ud)
{
    if (!hasBuddyInt(hwnd, ud))
        return true;
    const int length = GetWindowTextLengthW(ud.buddy);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(ud.buddy, text.data(), length + 1)));
    long long value = 0;
    if (!parseBuddyText(text, ud.base, value) || value < lowest(ud) || value > highest(ud))
        return false;
    ud.position = static_cast<int>(value);
    return true;
}

// ---- Range and position ---------------------------------------------------------------------

LRESULT setPosition(HWND hwnd, UpDown& ud, long long position)
{
    const int previous = ud.position;
    ud.position = static_cast<int>(std::clamp<long long>(position, lowest(ud), highest(ud)));
    showInBuddy(hwnd, ud);
    return previous;
}

LRESULT getPosition(HWND hwnd, UpDown& ud, BOOL* error)
{
    const bool ok = readBuddy(hwnd, ud);
    if (error)
        *error = ok ? FALSE : TRUE;
    return ud.position;
}

LRESULT getRange32(const UpDown& ud, int* minimum, int* maximum)
{
    if (minimum)
        *minimum = ud.minimum;
    if (maximum)
        *maximum = ud.maximum;
    return 0;
}

LRESULT setAccels(UpDown& ud, WPARAM count, const UDACCEL* accels)
{
    if (!count || !accels)
        return FALSE;
    ud.accels.assign(accels, accels + count);
    return TRUE;
}

LRESULT getAccels(const UpDown& ud, WPARAM count, UDACCEL* accels)
{
    if (accels)
        std::copy_n(ud.accels.begin(), std::min<size_t>(count, ud.accels.size()), accels);
    return static_cast<LRESULT>(ud.accels.size());
}

LRESULT setBase(HWND hwnd, UpDown& ud, WPARAM base)
{
    if (base != 10 && base != 16)
        return 0;
    const int previous = std::exchange(ud.base, static_cast<int>(base));
    showInBuddy(hwnd, ud);
    return previous;
}

// ---- The buddy ------------------------------------------------------------------------------

// The up-down whose buddy `buddy` is: a sibling of it by the way buddies are made.
HWND upDownOfBuddy(HWND buddy)
{
    for (HWND sibling = GetWindow(buddy, GW_HWNDFIRST); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        WCHAR name[32] {};
        GetClassNameW(sibling, name, 32);
        if (std::u16string_view(name) == UPDOWN_CLASSW
            && reinterpret_cast<HWND>(SendMessageW(sibling, UDM_GETBUDDY, 0, 0)) == buddy)
            return sibling;
    }
    return nullptr;
}

bool isArrowKey(WPARAM key)
{
    return key == VK_UP || key == VK_DOWN;
}

// The buddy's procedure while the up-down takes its arrow keys (UDS_ARROWKEYS).
LRESULT buddyKeysProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND upDown = upDownOfBuddy(hwnd);
    auto ud = upDown ? controlState<UpDown>(upDown) : nullptr;
    if (!ud || !ud->buddyOwnProc)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if ((message == WM_KEYDOWN || message == WM_KEYUP) && isArrowKey(wParam))
        return SendMessageW(upDown, message, wParam, lParam);
    return CallWindowProcW(ud->buddyOwnProc, hwnd, message, wParam, lParam);
}

void releaseBuddyKeys(UpDown& ud)
{
    const WNDPROC own = std::exchange(ud.buddyOwnProc, nullptr);
    if (own && IsWindow(ud.buddy)
        && reinterpret_cast<WNDPROC>(GetWindowLongPtrW(ud.buddy, GWLP_WNDPROC)) == buddyKeysProc)
        SetWindowLongPtrW(ud.buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
}

// Moves the up-down to the buddy's left or right edge and narrows the buddy by its width.
void alignWithBuddy(HWND hwnd, HWND buddy)
{
    const DWORD style = styleOf(hwnd);
    if (!(style & (UDS_ALIGNLEFT | UDS_ALIGNRIGHT)))
        return;
    RECT area {};
    GetWindowRect(buddy, &area);
    POINT topLeft {area.left, area.top};
    POINT bottomRight {area.right, area.bottom};
    if (HWND parent = GetParent(buddy)) {
        ScreenToClient(parent, &topLeft);
        ScreenToClient(parent, &bottomRight);
    }
    RECT own {};
    GetClientRect(hwnd, &own);
    const int width = std::min<int>(
        own.right > 0 ? own.right : scaledForScreen(range_metrics::upDownWidth), bottomRight.x - topLeft.x);
    int x = 0;
    if (style & UDS_ALIGNLEFT) {
        x = topLeft.x;
        topLeft.x += width;
    } else {
        bottomRight.x -= width;
        x = bottomRight.x;
    }
    const int height = bottomRight.y - topLeft.y;
    SetWindowPos(
        buddy, nullptr, topLeft.x, topLeft.y, bottomRight.x - topLeft.x, height, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(hwnd, nullptr, x, topLeft.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT setBuddy(HWND hwnd, UpDown& ud, HWND buddy)
{
    releaseBuddyKeys(ud);
    const HWND previous = std::exchange(ud.buddy, IsWindow(buddy) ? buddy : nullptr);
    if (!ud.buddy)
        return reinterpret_cast<LRESULT>(previous);
    alignWithBuddy(hwnd, ud.buddy);
    if (styleOf(hwnd) & UDS_ARROWKEYS)
        ud.buddyOwnProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(ud.buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(buddyKeysProc)));
    return reinterpret_cast<LRESULT>(previous);
}

// UDS_AUTOBUDDY takes the previous window in the z-order: new children go below their
// siblings, so that is the one made just before the up-down.
LRESULT create(HWND hwnd, UpDown& ud)
{
    if (styleOf(hwnd) & UDS_AUTOBUDDY)
        setBuddy(hwnd, ud, GetWindow(hwnd, GW_HWNDPREV));
    return 0;
}

// ---- Stepping -------------------------------------------------------------------------------

void notifyScroll(HWND hwnd, WORD code, int position)
{
    if (HWND parent = GetParent(hwnd))
        SendMessageW(parent, (styleOf(hwnd) & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(code, position),
            reinterpret_cast<LPARAM>(hwnd));
}

// Past an end the position stops there, or with UDS_WRAP comes round from the other end.
int offsetPosition(HWND hwnd, const UpDown& ud, int delta)
{
    const long long target = static_cast<long long>(ud.position) + delta;
    const long long low = lowest(ud);
    const long long high = highest(ud);
    if (target >= low && target <= high)
        return static_cast<int>(target);
    if (!(styleOf(hwnd) & UDS_WRAP))
        return static_cast<int>(std::clamp(target, low, high));
    const long long count = high - low + 1;
    return static_cast<int>(low + ((target - low) % count + count) % count);
}

// One step up (+1) or down (-1) by `increment`, as the user makes it.
void step(HWND hwnd, UpDown& ud, int direction, UINT increment)
{
    readBuddy(hwnd, ud);
    NMUPDOWN change {};
    change.iPos = ud.position;
    change.iDelta = direction * static_cast<int>(increment) * (ud.maximum < ud.minimum ? -1 : 1);
    if (!notifyParent(hwnd, UDN_DELTAPOS, change.hdr)) {
        const int position = offsetPosition(hwnd, ud, change.iDelta);
        if (position != ud.position) {
            ud.position = position;
            showInBuddy(hwnd, ud);
        }
    }
    notifyScroll(hwnd, SB_THUMBPOSITION, ud.position);
}

// The increment of the accelerator whose time has come after `heldMs` of holding.
UINT incrementAfter(const UpDown& ud, DWORD heldMs)
{
    UINT increment = ud.accels.empty() ? 1 : ud.accels.front().nInc;
    for (const UDACCEL& accel : ud.accels) {
        if (static_cast<unsigned long long>(accel.nSec) * 1000 <= heldMs)
            increment = accel.nInc;
    }
    return increment;
}

void press(HWND hwnd, UpDown& ud, int direction)
{
    if (ud.pressDirection != direction)
        InvalidateRect(hwnd, nullptr, FALSE); // the arrow shows pushed
    ud.pressDirection = direction;
    ud.pressTick = GetTickCount();
    step(hwnd, ud, direction, incrementAfter(ud, 0));
}

void endPress(HWND hwnd, UpDown& ud)
{
    if (!std::exchange(ud.pressDirection, 0))
        return;
    InvalidateRect(hwnd, nullptr, FALSE);
    KillTimer(hwnd, repeatTimer);
    notifyScroll(hwnd, SB_ENDSCROLL, ud.position);
}

// A tap on the upper half (the right half when horizontal) steps up.
LRESULT buttonDown(HWND hwnd, UpDown& ud, LPARAM lParam)
{
    if (!IsWindowEnabled(hwnd))
        return 0;
    RECT client {};
    GetClientRect(hwnd, &client);
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    const bool up = (styleOf(hwnd) & UDS_HORZ) ? x >= client.right / 2 : y < client.bottom / 2;
    if (ud.buddy)
        SetFocus(ud.buddy);
    SetCapture(hwnd);
    press(hwnd, ud, up ? 1 : -1);
    SetTimer(hwnd, repeatTimer, range_metrics::firstRepeatMs, nullptr);
    return 0;
}

LRESULT buttonUp(HWND hwnd, UpDown& ud)
{
    const bool pressed = ud.pressDirection != 0;
    endPress(hwnd, ud);
    if (pressed)
        ReleaseCapture();
    return 0;
}

LRESULT repeat(HWND hwnd, UpDown& ud)
{
    if (!ud.pressDirection)
        return 0;
    step(hwnd, ud, ud.pressDirection, incrementAfter(ud, GetTickCount() - ud.pressTick));
    SetTimer(hwnd, repeatTimer, range_metrics::repeatMs, nullptr);
    return 0;
}

LRESULT keyDown(HWND hwnd, UpDown& ud, WPARAM key)
{
    if ((styleOf(hwnd) & UDS_ARROWKEYS) && isArrowKey(key) && IsWindowEnabled(hwnd))
        press(hwnd, ud, key == VK_UP ? 1 : -1);
    return 0;
}

LRESULT keyUp(HWND hwnd, UpDown& ud, WPARAM key)
{
    if (isArrowKey(key))
        endPress(hwnd, ud);
    return 0;
}

LRESULT captureLost(HWND hwnd, UpDown& ud, LPARAM newCapture)
{
    if (reinterpret_cast<HWND>(newCapture) != hwnd)
        endPress(hwnd, ud);
    return 0;
}

// Two arrow buttons splitting the control as taps do: up on top (on the right when UDS_HORZ).
LRESULT paint(HWND hwnd, const UpDown& ud)
{
    PAINTSTRUCT paint {};
    HDC dc = BeginPaint(hwnd, &paint);
    RECT up {};
    GetClientRect(hwnd, &up);
    RECT down = up;
    const bool horizontal = styleOf(hwnd) & UDS_HORZ;
    if (horizontal)
        up.left = down.right = up.right / 2;
    else
        up.bottom = down.top = up.bottom / 2;
    const UINT inactive = IsWindowEnabled(hwnd) ? 0 : DFCS_INACTIVE;
    const UINT upPushed = ud.pressDirection > 0 ? DFCS_PUSHED : 0;
    const UINT downPushed = ud.pressDirection < 0 ? DFCS_PUSHED : 0;
    DrawFrameControl(dc, &up, DFC_SCROLL, (horizontal ? DFCS_SCROLLRIGHT : DFCS_SCROLLUP) | inactive | upPushed);
    DrawFrameControl(dc, &down, DFC_SCROLL, (horizontal ? DFCS_SCROLLLEFT : DFCS_SCROLLDOWN) | inactive | downPushed);
    EndPaint(hwnd, &paint);
    return 0;
}

LRESULT upDownProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto ud = controlState<UpDown>(hwnd);
    if (!ud)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        return create(hwnd, *ud);
    case WM_DESTROY:
        releaseBuddyKeys(*ud);
        return 0;
    case UDM_SETRANGE:
        ud->maximum = static_cast<short>(LOWORD(lParam));
        ud->minimum = static_cast<short>(HIWORD(lParam));
        return 0;
    case UDM_GETRANGE:
        return MAKELRESULT(static_cast<WORD>(ud->maximum), static_cast<WORD>(ud->minimum));
    case UDM_SETRANGE32:
        ud->minimum = static_cast<int>(wParam);
        ud->maximum = static_cast<int>(lParam);
        return 0;
    case UDM_GETRANGE32:
        return getRange32(*ud, reinterpret_cast<int*>(wParam), reinterpret_cast<int*>(lParam));
    case UDM_SETPOS:
        return static_cast<short>(setPosition(hwnd, *ud, static_cast<short>(LOWORD(lParam))));
    case UDM_SETPOS32:
        return setPosition(hwnd, *ud, static_cast<int>(lParam));
    case UDM_GETPOS: {
        BOOL error = FALSE;
        const auto position = static_cast<WORD>(getPosition(hwnd, *ud, &error));
        return MAKELRESULT(position, error ? 1 : 0);
    }
    case UDM_GETPOS32:
        return getPosition(hwnd, *ud, reinterpret_cast<BOOL*>(lParam));
    case UDM_SETBUDDY:
        return setBuddy(hwnd, *ud, reinterpret_cast<HWND>(wParam));
    case UDM_GETBUDDY:
        return reinterpret_cast<LRESULT>(ud->buddy);
    case UDM_SETACCEL:
        return setAccels(*ud, wParam, reinterpret_cast<const UDACCEL*>(lParam));
    case UDM_GETACCEL:
        return getAccels(*ud, wParam, reinterpret_cast<UDACCEL*>(lParam));
    case UDM_SETBASE:
        return setBase(hwnd, *ud, wParam);
    case UDM_GETBASE:
        return ud->base;
    case WM_PAINT:
        return paint(hwnd, *ud);
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
        return buttonDown(hwnd, *ud, lParam);
    case WM_LBUTTONUP:
        return buttonUp(hwnd, *ud);
    case WM_TIMER:
        return wParam == repeatTimer ? repeat(hwnd, *ud) : 0;
    case WM_CAPTURECHANGED:
        return captureLost(hwnd, *ud, lParam);
    case WM_KEYDOWN:
        return keyDown(hwnd, *ud, wParam);
    case WM_KEYUP:
        return keyUp(hwnd, *ud, wParam);
    case WM_SETFONT:
        ud->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(ud->font);
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

const SystemClassRegistration registration({UPDOWN_CLASSW, upDownProc, 0, 0});

} // namespace
} // namespace ce::gwes
