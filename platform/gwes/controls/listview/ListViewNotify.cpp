// Notifications from a list view to its parent, and the LVN_GETDISPINFOW questions.
#include "ListViewNotify.h"

#include "gwes/controls/TextBuffer.h"
#include "gwes/controls/ControlNotify.h"

namespace ce::gwes {
namespace {

// Room the parent gets for a callback text.
constexpr int dispTextCapacity = 1024;

LPARAM paramOf(const ListView& lv, int item)
{
    return lv.valid(item) ? lv.items[static_cast<size_t>(item)].param : 0;
}

// Asks the parent for the parts of `mask`; the answer in `info.item`.
void askParent(ListView& lv, NMLVDISPINFOW& info, UINT mask, int item, int subItem, std::u16string& buffer,
    UINT stateMask = 0)
{
    info = {};
    info.item.mask = mask;
    info.item.stateMask = stateMask;
    info.item.iItem = item;
    info.item.iSubItem = subItem;
    info.item.lParam = paramOf(lv, item);
    if (mask & LVIF_TEXT) {
        buffer.assign(dispTextCapacity, u'\0');
        info.item.pszText = buffer.data();
        info.item.cchTextMax = dispTextCapacity;
    }
    notifyParent(lv.self, LVN_GETDISPINFOW, info.hdr);
}

} // namespace

LRESULT notifyList(ListView& lv, UINT code, int item, int subItem, UINT newState, UINT oldState, UINT changed,
    POINT action)
{
    NMLISTVIEW notice {};
    notice.iItem = item;
    notice.iSubItem = subItem;
    notice.uNewState = newState;
    notice.uOldState = oldState;
    notice.uChanged = changed;
    notice.ptAction = action;
    notice.lParam = paramOf(lv, item);
    return notifyParent(lv.self, code, notice.hdr);
}

LRESULT notifyActivate(ListView& lv, UINT code, int item, int subItem, POINT action)
{
    NMITEMACTIVATE notice {};
    notice.iItem = item;
    notice.iSubItem = subItem;
    notice.ptAction = action;
    notice.lParam = paramOf(lv, item);
    return notifyParent(lv.self, code, notice.hdr);
}

LRESULT notifyPlain(ListView& lv, UINT code)
{
    NMHDR notice {};
    return notifyParent(lv.self, code, notice);
}

bool parentKeeps(const ListView& lv, int item, int subItem, UINT part)
{
    if (lv.ownerData())
        return true;
    const ListItem& record = lv.items[static_cast<size_t>(item)];
    if (part == LVIF_IMAGE)
        return subItem == 0 && record.image == I_IMAGECALLBACK;
    const auto cell = static_cast<size_t>(subItem);
    return cell < record.cells.size() && record.cells[cell].callback;
}

std::u16string cellText(ListView& lv, int item, int subItem)
{
    if (!lv.valid(item))
        return {};
    if (!parentKeeps(lv, item, subItem, LVIF_TEXT)) {
        const auto& cells = lv.items[static_cast<size_t>(item)].cells;
        const auto cell = static_cast<size_t>(subItem);
        return cell < cells.size() ? cells[cell].text : std::u16string();
    }
    NMLVDISPINFOW info;
    std::u16string buffer;
    askParent(lv, info, LVIF_TEXT, item, subItem, buffer);
    std::u16string text(textOf(info.item.pszText == LPSTR_TEXTCALLBACKW ? nullptr : info.item.pszText));
    // LVIF_DI_SETITEM: the list keeps the answer and stops asking.
    if ((info.item.mask & LVIF_DI_SETITEM) && !lv.ownerData() && lv.valid(item)) {
        auto& cells = lv.items[static_cast<size_t>(item)].cells;
        if (static_cast<size_t>(subItem) < cells.size())
            cells[static_cast<size_t>(subItem)] = {text, false};
    }
    return text;
}

int itemImage(ListView& lv, int item)
{
    if (!lv.valid(item))
        return I_IMAGENONE;
    if (!parentKeeps(lv, item, 0, LVIF_IMAGE))
        return lv.items[static_cast<size_t>(item)].image;
    NMLVDISPINFOW info;
    std::u16string buffer;
    askParent(lv, info, LVIF_IMAGE, item, 0, buffer);
    if ((info.item.mask & LVIF_DI_SETITEM) && !lv.ownerData() && lv.valid(item))
        lv.items[static_cast<size_t>(item)].image = info.item.iImage;
    return info.item.iImage;
}

UINT callbackState(ListView& lv, int item, UINT mask)
{
    const UINT asked = mask & lv.callbackMask;
    if (!asked || !lv.valid(item))
        return 0;
    NMLVDISPINFOW info;
    std::u16string buffer;
    askParent(lv, info, LVIF_STATE, item, 0, buffer, asked);
    return info.item.state & asked;
}

} // namespace ce::gwes
