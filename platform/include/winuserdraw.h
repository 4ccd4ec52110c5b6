// The window system's side of drawing: device contexts of windows, the system colours, and the
// helpers controls draw with (text in rectangles, edges, focus rectangles, frame controls,
// icons). Included by winuser.h.
#pragma once

// ---- Rectangles --------------------------------------------------------------------------------

// Right and bottom are exclusive: a rectangle is empty when either is not beyond left or top.
WINBASEAPI BOOL SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom);
WINBASEAPI BOOL SetRectEmpty(LPRECT lprc);
WINBASEAPI BOOL CopyRect(LPRECT lprcDst, const RECT* lprcSrc);
WINBASEAPI BOOL InflateRect(LPRECT lprc, int dx, int dy);
WINBASEAPI BOOL OffsetRect(LPRECT lprc, int dx, int dy);
// FALSE and an empty *lprcDst when they do not meet.
WINBASEAPI BOOL IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);
WINBASEAPI BOOL UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);
WINBASEAPI BOOL SubtractRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);
WINBASEAPI BOOL IsRectEmpty(const RECT* lprc);
WINBASEAPI BOOL EqualRect(const RECT* lprc1, const RECT* lprc2);
WINBASEAPI BOOL PtInRect(const RECT* lprc, POINT pt);

// ---- Window device contexts --------------------------------------------------------------------

// GetDC draws into the client area (null: the whole screen), GetWindowDC into the whole window;
// both are clipped to what the window shows, children excluded. Release each with ReleaseDC.
WINBASEAPI HDC GetDC(HWND hWnd);
WINBASEAPI HDC GetWindowDC(HWND hWnd);
WINBASEAPI int ReleaseDC(HWND hWnd, HDC hDC);

// ---- System colours ----------------------------------------------------------------------------

// Colour indices; on the device they are or-ed with SYS_COLOR_INDEX_FLAG, accepted either way.
#define SYS_COLOR_INDEX_FLAG 0x40000000
#define COLOR_SCROLLBAR 0
#define COLOR_BACKGROUND 1
#define COLOR_ACTIVECAPTION 2
#define COLOR_INACTIVECAPTION 3
#define COLOR_MENU 4
#define COLOR_WINDOW 5
#define COLOR_WINDOWFRAME 6
#define COLOR_MENUTEXT 7
#define COLOR_WINDOWTEXT 8
#define COLOR_CAPTIONTEXT 9
#define COLOR_ACTIVEBORDER 10
#define COLOR_INACTIVEBORDER 11
#define COLOR_APPWORKSPACE 12
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_BTNSHADOW 16
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_INACTIVECAPTIONTEXT 19
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_3DDKSHADOW 21
#define COLOR_3DLIGHT 22
#define COLOR_INFOTEXT 23
#define COLOR_INFOBK 24
#define COLOR_STATIC 25
#define COLOR_STATICTEXT 26
#define COLOR_GRADIENTACTIVECAPTION 27
#define COLOR_GRADIENTINACTIVECAPTION 28
#define COLOR_DESKTOP COLOR_BACKGROUND
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_3DSHADOW COLOR_BTNSHADOW
#define COLOR_3DHIGHLIGHT COLOR_BTNHIGHLIGHT
#define COLOR_3DHILIGHT COLOR_BTNHIGHLIGHT
#define COLOR_BTNHILIGHT COLOR_BTNHIGHLIGHT
// 0 for an unknown index.
WINBASEAPI DWORD GetSysColor(int nIndex);
// A stock brush of the colour (never deleted); null for an unknown index.
WINBASEAPI HBRUSH GetSysColorBrush(int nIndex);
// Changes colours and sends WM_SYSCOLORCHANGE to every top-level window.
WINBASEAPI BOOL SetSysColors(int cElements, const INT* lpaElements, const COLORREF* lpaRgbValues);

// ---- Text in rectangles ------------------------------------------------------------------------

#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_EXPANDTABS 0x00000040
#define DT_NOCLIP 0x00000100
#define DT_CALCRECT 0x00000400
#define DT_NOPREFIX 0x00000800
#define DT_END_ELLIPSIS 0x00008000
// The height of the text drawn (with DT_CALCRECT: measured, lpRect sized to it); 0 on failure.
WINBASEAPI int DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format);
#define DrawText DrawTextW

// ---- Edges, frames and focus -------------------------------------------------------------------

// A one-pixel frame with the brush.
WINBASEAPI int FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
// The dotted rectangle of the focus, drawn by inverting: a second call takes it away.
WINBASEAPI BOOL DrawFocusRect(HDC hDC, const RECT* lprc);

#define BDR_RAISEDOUTER 0x0001
#define BDR_SUNKENOUTER 0x0002
#define BDR_RAISEDINNER 0x0004
#define BDR_SUNKENINNER 0x0008
#define BDR_OUTER 0x0003
#define BDR_INNER 0x000c
#define EDGE_RAISED (BDR_RAISEDOUTER | BDR_RAISEDINNER)
#define EDGE_SUNKEN (BDR_SUNKENOUTER | BDR_SUNKENINNER)
#define EDGE_ETCHED (BDR_SUNKENOUTER | BDR_RAISEDINNER)
#define EDGE_BUMP (BDR_RAISEDOUTER | BDR_SUNKENINNER)
#define BF_LEFT 0x0001
#define BF_TOP 0x0002
#define BF_RIGHT 0x0004
#define BF_BOTTOM 0x0008
#define BF_TOPLEFT (BF_TOP | BF_LEFT)
#define BF_BOTTOMRIGHT (BF_BOTTOM | BF_RIGHT)
#define BF_RECT (BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM)
#define BF_MIDDLE 0x0800
#define BF_SOFT 0x1000
#define BF_ADJUST 0x2000
#define BF_FLAT 0x4000
#define BF_MONO 0x8000
// Draws the edge inside qrc; BF_ADJUST shrinks qrc by what was drawn.
WINBASEAPI BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags);

#define DFC_CAPTION 1
#define DFC_MENU 2
#define DFC_SCROLL 3
#define DFC_BUTTON 4
#define DFCS_CAPTIONCLOSE 0x0000
#define DFCS_CAPTIONOKBTN 0x0080
#define DFCS_MENUCHECK 0x0001
#define DFCS_MENUBULLET 0x0002
#define DFCS_MENUARROW 0x0000
#define DFCS_SCROLLUP 0x0000
#define DFCS_SCROLLDOWN 0x0001
#define DFCS_SCROLLLEFT 0x0002
#define DFCS_SCROLLRIGHT 0x0003
#define DFCS_SCROLLCOMBOBOX 0x0005
#define DFCS_BUTTONCHECK 0x0000
#define DFCS_BUTTONRADIOIMAGE 0x0001
#define DFCS_BUTTONRADIOMASK 0x0002
#define DFCS_BUTTONRADIO 0x0004
#define DFCS_BUTTON3STATE 0x0008
#define DFCS_BUTTONPUSH 0x0010
#define DFCS_INACTIVE 0x0100
#define DFCS_PUSHED 0x0200
#define DFCS_CHECKED 0x0400
#define DFCS_FLAT 0x4000
#define DFCS_MONO 0x8000
// Check boxes and radio buttons fill the largest square centred in lprc (13x13 at 96 dpi);
// push buttons, scroll arrows and title-bar buttons are faces with a glyph; menu glyphs are
// black on white. FALSE (ERROR_INVALID_PARAMETER) for an unknown type or part.
WINBASEAPI BOOL DrawFrameControl(HDC hdc, LPRECT lprc, UINT uType, UINT uState);

// ---- Icons -------------------------------------------------------------------------------------

// Icons are an image with its transparency; LoadIconW and LoadImageW(IMAGE_ICON) read them from
// a module's resources: an RT_GROUP_ICON entry holds PNG bytes, or WORD ids of RT_ICON entries
// (PNG bytes each, one per size: the nearest to the size asked for is taken); a lone RT_ICON
// entry of the name serves too. The image is scaled to the size asked for (LoadIconW:
// SM_CXICON). IDI_APPLICATION (with no module) is built in and shared.
#define RT_ICON MAKEINTRESOURCEW(3)
#define RT_GROUP_ICON MAKEINTRESOURCEW(14)
#define IDI_APPLICATION (MAKEINTRESOURCEW(32512))
WINBASEAPI HICON LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName);
#define LoadIcon LoadIconW
// Shared icons (the built-in ones) stay: destroying them succeeds and does nothing.
WINBASEAPI BOOL DestroyIcon(HICON hIcon);
#define DI_MASK 0x0001
#define DI_IMAGE 0x0002
#define DI_NORMAL 0x0003
// cx, cy 0: the icon's own size. DI_NORMAL blends with the icon's alpha, DI_IMAGE copies its
// colours, DI_MASK blackens where it is opaque. A flicker-free brush fills the box first.
WINBASEAPI BOOL DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth, UINT istepIfAniCur,
                           HBRUSH hbrFlickerFreeDraw, UINT diFlags);
WINBASEAPI BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon);
