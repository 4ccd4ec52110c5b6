// The window framework's base: an object bound to a platform window, with one virtual operation
// per window message. One window procedure dispatches every framework window's messages.
#pragma once

#include "commctrl.h"
#include "windows.h"

// The WM_NOTIFY code the program's own controls send.
constexpr UINT ownNotifyCode = 1000;

class BaseWnd {
public:
    WNDPROC origProc = nullptr; // the window's procedure before the object attached itself
    HWND hwnd = nullptr;

    BaseWnd() = default;
    BaseWnd(const BaseWnd&) = delete;
    BaseWnd& operator=(const BaseWnd&) = delete;

    // The operations in slot order. Each passes its message on by default: to origProc when
    // there is one, else it answers the value its comment gives.
    virtual ~BaseWnd();                                                   // 0: detaches
    virtual void invalidate(const RECT* rect, bool erase);               // 1
    virtual LRESULT onCreate(CREATESTRUCTW* create);                      // 2: 0
    virtual LRESULT onSize(UINT type, int width, int height);            // 3: 1
    virtual LRESULT onEraseBkgnd(HDC dc);                                 // 4: default procedure
    virtual LRESULT onLButtonUp(UINT keys, int x, int y);                // 5: 1
    virtual LRESULT onLButtonDown(UINT keys, int x, int y);              // 6: 1
    virtual LRESULT onPaint(HDC dc);                                      // 7: 1
    virtual LRESULT onCommand(UINT code, UINT id, HWND control);         // 8: 1 (not handled)
    virtual LRESULT onWindowPosChanged(WINDOWPOS* position);             // 9: default procedure
    virtual LRESULT onTimer(UINT id, LPARAM lParam);                     // 10: 1
    virtual LRESULT onActivate(UINT state, BOOL minimized, HWND other);  // 11: 1
    virtual LRESULT onCtlColorStatic(HDC dc, HWND control);              // 12: 0
    virtual LRESULT onCtlColorBtn(HDC dc, HWND control);                 // 13: 0
    virtual LRESULT onCtlColorEdit(HDC dc, HWND control);                // 14: 0
    virtual LRESULT onDestroy();                                          // 15: 0
    virtual LRESULT onNotify(int id, NMHDR* header);                      // 16: 0
    virtual LRESULT onOtherNotify(int id, NMHDR* header);                 // 17: 0, never dispatched
    virtual LRESULT onTreeCustomDraw(int id, NMHDR* header);              // 18: 0
    virtual LRESULT onListCustomDraw(int id, NMHDR* header);              // 19: 0
    virtual LRESULT onHelp();                                             // 20: 0
    virtual LRESULT onListNotify(int id, NMHDR* header);                  // 21: 0
    virtual LRESULT onTreeNotify(int id, NMHDR* header);                  // 22: 0
    virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam); // 23: 0
    virtual LRESULT onHeaderClick(int id, NMHDR* header);                 // 24: 0
    virtual LRESULT onClick(int id, NMHDR* header);                       // 25: 0
    virtual LRESULT onSettingChange(UINT flag);                           // 26: 0
    virtual LRESULT onHScroll(UINT code, int position, HWND control);    // 27: 0
    virtual LRESULT onVScroll(UINT code, int position, HWND control);    // 28: 0
    virtual LRESULT onOwnNotify(int id, NMHDR* header);                   // 29: 0
    virtual LRESULT onMeasureItem(int id, MEASUREITEMSTRUCT* item);       // 30: the child's object
    virtual LRESULT onDrawItem(int id, DRAWITEMSTRUCT* item);             // 31: the child's object

    // Routes one message of `window` to the object's operations (see BaseWnd.cpp).
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // The default of an operation: the message being dispatched, to origProc when there is one,
    // else `answer`.
    LRESULT passOn(LRESULT answer);
    // The same with the default window procedure as the answer without origProc.
    LRESULT passOnToDefault();

private:
    struct Message {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    Message current; // the message being dispatched, for passOn
    LRESULT route(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT routeNotify(NMHDR* header);
};

// The dialog procedure of framework dialogs (BaseDialog.cpp).
INT_PTR CALLBACK frameworkDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The one window procedure of framework windows: WM_CREATE binds the object given as creation
// parameter; later messages find it in the window's user data.
LRESULT CALLBACK frameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The object attached to a window, or null.
BaseWnd* objectOf(HWND window);

// Subclasses an existing window with `object`: the object keeps the window's procedure in
// origProc and receives its messages from now on.
void attach(BaseWnd& object, HWND window);

// Subclasses the child control `id` of `dialog` so that its background is painted with the skin
// under it; every other message goes to the control's own procedure.
void makeTransparent(HWND dialog, int id);

// Subclasses an edit control so that typing, cutting and pasting do nothing.
void makeReadOnly(HWND edit);
