// The recording parent of the list view tests.
#include "ListTestSupport.h"

#include <ostream>

namespace listview_test {

std::ostream& operator<<(std::ostream& out, const Notice& n)
{
    return out << "{code " << static_cast<int>(n.code) << ", item " << n.item << ", sub " << n.subItem << ", new 0x"
               << std::hex << n.newState << ", old 0x" << n.oldState << ", changed 0x" << n.changed << ", stage 0x"
               << n.stage << std::dec << "}";
}

NoticeLog& NoticeLog::instance()
{
    static NoticeLog log;
    return log;
}

std::vector<Notice> NoticeLog::take(const std::vector<UINT>& codes)
{
    std::vector<Notice> kept;
    for (const Notice& notice : m_notices) {
        if (codes.empty() || std::find(codes.begin(), codes.end(), notice.code) != codes.end())
            kept.push_back(notice);
    }
    m_notices.clear();
    return kept;
}

namespace {

Notice decode(NMHDR* header)
{
    Notice notice {header->code};
    switch (header->code) {
    case NM_CLICK:
    case NM_DBLCLK:
    case LVN_ITEMACTIVATE: {
        const auto* activate = reinterpret_cast<const NMITEMACTIVATE*>(header);
        notice.item = activate->iItem;
        notice.subItem = activate->iSubItem;
        break;
    }
    case NM_CUSTOMDRAW: {
        const auto* draw = reinterpret_cast<const NMLVCUSTOMDRAW*>(header);
        notice.stage = draw->nmcd.dwDrawStage;
        notice.item = (draw->nmcd.dwDrawStage & CDDS_ITEM) ? static_cast<int>(draw->nmcd.dwItemSpec) : 0;
        notice.subItem = (draw->nmcd.dwDrawStage & CDDS_SUBITEM) ? draw->iSubItem : 0;
        break;
    }
    case LVN_KEYDOWN:
        notice.item = reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey;
        break;
    case LVN_GETDISPINFOW: {
        const auto* info = reinterpret_cast<const NMLVDISPINFOW*>(header);
        notice.item = info->item.iItem;
        notice.subItem = info->item.iSubItem;
        notice.changed = info->item.mask;
        break;
    }
    case LVN_ODCACHEHINT: {
        const auto* hint = reinterpret_cast<const NMLVCACHEHINT*>(header);
        notice.item = hint->iFrom;
        notice.subItem = hint->iTo;
        break;
    }
    case LVN_ODFINDITEMW:
        notice.item = reinterpret_cast<const NMLVFINDITEMW*>(header)->iStart;
        break;
    case LVN_ITEMCHANGING:
    case LVN_ITEMCHANGED:
    case LVN_INSERTITEM:
    case LVN_DELETEITEM:
    case LVN_DELETEALLITEMS:
    case LVN_COLUMNCLICK: {
        const auto* list = reinterpret_cast<const NMLISTVIEW*>(header);
        notice = {header->code, list->iItem, list->iSubItem, list->uNewState, list->uOldState, list->uChanged};
        break;
    }
    default:
        if (header->code >= HDN_TRACKW && header->code <= HDN_ITEMCHANGINGW)
            notice.item = reinterpret_cast<const NMHEADERW*>(header)->iItem;
        break;
    }
    return notice;
}

void giveDisplayInfo(NMLVDISPINFOW& info)
{
    NoticeLog& log = NoticeLog::instance();
    if (info.item.mask & LVIF_TEXT) {
        const std::u16string text = log.text ? log.text(info.item.iItem, info.item.iSubItem)
                                             : std::u16string(1, static_cast<char16_t>(u'0' + info.item.iItem)) +
                u"." + std::u16string(1, static_cast<char16_t>(u'0' + info.item.iSubItem));
        const size_t count = std::min(text.size(), static_cast<size_t>(info.item.cchTextMax - 1));
        std::copy_n(text.begin(), count, info.item.pszText);
        info.item.pszText[count] = 0;
    }
    if (info.item.mask & LVIF_IMAGE)
        info.item.iImage = 10 * info.item.iItem;
}

} // namespace

LRESULT parentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    NoticeLog& log = NoticeLog::instance();
    if (message == WM_DRAWITEM && log.drawItem) {
        log.drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    if (message != WM_NOTIFY)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    log.add(decode(header));
    if (header->code == LVN_GETDISPINFOW)
        giveDisplayInfo(*reinterpret_cast<NMLVDISPINFOW*>(header));
    return log.answer ? log.answer(header) : 0;
}

void ListFixture::SetUp()
{
    WNDCLASSW wc {};
    wc.lpfnWndProc = parentProc;
    wc.lpszClassName = u"ListParent";
    ASSERT_NE(RegisterClassW(&wc), 0);
    parent = CreateWindowExW(0, u"ListParent", u"", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    list = makeList(LVS_REPORT);
    ASSERT_NE(list, nullptr);
}

void ListFixture::TearDown()
{
    NoticeLog& log = NoticeLog::instance();
    log.answer = nullptr;
    log.text = nullptr;
    log.drawItem = nullptr;
    if (parent)
        DestroyWindow(parent);
    log.take();
}

HWND ListFixture::makeList(DWORD style, DWORD exStyle)
{
    if (list)
        DestroyWindow(list);
    list = CreateWindowExW(0, WC_LISTVIEWW, u"", WS_CHILD | WS_VISIBLE | style, 0, 0, width, height, parent,
        reinterpret_cast<HMENU>(static_cast<intptr_t>(listId)), nullptr, nullptr);
    if (exStyle)
        ListView_SetExtendedListViewStyle(list, exStyle);
    NoticeLog::instance().take();
    return list;
}

void ListFixture::addColumns(std::initializer_list<int> widths)
{
    int index = 0;
    for (int cx : widths) {
        LVCOLUMNW column {};
        column.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        std::u16string title = u"Col";
        title += static_cast<char16_t>(u'0' + index);
        column.pszText = title.data();
        column.cx = cx;
        column.iSubItem = index;
        ASSERT_EQ(ListView_InsertColumn(list, index, &column), index);
        ++index;
    }
    NoticeLog::instance().take();
}

void ListFixture::addItems(std::initializer_list<const char16_t*> labels)
{
    for (const char16_t* label : labels) {
        LVITEMW item {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = ListView_GetItemCount(list);
        item.pszText = const_cast<LPWSTR>(label);
        item.lParam = 100 + item.iItem;
        ASSERT_GE(ListView_InsertItem(list, &item), 0);
    }
    NoticeLog::instance().take();
}

void ListFixture::addItems(int count)
{
    for (int i = 0; i < count; ++i) {
        std::u16string label = u"item ";
        label += static_cast<char16_t>(u'A' + i);
        addItems({label.c_str()});
    }
}

std::u16string ListFixture::textOf(int item, int subItem)
{
    WCHAR buffer[64] {};
    const int length = ListView_GetItemText(list, item, subItem, buffer, 64);
    return std::u16string(buffer, static_cast<size_t>(length));
}

void ListFixture::tap(int x, int y)
{
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void ListFixture::doubleTap(int x, int y)
{
    tap(x, y);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void ListFixture::key(WPARAM vk)
{
    SendMessageW(list, WM_KEYDOWN, vk, 1);
    SendMessageW(list, WM_KEYUP, vk, 1);
}

void ListFixture::paintNow()
{
    UpdateWindow(list);
}

} // namespace listview_test
