// The tree view control (SysTreeView32): styles, items, messages, notifications and the
// TreeView_* helpers. Included by commctrl.h.
#pragma once

#define WC_TREEVIEWW u"SysTreeView32"
#define WC_TREEVIEW WC_TREEVIEWW

// ---- Styles -----------------------------------------------------------------------------------

#define TVS_HASBUTTONS 0x0001
#define TVS_HASLINES 0x0002
#define TVS_LINESATROOT 0x0004
#define TVS_EDITLABELS 0x0008
#define TVS_DISABLEDRAGDROP 0x0010
#define TVS_SHOWSELALWAYS 0x0020
#define TVS_RTLREADING 0x0040
#define TVS_NOTOOLTIPS 0x0080
#define TVS_CHECKBOXES 0x0100
#define TVS_TRACKSELECT 0x0200
#define TVS_SINGLEEXPAND 0x0400
#define TVS_INFOTIP 0x0800
#define TVS_FULLROWSELECT 0x1000
#define TVS_NOSCROLL 0x2000
#define TVS_NONEVENHEIGHT 0x4000

// ---- Items ------------------------------------------------------------------------------------

struct _TREEITEM;
using HTREEITEM = _TREEITEM*;

#define TVI_ROOT (reinterpret_cast<HTREEITEM>(static_cast<LONG_PTR>(-0x10000)))
#define TVI_FIRST (reinterpret_cast<HTREEITEM>(static_cast<LONG_PTR>(-0x0FFFF)))
#define TVI_LAST (reinterpret_cast<HTREEITEM>(static_cast<LONG_PTR>(-0x0FFFE)))
#define TVI_SORT (reinterpret_cast<HTREEITEM>(static_cast<LONG_PTR>(-0x0FFFD)))

#define TVIF_TEXT 0x0001
#define TVIF_IMAGE 0x0002
#define TVIF_PARAM 0x0004
#define TVIF_STATE 0x0008
#define TVIF_HANDLE 0x0010
#define TVIF_SELECTEDIMAGE 0x0020
#define TVIF_CHILDREN 0x0040
#define TVIF_INTEGRAL 0x0080
#define TVIF_DI_SETITEM 0x1000 // in TVN_GETDISPINFO: keep the answer, ask no more

#define TVIS_SELECTED 0x0002
#define TVIS_CUT 0x0004
#define TVIS_DROPHILITED 0x0008
#define TVIS_BOLD 0x0010
#define TVIS_EXPANDED 0x0020
#define TVIS_EXPANDEDONCE 0x0040
#define TVIS_EXPANDPARTIAL 0x0080
#define TVIS_OVERLAYMASK 0x0F00
#define TVIS_STATEIMAGEMASK 0xF000
#define TVIS_USERMASK 0xF000

#define I_CHILDRENCALLBACK (-1)

struct TVITEMW {
    UINT mask;
    HTREEITEM hItem;
    UINT state;
    UINT stateMask;
    LPWSTR pszText; // LPSTR_TEXTCALLBACKW: asked from the parent with TVN_GETDISPINFOW
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren; // 0, 1 or I_CHILDRENCALLBACK
    LPARAM lParam;
};
using LPTVITEMW = TVITEMW*;
using TVITEM = TVITEMW;
using LPTVITEM = LPTVITEMW;
using TV_ITEMW = TVITEMW;
using TV_ITEM = TVITEMW;

struct TVITEMEXW {
    UINT mask;
    HTREEITEM hItem;
    UINT state;
    UINT stateMask;
    LPWSTR pszText;
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren;
    LPARAM lParam;
    int iIntegral; // rows are one item high: kept out
};
using TVITEMEX = TVITEMEXW;

struct TVINSERTSTRUCTW {
    HTREEITEM hParent; // TVI_ROOT (or null) for a top-level item
    HTREEITEM hInsertAfter; // TVI_FIRST, TVI_LAST, TVI_SORT or a child of hParent
    union {
        TVITEMEXW itemex;
        TVITEMW item;
    };
};
using LPTVINSERTSTRUCTW = TVINSERTSTRUCTW*;
using TVINSERTSTRUCT = TVINSERTSTRUCTW;
using LPTVINSERTSTRUCT = LPTVINSERTSTRUCTW;
using TV_INSERTSTRUCT = TVINSERTSTRUCTW;

// ---- Messages ---------------------------------------------------------------------------------

#define TV_FIRST 0x1100
#define TVM_INSERTITEMW (TV_FIRST + 50)
#define TVM_DELETEITEM (TV_FIRST + 1)
#define TVM_EXPAND (TV_FIRST + 2)
#define TVM_GETITEMRECT (TV_FIRST + 4)
#define TVM_GETCOUNT (TV_FIRST + 5)
#define TVM_GETINDENT (TV_FIRST + 6)
#define TVM_SETINDENT (TV_FIRST + 7)
#define TVM_GETIMAGELIST (TV_FIRST + 8)
#define TVM_SETIMAGELIST (TV_FIRST + 9)
#define TVM_GETNEXTITEM (TV_FIRST + 10)
#define TVM_SELECTITEM (TV_FIRST + 11)
#define TVM_GETITEMW (TV_FIRST + 62)
#define TVM_SETITEMW (TV_FIRST + 63)
#define TVM_GETVISIBLECOUNT (TV_FIRST + 16)
#define TVM_HITTEST (TV_FIRST + 17)
#define TVM_SORTCHILDREN (TV_FIRST + 19)
#define TVM_ENSUREVISIBLE (TV_FIRST + 20)
#define TVM_SORTCHILDRENCB (TV_FIRST + 21)
#define TVM_GETISEARCHSTRINGW (TV_FIRST + 64)
#define TVM_SETITEMHEIGHT (TV_FIRST + 27)
#define TVM_GETITEMHEIGHT (TV_FIRST + 28)
#define TVM_SETBKCOLOR (TV_FIRST + 29)
#define TVM_SETTEXTCOLOR (TV_FIRST + 30)
#define TVM_GETBKCOLOR (TV_FIRST + 31)
#define TVM_GETTEXTCOLOR (TV_FIRST + 32)
#define TVM_SETSCROLLTIME (TV_FIRST + 33)
#define TVM_GETSCROLLTIME (TV_FIRST + 34)
#define TVM_GETITEMSTATE (TV_FIRST + 39)
#define TVM_INSERTITEM TVM_INSERTITEMW
#define TVM_GETITEM TVM_GETITEMW
#define TVM_SETITEM TVM_SETITEMW
#define TVM_GETISEARCHSTRING TVM_GETISEARCHSTRINGW

// TVM_EXPAND actions (and the action of TVN_ITEMEXPANDING/TVN_ITEMEXPANDED).
#define TVE_COLLAPSE 0x0001
#define TVE_EXPAND 0x0002
#define TVE_TOGGLE 0x0003
#define TVE_EXPANDPARTIAL 0x4000
#define TVE_COLLAPSERESET 0x8000

// TVM_GETNEXTITEM and TVM_SELECTITEM.
#define TVGN_ROOT 0x0000
#define TVGN_NEXT 0x0001
#define TVGN_PREVIOUS 0x0002
#define TVGN_PARENT 0x0003
#define TVGN_CHILD 0x0004
#define TVGN_FIRSTVISIBLE 0x0005
#define TVGN_NEXTVISIBLE 0x0006
#define TVGN_PREVIOUSVISIBLE 0x0007
#define TVGN_DROPHILITE 0x0008
#define TVGN_CARET 0x0009
#define TVGN_LASTVISIBLE 0x000A

// TVM_SETIMAGELIST / TVM_GETIMAGELIST.
#define TVSIL_NORMAL 0
#define TVSIL_STATE 2

struct TVHITTESTINFO {
    POINT pt; // client coordinates
    UINT flags; // TVHT_*
    HTREEITEM hItem;
};
using LPTVHITTESTINFO = TVHITTESTINFO*;
using TV_HITTESTINFO = TVHITTESTINFO;

#define TVHT_NOWHERE 0x0001
#define TVHT_ONITEMICON 0x0002
#define TVHT_ONITEMLABEL 0x0004
#define TVHT_ONITEMINDENT 0x0008
#define TVHT_ONITEMBUTTON 0x0010
#define TVHT_ONITEMRIGHT 0x0020
#define TVHT_ONITEMSTATEICON 0x0040
#define TVHT_ONITEM (TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON)
#define TVHT_ABOVE 0x0100
#define TVHT_BELOW 0x0200
#define TVHT_TORIGHT 0x0400
#define TVHT_TOLEFT 0x0800

using PFNTVCOMPARE = int (*)(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

struct TVSORTCB {
    HTREEITEM hParent; // TVI_ROOT (or null) for the top-level items
    PFNTVCOMPARE lpfnCompare; // negative, 0 or positive on the two items' lParam
    LPARAM lParam;
};
using LPTVSORTCB = TVSORTCB*;
using TV_SORTCB = TVSORTCB;

// ---- Notifications ----------------------------------------------------------------------------

#define TVN_SELCHANGINGW (TVN_FIRST - 50)
#define TVN_SELCHANGEDW (TVN_FIRST - 51)
#define TVN_GETDISPINFOW (TVN_FIRST - 52)
#define TVN_ITEMEXPANDINGW (TVN_FIRST - 54)
#define TVN_ITEMEXPANDEDW (TVN_FIRST - 55)
#define TVN_DELETEITEMW (TVN_FIRST - 58)
#define TVN_KEYDOWN (TVN_FIRST - 12)
#define TVN_SELCHANGING TVN_SELCHANGINGW
#define TVN_SELCHANGED TVN_SELCHANGEDW
#define TVN_GETDISPINFO TVN_GETDISPINFOW
#define TVN_ITEMEXPANDING TVN_ITEMEXPANDINGW
#define TVN_ITEMEXPANDED TVN_ITEMEXPANDEDW
#define TVN_DELETEITEM TVN_DELETEITEMW

// What caused a selection change (NMTREEVIEWW::action of TVN_SELCHANGING/TVN_SELCHANGED).
#define TVC_UNKNOWN 0x0000
#define TVC_BYMOUSE 0x0001
#define TVC_BYKEYBOARD 0x0002

struct NMTREEVIEWW {
    NMHDR hdr;
    UINT action; // TVC_* for selection, TVE_* for expansion
    TVITEMW itemOld;
    TVITEMW itemNew;
    POINT ptDrag;
};
using LPNMTREEVIEWW = NMTREEVIEWW*;
using NMTREEVIEW = NMTREEVIEWW;
using LPNMTREEVIEW = LPNMTREEVIEWW;
using NM_TREEVIEW = NMTREEVIEWW;

struct NMTVDISPINFOW {
    NMHDR hdr;
    TVITEMW item;
};
using LPNMTVDISPINFOW = NMTVDISPINFOW*;
using NMTVDISPINFO = NMTVDISPINFOW;
using TV_DISPINFO = NMTVDISPINFOW;

struct NMTVKEYDOWN {
    NMHDR hdr;
    WORD wVKey;
    UINT flags;
};
using LPNMTVKEYDOWN = NMTVKEYDOWN*;
using TV_KEYDOWN = NMTVKEYDOWN;

struct NMTVCUSTOMDRAW {
    NMCUSTOMDRAW nmcd; // dwItemSpec is the HTREEITEM of an item stage
    COLORREF clrText;
    COLORREF clrTextBk;
    int iLevel; // 0 for a top-level item
};
using LPNMTVCUSTOMDRAW = NMTVCUSTOMDRAW*;

// ---- TreeView_* helpers -----------------------------------------------------------------------
// The SDK's helpers, as inline functions over SendMessageW.

inline HTREEITEM TreeView_InsertItem(HWND hwnd, const TVINSERTSTRUCTW* lpis)
{
    return reinterpret_cast<HTREEITEM>(SendMessageW(hwnd, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(lpis)));
}
inline BOOL TreeView_DeleteItem(HWND hwnd, HTREEITEM hitem)
{
    return static_cast<BOOL>(SendMessageW(hwnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(hitem)));
}
inline BOOL TreeView_DeleteAllItems(HWND hwnd)
{
    return TreeView_DeleteItem(hwnd, TVI_ROOT);
}
inline BOOL TreeView_Expand(HWND hwnd, HTREEITEM hitem, UINT code)
{
    return static_cast<BOOL>(SendMessageW(hwnd, TVM_EXPAND, code, reinterpret_cast<LPARAM>(hitem)));
}
// The item's rectangle: the label's with fItemRect TRUE, else the whole row's.
inline BOOL TreeView_GetItemRect(HWND hwnd, HTREEITEM hitem, LPRECT prc, BOOL fItemRect)
{
    if (prc)
        *reinterpret_cast<HTREEITEM*>(prc) = hitem;
    return static_cast<BOOL>(SendMessageW(hwnd, TVM_GETITEMRECT, fItemRect, reinterpret_cast<LPARAM>(prc)));
}
inline UINT TreeView_GetCount(HWND hwnd)
{
    return static_cast<UINT>(SendMessageW(hwnd, TVM_GETCOUNT, 0, 0));
}
inline UINT TreeView_GetIndent(HWND hwnd)
{
    return static_cast<UINT>(SendMessageW(hwnd, TVM_GETINDENT, 0, 0));
}
inline BOOL TreeView_SetIndent(HWND hwnd, INT indent)
{
    return static_cast<BOOL>(SendMessageW(hwnd, TVM_SETINDENT, static_cast<WPARAM>(indent), 0));
}
inline HIMAGELIST TreeView_GetImageList(HWND hwnd, INT iImage)
{
    return reinterpret_cast<HIMAGELIST>(SendMessageW(hwnd, TVM_GETIMAGELIST, static_cast<WPARAM>(iImage), 0));
}
inline HIMAGELIST TreeView_SetImageList(HWND hwnd, HIMAGELIST himl, INT iImage)
{
    return reinterpret_cast<HIMAGELIST>(
        SendMessageW(hwnd, TVM_SETIMAGELIST, static_cast<WPARAM>(iImage), reinterpret_cast<LPARAM>(himl)));
}
inline HTREEITEM TreeView_GetNextItem(HWND hwnd, HTREEITEM hitem, UINT code)
{
    return reinterpret_cast<HTREEITEM>(SendMessageW(hwnd, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(hitem)));
}
inline HTREEITEM TreeView_GetChild(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_GetNextItem(hwnd, hitem, TVGN_CHILD);
}
inline HTREEITEM TreeView_GetNextSibling(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_GetNextItem(hwnd, hitem, TVGN_NEXT);
}
inline HTREEITEM TreeView_GetPrevSibling(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_GetNextItem(hwnd, hitem, TVGN_PREVIOUS);
}
inline HTREEITEM TreeView_GetParent(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_GetNextItem(hwnd, hitem, TVGN_PARENT);
}
inline HTREEITEM TreeView_GetFirstVisible(HWND hwnd)
{
    return TreeView_GetNextItem(hwnd, nullptr, TVGN_FIRSTVISIBLE);
}
inline HTREEITEM TreeView_GetNextVisible(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_GetNextItem(hwnd, hitem, TVGN_NEXTVISIBLE);
}
inline HTREEITEM TreeView_GetPrevVisible(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_GetNextItem(hwnd, hitem, TVGN_PREVIOUSVISIBLE);
}
inline HTREEITEM TreeView_GetSelection(HWND hwnd)
{
    return TreeView_GetNextItem(hwnd, nullptr, TVGN_CARET);
}
inline HTREEITEM TreeView_GetDropHilight(HWND hwnd)
{
    return TreeView_GetNextItem(hwnd, nullptr, TVGN_DROPHILITE);
}
inline HTREEITEM TreeView_GetRoot(HWND hwnd)
{
    return TreeView_GetNextItem(hwnd, nullptr, TVGN_ROOT);
}
inline HTREEITEM TreeView_GetLastVisible(HWND hwnd)
{
    return TreeView_GetNextItem(hwnd, nullptr, TVGN_LASTVISIBLE);
}
inline BOOL TreeView_Select(HWND hwnd, HTREEITEM hitem, UINT code)
{
    return static_cast<BOOL>(SendMessageW(hwnd, TVM_SELECTITEM, code, reinterpret_cast<LPARAM>(hitem)));
}
inline BOOL TreeView_SelectItem(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_Select(hwnd, hitem, TVGN_CARET);
}
inline BOOL TreeView_SelectDropTarget(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_Select(hwnd, hitem, TVGN_DROPHILITE);
}
inline BOOL TreeView_SelectSetFirstVisible(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_Select(hwnd, hitem, TVGN_FIRSTVISIBLE);
}
inline BOOL TreeView_GetItem(HWND hwnd, TVITEMW* pitem)
{
    return static_cast<BOOL>(SendMessageW(hwnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(pitem)));
}
inline BOOL TreeView_SetItem(HWND hwnd, const TVITEMW* pitem)
{
    return static_cast<BOOL>(SendMessageW(hwnd, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(pitem)));
}
inline UINT TreeView_GetVisibleCount(HWND hwnd)
{
    return static_cast<UINT>(SendMessageW(hwnd, TVM_GETVISIBLECOUNT, 0, 0));
}
inline HTREEITEM TreeView_HitTest(HWND hwnd, LPTVHITTESTINFO lpht)
{
    return reinterpret_cast<HTREEITEM>(SendMessageW(hwnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(lpht)));
}
inline BOOL TreeView_SortChildren(HWND hwnd, HTREEITEM hitem, BOOL recurse)
{
    return static_cast<BOOL>(SendMessageW(hwnd, TVM_SORTCHILDREN, recurse, reinterpret_cast<LPARAM>(hitem)));
}
inline BOOL TreeView_EnsureVisible(HWND hwnd, HTREEITEM hitem)
{
    return static_cast<BOOL>(SendMessageW(hwnd, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(hitem)));
}
inline BOOL TreeView_SortChildrenCB(HWND hwnd, const TVSORTCB* psort, BOOL recurse)
{
    return static_cast<BOOL>(SendMessageW(hwnd, TVM_SORTCHILDRENCB, recurse, reinterpret_cast<LPARAM>(psort)));
}
inline BOOL TreeView_GetISearchString(HWND hwnd, LPWSTR lpsz)
{
    return static_cast<BOOL>(SendMessageW(hwnd, TVM_GETISEARCHSTRINGW, 0, reinterpret_cast<LPARAM>(lpsz)));
}
// -1 restores the default height; the previous height is returned.
inline int TreeView_SetItemHeight(HWND hwnd, int iHeight)
{
    return static_cast<int>(SendMessageW(hwnd, TVM_SETITEMHEIGHT, static_cast<WPARAM>(iHeight), 0));
}
inline int TreeView_GetItemHeight(HWND hwnd)
{
    return static_cast<int>(SendMessageW(hwnd, TVM_GETITEMHEIGHT, 0, 0));
}
// Colours: the previous one is returned, CLR_NONE (-1) while the system colour is in use.
inline COLORREF TreeView_SetBkColor(HWND hwnd, COLORREF clr)
{
    return static_cast<COLORREF>(SendMessageW(hwnd, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(clr)));
}
inline COLORREF TreeView_SetTextColor(HWND hwnd, COLORREF clr)
{
    return static_cast<COLORREF>(SendMessageW(hwnd, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(clr)));
}
inline COLORREF TreeView_GetBkColor(HWND hwnd)
{
    return static_cast<COLORREF>(SendMessageW(hwnd, TVM_GETBKCOLOR, 0, 0));
}
inline COLORREF TreeView_GetTextColor(HWND hwnd)
{
    return static_cast<COLORREF>(SendMessageW(hwnd, TVM_GETTEXTCOLOR, 0, 0));
}
inline UINT TreeView_SetScrollTime(HWND hwnd, UINT uTime)
{
    return static_cast<UINT>(SendMessageW(hwnd, TVM_SETSCROLLTIME, uTime, 0));
}
inline UINT TreeView_GetScrollTime(HWND hwnd)
{
    return static_cast<UINT>(SendMessageW(hwnd, TVM_GETSCROLLTIME, 0, 0));
}
inline UINT TreeView_GetItemState(HWND hwnd, HTREEITEM hti, UINT mask)
{
    return static_cast<UINT>(SendMessageW(hwnd, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(hti), mask));
}
inline BOOL TreeView_SetItemState(HWND hwnd, HTREEITEM hti, UINT data, UINT mask)
{
    TVITEMW item {};
    item.mask = TVIF_STATE;
    item.hItem = hti;
    item.stateMask = mask;
    item.state = data;
    return TreeView_SetItem(hwnd, &item);
}
// 0 unchecked, 1 checked (2 for a program's third state image), -1 without a state image.
inline UINT TreeView_GetCheckState(HWND hwnd, HTREEITEM hti)
{
    return (TreeView_GetItemState(hwnd, hti, TVIS_STATEIMAGEMASK) >> 12) - 1;
}
inline BOOL TreeView_SetCheckState(HWND hwnd, HTREEITEM hti, BOOL fCheck)
{
    return TreeView_SetItemState(hwnd, hti, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), TVIS_STATEIMAGEMASK);
}
