// The automation's actions. Input is posted as the stylus and keys would give it (never sent),
// so a program that answers a tap with a modal dialog or message box does not hold the
// automation; reading uses sent messages, which programs answer at once.
#include "emulator/Automation.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "ProgramIdle.h"
#include "kernel/Clock.h"
#include "kernel/Device.h"
#include "WindowReading.h"
#include "aygshell.h"
#include "commdlg.h"
#include "emulator/Device.h"
#include "emulator/Shell.h"
#include "emulator/Text.h"

namespace emulator {
namespace {

using namespace ce::automation;

constexpr DWORD stepMs = 100; // device time the automation lets pass while it waits

std::string utf8(const std::u16string& text)
{
    return toUtf8(text);
}

// Taps a window at a point of its client area: down and up, posted as the stylus gives them.
void tapAt(HWND hwnd, POINT point)
{
    const LPARAM where = MAKELPARAM(point.x, point.y);
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageW(hwnd, WM_LBUTTONUP, 0, where);
}

// Lets `ms` of device time pass: at once in virtual time, for real otherwise.
void letTimePass(DWORD ms)
{
    ce::Device* device = ce::Device::current();
    if (device && device->clock().isVirtual())
        advanceDeviceClock(ms);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// A button's command to its window, as a tap on the button gives it.
void postCommand(HWND window, int id, HWND button)
{
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void tapCentre(HWND hwnd)
{
    RECT rect {};
    GetClientRect(hwnd, &rect);
    tapAt(hwnd, {(rect.right - rect.left) / 2, (rect.bottom - rect.top) / 2});
}

// The shown control of `top` (or a descendant window of it) with this id, or null.
HWND controlWithId(HWND top, int id)
{
    for (HWND control : shownDescendants(top)) {
        if (GetDlgCtrlID(control) == id)
            return control;
    }
    return nullptr;
}

HWND controlWithText(HWND top, const std::u16string& text)
{
    for (HWND control : shownDescendants(top)) {
        if (windowText(control) == text)
            return control;
    }
    return nullptr;
}

// The shown message box, or null.
HWND shownMessageBox()
{
    HWND box = FindWindowW(u"MessageBox", nullptr);
    return box && IsWindowVisible(box) ? box : nullptr;
}

// The first point along the row at height `y` whose hit test answers `wanted`; false if none.
template <typename HitTest> bool scanRow(int left, int right, int y, HitTest hitTest, POINT& found)
{
    for (int x = left; x < right; ++x) {
        if (hitTest(POINT {x, y})) {
            found = {x, y};
            return true;
        }
    }
    return false;
}

struct ItemInControl {
    HWND control = nullptr;
    int row = -1;              // list views
    HTREEITEM item = nullptr;  // tree views
};

// The list row (by its first column) or tree item with this text in the window's controls.
ItemInControl findItem(HWND top, const std::u16string& text, HWND only = nullptr)
{
    for (HWND control : shownDescendants(top)) {
        if (only && control != only)
            continue;
        if (isClass(control, WC_LISTVIEWW)) {
            for (const ListRow& row : listRows(control)) {
                if (!row.columns.empty() && row.columns[0] == text)
                    return {control, row.index, nullptr};
            }
        } else if (isClass(control, WC_TREEVIEWW)) {
            for (const TreeItem& item : treeItems(control)) {
                if (item.text == text)
                    return {control, -1, item.item};
            }
        }
    }
    return {};
}

// Makes the item visible and gives the rectangle of its text.
bool itemLabel(const ItemInControl& found, RECT& rect)
{
    if (found.row >= 0) {
        SendMessageW(found.control, LVM_ENSUREVISIBLE, static_cast<WPARAM>(found.row), FALSE);
        rect.left = LVIR_LABEL;
        return SendMessageW(found.control, LVM_GETITEMRECT, static_cast<WPARAM>(found.row), reinterpret_cast<LPARAM>(&rect));
    }
    SendMessageW(found.control, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(found.item));
    *reinterpret_cast<HTREEITEM*>(&rect) = found.item;
    return SendMessageW(found.control, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
}

UINT checkStateOf(const ItemInControl& found)
{
    if (found.row >= 0)
        return (static_cast<UINT>(SendMessageW(found.control, LVM_GETITEMSTATE, static_cast<WPARAM>(found.row), LVIS_STATEIMAGEMASK)) >> 12);
    return (static_cast<UINT>(SendMessageW(found.control, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(found.item), TVIS_STATEIMAGEMASK)) >> 12);
}

// Taps the check box image of a row or item: the first point left of its text where the
// control's own hit test says "state icon".
bool tapCheckImage(const ItemInControl& found)
{
    RECT label {};
    if (!itemLabel(found, label))
        return false;
    const int y = (label.top + label.bottom) / 2;
    POINT point {};
    bool hit = false;
    if (found.row >= 0) {
        hit = scanRow(0, label.left, y, [&](POINT p) {
            LVHITTESTINFO info {};
            info.pt = p;
            SendMessageW(found.control, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&info));
            return info.iItem == found.row && (info.flags & LVHT_ONITEMSTATEICON);
        }, point);
    } else {
        hit = scanRow(0, label.left, y, [&](POINT p) {
            TVHITTESTINFO info {};
            info.pt = p;
            SendMessageW(found.control, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
            return info.hItem == found.item && (info.flags & TVHT_ONITEMSTATEICON);
        }, point);
    }
    if (hit)
        tapAt(found.control, point);
    return hit;
}

// The menu bar's top-level item with this text, as its index; -1 when there is none.
int barItemIndex(HMENU menu, const std::u16string& text)
{
    const int count = GetMenuItemCount(menu);
    for (int index = 0; index < count; ++index) {
        WCHAR buffer[128] {};
        GetMenuStringW(menu, static_cast<UINT>(index), buffer, 128, MF_BYPOSITION);
        std::u16string shown(buffer);
        shown.erase(std::remove(shown.begin(), shown.end(), u'&'), shown.end());
        if (_wcsicmp(shown.c_str(), text.c_str()) == 0)
            return index;
    }
    return -1;
}

int answerId(const std::u16string& button)
{
    const std::pair<const char16_t*, int> answers[] = {{u"OK", IDOK}, {u"Cancel", IDCANCEL}, {u"Abort", IDABORT},
        {u"Retry", IDRETRY}, {u"Ignore", IDIGNORE}, {u"Yes", IDYES}, {u"No", IDNO}};
    for (const auto& [text, id] : answers) {
        if (_wcsicmp(text, button.c_str()) == 0)
            return id;
    }
    return 0;
}

// The window the program shows in front: the shown message box, else the foreground window.
HWND frontWindow()
{
    if (HWND box = shownMessageBox())
        return box;
    return GetForegroundWindow();
}

// The file dialog shown now: a shown dialog with the file-name edit.
HWND shownFileDialog()
{
    HWND found = nullptr;
    EnumWindows(
        [](HWND hwnd, LPARAM result) {
            if (IsWindowVisible(hwnd) && GetDlgItem(hwnd, edt1) && isClass(hwnd, u"Dialog")) {
                *reinterpret_cast<HWND*>(result) = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace

Automation::Automation(DWORD processId, DWORD waitMs) : m_processId(processId), m_waitMs(waitMs)
{
}

void Automation::settle()
{
    settleProgram(m_processId);
}

bool Automation::ended() const
{
    return programState(m_processId) == ProgramState::Ended;
}

std::string Automation::waitFor(const std::u16string& text)
{
    const auto holds = [&] {
        bool found = false;
        std::pair<const std::u16string*, bool*> search {&text, &found};
        EnumWindows(
            [](HWND hwnd, LPARAM param) {
                auto* s = reinterpret_cast<std::pair<const std::u16string*, bool*>*>(param);
                if (IsWindowVisible(hwnd) && holdsText(hwnd, *s->first)) {
                    *s->second = true;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return found;
    };
    for (DWORD waited = 0;; waited += stepMs) {
        settle();
        if (holds())
            return {};
        if (waited >= m_waitMs)
            return "no shown window holds \"" + utf8(text) + "\" after " + std::to_string(m_waitMs / 1000) + " s";
        letTimePass(stepMs);
    }
}

std::string Automation::tap(int id)
{
    HWND control = controlWithId(GetForegroundWindow(), id);
    if (!control)
        return "no shown control " + std::to_string(id) + " in the foreground window";
    tapCentre(control);
    settle();
    return {};
}

std::string Automation::tap(const std::u16string& text)
{
    HWND control = controlWithText(frontWindow(), text);
    if (!control)
        return "no shown control \"" + utf8(text) + "\" in the foreground window";
    tapCentre(control);
    settle();
    return {};
}

std::string Automation::menu(const std::u16string& path)
{
    if (openPopupMenu().window) {
        const bool chosen = choosePopupItem(path);
        settle();
        return chosen ? std::string {} : "the open pop-up has no item \"" + utf8(path) + "\" to choose";
    }
    HWND bar = SHFindMenuBar(GetForegroundWindow());
    if (!bar)
        return "the foreground window has no menu bar and no pop-up is open";
    const auto menuOfBar = reinterpret_cast<HMENU>(SendMessageW(bar, SHCMBM_GETMENU, 0, 0));
    const size_t slash = path.find(u'/');
    const std::u16string first = path.substr(0, slash);
    const int index = barItemIndex(menuOfBar, first);
    if (index < 0)
        return "the menu bar has no \"" + utf8(first) + "\"";
    RECT rect {};
    GetClientRect(bar, &rect);
    const int slots = std::max(GetMenuItemCount(menuOfBar), 1);
    const int width = (rect.right - rect.left) / slots;
    tapAt(bar, {width * index + width / 2, (rect.bottom - rect.top) / 2});
    settle();
    if (slash == std::u16string::npos)
        return {};
    if (!openPopupMenu().window)
        return "\"" + utf8(first) + "\" opened no pop-up";
    const bool chosen = choosePopupItem(path.substr(slash + 1));
    settle();
    return chosen ? std::string {} : "the menu has no item \"" + utf8(path) + "\" to choose";
}

std::string Automation::check(int id, bool on)
{
    HWND control = controlWithId(GetForegroundWindow(), id);
    if (!control || !isClass(control, u"BUTTON"))
        return "no shown check box " + std::to_string(id) + " in the foreground window";
    for (int taps = 0; taps < 3 && (SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED) != on; ++taps) {
        tapCentre(control);
        settle();
    }
    if ((SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED) != on)
        return "check box " + std::to_string(id) + " did not turn " + (on ? "on" : "off");
    return {};
}

std::string Automation::check(const std::u16string& text, bool on)
{
    HWND top = GetForegroundWindow();
    if (HWND control = controlWithText(top, text); control && isClass(control, u"BUTTON"))
        return check(GetDlgCtrlID(control), on);
    const ItemInControl found = findItem(top, text);
    if (!found.control)
        return "no check box, row or item \"" + utf8(text) + "\" in the foreground window";
    const UINT wanted = on ? 2 : 1;
    // A third ("partly") state may lie between: tap until the state is reached or repeats.
    for (int taps = 0; taps < 3 && checkStateOf(found) != wanted; ++taps) {
        if (!tapCheckImage(found))
            return "\"" + utf8(text) + "\" has no check box";
        settle();
    }
    if (checkStateOf(found) != wanted)
        return "\"" + utf8(text) + "\" did not turn " + (on ? "on" : "off");
    return {};
}

std::string Automation::select(int id, const std::u16string& text)
{
    HWND control = controlWithId(GetForegroundWindow(), id);
    if (!control)
        return "no shown control " + std::to_string(id) + " in the foreground window";
    if (isClass(control, u"COMBOBOX") || isClass(control, u"LISTBOX")) {
        const bool combo = isClass(control, u"COMBOBOX");
        const LRESULT index = SendMessageW(control, combo ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT,
            static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
        if (index < 0)
            return "control " + std::to_string(id) + " has no entry \"" + utf8(text) + "\"";
        // As a person's choice: the selection moves, then the owner hears of it.
        PostMessageW(control, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        PostMessageW(GetParent(control), WM_COMMAND,
            MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
        settle();
        return {};
    }
    const ItemInControl found = findItem(GetForegroundWindow(), text, control);
    RECT label {};
    if (!found.control || !itemLabel(found, label))
        return "control " + std::to_string(id) + " has no row or item \"" + utf8(text) + "\"";
    tapAt(control, {(label.left + label.right) / 2, (label.top + label.bottom) / 2});
    settle();
    return {};
}

std::string Automation::type(int id, const std::u16string& text)
{
    HWND control = controlWithId(GetForegroundWindow(), id);
    if (!control || !isClass(control, u"EDIT"))
        return "no shown edit control " + std::to_string(id) + " in the foreground window";
    // Select everything, take it away, then type each character.
    PostMessageW(control, EM_SETSEL, 0, -1);
    PostMessageW(control, WM_CLEAR, 0, 0);
    for (char16_t c : text)
        PostMessageW(control, WM_CHAR, c, 1);
    settle();
    return {};
}

std::string Automation::ok()
{
    HWND top = GetForegroundWindow();
    if (!top)
        return "no window is in the foreground";
    postCommand(top, IDOK, nullptr);
    settle();
    return {};
}

std::string Automation::answer(const std::u16string& button)
{
    HWND box = shownMessageBox();
    if (!box)
        return "no message box is shown";
    const int id = answerId(button);
    HWND control = id ? GetDlgItem(box, id) : nullptr;
    if (!control)
        return "the message box has no " + utf8(button) + " button";
    postCommand(box, id, control);
    settle();
    return {};
}

std::string Automation::file(const std::u16string& devicePath)
{
    HWND dialog = shownFileDialog();
    if (!dialog)
        return "no open or save dialog is shown";
    SetDlgItemTextW(dialog, edt1, devicePath.c_str());
    postCommand(dialog, IDOK, GetDlgItem(dialog, IDOK));
    settle();
    return {};
}

std::string Automation::expect(const std::u16string& text)
{
    HWND top = frontWindow();
    if (!top)
        return "no window is in the foreground";
    if (holdsText(top, text))
        return {};
    return "the foreground window \"" + utf8(windowText(top)) + "\" does not hold \"" + utf8(text) + "\"";
}

std::string Automation::quit()
{
    struct Search {
        DWORD processId;
        std::vector<HWND> windows;
    } search {m_processId, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM param) {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == s->processId && IsWindowVisible(hwnd) && !GetWindow(hwnd, GW_OWNER))
                s->windows.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.windows.empty() && !ended())
        return "the program shows no window to close";
    for (HWND hwnd : search.windows)
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
    for (DWORD waited = 0; !ended(); waited += stepMs) {
        settle();
        if (ended())
            break;
        if (waited >= m_waitMs)
            return "the program did not end after its windows were closed";
        letTimePass(stepMs);
    }
    return {};
}

std::string Automation::dump()
{
    HWND top = frontWindow();
    return top ? dumpWindow(top) : "no window is in the foreground\n";
}

} // namespace emulator
