// The items of a list box or of a combo box's list: texts with their data, the selection and
// the first visible row. Both controls answer their item messages through answerItemRequest,
// with the list box's conventions (LB_ERR and CB_ERR are both -1). An owner-drawn list without
// LBS_HASSTRINGS/CBS_HASSTRINGS holds only data: what would be an item's text is its data.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "BasicMetrics.h"
#include "windows.h"

namespace ce::gwes::basic {

struct ListItem {
    std::u16string text;
    LPARAM data = 0;
    bool selected = false; // in a multiple-selection list
};

struct ItemList {
    std::vector<ListItem> items;
    int selected = -1; // the selected row; in a multiple-selection list the focused row
    int top = 0; // the first visible row
    int itemHeight = listRowHeight();
    bool multiple = false; // each row is selected or not on its own

    int count() const { return static_cast<int>(items.size()); }
    bool isValid(WPARAM index) const { return static_cast<INT>(index) >= 0 && static_cast<INT>(index) < count(); }
    bool isSelected(int index) const
    {
        return multiple ? items[static_cast<size_t>(index)].selected : index == selected;
    }
};

// How a control keeps its items.
struct ItemRules {
    bool sorted = false; // by text, any case (data-only items are not sorted)
    bool hasStrings = true; // false: lParam of adding and finding is the item's data
    bool ownerDrawn = false;
};

// The rules a list box's (LBS_*) or combo box's (CBS_*) style sets.
ItemRules itemRulesOf(HWND hwnd, bool combo);

enum class ItemRequest {
    Add, // lParam: text; kept in order when sorted
    Insert, // wParam: index (-1: at the end), lParam: text
    Delete, // wParam: index; the items left
    Reset,
    Count,
    GetText, // wParam: index, lParam: buffer large enough (for data-only items, a ULONG_PTR)
    GetTextLength, // wParam: index
    Find, // wParam: the index after which to start (-1: from the top), lParam: a prefix
    FindExact, // as Find, for the whole text
    GetData, // wParam: index
    SetData, // wParam: index, lParam: data
};

// The request an item message of a list box (LB_*) or a combo box (CB_*) makes, if it is one.
std::optional<ItemRequest> itemRequestOf(UINT message, bool combo);

LRESULT answerItemRequest(ItemList& list, ItemRequest request, WPARAM wParam, LPARAM lParam, ItemRules rules);

// The first item after `start` (wrapping round) whose text begins with, or for `exact` is,
// `text` in any case; -1 when none is.
int findItem(const ItemList& list, int start, const WCHAR* text, bool exact);

// The row a navigation key (arrows, Home, End, page keys) moves the selection to among `rows`
// visible rows, or -1 for another key or an empty list.
int rowForKey(const ItemList& list, WPARAM key, int rows);
// The row a typed character selects: the next whose text begins with it, or -1.
int rowForCharacter(const ItemList& list, WCHAR c);

// Makes `index` the first visible row, or as near as keeps `rows` rows filled.
void scrollTo(ItemList& list, int index, int rows);
// Scrolls as little as shows `index` among `rows` visible rows.
void ensureVisible(ItemList& list, int index, int rows);

} // namespace ce::gwes::basic
