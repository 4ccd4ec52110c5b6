// Expanding, selecting, deleting, revealing and checking tree view items.
#include "TreeActions.h"

#include "TreeLayout.h"
#include "TreeNotify.h"

namespace ce::gwes {

namespace {

// The item that takes the selection when the selected item's branch goes: the next sibling,
// else the previous one, else the parent.
HTREEITEM heir(TreeControl& tree, HTREEITEM going)
{
    const TreeItem* item = tree.items.find(going);
    if (!item)
        return nullptr;
    if (item->next)
        return item->next;
    if (item->previous)
        return item->previous;
    return tree.items.parentOf(going);
}

// Hides (or with reset deletes) an item's children; a selection among them moves to the item.
void collapse(HWND hwnd, TreeControl& tree, HTREEITEM handle, bool reset)
{
    tree.items.find(handle)->state &= ~(TVIS_EXPANDED | TVIS_EXPANDPARTIAL);
    if (tree.items.isAncestor(handle, tree.caret))
        selectItem(hwnd, tree, handle, TVC_UNKNOWN);
    if (!reset || !tree.items.find(handle))
        return;
    tree.items.find(handle)->state &= ~TVIS_EXPANDEDONCE;
    for (HTREEITEM child : tree.items.children(handle))
        deleteItem(hwnd, tree, child);
}

} // namespace

BOOL expandItem(HWND hwnd, TreeControl& tree, HTREEITEM handle, UINT code, ExpandCause cause)
{
    const TreeItem* item = tree.items.find(handle);
    if (!item || !hasChildren(hwnd, tree, handle))
        return FALSE;
    item = tree.items.find(handle);
    if (!item)
        return FALSE;
    const bool expanded = item->state & TVIS_EXPANDED;
    const bool partial = item->state & TVIS_EXPANDPARTIAL;
    const bool wantPartial = code & TVE_EXPANDPARTIAL;
    UINT action = code & TVE_TOGGLE;
    if (action == TVE_TOGGLE) // the + of a partly expanded item asks for the rest
        action = expanded && !partial ? TVE_COLLAPSE : TVE_EXPAND;
    if (action == TVE_EXPAND && expanded && partial == wantPartial)
        return TRUE;
    if (action != TVE_EXPAND && (action != TVE_COLLAPSE || !expanded))
        return FALSE;
    const bool notify = cause == ExpandCause::user || (action == TVE_EXPAND && !(item->state & TVIS_EXPANDEDONCE));
    if (notify && notifyTree(hwnd, tree, TVN_ITEMEXPANDINGW, action, nullptr, handle))
        return FALSE;
    TreeItem* now = tree.items.find(handle);
    if (!now)
        return FALSE;
    if (action == TVE_EXPAND) {
        now->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
        now->state = wantPartial ? now->state | TVIS_EXPANDPARTIAL : now->state & ~TVIS_EXPANDPARTIAL;
    } else
        collapse(hwnd, tree, handle, code & TVE_COLLAPSERESET);
    layoutChanged(hwnd, tree);
    if (notify && tree.items.find(handle))
        notifyTree(hwnd, tree, TVN_ITEMEXPANDEDW, action, nullptr, handle);
    return TRUE;
}

BOOL selectItem(HWND hwnd, TreeControl& tree, HTREEITEM handle, UINT cause)
{
    if (handle && !tree.items.find(handle))
        return FALSE;
    const HTREEITEM old = tree.caret;
    if (handle == old) {
        if (handle)
            ensureVisible(hwnd, tree, handle);
        return TRUE;
    }
    if (notifyTree(hwnd, tree, TVN_SELCHANGINGW, cause, old, handle))
        return FALSE;
    if (handle && !tree.items.find(handle))
        return FALSE;
    if (TreeItem* oldItem = tree.items.find(old))
        oldItem->state &= ~TVIS_SELECTED;
    if (TreeItem* newItem = tree.items.find(handle))
        newItem->state |= TVIS_SELECTED;
    tree.caret = handle;
    InvalidateRect(hwnd, nullptr, TRUE);
    if (handle)
        ensureVisible(hwnd, tree, handle);
    notifyTree(hwnd, tree, TVN_SELCHANGEDW, cause, old, tree.caret);
    return TRUE;
}

void setDropHilite(HWND hwnd, TreeControl& tree, HTREEITEM handle)
{
    if (TreeItem* old = tree.items.find(tree.dropHilite))
        old->state &= ~TVIS_DROPHILITED;
    TreeItem* item = tree.items.find(handle);
    if (item)
        item->state |= TVIS_DROPHILITED;
    tree.dropHilite = item ? handle : nullptr;
    InvalidateRect(hwnd, nullptr, TRUE);
}

BOOL deleteItem(HWND hwnd, TreeControl& tree, HTREEITEM handle)
{
    if (!handle)
        handle = TVI_ROOT;
    if (!tree.items.node(handle))
        return FALSE;
    const int top = topRow(tree);
    const bool caretGoes = handle == tree.caret || tree.items.isAncestor(handle, tree.caret);
    HTREEITEM successor = caretGoes && handle != TVI_ROOT ? heir(tree, handle) : nullptr;
    if (caretGoes)
        tree.caret = nullptr; // no selection notification names an item on its way out
    for (HTREEITEM going : tree.items.subtreeChildrenFirst(handle)) {
        if (!tree.items.find(going))
            continue; // the parent deleted it while told of another
        notifyTree(hwnd, tree, TVN_DELETEITEMW, TVC_UNKNOWN, going, nullptr);
        for (HTREEITEM child : tree.items.children(going))
            deleteItem(hwnd, tree, child); // items the parent added meanwhile
        if (going == tree.dropHilite)
            tree.dropHilite = nullptr;
        if (going == tree.firstVisible)
            tree.firstVisible = nullptr;
        tree.items.erase(going);
    }
    tree.firstVisible = tree.items.rowAt(top);
    layoutChanged(hwnd, tree);
    if (successor && tree.items.find(successor))
        selectItem(hwnd, tree, successor, TVC_UNKNOWN);
    return TRUE;
}

BOOL ensureVisible(HWND hwnd, TreeControl& tree, HTREEITEM handle)
{
    if (!tree.items.find(handle))
        return FALSE;
    bool expanded = false;
    std::vector<HTREEITEM> ancestors;
    for (HTREEITEM parent = tree.items.parentOf(handle); parent; parent = tree.items.parentOf(parent))
        ancestors.insert(ancestors.begin(), parent);
    for (HTREEITEM parent : ancestors) {
        const TreeItem* item = tree.items.find(parent);
        if (item && !(item->state & TVIS_EXPANDED)) {
            expandItem(hwnd, tree, parent, TVE_EXPAND, ExpandCause::message);
            expanded = true;
        }
    }
    const bool scrolled = scrollIntoView(hwnd, tree, handle);
    return scrolled && !expanded;
}

void toggleCheck(HWND hwnd, TreeControl& tree, HTREEITEM handle)
{
    TreeItem* item = tree.items.find(handle);
    if (!item)
        return;
    const UINT index = (item->state & TVIS_STATEIMAGEMASK) >> 12;
    if (index == 0)
        return;
    item->state = (item->state & ~TVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(index == 1 ? 2U : 1U);
    InvalidateRect(hwnd, nullptr, TRUE);
}

} // namespace ce::gwes
