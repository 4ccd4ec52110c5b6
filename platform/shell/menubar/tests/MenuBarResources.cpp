// A library whose resource table holds the menus of the menu bar tests: a bar of a plain
// command and a popup (the usual "Done | Menu"), and one of three buttons, one of them grayed.
#include "MenuBarIds.h"
#include "ceresource.h"
#include "windows.h"

namespace {

constexpr CeMenuItem menuItems[] = {{u"Cu&t", IDM_CUT}, {u"&Copy", IDM_COPY}, {}, {u"&About", IDM_ABOUT, MF_GRAYED}};
constexpr CeMenuItem twoButtons[] = {{u"&Done", IDM_DONE}, {u"&Menu", IDM_MENU, 0, menuItems}};

constexpr CeMenuItem editItems[] = {{u"&Options", IDM_OPTIONS}};
constexpr CeMenuItem threeButtons[]
    = {{u"&Done", IDM_DONE}, {u"&Edit", IDM_EDIT, 0, editItems}, {u"&About", IDM_ABOUT, MF_GRAYED}};

} // namespace

extern "C" CEEXPORT constinit const CeResource CeResources[] = {
    ceResourceOf(CeResourceType::Menu, IDR_TWO_BUTTONS, twoButtons),
    ceResourceOf(CeResourceType::Menu, IDR_THREE_BUTTONS, threeButtons),
    {},
};
