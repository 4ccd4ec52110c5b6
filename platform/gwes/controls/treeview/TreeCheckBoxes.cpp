// Check box pictures for a tree's state image list: each box drawn by DrawFrameControl into a
// strip of images, with a mask that leaves the rest of each square transparent.
#include "TreeCheckBoxes.h"

#include <algorithm>

#include "commctrl.h"

namespace ce::gwes {

namespace {

constexpr int imageCount = 3; // blank, unchecked, checked

// A 32-bit top-down bitmap of the strip, selected into a memory DC for the caller to draw on.
struct Strip {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;

    Strip(int width, int height)
    {
        BITMAPINFO info {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(dc, bitmap);
    }
    ~Strip()
    {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Strip(const Strip&) = delete;
    Strip& operator=(const Strip&) = delete;
};

// Where the box of image `index` lies in the strip.
RECT boxOf(int index, int size)
{
    const int box = std::min(size, scaledForScreen(tree_metrics::checkBoxSize));
    const int left = index * size + (size - box) / 2;
    const int top = (size - box) / 2;
    return {left, top, left + box, top + box};
}

HIMAGELIST makeCheckBoxImages(int size)
{
    const int width = size * imageCount;
    Strip image(width, size);
    Strip mask(width, size);
    const RECT all {0, 0, width, size};
    const auto white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    FillRect(image.dc, &all, white);
    FillRect(mask.dc, &all, white); // transparent but for the boxes
    for (int index = 1; index < imageCount; ++index) {
        RECT box = boxOf(index, size);
        DrawFrameControl(image.dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | (index == 2 ? DFCS_CHECKED : 0));
        FillRect(mask.dc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, imageCount, 0);
    if (list && ImageList_Add(list, image.bitmap, mask.bitmap) < 0) {
        ImageList_Destroy(list);
        return nullptr;
    }
    return list;
}

} // namespace

void ensureCheckBoxImages(HWND hwnd, TreeControl& tree)
{
    // Made once: a program that replaces or removes them later keeps its choice.
    if (!(treeStyle(hwnd) & TVS_CHECKBOXES) || tree.stateImages || tree.checkBoxImages)
        return;
    tree.checkBoxImages = makeCheckBoxImages(scaledForScreen(tree_metrics::stateIconWidth));
    tree.stateImages = tree.checkBoxImages;
}

void releaseCheckBoxImages(TreeControl& tree)
{
    if (tree.stateImages == tree.checkBoxImages)
        tree.stateImages = nullptr;
    if (tree.checkBoxImages)
        ImageList_Destroy(tree.checkBoxImages);
    tree.checkBoxImages = nullptr;
}

} // namespace ce::gwes
