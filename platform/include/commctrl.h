// The common controls: what they share (notification codes, custom draw, initialisation) and,
// from the headers under commctrl/, each control's styles, messages and notifications.
#pragma once

#include "windows.h"

// ---- Initialisation ---------------------------------------------------------------------------
// The classes exist from boot; InitCommonControlsEx checks its argument as the device does.

#define ICC_LISTVIEW_CLASSES 0x00000001
#define ICC_TREEVIEW_CLASSES 0x00000002
#define ICC_BAR_CLASSES 0x00000004
#define ICC_TAB_CLASSES 0x00000008
#define ICC_UPDOWN_CLASS 0x00000010
#define ICC_PROGRESS_CLASS 0x00000020
#define ICC_DATE_CLASSES 0x00000100
#define ICC_COOL_CLASSES 0x00000400
#define ICC_CAPEDIT_CLASS 0x00002000
#define ICC_TOOLTIP_CLASSES 0x00004000

struct INITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
};
using LPINITCOMMONCONTROLSEX = INITCOMMONCONTROLSEX*;

WINBASEAPI BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* lpInitCtrls);
WINBASEAPI void InitCommonControls();

// ---- Notification codes shared by the controls -----------------------------------------------

#define NM_FIRST (0U - 0U)
#define NM_OUTOFMEMORY (NM_FIRST - 1)
#define NM_CLICK (NM_FIRST - 2)
#define NM_DBLCLK (NM_FIRST - 3)
#define NM_RETURN (NM_FIRST - 4)
#define NM_RCLICK (NM_FIRST - 5)
#define NM_RDBLCLK (NM_FIRST - 6)
#define NM_SETFOCUS (NM_FIRST - 7)
#define NM_KILLFOCUS (NM_FIRST - 8)
#define NM_CUSTOMDRAW (NM_FIRST - 12)

#define LVN_FIRST (0U - 100U)
#define HDN_FIRST (0U - 300U)
#define TVN_FIRST (0U - 400U)
#define TTN_FIRST (0U - 520U)
#define TCN_FIRST (0U - 550U)
#define UDN_FIRST (0U - 721U)
#define DTN_FIRST (0U - 760U)

#define CCM_FIRST 0x2000
#define CCM_SETUNICODEFORMAT (CCM_FIRST + 5)
#define CCM_GETUNICODEFORMAT (CCM_FIRST + 6)

// Colours a control is given: none, or the system's default.
#define CLR_NONE 0xFFFFFFFFL
#define CLR_DEFAULT 0xFF000000L

// ---- Items shared by the list and tree views --------------------------------------------------

// The state image (check boxes: 1 unchecked, 2 checked) in an item's state bits 12-15.
#define INDEXTOSTATEIMAGEMASK(i) ((i) << 12)
// The owner gives the text or image when asked (LVN_GETDISPINFOW, TVN_GETDISPINFOW).
#define LPSTR_TEXTCALLBACKW (reinterpret_cast<LPWSTR>(static_cast<intptr_t>(-1)))
#define LPSTR_TEXTCALLBACK LPSTR_TEXTCALLBACKW
#define I_IMAGECALLBACK (-1)

// ---- Custom draw ------------------------------------------------------------------------------
// Controls that draw items ask their parent through NM_CUSTOMDRAW during WM_PAINT: the
// pre-paint stage of the whole control, then (when the parent answered CDRF_NOTIFYITEMDRAW)
// each visible item's stages, then the post-paint stage when asked for.

#define CDDS_PREPAINT 0x00000001
#define CDDS_POSTPAINT 0x00000002
#define CDDS_PREERASE 0x00000003
#define CDDS_POSTERASE 0x00000004
#define CDDS_ITEM 0x00010000
#define CDDS_ITEMPREPAINT (CDDS_ITEM | CDDS_PREPAINT)
#define CDDS_ITEMPOSTPAINT (CDDS_ITEM | CDDS_POSTPAINT)
#define CDDS_SUBITEM 0x00020000

#define CDRF_DODEFAULT 0x00000000
#define CDRF_NEWFONT 0x00000002
#define CDRF_SKIPDEFAULT 0x00000004
#define CDRF_NOTIFYPOSTPAINT 0x00000010
#define CDRF_NOTIFYITEMDRAW 0x00000020
#define CDRF_NOTIFYSUBITEMDRAW 0x00000020
#define CDRF_NOTIFYPOSTERASE 0x00000040

#define CDIS_SELECTED 0x0001
#define CDIS_GRAYED 0x0002
#define CDIS_DISABLED 0x0004
#define CDIS_CHECKED 0x0008
#define CDIS_FOCUS 0x0010
#define CDIS_DEFAULT 0x0020
#define CDIS_HOT 0x0040

struct NMCUSTOMDRAW {
    NMHDR hdr;
    DWORD dwDrawStage;
    HDC hdc;
    RECT rc;
    DWORD_PTR dwItemSpec;
    UINT uItemState;
    LPARAM lItemlParam;
};
using LPNMCUSTOMDRAW = NMCUSTOMDRAW*;

// ---- The controls -----------------------------------------------------------------------------

#include "commctrl/imagelist.h"
#include "commctrl/header.h"
#include "commctrl/listview.h"
#include "commctrl/treeview.h"
#include "commctrl/progress.h"
#include "commctrl/trackbar.h"
#include "commctrl/updown.h"
#include "commctrl/datetime.h"
