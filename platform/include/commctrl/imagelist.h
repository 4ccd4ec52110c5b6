// Image lists: numbered images of one size, shared by the controls that show small icons and
// state images. A bitmap added is cut into as many images as it is image widths wide; in a list
// made with ILC_MASK a mask bitmap (white: transparent) or a key colour marks what is
// transparent; icons keep their alpha and are scaled to the list's size.
#pragma once

DECLARE_HANDLE(HIMAGELIST);

#define ILC_MASK 0x0001
#define ILC_COLOR 0x0000
#define ILC_COLORDDB 0x00FE
#define ILC_COLOR4 0x0004
#define ILC_COLOR8 0x0008
#define ILC_COLOR16 0x0010
#define ILC_COLOR24 0x0018
#define ILC_COLOR32 0x0020

#define ILD_NORMAL 0x0000
#define ILD_TRANSPARENT 0x0001
#define ILD_BLEND25 0x0002
#define ILD_BLEND50 0x0004
#define ILD_MASK 0x0010
#define ILD_IMAGE 0x0020
#define ILD_ROP 0x0040
#define ILD_OVERLAYMASK 0x0F00
#define ILD_SELECTED ILD_BLEND50
#define ILD_FOCUS ILD_BLEND25
#define ILD_BLEND ILD_BLEND50
#define INDEXTOOVERLAYMASK(i) ((i) << 8)

// cx, cy: the size of every image; cInitial and cGrow only size the storage.
WINBASEAPI HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow);
WINBASEAPI BOOL ImageList_Destroy(HIMAGELIST himl);
WINBASEAPI int ImageList_GetImageCount(HIMAGELIST himl);
// Grows (with blank images) or shrinks the list to uNewCount images.
WINBASEAPI BOOL ImageList_SetImageCount(HIMAGELIST himl, UINT uNewCount);
// The index of the (first) image added, -1 on failure.
WINBASEAPI int ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask);
// The pixels of crMask become transparent (in a list with ILC_MASK).
WINBASEAPI int ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask);
// i == -1 appends; returns the index of the image replaced or added, -1 on failure.
WINBASEAPI int ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon);
#define ImageList_AddIcon(himl, hicon) ImageList_ReplaceIcon(himl, -1, hicon)
// Takes the bitmap's first image.
WINBASEAPI BOOL ImageList_Replace(HIMAGELIST himl, int i, HBITMAP hbmImage, HBITMAP hbmMask);
// i == -1 removes every image.
WINBASEAPI BOOL ImageList_Remove(HIMAGELIST himl, int i);
#define ImageList_RemoveAll(himl) ImageList_Remove(himl, -1)
WINBASEAPI BOOL ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy);
// Changing the size removes every image, as on the device.
WINBASEAPI BOOL ImageList_SetIconSize(HIMAGELIST himl, int cx, int cy);
WINBASEAPI COLORREF ImageList_SetBkColor(HIMAGELIST himl, COLORREF clrBk);
WINBASEAPI COLORREF ImageList_GetBkColor(HIMAGELIST himl);
// ILD_NORMAL fills the transparent parts with the list's background colour (none while it is
// CLR_NONE), ILD_TRANSPARENT never does; ILD_SELECTED/ILD_BLEND50 and ILD_FOCUS/ILD_BLEND25 mix
// in half or a quarter of rgbFg (CLR_DEFAULT: the highlight colour); ILD_MASK draws the mask.
// The overlay images (ILD_OVERLAYMASK) are not drawn.
WINBASEAPI BOOL ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle);
WINBASEAPI BOOL ImageList_DrawEx(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, int dx, int dy, COLORREF rgbBk,
                                 COLORREF rgbFg, UINT fStyle);
