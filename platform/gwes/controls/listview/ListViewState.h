// The state of one SysListView32: its items with their sub-item texts, its columns (which the
// header child mirrors), styles, colours and image lists, and where it is scrolled to.
#pragma once

#include <string>
#include <vector>

#include "ListMetrics.h"
#include "commctrl.h"

namespace ce::gwes {

struct ListCell {
    std::u16string text;
    bool callback = false; // LPSTR_TEXTCALLBACKW: the parent gives the text (LVN_GETDISPINFOW)
};

struct ListItem {
    std::vector<ListCell> cells; // [0] the item's label, then the columns' sub-items
    int image = 0;
    LPARAM param = 0;
    UINT state = 0;
    int indent = 0;
};

// A column's data sits at its index in each item's cells: inserting or deleting a column moves
// the sub-items after it, as on the device.
struct ListColumn {
    std::u16string text;
    int width = 0;
    int fmt = LVCFMT_LEFT;
    int subItem = 0;
    int image = 0;
};

struct ListView {
    HWND self = nullptr;
    HWND header = nullptr;
    std::vector<ListItem> items; // owner-data lists keep states only; the parent has the rest
    std::vector<ListColumn> columns;
    std::vector<int> order; // column indexes, left to right
    DWORD exStyle = 0;
    HIMAGELIST imageLists[3] {}; // LVSIL_NORMAL, LVSIL_SMALL, LVSIL_STATE
    HIMAGELIST ownStateImages = nullptr; // made for LVS_EX_CHECKBOXES
    COLORREF background = GetSysColor(COLOR_WINDOW);
    COLORREF textColor = GetSysColor(COLOR_WINDOWTEXT);
    COLORREF textBackground = GetSysColor(COLOR_WINDOW);
    UINT callbackMask = 0;
    HFONT font = nullptr;
    int topIndex = 0;
    int selectionMark = -1;
    bool focused = false;     // the control has the keyboard focus
    bool stylusDown = false;  // a tap began on the control
    int thumbGrab = -1;       // while the scroll bar's thumb is dragged: where it was taken, from its top
    bool destroying = false;

    DWORD style() const { return static_cast<DWORD>(GetWindowLongW(self, GWL_STYLE)); }
    bool ownerData() const { return style() & LVS_OWNERDATA; }
    int count() const { return static_cast<int>(items.size()); }
    bool valid(int index) const { return index >= 0 && index < count(); }
};

} // namespace ce::gwes
