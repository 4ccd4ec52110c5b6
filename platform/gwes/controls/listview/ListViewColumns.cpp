// Columns of a list view. The list keeps them; the header child shows the same titles and
// widths in the same order, updated by the HDM_* messages.
#include "ListViewColumns.h"

#include <algorithm>

#include "ListDrawing.h"
#include "ListViewLayout.h"
#include "ListViewNotify.h"
#include "ListViewScrollBar.h"
#include "gwes/controls/TextBuffer.h"

namespace ce::gwes {
namespace {

bool validColumn(const ListView& lv, int index)
{
    return index >= 0 && static_cast<size_t>(index) < lv.columns.size();
}

// The header item that shows a column.
HDITEMW headerItemOf(const ListColumn& column, UINT mask)
{
    HDITEMW item {};
    item.mask = mask;
    item.cxy = column.width;
    item.pszText = const_cast<LPWSTR>(column.text.c_str());
    item.fmt = (column.fmt & LVCFMT_JUSTIFYMASK) | HDF_STRING;
    item.iImage = column.image;
    return item;
}

void placeInOrder(ListView& lv, int index, int position)
{
    lv.order.erase(std::remove(lv.order.begin(), lv.order.end(), index), lv.order.end());
    position = std::clamp(position, 0, static_cast<int>(lv.order.size()));
    lv.order.insert(lv.order.begin() + position, index);
}

int orderOf(const ListView& lv, int index)
{
    return static_cast<int>(std::find(lv.order.begin(), lv.order.end(), index) - lv.order.begin());
}

// Columns past the first hold sub-items at their own index; a column put in front of the
// first moves every sub-item, but the labels stay.
size_t cellOfInsertedColumn(int index)
{
    return static_cast<size_t>(std::max(index, 1));
}

void applyColumn(ListColumn& column, const LVCOLUMNW& values)
{
    if (values.mask & LVCF_FMT)
        column.fmt = values.fmt;
    if ((values.mask & LVCF_WIDTH) && values.cx >= 0)
        column.width = values.cx;
    if ((values.mask & LVCF_TEXT) && values.pszText != LPSTR_TEXTCALLBACKW)
        column.text = textOf(values.pszText);
    if (values.mask & LVCF_SUBITEM)
        column.subItem = values.iSubItem;
    if (values.mask & LVCF_IMAGE)
        column.image = values.iImage;
}

void mirror(const ListView& lv, int index, UINT mask)
{
    HDITEMW item = headerItemOf(lv.columns[static_cast<size_t>(index)], mask | HDI_ORDER);
    item.iOrder = orderOf(lv, index);
    SendMessageW(lv.header, HDM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

int contentWidth(ListView& lv, int index, const TextMeasure& measure)
{
    int widest = 0;
    for (int item = 0; item < lv.count(); ++item) {
        int width = measure.width(cellText(lv, item, index));
        if (index == 0 && lv.valid(item))
            width += indentPixels(lv, item) + stateImageWidth(lv) + smallImageWidth(lv);
        widest = std::max(widest, width);
    }
    return widest + listmetrics::scaled(listmetrics::cellPadding);
}

int autoWidth(ListView& lv, int index, int request)
{
    const TextMeasure measure(lv.font);
    const int content = contentWidth(lv, index, measure);
    if (request == LVSCW_AUTOSIZE)
        return content;
    const int title =
        measure.width(lv.columns[static_cast<size_t>(index)].text) + listmetrics::scaled(listmetrics::cellPadding);
    const bool last = !lv.order.empty() && lv.order.back() == index;
    const int rest = last ? rowsRight(lv) - columnLeft(lv, index) : 0;
    return std::max({content, title, rest});
}

} // namespace

LRESULT insertColumn(ListView& lv, int index, const LVCOLUMNW* values)
{
    if (!values || index < 0)
        return -1;
    const int at = std::min(index, static_cast<int>(lv.columns.size()));
    ListColumn column;
    column.subItem = at;
    applyColumn(column, *values);
    lv.columns.insert(lv.columns.begin() + at, column);
    for (int& shown : lv.order) {
        if (shown >= at)
            ++shown;
    }
    lv.order.push_back(at);
    placeInOrder(lv, at, (values->mask & LVCF_ORDER) ? values->iOrder : at);
    if (!lv.ownerData() && lv.columns.size() > 1) {
        for (ListItem& item : lv.items) {
            const size_t cell = cellOfInsertedColumn(at);
            if (item.cells.size() > cell)
                item.cells.insert(item.cells.begin() + static_cast<std::ptrdiff_t>(cell), ListCell {});
        }
    }
    HDITEMW shown = headerItemOf(column, HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_ORDER);
    shown.iOrder = orderOf(lv, at);
    SendMessageW(lv.header, HDM_INSERTITEMW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&shown));
    if ((values->mask & LVCF_WIDTH) && values->cx < 0)
        setColumnWidth(lv, at, values->cx);
    InvalidateRect(lv.self, nullptr, TRUE);
    return at;
}

LRESULT deleteColumn(ListView& lv, int index)
{
    if (!validColumn(lv, index))
        return FALSE;
    lv.columns.erase(lv.columns.begin() + index);
    lv.order.erase(std::remove(lv.order.begin(), lv.order.end(), index), lv.order.end());
    for (int& shown : lv.order) {
        if (shown > index)
            --shown;
    }
    // Deleting the first column drops the labels: the first sub-items become them.
    for (ListItem& item : lv.items) {
        if (static_cast<size_t>(index) < item.cells.size() && (index > 0 || !lv.columns.empty()))
            item.cells.erase(item.cells.begin() + index);
        if (item.cells.empty())
            item.cells.emplace_back();
    }
    SendMessageW(lv.header, HDM_DELETEITEM, static_cast<WPARAM>(index), 0);
    InvalidateRect(lv.self, nullptr, TRUE);
    return TRUE;
}

LRESULT getColumn(ListView& lv, int index, LVCOLUMNW* values)
{
    if (!values || !validColumn(lv, index))
        return FALSE;
    const ListColumn& column = lv.columns[static_cast<size_t>(index)];
    if (values->mask & LVCF_FMT)
        values->fmt = column.fmt;
    if (values->mask & LVCF_WIDTH)
        values->cx = column.width;
    if (values->mask & LVCF_TEXT)
        copyToBuffer(column.text, values->pszText, values->cchTextMax);
    if (values->mask & LVCF_SUBITEM)
        values->iSubItem = column.subItem;
    if (values->mask & LVCF_IMAGE)
        values->iImage = column.image;
    if (values->mask & LVCF_ORDER)
        values->iOrder = orderOf(lv, index);
    return TRUE;
}

LRESULT setColumn(ListView& lv, int index, const LVCOLUMNW* values)
{
    if (!values || !validColumn(lv, index))
        return FALSE;
    applyColumn(lv.columns[static_cast<size_t>(index)], *values);
    if (values->mask & LVCF_ORDER)
        placeInOrder(lv, index, values->iOrder);
    mirror(lv, index, HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_IMAGE);
    if ((values->mask & LVCF_WIDTH) && values->cx < 0)
        setColumnWidth(lv, index, values->cx);
    InvalidateRect(lv.self, nullptr, TRUE);
    return TRUE;
}

LRESULT getColumnWidth(const ListView& lv, int index)
{
    return validColumn(lv, index) ? lv.columns[static_cast<size_t>(index)].width : 0;
}

LRESULT setColumnWidth(ListView& lv, int index, int cx)
{
    if (!validColumn(lv, index) || cx < LVSCW_AUTOSIZE_USEHEADER)
        return FALSE;
    const int width = cx < 0 ? autoWidth(lv, index, cx) : cx;
    if (!validColumn(lv, index)) // a callback text's parent deleted it
        return FALSE;
    lv.columns[static_cast<size_t>(index)].width = width;
    mirror(lv, index, HDI_WIDTH);
    InvalidateRect(lv.self, nullptr, TRUE);
    return TRUE;
}

LRESULT getColumnOrder(const ListView& lv, WPARAM count, int* order)
{
    if (!order || count != lv.order.size())
        return FALSE;
    std::copy(lv.order.begin(), lv.order.end(), order);
    return TRUE;
}

LRESULT setColumnOrder(ListView& lv, WPARAM count, const int* order)
{
    // The header checks that the order names every column once.
    if (!order || count != lv.columns.size() ||
        !SendMessageW(lv.header, HDM_SETORDERARRAY, count, reinterpret_cast<LPARAM>(order)))
        return FALSE;
    lv.order.assign(order, order + count);
    InvalidateRect(lv.self, nullptr, TRUE);
    return TRUE;
}

LRESULT headerNotification(ListView& lv, WPARAM id, NMHDR* header)
{
    const LRESULT answer = SendMessageW(GetParent(lv.self), WM_NOTIFY, id, reinterpret_cast<LPARAM>(header));
    const auto* notice = reinterpret_cast<const NMHEADERW*>(header);
    switch (header->code) {
    case HDN_ITEMCLICKW:
        notifyList(lv, LVN_COLUMNCLICK, -1, notice->iItem);
        break;
    case HDN_ITEMCHANGEDW:
        if (notice->pitem && (notice->pitem->mask & HDI_WIDTH) && validColumn(lv, notice->iItem)) {
            lv.columns[static_cast<size_t>(notice->iItem)].width = std::max(0, notice->pitem->cxy);
            InvalidateRect(lv.self, nullptr, TRUE);
        }
        break;
    case HDN_DIVIDERDBLCLICKW:
        setColumnWidth(lv, notice->iItem, LVSCW_AUTOSIZE);
        break;
    default:
        break;
    }
    return answer;
}

} // namespace ce::gwes
