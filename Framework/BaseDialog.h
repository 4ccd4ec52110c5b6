// The base of every dialog, view and page: a BaseWnd made from a dialog template, with the
// shell's set-up, the skin behind it, the styled title, the list look, help, and the control
// utilities the views share.
#pragma once

#include <string>

#include "BaseWnd.h"

class BaseDialog : public BaseWnd {
public:
    BaseDialog(int templateId, HWND parent);

    int templateId;       // the template in the program's resources
    HWND parent;          // the owner in modal use
    bool transparent = false; // the skin shows behind static texts and the background
    HWND menuBar = nullptr;
    HMENU menu = nullptr;
    UINT menuId = 0;      // the menu bar's menu resource, 0 for an empty bar
    int helpTopic = 0;    // index into the help topics
    int titleId = -1;     // the title static's control id, -1 for none
    bool styledTitle = false;
    bool titleRule = false;
    int ruleEnd = -1;     // where the title rule ends, -1 for the full width
    bool highlightSelection = true; // the selected list row shows in the highlight colours

    virtual LRESULT onInitDialog(WPARAM wParam);                      // 32: 1
    // Shell set-up at the start of onInitDialog: texts, SHInitDialog (unless shellFlags is -1),
    // the menu bar from menuId (the language pack's copy first).
    virtual void initShell(WPARAM wParam, int shellFlags, UINT menuId); // 33
    virtual COLORREF rowBkColor(HWND list, int row);                  // 34
    virtual COLORREF rowTextColor(HWND list, int row);                // 35

    // The title rule's height in design units: 22 in portrait, 20 in landscape (dialogs that
    // lay themselves out to the screen scale it).
    virtual int titleRuleHeight();

    // Runs the dialog modally from the program's template: the value its end was given.
    INT_PTR doModal();
    // Opens the help viewer at this dialog's topic.
    void showHelp();

    LRESULT onEraseBkgnd(HDC dc) override;
    LRESULT onPaint(HDC dc) override;
    LRESULT onCommand(UINT code, UINT id, HWND control) override;
    LRESULT onCtlColorStatic(HDC dc, HWND control) override;
    LRESULT onCtlColorBtn(HDC dc, HWND control) override;
    LRESULT onDestroy() override;
    LRESULT onListCustomDraw(int id, NMHDR* header) override;
    LRESULT onHelp() override;
    // A skinned button without an object of its own is drawn by the look.
    LRESULT onDrawItem(int id, DRAWITEMSTRUCT* item) override;

    // Control utilities: each does nothing (and answers 0 or false) while there is no window.
    void setCheck(int id, int value);
    bool isChecked(int id);
    void enableItem(int id, bool enable);
    void showItems(const int* ids, bool show); // ids end with 0
    void setTextIfChanged(HWND control, const char16_t* text);
    void selectListRow(HWND list, int row);
    void widenDropDown(HWND combo);
    RECT childrenBounds();
    // Where a child control is, in the dialog's client coordinates (empty without a window).
    RECT childRect(HWND control);
    // The platform's open or save dialog over `path` (MAX_PATH characters): true when chosen.
    bool askOpenFile(WCHAR* path, const char16_t* filter);
    bool askSaveFile(WCHAR* path, const char16_t* filter);
};

// Shell set-up flags of most dialogs: Done button, full screen, input panel down.
constexpr int standardShellFlags = 13;
// The command of "Help" in the menus.
constexpr UINT helpMenuCommand = 40094;

// The font of styled titles: Tahoma bold, 11 points at 96 dpi, made once.
HFONT titleFont();
