// The pop-up menu window (class "MNU"): one window shows the innermost open level of the menu;
// taps choose the item under the stylus, VK_UP/VK_DOWN move the highlight, VK_RETURN and
// VK_RIGHT open or choose it, VK_LEFT closes a sub-menu and VK_ESCAPE closes one level (the
// pop-up at the root), the highlight follows the stylus while it is down. WM_CANCELMODE ends it;
// PopupMenuPaint.cpp draws it.
#include <algorithm>

#include "PopupMenus.h"
#include "emulator/Shell.h"
#include "gwes/SystemClasses.h"
#include "gwes/controls/ControlState.h"
#include "shell/menubar/MenuFont.h"
#include "shell/menubar/ShellMetrics.h"
#include "text/CaseTable.h"

namespace ce {
namespace {

using StatePtr = std::shared_ptr<PopupMenuState>;

// The position of the item under `y` (pixels from the level's top), or -1.
int itemAt(HMENU menu, int y)
{
    MenuItemView item;
    int top = 0;
    for (int position = 0; readMenuItem(menu, position, item); ++position) {
        top += popupItemHeight(item);
        if (y >= 0 && y < top)
            return position;
    }
    return -1;
}

int itemTop(HMENU menu, int position)
{
    MenuItemView item;
    int top = 0;
    for (int i = 0; i < position && readMenuItem(menu, i, item); ++i)
        top += popupItemHeight(item);
    return top;
}

void showLevel(HWND hwnd, const PopupLevel& level)
{
    const RECT& r = level.rect;
    MoveWindow(hwnd, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

// Ends the pop-up; the posted message wakes the modal loop when a sent message ended it.
void end(HWND hwnd, PopupMenuState& state, bool chosen, UINT id)
{
    state.ended = true;
    state.chosen = chosen;
    state.chosenId = id;
    PostMessageW(hwnd, popupWake, 0, 0);
}

void openLevel(HWND hwnd, PopupMenuState& state, HMENU popup, int position)
{
    if (!(state.flags & TPM_NONOTIFY))
        SendMessageW(state.owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(position, FALSE));
    const PopupLevel& parent = state.levels.back();
    PopupLevel level {popup, -1, {}};
    level.rect = placePopup(popupMenuSize(popup), parent.rect.right, parent.rect.top + itemTop(parent.menu, position),
        TPM_LEFTALIGN | TPM_TOPALIGN, nullptr);
    state.levels.push_back(level);
    showLevel(hwnd, level);
}

void closeLevel(HWND hwnd, PopupMenuState& state)
{
    state.levels.pop_back();
    showLevel(hwnd, state.levels.back());
}

// Acts on the item at `position` of the innermost level: a popup item opens, a command ends the
// pop-up. False for a separator, a grayed or disabled item, or no item.
bool activate(HWND hwnd, PopupMenuState& state, int position)
{
    MenuItemView item;
    if (!readMenuItem(state.levels.back().menu, position, item) || !item.selectable())
        return false;
    state.levels.back().highlight = position;
    if (item.popup)
        openLevel(hwnd, state, item.popup, position);
    else
        end(hwnd, state, true, item.id);
    return true;
}

// The next item from the highlight in `step` direction that is not a separator, wrapping.
int nextHighlight(const PopupLevel& level, int step)
{
    const int count = GetMenuItemCount(level.menu);
    int position = level.highlight;
    for (int tried = 0; tried < count; ++tried) {
        position = position < 0 ? (step > 0 ? 0 : count - 1) : (position + step + count) % count;
        MenuItemView item;
        if (readMenuItem(level.menu, position, item) && !item.separator())
            return position;
    }
    return level.highlight;
}

void onKey(HWND hwnd, PopupMenuState& state, WPARAM key)
{
    PopupLevel& level = state.levels.back();
    MenuItemView item;
    switch (key) {
    case VK_DOWN:
    case VK_UP:
        level.highlight = nextHighlight(level, key == VK_DOWN ? 1 : -1);
        break;
    case VK_RETURN:
        activate(hwnd, state, level.highlight);
        break;
    case VK_RIGHT:
        if (readMenuItem(level.menu, level.highlight, item) && item.popup)
            activate(hwnd, state, level.highlight);
        break;
    case VK_LEFT:
    case VK_ESCAPE:
        if (state.levels.size() > 1)
            closeLevel(hwnd, state);
        else if (key == VK_ESCAPE)
            end(hwnd, state, false, 0);
        break;
    default:
        break;
    }
}

// The position of the item of `menu` whose text is `text`, with or without its '&' markers.
int positionOfText(HMENU menu, const std::u16string& text)
{
    MenuItemView item;
    for (int position = 0; readMenuItem(menu, position, item); ++position) {
        if (!item.separator() && (sameNameDevice(item.text, text) || sameNameDevice(withoutMnemonics(item.text), text)))
            return position;
    }
    return -1;
}

// Positions from the root menu of the items named by `texts`; false when one is missing.
bool positionsOfTexts(HMENU menu, const std::vector<std::u16string>& texts, std::vector<int>& path)
{
    for (const std::u16string& text : texts) {
        const int position = positionOfText(menu, text);
        MenuItemView item;
        if (!readMenuItem(menu, position, item))
            return false;
        path.push_back(position);
        menu = item.popup;
    }
    return !path.empty();
}

// Positions from `menu` of the command item `id`, searching the sub-menus depth first.
bool positionsOfId(HMENU menu, UINT id, std::vector<int>& path)
{
    MenuItemView item;
    for (int position = 0; readMenuItem(menu, position, item); ++position) {
        path.push_back(position);
        if (item.popup ? positionsOfId(item.popup, id, path) : (!item.separator() && item.id == id))
            return true;
        path.pop_back();
    }
    return false;
}

// Opens and chooses along `path` from the root, after checking that every item on the way can
// be chosen and every one but the last opens a sub-menu.
bool choosePath(HWND hwnd, PopupMenuState& state, const std::vector<int>& path)
{
    HMENU menu = state.levels.front().menu;
    for (size_t i = 0; i < path.size(); ++i) {
        MenuItemView item;
        if (!readMenuItem(menu, path[i], item) || !item.selectable() || (i + 1 < path.size() && !item.popup))
            return false;
        menu = item.popup;
    }
    while (state.levels.size() > 1)
        closeLevel(hwnd, state);
    for (int position : path)
        activate(hwnd, state, position);
    return true;
}

// ---- The window ---------------------------------------------------------------------------------

LRESULT onCreate(HWND hwnd, const CREATESTRUCTW& create)
{
    StatePtr state = gwes::controlState<PopupMenuState>(hwnd);
    const auto* request = static_cast<const PopupMenuState*>(create.lpCreateParams);
    if (!state || !request)
        return -1;
    *state = *request;
    return 0;
}

void describe(HWND hwnd, const PopupMenuState& state, emulator::PopupMenuInfo& info)
{
    info = {hwnd, state.owner, state.levels.front().menu, state.levels.back().menu};
}

LRESULT onTap(HWND hwnd, PopupMenuState& state, UINT message, LPARAM lParam)
{
    const int position = itemAt(state.levels.back().menu, static_cast<short>(HIWORD(lParam)));
    if (message == WM_LBUTTONDOWN)
        state.levels.back().highlight = position;
    else
        activate(hwnd, state, position);
    return 0;
}

// Messages that may move the highlight or change the level shown.
bool changesLook(UINT message)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case popupChoosePath:
    case popupChooseId:
    case WM_SYSCOLORCHANGE:
        return true;
    default:
        return false;
    }
}

LRESULT handleMessage(HWND hwnd, PopupMenuState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paintPopupMenu(hwnd, state.levels.back());
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers the whole pop-up
    case WM_KEYDOWN:
        onKey(hwnd, state, wParam);
        return 0;
    case WM_CHAR:
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        return onTap(hwnd, state, message, lParam);
    case WM_MOUSEMOVE:
        // The highlight follows the stylus while it is down.
        if (wParam & MK_LBUTTON)
            state.levels.back().highlight = itemAt(state.levels.back().menu, static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_CANCELMODE:
        end(hwnd, state, false, 0);
        return 0;
    case WM_DESTROY:
        if (!state.ended)
            end(hwnd, state, false, 0);
        return 0;
    case popupChoosePath: {
        std::vector<int> path;
        const auto& texts = *reinterpret_cast<const std::vector<std::u16string>*>(lParam);
        return !state.ended && positionsOfTexts(state.levels.front().menu, texts, path)
            && choosePath(hwnd, state, path);
    }
    case popupChooseId: {
        std::vector<int> path;
        return !state.ended && positionsOfId(state.levels.front().menu, static_cast<UINT>(wParam), path)
            && choosePath(hwnd, state, path);
    }
    case popupDescribe:
        if (state.ended)
            return FALSE;
        describe(hwnd, state, *reinterpret_cast<emulator::PopupMenuInfo*>(lParam));
        return TRUE;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT popupMenuProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE)
        return onCreate(hwnd, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
    StatePtr state = gwes::controlState<PopupMenuState>(hwnd);
    if (!state || state->levels.empty())
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = handleMessage(hwnd, *state, message, wParam, lParam);
    if (changesLook(message) && !state->ended)
        InvalidateRect(hwnd, nullptr, FALSE);
    return result;
}

const gwes::SystemClassRegistration registration({popupMenuClass, popupMenuProc, 0, 0});

} // namespace

bool readMenuItem(HMENU menu, int position, MenuItemView& view)
{
    MENUITEMINFOW info {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
    if (position < 0 || !GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info))
        return false;
    view.type = info.fType;
    view.state = info.fState;
    view.id = info.wID;
    view.popup = info.hSubMenu;
    view.data = info.dwItemData;
    view.text.assign(info.cch, u'\0');
    info.fMask = MIIM_TYPE;
    info.dwTypeData = view.text.data();
    info.cch = static_cast<UINT>(view.text.size() + 1);
    if (!view.text.empty())
        GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    return true;
}

std::u16string withoutMnemonics(const std::u16string& text)
{
    std::u16string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

int popupItemHeight(const MenuItemView& item)
{
    return gwes::scaledForScreen(item.separator() ? shell::popupSeparatorHeight : shell::popupItemHeight);
}

SIZE popupMenuSize(HMENU menu)
{
    SIZE size {gwes::scaledForScreen(shell::popupMinWidth), 0};
    HDC screen = GetDC(nullptr);
    {
        const shell::MenuFontSelection font(screen, false);
        MenuItemView item;
        for (int position = 0; readMenuItem(menu, position, item); ++position) {
            const std::u16string text = withoutMnemonics(item.text);
            // The font's width, or the average character's where the text cannot be measured.
            SIZE extent {static_cast<LONG>(text.size()) * gwes::scaledForScreen(shell::popupCharWidth), 0};
            if (!text.empty())
                GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &extent);
            size.cx = std::max<LONG>(size.cx, extent.cx + gwes::scaledForScreen(shell::popupTextMargin));
            size.cy += popupItemHeight(item);
        }
    }
    ReleaseDC(nullptr, screen);
    return size;
}

RECT placePopup(SIZE size, int x, int y, UINT flags, const RECT* exclude)
{
    const SIZE screen = gwes::screenSize();
    LONG left = x - ((flags & TPM_CENTERALIGN) ? size.cx / 2 : (flags & TPM_RIGHTALIGN) ? size.cx : 0);
    LONG top = y - ((flags & TPM_VCENTERALIGN) ? size.cy / 2 : (flags & TPM_BOTTOMALIGN) ? size.cy : 0);
    const bool overlaps = exclude && left < exclude->right && left + size.cx > exclude->left && top < exclude->bottom
        && top + size.cy > exclude->top;
    if (overlaps && (flags & TPM_VERTICAL))
        top = exclude->bottom + size.cy <= screen.cy ? exclude->bottom : exclude->top - size.cy;
    else if (overlaps)
        left = exclude->right + size.cx <= screen.cx ? exclude->right : exclude->left - size.cx;
    left = std::clamp<LONG>(left, 0, std::max<LONG>(0, screen.cx - size.cx));
    top = std::clamp<LONG>(top, 0, std::max<LONG>(0, screen.cy - size.cy));
    return {left, top, left + size.cx, top + size.cy};
}

} // namespace ce
