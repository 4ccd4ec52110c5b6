// TVM_INSERTITEMW, TVM_GETITEMW, TVM_SETITEMW, TVM_GETITEMSTATE and TVM_GETNEXTITEM.
#include "TreeItemMessages.h"

#include <algorithm>

#include "TreeLayout.h"
#include "TreeNotify.h"
#include "TreeSort.h"

namespace ce::gwes {

namespace {

// Copies the fields of `given` that its mask names into an item.
void applyFields(TreeItem& item, const TVITEMW& given)
{
    if (given.mask & TVIF_TEXT) {
        item.textCallback = given.pszText == LPSTR_TEXTCALLBACKW;
        item.text = item.textCallback || !given.pszText ? u"" : given.pszText;
    }
    if (given.mask & TVIF_IMAGE)
        item.image = given.iImage;
    if (given.mask & TVIF_SELECTEDIMAGE)
        item.selectedImage = given.iSelectedImage;
    if (given.mask & TVIF_PARAM)
        item.lParam = given.lParam;
    if (given.mask & TVIF_STATE)
        item.state = (item.state & ~given.stateMask) | (given.state & given.stateMask);
    if (given.mask & TVIF_CHILDREN)
        item.children = given.cChildren == I_CHILDRENCALLBACK ? I_CHILDRENCALLBACK : (given.cChildren ? 1 : 0);
}

} // namespace

HTREEITEM insertItem(HWND hwnd, TreeControl& tree, const TVINSERTSTRUCTW* insert)
{
    if (!insert)
        return nullptr;
    const HTREEITEM parent = insert->hParent ? insert->hParent : TVI_ROOT;
    if (!tree.items.node(parent))
        return nullptr;
    TreeItem item;
    applyFields(item, insert->item);
    const bool stateImageGiven = (insert->item.mask & TVIF_STATE) && (insert->item.stateMask & TVIS_STATEIMAGEMASK);
    if ((treeStyle(hwnd) & TVS_CHECKBOXES) && !stateImageGiven)
        item.state = (item.state & ~TVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(1); // unchecked
    item.state &= ~(TVIS_SELECTED | TVIS_DROPHILITED); // only the selection calls set these
    HTREEITEM after = insert->hInsertAfter;
    if (after == TVI_SORT)
        after = sortedPlace(hwnd, tree, parent, item.text); // a callback text sorts as empty
    const HTREEITEM handle = tree.items.insert(parent, after, item);
    if (handle)
        layoutChanged(hwnd, tree);
    return handle;
}

BOOL getItem(HWND hwnd, TreeControl& tree, TVITEMW* asked)
{
    const TreeItem* item = asked ? tree.items.find(asked->hItem) : nullptr;
    if (!item)
        return FALSE;
    if ((asked->mask & TVIF_TEXT) && asked->pszText && asked->cchTextMax > 0 && !item->textCallback) {
        const size_t length = std::min(item->text.size(), static_cast<size_t>(asked->cchTextMax - 1));
        std::copy_n(item->text.c_str(), length, asked->pszText);
        asked->pszText[length] = 0;
    }
    if (asked->mask & TVIF_IMAGE)
        asked->iImage = item->image;
    if (asked->mask & TVIF_SELECTEDIMAGE)
        asked->iSelectedImage = item->selectedImage;
    if (asked->mask & TVIF_PARAM)
        asked->lParam = item->lParam;
    if (asked->mask & TVIF_STATE)
        asked->state = item->state & asked->stateMask;
    if (asked->mask & TVIF_CHILDREN) {
        const bool callback = item->children == I_CHILDRENCALLBACK;
        asked->cChildren = callback ? I_CHILDRENCALLBACK : (item->firstChild || item->children == 1 ? 1 : 0);
    }
    askDisplayInfo(hwnd, tree, asked->hItem, *asked);
    return TRUE;
}

BOOL setItem(HWND hwnd, TreeControl& tree, const TVITEMW* given)
{
    TreeItem* item = given ? tree.items.find(given->hItem) : nullptr;
    if (!item)
        return FALSE;
    applyFields(*item, *given); // state bits as given, TVIS_SELECTED too: the caret stays
    layoutChanged(hwnd, tree);
    return TRUE;
}

UINT getItemState(TreeControl& tree, HTREEITEM handle, UINT mask)
{
    const TreeItem* item = tree.items.find(handle);
    return item ? item->state & mask : 0;
}

HTREEITEM getNextItem(HWND hwnd, TreeControl& tree, HTREEITEM handle, UINT code)
{
    TreeItems& items = tree.items;
    switch (code) {
    case TVGN_ROOT:
        return items.firstRow();
    case TVGN_CARET:
        return tree.caret;
    case TVGN_DROPHILITE:
        return tree.dropHilite;
    case TVGN_FIRSTVISIBLE:
        normaliseScroll(hwnd, tree);
        return tree.firstVisible;
    case TVGN_LASTVISIBLE:
        return items.lastRow();
    case TVGN_CHILD: {
        const TreeItem* node = items.node(handle ? handle : TVI_ROOT);
        return node ? node->firstChild : nullptr;
    }
    }
    const TreeItem* item = items.find(handle);
    if (!item)
        return nullptr;
    switch (code) {
    case TVGN_NEXT:
        return item->next;
    case TVGN_PREVIOUS:
        return item->previous;
    case TVGN_PARENT:
        return items.parentOf(handle);
    case TVGN_NEXTVISIBLE:
        return items.isVisible(handle) ? items.nextRow(handle) : nullptr;
    case TVGN_PREVIOUSVISIBLE:
        return items.isVisible(handle) ? items.previousRow(handle) : nullptr;
    default:
        return nullptr;
    }
}

} // namespace ce::gwes
