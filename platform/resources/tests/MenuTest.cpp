// Menus as data: LoadMenuW's tree from a module's template, edits through the menu calls, and
// bad handles and items.
#include <string>

#include "ResourceImage.h"
#include "TestResourceIds.h"

namespace {

std::u16string menuString(HMENU menu, UINT item, UINT flags)
{
    WCHAR buffer[64] = {};
    GetMenuStringW(menu, item, buffer, 64, flags);
    return buffer;
}

MENUITEMINFOW itemInfo(UINT mask)
{
    MENUITEMINFOW info {};
    info.cbSize = sizeof info;
    info.fMask = mask;
    return info;
}

// The ids of a menu's items in order, in one string ("1001,1002,-,-1" with "-" for separators
// and -1 for popups) so a failure shows the whole menu.
std::string itemIds(HMENU menu)
{
    std::string ids;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW info = itemInfo(MIIM_TYPE);
        GetMenuItemInfoW(menu, i, TRUE, &info);
        ids += (ids.empty() ? "" : ",") +
            ((info.fType & MFT_SEPARATOR) ? std::string("-") : std::to_string(static_cast<int>(GetMenuItemID(menu, i))));
    }
    return ids;
}

using LoadMenuTest = ResourceImageTest;

TEST_F(LoadMenuTest, BuildsTheTemplatesTree)
{
    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(IDR_MAIN_MENU));
    ASSERT_NE(menu, nullptr) << GetLastError();
    EXPECT_EQ(itemIds(menu), "-1,-1,1020");
    EXPECT_EQ(menuString(menu, 1, MF_BYPOSITION), u"&View");
    EXPECT_EQ(menuString(menu, IDM_ABOUT, MF_BYCOMMAND), u"&About");

    HMENU file = GetSubMenu(menu, 0);
    HMENU view = GetSubMenu(menu, 1);
    ASSERT_NE(file, nullptr);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(GetSubMenu(menu, 2), nullptr);
    EXPECT_EQ(itemIds(file), "1001,1002,-,1003");
    EXPECT_EQ(menuString(file, 3, MF_BYPOSITION), u"E&xit");
    HMENU zoom = GetSubMenu(view, 1);
    EXPECT_EQ(itemIds(zoom), "1011,1012");

    // States from the template, seen through the item info and the calls returning the old state.
    MENUITEMINFOW info = itemInfo(MIIM_STATE | MIIM_SUBMENU | MIIM_ID);
    ASSERT_TRUE(GetMenuItemInfoW(menu, IDM_WRAP, FALSE, &info));
    EXPECT_EQ(info.fState, static_cast<UINT>(MFS_CHECKED));
    EXPECT_EQ(info.wID, static_cast<UINT>(IDM_WRAP));
    EXPECT_EQ(info.hSubMenu, nullptr);
    ASSERT_TRUE(GetMenuItemInfoW(menu, 1, TRUE, &info));
    EXPECT_EQ(info.hSubMenu, view);
    EXPECT_EQ(EnableMenuItem(menu, IDM_ZOOM_OUT, MF_ENABLED), static_cast<DWORD>(MF_GRAYED));
    EXPECT_EQ(EnableMenuItem(menu, IDM_ABOUT, MF_ENABLED), static_cast<DWORD>(MF_GRAYED));
    EXPECT_EQ(EnableMenuItem(menu, IDM_ZOOM_IN, MF_ENABLED), static_cast<DWORD>(MF_ENABLED));
    EXPECT_EQ(CheckMenuItem(menu, IDM_WRAP, MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));

    EXPECT_TRUE(DestroyMenu(menu));
    for (HMENU destroyed : {menu, file, view, zoom})
        EXPECT_EQ(GetMenuItemCount(destroyed), -1);
}

TEST_F(LoadMenuTest, FailsForMissingOrMalformedMenus)
{
    struct Case {
        LPCWSTR name;
        DWORD error;
    };
    const Case cases[] = {
        {MAKEINTRESOURCEW(999), ERROR_RESOURCE_NAME_NOT_FOUND},
        {MAKEINTRESOURCEW(IDD_ABOUT), ERROR_RESOURCE_NAME_NOT_FOUND},
        {MAKEINTRESOURCEW(IDR_BAD_MENU), ERROR_INVALID_DATA},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(LoadMenuW(module, c.name), nullptr);
        EXPECT_EQ(GetLastError(), c.error);
    }
}

TEST(MenuTest, AppendInsertAndRemove)
{
    HMENU menu = CreateMenu();
    HMENU popup = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuW(menu, MF_STRING, 10, u"Ten"));
    ASSERT_TRUE(AppendMenuW(menu, MF_SEPARATOR, 0, nullptr));
    ASSERT_TRUE(AppendMenuW(popup, MF_STRING, 30, u"Thirty"));
    ASSERT_TRUE(AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), u"More"));
    ASSERT_TRUE(InsertMenuW(menu, 0, MF_BYPOSITION, 5, u"Five"));
    ASSERT_TRUE(InsertMenuW(menu, 30, MF_BYCOMMAND, 25, u"Twenty-five")); // lands in the popup
    ASSERT_TRUE(InsertMenuW(menu, 1000, MF_BYPOSITION, 40, u"Forty"));    // past the end appends
    EXPECT_EQ(itemIds(menu), "5,10,-,-1,40");
    EXPECT_EQ(itemIds(popup), "25,30");
    EXPECT_EQ(menuString(menu, 25, MF_BYCOMMAND), u"Twenty-five");

    // The SDK's length and truncation rules of GetMenuStringW.
    WCHAR small[4];
    EXPECT_EQ(GetMenuStringW(menu, 10, nullptr, 0, MF_BYCOMMAND), 3);
    EXPECT_EQ(GetMenuStringW(menu, 25, small, 4, MF_BYCOMMAND), 3);
    EXPECT_EQ(std::u16string(small), u"Twe");

    // RemoveMenu leaves the popup alive; DeleteMenu destroys it.
    ASSERT_TRUE(RemoveMenu(menu, 3, MF_BYPOSITION));
    EXPECT_EQ(GetMenuItemCount(popup), 2);
    ASSERT_TRUE(AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), u"Again"));
    ASSERT_TRUE(DeleteMenu(menu, 10, MF_BYCOMMAND));
    ASSERT_TRUE(DeleteMenu(menu, 3, MF_BYPOSITION));
    EXPECT_EQ(GetMenuItemCount(popup), -1);
    EXPECT_EQ(itemIds(menu), "5,-,40");
    EXPECT_FALSE(DeleteMenu(menu, 10, MF_BYCOMMAND));
    EXPECT_TRUE(DestroyMenu(menu));
}

TEST(MenuTest, StateChangesReturnThePreviousState)
{
    HMENU menu = CreateMenu();
    ASSERT_TRUE(AppendMenuW(menu, MF_STRING | MF_CHECKED, 1, u"One"));
    EXPECT_EQ(EnableMenuItem(menu, 1, MF_GRAYED), static_cast<DWORD>(MF_ENABLED));
    EXPECT_EQ(EnableMenuItem(menu, 0, MF_BYPOSITION | MF_DISABLED), static_cast<DWORD>(MF_GRAYED));
    EXPECT_EQ(EnableMenuItem(menu, 1, MF_ENABLED), static_cast<DWORD>(MF_DISABLED));
    EXPECT_EQ(CheckMenuItem(menu, 1, MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
    EXPECT_EQ(CheckMenuItem(menu, 0, MF_BYPOSITION | MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
    MENUITEMINFOW info = itemInfo(MIIM_STATE);
    ASSERT_TRUE(GetMenuItemInfoW(menu, 1, FALSE, &info));
    EXPECT_EQ(info.fState, static_cast<UINT>(MFS_CHECKED));
    EXPECT_EQ(EnableMenuItem(menu, 77, MF_GRAYED), 0xFFFFFFFF);
    EXPECT_EQ(CheckMenuItem(menu, 3, MF_BYPOSITION | MF_CHECKED), 0xFFFFFFFF);
    DestroyMenu(menu);
}

TEST(MenuTest, RadioItemsCheckOneOfTheirGroup)
{
    HMENU menu = CreateMenu();
    HMENU popup = CreatePopupMenu();
    for (UINT id : {1, 2, 3, 4})
        ASSERT_TRUE(AppendMenuW(popup, MF_STRING | MF_CHECKED, id, u"Item"));
    ASSERT_TRUE(AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), u"Group"));
    auto checkedItems = [&] {
        std::string checked;
        for (UINT id : {1, 2, 3, 4}) {
            MENUITEMINFOW state = itemInfo(MIIM_STATE);
            GetMenuItemInfoW(popup, id, FALSE, &state);
            checked += (state.fState & MFS_CHECKED) ? "x" : ".";
        }
        return checked;
    };
    ASSERT_TRUE(CheckMenuRadioItem(menu, 1, 3, 2, MF_BYCOMMAND)); // found through the popup
    EXPECT_EQ(checkedItems(), ".x.x");
    ASSERT_TRUE(CheckMenuRadioItem(popup, 0, 2, 0, MF_BYPOSITION));
    EXPECT_EQ(checkedItems(), "x..x");
    MENUITEMINFOW info = itemInfo(MIIM_TYPE);
    ASSERT_TRUE(GetMenuItemInfoW(popup, 1, FALSE, &info));
    EXPECT_EQ(info.fType, static_cast<UINT>(MFT_RADIOCHECK));
    EXPECT_FALSE(CheckMenuRadioItem(popup, 1, 3, 9, MF_BYCOMMAND));
    DestroyMenu(menu);
}

TEST(MenuTest, PopupsCannotFormLoopsOrHaveTwoOwners)
{
    HMENU menu = CreateMenu();
    HMENU popup = CreatePopupMenu();
    HMENU inner = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), u"Inner"));
    ASSERT_TRUE(AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), u"Popup"));
    for (auto [owner, child] : {std::pair {menu, popup}, {inner, menu}, {inner, popup}, {menu, menu}}) {
        SetLastError(0);
        EXPECT_FALSE(AppendMenuW(owner, MF_POPUP, reinterpret_cast<UINT_PTR>(child), u"Loop"));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_EQ(GetMenuItemCount(inner), -1);
}

TEST(MenuTest, BadHandlesFailCleanly)
{
    HMENU gone = CreateMenu();
    ASSERT_TRUE(DestroyMenu(gone));
    const HMENU bad[] = {nullptr, gone, reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(0x1234))};
    for (HMENU menu : bad) {
        SetLastError(0);
        EXPECT_EQ(GetMenuItemCount(menu), -1);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
        EXPECT_FALSE(DestroyMenu(menu));
        EXPECT_FALSE(AppendMenuW(menu, MF_STRING, 1, u"x"));
        EXPECT_FALSE(InsertMenuW(menu, 0, MF_BYPOSITION, 1, u"x"));
        EXPECT_FALSE(DeleteMenu(menu, 0, MF_BYPOSITION));
        EXPECT_FALSE(RemoveMenu(menu, 0, MF_BYPOSITION));
        EXPECT_EQ(GetSubMenu(menu, 0), nullptr);
        EXPECT_EQ(EnableMenuItem(menu, 1, MF_GRAYED), 0xFFFFFFFF);
        EXPECT_EQ(CheckMenuItem(menu, 1, MF_CHECKED), 0xFFFFFFFF);
        EXPECT_EQ(GetMenuItemID(menu, 0), 0xFFFFFFFF);
        EXPECT_EQ(GetMenuStringW(menu, 0, nullptr, 0, MF_BYPOSITION), 0);
        MENUITEMINFOW info = itemInfo(MIIM_ID);
        EXPECT_FALSE(GetMenuItemInfoW(menu, 0, TRUE, &info));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
    }
    // A bad popup handle is refused too.
    HMENU menu = CreateMenu();
    EXPECT_FALSE(AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(gone), u"Gone"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
    EXPECT_EQ(GetMenuItemCount(menu), 0);
    MENUITEMINFOW wrongSize = itemInfo(MIIM_ID);
    wrongSize.cbSize -= 1;
    EXPECT_FALSE(GetMenuItemInfoW(menu, 0, TRUE, &wrongSize));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    DestroyMenu(menu);
}

} // namespace
