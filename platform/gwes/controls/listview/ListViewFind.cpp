// Searching and sorting a list view's items.
#include "ListViewFind.h"

#include <algorithm>
#include <numeric>

#include "ListViewNotify.h"
#include "gwes/controls/TextBuffer.h"
#include "gwes/controls/ControlNotify.h"

namespace ce::gwes {
namespace {

bool matches(ListView& lv, int item, const LVFINDINFOW& find)
{
    if (find.flags & LVFI_PARAM)
        return lv.items[static_cast<size_t>(item)].param == find.lParam;
    const std::u16string text = cellText(lv, item, 0);
    const std::u16string_view wanted = textOf(find.psz);
    if (find.flags & LVFI_PARTIAL)
        return text.size() >= wanted.size() && _wcsnicmp(text.c_str(), find.psz, wanted.size()) == 0;
    return _wcsicmp(text.c_str(), find.psz) == 0;
}

// Owner-data lists leave the search to their parent.
LRESULT askParentToFind(ListView& lv, int first, const LVFINDINFOW& find)
{
    NMLVFINDITEMW notice {};
    notice.iStart = first;
    notice.lvfi = find;
    return notifyParent(lv.self, LVN_ODFINDITEMW, notice.hdr);
}

} // namespace

LRESULT findItem(ListView& lv, int start, const LVFINDINFOW* find)
{
    if (!find || !(find->flags & (LVFI_PARAM | LVFI_STRING | LVFI_PARTIAL)))
        return -1;
    if (!(find->flags & LVFI_PARAM) && !find->psz)
        return -1;
    const int first = std::max(start + 1, 0);
    if (lv.ownerData())
        return askParentToFind(lv, first, *find);
    for (int i = first; i < lv.count(); ++i) {
        if (matches(lv, i, *find))
            return i;
    }
    if (find->flags & LVFI_WRAP) {
        for (int i = 0; i < std::min(first, lv.count()); ++i) {
            if (matches(lv, i, *find))
                return i;
        }
    }
    return -1;
}

LRESULT sortItems(ListView& lv, LPARAM sortParam, PFNLVCOMPARE compare, bool byIndex)
{
    if (!compare || lv.ownerData())
        return FALSE;
    // The items stay in place while the parent compares, so the indexes it is given (and any
    // LVM_GETITEM it sends meanwhile) stay true until the new order is put in at the end.
    const size_t count = lv.items.size();
    std::vector<size_t> order(count);
    std::iota(order.begin(), order.end(), 0);
    auto key = [&](size_t i) { return byIndex ? static_cast<LPARAM>(i) : lv.items[i].param; };
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return lv.items.size() == count && compare(key(a), key(b), sortParam) < 0;
    });
    if (lv.items.size() != count)
        return FALSE;
    std::vector<ListItem> sorted;
    sorted.reserve(count);
    int mark = -1;
    for (size_t place = 0; place < count; ++place) {
        sorted.push_back(std::move(lv.items[order[place]]));
        if (static_cast<int>(order[place]) == lv.selectionMark)
            mark = static_cast<int>(place);
    }
    lv.items = std::move(sorted);
    lv.selectionMark = mark;
    InvalidateRect(lv.self, nullptr, TRUE);
    return TRUE;
}

} // namespace ce::gwes
