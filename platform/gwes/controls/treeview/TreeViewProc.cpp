// The SysTreeView32 class: its window procedure, one line or one helper per message.
#include <algorithm>

#include "TreeActions.h"
#include "TreeCheckBoxes.h"
#include "TreeInput.h"
#include "TreeItemMessages.h"
#include "TreeLayout.h"
#include "TreeNotify.h"
#include "TreePaint.h"
#include "TreeSort.h"
#include "gwes/SystemClasses.h"
#include "gwes/controls/ControlState.h"

namespace ce::gwes {

namespace {

HTREEITEM itemOf(LPARAM lParam)
{
    return reinterpret_cast<HTREEITEM>(lParam);
}

LRESULT selectMessage(HWND hwnd, TreeControl& tree, WPARAM code, HTREEITEM handle)
{
    switch (code) {
    case TVGN_CARET:
        return selectItem(hwnd, tree, handle, TVC_UNKNOWN);
    case TVGN_DROPHILITE:
        if (handle && !tree.items.find(handle))
            return FALSE;
        setDropHilite(hwnd, tree, handle);
        return TRUE;
    case TVGN_FIRSTVISIBLE:
        if (!tree.items.isVisible(handle))
            return FALSE;
        scrollToRow(hwnd, tree, tree.items.rowIndex(handle));
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT itemRectMessage(HWND hwnd, TreeControl& tree, WPARAM labelOnly, LPARAM lParam)
{
    auto* rect = reinterpret_cast<RECT*>(lParam);
    if (!rect)
        return FALSE;
    const HTREEITEM handle = *reinterpret_cast<HTREEITEM*>(rect);
    return itemRect(hwnd, tree, handle, labelOnly != 0, *rect);
}

LRESULT hitTestMessage(HWND hwnd, TreeControl& tree, LPARAM lParam)
{
    auto* info = reinterpret_cast<TVHITTESTINFO*>(lParam);
    return info ? reinterpret_cast<LRESULT>(hitTest(hwnd, tree, *info)) : 0;
}

LRESULT setImageList(HWND hwnd, TreeControl& tree, WPARAM which, LPARAM lParam)
{
    HIMAGELIST* slot = which == TVSIL_NORMAL ? &tree.normalImages : which == TVSIL_STATE ? &tree.stateImages : nullptr;
    if (!slot)
        return 0;
    const HIMAGELIST previous = *slot;
    *slot = reinterpret_cast<HIMAGELIST>(lParam);
    InvalidateRect(hwnd, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT getImageList(const TreeControl& tree, WPARAM which)
{
    const HIMAGELIST list = which == TVSIL_NORMAL ? tree.normalImages
        : which == TVSIL_STATE                    ? tree.stateImages
                                                  : nullptr;
    return reinterpret_cast<LRESULT>(list);
}

// Heights are even unless TVS_NONEVENHEIGHT; -1 restores the default.
LRESULT setItemHeight(HWND hwnd, TreeControl& tree, WPARAM height)
{
    const int previous = tree.itemHeight;
    int wanted = static_cast<int>(static_cast<LONG_PTR>(height));
    if (wanted == -1)
        wanted = scaledForScreen(tree_metrics::itemHeight);
    wanted = std::max(1, wanted);
    if (wanted > 1 && wanted % 2 && !(treeStyle(hwnd) & TVS_NONEVENHEIGHT))
        --wanted;
    tree.itemHeight = wanted;
    layoutChanged(hwnd, tree);
    return previous;
}

LRESULT setIndent(HWND hwnd, TreeControl& tree, WPARAM indent)
{
    tree.indent = std::max(tree_metrics::minimumIndent, static_cast<int>(static_cast<LONG_PTR>(indent)));
    InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

// A colour as a message answer: CLR_NONE (the system colour) reads as -1.
LRESULT colorAnswer(COLORREF color)
{
    return static_cast<LRESULT>(static_cast<LONG>(color));
}

LRESULT setColor(HWND hwnd, COLORREF& color, LPARAM wanted)
{
    const COLORREF previous = color;
    color = static_cast<COLORREF>(wanted);
    InvalidateRect(hwnd, nullptr, TRUE);
    return colorAnswer(previous);
}

LRESULT setScrollTime(TreeControl& tree, WPARAM time)
{
    const UINT previous = tree.scrollTime;
    tree.scrollTime = static_cast<UINT>(time);
    return previous;
}

LRESULT focusChanged(HWND hwnd, UINT code)
{
    InvalidateRect(hwnd, nullptr, TRUE);
    return notifySimple(hwnd, code);
}

LRESULT whenEnabled(HWND hwnd, auto&& handle)
{
    if (IsWindowEnabled(hwnd))
        handle();
    return 0;
}

LRESULT treeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto state = controlState<TreeControl>(hwnd);
    if (!state)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    TreeControl& tree = *state;
    switch (message) {
    case TVM_INSERTITEMW:
        return reinterpret_cast<LRESULT>(insertItem(hwnd, tree, reinterpret_cast<const TVINSERTSTRUCTW*>(lParam)));
    case TVM_DELETEITEM:
        return deleteItem(hwnd, tree, itemOf(lParam));
    case TVM_EXPAND:
        return expandItem(hwnd, tree, itemOf(lParam), static_cast<UINT>(wParam), ExpandCause::message);
    case TVM_GETITEMRECT:
        return itemRectMessage(hwnd, tree, wParam, lParam);
    case TVM_GETCOUNT:
        return static_cast<LRESULT>(tree.items.count());
    case TVM_GETINDENT:
        return tree.indent;
    case TVM_SETINDENT:
        return setIndent(hwnd, tree, wParam);
    case TVM_GETIMAGELIST:
        return getImageList(tree, wParam);
    case TVM_SETIMAGELIST:
        return setImageList(hwnd, tree, wParam, lParam);
    case TVM_GETNEXTITEM:
        return reinterpret_cast<LRESULT>(getNextItem(hwnd, tree, itemOf(lParam), static_cast<UINT>(wParam)));
    case TVM_SELECTITEM:
        return selectMessage(hwnd, tree, wParam, itemOf(lParam));
    case TVM_GETITEMW:
        return getItem(hwnd, tree, reinterpret_cast<TVITEMW*>(lParam));
    case TVM_SETITEMW:
        return setItem(hwnd, tree, reinterpret_cast<const TVITEMW*>(lParam));
    case TVM_GETITEMSTATE:
        return getItemState(tree, reinterpret_cast<HTREEITEM>(wParam), static_cast<UINT>(lParam));
    case TVM_GETVISIBLECOUNT:
        return fullRows(hwnd, tree);
    case TVM_HITTEST:
        return hitTestMessage(hwnd, tree, lParam);
    case TVM_SORTCHILDREN:
        return sortChildren(hwnd, tree, itemOf(lParam), wParam != 0);
    case TVM_SORTCHILDRENCB:
        return sortChildrenCallback(hwnd, tree, reinterpret_cast<const TVSORTCB*>(lParam));
    case TVM_ENSUREVISIBLE:
        return ensureVisible(hwnd, tree, itemOf(lParam));
    case TVM_GETISEARCHSTRINGW:
        return incrementalSearchText(tree, reinterpret_cast<LPWSTR>(lParam));
    case TVM_SETITEMHEIGHT:
        return setItemHeight(hwnd, tree, wParam);
    case TVM_GETITEMHEIGHT:
        return tree.itemHeight;
    case TVM_SETBKCOLOR:
        return setColor(hwnd, tree.bkColor, lParam);
    case TVM_SETTEXTCOLOR:
        return setColor(hwnd, tree.textColor, lParam);
    case TVM_GETBKCOLOR:
        return colorAnswer(tree.bkColor);
    case TVM_GETTEXTCOLOR:
        return colorAnswer(tree.textColor);
    case TVM_SETSCROLLTIME:
        return setScrollTime(tree, wParam);
    case TVM_GETSCROLLTIME:
        return tree.scrollTime;
    case CCM_GETUNICODEFORMAT:
    case CCM_SETUNICODEFORMAT:
        return TRUE; // always Unicode
    case WM_LBUTTONDOWN:
        return whenEnabled(hwnd, [&] { treeTap(hwnd, tree, lParam); });
    case WM_LBUTTONDBLCLK:
        return whenEnabled(hwnd, [&] { treeDoubleTap(hwnd, tree, lParam); });
    case WM_KEYDOWN:
        return whenEnabled(hwnd, [&] { treeKeyDown(hwnd, tree, wParam); });
    case WM_CHAR:
        return whenEnabled(hwnd, [&] { treeChar(hwnd, tree, static_cast<WCHAR>(wParam)); });
    case WM_VSCROLL:
        treeVScroll(hwnd, tree, wParam);
        return 0;
    case WM_SETFOCUS:
        return focusChanged(hwnd, NM_SETFOCUS);
    case WM_KILLFOCUS:
        return focusChanged(hwnd, NM_KILLFOCUS);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFONT:
        tree.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(hwnd, nullptr, TRUE); // labels are measured in the font
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(tree.font);
    case WM_SIZE:
        layoutChanged(hwnd, tree);
        return 0;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_PAINT:
        treePaint(hwnd, tree);
        return 0;
    case WM_CREATE:
        ensureCheckBoxImages(hwnd, tree);
        return 0;
    case WM_DESTROY:
        deleteItem(hwnd, tree, TVI_ROOT); // the parent frees each item's data on TVN_DELETEITEM
        releaseCheckBoxImages(tree);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

const SystemClassRegistration registration({WC_TREEVIEWW, treeProc, CS_DBLCLKS, 0});

} // namespace

} // namespace ce::gwes
