// SysListView32: the window procedure, its creation (with the header child) and destruction,
// and the list's simple values (colours, image lists, extended styles, selection mark).
#include <algorithm>
#include <optional>
#include <utility>

#include "ListDrawing.h"
#include "ListViewCheckBoxes.h"
#include "ListViewColumns.h"
#include "ListViewFind.h"
#include "ListViewInput.h"
#include "ListViewItems.h"
#include "ListViewLayout.h"
#include "ListViewPaint.h"
#include "ListViewScrollBar.h"
#include "ListViewStates.h"
#include "gwes/controls/TextBuffer.h"
#include "gwes/SystemClasses.h"
#include "gwes/controls/ControlState.h"

namespace ce::gwes {
namespace {

LRESULT create(ListView& lv, HWND hwnd)
{
    lv.self = hwnd;
    const DWORD style = lv.style();
    const bool shown = (style & LVS_TYPEMASK) == LVS_REPORT && !(style & LVS_NOCOLUMNHEADER);
    const DWORD headerStyle = WS_CHILD | HDS_HORZ | ((style & LVS_NOSORTHEADER) ? 0 : HDS_BUTTONS) |
        (shown ? WS_VISIBLE : HDS_HIDDEN);
    lv.header = CreateWindowExW(0, WC_HEADERW, nullptr, headerStyle, 0, 0, 0, 0, hwnd, nullptr, nullptr, nullptr);
    if (!lv.header)
        return -1;
    layoutHeader(lv);
    return 0;
}

void destroy(ListView& lv)
{
    lv.destroying = true;
    deleteAllItems(lv);
    if (!(lv.style() & LVS_SHAREIMAGELISTS)) {
        for (HIMAGELIST& list : lv.imageLists) {
            if (list && list != lv.ownStateImages)
                ImageList_Destroy(list);
            list = nullptr;
        }
    }
    if (lv.ownStateImages)
        ImageList_Destroy(lv.ownStateImages);
    lv.ownStateImages = nullptr;
}

LRESULT setImageList(ListView& lv, WPARAM which, HIMAGELIST list)
{
    if (which > LVSIL_STATE)
        return 0;
    const HIMAGELIST previous = std::exchange(lv.imageLists[which], list);
    InvalidateRect(lv.self, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(previous);
}

// With check boxes the list makes its own state images (1 unchecked, 2 checked).
void addCheckBoxImages(ListView& lv)
{
    if (!lv.ownStateImages)
        lv.ownStateImages = makeCheckBoxImages();
    if (!lv.imageLists[LVSIL_STATE])
        lv.imageLists[LVSIL_STATE] = lv.ownStateImages;
    giveCheckBoxes(lv);
}

LRESULT setExtendedStyle(ListView& lv, WPARAM mask, LPARAM style)
{
    const DWORD changing = mask ? static_cast<DWORD>(mask) : 0xFFFFFFFF;
    const DWORD previous = lv.exStyle;
    lv.exStyle = (previous & ~changing) | (static_cast<DWORD>(style) & changing);
    if ((lv.exStyle & LVS_EX_CHECKBOXES) && !(previous & LVS_EX_CHECKBOXES))
        addCheckBoxImages(lv);
    if (!(lv.exStyle & LVS_EX_CHECKBOXES) && (previous & LVS_EX_CHECKBOXES) &&
        lv.imageLists[LVSIL_STATE] == lv.ownStateImages)
        lv.imageLists[LVSIL_STATE] = nullptr;
    InvalidateRect(lv.self, nullptr, TRUE);
    return static_cast<LRESULT>(previous);
}

LRESULT setColor(ListView& lv, COLORREF& slot, LPARAM color)
{
    slot = static_cast<COLORREF>(color);
    InvalidateRect(lv.self, nullptr, TRUE);
    return TRUE;
}

LRESULT redrawItems(ListView& lv, int first, int last)
{
    if (!lv.valid(first) || last < first)
        return FALSE;
    for (int item = std::max(first, lv.topIndex); item <= last && item < lv.count(); ++item)
        invalidateItem(lv, item);
    return TRUE;
}

LRESULT rectMessage(ListView& lv, WPARAM item, LPARAM lParam, bool subItem)
{
    auto* rect = reinterpret_cast<RECT*>(lParam);
    if (!rect)
        return FALSE;
    const int index = static_cast<int>(item);
    const bool found = subItem ? subItemRect(lv, index, rect->top, rect->left, *rect)
                               : itemRect(lv, index, rect->left, *rect);
    return found ? TRUE : FALSE;
}

LRESULT stringWidth(const ListView& lv, LPCWSTR text)
{
    return text ? TextMeasure(lv.font).width(text) : 0;
}

std::optional<LRESULT> listMessage(ListView& lv, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (message) {
    case LVM_GETITEMCOUNT:
        return lv.count();
    case LVM_INSERTITEMW:
        return insertItem(lv, reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_DELETEITEM:
        return deleteItem(lv, index);
    case LVM_DELETEALLITEMS:
        return deleteAllItems(lv);
    case LVM_GETITEMW:
        return getItem(lv, reinterpret_cast<LVITEMW*>(lParam));
    case LVM_SETITEMW:
        return setItem(lv, reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_GETITEMTEXTW:
        return getItemText(lv, index, reinterpret_cast<LVITEMW*>(lParam));
    case LVM_SETITEMTEXTW:
        return setItemText(lv, index, reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_GETITEMSTATE:
        return getItemState(lv, index, static_cast<UINT>(lParam));
    case LVM_SETITEMSTATE:
        return setItemState(lv, index, reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_GETSELECTEDCOUNT:
        return selectedCount(lv);
    case LVM_GETNEXTITEM:
        return getNextItem(lv, index, LOWORD(lParam));
    case LVM_SETITEMCOUNT:
        return setItemCount(lv, index);
    case LVM_FINDITEMW:
        return findItem(lv, index, reinterpret_cast<const LVFINDINFOW*>(lParam));
    case LVM_SORTITEMS:
        return sortItems(lv, static_cast<LPARAM>(wParam), reinterpret_cast<PFNLVCOMPARE>(lParam), false);
    case LVM_SORTITEMSEX:
        return sortItems(lv, static_cast<LPARAM>(wParam), reinterpret_cast<PFNLVCOMPARE>(lParam), true);
    case LVM_GETCALLBACKMASK:
        return lv.callbackMask;
    case LVM_SETCALLBACKMASK:
        lv.callbackMask = static_cast<UINT>(wParam);
        return TRUE;
    case LVM_GETSELECTIONMARK:
        return lv.selectionMark;
    case LVM_SETSELECTIONMARK:
        return std::exchange(lv.selectionMark, static_cast<int>(lParam));
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> viewMessage(ListView& lv, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (message) {
    case LVM_INSERTCOLUMNW:
        return insertColumn(lv, index, reinterpret_cast<const LVCOLUMNW*>(lParam));
    case LVM_DELETECOLUMN:
        return deleteColumn(lv, index);
    case LVM_GETCOLUMNW:
        return getColumn(lv, index, reinterpret_cast<LVCOLUMNW*>(lParam));
    case LVM_SETCOLUMNW:
        return setColumn(lv, index, reinterpret_cast<const LVCOLUMNW*>(lParam));
    case LVM_GETCOLUMNWIDTH:
        return getColumnWidth(lv, index);
    case LVM_SETCOLUMNWIDTH:
        return setColumnWidth(lv, index, static_cast<short>(LOWORD(lParam)));
    case LVM_GETCOLUMNORDERARRAY:
        return getColumnOrder(lv, wParam, reinterpret_cast<int*>(lParam));
    case LVM_SETCOLUMNORDERARRAY:
        return setColumnOrder(lv, wParam, reinterpret_cast<const int*>(lParam));
    case LVM_GETHEADER:
        return reinterpret_cast<LRESULT>(lv.header);
    case LVM_GETITEMRECT:
        return rectMessage(lv, wParam, lParam, false);
    case LVM_GETSUBITEMRECT:
        return rectMessage(lv, wParam, lParam, true);
    case LVM_HITTEST:
        return hitTest(lv, reinterpret_cast<LVHITTESTINFO*>(lParam), false);
    case LVM_SUBITEMHITTEST:
        return hitTest(lv, reinterpret_cast<LVHITTESTINFO*>(lParam), true);
    case LVM_ENSUREVISIBLE:
        return ensureVisible(lv, index, LOWORD(lParam) != 0) ? TRUE : FALSE;
    case LVM_GETTOPINDEX:
        return lv.topIndex;
    case LVM_GETCOUNTPERPAGE:
        return countPerPage(lv);
    case LVM_SCROLL:
        return scrollBy(lv, index, static_cast<int>(lParam));
    case LVM_REDRAWITEMS:
        return redrawItems(lv, index, static_cast<int>(lParam));
    case LVM_UPDATE:
        return redrawItems(lv, index, index);
    case LVM_APPROXIMATEVIEWRECT:
        return approximateViewRect(lv, index);
    case LVM_GETSTRINGWIDTHW:
        return stringWidth(lv, reinterpret_cast<LPCWSTR>(lParam));
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> looksMessage(ListView& lv, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case LVM_GETBKCOLOR:
        return lv.background;
    case LVM_SETBKCOLOR:
        return setColor(lv, lv.background, lParam);
    case LVM_GETTEXTCOLOR:
        return lv.textColor;
    case LVM_SETTEXTCOLOR:
        return setColor(lv, lv.textColor, lParam);
    case LVM_GETTEXTBKCOLOR:
        return lv.textBackground;
    case LVM_SETTEXTBKCOLOR:
        return setColor(lv, lv.textBackground, lParam);
    case LVM_GETIMAGELIST:
        return wParam <= LVSIL_STATE ? reinterpret_cast<LRESULT>(lv.imageLists[wParam]) : 0;
    case LVM_SETIMAGELIST:
        return setImageList(lv, wParam, reinterpret_cast<HIMAGELIST>(lParam));
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return lv.exStyle;
    case LVM_SETEXTENDEDLISTVIEWSTYLE:
        return setExtendedStyle(lv, wParam, lParam);
    default:
        return std::nullopt;
    }
}

LRESULT windowMessage(ListView& lv, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return create(lv, hwnd);
    case WM_DESTROY:
        destroy(lv);
        return 0;
    case WM_SIZE:
        layoutHeader(lv);
        setTopIndex(lv, lv.topIndex);
        return 0;
    case WM_PAINT:
        return paint(lv);
    case WM_ERASEBKGND:
        return eraseBackground(lv, reinterpret_cast<HDC>(wParam));
    case WM_LBUTTONDOWN:
        return stylusDown(lv, lParam);
    case WM_MOUSEMOVE:
        return stylusMove(lv, lParam);
    case WM_LBUTTONUP:
        return stylusUp(lv, lParam);
    case WM_LBUTTONDBLCLK:
        return doubleTap(lv, lParam);
    case WM_CAPTURECHANGED:
        scrollBarCaptureLost(lv);
        return 0;
    case WM_KEYDOWN:
        return keyDown(lv, wParam, lParam);
    case WM_SETFOCUS:
        return focusChanged(lv, true);
    case WM_KILLFOCUS:
        return focusChanged(lv, false);
    case WM_VSCROLL:
        return verticalScroll(lv, wParam);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFONT:
        lv.font = reinterpret_cast<HFONT>(wParam);
        SendMessageW(lv.header, WM_SETFONT, wParam, lParam);
        if (LOWORD(lParam))
            InvalidateRect(lv.self, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(lv.font);
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header && header->hwndFrom == lv.header && lv.header)
            return headerNotification(lv, wParam, header);
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT listViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto lv = controlState<ListView>(hwnd);
    if (!lv)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message >= LVM_FIRST && message < LVM_FIRST + 0x100) {
        if (!lv->self)
            return 0;
        for (auto handler : {listMessage, viewMessage, looksMessage}) {
            if (const auto answer = handler(*lv, message, wParam, lParam))
                return *answer;
        }
    }
    return windowMessage(*lv, hwnd, message, wParam, lParam);
}

const SystemClassRegistration registration({WC_LISTVIEWW, listViewProc, CS_DBLCLKS, 0});

} // namespace
} // namespace ce::gwes
