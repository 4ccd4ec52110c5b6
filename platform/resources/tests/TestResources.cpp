// An image whose resource table holds a dialog, a menu with nested popups, two string tables, a
// named blob and a named type, for the resource and menu tests. Loaded as a library, or run as a
// program that checks that a null module means its own image.
#include "TestResourceIds.h"
#include "ceresource.h"
#include "windows.h"

namespace {

constexpr CeDialogControl aboutControls[] = {
    {u"STATIC", u"Name:", 0xFFFF, 0, 0, 4, 4, 40, 10},
    {u"EDIT", nullptr, IDC_NAME, 0x00800000, 0, 48, 4, 100, 12},
    {u"BUTTON", u"OK", 1, 0x00010000, 0, 80, 40, 40, 14},
};

constexpr CeDialogTemplate aboutDialog = {
    0x80C80000, 0, 0, 0, 160, 60, u"About", u"Tahoma", 8, aboutControls};

constexpr CeMenuItem zoomMenu[] = {{u"Zoom &In", IDM_ZOOM_IN}, {u"Zoom &Out", IDM_ZOOM_OUT, MF_GRAYED}};
constexpr CeMenuItem fileMenu[] = {{u"&New", IDM_NEW}, {u"&Open...", IDM_OPEN}, {}, {u"E&xit", IDM_EXIT}};
constexpr CeMenuItem viewMenu[] = {{u"&Wrap", IDM_WRAP, MF_CHECKED}, {u"&Zoom", 0, 0, zoomMenu}};
constexpr CeMenuItem mainMenu[] = {
    {u"&File", 0, 0, fileMenu}, {u"&View", 0, 0, viewMenu}, {u"&About", IDM_ABOUT, MF_GRAYED}};

constexpr CeString strings[] = {{IDS_TITLE, u"Test Title"}, {IDS_FORMAT, u"%s of %d"}, {IDS_EMPTY, u""}};
constexpr CeString moreStrings[] = {{IDS_SECOND_TABLE, u"From the second table"}};

constexpr BYTE blob[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr BYTE badMenu[] = {1, 2, 3};

} // namespace

// constinit: the table must stay constant-initialised, as the product's tables are.
extern "C" CEEXPORT constinit const CeResource CeResources[] = {
    ceResourceOf(CeResourceType::Dialog, IDD_ABOUT, aboutDialog),
    ceResourceOf(CeResourceType::Menu, IDR_MAIN_MENU, mainMenu),
    ceResourceOf(CeResourceType::String, 1, strings),
    ceResourceOf(CeResourceType::String, 2, moreStrings),
    ceResourceOf(CeResourceType::RcData, IDR_BLOB, blob),
    ceResourceOf(CeResourceType::RcData, u"Logo", blob),
    ceResourceOf(u"SOUND", u"Click", badMenu),
    ceResourceOf(CeResourceType::Menu, IDR_BAD_MENU, badMenu),
    {},
};

// 7 when the calls find the program's resources through a null module: 1 for its string, 2 for
// the same dialog as through its instance, 4 for its menu.
extern "C" CEEXPORT int WinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    WCHAR title[32];
    int found = LoadStringW(nullptr, IDS_TITLE, title, 32) == 10 ? 1 : 0;
    HRSRC about = FindResourceW(nullptr, MAKEINTRESOURCEW(IDD_ABOUT), RT_DIALOG);
    if (about && about == FindResourceW(instance, MAKEINTRESOURCEW(IDD_ABOUT), RT_DIALOG))
        found |= 2;
    HMENU menu = LoadMenuW(nullptr, MAKEINTRESOURCEW(IDR_MAIN_MENU));
    if (GetMenuItemCount(menu) == 3)
        found |= 4;
    DestroyMenu(menu);
    return found;
}
