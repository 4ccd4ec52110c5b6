// The state of one SysHeader32: its items in index order, the order they are shown in, and
// what the stylus holds.
#pragma once

#include <string>
#include <vector>

#include "commctrl.h"

namespace ce::gwes {

struct HeaderItem {
    std::u16string text;
    int width = 0;
    int fmt = 0;
    LPARAM param = 0;
    int image = 0;
    HBITMAP bitmap = nullptr;
};

struct Header {
    std::vector<HeaderItem> items;
    std::vector<int> order; // item indexes, left to right
    HIMAGELIST images = nullptr;
    HFONT font = nullptr;
    int pressed = -1; // the item the stylus went down on
    int tracking = -1; // the item whose divider the stylus holds
};

// An item's place in the header's client area; empty for an item not shown.
RECT headerItemRect(HWND hwnd, const Header& header, int index);

} // namespace ce::gwes
