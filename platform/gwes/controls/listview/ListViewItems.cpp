// Item storage of a list view. Owner-data lists keep an empty record per item for its states;
// their texts and images come from the parent.
#include "ListViewItems.h"

#include <algorithm>

#include "ListViewLayout.h"
#include "ListViewNotify.h"
#include "ListViewStates.h"
#include "gwes/controls/TextBuffer.h"

namespace ce::gwes {
namespace {

constexpr UINT selectionStates = LVIS_SELECTED | LVIS_FOCUSED;

ListCell cellOf(LPCWSTR text)
{
    if (text == LPSTR_TEXTCALLBACKW)
        return {{}, true};
    return {std::u16string(textOf(text)), false};
}

// Where an item of this label goes in a sorted list: after its equals.
int sortedPlace(ListView& lv, const std::u16string& label)
{
    const DWORD style = lv.style();
    const int direction = (style & LVS_SORTASCENDING) ? 1 : (style & LVS_SORTDESCENDING) ? -1 : 0;
    if (!direction)
        return -1;
    for (int i = 0; i < lv.count(); ++i) {
        if (direction * _wcsicmp(label.c_str(), cellText(lv, i, 0).c_str()) < 0)
            return i;
    }
    return lv.count();
}

void shiftIndexesAfterInsert(ListView& lv, int at)
{
    if (lv.selectionMark >= at)
        ++lv.selectionMark;
}

void shiftIndexesAfterDelete(ListView& lv, int gone)
{
    if (lv.selectionMark == gone)
        lv.selectionMark = -1;
    else if (lv.selectionMark > gone)
        --lv.selectionMark;
    setTopIndex(lv, lv.topIndex);
}

UINT initialState(const ListView& lv, UINT state)
{
    if ((lv.exStyle & LVS_EX_CHECKBOXES) && !(state & LVIS_STATEIMAGEMASK))
        state |= INDEXTOSTATEIMAGEMASK(1);
    return state;
}

// The non-state parts of `values` that would change the item.
UINT changedParts(const ListView& lv, const ListItem& item, const LVITEMW& values)
{
    UINT changed = 0;
    if ((values.mask & LVIF_TEXT) && !(item.cells.size() > 0 && item.cells[0].text == textOf(values.pszText) &&
                                          item.cells[0].callback == (values.pszText == LPSTR_TEXTCALLBACKW)))
        changed |= LVIF_TEXT;
    if ((values.mask & LVIF_IMAGE) && item.image != values.iImage)
        changed |= LVIF_IMAGE;
    if ((values.mask & LVIF_PARAM) && item.param != values.lParam)
        changed |= LVIF_PARAM;
    if ((values.mask & LVIF_INDENT) && item.indent != values.iIndent)
        changed |= LVIF_INDENT;
    return lv.ownerData() ? 0 : changed;
}

LRESULT setSubItemText(ListView& lv, const LVITEMW& values)
{
    const auto cell = static_cast<size_t>(values.iSubItem);
    if (values.iSubItem < 0 || cell >= lv.columns.size() || lv.ownerData())
        return FALSE;
    auto& cells = lv.items[static_cast<size_t>(values.iItem)].cells;
    if (cells.size() <= cell)
        cells.resize(cell + 1);
    cells[cell] = cellOf(values.pszText);
    invalidateItem(lv, values.iItem);
    return TRUE;
}

} // namespace

LRESULT insertItem(ListView& lv, const LVITEMW* values)
{
    if (!values || values->iSubItem != 0)
        return -1;
    ListItem item;
    const UINT mask = values->mask;
    item.cells.push_back(cellOf((mask & LVIF_TEXT) ? values->pszText : nullptr));
    item.image = (mask & LVIF_IMAGE) ? values->iImage : 0;
    item.param = (mask & LVIF_PARAM) ? values->lParam : 0;
    item.indent = (mask & LVIF_INDENT) ? values->iIndent : 0;
    const UINT asked = (mask & LVIF_STATE) ? values->state & values->stateMask : 0;
    item.state = initialState(lv, asked & ~selectionStates);
    int at = std::clamp(values->iItem, 0, lv.count());
    if (lv.ownerData())
        at = lv.count();
    else if (const int sorted = item.cells[0].callback ? -1 : sortedPlace(lv, item.cells[0].text); sorted >= 0)
        at = sorted;
    lv.items.insert(lv.items.begin() + at, std::move(item));
    shiftIndexesAfterInsert(lv, at);
    InvalidateRect(lv.self, nullptr, TRUE);
    notifyList(lv, LVN_INSERTITEM, at);
    if (asked & selectionStates)
        changeState(lv, at, asked, selectionStates);
    return at;
}

LRESULT deleteItem(ListView& lv, int index)
{
    if (!lv.valid(index))
        return FALSE;
    notifyList(lv, LVN_DELETEITEM, index);
    if (!lv.valid(index))
        return FALSE;
    lv.items.erase(lv.items.begin() + index);
    shiftIndexesAfterDelete(lv, index);
    InvalidateRect(lv.self, nullptr, TRUE);
    return TRUE;
}

LRESULT deleteAllItems(ListView& lv)
{
    const bool spared = !lv.destroying && notifyList(lv, LVN_DELETEALLITEMS, -1);
    if (!spared && !lv.ownerData()) {
        for (int i = lv.count() - 1; i >= 0; --i) {
            if (lv.valid(i))
                notifyList(lv, LVN_DELETEITEM, i);
        }
    }
    lv.items.clear();
    lv.selectionMark = -1;
    lv.topIndex = 0;
    InvalidateRect(lv.self, nullptr, TRUE);
    return TRUE;
}

LRESULT getItem(ListView& lv, LVITEMW* values)
{
    if (!values || !lv.valid(values->iItem) || values->iSubItem < 0)
        return FALSE;
    const int index = values->iItem;
    if (values->iSubItem > 0 && static_cast<size_t>(values->iSubItem) >= lv.columns.size())
        return FALSE;
    if (values->mask & LVIF_TEXT)
        copyToBuffer(cellText(lv, index, values->iSubItem), values->pszText, values->cchTextMax);
    if (values->iSubItem > 0)
        return TRUE;
    if (values->mask & LVIF_IMAGE)
        values->iImage = itemImage(lv, index);
    if (!lv.valid(index)) // the parent deleted it while answering
        return FALSE;
    const ListItem& item = lv.items[static_cast<size_t>(index)];
    if (values->mask & LVIF_PARAM)
        values->lParam = item.param;
    if (values->mask & LVIF_INDENT)
        values->iIndent = item.indent;
    if (values->mask & LVIF_STATE)
        values->state = static_cast<UINT>(getItemState(lv, index, values->stateMask));
    return TRUE;
}

LRESULT setItem(ListView& lv, const LVITEMW* values)
{
    if (!values || !lv.valid(values->iItem))
        return FALSE;
    const int index = values->iItem;
    if (values->iSubItem != 0)
        return (values->mask & LVIF_TEXT) ? setSubItemText(lv, *values) : FALSE;
    if (const UINT changed = changedParts(lv, lv.items[static_cast<size_t>(index)], *values)) {
        const UINT state = lv.items[static_cast<size_t>(index)].state;
        if (notifyList(lv, LVN_ITEMCHANGING, index, 0, state, state, changed) || !lv.valid(index))
            return FALSE;
        ListItem& item = lv.items[static_cast<size_t>(index)];
        if (changed & LVIF_TEXT)
            item.cells[0] = cellOf(values->pszText);
        if (changed & LVIF_IMAGE)
            item.image = values->iImage;
        if (changed & LVIF_PARAM)
            item.param = values->lParam;
        if (changed & LVIF_INDENT)
            item.indent = values->iIndent;
        invalidateItem(lv, index);
        notifyList(lv, LVN_ITEMCHANGED, index, 0, state, state, changed);
    }
    if (values->mask & LVIF_STATE)
        return changeState(lv, index, values->state, values->stateMask) ? TRUE : FALSE;
    return TRUE;
}

LRESULT getItemText(ListView& lv, int index, LVITEMW* values)
{
    if (!values || !lv.valid(index))
        return 0;
    if (values->iSubItem < 0 || (values->iSubItem > 0 && static_cast<size_t>(values->iSubItem) >= lv.columns.size()))
        return 0;
    return copyToBuffer(cellText(lv, index, values->iSubItem), values->pszText, values->cchTextMax);
}

LRESULT setItemText(ListView& lv, int index, const LVITEMW* values)
{
    if (!values)
        return FALSE;
    LVITEMW text = *values;
    text.mask = LVIF_TEXT;
    text.iItem = index;
    return setItem(lv, &text);
}

LRESULT setItemCount(ListView& lv, int count)
{
    if (count < 0)
        return FALSE;
    if (!lv.ownerData()) // the device only reserves room for that many
        return TRUE;
    ListItem blank;
    blank.state = initialState(lv, 0);
    lv.items.resize(static_cast<size_t>(count), blank);
    if (lv.selectionMark >= count)
        lv.selectionMark = -1;
    setTopIndex(lv, lv.topIndex);
    InvalidateRect(lv.self, nullptr, TRUE);
    return TRUE;
}

void giveCheckBoxes(ListView& lv)
{
    for (ListItem& item : lv.items)
        item.state = initialState(lv, item.state);
    InvalidateRect(lv.self, nullptr, TRUE);
}

} // namespace ce::gwes
