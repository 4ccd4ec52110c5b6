// The menu handle table, item lookup, and freeing menus with their popups; emptied at shutdown
// and soft reset, when the processes that made the menus end.
#include "MenuTable.h"

#include "kernel/DeviceParts.h"

namespace ce {
namespace {

// Menu handles are counted from here, apart from small numbers that read as ids.
constexpr ULONG_PTR firstMenuHandle = 0x00A10000;

bool startMenus(Device&, std::string&)
{
    auto guard = MenuTable::instance().hold();
    MenuTable::instance().clear();
    return true;
}

void stopMenus()
{
    auto guard = MenuTable::instance().hold();
    MenuTable::instance().clear();
}

const DevicePartRegistration registration{{"menus", 130, startMenus, stopMenus}};

} // namespace

MenuTable& MenuTable::instance()
{
    static MenuTable table;
    return table;
}

HMENU MenuTable::create()
{
    lastHandle_ = lastHandle_ ? lastHandle_ + 4 : firstMenuHandle;
    auto handle = reinterpret_cast<HMENU>(lastHandle_);
    menus_[handle] = Menu {};
    return handle;
}

Menu* MenuTable::find(HMENU handle)
{
    auto it = menus_.find(handle);
    return it == menus_.end() ? nullptr : &it->second;
}

MenuItemPlace MenuTable::locate(HMENU handle, UINT item, UINT flags)
{
    Menu* menu = find(handle);
    if (!menu)
        return {};
    if (flags & MF_BYPOSITION)
        return item < menu->items.size() ? MenuItemPlace {menu, handle, item} : MenuItemPlace {};
    for (size_t position = 0; position < menu->items.size(); ++position) {
        const MenuItem& candidate = menu->items[position];
        if (!candidate.popup && candidate.id == item)
            return {menu, handle, position};
        if (candidate.popup) {
            if (MenuItemPlace inner = locate(candidate.popup, item, flags); inner.menu)
                return inner;
        }
    }
    return {};
}

bool MenuTable::canAdopt(HMENU menu, HMENU popup)
{
    Menu* adopted = find(popup);
    if (!adopted || adopted->owner)
        return false;
    for (HMENU ancestor = menu; ancestor; ancestor = find(ancestor) ? find(ancestor)->owner : nullptr) {
        if (ancestor == popup)
            return false;
    }
    return true;
}

void MenuTable::destroy(HMENU handle)
{
    auto it = menus_.find(handle);
    if (it == menus_.end())
        return;
    std::vector<MenuItem> items = std::move(it->second.items);
    menus_.erase(it);
    for (const MenuItem& item : items) {
        if (item.popup)
            destroy(item.popup);
    }
}

void MenuTable::clear()
{
    menus_.clear();
}

} // namespace ce
