// The STATIC class: text (left, centred or right, wrapped at words unless SS_LEFTNOWORDWRAP), an
// icon or a bitmap kept by handle and drawn at the top left, and STN_CLICKED/STN_DBLCLK to the
// parent when SS_NOTIFY asks for them.
#include "ControlBasics.h"
#include "ControlPaint.h"
#include "gwes/SystemClasses.h"
#include "gwes/controls/ControlNotify.h"

namespace ce::gwes::basic {
namespace {

struct StaticState {
    HANDLE image = nullptr; // the SS_ICON or SS_BITMAP image
    HFONT font = nullptr;
};

// The image type that suits the control's kind, or -1 for a text static.
int imageTypeOf(HWND hwnd)
{
    switch (styleOf(hwnd) & SS_TYPEMASK) {
    case SS_ICON:
        return IMAGE_ICON;
    case SS_BITMAP:
        return IMAGE_BITMAP;
    default:
        return -1;
    }
}

// STM_SETIMAGE: the previous image, or 0 when the type does not suit the control.
LRESULT setImage(HWND hwnd, StaticState& state, WPARAM type, HANDLE image)
{
    if (static_cast<int>(type) != imageTypeOf(hwnd))
        return 0;
    HANDLE previous = state.image;
    state.image = image;
    InvalidateRect(hwnd, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT getImage(HWND hwnd, const StaticState& state, WPARAM type)
{
    return static_cast<int>(type) == imageTypeOf(hwnd) ? reinterpret_cast<LRESULT>(state.image) : 0;
}

// The DrawTextW format of a text static's style.
UINT textFormat(DWORD style)
{
    UINT format = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0u;
    if (style & SS_CENTERIMAGE)
        format |= DT_SINGLELINE | DT_VCENTER;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        return format | DT_CENTER | DT_WORDBREAK;
    case SS_RIGHT:
        return format | DT_RIGHT | DT_WORDBREAK;
    case SS_LEFTNOWORDWRAP:
        return format | DT_LEFT | DT_SINGLELINE;
    default:
        return format | DT_LEFT | DT_WORDBREAK;
    }
}

LRESULT paint(HWND hwnd, const StaticState& state)
{
    const ControlPaint paint(hwnd, state.font, WM_CTLCOLORSTATIC);
    const RECT client = clientRect(hwnd);
    fill(paint.dc(), client, paint.colours().background);
    const DWORD style = styleOf(hwnd);
    switch (imageTypeOf(hwnd)) {
    case IMAGE_ICON:
        if (state.image)
            DrawIconEx(paint.dc(), 0, 0, static_cast<HICON>(state.image), 0, 0, 0, nullptr, DI_NORMAL);
        break;
    case IMAGE_BITMAP:
        drawBitmap(paint.dc(), state.image, {0, 0});
        break;
    default:
        drawText(paint.dc(), windowText(hwnd), client, textFormat(style), textColourOf(hwnd, paint.colours()));
        break;
    }
    return 0;
}

// Stylus and enabling notifications go out only with SS_NOTIFY.
LRESULT notifyIf(HWND hwnd, WORD code, bool needsEnabled)
{
    if ((styleOf(hwnd) & SS_NOTIFY) && (!needsEnabled || IsWindowEnabled(hwnd)))
        notifyParentCommand(hwnd, code);
    return 0;
}

LRESULT staticMessage(HWND hwnd, StaticState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        return paint(hwnd, state);
    case WM_LBUTTONDOWN:
        return notifyIf(hwnd, STN_CLICKED, true);
    case WM_LBUTTONDBLCLK:
        return notifyIf(hwnd, STN_DBLCLK, true);
    case WM_ENABLE:
        notifyIf(hwnd, wParam ? STN_ENABLE : STN_DISABLE, false);
        return defaultControlProc(hwnd, state.font, message, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case STM_SETIMAGE:
        return setImage(hwnd, state, wParam, reinterpret_cast<HANDLE>(lParam));
    case STM_GETIMAGE:
        return getImage(hwnd, state, wParam);
    case STM_SETICON:
        return setImage(hwnd, state, IMAGE_ICON, reinterpret_cast<HANDLE>(wParam));
    case STM_GETICON:
        return getImage(hwnd, state, IMAGE_ICON);
    default:
        return defaultControlProc(hwnd, state.font, message, wParam, lParam);
    }
}

const SystemClassRegistration registration({u"STATIC", controlProc<StaticState, staticMessage>, CS_DBLCLKS, 0});

} // namespace
} // namespace ce::gwes::basic
