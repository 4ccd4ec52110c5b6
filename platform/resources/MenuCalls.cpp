// The menu calls over the menu table: making, editing, reading and destroying menus, and
// LoadMenuW, which builds a menu from a module's RT_MENU resource.
#include <algorithm>
#include <cstring>

#include "MenuTable.h"
#include "ResourceLookup.h"
#include "windows.h"

namespace {

constexpr UINT stateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT;
constexpr UINT typeFlags =
    MF_SEPARATOR | MF_MENUBREAK | MF_MENUBARBREAK | MFT_RADIOCHECK | MF_RIGHTJUSTIFY | MF_BITMAP | MF_OWNERDRAW;

// Copies `text` into a caller's buffer of `size` characters as the menu calls do: as much as
// fits with its terminator; the characters copied.
UINT copyText(const std::u16string& text, LPWSTR buffer, UINT size)
{
    const UINT copied = std::min<UINT>(static_cast<UINT>(text.size()), size - 1);
    std::memcpy(buffer, text.data(), copied * sizeof(WCHAR));
    buffer[copied] = 0;
    return copied;
}

ce::MenuItem newItem(UINT flags, UINT_PTR idOrPopup, LPCWSTR content)
{
    ce::MenuItem item;
    item.flags = flags & (stateFlags | typeFlags | MF_POPUP);
    if (flags & MF_POPUP)
        item.popup = reinterpret_cast<HMENU>(idOrPopup);
    item.id = static_cast<UINT>(idOrPopup);
    if (flags & (MF_BITMAP | MF_OWNERDRAW))
        item.data = reinterpret_cast<ULONG_PTR>(content);
    else if (!(flags & MF_SEPARATOR) && content)
        item.text = content;
    return item;
}

// Whether the item was found; if not, the last error tells a bad menu handle from a missing item.
bool itemFound(ce::MenuTable& table, HMENU menu, const ce::MenuItemPlace& place)
{
    if (!place.menu)
        SetLastError(table.find(menu) ? ERROR_INVALID_PARAMETER : ERROR_INVALID_MENU_HANDLE);
    return place.menu;
}

BOOL insertItem(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, LPCWSTR content)
{
    auto& table = ce::MenuTable::instance();
    auto guard = table.hold();
    ce::MenuItemPlace place = table.locate(menu, position, flags);
    if (!place.menu && (flags & MF_BYPOSITION) && table.find(menu))
        place = {table.find(menu), menu, table.find(menu)->items.size()}; // past the end appends
    if (!itemFound(table, menu, place))
        return FALSE;
    ce::MenuItem item = newItem(flags, idOrPopup, content);
    if (flags & MF_POPUP) {
        if (!table.canAdopt(place.handle, item.popup)) {
            SetLastError(table.find(item.popup) ? ERROR_INVALID_PARAMETER : ERROR_INVALID_MENU_HANDLE);
            return FALSE;
        }
        table.find(item.popup)->owner = place.handle;
    }
    place.menu->items.insert(place.menu->items.begin() + static_cast<std::ptrdiff_t>(place.position), std::move(item));
    return TRUE;
}

BOOL removeItem(HMENU menu, UINT position, UINT flags, bool destroyPopup)
{
    auto& table = ce::MenuTable::instance();
    auto guard = table.hold();
    ce::MenuItemPlace place = table.locate(menu, position, flags);
    if (!itemFound(table, menu, place))
        return FALSE;
    const HMENU popup = place.item().popup;
    place.menu->items.erase(place.menu->items.begin() + static_cast<std::ptrdiff_t>(place.position));
    if (destroyPopup)
        table.destroy(popup);
    else if (ce::Menu* removed = table.find(popup))
        removed->owner = nullptr;
    return TRUE;
}

// Sets an item's state bits in `mask` to those in `flags`; the previous ones, or 0xFFFFFFFF.
DWORD changeState(HMENU menu, UINT item, UINT flags, UINT mask)
{
    auto& table = ce::MenuTable::instance();
    auto guard = table.hold();
    ce::MenuItemPlace place = table.locate(menu, item, flags);
    if (!itemFound(table, menu, place))
        return 0xFFFFFFFF;
    UINT& itemFlags = place.item().flags;
    const DWORD previous = itemFlags & mask;
    itemFlags = (itemFlags & ~mask) | (flags & mask);
    return previous;
}

// The items of a menu template under `menu`, each popup a new menu of the table.
void addTemplateItems(ce::MenuTable& table, HMENU menu, std::span<const CeMenuItem> items)
{
    for (const CeMenuItem& source : items) {
        ce::MenuItem item;
        item.flags = source.flags & (stateFlags | typeFlags);
        item.id = source.id;
        item.text = source.text ? source.text : u"";
        if (!source.children.empty()) {
            item.popup = table.create();
            item.flags |= MF_POPUP;
            table.find(item.popup)->owner = menu;
            addTemplateItems(table, item.popup, source.children);
        } else if (!source.text) {
            item.flags |= MF_SEPARATOR;
        }
        table.find(menu)->items.push_back(std::move(item));
    }
}

} // namespace

HMENU CreateMenu()
{
    auto& table = ce::MenuTable::instance();
    auto guard = table.hold();
    return table.create();
}

HMENU CreatePopupMenu()
{
    return CreateMenu();
}

BOOL DestroyMenu(HMENU hMenu)
{
    auto& table = ce::MenuTable::instance();
    auto guard = table.hold();
    if (!table.find(hMenu)) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    table.destroy(hMenu);
    return TRUE;
}

BOOL AppendMenuW(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem)
{
    return insertItem(hMenu, 0xFFFFFFFF, uFlags | MF_BYPOSITION, uIDNewItem, lpNewItem);
}

BOOL InsertMenuW(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem)
{
    return insertItem(hMenu, uPosition, uFlags, uIDNewItem, lpNewItem);
}

BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags)
{
    return removeItem(hMenu, uPosition, uFlags, true);
}

BOOL RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags)
{
    return removeItem(hMenu, uPosition, uFlags, false);
}

HMENU GetSubMenu(HMENU hMenu, int nPos)
{
    auto& table = ce::MenuTable::instance();
    auto guard = table.hold();
    if (!table.find(hMenu)) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return nullptr;
    }
    ce::MenuItemPlace place = nPos < 0 ? ce::MenuItemPlace {} : table.locate(hMenu, nPos, MF_BYPOSITION);
    return place.menu ? place.item().popup : nullptr;
}

DWORD EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable)
{
    return changeState(hMenu, uIDEnableItem, uEnable, MF_GRAYED | MF_DISABLED);
}

DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck)
{
    return changeState(hMenu, uIDCheckItem, uCheck, MF_CHECKED);
}

BOOL CheckMenuRadioItem(HMENU hMenu, UINT idFirst, UINT idLast, UINT idCheck, UINT uFlags)
{
    auto& table = ce::MenuTable::instance();
    auto guard = table.hold();
    ce::MenuItemPlace place = table.locate(hMenu, idCheck, uFlags);
    if (!itemFound(table, hMenu, place))
        return FALSE;
    for (size_t position = 0; position < place.menu->items.size(); ++position) {
        ce::MenuItem& item = place.menu->items[position];
        const UINT key = (uFlags & MF_BYPOSITION) ? static_cast<UINT>(position) : item.id;
        if (position == place.position)
            item.flags |= MF_CHECKED | MFT_RADIOCHECK;
        else if (key >= idFirst && key <= idLast && !item.popup)
            item.flags &= ~(MF_CHECKED | MFT_RADIOCHECK);
    }
    return TRUE;
}

int GetMenuItemCount(HMENU hMenu)
{
    auto& table = ce::MenuTable::instance();
    auto guard = table.hold();
    const ce::Menu* menu = table.find(hMenu);
    if (!menu) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return -1;
    }
    return static_cast<int>(menu->items.size());
}

UINT GetMenuItemID(HMENU hMenu, int nPos)
{
    auto& table = ce::MenuTable::instance();
    auto guard = table.hold();
    if (!table.find(hMenu)) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return 0xFFFFFFFF;
    }
    ce::MenuItemPlace place = nPos < 0 ? ce::MenuItemPlace {} : table.locate(hMenu, nPos, MF_BYPOSITION);
    return place.menu && !place.item().popup ? place.item().id : 0xFFFFFFFF;
}

int GetMenuStringW(HMENU hMenu, UINT uIDItem, LPWSTR lpString, int nMaxCount, UINT uFlag)
{
    auto& table = ce::MenuTable::instance();
    auto guard = table.hold();
    ce::MenuItemPlace place = table.locate(hMenu, uIDItem, uFlag);
    if (!itemFound(table, hMenu, place))
        return 0;
    const std::u16string& text = place.item().text;
    if (!lpString || nMaxCount <= 0)
        return static_cast<int>(text.size());
    return static_cast<int>(copyText(text, lpString, static_cast<UINT>(nMaxCount)));
}

BOOL GetMenuItemInfoW(HMENU hMenu, UINT uItem, BOOL fByPosition, LPMENUITEMINFOW lpmii)
{
    if (!lpmii || lpmii->cbSize != sizeof(MENUITEMINFOW)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto& table = ce::MenuTable::instance();
    auto guard = table.hold();
    ce::MenuItemPlace place = table.locate(hMenu, uItem, fByPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    if (!itemFound(table, hMenu, place))
        return FALSE;
    const ce::MenuItem& item = place.item();
    if (lpmii->fMask & MIIM_STATE)
        lpmii->fState = item.flags & stateFlags;
    if (lpmii->fMask & MIIM_ID)
        lpmii->wID = item.id;
    if (lpmii->fMask & MIIM_SUBMENU)
        lpmii->hSubMenu = item.popup;
    if (lpmii->fMask & MIIM_CHECKMARKS)
        lpmii->hbmpChecked = lpmii->hbmpUnchecked = nullptr;
    if (lpmii->fMask & MIIM_DATA)
        lpmii->dwItemData = item.data;
    if (lpmii->fMask & MIIM_TYPE) {
        lpmii->fType = item.flags & typeFlags;
        if (!(item.flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW))) {
            const bool fits = lpmii->dwTypeData && lpmii->cch;
            lpmii->cch = fits ? copyText(item.text, lpmii->dwTypeData, lpmii->cch) : static_cast<UINT>(item.text.size());
        }
    }
    return TRUE;
}

HMENU LoadMenuW(HINSTANCE hInstance, LPCWSTR lpMenuName)
{
    const CeResource* entry = ce::findModuleResource(hInstance, lpMenuName, RT_MENU);
    if (!entry)
        return nullptr;
    std::span<const CeMenuItem> items = ce::resourceItems<CeMenuItem>(*entry);
    if (items.empty()) {
        SetLastError(ERROR_INVALID_DATA);
        return nullptr;
    }
    auto& table = ce::MenuTable::instance();
    auto guard = table.hold();
    HMENU menu = table.create();
    addTemplateItems(table, menu, items);
    return menu;
}
