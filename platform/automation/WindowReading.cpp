// Reading windows for the automation. Everything goes through messages a program could send,
// so what is read is what the controls hold.
#include <string>

#include "WindowReading.h"
#include "emulator/Text.h"

namespace ce::automation {
namespace {

constexpr int textLimit = 1024;

std::u16string fromBuffer(const WCHAR* buffer)
{
    return buffer;
}

int columnCount(HWND list)
{
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const auto count = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    return count > 0 ? count : 1;
}

std::u16string listItemText(HWND list, int index, int column)
{
    WCHAR buffer[textLimit] {};
    LVITEMW item {};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = textLimit;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return fromBuffer(buffer);
}

void addTreeItems(HWND tree, HTREEITEM first, int level, std::vector<TreeItem>& items)
{
    for (HTREEITEM item = first; item; item = TreeView_GetNextSibling(tree, item)) {
        WCHAR buffer[textLimit] {};
        TVITEMW data {};
        data.mask = TVIF_TEXT | TVIF_STATE | TVIF_HANDLE;
        data.hItem = item;
        data.stateMask = TVIS_STATEIMAGEMASK | TVIS_EXPANDED | TVIS_SELECTED;
        data.pszText = buffer;
        data.cchTextMax = textLimit;
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
        items.push_back({item, level, fromBuffer(buffer), data.state});
        addTreeItems(tree, TreeView_GetChild(tree, item), level + 1, items);
    }
}

std::string utf8(const std::u16string& text)
{
    return emulator::toUtf8(text);
}

std::string quoted(const std::u16string& text)
{
    return '"' + utf8(text) + '"';
}

// A check state image (1 unchecked, 2 checked, 3 partly) as a word, or nothing.
std::string checkWord(UINT state)
{
    switch ((state & 0xF000) >> 12) {
    case 1:
        return " [unchecked]";
    case 2:
        return " [checked]";
    case 3:
        return " [partly]";
    default:
        return "";
    }
}

std::string buttonState(HWND button)
{
    const auto type = static_cast<DWORD>(GetWindowLongW(button, GWL_STYLE)) & BS_TYPEMASK;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_GROUPBOX || type == BS_OWNERDRAW)
        return "";
    switch (SendMessageW(button, BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
        return " checked";
    case BST_INDETERMINATE:
        return " indeterminate";
    default:
        return " unchecked";
    }
}

void dumpControl(HWND control, int depth, std::string& out)
{
    const std::string indent(static_cast<size_t>(depth) * 2, ' ');
    out += indent + utf8(classOf(control)) + ' ' + std::to_string(GetDlgCtrlID(control)) + ' ' + quoted(windowText(control));
    if (!IsWindowEnabled(control))
        out += " disabled";
    if (GetFocus() == control)
        out += " focused";
    if (isClass(control, u"BUTTON"))
        out += buttonState(control);
    if (isClass(control, u"COMBOBOX") || isClass(control, u"LISTBOX")) {
        const LRESULT selected = SendMessageW(control, isClass(control, u"COMBOBOX") ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
        out += " selected " + std::to_string(selected);
    }
    out += '\n';
    if (isClass(control, WC_LISTVIEWW)) {
        for (const ListRow& row : listRows(control)) {
            out += indent + "  row " + std::to_string(row.index) + checkWord(row.state);
            if (row.state & LVIS_SELECTED)
                out += " [selected]";
            out += ':';
            for (size_t column = 0; column < row.columns.size(); ++column)
                out += (column ? " | " : " ") + quoted(row.columns[column]);
            out += '\n';
        }
    } else if (isClass(control, WC_TREEVIEWW)) {
        for (const TreeItem& item : treeItems(control)) {
            out += indent + "  " + std::string(static_cast<size_t>(item.level) * 2, ' ') + quoted(item.text)
                + checkWord(item.state) + ((item.state & TVIS_EXPANDED) ? " expanded" : "")
                + ((item.state & TVIS_SELECTED) ? " [selected]" : "") + '\n';
        }
    } else if (isClass(control, u"COMBOBOX") || isClass(control, u"LISTBOX")) {
        for (const std::u16string& entry : boxItems(control))
            out += indent + "  " + quoted(entry) + '\n';
    }
}

void dumpChildren(HWND parent, int depth, std::string& out)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        dumpControl(child, depth, out);
        // A list view's header is read through the list; its rows stand for it.
        if (!isClass(child, WC_LISTVIEWW))
            dumpChildren(child, depth + 1, out);
    }
}

} // namespace

std::u16string windowText(HWND hwnd)
{
    const int length = GetWindowTextLengthW(hwnd);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    return text;
}

std::u16string classOf(HWND hwnd)
{
    WCHAR name[64] {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

bool isClass(HWND hwnd, const char16_t* name)
{
    return _wcsicmp(classOf(hwnd).c_str(), name) == 0;
}

std::vector<HWND> shownDescendants(HWND hwnd)
{
    std::vector<HWND> found;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        found.push_back(child);
        for (HWND below : shownDescendants(child))
            found.push_back(below);
    }
    return found;
}

std::vector<ListRow> listRows(HWND list)
{
    std::vector<ListRow> rows;
    const int columns = columnCount(list);
    const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        ListRow row;
        row.index = index;
        for (int column = 0; column < columns; ++column)
            row.columns.push_back(listItemText(list, index, column));
        row.state = static_cast<UINT>(
            SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<TreeItem> treeItems(HWND tree)
{
    std::vector<TreeItem> items;
    addTreeItems(tree, TreeView_GetRoot(tree), 0, items);
    return items;
}

std::vector<std::u16string> boxItems(HWND box)
{
    const bool combo = isClass(box, u"COMBOBOX");
    const auto count = static_cast<int>(SendMessageW(box, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
    std::vector<std::u16string> entries;
    for (int index = 0; index < count; ++index) {
        const auto length = static_cast<int>(SendMessageW(box, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(index), 0));
        if (length < 0)
            continue;
        std::u16string entry(static_cast<size_t>(length) + 1, u'\0');
        SendMessageW(box, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(static_cast<size_t>(length));
        entries.push_back(entry);
    }
    return entries;
}

std::vector<std::u16string> shownTexts(HWND hwnd)
{
    std::vector<std::u16string> texts {windowText(hwnd)};
    for (HWND control : shownDescendants(hwnd)) {
        texts.push_back(windowText(control));
        if (isClass(control, WC_LISTVIEWW)) {
            for (const ListRow& row : listRows(control))
                texts.insert(texts.end(), row.columns.begin(), row.columns.end());
        } else if (isClass(control, WC_TREEVIEWW)) {
            for (const TreeItem& item : treeItems(control))
                texts.push_back(item.text);
        } else if (isClass(control, u"COMBOBOX") || isClass(control, u"LISTBOX")) {
            for (const std::u16string& entry : boxItems(control))
                texts.push_back(entry);
        }
    }
    return texts;
}

bool holdsText(HWND hwnd, const std::u16string& text)
{
    for (const std::u16string& shown : shownTexts(hwnd)) {
        if (shown.find(text) != std::u16string::npos)
            return true;
    }
    return false;
}

std::string dumpWindow(HWND hwnd)
{
    std::string out = utf8(classOf(hwnd)) + ' ' + quoted(windowText(hwnd)) + '\n';
    dumpChildren(hwnd, 1, out);
    return out;
}

} // namespace ce::automation
