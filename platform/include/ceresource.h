// Module resources as C++ tables. A program or library image carries its dialogs, menus,
// bitmaps, strings and raw data in one exported table:
//
//     constexpr CeMenuItem fileMenu[] = {{u"&Open", IDM_OPEN}, {}, {u"E&xit", IDM_EXIT, MF_GRAYED}};
//     constexpr CeMenuItem mainMenu[] = {{u"&File", 0, 0, fileMenu}, {u"&Help", IDM_HELP}};
//     constexpr CeString strings[] = {{IDS_TITLE, u"Title"}, {IDS_SAVED, u"Saved %s"}};
//
//     extern "C" CEEXPORT const CeResource CeResources[] = {
//         ceResourceOf(CeResourceType::Menu, IDR_MAIN, mainMenu),
//         ceResourceOf(CeResourceType::String, 1, strings),
//         ceResourceOf(u"PNG", u"LOGO", logoPng),
//         {}};
//
// FindResourceW/LoadResource/LockResource give back the data the entry points to;
// LoadMenuW, LoadStringW (and the dialog calls) read the forms below. A module has a single
// table; resources written in other source files are named there through extern declarations.
// Everything is plain data so that tables are constant-initialised (`constinit` checks it).
#pragma once

#include <span>

#include "ceexports.h"
#include "windef.h"

// The types the platform reads; other numbers and names are the program's own.
enum class CeResourceType : WORD {
    Bitmap = 2, // PNG bytes
    Menu = 4,   // CeMenuItem[] (the menu bar or top-level popup's items)
    Dialog = 5, // CeDialogTemplate
    String = 6, // CeString[]
    RcData = 10 // any bytes
};

// A type or resource name: an integer id (text null) or a name, matched without regard to case.
struct CeResourceName {
    WORD number = 0;
    const WCHAR* text = nullptr;

    constexpr CeResourceName() = default;
    constexpr CeResourceName(WORD id) : number(id) {}
    constexpr CeResourceName(CeResourceType type) : number(static_cast<WORD>(type)) {}
    constexpr CeResourceName(const WCHAR* name) : text(name) {}
};

// One resource. The table ends with an entry whose type is empty ({}).
struct CeResource {
    CeResourceName type;
    CeResourceName name;
    const void* data = nullptr;
    DWORD size = 0;
};

// An entry for `data` (an object or an array) with its size in bytes.
template <typename Data> constexpr CeResource ceResourceOf(CeResourceName type, CeResourceName name, const Data& data)
{
    return {type, name, &data, static_cast<DWORD>(sizeof data)};
}

// ---- Menus ----------------------------------------------------------------------------------
// A menu's items in order. An item with children is a popup (MF_POPUP is implied); an item
// without text is a separator. flags take MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_MENUBREAK...

struct CeMenuItem {
    const WCHAR* text = nullptr;
    UINT id = 0;
    UINT flags = 0;
    std::span<const CeMenuItem> children = {};
};

// ---- Dialogs --------------------------------------------------------------------------------
// Positions and sizes are dialog units of a 240x320 screen.

struct CeDialogControl {
    const WCHAR* className; // u"BUTTON", u"EDIT", u"STATIC", u"LISTBOX", u"COMBOBOX", or a registered class
    const WCHAR* text;      // may be null
    WORD id;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
};

struct CeDialogTemplate {
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    const WCHAR* title;
    const WCHAR* fontName; // null: the system font
    WORD fontSize;         // points
    std::span<const CeDialogControl> controls;
};

// ---- Strings --------------------------------------------------------------------------------
// A string table: LoadStringW looks for an id in every String resource of the module, so a
// program may split its strings over several tables (their resource ids only tell them apart).

struct CeString {
    UINT id;
    const WCHAR* text;
};

#define CE_RESOURCES_SYMBOL "CeResources"
