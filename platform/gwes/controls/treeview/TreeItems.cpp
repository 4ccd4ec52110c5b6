// The item tree of a tree view: linking, unlinking and the walks over it.
#include "TreeItems.h"

namespace ce::gwes {

namespace {

bool expanded(const TreeItem& item)
{
    return (item.state & TVIS_EXPANDED) != 0;
}

} // namespace

TreeItems::TreeItems()
{
    m_items[TVI_ROOT] = TreeItem {};
}

TreeItem* TreeItems::find(HTREEITEM handle)
{
    if (handle == TVI_ROOT)
        return nullptr;
    return node(handle);
}

TreeItem* TreeItems::node(HTREEITEM handle)
{
    auto found = m_items.find(handle);
    return found == m_items.end() ? nullptr : &found->second;
}

HTREEITEM TreeItems::insert(HTREEITEM parent, HTREEITEM after, const TreeItem& data)
{
    TreeItem* parentNode = node(parent);
    if (!parentNode)
        return nullptr;
    HTREEITEM previous = nullptr;
    if (after == TVI_LAST) {
        previous = parentNode->lastChild;
    } else if (after != TVI_FIRST) {
        const TreeItem* sibling = find(after);
        if (!sibling || sibling->parent != parent)
            return nullptr;
        previous = after;
    }
    const auto handle = reinterpret_cast<HTREEITEM>(m_nextHandle);
    m_nextHandle += 0x10;
    TreeItem& item = m_items[handle] = data;
    item.parent = parent;
    item.firstChild = item.lastChild = nullptr;
    item.previous = previous;
    item.next = previous ? m_items[previous].next : parentNode->firstChild;
    (previous ? m_items[previous].next : parentNode->firstChild) = handle;
    (item.next ? m_items[item.next].previous : parentNode->lastChild) = handle;
    return handle;
}

void TreeItems::erase(HTREEITEM handle)
{
    TreeItem* item = find(handle);
    if (!item || item->firstChild)
        return;
    TreeItem& parent = m_items[item->parent];
    (item->previous ? m_items[item->previous].next : parent.firstChild) = item->next;
    (item->next ? m_items[item->next].previous : parent.lastChild) = item->previous;
    m_items.erase(handle);
}

std::vector<HTREEITEM> TreeItems::children(HTREEITEM parent)
{
    std::vector<HTREEITEM> list;
    const TreeItem* parentNode = node(parent);
    for (HTREEITEM child = parentNode ? parentNode->firstChild : nullptr; child; child = m_items[child].next)
        list.push_back(child);
    return list;
}

void TreeItems::reorder(HTREEITEM parent, const std::vector<HTREEITEM>& order)
{
    TreeItem* parentNode = node(parent);
    if (!parentNode)
        return;
    HTREEITEM previous = nullptr;
    for (HTREEITEM child : order) {
        TreeItem& item = m_items[child];
        item.previous = previous;
        (previous ? m_items[previous].next : parentNode->firstChild) = child;
        previous = child;
    }
    if (previous)
        m_items[previous].next = nullptr;
    parentNode->lastChild = previous;
}

std::vector<HTREEITEM> TreeItems::subtreeChildrenFirst(HTREEITEM handle)
{
    std::vector<HTREEITEM> list;
    if (!node(handle))
        return list;
    for (HTREEITEM child : children(handle)) {
        const std::vector<HTREEITEM> below = subtreeChildrenFirst(child);
        list.insert(list.end(), below.begin(), below.end());
    }
    if (handle != TVI_ROOT)
        list.push_back(handle);
    return list;
}

HTREEITEM TreeItems::parentOf(HTREEITEM handle)
{
    const TreeItem* item = find(handle);
    return item && item->parent != TVI_ROOT ? item->parent : nullptr;
}

int TreeItems::level(HTREEITEM handle)
{
    int depth = 0;
    for (HTREEITEM parent = parentOf(handle); parent; parent = parentOf(parent))
        ++depth;
    return depth;
}

bool TreeItems::isAncestor(HTREEITEM ancestor, HTREEITEM handle)
{
    for (HTREEITEM parent = parentOf(handle); parent; parent = parentOf(parent)) {
        if (parent == ancestor)
            return true;
    }
    return ancestor == TVI_ROOT && find(handle);
}

bool TreeItems::isVisible(HTREEITEM handle)
{
    if (!find(handle))
        return false;
    for (HTREEITEM parent = parentOf(handle); parent; parent = parentOf(parent)) {
        if (!expanded(m_items[parent]))
            return false;
    }
    return true;
}

HTREEITEM TreeItems::nextRow(HTREEITEM handle)
{
    const TreeItem* item = find(handle);
    if (!item)
        return nullptr;
    if (expanded(*item) && item->firstChild)
        return item->firstChild;
    for (; item; item = find(item->parent)) {
        if (item->next)
            return item->next;
    }
    return nullptr;
}

HTREEITEM TreeItems::previousRow(HTREEITEM handle)
{
    const TreeItem* item = find(handle);
    if (!item)
        return nullptr;
    if (!item->previous)
        return parentOf(handle);
    HTREEITEM row = item->previous;
    for (const TreeItem* last = &m_items[row]; expanded(*last) && last->lastChild; last = &m_items[row])
        row = last->lastChild;
    return row;
}

HTREEITEM TreeItems::lastRow()
{
    HTREEITEM row = m_items[TVI_ROOT].lastChild;
    while (row && expanded(m_items[row]) && m_items[row].lastChild)
        row = m_items[row].lastChild;
    return row;
}

int TreeItems::rowIndex(HTREEITEM handle)
{
    if (!isVisible(handle))
        return -1;
    int index = 0;
    for (HTREEITEM row = firstRow(); row && row != handle; row = nextRow(row))
        ++index;
    return index;
}

HTREEITEM TreeItems::rowAt(int index)
{
    if (index < 0)
        return nullptr;
    HTREEITEM row = firstRow();
    for (; row && index > 0; --index)
        row = nextRow(row);
    return row;
}

int TreeItems::rowCount()
{
    int count = 0;
    for (HTREEITEM row = firstRow(); row; row = nextRow(row))
        ++count;
    return count;
}

} // namespace ce::gwes
