// The items of a tree view as a linked tree, addressed by their handles, with the walks the
// control needs: siblings, parents, and the order in which expanded items show their rows.
// A handle is never reused, so a stale handle is simply unknown.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "commctrl.h"

namespace ce::gwes {

// TVITEMW::cChildren as given, or "count the real children" when never given.
constexpr int childrenFromItems = -2;

struct TreeItem {
    HTREEITEM parent = nullptr; // TVI_ROOT for a top-level item
    HTREEITEM firstChild = nullptr;
    HTREEITEM lastChild = nullptr;
    HTREEITEM next = nullptr;
    HTREEITEM previous = nullptr;
    std::u16string text;
    bool textCallback = false;
    int image = 0;
    int selectedImage = 0;
    UINT state = 0;
    int children = childrenFromItems; // or 0, 1, I_CHILDRENCALLBACK
    LPARAM lParam = 0;
};

class TreeItems {
public:
    TreeItems();

    // An item (never the root), or null for an unknown handle.
    TreeItem* find(HTREEITEM handle);
    // As find, also giving the hidden root for TVI_ROOT.
    TreeItem* node(HTREEITEM handle);
    size_t count() const { return m_items.size() - 1; }

    // Links a new item under `parent` (TVI_ROOT or an item) after `after` (TVI_FIRST,
    // TVI_LAST or a child of parent). Null when parent or after is not right.
    HTREEITEM insert(HTREEITEM parent, HTREEITEM after, const TreeItem& data);
    // Unlinks and forgets an item that has no children left.
    void erase(HTREEITEM handle);
    // The children of a node in order, and their order rewritten.
    std::vector<HTREEITEM> children(HTREEITEM parent);
    void reorder(HTREEITEM parent, const std::vector<HTREEITEM>& order);
    // A node's subtree, children before their parent; the root itself is left out.
    std::vector<HTREEITEM> subtreeChildrenFirst(HTREEITEM handle);

    // Null for a top-level item's parent.
    HTREEITEM parentOf(HTREEITEM handle);
    int level(HTREEITEM handle); // 0 for a top-level item
    bool isAncestor(HTREEITEM ancestor, HTREEITEM handle);
    // Every ancestor expanded: the item has a row.
    bool isVisible(HTREEITEM handle);

    // The rows in order: the first top-level item, then each expanded item's children.
    HTREEITEM firstRow() { return m_items[TVI_ROOT].firstChild; }
    HTREEITEM nextRow(HTREEITEM handle);
    HTREEITEM previousRow(HTREEITEM handle);
    HTREEITEM lastRow();
    int rowIndex(HTREEITEM handle); // -1 without a row
    HTREEITEM rowAt(int index); // null past the end
    int rowCount();

private:
    std::map<HTREEITEM, TreeItem> m_items; // the root under TVI_ROOT, and the items
    uintptr_t m_nextHandle = 0x1000;
};

} // namespace ce::gwes
