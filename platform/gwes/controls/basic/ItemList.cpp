// Items of the list box and the combo box.
#include "ItemList.h"

#include <algorithm>
#include <cstring>

#include "ControlBasics.h"
#include "gwes/controls/TextBuffer.h"
#include "cewchar.h"

namespace ce::gwes::basic {
namespace {

// The item that adding or inserting lParam makes, or none for a null text.
std::optional<ListItem> itemOf(LPARAM lParam, ItemRules rules)
{
    if (!rules.hasStrings)
        return ListItem {u"", lParam};
    const auto* text = reinterpret_cast<const WCHAR*>(lParam);
    return text ? std::optional<ListItem>(ListItem {text, 0}) : std::nullopt;
}

LRESULT insertAt(ItemList& list, int index, ListItem item)
{
    list.items.insert(list.items.begin() + index, std::move(item));
    if (list.selected >= index)
        ++list.selected;
    return index;
}

LRESULT add(ItemList& list, LPARAM lParam, ItemRules rules)
{
    auto item = itemOf(lParam, rules);
    if (!item)
        return LB_ERR;
    if (!rules.sorted || !rules.hasStrings)
        return insertAt(list, list.count(), std::move(*item));
    const auto after = std::upper_bound(list.items.begin(), list.items.end(), item->text,
        [](const std::u16string& t, const ListItem& other) { return _wcsicmp(t.c_str(), other.text.c_str()) < 0; });
    return insertAt(list, static_cast<int>(after - list.items.begin()), std::move(*item));
}

LRESULT insert(ItemList& list, WPARAM wParam, LPARAM lParam, ItemRules rules)
{
    const auto index = static_cast<INT>(wParam);
    auto item = itemOf(lParam, rules);
    if (!item || index < -1 || index > list.count())
        return LB_ERR;
    return insertAt(list, index == -1 ? list.count() : index, std::move(*item));
}

LRESULT remove(ItemList& list, WPARAM wParam)
{
    if (!list.isValid(wParam))
        return LB_ERR;
    const auto index = static_cast<int>(wParam);
    list.items.erase(list.items.begin() + index);
    if (list.selected == index)
        list.selected = -1;
    else if (list.selected > index)
        --list.selected;
    list.top = std::max(0, std::min(list.top, list.count() - 1));
    return list.count();
}

LRESULT getText(const ItemList& list, WPARAM index, LPWSTR buffer, ItemRules rules)
{
    if (!list.isValid(index) || !buffer)
        return LB_ERR;
    if (!rules.hasStrings) {
        const auto data = static_cast<ULONG_PTR>(list.items[index].data);
        std::memcpy(buffer, &data, sizeof(data));
        return sizeof(data);
    }
    const std::u16string& text = list.items[index].text;
    return copyToBuffer(text, buffer, static_cast<int>(text.size() + 1));
}

LRESULT textLength(const ItemList& list, WPARAM index, ItemRules rules)
{
    if (!list.isValid(index))
        return LB_ERR;
    return rules.hasStrings ? static_cast<LRESULT>(list.items[index].text.size()) : sizeof(ULONG_PTR);
}

// The first item after `start` (wrapping round) that `matches`, or -1.
template <typename Match> int findFrom(const ItemList& list, int start, Match matches)
{
    const int count = list.count();
    const int first = (start < 0 || start >= count) ? 0 : start + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        if (matches(list.items[static_cast<size_t>(index)]))
            return index;
    }
    return -1;
}

LRESULT find(const ItemList& list, WPARAM start, LPARAM lParam, bool exact, ItemRules rules)
{
    if (rules.hasStrings)
        return findItem(list, static_cast<INT>(start), reinterpret_cast<const WCHAR*>(lParam), exact);
    return findFrom(list, static_cast<INT>(start), [lParam](const ListItem& item) { return item.data == lParam; });
}

struct ItemMessage {
    UINT listBox;
    UINT comboBox;
    ItemRequest request;
};

constexpr ItemMessage itemMessages[] = {
    {LB_ADDSTRING, CB_ADDSTRING, ItemRequest::Add},
    {LB_INSERTSTRING, CB_INSERTSTRING, ItemRequest::Insert},
    {LB_DELETESTRING, CB_DELETESTRING, ItemRequest::Delete},
    {LB_RESETCONTENT, CB_RESETCONTENT, ItemRequest::Reset},
    {LB_GETCOUNT, CB_GETCOUNT, ItemRequest::Count},
    {LB_GETTEXT, CB_GETLBTEXT, ItemRequest::GetText},
    {LB_GETTEXTLEN, CB_GETLBTEXTLEN, ItemRequest::GetTextLength},
    {LB_FINDSTRING, CB_FINDSTRING, ItemRequest::Find},
    {LB_FINDSTRINGEXACT, CB_FINDSTRINGEXACT, ItemRequest::FindExact},
    {LB_GETITEMDATA, CB_GETITEMDATA, ItemRequest::GetData},
    {LB_SETITEMDATA, CB_SETITEMDATA, ItemRequest::SetData},
};

} // namespace

ItemRules itemRulesOf(HWND hwnd, bool combo)
{
    const DWORD style = styleOf(hwnd);
    const bool ownerDrawn
        = style & (combo ? CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE : LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE);
    const bool hasStrings = !ownerDrawn || (style & (combo ? CBS_HASSTRINGS : LBS_HASSTRINGS));
    return {(style & (combo ? CBS_SORT : LBS_SORT)) != 0, hasStrings, ownerDrawn};
}

std::optional<ItemRequest> itemRequestOf(UINT message, bool combo)
{
    for (const ItemMessage& m : itemMessages) {
        if (message == (combo ? m.comboBox : m.listBox))
            return m.request;
    }
    return std::nullopt;
}

LRESULT answerItemRequest(ItemList& list, ItemRequest request, WPARAM wParam, LPARAM lParam, ItemRules rules)
{
    switch (request) {
    case ItemRequest::Add:
        return add(list, lParam, rules);
    case ItemRequest::Insert:
        return insert(list, wParam, lParam, rules);
    case ItemRequest::Delete:
        return remove(list, wParam);
    case ItemRequest::Reset:
        list.items.clear();
        list.selected = -1;
        list.top = 0;
        return 0;
    case ItemRequest::Count:
        return list.count();
    case ItemRequest::GetText:
        return getText(list, wParam, reinterpret_cast<LPWSTR>(lParam), rules);
    case ItemRequest::GetTextLength:
        return textLength(list, wParam, rules);
    case ItemRequest::Find:
    case ItemRequest::FindExact:
        return find(list, wParam, lParam, request == ItemRequest::FindExact, rules);
    case ItemRequest::GetData:
        return list.isValid(wParam) ? list.items[wParam].data : LB_ERR;
    case ItemRequest::SetData:
        if (!list.isValid(wParam))
            return LB_ERR;
        list.items[wParam].data = lParam;
        return TRUE;
    }
    return LB_ERR;
}

int findItem(const ItemList& list, int start, const WCHAR* text, bool exact)
{
    if (!text)
        return -1;
    const size_t length = std::char_traits<WCHAR>::length(text);
    return findFrom(list, start, [&](const ListItem& item) {
        return exact ? _wcsicmp(item.text.c_str(), text) == 0 : _wcsnicmp(item.text.c_str(), text, length) == 0;
    });
}

int rowForKey(const ItemList& list, WPARAM key, int rows)
{
    const int last = list.count() - 1;
    if (last < 0)
        return -1;
    const int from = list.selected;
    const int page = std::max(1, rows - 1);
    switch (key) {
    case VK_UP:
        return from < 0 ? 0 : std::max(0, from - 1);
    case VK_DOWN:
        return from < 0 ? 0 : std::min(last, from + 1);
    case VK_PRIOR:
        return std::max(0, from - page);
    case VK_NEXT:
        return std::min(last, std::max(from, 0) + page);
    case VK_HOME:
        return 0;
    case VK_END:
        return last;
    default:
        return -1;
    }
}

int rowForCharacter(const ItemList& list, WCHAR c)
{
    const WCHAR prefix[] = {c, 0};
    return c < 0x20 ? -1 : findItem(list, list.selected, prefix, false);
}

void scrollTo(ItemList& list, int index, int rows)
{
    list.top = std::max(0, std::min(index, list.count() - rows));
}

void ensureVisible(ItemList& list, int index, int rows)
{
    if (index < 0)
        return;
    if (index < list.top)
        scrollTo(list, index, rows);
    else if (index >= list.top + rows)
        scrollTo(list, index - rows + 1, rows);
}

} // namespace ce::gwes::basic
