// The plain-text export of a list or tree view: a UTF-16 file with the product banner, a title
// and one line per item, as the views' export commands write it.
#pragma once

#include <string>

#include "windows.h"

// What a view supplies for the texts of its items. `item` is the row index in the list form and
// the HTREEITEM (reinterpret_cast to LPARAM) in the tree form.
class ExportTextSource {
public:
    virtual ~ExportTextSource() = default;
    // The item's text into buffer (capacity wide chars incl. terminator); its length,
    // negative to skip the item and (tree form) its whole subtree.
    virtual int itemText(HWND control, LPARAM item, WCHAR* buffer, int capacity) = 0;
    // An additional text for the item (it brings its own line ends in the list form); its
    // length, 0 for none.
    virtual int extraText(HWND control, LPARAM item, WCHAR* buffer, int capacity) = 0;
};

class TextExport {
public:
    // Writes the rows of `list` to `fileName` (".txt" added when the name has no extension).
    // Without a source each row's text is its first column. False when the file cannot be made
    // or a write fails; what was written before a failed write stays.
    static bool exportList(
        HWND list, const std::u16string& fileName, const std::u16string& title, ExportTextSource* source);
    // Writes the items of `tree` depth first, each before its children, indented by two spaces a
    // level when indentTree is set. Same file rules and result as exportList.
    static bool exportTree(
        HWND tree, const std::u16string& fileName, const std::u16string& title, ExportTextSource& source);
    // The program-wide indent flag of the tree form.
    static bool indentTree;
};
