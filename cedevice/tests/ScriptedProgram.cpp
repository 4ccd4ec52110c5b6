// A program for the scripted-run tests: one dialog with an edit, a check box, a list and a tree
// with check boxes, a combo box, a Save button that asks a question, and a menu bar whose
// Tools/Clear command changes the status text. OK ends the program with a code that sums what
// was set: check box 1, list row "Temp" checked 2, tree item "Leaf" checked 4, combo "High" 8,
// saved 16.
#include "aygshell.h"
#include "ceresource.h"
#include "commctrl.h"
#include "windows.h"

namespace {

enum : WORD {
    IDC_STATUS = 100,
    IDC_NAME = 101,
    IDC_KEEP = 102,
    IDC_LIST = 103,
    IDC_TREE = 104,
    IDC_SAVE = 105,
    IDC_LEVEL = 106,
    IDR_MENU = 200,
    IDM_CLEAR = 201,
};

constexpr CeDialogControl controls[] = {
    {u"STATIC", u"Ready", IDC_STATUS, WS_VISIBLE, 0, 4, 4, 200, 14},
    {u"EDIT", u"", IDC_NAME, WS_VISIBLE | WS_TABSTOP, 0, 4, 20, 120, 16},
    {u"BUTTON", u"Keep logs", IDC_KEEP, BS_AUTOCHECKBOX | WS_VISIBLE | WS_TABSTOP, 0, 4, 40, 120, 16},
    {u"SysListView32", u"", IDC_LIST, LVS_REPORT | WS_VISIBLE, 0, 4, 60, 220, 60},
    {u"SysTreeView32", u"", IDC_TREE, TVS_CHECKBOXES | TVS_HASBUTTONS | WS_VISIBLE, 0, 4, 124, 220, 60},
    {u"COMBOBOX", u"", IDC_LEVEL, CBS_DROPDOWNLIST | WS_VISIBLE, 0, 4, 190, 100, 60},
    {u"BUTTON", u"Save", IDC_SAVE, BS_PUSHBUTTON | WS_VISIBLE, 0, 130, 190, 60, 20},
};
constexpr CeDialogTemplate dialogTemplate {WS_POPUP | WS_VISIBLE, 0, 0, 0, 240, 294, u"Scripted", nullptr, 0, controls};

constexpr CeMenuItem toolsMenu[] = {{u"&Clear", IDM_CLEAR}};
constexpr CeMenuItem barMenu[] = {{u"&Tools", 0, 0, toolsMenu}};

HINSTANCE instance = nullptr;
bool saved = false;

void fillControls(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_LIST);
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES);
    LVCOLUMNW column {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 100;
    column.pszText = const_cast<LPWSTR>(u"Folder");
    ListView_InsertColumn(list, 0, &column);
    for (const char16_t* name : {u"Cache", u"Temp"}) {
        LVITEMW item {};
        item.mask = LVIF_TEXT;
        item.iItem = ListView_GetItemCount(list);
        item.pszText = const_cast<LPWSTR>(name);
        ListView_InsertItem(list, &item);
    }
    HWND tree = GetDlgItem(dialog, IDC_TREE);
    TVINSERTSTRUCTW insert {};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<LPWSTR>(u"Root");
    insert.hParent = TreeView_InsertItem(tree, &insert);
    insert.item.pszText = const_cast<LPWSTR>(u"Leaf");
    TreeView_InsertItem(tree, &insert);
    for (const char16_t* level : {u"Low", u"High"})
        SendDlgItemMessageW(dialog, IDC_LEVEL, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(level));
    SendDlgItemMessageW(dialog, IDC_LEVEL, CB_SETCURSEL, 0, 0);
}

bool treeLeafChecked(HWND tree)
{
    HTREEITEM leaf = TreeView_GetChild(tree, TreeView_GetRoot(tree));
    return leaf && TreeView_GetCheckState(tree, leaf) == 1;
}

INT_PTR exitCodeOf(HWND dialog)
{
    INT_PTR code = 0;
    if (IsDlgButtonChecked(dialog, IDC_KEEP) == BST_CHECKED)
        code += 1;
    if (ListView_GetCheckState(GetDlgItem(dialog, IDC_LIST), 1))
        code += 2;
    if (treeLeafChecked(GetDlgItem(dialog, IDC_TREE)))
        code += 4;
    if (SendDlgItemMessageW(dialog, IDC_LEVEL, CB_GETCURSEL, 0, 0) == 1)
        code += 8;
    if (saved)
        code += 16;
    return code;
}

void save(HWND dialog)
{
    if (MessageBoxW(dialog, u"Save 2 items?", u"Scripted", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    WCHAR name[64] {};
    GetDlgItemTextW(dialog, IDC_NAME, name, 64);
    WCHAR status[96] = u"Saved ";
    wcscat(status, name);
    SetDlgItemTextW(dialog, IDC_STATUS, status);
    saved = true;
}

INT_PTR dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: {
        fillControls(dialog);
        SHMENUBARINFO bar {};
        bar.cbSize = sizeof bar;
        bar.hwndParent = dialog;
        bar.nToolBarId = IDR_MENU;
        bar.hInstRes = instance;
        SHCreateMenuBar(&bar);
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_SAVE:
            save(dialog);
            return TRUE;
        case IDM_CLEAR:
            SetDlgItemTextW(dialog, IDC_STATUS, u"Cleared");
            return TRUE;
        case IDOK:
            EndDialog(dialog, exitCodeOf(dialog));
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 100);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

} // namespace

extern "C" CEEXPORT constinit const CeResource CeResources[] = {
    ceResourceOf(CeResourceType::Menu, IDR_MENU, barMenu),
    {},
};

extern "C" CEEXPORT int WinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    instance = hInstance;
    INITCOMMONCONTROLSEX init {sizeof init, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);
    return static_cast<int>(DialogBoxIndirectParamW(hInstance, &dialogTemplate, nullptr, dialogProc, 0));
}
