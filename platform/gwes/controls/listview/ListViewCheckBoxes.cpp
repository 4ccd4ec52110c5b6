// Drawing the check box state images: both pictures side by side on a key-coloured bitmap,
// added to the list with that colour as its transparency.
#include "ListViewCheckBoxes.h"

#include "ListMetrics.h"

namespace ce::gwes {
namespace {

constexpr COLORREF keyColor = RGB(0xFF, 0x00, 0xFF);

// The two boxes (unchecked, checked) on a bitmap two images wide, drawn through a memory DC.
HBITMAP drawBoxes(int side)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 2 * side, side); // a memory DC's would be mono
    ReleaseDC(nullptr, screen);
    HDC dc = CreateCompatibleDC(nullptr);
    if (bitmap && dc) {
        const HGDIOBJ old = SelectObject(dc, bitmap);
        const RECT all {0, 0, 2 * side, side};
        HBRUSH key = CreateSolidBrush(keyColor);
        FillRect(dc, &all, key);
        DeleteObject(key);
        const int box = listmetrics::scaled(listmetrics::checkBoxSide);
        const int inset = (side - box) / 2;
        for (const UINT checked : {0u, static_cast<UINT>(DFCS_CHECKED)}) {
            const int left = checked ? side : 0;
            RECT place {left + inset, inset, left + inset + box, inset + box};
            DrawFrameControl(dc, &place, DFC_BUTTON, DFCS_BUTTONCHECK | checked);
        }
        SelectObject(dc, old);
    }
    if (dc)
        DeleteDC(dc);
    return bitmap;
}

} // namespace

HIMAGELIST makeCheckBoxImages()
{
    const int side = listmetrics::scaled(listmetrics::stateImageWidth);
    HBITMAP boxes = drawBoxes(side);
    if (!boxes)
        return nullptr;
    HIMAGELIST list = ImageList_Create(side, side, ILC_COLOR | ILC_MASK, 2, 2);
    if (list && ImageList_AddMasked(list, boxes, keyColor) != 0) {
        ImageList_Destroy(list);
        list = nullptr;
    }
    DeleteObject(boxes);
    return list;
}

} // namespace ce::gwes
