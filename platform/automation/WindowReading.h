// Reading what windows show, through their own messages: texts, list rows, tree items, the
// items of combo and list boxes, and a printable dump of a window and its controls.
#pragma once

#include <string>
#include <vector>

#include "commctrl.h"

namespace ce::automation {

std::u16string windowText(HWND hwnd);
std::u16string classOf(HWND hwnd);
bool isClass(HWND hwnd, const char16_t* name);

// The shown descendants of a window, depth first in z-order.
std::vector<HWND> shownDescendants(HWND hwnd);

struct ListRow {
    int index = 0;
    std::vector<std::u16string> columns;
    UINT state = 0; // LVIS_* with the state image index
};
std::vector<ListRow> listRows(HWND list);

struct TreeItem {
    HTREEITEM item = nullptr;
    int level = 0;
    std::u16string text;
    UINT state = 0; // TVIS_* with the state image index
};
// Every item, collapsed ones too, in display order.
std::vector<TreeItem> treeItems(HWND tree);

// The entries of a COMBOBOX or LISTBOX.
std::vector<std::u16string> boxItems(HWND box);

// Every text the window shows: its title, its controls' texts, rows, items and entries.
std::vector<std::u16string> shownTexts(HWND hwnd);
bool holdsText(HWND hwnd, const std::u16string& text);

// One line per control (UTF-8), rows and items indented under their control.
std::string dumpWindow(HWND hwnd);

} // namespace ce::automation
