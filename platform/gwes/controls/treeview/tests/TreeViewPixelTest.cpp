// What the tree view draws: row colours (selection, disabled, custom draw), check boxes, +/-
// buttons, dotted lines, images, the scroll bar, and double size on a 192-dpi screen.
#include <algorithm>
#include <cstdint>

#include "ControlPixels.h"
#include "TreeTestSupport.h"

using namespace tree_test;
using namespace control_pixels;

namespace {

COLORREF sys(int index)
{
    return GetSysColor(index);
}

// An image list of solid 16x16 images, one per colour.
HIMAGELIST solidImages(std::initializer_list<COLORREF> colors)
{
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32, static_cast<int>(colors.size()), 0);
    for (COLORREF color : colors) {
        BITMAPINFO info {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        std::uint32_t* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        std::fill(bits, bits + 16 * 16, (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color));
        ImageList_Add(list, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    return list;
}

class TreePixelTest : public TreeFixture {
protected:
    RECT label(HTREEITEM item)
    {
        RECT rect {};
        EXPECT_TRUE(TreeView_GetItemRect(tree, item, &rect, TRUE));
        return rect;
    }
    // The label's background, beside its text and inside the focus rectangle.
    COLORREF labelBack(HTREEITEM item)
    {
        const RECT rect = label(item);
        return pixelAt(tree, rect.right - 2, rect.top + 2);
    }
};

TEST_F(TreePixelTest, RowsShowSelectionFocusAndDisabledInTheSystemColours)
{
    const HTREEITEM first = add(TVI_ROOT, u"Hill");
    const HTREEITEM second = add(TVI_ROOT, u"Hill");
    TreeView_SelectItem(tree, second);
    struct Case {
        const char* name;
        bool focused;
        bool enabled;
        DWORD style;
        COLORREF selectedBack, selectedText, plainText;
    };
    const Case cases[] = {
        {"focused", true, true, 0, sys(COLOR_HIGHLIGHT), sys(COLOR_HIGHLIGHTTEXT), sys(COLOR_WINDOWTEXT)},
        {"unfocused", false, true, 0, sys(COLOR_WINDOW), sys(COLOR_WINDOWTEXT), sys(COLOR_WINDOWTEXT)},
        {"show always", false, true, TVS_SHOWSELALWAYS, sys(COLOR_HIGHLIGHT), sys(COLOR_HIGHLIGHTTEXT),
            sys(COLOR_WINDOWTEXT)},
        {"disabled", false, false, 0, sys(COLOR_WINDOW), sys(COLOR_GRAYTEXT), sys(COLOR_GRAYTEXT)},
    };
    for (const Case& c : cases) {
        SetWindowLongW(tree, GWL_STYLE, WS_CHILD | WS_VISIBLE | c.style);
        EnableWindow(tree, c.enabled);
        SetFocus(c.focused ? tree : parentWindow);
        repaint(tree);
        EXPECT_EQ(labelBack(second), c.selectedBack) << c.name;
        EXPECT_GT(countColor(tree, label(second), c.selectedText), 0) << c.name;
        EXPECT_EQ(labelBack(first), sys(COLOR_WINDOW)) << c.name;
        EXPECT_GT(countColor(tree, label(first), c.plainText), 0) << c.name;
        EXPECT_EQ(pixelAt(tree, treeWidth - 1, treeHeight - 1), sys(COLOR_WINDOW)) << c.name << ": the background";
    }
}

TEST_F(TreePixelTest, FullRowSelectColoursTheRowToTheRight)
{
    for (const DWORD style : {DWORD {0}, DWORD {TVS_FULLROWSELECT}}) {
        makeTree(style);
        TreeView_SelectItem(tree, add(TVI_ROOT, u"a"));
        SetFocus(tree);
        repaint(tree);
        EXPECT_EQ(pixelAt(tree, treeWidth - 3, 8) == sys(COLOR_HIGHLIGHT), style != 0) << "style " << style;
    }
}

TEST_F(TreePixelTest, CustomDrawColoursAreDrawnAndSkippedItemsLeftAlone)
{
    const HTREEITEM first = add(TVI_ROOT, u"Hill");
    const HTREEITEM second = add(TVI_ROOT, u"Hill");
    TreeView_SelectItem(tree, second);
    SetFocus(tree);
    constexpr COLORREF red = RGB(0xFF, 0, 0);
    constexpr COLORREF green = RGB(0, 0x80, 0);
    Parent& parent = Parent::current();
    parent.drawAnswers[CDDS_PREPAINT] = CDRF_NOTIFYITEMDRAW;
    parent.customize = [&](NMTVCUSTOMDRAW& draw) {
        if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && draw.nmcd.dwItemSpec == reinterpret_cast<DWORD_PTR>(first)) {
            draw.clrText = red;
            draw.clrTextBk = green;
        }
    };
    repaint(tree);
    EXPECT_EQ(labelBack(first), green);
    EXPECT_GT(countColor(tree, label(first), red), 0);
    EXPECT_EQ(labelBack(second), sys(COLOR_HIGHLIGHT));

    parent.drawAnswers[CDDS_ITEMPREPAINT] = CDRF_SKIPDEFAULT;
    repaint(tree);
    EXPECT_EQ(countColor(tree, label(second), sys(COLOR_HIGHLIGHT)), 0) << "the parent draws skipped items";
    EXPECT_EQ(countDark(tree, label(first)), 0);

    parent.drawAnswers[CDDS_PREPAINT] = CDRF_SKIPDEFAULT;
    TreeView_SetBkColor(tree, red);
    repaint(tree);
    EXPECT_EQ(countColor(tree, {0, 0, treeWidth, treeHeight}, red), 0) << "nothing drawn at all";
    parent.drawAnswers.clear();
    repaint(tree);
    EXPECT_EQ(pixelAt(tree, treeWidth - 1, treeHeight - 1), red) << "TVM_SETBKCOLOR";
}

TEST_F(TreePixelTest, CheckBoxesAreStateImagesDrawnAsBoxes)
{
    makeTree(TVS_CHECKBOXES);
    const HIMAGELIST states = TreeView_GetImageList(tree, TVSIL_STATE);
    ASSERT_NE(states, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(states), 3);
    const HTREEITEM unchecked = add(TVI_ROOT, u"a");
    const HTREEITEM checked = add(TVI_ROOT, u"b");
    TreeView_SetCheckState(tree, checked, TRUE);
    repaint(tree);
    const RECT uncheckedBox {0, 0, 16, 16};
    const RECT checkedBox {0, 16, 16, 32};
    const int frame = countDark(tree, uncheckedBox);
    EXPECT_GT(frame, 4 * 9) << "the box's border";
    EXPECT_GT(countDark(tree, checkedBox), frame + 5) << "the tick";
    EXPECT_EQ(pixelAt(tree, 8, 8), sys(COLOR_WINDOW)) << "an empty box is white inside";
    EXPECT_EQ(label(unchecked).left, 16);

    TreeView_SetCheckState(tree, checked, FALSE);
    repaint(tree);
    EXPECT_EQ(countDark(tree, checkedBox), frame);
}

TEST_F(TreePixelTest, CheckBoxImagesComeWithTheStyleSetLaterAndStayRemovedWhenRemoved)
{
    EXPECT_EQ(TreeView_GetImageList(tree, TVSIL_STATE), nullptr);
    SetWindowLongW(tree, GWL_STYLE, GetWindowLongW(tree, GWL_STYLE) | TVS_CHECKBOXES);
    repaint(tree);
    EXPECT_NE(TreeView_GetImageList(tree, TVSIL_STATE), nullptr);
    TreeView_SetImageList(tree, nullptr, TVSIL_STATE);
    repaint(tree);
    EXPECT_EQ(TreeView_GetImageList(tree, TVSIL_STATE), nullptr);
}

TEST_F(TreePixelTest, ButtonsShowPlusWhenClosedAndMinusWhenOpen)
{
    makeTree(TVS_HASBUTTONS | TVS_LINESATROOT);
    const HTREEITEM branch = add(TVI_ROOT, u"a");
    add(branch, u"a1");
    const int indent = static_cast<int>(TreeView_GetIndent(tree));
    const int left = (indent - 9) / 2; // the 9x9 box centred in the first column of a 16-pixel row
    const int top = (16 - 9) / 2;
    struct Case {
        bool open;
        bool vertical; // the plus sign's upright stroke
    };
    for (const Case c : {Case {false, true}, Case {true, false}}) {
        TreeView_Expand(tree, branch, c.open ? TVE_EXPAND : TVE_COLLAPSE);
        repaint(tree);
        EXPECT_EQ(pixelAt(tree, left, top), sys(COLOR_GRAYTEXT)) << "the box's frame";
        EXPECT_EQ(pixelAt(tree, left + 4, top + 4), sys(COLOR_WINDOWTEXT)) << "the centre of the sign";
        EXPECT_EQ(pixelAt(tree, left + 2, top + 4), sys(COLOR_WINDOWTEXT)) << "the minus stroke";
        EXPECT_EQ(pixelAt(tree, left + 4, top + 2) == sys(COLOR_WINDOWTEXT), c.vertical) << "open " << c.open;
    }
    EXPECT_EQ(countDark(tree, {0, 16, indent, 32}), 0) << "a1 has no button";
}

TEST_F(TreePixelTest, LinesJoinAnItemToItsSiblingsAndParent)
{
    const auto grey = [this](int x, int top, int bottom) {
        return countColor(tree, {x, top, x + 1, bottom}, sys(COLOR_GRAYTEXT));
    };
    makeTree(TVS_HASLINES | TVS_LINESATROOT);
    const HTREEITEM a = add(TVI_ROOT, u"a");
    add(a, u"a1");
    add(TVI_ROOT, u"b");
    TreeView_Expand(tree, a, TVE_EXPAND);
    repaint(tree);
    const int indent = static_cast<int>(TreeView_GetIndent(tree));
    const int root = indent / 2; // the centre of the roots' column
    EXPECT_EQ(grey(root, 0, 7), 0) << "nothing above the first root";
    EXPECT_GT(grey(root, 8, 16), 2) << "down from the first root to the next";
    EXPECT_GT(grey(root, 16, 32), 6) << "past a1's row to b";
    EXPECT_GT(grey(root, 32, 40), 2) << "into b";
    EXPECT_EQ(grey(root, 41, 48), 0) << "b is the last root";
    EXPECT_GT(grey(root + indent, 16, 24), 2) << "a1 joins its parent";
    EXPECT_GT(countColor(tree, {root + 1, 8, indent, 9}, sys(COLOR_GRAYTEXT)), 2) << "across to a";

    makeTree(TVS_LINESATROOT | TVS_HASBUTTONS);
    add(TVI_ROOT, u"a");
    add(TVI_ROOT, u"b");
    repaint(tree);
    EXPECT_EQ(countColor(tree, {0, 0, treeWidth, treeHeight}, sys(COLOR_GRAYTEXT)), 0)
        << "no lines without TVS_HASLINES";
}

TEST_F(TreePixelTest, ImagesComeFromTheImageListAndTheSelectedImageShowsWhenSelected)
{
    constexpr COLORREF red = RGB(0xFF, 0, 0);
    constexpr COLORREF blue = RGB(0, 0, 0xFF);
    const HIMAGELIST images = solidImages({red, blue});
    TreeView_SetImageList(tree, images, TVSIL_NORMAL);
    TVINSERTSTRUCTW insert {};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<LPWSTR>(u"item");
    insert.item.iImage = 0;
    insert.item.iSelectedImage = 1;
    const HTREEITEM item = TreeView_InsertItem(tree, &insert);
    repaint(tree);
    EXPECT_EQ(pixelAt(tree, 8, 8), red);
    EXPECT_EQ(label(item).left, 16);
    TreeView_SelectItem(tree, item);
    repaint(tree);
    EXPECT_EQ(pixelAt(tree, 8, 8), blue);
    DestroyWindow(tree);
    tree = nullptr;
    ImageList_Destroy(images);
}

TEST_F(TreePixelTest, OverflowingRowsBringAScrollBarThatScrolls)
{
    std::vector<HTREEITEM> items;
    for (int i = 0; i < 2; ++i)
        items.push_back(add(TVI_ROOT, u"row"));
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    const RECT column {treeWidth - bar, 0, treeWidth, treeHeight};
    repaint(tree);
    EXPECT_EQ(countColor(tree, column, sys(COLOR_WINDOW)), bar * treeHeight) << "every row fits: no bar";

    for (int i = 2; i < 25; ++i)
        items.push_back(add(TVI_ROOT, u"row"));
    repaint(tree);
    EXPECT_LT(countColor(tree, column, sys(COLOR_WINDOW)), bar * treeHeight / 2);
    TVHITTESTINFO hit {};
    hit.pt = {treeWidth - bar / 2, 20};
    EXPECT_EQ(TreeView_HitTest(tree, &hit), nullptr);
    EXPECT_EQ(hit.flags, static_cast<UINT>(TVHT_TORIGHT)) << "the bar is no part of a row";
    RECT row {};
    TreeView_GetItemRect(tree, items[0], &row, FALSE);
    EXPECT_EQ(row.right, treeWidth - bar);

    struct Case {
        int y;
        HTREEITEM top;
    };
    const Case cases[] = {
        {treeHeight - 2, items[1]}, // the down arrow: a row
        {treeHeight - bar - 2, items[11]}, // the track below the thumb: a page of ten
        {1, items[10]}, // the up arrow
        {bar + 1, items[0]}, // the track above the thumb
    };
    for (const Case& c : cases) {
        tap(treeWidth - bar / 2, c.y);
        EXPECT_EQ(TreeView_GetFirstVisible(tree), c.top) << "tap at " << c.y;
    }
    EXPECT_EQ(TreeView_GetSelection(tree), nullptr) << "taps on the bar select nothing";
}

TEST(TreeViewHighDpi, A192DpiScreenDrawsAtDoubleSize)
{
    testing_support::TestDevice dev(*emulator::builtinProfile("wm6-vga"));
    HWND host = makeHost();
    HWND tree = CreateWindowExW(0, WC_TREEVIEWW, u"", WS_CHILD | WS_VISIBLE | TVS_CHECKBOXES | TVS_HASBUTTONS, 0, 0,
        200, 320, host, nullptr, nullptr, nullptr);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(TreeView_GetItemHeight(tree), 32);
    EXPECT_EQ(TreeView_GetIndent(tree), 38);
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(TreeView_GetImageList(tree, TVSIL_STATE), &cx, &cy));
    EXPECT_EQ(cx, 32);
    TVINSERTSTRUCTW insert {};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<LPWSTR>(u"Hill");
    TreeView_InsertItem(tree, &insert);
    const HTREEITEM second = TreeView_InsertItem(tree, &insert);
    TreeView_SelectItem(tree, second);
    SetFocus(tree);
    repaint(tree);
    RECT rect {};
    ASSERT_TRUE(TreeView_GetItemRect(tree, second, &rect, TRUE));
    EXPECT_EQ(rect.top, 32);
    EXPECT_EQ(rect.bottom, 64);
    EXPECT_EQ(rect.left, 32) << "after a 32-pixel state image";
    EXPECT_EQ(pixelAt(tree, rect.right - 2, rect.top + 1), sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(pixelAt(tree, rect.right - 2, rect.bottom - 2), sys(COLOR_HIGHLIGHT));
    EXPECT_GT(countDark(tree, {0, 0, 32, 32}), 4 * 20) << "a check box of twice the size";
    DestroyWindow(host);
}

} // namespace
