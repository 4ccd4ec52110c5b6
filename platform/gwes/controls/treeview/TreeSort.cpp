// Sorting the children of tree view items; sorts are stable, so equal items keep their order.
#include "TreeSort.h"

#include <algorithm>
#include <utility>

#include "TreeNotify.h"
#include "cewchar.h"

namespace ce::gwes {

int compareItemText(const std::u16string& a, const std::u16string& b)
{
    return _wcsicmp(a.c_str(), b.c_str());
}

namespace {

HTREEITEM parentNode(HTREEITEM parent)
{
    return parent ? parent : TVI_ROOT;
}

// Puts the children in the order of `sorted` unless the program changed them while it was
// asked for texts or comparisons.
template <typename Key>
void applyOrder(HWND hwnd, TreeControl& tree, HTREEITEM parent, const std::vector<std::pair<Key, HTREEITEM>>& sorted)
{
    std::vector<HTREEITEM> order;
    for (const auto& [key, child] : sorted) {
        const TreeItem* item = tree.items.find(child);
        if (item && item->parent == parent)
            order.push_back(child);
    }
    if (order.size() != tree.items.children(parent).size())
        return;
    tree.items.reorder(parent, order);
    InvalidateRect(hwnd, nullptr, TRUE);
}

} // namespace

BOOL sortChildren(HWND hwnd, TreeControl& tree, HTREEITEM parent, bool recurse)
{
    parent = parentNode(parent);
    if (!tree.items.node(parent))
        return FALSE;
    std::vector<std::pair<std::u16string, HTREEITEM>> keyed;
    for (HTREEITEM child : tree.items.children(parent))
        keyed.emplace_back(displayText(hwnd, tree, child), child);
    std::stable_sort(
        keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return compareItemText(a.first, b.first) < 0; });
    applyOrder(hwnd, tree, parent, keyed);
    if (recurse) {
        for (HTREEITEM child : tree.items.children(parent))
            sortChildren(hwnd, tree, child, true);
    }
    return TRUE;
}

BOOL sortChildrenCallback(HWND hwnd, TreeControl& tree, const TVSORTCB* sort)
{
    if (!sort || !sort->lpfnCompare)
        return FALSE;
    const HTREEITEM parent = parentNode(sort->hParent);
    if (!tree.items.node(parent))
        return FALSE;
    std::vector<std::pair<LPARAM, HTREEITEM>> keyed;
    for (HTREEITEM child : tree.items.children(parent))
        keyed.emplace_back(tree.items.find(child)->lParam, child);
    std::stable_sort(keyed.begin(), keyed.end(),
        [sort](const auto& a, const auto& b) { return sort->lpfnCompare(a.first, b.first, sort->lParam) < 0; });
    applyOrder(hwnd, tree, parent, keyed);
    return TRUE;
}

HTREEITEM sortedPlace(HWND hwnd, TreeControl& tree, HTREEITEM parent, const std::u16string& text)
{
    HTREEITEM after = TVI_FIRST;
    for (HTREEITEM child : tree.items.children(parentNode(parent))) {
        if (compareItemText(displayText(hwnd, tree, child), text) > 0)
            break;
        after = child;
    }
    return after;
}

} // namespace ce::gwes
