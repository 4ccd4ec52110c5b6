// Notifications of a tree view to its parent, and the display-information callbacks.
#include "TreeNotify.h"

#include <algorithm>

#include "cewchar.h"
#include "gwes/controls/ControlNotify.h"
#include "gwes/controls/TextBuffer.h"

namespace ce::gwes {

DWORD treeStyle(HWND hwnd)
{
    return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
}

TVITEMW describeItem(TreeControl& tree, HTREEITEM handle)
{
    TVITEMW described {};
    const TreeItem* item = tree.items.find(handle);
    if (!item)
        return described;
    described.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    described.hItem = handle;
    described.state = item->state;
    described.stateMask = 0xFFFF;
    described.iImage = item->image;
    described.iSelectedImage = item->selectedImage;
    described.lParam = item->lParam;
    return described;
}

LRESULT notifyTree(HWND hwnd, TreeControl& tree, UINT code, UINT action, HTREEITEM oldItem, HTREEITEM newItem)
{
    NMTREEVIEWW info {};
    info.action = action;
    info.itemOld = describeItem(tree, oldItem);
    info.itemNew = describeItem(tree, newItem);
    return notifyParent(hwnd, code, info.hdr);
}

LRESULT notifySimple(HWND hwnd, UINT code)
{
    NMHDR header {};
    return notifyParent(hwnd, code, header);
}

namespace {

// The fields of `mask` that the item leaves to its parent.
UINT callbackFields(const TreeItem& item, UINT mask)
{
    UINT fields = 0;
    if ((mask & TVIF_TEXT) && item.textCallback)
        fields |= TVIF_TEXT;
    if ((mask & TVIF_IMAGE) && item.image == I_IMAGECALLBACK)
        fields |= TVIF_IMAGE;
    if ((mask & TVIF_SELECTEDIMAGE) && item.selectedImage == I_IMAGECALLBACK)
        fields |= TVIF_SELECTEDIMAGE;
    if ((mask & TVIF_CHILDREN) && item.children == I_CHILDRENCALLBACK)
        fields |= TVIF_CHILDREN;
    return fields;
}

void keepAnswer(TreeItem& item, const TVITEMW& answer, UINT fields)
{
    if ((fields & TVIF_TEXT) && answer.pszText) {
        item.text = answer.pszText;
        item.textCallback = false;
    }
    if (fields & TVIF_IMAGE)
        item.image = answer.iImage;
    if (fields & TVIF_SELECTEDIMAGE)
        item.selectedImage = answer.iSelectedImage;
    if (fields & TVIF_CHILDREN)
        item.children = answer.cChildren;
}

} // namespace

void askDisplayInfo(HWND hwnd, TreeControl& tree, HTREEITEM handle, TVITEMW& asked)
{
    const TreeItem* item = tree.items.find(handle);
    const bool textWanted = asked.pszText && asked.cchTextMax > 0;
    const UINT fields = item ? callbackFields(*item, textWanted ? asked.mask : asked.mask & ~TVIF_TEXT) : 0;
    if (!fields)
        return;
    NMTVDISPINFOW info {};
    info.item.mask = fields;
    info.item.hItem = handle;
    info.item.state = item->state;
    info.item.stateMask = 0xFFFF;
    info.item.lParam = item->lParam;
    if (fields & TVIF_TEXT) {
        asked.pszText[0] = 0;
        info.item.pszText = asked.pszText;
        info.item.cchTextMax = asked.cchTextMax;
    }
    notifyParent(hwnd, TVN_GETDISPINFOW, info.hdr);
    // The owner may have filled the buffer it was given, or pointed at text of its own.
    if ((fields & TVIF_TEXT) && info.item.pszText != asked.pszText)
        copyToBuffer(textOf(info.item.pszText), asked.pszText, asked.cchTextMax);
    if (fields & TVIF_IMAGE)
        asked.iImage = info.item.iImage;
    if (fields & TVIF_SELECTEDIMAGE)
        asked.iSelectedImage = info.item.iSelectedImage;
    if (fields & TVIF_CHILDREN)
        asked.cChildren = info.item.cChildren;
    TreeItem* kept = tree.items.find(handle);
    if (kept && (info.item.mask & TVIF_DI_SETITEM)) {
        info.item.pszText = asked.pszText;
        keepAnswer(*kept, info.item, fields);
    }
}

std::u16string displayText(HWND hwnd, TreeControl& tree, HTREEITEM handle)
{
    const TreeItem* item = tree.items.find(handle);
    if (!item)
        return {};
    if (!item->textCallback)
        return item->text;
    WCHAR buffer[MAX_PATH] {};
    TVITEMW asked {};
    asked.mask = TVIF_TEXT;
    asked.pszText = buffer;
    asked.cchTextMax = MAX_PATH;
    askDisplayInfo(hwnd, tree, handle, asked);
    return buffer;
}

bool hasChildren(HWND hwnd, TreeControl& tree, HTREEITEM handle)
{
    const TreeItem* item = tree.items.find(handle);
    if (!item)
        return false;
    if (item->firstChild)
        return true; // real children show whatever cChildren says
    if (item->children == childrenFromItems)
        return false;
    if (item->children != I_CHILDRENCALLBACK)
        return item->children != 0;
    TVITEMW asked {};
    asked.mask = TVIF_CHILDREN;
    askDisplayInfo(hwnd, tree, handle, asked);
    return asked.cChildren != 0;
}

} // namespace ce::gwes
