// The common tab view. Its menu bar is the main menu, so "Jump To" and "Tools" work from every
// view: what the view does not handle goes on to the main window.
#include "TabView.h"

#include "AppState.h"
#include "ProductMenus.h"
#include "Settings.h"
#include "StringTable.h"

namespace {

constexpr int maxPages = 6;

} // namespace

TabView::TabView(int tab) : LayoutDialog(tabTable[tab].templateId, nullptr), tab(tab)
{
    transparent = true;
    titleId = pageTitleId;
    styledTitle = true;
    titleRule = true;
}

LRESULT TabView::onPaint(HDC dc)
{
    const LRESULT result = LayoutDialog::onPaint(dc);
    RECT buttons {};
    for (WORD id : {resizeButtonId, optionsButtonId, refreshButtonId}) {
        const RECT inView = childRect(GetDlgItem(hwnd, id));
        UnionRect(&buttons, &buttons, &inView);
    }
    if (IsRectEmpty(&buttons))
        return result;
    HDC window = GetDC(hwnd);
    InflateRect(&buttons, 1, 1);
    HBRUSH grey = CreateSolidBrush(RGB(0x80, 0x80, 0x80));
    FrameRect(window, &buttons, grey);
    OffsetRect(&buttons, 1, 1);
    FrameRect(window, &buttons, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    DeleteObject(grey);
    ReleaseDC(hwnd, window);
    return result;
}

std::span<LayoutEntry> TabView::layoutTable()
{
    return tabViewLayout();
}

void TabView::setInitialPage(int page)
{
    initialPage = page;
}

void TabView::selectPage(int page)
{
    const auto& pages = tabTable[tab].pages;
    if (page < 0 || page >= maxPages || page >= static_cast<int>(pages.size()) || page == currentPage)
        return;
    currentPage = page;
    settings().views[tab] = static_cast<DWORD>(page);
    helpTopic = pages[page].helpTopic;
    const char16_t* name = getString(pages[page].nameId);
    std::u16string shown(name ? name : u"");
    shown.resize(std::min<size_t>(shown.size(), 49));
    setTextIfChanged(GetDlgItem(hwnd, pageTitleId), shown.c_str());
}

void TabView::onOptions()
{
}

void TabView::onRefresh()
{
}

LRESULT TabView::onInitDialog(WPARAM wParam)
{
    initShell(wParam, standardShellFlags, mainMenuId);
    makeTransparent(hwnd, pageTitleId); // the skin shows behind the page title
    const struct {
        WORD id;
        int captionId;
    } titleBarButtons[] = {{resizeButtonId, 413}, {optionsButtonId, 412}, {refreshButtonId, 244}};
    for (int index = 0; index < 3; ++index) {
        buttons[index].icon = {ButtonIcon::titleBar, index};
        buttons[index].attachTo(hwnd, titleBarButtons[index].id, titleBarButtons[index].captionId);
    }
    for (int other = 0; other < tabCount; ++other) {
        buttons[3 + other].face = ButtonFace::tab;
        buttons[3 + other].icon = {ButtonIcon::tabs, other};
        buttons[3 + other].attachTo(hwnd, tabTable[other].buttonId, tabTable[other].captionId);
    }
    layOut();
    // A page asked for wins over the remembered one; a remembered page out of range is ignored.
    int page = initialPage;
    if (page < 0 && settings().rememberView)
        page = static_cast<int>(settings().views[tab]);
    if (page < 0 || page >= static_cast<int>(tabTable[tab].pages.size()))
        page = 0;
    selectPage(page);
    return 1;
}

void TabView::choosePageFromTitle()
{
    HMENU pages = CreatePopupMenu();
    const auto& list = tabTable[tab].pages;
    for (size_t page = 0; page < list.size(); ++page) {
        const char16_t* name = getString(list[page].nameId);
        AppendMenuW(pages, MF_STRING | (static_cast<int>(page) == currentPage ? MF_CHECKED : 0), page + 1,
            name ? name : u"");
    }
    RECT title;
    GetWindowRect(GetDlgItem(hwnd, pageTitleId), &title);
    const int chosen = static_cast<int>(
        TrackPopupMenuEx(pages, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, title.left, title.bottom, hwnd, nullptr));
    DestroyMenu(pages);
    if (chosen > 0)
        selectPage(chosen - 1);
}

LRESULT TabView::onCommand(UINT code, UINT id, HWND control)
{
    switch (id) {
    case resizeButtonId:
        splitMode = (splitMode + 1) % 4;
        layOut();
        return 0;
    case optionsButtonId:
        onOptions();
        return 0;
    case refreshButtonId:
        onRefresh();
        return 0;
    case pageTitleId:
        if (code == STN_CLICKED)
            choosePageFromTitle();
        return 0;
    case IDOK:
    case doneCommand:
    case exitCommand:
        PostMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, code), 0);
        return 0;
    }
    return LayoutDialog::onCommand(code, id, control);
}
