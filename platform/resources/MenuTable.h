// The device's menus: handles to lists of items, a popup item owning the menu it opens. One lock
// guards them all; the menu calls hold it for the whole call (menus never call into the kernel).
#pragma once

#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "winuser.h"

namespace ce {

struct MenuItem {
    UINT flags = 0;       // MF_* of type and state; MF_POPUP when `popup` is set
    UINT id = 0;
    HMENU popup = nullptr;
    std::u16string text;
    ULONG_PTR data = 0;
};

struct Menu {
    std::vector<MenuItem> items;
    HMENU owner = nullptr; // the menu whose popup item opens this one
};

// Where an item was found: the menu that holds it (a popup of the one asked, for MF_BYCOMMAND)
// and its position there.
struct MenuItemPlace {
    Menu* menu = nullptr;
    HMENU handle = nullptr;
    size_t position = 0;

    MenuItem& item() const { return menu->items[position]; }
};

class MenuTable {
public:
    static MenuTable& instance();

    // The table's lock; every other member is called with it held.
    std::unique_lock<std::mutex> hold() { return std::unique_lock(lock_); }

    HMENU create();
    Menu* find(HMENU handle);
    // The item `item` names by MF_BYPOSITION or MF_BYCOMMAND (searching popups too); an empty
    // place when there is none.
    MenuItemPlace locate(HMENU handle, UINT item, UINT flags);
    // Whether `popup` may become a popup of `menu`: a menu of its own that no other item opens
    // and that does not contain `menu`.
    bool canAdopt(HMENU menu, HMENU popup);
    // Frees the menu and the popups it owns.
    void destroy(HMENU handle);
    void clear();

private:
    std::mutex lock_;
    std::unordered_map<HMENU, Menu> menus_;
    ULONG_PTR lastHandle_ = 0;
};

} // namespace ce
