// Message dispatch to BaseWnd objects: the slot table, the notification codes, the re-posting of
// unhandled commands to the parent, owner-draw delegation, and subclassing existing windows.
#include "BaseWnd.h"

#include "FrameworkLook.h"
#include "cewchar.h"

namespace {

// The class name of a control, for choosing between the list and tree custom-draw slots.
bool hasClass(HWND window, const char16_t* name)
{
    WCHAR className[64] = {};
    return GetClassNameW(window, className, 64) && _wcsicmp(className, name) == 0;
}

// The signed word halves of a position in lParam.
int lowSigned(LPARAM value)
{
    return static_cast<short>(LOWORD(value));
}

int highSigned(LPARAM value)
{
    return static_cast<short>(HIWORD(value));
}

LRESULT CALLBACK transparentProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA));
    if (message == WM_ERASEBKGND) {
        frameworkLook().paintBackground(control, reinterpret_cast<HDC>(wParam));
        return 1;
    }
    return previous ? CallWindowProcW(previous, control, message, wParam, lParam)
                    : DefWindowProcW(control, message, wParam, lParam);
}

LRESULT CALLBACK readOnlyProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR || message == WM_CUT || message == WM_PASTE)
        return 0;
    auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(edit, GWLP_USERDATA));
    return previous ? CallWindowProcW(previous, edit, message, wParam, lParam)
                    : DefWindowProcW(edit, message, wParam, lParam);
}

// Replaces a control's procedure by `proc`, keeping the old one in the control's user data.
void subclassKeepingPrevious(HWND control, WNDPROC proc)
{
    if (!control)
        return;
    const LONG_PTR previous = SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    SetWindowLongPtrW(control, GWLP_USERDATA, previous);
}

} // namespace

BaseWnd::~BaseWnd()
{
    if (hwnd && IsWindow(hwnd) && objectOf(hwnd) == this) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (origProc)
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(origProc));
    }
}

void BaseWnd::invalidate(const RECT* rect, bool erase)
{
    if (hwnd)
        InvalidateRect(hwnd, rect, erase);
}

LRESULT BaseWnd::passOn(LRESULT answer)
{
    return origProc ? CallWindowProcW(origProc, hwnd, current.message, current.wParam, current.lParam) : answer;
}

LRESULT BaseWnd::passOnToDefault()
{
    return origProc ? CallWindowProcW(origProc, hwnd, current.message, current.wParam, current.lParam)
                    : DefWindowProcW(hwnd, current.message, current.wParam, current.lParam);
}

LRESULT BaseWnd::onCreate(CREATESTRUCTW*) { return passOn(0); }
LRESULT BaseWnd::onSize(UINT, int, int) { return passOn(1); }
LRESULT BaseWnd::onEraseBkgnd(HDC) { return passOnToDefault(); }
LRESULT BaseWnd::onLButtonUp(UINT, int, int) { return passOn(1); }
LRESULT BaseWnd::onLButtonDown(UINT, int, int) { return passOn(1); }
LRESULT BaseWnd::onPaint(HDC) { return passOn(1); }
LRESULT BaseWnd::onCommand(UINT, UINT, HWND) { return passOn(1); }
LRESULT BaseWnd::onWindowPosChanged(WINDOWPOS*) { return passOnToDefault(); }
LRESULT BaseWnd::onTimer(UINT, LPARAM) { return passOn(1); }
LRESULT BaseWnd::onActivate(UINT, BOOL, HWND) { return passOn(1); }
LRESULT BaseWnd::onCtlColorStatic(HDC, HWND) { return passOn(0); }
LRESULT BaseWnd::onCtlColorBtn(HDC, HWND) { return passOn(0); }
LRESULT BaseWnd::onCtlColorEdit(HDC, HWND) { return passOn(0); }
LRESULT BaseWnd::onDestroy() { return passOn(0); }
LRESULT BaseWnd::onNotify(int, NMHDR*) { return passOn(0); }
LRESULT BaseWnd::onOtherNotify(int, NMHDR*) { return passOn(0); }
LRESULT BaseWnd::onTreeCustomDraw(int, NMHDR*) { return passOn(0); }
LRESULT BaseWnd::onListCustomDraw(int, NMHDR*) { return passOn(0); }
LRESULT BaseWnd::onHelp() { return passOn(0); }
LRESULT BaseWnd::onListNotify(int, NMHDR*) { return passOn(0); }
LRESULT BaseWnd::onTreeNotify(int, NMHDR*) { return passOn(0); }
LRESULT BaseWnd::onMessage(UINT, WPARAM, LPARAM) { return passOn(0); }
LRESULT BaseWnd::onHeaderClick(int, NMHDR*) { return passOn(0); }
LRESULT BaseWnd::onClick(int, NMHDR*) { return passOn(0); }
LRESULT BaseWnd::onSettingChange(UINT) { return passOn(0); }
LRESULT BaseWnd::onHScroll(UINT, int, HWND) { return passOn(0); }
LRESULT BaseWnd::onVScroll(UINT, int, HWND) { return passOn(0); }
LRESULT BaseWnd::onOwnNotify(int, NMHDR*) { return passOn(0); }

// An owner-drawn control measures and draws itself: its own object answers.
LRESULT BaseWnd::onMeasureItem(int id, MEASUREITEMSTRUCT* item)
{
    BaseWnd* child = hwnd ? objectOf(GetDlgItem(hwnd, id)) : nullptr;
    return child ? child->onMeasureItem(id, item) : 0;
}

LRESULT BaseWnd::onDrawItem(int id, DRAWITEMSTRUCT* item)
{
    BaseWnd* child = hwnd ? objectOf(GetDlgItem(hwnd, id)) : nullptr;
    return child ? child->onDrawItem(id, item) : 0;
}

LRESULT BaseWnd::dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Handlers may send this window further messages: each dispatch keeps its own.
    const Message outer = current;
    current = {message, wParam, lParam};
    const LRESULT result = route(message, wParam, lParam);
    current = outer;
    return result;
}

LRESULT BaseWnd::route(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return onCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
    case WM_SIZE:
        return onSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
    case WM_ERASEBKGND:
        return onEraseBkgnd(reinterpret_cast<HDC>(wParam));
    case WM_LBUTTONUP:
        return onLButtonUp(static_cast<UINT>(wParam), lowSigned(lParam), highSigned(lParam));
    case WM_LBUTTONDOWN:
        return onLButtonDown(static_cast<UINT>(wParam), lowSigned(lParam), highSigned(lParam));
    case WM_PAINT:
        return onPaint(reinterpret_cast<HDC>(wParam));
    case WM_COMMAND: {
        const HWND window = hwnd;
        if (onCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam))) {
            // Not handled here: the parent (a view's main window, a dialog's owner) may.
            if (HWND parent = IsWindow(window) ? GetParent(window) : nullptr)
                PostMessageW(parent, WM_COMMAND, wParam, lParam);
        }
        return 0;
    }
    case WM_WINDOWPOSCHANGED:
        return onWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam));
    case WM_TIMER:
        return onTimer(static_cast<UINT>(wParam), lParam);
    case WM_ACTIVATE:
        return onActivate(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLORSTATIC:
        return onCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLORBTN:
        return onCtlColorBtn(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLOREDIT:
        return onCtlColorEdit(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DESTROY:
        return onDestroy();
    case WM_NOTIFY:
        return routeNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_HELP:
        return onHelp();
    case WM_SETTINGCHANGE:
        return onSettingChange(static_cast<UINT>(wParam));
    case WM_HSCROLL:
        return onHScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), reinterpret_cast<HWND>(lParam));
    case WM_VSCROLL:
        return onVScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), reinterpret_cast<HWND>(lParam));
    case WM_MEASUREITEM:
        return onMeasureItem(static_cast<int>(wParam), reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM:
        return onDrawItem(static_cast<int>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    default:
        return onMessage(message, wParam, lParam);
    }
}

LRESULT BaseWnd::routeNotify(NMHDR* header)
{
    if (!header)
        return onNotify(0, header);
    const int id = static_cast<int>(header->idFrom);
    switch (header->code) {
    case LVN_ITEMACTIVATE:
    case LVN_COLUMNCLICK:
    case LVN_ITEMCHANGED:
    case LVN_KEYDOWN:
    case LVN_GETDISPINFOW:
        return onListNotify(id, header);
    case TVN_SELCHANGEDW:
    case TVN_ITEMEXPANDINGW:
        return onTreeNotify(id, header);
    case HDN_ITEMCLICKW:
        return onHeaderClick(id, header);
    case NM_CLICK:
        return onClick(id, header);
    case ownNotifyCode:
        return onOwnNotify(id, header);
    case NM_CUSTOMDRAW:
        if (hasClass(header->hwndFrom, WC_LISTVIEWW))
            return onListCustomDraw(id, header);
        if (hasClass(header->hwndFrom, WC_TREEVIEWW))
            return onTreeCustomDraw(id, header);
        return onNotify(id, header);
    default:
        return onNotify(id, header);
    }
}

BaseWnd* objectOf(HWND window)
{
    if (!window || !IsWindow(window))
        return nullptr;
    // Only framework windows keep an object in their user data; other windows keep anything.
    const bool framework =
        reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == frameworkWindowProc
        || reinterpret_cast<DLGPROC>(GetWindowLongPtrW(window, DWLP_DLGPROC)) == frameworkDialogProc;
    return framework ? reinterpret_cast<BaseWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
}

LRESULT CALLBACK frameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* object = create ? static_cast<BaseWnd*>(create->lpCreateParams) : nullptr;
        if (object) {
            object->hwnd = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
            return object->dispatch(message, wParam, lParam);
        }
    }
    BaseWnd* object = objectOf(window);
    return object ? object->dispatch(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

void attach(BaseWnd& object, HWND window)
{
    if (!window)
        return;
    object.hwnd = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&object));
    object.origProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(frameworkWindowProc)));
}

void makeTransparent(HWND dialog, int id)
{
    subclassKeepingPrevious(GetDlgItem(dialog, id), transparentProc);
}

void makeReadOnly(HWND edit)
{
    subclassKeepingPrevious(edit, readOnlyProc);
}
