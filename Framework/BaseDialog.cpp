// BaseDialog: the framework dialog procedure, modal use, the shell set-up, the skin and title,
// the list rows' colours, help, and the control utilities.
#include "BaseDialog.h"

#include <algorithm>

#include "AppState.h"
#include "DialogTexts.h"
#include "FrameworkLook.h"
#include "StartProgram.h"
#include "TTButton.h"
#include "aygshell.h"
#include "commdlg.h"

namespace {

// The title rule's height on a 240-wide portrait screen, and on a landscape one.
constexpr int portraitRuleHeight = 22;
constexpr int landscapeRuleHeight = 20;

// The module with menu `menuId`: the active language pack's copy first, then the program's.
HMODULE menuModuleFor(UINT menuId)
{
    const AppState& state = appState();
    for (HMODULE module : {state.uiResourceModule, state.instance}) {
        if (module && FindResourceW(module, MAKEINTRESOURCEW(menuId), RT_MENU))
            return module;
    }
    return nullptr;
}

bool fileDialog(BaseDialog& dialog, WCHAR* path, const char16_t* filter, bool saving)
{
    if (!dialog.hwnd || !path)
        return false;
    OPENFILENAMEW request {};
    request.lStructSize = sizeof request;
    request.hwndOwner = dialog.hwnd;
    request.lpstrFilter = filter;
    request.nFilterIndex = 1;
    request.lpstrFile = path;
    request.nMaxFile = MAX_PATH;
    request.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT;
    return saving ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request);
}

} // namespace

INT_PTR CALLBACK frameworkDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* object = reinterpret_cast<BaseDialog*>(lParam);
        if (!object)
            return FALSE;
        object->origProc = nullptr;
        SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
        object->hwnd = dialog;
        return object->onInitDialog(wParam);
    }
    BaseWnd* object = objectOf(dialog);
    if (!object)
        return FALSE;
    const LRESULT result = object->dispatch(message, wParam, lParam);
    // A notification's answer travels in the dialog's result word.
    if (message == WM_NOTIFY && IsWindow(dialog))
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
    if (message == WM_DESTROY)
        object->hwnd = nullptr;
    return result;
}

BaseDialog::BaseDialog(int templateId, HWND parent) : templateId(templateId), parent(parent)
{
}

LRESULT BaseDialog::onInitDialog(WPARAM)
{
    return 1;
}

void BaseDialog::initShell(WPARAM, int shellFlags, UINT menuResource)
{
    menuId = menuResource;
    applyDialogTexts(templateId, hwnd);
    if (shellFlags != -1) {
        SHINITDLGINFO shell {SHIDIM_FLAGS, hwnd, static_cast<DWORD>(shellFlags)};
        SHInitDialog(&shell);
    }
    SHMENUBARINFO bar {};
    bar.cbSize = sizeof bar;
    bar.hwndParent = hwnd;
    HMODULE module = menuId ? menuModuleFor(menuId) : nullptr;
    if (module) {
        bar.nToolBarId = menuId;
        bar.hInstRes = module;
    } else {
        bar.dwFlags = SHCMBF_EMPTYBAR;
        bar.hInstRes = appState().instance;
    }
    SHCreateMenuBar(&bar);
    menuBar = bar.hwndMB;
    menu = menuBar ? reinterpret_cast<HMENU>(SendMessageW(menuBar, SHCMBM_GETMENU, 0, 0)) : nullptr;
    if (!menu && menuBar) {
        TBBUTTON first {};
        if (SendMessageW(menuBar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&first)))
            menu = reinterpret_cast<HMENU>(first.dwData);
    }
}

COLORREF BaseDialog::rowBkColor(HWND, int row)
{
    return row % 2 == 0 ? RGB(0xF0, 0xF0, 0xF0) : RGB(0xFF, 0xFF, 0xFF);
}

COLORREF BaseDialog::rowTextColor(HWND list, int)
{
    return IsWindowEnabled(list) ? RGB(0, 0, 0) : RGB(0x80, 0x80, 0x80);
}

int BaseDialog::titleRuleHeight()
{
    const bool landscape = GetSystemMetrics(SM_CXSCREEN) > GetSystemMetrics(SM_CYSCREEN);
    return landscape ? landscapeRuleHeight : portraitRuleHeight;
}

INT_PTR BaseDialog::doModal()
{
    registerSkinnedButtons();
    return DialogBoxParamW(appState().instance, MAKEINTRESOURCEW(templateId), parent, frameworkDialogProc,
        reinterpret_cast<LPARAM>(this));
}

void BaseDialog::showHelp()
{
    const AppState& state = appState();
    const int topic = helpTopic >= 0 && helpTopic < state.helpTopicCount ? helpTopic : 0;
    const char16_t* anchor = state.helpTopics ? state.helpTopics[topic] : u"Main_Contents";
    const std::u16string argument = u"file:" + state.helpFile + u"#" + anchor;
    startProgram(u"peghelp.exe", argument.c_str());
}

LRESULT BaseDialog::onEraseBkgnd(HDC dc)
{
    if (!transparent)
        return 0;
    frameworkLook().paintBackground(hwnd, dc);
    return 1;
}

LRESULT BaseDialog::onPaint(HDC)
{
    // BeginPaint validates the window and has its background erased first (the skin, or the
    // dialog's colour); validating alone would leave the background unpainted.
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    if (!titleRule) {
        EndPaint(hwnd, &paint);
        return 0;
    }
    RECT client;
    GetClientRect(hwnd, &client);
    const int y = titleRuleHeight() * resolutionFactor();
    const int end = ruleEnd == -1 ? client.right : ruleEnd;
    HGDIOBJ previous = SelectObject(dc, GetStockObject(BLACK_PEN));
    for (int line = 0; line < (isHighResolution() ? 2 : 1); ++line) {
        MoveToEx(dc, 0, y + line, nullptr);
        LineTo(dc, end, y + line);
    }
    SelectObject(dc, previous);
    EndPaint(hwnd, &paint);
    return 0;
}

LRESULT BaseDialog::onCommand(UINT code, UINT id, HWND control)
{
    if (id == helpMenuCommand) {
        PostMessageW(hwnd, WM_HELP, 0, 0);
        return 0;
    }
    return BaseWnd::onCommand(code, id, control);
}

LRESULT BaseDialog::onCtlColorStatic(HDC dc, HWND control)
{
    FrameworkLook& look = frameworkLook();
    if (styledTitle && control && GetDlgCtrlID(control) == titleId) {
        SetTextColor(dc, look.titleColor());
        SelectObject(dc, titleFont());
    } else {
        SetTextColor(dc, look.controlTextColor());
    }
    if (!transparent)
        return 0;
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT BaseDialog::onCtlColorBtn(HDC, HWND)
{
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT BaseDialog::onDestroy()
{
    if (menuBar)
        DestroyWindow(menuBar);
    menuBar = nullptr;
    return 0;
}

LRESULT BaseDialog::onListCustomDraw(int, NMHDR* header)
{
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
    case CDDS_ITEM | CDDS_PREERASE: {
        HWND list = header->hwndFrom;
        const int row = static_cast<int>(draw->nmcd.dwItemSpec);
        const bool marked = row == ListView_GetSelectionMark(list);
        if (IsWindowEnabled(list) && marked && highlightSelection) {
            draw->clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
            draw->clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
            draw->nmcd.uItemState |= CDIS_SELECTED | CDIS_FOCUS;
        } else {
            if (marked)
                draw->nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
            draw->clrTextBk = rowBkColor(list, row);
            draw->clrText = rowTextColor(list, row);
        }
        return CDRF_NEWFONT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

LRESULT BaseDialog::onDrawItem(int id, DRAWITEMSTRUCT* item)
{
    HWND control = hwnd ? GetDlgItem(hwnd, id) : nullptr;
    WCHAR className[16] = {};
    if (item && control && !objectOf(control) && GetClassNameW(control, className, 16)
        && std::u16string_view(className) == skinnedButtonClass) {
        frameworkLook().drawButton(*item, ButtonFace::push, {});
        return TRUE;
    }
    return BaseWnd::onDrawItem(id, item);
}

LRESULT BaseDialog::onHelp()
{
    showHelp();
    return 0;
}

void BaseDialog::setCheck(int id, int value)
{
    if (hwnd)
        SendDlgItemMessageW(hwnd, id, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool BaseDialog::isChecked(int id)
{
    return hwnd && SendDlgItemMessageW(hwnd, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void BaseDialog::enableItem(int id, bool enable)
{
    if (hwnd)
        EnableWindow(GetDlgItem(hwnd, id), enable);
}

void BaseDialog::showItems(const int* ids, bool show)
{
    for (; hwnd && ids && *ids; ++ids)
        ShowWindow(GetDlgItem(hwnd, *ids), show ? SW_SHOW : SW_HIDE);
}

void BaseDialog::setTextIfChanged(HWND control, const char16_t* text)
{
    if (!hwnd || !control)
        return;
    WCHAR current[512] = {};
    GetWindowTextW(control, current, 512);
    if (std::u16string_view(current) != std::u16string_view(text ? text : u""))
        SetWindowTextW(control, text ? text : u"");
}

void BaseDialog::selectListRow(HWND list, int row)
{
    if (!hwnd || !list || row < 0 || row >= ListView_GetItemCount(list))
        return;
    ListView_EnsureVisible(list, row, FALSE);
    ListView_SetItemState(list, row, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    SetFocus(list);
}

void BaseDialog::widenDropDown(HWND combo)
{
    if (!hwnd || !combo)
        return;
    HDC dc = GetDC(combo);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(combo, WM_GETFONT, 0, 0)));
    int widest = 0;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int item = 0; item < count; ++item) {
        const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, item, 0);
        if (length <= 0)
            continue;
        std::u16string text(static_cast<size_t>(length) + 1, u'\0');
        SendMessageW(combo, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text.data()));
        SIZE extent {};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(length), &extent);
        widest = std::max(widest, static_cast<int>(extent.cx));
    }
    SelectObject(dc, previous);
    ReleaseDC(combo, dc);
    // Room for the list's frame and scroll bar beside the text.
    SendMessageW(combo, CB_SETDROPPEDWIDTH, widest + 2 * GetSystemMetrics(SM_CXVSCROLL), 0);
}

RECT BaseDialog::childrenBounds()
{
    RECT bounds {};
    if (!hwnd)
        return bounds;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT inDialog = childRect(child);
        UnionRect(&bounds, &bounds, &inDialog);
    }
    bounds.bottom += 2 * resolutionFactor();
    return bounds;
}

RECT BaseDialog::childRect(HWND control)
{
    RECT area {};
    if (!hwnd || !control || !GetWindowRect(control, &area))
        return {};
    POINT corners[2] = {{area.left, area.top}, {area.right, area.bottom}};
    ScreenToClient(hwnd, &corners[0]);
    ScreenToClient(hwnd, &corners[1]);
    return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

bool BaseDialog::askOpenFile(WCHAR* path, const char16_t* filter)
{
    return fileDialog(*this, path, filter, false);
}

bool BaseDialog::askSaveFile(WCHAR* path, const char16_t* filter)
{
    return fileDialog(*this, path, filter, true);
}

HFONT titleFont()
{
    static HFONT font = [] {
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        LOGFONTW description {};
        GetObjectW(GetStockObject(SYSTEM_FONT), sizeof description, &description);
        description.lfHeight = -(dpi * 11 / 96);
        description.lfWeight = FW_BOLD;
        std::char_traits<char16_t>::copy(description.lfFaceName, u"Tahoma", 7);
        return CreateFontIndirectW(&description);
    }();
    return font;
}
