// WM_PAINT of the tree view, with the custom-draw stages as the device's control runs them: the
// control's pre-paint (CDRF_SKIPDEFAULT: nothing is drawn), the background, each visible row
// (its item pre-paint first when asked: CDRF_SKIPDEFAULT leaves the row to the parent, and the
// colours it sets in clrText/clrTextBk are the ones drawn with), item post-paints, the scroll
// bar, the post-paint.
#include "TreePaint.h"

#include <vector>

#include "TreeCheckBoxes.h"
#include "TreeLayout.h"
#include "TreeRowPaint.h"
#include "TreeScrollBar.h"
#include "gwes/controls/ControlNotify.h"

namespace ce::gwes {

namespace {

UINT itemDrawState(HWND hwnd, const TreeControl& tree, HTREEITEM handle, const TreeItem& item)
{
    const bool focused = GetFocus() == hwnd;
    const bool shown = focused || (treeStyle(hwnd) & TVS_SHOWSELALWAYS);
    UINT state = 0;
    if (((item.state & TVIS_SELECTED) && shown) || (item.state & TVIS_DROPHILITED))
        state |= CDIS_SELECTED;
    if (handle == tree.caret && focused)
        state |= CDIS_FOCUS;
    if (!IsWindowEnabled(hwnd))
        state |= CDIS_DISABLED;
    return state;
}

COLORREF backgroundOf(const TreeControl& tree)
{
    return tree.bkColor == CLR_NONE ? GetSysColor(COLOR_WINDOW) : tree.bkColor;
}

COLORREF textColorOf(HWND hwnd, const TreeControl& tree)
{
    if (!IsWindowEnabled(hwnd))
        return GetSysColor(COLOR_GRAYTEXT);
    return tree.textColor == CLR_NONE ? GetSysColor(COLOR_WINDOWTEXT) : tree.textColor;
}

LRESULT drawStage(HWND hwnd, NMTVCUSTOMDRAW& draw, DWORD stage)
{
    draw.nmcd.dwDrawStage = stage;
    return notifyParent(hwnd, NM_CUSTOMDRAW, draw.nmcd.hdr);
}

// An item's row, unless it went away while the parent was asked about others.
void paintItem(HWND hwnd, TreeControl& tree, HDC dc, HTREEITEM handle, bool askParent)
{
    const TreeItem* item = tree.items.find(handle);
    RECT row {};
    if (!item || !itemRect(hwnd, tree, handle, false, row))
        return;
    item = tree.items.find(handle);
    NMTVCUSTOMDRAW draw {};
    draw.nmcd.hdc = dc;
    draw.nmcd.rc = row;
    draw.nmcd.dwItemSpec = reinterpret_cast<DWORD_PTR>(handle);
    draw.nmcd.uItemState = itemDrawState(hwnd, tree, handle, *item);
    draw.nmcd.lItemlParam = item->lParam;
    const bool highlighted = draw.nmcd.uItemState & CDIS_SELECTED;
    draw.clrText = highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : textColorOf(hwnd, tree);
    draw.clrTextBk = highlighted ? GetSysColor(COLOR_HIGHLIGHT) : backgroundOf(tree);
    draw.iLevel = tree.items.level(handle);
    const LRESULT wanted = askParent ? drawStage(hwnd, draw, CDDS_ITEMPREPAINT) : CDRF_DODEFAULT;
    if (wanted & CDRF_SKIPDEFAULT)
        return;
    drawRow(dc, hwnd, tree, handle, {draw.clrText, draw.clrTextBk, draw.nmcd.uItemState});
    if (wanted & CDRF_NOTIFYPOSTPAINT)
        drawStage(hwnd, draw, CDDS_ITEMPOSTPAINT);
}

// The rows in view, taken first: the parent may change items while it is asked about them.
std::vector<HTREEITEM> rowsInView(const RECT& client, TreeControl& tree)
{
    std::vector<HTREEITEM> rows;
    const int height = client.bottom - client.top;
    const int shown = (height + tree.itemHeight - 1) / tree.itemHeight; // with a partial last row
    for (HTREEITEM row = tree.firstVisible; row && static_cast<int>(rows.size()) < shown; row = tree.items.nextRow(row))
        rows.push_back(row);
    return rows;
}

} // namespace

void treePaint(HWND hwnd, TreeControl& tree)
{
    PAINTSTRUCT paint {};
    const HDC dc = BeginPaint(hwnd, &paint);
    normaliseScroll(hwnd, tree);
    ensureCheckBoxImages(hwnd, tree);
    NMTVCUSTOMDRAW draw {};
    draw.nmcd.hdc = dc;
    GetClientRect(hwnd, &draw.nmcd.rc);
    const LRESULT wanted = drawStage(hwnd, draw, CDDS_PREPAINT);
    if (!(wanted & CDRF_SKIPDEFAULT)) {
        SetBkColor(dc, backgroundOf(tree));
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &draw.nmcd.rc, nullptr, 0, nullptr);
        const HGDIOBJ oldFont = tree.font ? SelectObject(dc, tree.font) : nullptr;
        for (HTREEITEM row : rowsInView(draw.nmcd.rc, tree))
            paintItem(hwnd, tree, dc, row, wanted & CDRF_NOTIFYITEMDRAW);
        if (oldFont)
            SelectObject(dc, oldFont);
        drawScrollBar(dc, hwnd, tree);
        if (wanted & CDRF_NOTIFYPOSTPAINT)
            drawStage(hwnd, draw, CDDS_POSTPAINT);
    }
    EndPaint(hwnd, &paint);
}

} // namespace ce::gwes
