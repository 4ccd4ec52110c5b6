// WM_PAINT of the tree view. Nothing is drawn yet; the custom-draw stages run as the device's
// control runs them, so owners that colour or skip items can be tested: the control's
// pre-paint, each visible item's pre-paint (and post-paint) when asked, the post-paint.
#include "TreePaint.h"

#include <vector>

#include "TreeLayout.h"
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
    return state;
}

LRESULT drawStage(HWND hwnd, NMTVCUSTOMDRAW& draw, DWORD stage)
{
    draw.nmcd.dwDrawStage = stage;
    return notifyParent(hwnd, NM_CUSTOMDRAW, draw.nmcd.hdr);
}

// An item's stages, unless it went away while the parent was asked about others.
void drawItem(HWND hwnd, TreeControl& tree, HDC dc, HTREEITEM handle)
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
    const COLORREF text = tree.textColor == CLR_NONE ? tree_metrics::windowTextColor : tree.textColor;
    const COLORREF back = tree.bkColor == CLR_NONE ? tree_metrics::windowColor : tree.bkColor;
    draw.clrText = highlighted ? tree_metrics::highlightTextColor : text;
    draw.clrTextBk = highlighted ? tree_metrics::highlightColor : back;
    draw.iLevel = tree.items.level(handle);
    const LRESULT wanted = drawStage(hwnd, draw, CDDS_ITEMPREPAINT);
    if ((wanted & CDRF_NOTIFYPOSTPAINT) && !(wanted & CDRF_SKIPDEFAULT))
        drawStage(hwnd, draw, CDDS_ITEMPOSTPAINT);
}

} // namespace

void treePaint(HWND hwnd, TreeControl& tree)
{
    PAINTSTRUCT paint {};
    const HDC dc = BeginPaint(hwnd, &paint);
    normaliseScroll(hwnd, tree);
    NMTVCUSTOMDRAW draw {};
    draw.nmcd.hdc = dc;
    GetClientRect(hwnd, &draw.nmcd.rc);
    const LRESULT wanted = drawStage(hwnd, draw, CDDS_PREPAINT);
    if (!(wanted & CDRF_SKIPDEFAULT)) {
        if (wanted & CDRF_NOTIFYITEMDRAW) {
            std::vector<HTREEITEM> rows; // taken first: the parent may change items while asked
            const int height = draw.nmcd.rc.bottom - draw.nmcd.rc.top;
            const int shown = (height + tree.itemHeight - 1) / tree.itemHeight; // with a partial last row
            for (HTREEITEM row = tree.firstVisible; row && static_cast<int>(rows.size()) < shown;
                 row = tree.items.nextRow(row))
                rows.push_back(row);
            for (HTREEITEM row : rows)
                drawItem(hwnd, tree, dc, row);
        }
        if (wanted & CDRF_NOTIFYPOSTPAINT)
            drawStage(hwnd, draw, CDDS_POSTPAINT);
    }
    EndPaint(hwnd, &paint);
}

} // namespace ce::gwes
