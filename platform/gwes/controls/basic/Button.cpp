// The BUTTON class: push and default push buttons, check boxes (two- and three-state, plain or
// automatic), radio buttons (an automatic one unchecks the other automatic ones of its group),
// group boxes and owner-drawn buttons. A tap (down and up inside) or the space key clicks:
// automatic kinds change their check, then the parent gets BN_CLICKED.
#include <algorithm>
#include <vector>

#include "BasicMetrics.h"
#include "ControlBasics.h"
#include "ControlPaint.h"
#include "OwnerDraw.h"
#include "gwes/SystemClasses.h"
#include "gwes/controls/ControlNotify.h"

namespace ce::gwes::basic {
namespace {

struct ButtonState {
    UINT state = BST_UNCHECKED; // check value | BST_PUSHED | BST_FOCUS
    bool stylusDown = false; // a tap began on the button and has not ended
    bool spaceDown = false;
    HANDLE image = nullptr; // BS_BITMAP / BS_ICON image
    HFONT font = nullptr;
};

DWORD kindOf(HWND hwnd)
{
    return styleOf(hwnd) & BS_TYPEMASK;
}

// The highest check value the kind of button holds (0: it holds none).
UINT highestCheck(DWORD kind)
{
    switch (kind) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return BST_CHECKED;
    case BS_3STATE:
    case BS_AUTO3STATE:
        return BST_INDETERMINATE;
    default:
        return BST_UNCHECKED;
    }
}

bool isRadio(DWORD kind)
{
    return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
}

bool isPush(DWORD kind)
{
    return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON;
}

LRESULT dialogCode(HWND hwnd)
{
    const DWORD kind = kindOf(hwnd);
    if (kind == BS_GROUPBOX)
        return DLGC_STATIC;
    if (kind == BS_DEFPUSHBUTTON)
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    if (kind == BS_PUSHBUTTON)
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    if (isRadio(kind))
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    return DLGC_BUTTON;
}

void notifyIf(HWND hwnd, WORD code)
{
    if (styleOf(hwnd) & BS_NOTIFY)
        notifyParentCommand(hwnd, code);
}

// BM_SETCHECK: values above what the kind holds are taken as its highest. A radio button
// is a tab stop while it is checked, so the dialog tabs to the group's choice.
LRESULT setCheck(HWND hwnd, ButtonState& state, WPARAM value)
{
    const DWORD kind = kindOf(hwnd);
    const UINT check = std::min(static_cast<UINT>(value), highestCheck(kind));
    if (isRadio(kind))
        changeStyle(hwnd, WS_TABSTOP, check != BST_UNCHECKED);
    if ((state.state & 3) != check) {
        state.state = (state.state & ~3u) | check;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    return 0;
}

LRESULT setPushed(HWND hwnd, ButtonState& state, bool pushed)
{
    if (((state.state & BST_PUSHED) != 0) == pushed)
        return 0;
    state.state = pushed ? (state.state | BST_PUSHED) : (state.state & ~static_cast<UINT>(BST_PUSHED));
    InvalidateRect(hwnd, nullptr, FALSE);
    notifyIf(hwnd, pushed ? BN_HILITE : BN_UNHILITE);
    return 0;
}

// The window's radio group among its siblings in dialog (z-) order: from the nearest window
// at or before it with WS_GROUP up to the next window with WS_GROUP.
std::vector<HWND> groupOf(HWND hwnd)
{
    HWND start = hwnd;
    for (HWND previous = nullptr; !(styleOf(start) & WS_GROUP) && (previous = GetWindow(start, GW_HWNDPREV));)
        start = previous;
    std::vector<HWND> group {start};
    for (HWND next = GetWindow(start, GW_HWNDNEXT); next && !(styleOf(next) & WS_GROUP);
         next = GetWindow(next, GW_HWNDNEXT))
        group.push_back(next);
    return group;
}

void uncheckOtherAutoRadios(HWND hwnd)
{
    if (!(styleOf(hwnd) & WS_CHILD))
        return;
    for (HWND other : groupOf(hwnd)) {
        const bool radio = SendMessageW(other, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON;
        if (other != hwnd && radio && (styleOf(other) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
            SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

// What a click does: the automatic kinds move their check, then the parent hears of it.
void click(HWND hwnd, const ButtonState& state)
{
    const UINT check = state.state & 3;
    switch (kindOf(hwnd)) {
    case BS_AUTOCHECKBOX:
        SendMessageW(hwnd, BM_SETCHECK, check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
        break;
    case BS_AUTO3STATE:
        SendMessageW(hwnd, BM_SETCHECK, (check + 1) % 3, 0);
        break;
    case BS_AUTORADIOBUTTON:
        SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        uncheckOtherAutoRadios(hwnd);
        break;
    default:
        break;
    }
    notifyParentCommand(hwnd, BN_CLICKED);
}

bool takesInput(HWND hwnd)
{
    return IsWindowEnabled(hwnd) && kindOf(hwnd) != BS_GROUPBOX; // a group box lets taps through
}

LRESULT stylusDown(HWND hwnd, ButtonState& state)
{
    if (!takesInput(hwnd))
        return 0;
    if (GetFocus() != hwnd)
        SetFocus(hwnd);
    state.stylusDown = true;
    return setPushed(hwnd, state, true);
}

LRESULT stylusMove(HWND hwnd, ButtonState& state, LPARAM lParam)
{
    if (state.stylusDown)
        setPushed(hwnd, state, isInside(clientRect(hwnd), pointOf(lParam)));
    return 0;
}

LRESULT stylusUp(HWND hwnd, ButtonState& state, LPARAM lParam)
{
    if (!state.stylusDown)
        return 0;
    state.stylusDown = false;
    setPushed(hwnd, state, false);
    if (isInside(clientRect(hwnd), pointOf(lParam)))
        click(hwnd, state);
    return 0;
}

LRESULT doubleTap(HWND hwnd, ButtonState& state)
{
    const DWORD kind = kindOf(hwnd);
    const bool reports = (styleOf(hwnd) & BS_NOTIFY) || isRadio(kind) || kind == BS_OWNERDRAW;
    if (!reports)
        return stylusDown(hwnd, state);
    if (takesInput(hwnd))
        notifyParentCommand(hwnd, BN_DOUBLECLICKED);
    return 0;
}

LRESULT keyDown(HWND hwnd, ButtonState& state, WPARAM key)
{
    if (key != VK_SPACE || !takesInput(hwnd))
        return 0;
    state.spaceDown = true;
    return setPushed(hwnd, state, true);
}

LRESULT keyUp(HWND hwnd, ButtonState& state, WPARAM key)
{
    if (key != VK_SPACE || !state.spaceDown)
        return 0;
    state.spaceDown = false;
    const bool wasPushed = state.state & BST_PUSHED;
    setPushed(hwnd, state, false);
    if (wasPushed)
        click(hwnd, state);
    return 0;
}

LRESULT focusChange(HWND hwnd, ButtonState& state, bool gained)
{
    state.state = gained ? (state.state | BST_FOCUS) : (state.state & ~static_cast<UINT>(BST_FOCUS));
    if (!gained) {
        state.stylusDown = state.spaceDown = false;
        setPushed(hwnd, state, false);
    }
    InvalidateRect(hwnd, nullptr, FALSE);
    notifyIf(hwnd, gained ? BN_SETFOCUS : BN_KILLFOCUS);
    return 0;
}

LRESULT setStyle(HWND hwnd, WPARAM style, LPARAM redraw)
{
    SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>((styleOf(hwnd) & ~BS_TYPEMASK) | (style & BS_TYPEMASK)));
    if (redraw)
        InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

LRESULT setImage(HWND hwnd, ButtonState& state, HANDLE image)
{
    HANDLE previous = state.image;
    state.image = image;
    InvalidateRect(hwnd, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT clickMessage(HWND hwnd)
{
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
    return 0;
}

UINT ownerDrawState(const ButtonState& state)
{
    return ((state.state & BST_PUSHED) ? ODS_SELECTED : 0u) | ((state.state & BST_FOCUS) ? ODS_FOCUS : 0u);
}

// The DrawTextW alignment of a button's text: BS_LEFT/BS_RIGHT/BS_CENTER, else `usual`.
UINT alignment(DWORD style, UINT usual)
{
    switch (style & BS_CENTER) {
    case BS_LEFT:
        return DT_LEFT;
    case BS_RIGHT:
        return DT_RIGHT;
    case BS_CENTER:
        return DT_CENTER;
    default:
        return usual;
    }
}

UINT textFormat(DWORD style, UINT usual)
{
    const UINT lines = (style & BS_MULTILINE) ? DT_WORDBREAK : static_cast<UINT>(DT_SINGLELINE | DT_VCENTER);
    return alignment(style, usual) | lines;
}

// A BS_ICON or BS_BITMAP image centred in `area`; false when the button shows text instead or
// the image is no icon or bitmap.
bool drawImage(HDC dc, HWND hwnd, const ButtonState& state, const RECT& area)
{
    const DWORD style = styleOf(hwnd);
    if (!state.image || !(style & (BS_ICON | BS_BITMAP)))
        return false;
    const int areaWidth = area.right - area.left;
    const int areaHeight = area.bottom - area.top;
    if (style & BS_ICON) {
        const int side = GetSystemMetrics(SM_CXICON);
        return DrawIconEx(dc, area.left + (areaWidth - side) / 2, area.top + (areaHeight - side) / 2,
            static_cast<HICON>(state.image), side, side, 0, nullptr, DI_NORMAL);
    }
    const std::optional<SIZE> size = bitmapSize(state.image);
    return size
        && drawBitmap(
            dc, state.image, {area.left + (areaWidth - size->cx) / 2, area.top + (areaHeight - size->cy) / 2});
}

// A push button in the Pocket PC look: a one-pixel dark frame (two for the default button)
// round a light face; pushed, the face darkens and the text turns light.
void paintPush(HWND hwnd, const ButtonState& state, HDC dc)
{
    RECT face = clientRect(hwnd);
    const bool pushed = state.state & BST_PUSHED;
    const int frames = kindOf(hwnd) == BS_DEFPUSHBUTTON ? 2 : 1;
    for (int i = 0; i < frames; ++i) {
        frameSystem(dc, face, COLOR_WINDOWFRAME);
        InflateRect(&face, -1, -1);
    }
    fillSystem(dc, face, pushed ? COLOR_BTNSHADOW : COLOR_BTNFACE);
    if (!drawImage(dc, hwnd, state, face)) {
        const COLORREF colour = IsWindowEnabled(hwnd) ? GetSysColor(pushed ? COLOR_BTNHIGHLIGHT : COLOR_BTNTEXT)
                                                      : GetSysColor(COLOR_GRAYTEXT);
        drawText(dc, windowText(hwnd), face, textFormat(styleOf(hwnd), DT_CENTER), colour);
    }
    if (state.state & BST_FOCUS) {
        InflateRect(&face, -textMargin(), -textMargin());
        DrawFocusRect(dc, &face);
    }
}

// The DrawFrameControl state of a check box or radio button.
UINT checkState(DWORD kind, const ButtonState& state, bool enabled)
{
    const UINT check = state.state & 3;
    UINT drawn = isRadio(kind) ? static_cast<UINT>(DFCS_BUTTONRADIO) : static_cast<UINT>(DFCS_BUTTONCHECK);
    if (check == BST_CHECKED)
        drawn |= DFCS_CHECKED;
    else if (check == BST_INDETERMINATE)
        drawn |= DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (state.state & BST_PUSHED)
        drawn |= DFCS_PUSHED;
    return enabled ? drawn : (drawn | DFCS_INACTIVE);
}

// A check box or radio button: its 13x13 square at the left (BS_LEFTTEXT: at the right),
// vertically centred, and its text beside it with the focus rectangle round the text.
void paintCheck(HWND hwnd, const ButtonState& state, HDC dc, const ControlColours& colours)
{
    const RECT client = clientRect(hwnd);
    fill(dc, client, colours.background);
    const DWORD style = styleOf(hwnd);
    const bool boxAtRight = style & BS_LEFTTEXT;
    const int side = checkBoxSize();
    const int top = (client.bottom - side) / 2;
    RECT box {boxAtRight ? client.right - side : 0, top, 0, top + side};
    box.right = box.left + side;
    DrawFrameControl(dc, &box, DFC_BUTTON, checkState(kindOf(hwnd), state, IsWindowEnabled(hwnd)));
    RECT text = client;
    if (boxAtRight)
        text.right = box.left - checkBoxGap();
    else
        text.left = box.right + checkBoxGap();
    const std::u16string caption = windowText(hwnd);
    const UINT format = textFormat(style, DT_LEFT);
    drawText(dc, caption, text, format, textColourOf(hwnd, colours));
    if (!(state.state & BST_FOCUS) || caption.empty())
        return;
    // The focus goes round the text itself, a pixel out.
    RECT measured = text;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured, format | DT_CALCRECT);
    const LONG height = measured.bottom - measured.top;
    const LONG width = std::min(measured.right - measured.left, text.right - text.left);
    const LONG left = (format & DT_RIGHT) ? text.right - width : text.left;
    const LONG focusTop = (format & DT_VCENTER) ? (client.bottom - height) / 2 : text.top;
    RECT focus {left - 1, focusTop - 1, left + width + 1, focusTop + height + 1};
    DrawFocusRect(dc, &focus);
}

// A group box: a frame in COLOR_3DSHADOW through the middle of its caption's first line, the
// caption at the top left. Nothing beneath shows through a child window, so it fills its
// background too.
void paintGroupBox(HWND hwnd, HDC dc, const ControlColours& colours)
{
    const RECT client = clientRect(hwnd);
    fill(dc, client, colours.background);
    const std::u16string caption = windowText(hwnd);
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);
    RECT frame = client;
    frame.top = metrics.tmHeight / 2;
    frameSystem(dc, frame, COLOR_3DSHADOW);
    if (caption.empty())
        return;
    SIZE extent {};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    const int left = groupCaptionIndent();
    const RECT behind {
        left - textMargin(), 0, std::min<LONG>(client.right, left + extent.cx + textMargin()), metrics.tmHeight};
    fill(dc, behind, colours.background); // the frame's top line stops either side of it
    drawText(
        dc, caption, {left, 0, behind.right, metrics.tmHeight}, DT_LEFT | DT_SINGLELINE, textColourOf(hwnd, colours));
}

LRESULT paint(HWND hwnd, const ButtonState& state)
{
    const DWORD kind = kindOf(hwnd);
    const bool buttonColours = isPush(kind) || kind == BS_OWNERDRAW;
    const ControlPaint paint(hwnd, state.font, buttonColours ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC);
    if (kind == BS_OWNERDRAW) // the owner draws it whole each time it is painted
        drawItem(hwnd, paint.dc(), {ODT_BUTTON, 0, ownerDrawState(state), clientRect(hwnd), 0});
    else if (isPush(kind))
        paintPush(hwnd, state, paint.dc());
    else if (kind == BS_GROUPBOX)
        paintGroupBox(hwnd, paint.dc(), paint.colours());
    else
        paintCheck(hwnd, state, paint.dc(), paint.colours());
    return 0;
}

LRESULT buttonMessage(HWND hwnd, ButtonState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        return stylusDown(hwnd, state);
    case WM_MOUSEMOVE:
        return stylusMove(hwnd, state, lParam);
    case WM_LBUTTONUP:
        return stylusUp(hwnd, state, lParam);
    case WM_LBUTTONDBLCLK:
        return doubleTap(hwnd, state);
    case WM_KEYDOWN:
        return keyDown(hwnd, state, wParam);
    case WM_KEYUP:
        return keyUp(hwnd, state, wParam);
    case WM_SETFOCUS:
        return focusChange(hwnd, state, true);
    case WM_KILLFOCUS:
        return focusChange(hwnd, state, false);
    case WM_GETDLGCODE:
        return dialogCode(hwnd);
    case WM_PAINT:
        return paint(hwnd, state);
    case BM_GETCHECK:
        return state.state & 3;
    case BM_SETCHECK:
        return setCheck(hwnd, state, wParam);
    case BM_GETSTATE:
        return state.state;
    case BM_SETSTATE:
        return setPushed(hwnd, state, wParam != 0);
    case BM_SETSTYLE:
        return setStyle(hwnd, wParam, lParam);
    case BM_CLICK:
        return clickMessage(hwnd);
    case BM_SETIMAGE:
        return setImage(hwnd, state, reinterpret_cast<HANDLE>(lParam));
    case BM_GETIMAGE:
        return reinterpret_cast<LRESULT>(state.image);
    default:
        return defaultControlProc(hwnd, state.font, message, wParam, lParam);
    }
}

const SystemClassRegistration registration({u"BUTTON", controlProc<ButtonState, buttonMessage>, CS_DBLCLKS, 0});

} // namespace
} // namespace ce::gwes::basic
