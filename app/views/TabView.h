// The common tab view: the page selector in its title, the title-bar buttons (Resize, Options,
// Refresh), the six tab buttons, the split modes, and commands it leaves to the main window.
#pragma once

#include <array>

#include "LayoutDialog.h"
#include "SkinnedButton.h"
#include "TabTable.h"

// Control ids every view template has.
enum TabViewControl : WORD {
    pageTitleId = 9,
    resizeButtonId = 1192,
    optionsButtonId = 1050,
    refreshButtonId = 1055,
};

class TabView : public LayoutDialog {
public:
    explicit TabView(int tab);

    const int tab;
    int currentPage = -1;
    int initialPage = -1; // set when a page was asked for before the view's window existed
    int splitMode = 0;    // 0 the template's panes, 1 halves, 2 lower pane minimal, 3 upper pane minimal

    // Shows page `page` (0 ... the view's last page); other values and the current page do nothing.
    virtual void selectPage(int page);
    virtual void setInitialPage(int page);
    // The view's own "Options" and "Refresh"; its pages bring them.
    virtual void onOptions();
    virtual void onRefresh();

    LRESULT onInitDialog(WPARAM wParam) override;
    LRESULT onCommand(UINT code, UINT id, HWND control) override;
    // The title rule, then a grey and a black frame, a pixel apart, round the title-bar buttons.
    LRESULT onPaint(HDC dc) override;
    std::span<LayoutEntry> layoutTable() override;

private:
    std::array<SkinnedButton, 3 + tabCount> buttons;
    void choosePageFromTitle();
};
