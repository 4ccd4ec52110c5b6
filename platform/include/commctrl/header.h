// SysHeader32: the row of column titles above a report list. Items have a width, a title, a
// format and a parameter; a tap on an item of a header with HDS_BUTTONS sends HDN_ITEMCLICKW.
#pragma once

#define WC_HEADERW u"SysHeader32"
#define WC_HEADER WC_HEADERW

#define HDS_HORZ 0x0000
#define HDS_BUTTONS 0x0002
#define HDS_HIDDEN 0x0008
#define HDS_DRAGDROP 0x0040
#define HDS_FULLDRAG 0x0080

#define HDI_WIDTH 0x0001
#define HDI_HEIGHT HDI_WIDTH
#define HDI_TEXT 0x0002
#define HDI_FORMAT 0x0004
#define HDI_LPARAM 0x0008
#define HDI_BITMAP 0x0010
#define HDI_IMAGE 0x0020
#define HDI_ORDER 0x0080

#define HDF_LEFT 0x0000
#define HDF_RIGHT 0x0001
#define HDF_CENTER 0x0002
#define HDF_JUSTIFYMASK 0x0003
#define HDF_IMAGE 0x0800
#define HDF_BITMAP_ON_RIGHT 0x1000
#define HDF_BITMAP 0x2000
#define HDF_STRING 0x4000
#define HDF_OWNERDRAW 0x8000

// DRAWITEMSTRUCT.CtlType of an owner-drawn header item (HDF_OWNERDRAW).
#define ODT_HEADER 100

struct HDITEMW {
    UINT mask;
    int cxy;
    LPWSTR pszText;
    HBITMAP hbm;
    int cchTextMax;
    int fmt;
    LPARAM lParam;
    int iImage;
    int iOrder;
};
using LPHDITEMW = HDITEMW*;
using HDITEM = HDITEMW;
using LPHDITEM = HDITEMW*;
using HD_ITEM = HDITEMW;

struct HDLAYOUT {
    RECT* prc;
    WINDOWPOS* pwpos;
};
using LPHDLAYOUT = HDLAYOUT*;

#define HHT_NOWHERE 0x0001
#define HHT_ONHEADER 0x0002
#define HHT_ONDIVIDER 0x0004
#define HHT_ONDIVOPEN 0x0008
#define HHT_ABOVE 0x0100
#define HHT_BELOW 0x0200
#define HHT_TORIGHT 0x0400
#define HHT_TOLEFT 0x0800

struct HDHITTESTINFO {
    POINT pt;
    UINT flags;
    int iItem;
};
using LPHDHITTESTINFO = HDHITTESTINFO*;

#define HDM_FIRST 0x1200
#define HDM_GETITEMCOUNT (HDM_FIRST + 0)
#define HDM_DELETEITEM (HDM_FIRST + 2)
#define HDM_LAYOUT (HDM_FIRST + 5)
#define HDM_HITTEST (HDM_FIRST + 6)
#define HDM_GETITEMRECT (HDM_FIRST + 7)
#define HDM_SETIMAGELIST (HDM_FIRST + 8)
#define HDM_GETIMAGELIST (HDM_FIRST + 9)
#define HDM_INSERTITEMW (HDM_FIRST + 10)
#define HDM_GETITEMW (HDM_FIRST + 11)
#define HDM_SETITEMW (HDM_FIRST + 12)
#define HDM_ORDERTOINDEX (HDM_FIRST + 15)
#define HDM_GETORDERARRAY (HDM_FIRST + 17)
#define HDM_SETORDERARRAY (HDM_FIRST + 18)
#define HDM_INSERTITEM HDM_INSERTITEMW
#define HDM_GETITEM HDM_GETITEMW
#define HDM_SETITEM HDM_SETITEMW

#define HDN_ITEMCHANGINGW (HDN_FIRST - 20)
#define HDN_ITEMCHANGEDW (HDN_FIRST - 21)
#define HDN_ITEMCLICKW (HDN_FIRST - 22)
#define HDN_ITEMDBLCLICKW (HDN_FIRST - 23)
#define HDN_DIVIDERDBLCLICKW (HDN_FIRST - 25)
#define HDN_BEGINTRACKW (HDN_FIRST - 26)
#define HDN_ENDTRACKW (HDN_FIRST - 27)
#define HDN_TRACKW (HDN_FIRST - 28)
#define HDN_ITEMCHANGING HDN_ITEMCHANGINGW
#define HDN_ITEMCHANGED HDN_ITEMCHANGEDW
#define HDN_ITEMCLICK HDN_ITEMCLICKW
#define HDN_ITEMDBLCLICK HDN_ITEMDBLCLICKW
#define HDN_DIVIDERDBLCLICK HDN_DIVIDERDBLCLICKW
#define HDN_BEGINTRACK HDN_BEGINTRACKW
#define HDN_ENDTRACK HDN_ENDTRACKW
#define HDN_TRACK HDN_TRACKW

// iButton: 0 for the stylus; pitem: the item's values for the changing and tracking codes.
struct NMHEADERW {
    NMHDR hdr;
    int iItem;
    int iButton;
    HDITEMW* pitem;
};
using LPNMHEADERW = NMHEADERW*;
using NMHEADER = NMHEADERW;
using HD_NOTIFY = NMHEADERW;

// The SDK's Header_* macros, as inline functions so that a caller may ignore their results.
inline int Header_GetItemCount(HWND hwndHD)
{
    return static_cast<int>(SendMessageW(hwndHD, HDM_GETITEMCOUNT, 0, 0));
}
inline int Header_InsertItem(HWND hwndHD, int i, const HDITEMW* phdi)
{
    return static_cast<int>(SendMessageW(hwndHD, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(phdi)));
}
inline BOOL Header_DeleteItem(HWND hwndHD, int i)
{
    return static_cast<BOOL>(SendMessageW(hwndHD, HDM_DELETEITEM, static_cast<WPARAM>(i), 0));
}
inline BOOL Header_GetItem(HWND hwndHD, int i, HDITEMW* phdi)
{
    return static_cast<BOOL>(SendMessageW(hwndHD, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(phdi)));
}
inline BOOL Header_SetItem(HWND hwndHD, int i, const HDITEMW* phdi)
{
    return static_cast<BOOL>(SendMessageW(hwndHD, HDM_SETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(phdi)));
}
inline BOOL Header_Layout(HWND hwndHD, HDLAYOUT* playout)
{
    return static_cast<BOOL>(SendMessageW(hwndHD, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(playout)));
}
inline BOOL Header_GetItemRect(HWND hwndHD, int i, RECT* prc)
{
    return static_cast<BOOL>(SendMessageW(hwndHD, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(prc)));
}
inline HIMAGELIST Header_SetImageList(HWND hwndHD, HIMAGELIST himl)
{
    return reinterpret_cast<HIMAGELIST>(SendMessageW(hwndHD, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(himl)));
}
inline HIMAGELIST Header_GetImageList(HWND hwndHD)
{
    return reinterpret_cast<HIMAGELIST>(SendMessageW(hwndHD, HDM_GETIMAGELIST, 0, 0));
}
inline int Header_OrderToIndex(HWND hwndHD, int i)
{
    return static_cast<int>(SendMessageW(hwndHD, HDM_ORDERTOINDEX, static_cast<WPARAM>(i), 0));
}
inline BOOL Header_GetOrderArray(HWND hwndHD, int iCount, int* lpi)
{
    return static_cast<BOOL>(
        SendMessageW(hwndHD, HDM_GETORDERARRAY, static_cast<WPARAM>(iCount), reinterpret_cast<LPARAM>(lpi)));
}
inline BOOL Header_SetOrderArray(HWND hwndHD, int iCount, const int* lpi)
{
    return static_cast<BOOL>(
        SendMessageW(hwndHD, HDM_SETORDERARRAY, static_cast<WPARAM>(iCount), reinterpret_cast<LPARAM>(lpi)));
}
