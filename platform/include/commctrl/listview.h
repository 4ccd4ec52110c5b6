// SysListView32: rows of items with sub-item columns under a SysHeader32, selection and focus,
// check boxes as state images, callback texts and owner-data (virtual) lists, custom draw.
// Every view lays its items out as rows, as the report view does; only LVS_REPORT shows the
// header.
#pragma once

#define WC_LISTVIEWW u"SysListView32"
#define WC_LISTVIEW WC_LISTVIEWW

#define LVS_ICON 0x0000
#define LVS_REPORT 0x0001
#define LVS_SMALLICON 0x0002
#define LVS_LIST 0x0003
#define LVS_TYPEMASK 0x0003
#define LVS_SINGLESEL 0x0004
#define LVS_SHOWSELALWAYS 0x0008
#define LVS_SORTASCENDING 0x0010
#define LVS_SORTDESCENDING 0x0020
#define LVS_SHAREIMAGELISTS 0x0040
#define LVS_NOLABELWRAP 0x0080
#define LVS_AUTOARRANGE 0x0100
#define LVS_EDITLABELS 0x0200
#define LVS_OWNERDRAWFIXED 0x0400
#define LVS_ALIGNTOP 0x0000
#define LVS_ALIGNLEFT 0x0800
#define LVS_OWNERDATA 0x1000
#define LVS_NOSCROLL 0x2000
#define LVS_NOCOLUMNHEADER 0x4000
#define LVS_NOSORTHEADER 0x8000

// DRAWITEMSTRUCT.CtlType of an owner-drawn list view row (LVS_OWNERDRAWFIXED, report view).
#define ODT_LISTVIEW 102

#define LVS_EX_GRIDLINES 0x00000001
#define LVS_EX_SUBITEMIMAGES 0x00000002
#define LVS_EX_CHECKBOXES 0x00000004
#define LVS_EX_TRACKSELECT 0x00000008
#define LVS_EX_HEADERDRAGDROP 0x00000010
#define LVS_EX_FULLROWSELECT 0x00000020
#define LVS_EX_ONECLICKACTIVATE 0x00000040
#define LVS_EX_TWOCLICKACTIVATE 0x00000080
#define LVS_EX_FLATSB 0x00000100
#define LVS_EX_INFOTIP 0x00000400
#define LVS_EX_LABELTIP 0x00004000
#define LVS_EX_BORDERSELECT 0x00008000

// ---- Items and columns ------------------------------------------------------------------------

#define LVIF_TEXT 0x0001
#define LVIF_IMAGE 0x0002
#define LVIF_PARAM 0x0004
#define LVIF_STATE 0x0008
#define LVIF_INDENT 0x0010
#define LVIF_NORECOMPUTE 0x0800
#define LVIF_DI_SETITEM 0x1000

#define LVIS_FOCUSED 0x0001
#define LVIS_SELECTED 0x0002
#define LVIS_CUT 0x0004
#define LVIS_DROPHILITED 0x0008
#define LVIS_ACTIVATING 0x0020
#define LVIS_OVERLAYMASK 0x0F00
#define LVIS_STATEIMAGEMASK 0xF000
// State image 1 is the unchecked box, 2 the checked one (LVS_EX_CHECKBOXES).

#define I_IMAGENONE (-2)

struct LVITEMW {
    UINT mask;
    int iItem;
    int iSubItem;
    UINT state;
    UINT stateMask;
    LPWSTR pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
    int iIndent;
};
using LPLVITEMW = LVITEMW*;
using LVITEM = LVITEMW;
using LPLVITEM = LVITEMW*;
using LV_ITEM = LVITEMW;

#define LVCF_FMT 0x0001
#define LVCF_WIDTH 0x0002
#define LVCF_TEXT 0x0004
#define LVCF_SUBITEM 0x0008
#define LVCF_IMAGE 0x0010
#define LVCF_ORDER 0x0020

#define LVCFMT_LEFT 0x0000
#define LVCFMT_RIGHT 0x0001
#define LVCFMT_CENTER 0x0002
#define LVCFMT_JUSTIFYMASK 0x0003
#define LVCFMT_IMAGE 0x0800
#define LVCFMT_BITMAP_ON_RIGHT 0x1000
#define LVCFMT_COL_HAS_IMAGES 0x8000

struct LVCOLUMNW {
    UINT mask;
    int fmt;
    int cx;
    LPWSTR pszText;
    int cchTextMax;
    int iSubItem;
    int iImage;
    int iOrder;
};
using LPLVCOLUMNW = LVCOLUMNW*;
using LVCOLUMN = LVCOLUMNW;
using LPLVCOLUMN = LVCOLUMNW*;
using LV_COLUMN = LVCOLUMNW;

#define LVSCW_AUTOSIZE (-1)
#define LVSCW_AUTOSIZE_USEHEADER (-2)

#define LVSIL_NORMAL 0
#define LVSIL_SMALL 1
#define LVSIL_STATE 2

#define LVNI_ALL 0x0000
#define LVNI_FOCUSED 0x0001
#define LVNI_SELECTED 0x0002
#define LVNI_CUT 0x0004
#define LVNI_DROPHILITED 0x0008
#define LVNI_ABOVE 0x0100
#define LVNI_BELOW 0x0200
#define LVNI_TOLEFT 0x0400
#define LVNI_TORIGHT 0x0800

#define LVFI_PARAM 0x0001
#define LVFI_STRING 0x0002
#define LVFI_PARTIAL 0x0008
#define LVFI_WRAP 0x0020
#define LVFI_NEARESTXY 0x0040

struct LVFINDINFOW {
    UINT flags;
    LPCWSTR psz;
    LPARAM lParam;
    POINT pt;
    UINT vkDirection;
};
using LPLVFINDINFOW = LVFINDINFOW*;
using LVFINDINFO = LVFINDINFOW;
using LV_FINDINFO = LVFINDINFOW;

// LVHT_ABOVE shares its value with LVHT_ONITEMSTATEICON, as in the device SDK.
#define LVHT_NOWHERE 0x0001
#define LVHT_ONITEMICON 0x0002
#define LVHT_ONITEMLABEL 0x0004
#define LVHT_ONITEMSTATEICON 0x0008
#define LVHT_ONITEM (LVHT_ONITEMICON | LVHT_ONITEMLABEL | LVHT_ONITEMSTATEICON)
#define LVHT_ABOVE 0x0008
#define LVHT_BELOW 0x0010
#define LVHT_TORIGHT 0x0020
#define LVHT_TOLEFT 0x0040

struct LVHITTESTINFO {
    POINT pt;
    UINT flags;
    int iItem;
    int iSubItem;
};
using LPLVHITTESTINFO = LVHITTESTINFO*;
using LV_HITTESTINFO = LVHITTESTINFO;

#define LVIR_BOUNDS 0
#define LVIR_ICON 1
#define LVIR_LABEL 2
#define LVIR_SELECTBOUNDS 3

#define LVSICF_NOINVALIDATEALL 0x00000001
#define LVSICF_NOSCROLL 0x00000002

// Compares two items by their lParam values (LVM_SORTITEMS) or indexes (LVM_SORTITEMSEX):
// negative when the first goes before the second.
using PFNLVCOMPARE = int (*)(LPARAM, LPARAM, LPARAM);

// ---- Messages ---------------------------------------------------------------------------------

#define LVM_FIRST 0x1000
#define LVM_GETBKCOLOR (LVM_FIRST + 0)
#define LVM_SETBKCOLOR (LVM_FIRST + 1)
#define LVM_GETIMAGELIST (LVM_FIRST + 2)
#define LVM_SETIMAGELIST (LVM_FIRST + 3)
#define LVM_GETITEMCOUNT (LVM_FIRST + 4)
#define LVM_DELETEITEM (LVM_FIRST + 8)
#define LVM_DELETEALLITEMS (LVM_FIRST + 9)
#define LVM_GETCALLBACKMASK (LVM_FIRST + 10)
#define LVM_SETCALLBACKMASK (LVM_FIRST + 11)
#define LVM_GETNEXTITEM (LVM_FIRST + 12)
#define LVM_GETITEMRECT (LVM_FIRST + 14)
#define LVM_HITTEST (LVM_FIRST + 18)
#define LVM_ENSUREVISIBLE (LVM_FIRST + 19)
#define LVM_SCROLL (LVM_FIRST + 20)
#define LVM_REDRAWITEMS (LVM_FIRST + 21)
#define LVM_DELETECOLUMN (LVM_FIRST + 28)
#define LVM_GETCOLUMNWIDTH (LVM_FIRST + 29)
#define LVM_SETCOLUMNWIDTH (LVM_FIRST + 30)
#define LVM_GETHEADER (LVM_FIRST + 31)
#define LVM_GETVIEWRECT (LVM_FIRST + 34)
#define LVM_GETTEXTCOLOR (LVM_FIRST + 35)
#define LVM_SETTEXTCOLOR (LVM_FIRST + 36)
#define LVM_GETTEXTBKCOLOR (LVM_FIRST + 37)
#define LVM_SETTEXTBKCOLOR (LVM_FIRST + 38)
#define LVM_GETTOPINDEX (LVM_FIRST + 39)
#define LVM_GETCOUNTPERPAGE (LVM_FIRST + 40)
#define LVM_GETORIGIN (LVM_FIRST + 41)
#define LVM_UPDATE (LVM_FIRST + 42)
#define LVM_SETITEMSTATE (LVM_FIRST + 43)
#define LVM_GETITEMSTATE (LVM_FIRST + 44)
#define LVM_SETITEMCOUNT (LVM_FIRST + 47)
#define LVM_SORTITEMS (LVM_FIRST + 48)
#define LVM_GETSELECTEDCOUNT (LVM_FIRST + 50)
#define LVM_SETEXTENDEDLISTVIEWSTYLE (LVM_FIRST + 54)
#define LVM_GETEXTENDEDLISTVIEWSTYLE (LVM_FIRST + 55)
#define LVM_GETSUBITEMRECT (LVM_FIRST + 56)
#define LVM_SUBITEMHITTEST (LVM_FIRST + 57)
#define LVM_SETCOLUMNORDERARRAY (LVM_FIRST + 58)
#define LVM_GETCOLUMNORDERARRAY (LVM_FIRST + 59)
#define LVM_APPROXIMATEVIEWRECT (LVM_FIRST + 64)
#define LVM_GETSELECTIONMARK (LVM_FIRST + 66)
#define LVM_SETSELECTIONMARK (LVM_FIRST + 67)
#define LVM_GETITEMW (LVM_FIRST + 75)
#define LVM_SETITEMW (LVM_FIRST + 76)
#define LVM_INSERTITEMW (LVM_FIRST + 77)
#define LVM_SORTITEMSEX (LVM_FIRST + 81)
#define LVM_FINDITEMW (LVM_FIRST + 83)
#define LVM_GETSTRINGWIDTHW (LVM_FIRST + 87)
#define LVM_GETCOLUMNW (LVM_FIRST + 95)
#define LVM_SETCOLUMNW (LVM_FIRST + 96)
#define LVM_INSERTCOLUMNW (LVM_FIRST + 97)
#define LVM_GETITEMTEXTW (LVM_FIRST + 115)
#define LVM_SETITEMTEXTW (LVM_FIRST + 116)
#define LVM_GETITEM LVM_GETITEMW
#define LVM_SETITEM LVM_SETITEMW
#define LVM_INSERTITEM LVM_INSERTITEMW
#define LVM_FINDITEM LVM_FINDITEMW
#define LVM_GETSTRINGWIDTH LVM_GETSTRINGWIDTHW
#define LVM_GETCOLUMN LVM_GETCOLUMNW
#define LVM_SETCOLUMN LVM_SETCOLUMNW
#define LVM_INSERTCOLUMN LVM_INSERTCOLUMNW
#define LVM_GETITEMTEXT LVM_GETITEMTEXTW
#define LVM_SETITEMTEXT LVM_SETITEMTEXTW

// ---- Notifications ----------------------------------------------------------------------------

#define LVN_ITEMCHANGING (LVN_FIRST - 0)
#define LVN_ITEMCHANGED (LVN_FIRST - 1)
#define LVN_INSERTITEM (LVN_FIRST - 2)
#define LVN_DELETEITEM (LVN_FIRST - 3)
#define LVN_DELETEALLITEMS (LVN_FIRST - 4)
#define LVN_COLUMNCLICK (LVN_FIRST - 8)
#define LVN_BEGINDRAG (LVN_FIRST - 9)
#define LVN_ODCACHEHINT (LVN_FIRST - 13)
#define LVN_ITEMACTIVATE (LVN_FIRST - 14)
#define LVN_ODSTATECHANGED (LVN_FIRST - 15)
#define LVN_KEYDOWN (LVN_FIRST - 55)
#define LVN_BEGINLABELEDITW (LVN_FIRST - 75)
#define LVN_ENDLABELEDITW (LVN_FIRST - 76)
#define LVN_GETDISPINFOW (LVN_FIRST - 77)
#define LVN_SETDISPINFOW (LVN_FIRST - 78)
#define LVN_ODFINDITEMW (LVN_FIRST - 79)
#define LVN_GETDISPINFO LVN_GETDISPINFOW
#define LVN_SETDISPINFO LVN_SETDISPINFOW
#define LVN_ODFINDITEM LVN_ODFINDITEMW
#define LVN_BEGINLABELEDIT LVN_BEGINLABELEDITW
#define LVN_ENDLABELEDIT LVN_ENDLABELEDITW

struct NMLISTVIEW {
    NMHDR hdr;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    UINT uChanged;
    POINT ptAction;
    LPARAM lParam;
};
using LPNMLISTVIEW = NMLISTVIEW*;
using NM_LISTVIEW = NMLISTVIEW;

#define LVKF_ALT 0x0001
#define LVKF_CONTROL 0x0002
#define LVKF_SHIFT 0x0004

// NM_CLICK, NM_DBLCLK and LVN_ITEMACTIVATE.
struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    UINT uChanged;
    POINT ptAction;
    LPARAM lParam;
    UINT uKeyFlags;
};
using LPNMITEMACTIVATE = NMITEMACTIVATE*;

struct NMLVKEYDOWN {
    NMHDR hdr;
    WORD wVKey;
    UINT flags;
};
using LPNMLVKEYDOWN = NMLVKEYDOWN*;
using LV_KEYDOWN = NMLVKEYDOWN;

// The parent fills item.pszText's buffer (cchTextMax characters) or points pszText at its own
// text; with LVIF_DI_SETITEM the list keeps the answer.
struct NMLVDISPINFOW {
    NMHDR hdr;
    LVITEMW item;
};
using LPNMLVDISPINFOW = NMLVDISPINFOW*;
using NMLVDISPINFO = NMLVDISPINFOW;
using LV_DISPINFO = NMLVDISPINFOW;

struct NMLVCACHEHINT {
    NMHDR hdr;
    int iFrom;
    int iTo;
};
using LPNMLVCACHEHINT = NMLVCACHEHINT*;

// Owner-data lists ask their parent to find an item: the answer is its index or -1.
struct NMLVFINDITEMW {
    NMHDR hdr;
    int iStart;
    LVFINDINFOW lvfi;
};
using LPNMLVFINDITEMW = NMLVFINDITEMW*;
using NMLVFINDITEM = NMLVFINDITEMW;

struct NMLVCUSTOMDRAW {
    NMCUSTOMDRAW nmcd;
    COLORREF clrText;
    COLORREF clrTextBk;
    int iSubItem;
};
using LPNMLVCUSTOMDRAW = NMLVCUSTOMDRAW*;

// ---- Message helpers --------------------------------------------------------------------------
// The SDK's ListView_* macros, as inline functions so that a caller may ignore their results.

inline COLORREF ListView_GetBkColor(HWND hwnd)
{
    return static_cast<COLORREF>(SendMessageW(hwnd, LVM_GETBKCOLOR, 0, 0));
}
inline BOOL ListView_SetBkColor(HWND hwnd, COLORREF clrBk)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(clrBk)));
}
inline COLORREF ListView_GetTextColor(HWND hwnd)
{
    return static_cast<COLORREF>(SendMessageW(hwnd, LVM_GETTEXTCOLOR, 0, 0));
}
inline BOOL ListView_SetTextColor(HWND hwnd, COLORREF clr)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(clr)));
}
inline COLORREF ListView_GetTextBkColor(HWND hwnd)
{
    return static_cast<COLORREF>(SendMessageW(hwnd, LVM_GETTEXTBKCOLOR, 0, 0));
}
inline BOOL ListView_SetTextBkColor(HWND hwnd, COLORREF clr)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(clr)));
}
inline HIMAGELIST ListView_GetImageList(HWND hwnd, int iImageList)
{
    return reinterpret_cast<HIMAGELIST>(SendMessageW(hwnd, LVM_GETIMAGELIST, static_cast<WPARAM>(iImageList), 0));
}
inline HIMAGELIST ListView_SetImageList(HWND hwnd, HIMAGELIST himl, int iImageList)
{
    return reinterpret_cast<HIMAGELIST>(
        SendMessageW(hwnd, LVM_SETIMAGELIST, static_cast<WPARAM>(iImageList), reinterpret_cast<LPARAM>(himl)));
}
inline int ListView_GetItemCount(HWND hwnd)
{
    return static_cast<int>(SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0));
}
inline BOOL ListView_GetItem(HWND hwnd, LVITEMW* pitem)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(pitem)));
}
inline BOOL ListView_SetItem(HWND hwnd, const LVITEMW* pitem)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(pitem)));
}
inline int ListView_InsertItem(HWND hwnd, const LVITEMW* pitem)
{
    return static_cast<int>(SendMessageW(hwnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(pitem)));
}
inline BOOL ListView_DeleteItem(HWND hwnd, int i)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_DELETEITEM, static_cast<WPARAM>(i), 0));
}
inline BOOL ListView_DeleteAllItems(HWND hwnd)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_DELETEALLITEMS, 0, 0));
}
inline UINT ListView_GetCallbackMask(HWND hwnd)
{
    return static_cast<UINT>(SendMessageW(hwnd, LVM_GETCALLBACKMASK, 0, 0));
}
inline BOOL ListView_SetCallbackMask(HWND hwnd, UINT mask)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_SETCALLBACKMASK, mask, 0));
}
inline int ListView_GetNextItem(HWND hwnd, int i, UINT flags)
{
    return static_cast<int>(SendMessageW(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(i), MAKELPARAM(flags, 0)));
}
inline int ListView_FindItem(HWND hwnd, int iStart, const LVFINDINFOW* plvfi)
{
    return static_cast<int>(
        SendMessageW(hwnd, LVM_FINDITEMW, static_cast<WPARAM>(iStart), reinterpret_cast<LPARAM>(plvfi)));
}
// LVM_GETITEMRECT takes the LVIR_* code in prc->left.
inline BOOL ListView_GetItemRect(HWND hwnd, int i, RECT* prc, int code)
{
    if (prc)
        prc->left = code;
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(prc)));
}
// LVM_GETSUBITEMRECT takes the sub-item in prc->top and the LVIR_* code in prc->left.
inline BOOL ListView_GetSubItemRect(HWND hwnd, int iItem, int iSubItem, int code, RECT* prc)
{
    if (prc) {
        prc->top = iSubItem;
        prc->left = code;
    }
    return static_cast<BOOL>(
        SendMessageW(hwnd, LVM_GETSUBITEMRECT, static_cast<WPARAM>(iItem), reinterpret_cast<LPARAM>(prc)));
}
inline int ListView_HitTest(HWND hwnd, LVHITTESTINFO* pinfo)
{
    return static_cast<int>(SendMessageW(hwnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(pinfo)));
}
inline int ListView_SubItemHitTest(HWND hwnd, LVHITTESTINFO* plvhti)
{
    return static_cast<int>(SendMessageW(hwnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(plvhti)));
}
inline BOOL ListView_EnsureVisible(HWND hwnd, int i, BOOL fPartialOK)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(i), MAKELPARAM(fPartialOK, 0)));
}
inline BOOL ListView_Scroll(HWND hwnd, int dx, int dy)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_SCROLL, static_cast<WPARAM>(dx), dy));
}
inline BOOL ListView_RedrawItems(HWND hwnd, int iFirst, int iLast)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_REDRAWITEMS, static_cast<WPARAM>(iFirst), iLast));
}
inline BOOL ListView_Update(HWND hwnd, int i)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_UPDATE, static_cast<WPARAM>(i), 0));
}
inline BOOL ListView_GetColumn(HWND hwnd, int iCol, LVCOLUMNW* pcol)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_GETCOLUMNW, static_cast<WPARAM>(iCol), reinterpret_cast<LPARAM>(pcol)));
}
inline BOOL ListView_SetColumn(HWND hwnd, int iCol, const LVCOLUMNW* pcol)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_SETCOLUMNW, static_cast<WPARAM>(iCol), reinterpret_cast<LPARAM>(pcol)));
}
inline int ListView_InsertColumn(HWND hwnd, int iCol, const LVCOLUMNW* pcol)
{
    return static_cast<int>(
        SendMessageW(hwnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(iCol), reinterpret_cast<LPARAM>(pcol)));
}
inline BOOL ListView_DeleteColumn(HWND hwnd, int iCol)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_DELETECOLUMN, static_cast<WPARAM>(iCol), 0));
}
inline int ListView_GetColumnWidth(HWND hwnd, int iCol)
{
    return static_cast<int>(SendMessageW(hwnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(iCol), 0));
}
inline BOOL ListView_SetColumnWidth(HWND hwnd, int iCol, int cx)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(iCol), MAKELPARAM(cx, 0)));
}
inline HWND ListView_GetHeader(HWND hwnd)
{
    return reinterpret_cast<HWND>(SendMessageW(hwnd, LVM_GETHEADER, 0, 0));
}
inline int ListView_GetTopIndex(HWND hwnd)
{
    return static_cast<int>(SendMessageW(hwnd, LVM_GETTOPINDEX, 0, 0));
}
inline int ListView_GetCountPerPage(HWND hwnd)
{
    return static_cast<int>(SendMessageW(hwnd, LVM_GETCOUNTPERPAGE, 0, 0));
}
inline BOOL ListView_SetItemState(HWND hwnd, int i, UINT data, UINT mask)
{
    LVITEMW item {};
    item.stateMask = mask;
    item.state = data;
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)));
}
inline UINT ListView_GetItemState(HWND hwnd, int i, UINT mask)
{
    return static_cast<UINT>(SendMessageW(hwnd, LVM_GETITEMSTATE, static_cast<WPARAM>(i), mask));
}
// 1 when checked, 0 when not, -1 (as UINT) without a check box.
inline UINT ListView_GetCheckState(HWND hwnd, int i)
{
    return (ListView_GetItemState(hwnd, i, LVIS_STATEIMAGEMASK) >> 12) - 1;
}
inline BOOL ListView_SetCheckState(HWND hwnd, int i, BOOL fCheck)
{
    return ListView_SetItemState(hwnd, i, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
}
inline int ListView_GetItemText(HWND hwnd, int i, int iSubItem, LPWSTR pszText, int cchTextMax)
{
    LVITEMW item {};
    item.iSubItem = iSubItem;
    item.cchTextMax = cchTextMax;
    item.pszText = pszText;
    return static_cast<int>(SendMessageW(hwnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)));
}
inline BOOL ListView_SetItemText(HWND hwnd, int i, int iSubItem, LPCWSTR pszText)
{
    LVITEMW item {};
    item.iSubItem = iSubItem;
    item.pszText = const_cast<LPWSTR>(pszText);
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)));
}
inline BOOL ListView_SetItemCount(HWND hwnd, int cItems)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_SETITEMCOUNT, static_cast<WPARAM>(cItems), 0));
}
inline BOOL ListView_SetItemCountEx(HWND hwnd, int cItems, DWORD dwFlags)
{
    return static_cast<BOOL>(SendMessageW(hwnd, LVM_SETITEMCOUNT, static_cast<WPARAM>(cItems), dwFlags));
}
inline BOOL ListView_SortItems(HWND hwnd, PFNLVCOMPARE pfnCompare, LPARAM lPrm)
{
    return static_cast<BOOL>(
        SendMessageW(hwnd, LVM_SORTITEMS, static_cast<WPARAM>(lPrm), reinterpret_cast<LPARAM>(pfnCompare)));
}
inline BOOL ListView_SortItemsEx(HWND hwnd, PFNLVCOMPARE pfnCompare, LPARAM lPrm)
{
    return static_cast<BOOL>(
        SendMessageW(hwnd, LVM_SORTITEMSEX, static_cast<WPARAM>(lPrm), reinterpret_cast<LPARAM>(pfnCompare)));
}
inline UINT ListView_GetSelectedCount(HWND hwnd)
{
    return static_cast<UINT>(SendMessageW(hwnd, LVM_GETSELECTEDCOUNT, 0, 0));
}
inline DWORD ListView_SetExtendedListViewStyleEx(HWND hwnd, DWORD dwMask, DWORD dw)
{
    return static_cast<DWORD>(SendMessageW(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, dwMask, dw));
}
inline DWORD ListView_SetExtendedListViewStyle(HWND hwnd, DWORD dw)
{
    return ListView_SetExtendedListViewStyleEx(hwnd, 0, dw);
}
inline DWORD ListView_GetExtendedListViewStyle(HWND hwnd)
{
    return static_cast<DWORD>(SendMessageW(hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}
inline BOOL ListView_SetColumnOrderArray(HWND hwnd, int iCount, const int* pi)
{
    return static_cast<BOOL>(
        SendMessageW(hwnd, LVM_SETCOLUMNORDERARRAY, static_cast<WPARAM>(iCount), reinterpret_cast<LPARAM>(pi)));
}
inline BOOL ListView_GetColumnOrderArray(HWND hwnd, int iCount, int* pi)
{
    return static_cast<BOOL>(
        SendMessageW(hwnd, LVM_GETCOLUMNORDERARRAY, static_cast<WPARAM>(iCount), reinterpret_cast<LPARAM>(pi)));
}
// MAKELONG(width, height) of the rows of iCount items (-1: all of them).
inline DWORD ListView_ApproximateViewRect(HWND hwnd, int iWidth, int iHeight, int iCount)
{
    return static_cast<DWORD>(
        SendMessageW(hwnd, LVM_APPROXIMATEVIEWRECT, static_cast<WPARAM>(iCount), MAKELPARAM(iWidth, iHeight)));
}
inline int ListView_GetSelectionMark(HWND hwnd)
{
    return static_cast<int>(SendMessageW(hwnd, LVM_GETSELECTIONMARK, 0, 0));
}
inline int ListView_SetSelectionMark(HWND hwnd, int i)
{
    return static_cast<int>(SendMessageW(hwnd, LVM_SETSELECTIONMARK, 0, i));
}
inline int ListView_GetStringWidth(HWND hwnd, LPCWSTR psz)
{
    return static_cast<int>(SendMessageW(hwnd, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(psz)));
}
