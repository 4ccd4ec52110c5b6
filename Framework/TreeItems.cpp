// Tree items with check box states and counted folder texts.
#include "TreeItems.h"

#include "StringTable.h"
#include "cewchar.h"

HTREEITEM insertCheckedItem(HWND tree, HTREEITEM parent, const char16_t* text, int checkState, LPARAM data)
{
    if (!tree)
        return nullptr;
    TVINSERTSTRUCTW insert {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_STATE | TVIF_PARAM;
    insert.item.pszText = const_cast<LPWSTR>(text);
    insert.item.state = INDEXTOSTATEIMAGEMASK(checkState);
    insert.item.stateMask = TVIS_STATEIMAGEMASK;
    insert.item.lParam = data;
    return TreeView_InsertItem(tree, &insert);
}

int treeCheckState(HWND tree, HTREEITEM item)
{
    return tree ? static_cast<int>(TreeView_GetItemState(tree, item, TVIS_STATEIMAGEMASK) >> 12) : 0;
}

void setTreeCheckState(HWND tree, HTREEITEM item, int checkState)
{
    if (tree)
        TreeView_SetItemState(tree, item, INDEXTOSTATEIMAGEMASK(checkState), TVIS_STATEIMAGEMASK);
}

void setFolderText(HWND tree, HTREEITEM item, const char16_t* name, int count, int selected)
{
    if (!tree)
        return;
    WCHAR text[1024];
    if (selected > 0) {
        const char16_t* format = getString(512);
        _snwprintf(text, 1023, format ? format : u"%s : %d (%d selected)", name, count, selected);
    } else {
        _snwprintf(text, 1023, u"%s : %d", name, count);
    }
    text[1023] = u'\0';
    TVITEMW change {};
    change.mask = TVIF_TEXT;
    change.hItem = item;
    change.pszText = text;
    TreeView_SetItem(tree, &change);
}
