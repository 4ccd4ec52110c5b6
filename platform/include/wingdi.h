// Drawing (GDI): device contexts, bitmaps (device-dependent and DIB sections), brushes and pens,
// pixels and blits, regions and clipping, shapes, saved states, fonts and text. Colours are
// COLORREF with red in the low byte. Window device contexts come from winuserdraw.h. Included by
// windows.h.
#pragma once

#include "winbase.h"

using HGDIOBJ = void*;
DECLARE_HANDLE(HPEN);
DECLARE_HANDLE(HRGN);

#define RGB(r, g, b)                                                                                                  \
    (static_cast<COLORREF>(static_cast<BYTE>(r) | (static_cast<WORD>(static_cast<BYTE>(g)) << 8)                   \
        | (static_cast<DWORD>(static_cast<BYTE>(b)) << 16)))
#define GetRValue(rgb) (static_cast<BYTE>(rgb))
#define GetGValue(rgb) (static_cast<BYTE>(static_cast<WORD>(rgb) >> 8))
#define GetBValue(rgb) (static_cast<BYTE>((rgb) >> 16))
#define CLR_INVALID 0xFFFFFFFF

// GetStockObject
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define SYSTEM_FONT 13

// CreatePen styles: dashes and dots are drawn solid.
#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_NULL 5

// GetDeviceCaps
#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define PLANES 14
#define LOGPIXELSX 88
#define LOGPIXELSY 90

// Raster operations of BitBlt and PatBlt.
#define SRCCOPY 0x00CC0020
#define SRCPAINT 0x00EE0086
#define SRCAND 0x008800C6
#define SRCINVERT 0x00660046
#define NOTSRCCOPY 0x00330008
#define DSTINVERT 0x00550009
#define PATCOPY 0x00F00021
#define PATINVERT 0x005A0049
#define BLACKNESS 0x00000042
#define WHITENESS 0x00FF0062

// GetObjectType, GetCurrentObject
#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_FONT 6
#define OBJ_BITMAP 7
#define OBJ_REGION 8
#define OBJ_DC 3
#define OBJ_MEMDC 10

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits; // a DIB section's pixels, else null
};
using PBITMAP = BITMAP*;
using LPBITMAP = BITMAP*;

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight; // positive: bottom-up rows; negative: top-down
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};
using PBITMAPINFOHEADER = BITMAPINFOHEADER*;

struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};

struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};
using PBITMAPINFO = BITMAPINFO*;
using LPBITMAPINFO = BITMAPINFO*;

#define BI_RGB 0L
#define DIB_RGB_COLORS 0

// Memory device contexts draw into the bitmap selected into them; they start with the stock
// 1x1 bitmap and the white brush. A handle that is no device context fails with
// ERROR_INVALID_HANDLE (window device contexts come with the screen).
WINBASEAPI HDC CreateCompatibleDC(HDC hdc);
WINBASEAPI BOOL DeleteDC(HDC hdc);
// The previous object of that kind; null for a bitmap selected into another device context.
WINBASEAPI HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);
WINBASEAPI HGDIOBJ GetCurrentObject(HDC hdc, UINT type);
// The screen's size and dots per inch; 32 bits per pixel.
WINBASEAPI int GetDeviceCaps(HDC hdc, int index);
WINBASEAPI COLORREF SetBkColor(HDC hdc, COLORREF color);
WINBASEAPI COLORREF GetBkColor(HDC hdc);
WINBASEAPI COLORREF SetTextColor(HDC hdc, COLORREF color);
WINBASEAPI COLORREF GetTextColor(HDC hdc);

// Stock objects are never deleted (DeleteObject answers TRUE and keeps them); an object
// selected into a device context is not deleted (FALSE).
WINBASEAPI HGDIOBJ GetStockObject(int i);
WINBASEAPI BOOL DeleteObject(HGDIOBJ ho);
// BITMAP for a bitmap, LOGFONTW for a font (the bytes written; with null pv the size), 0 for
// anything else.
WINBASEAPI int GetObjectW(HGDIOBJ h, int c, LPVOID pv);
#define GetObject GetObjectW
WINBASEAPI DWORD GetObjectType(HGDIOBJ h);
WINBASEAPI HBRUSH CreateSolidBrush(COLORREF color);
// Widths below 1 draw 1 pixel wide; a wider pen draws squares of its width along the line.
WINBASEAPI HPEN CreatePen(int iStyle, int cWidth, COLORREF color);

// Lines go from the current position to the point, the point itself not drawn; LineTo makes the
// point the current position. Rectangle outlines with the pen and fills the inside with the
// brush; with the null pen the filled area is one pixel smaller to the right and below.
WINBASEAPI BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt);
WINBASEAPI BOOL LineTo(HDC hdc, int x, int y);
WINBASEAPI BOOL Polyline(HDC hdc, const POINT* apt, int cpt);
WINBASEAPI BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);

// Bitmaps: 32 bits per pixel, black, unless a DIB section says 24.
WINBASEAPI HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy);
// 24- or 32-bit BI_RGB sections; *ppvBits receives the rows the program may change directly.
WINBASEAPI HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* pbmi, UINT usage, void** ppvBits, HANDLE hSection,
                                   DWORD offset);
// CLR_INVALID outside the bitmap or the clip.
WINBASEAPI COLORREF GetPixel(HDC hdc, int x, int y);
WINBASEAPI COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);

// Rectangles are clipped to the destination's clip and to both bitmaps; a source overlapping the
// destination is read before it is written.
WINBASEAPI BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
// Nearest-pixel stretching; widths and heights must be positive.
WINBASEAPI BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                           int wSrc, int hSrc, DWORD rop);
// A stretching copy that leaves the destination where the source has the key colour.
WINBASEAPI BOOL TransparentBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
                               int ySrc, int wSrc, int hSrc, UINT crTransparent);
WINBASEAPI BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop);
WINBASEAPI int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr);

// A bitmap's scan lines in a 24- or 32-bit BI_RGB layout (scan line 0 is the bottom row of a
// bottom-up layout): the lines copied, or 0. GetDIBits with null bits fills in the header
// (32 bits, bottom-up) and answers the bitmap's height.
WINBASEAPI int GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits, LPBITMAPINFO lpbmi,
                         UINT usage);
WINBASEAPI int SetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, const void* lpBits, const BITMAPINFO* lpbmi,
                         UINT ColorUse);

// Bitmaps from a module's resources: RT_BITMAP entries hold PNG bytes, loaded as 32-bit
// top-down DIB sections. LoadImageW loads bitmaps at their own size (cx and cy 0) and icons
// (IMAGE_ICON) at cx×cy, 0 meaning the icon's own size.
#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define IMAGE_CURSOR 2
#define LR_DEFAULTCOLOR 0x0000
#define LR_CREATEDIBSECTION 0x2000
WINBASEAPI HBITMAP LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName);
#define LoadBitmap LoadBitmapW
WINBASEAPI HANDLE LoadImageW(HINSTANCE hInst, LPCWSTR name, UINT type, int cx, int cy, UINT fuLoad);
#define LoadImage LoadImageW

// ---- Regions and clipping ----------------------------------------------------------------------

// CombineRgn modes and the kinds of region the region calls answer (ERROR on failure).
#define RGN_AND 1
#define RGN_OR 2
#define RGN_XOR 3
#define RGN_DIFF 4
#define RGN_COPY 5
#define ERROR 0
#define NULLREGION 1
#define SIMPLEREGION 2
#define COMPLEXREGION 3

// Right and bottom are exclusive; the ellipse is the one inscribed in the rectangle. Region
// coordinates stay within ±32768: rectangles are cut there and OffsetRgn refuses to go beyond.
WINBASEAPI HRGN CreateRectRgn(int x1, int y1, int x2, int y2);
WINBASEAPI HRGN CreateRectRgnIndirect(const RECT* lprect);
WINBASEAPI HRGN CreateEllipticRgn(int x1, int y1, int x2, int y2);
// hrgnDst receives the combination of hrgnSrc1 and hrgnSrc2 (hrgnSrc1 alone for RGN_COPY).
WINBASEAPI int CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode);
WINBASEAPI BOOL SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom);
WINBASEAPI int OffsetRgn(HRGN hrgn, int x, int y);
WINBASEAPI int GetRgnBox(HRGN hrgn, LPRECT lprc);
WINBASEAPI BOOL PtInRegion(HRGN hrgn, int x, int y);
WINBASEAPI BOOL EqualRgn(HRGN hrgn1, HRGN hrgn2);
WINBASEAPI BOOL FillRgn(HDC hdc, HRGN hrgn, HBRUSH hbr);
// Frames the region's edge pixels inside it, w pixels wide and h high.
WINBASEAPI BOOL FrameRgn(HDC hdc, HRGN hrgn, HBRUSH hbr, int w, int h);
// A copy of the region (device coordinates) becomes the clip; null removes the clip.
WINBASEAPI int SelectClipRgn(HDC hdc, HRGN hrgn);
// 1 and a copy of the clip in hrgn, 0 without a clip, -1 on failure.
WINBASEAPI int GetClipRgn(HDC hdc, HRGN hrgn);
WINBASEAPI int GetClipBox(HDC hdc, LPRECT lprect);
WINBASEAPI int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
WINBASEAPI int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);

// ---- Shapes ------------------------------------------------------------------------------------

// Outlined with the pen and filled with the brush, within the bounding rectangle (right and
// bottom exclusive) as Rectangle is.
WINBASEAPI BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom);
WINBASEAPI BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height);
// Closed polygon filled by the alternate (even-odd) rule.
WINBASEAPI BOOL Polygon(HDC hdc, const POINT* apt, int cpt);

// ---- Device context state ----------------------------------------------------------------------

// The level of the saved state, 0 on failure; RestoreDC takes a level or -1 for the last one.
WINBASEAPI int SaveDC(HDC hdc);
WINBASEAPI BOOL RestoreDC(HDC hdc, int nSavedDC);

// ---- Fonts and text ----------------------------------------------------------------------------

#define LF_FACESIZE 32

#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_LIGHT 300
#define FW_NORMAL 400
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_BOLD 700
#define FW_HEAVY 900

#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define DRAFT_QUALITY 1
#define NONANTIALIASED_QUALITY 3
#define ANTIALIASED_QUALITY 4
#define CLEARTYPE_QUALITY 5
#define CLEARTYPE_COMPAT_QUALITY 6
#define DEFAULT_PITCH 0
#define FF_DONTCARE 0

struct LOGFONTW {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    WCHAR lfFaceName[LF_FACESIZE];
};
using LOGFONT = LOGFONTW;
using PLOGFONTW = LOGFONTW*;
using LPLOGFONTW = LOGFONTW*;
using LPLOGFONT = LOGFONTW*;

struct TEXTMETRICW {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    WCHAR tmFirstChar;
    WCHAR tmLastChar;
    WCHAR tmDefaultChar;
    WCHAR tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};
using TEXTMETRIC = TEXTMETRICW;
using LPTEXTMETRICW = TEXTMETRICW*;
using LPTEXTMETRIC = TEXTMETRICW*;

// Heights in pixels: negative is the character height, positive the cell height, 0 a default.
WINBASEAPI HFONT CreateFontIndirectW(const LOGFONTW* lplf);
#define CreateFontIndirect CreateFontIndirectW
WINBASEAPI BOOL GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm);
#define GetTextMetrics GetTextMetricsW
WINBASEAPI BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl);
#define GetTextExtentPoint32 GetTextExtentPoint32W
#define GetTextExtentPoint GetTextExtentPoint32W
// How many of the characters fit in nMaxExtent (with lpnFit), and each one's end (lpnDx).
WINBASEAPI BOOL GetTextExtentExPointW(HDC hdc, LPCWSTR lpszString, int cchString, int nMaxExtent, LPINT lpnFit,
                                      LPINT lpnDx, LPSIZE lpSize);
#define GetTextExtentExPoint GetTextExtentExPointW

// SetBkMode
#define TRANSPARENT 1
#define OPAQUE 2
WINBASEAPI int SetBkMode(HDC hdc, int mode);
WINBASEAPI int GetBkMode(HDC hdc);

// ExtTextOutW draws from (x, y) as the top left of the text (TA_TOP | TA_LEFT), filling the
// background in OPAQUE mode; ETO_OPAQUE fills lprect with the background colour, ETO_CLIPPED
// keeps the text inside lprect.
#define ETO_OPAQUE 0x0002
#define ETO_CLIPPED 0x0004
WINBASEAPI BOOL ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString, UINT c,
                            const INT* lpDx);
#define ExtTextOut ExtTextOutW
