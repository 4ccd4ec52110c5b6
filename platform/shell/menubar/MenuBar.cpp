// The menu bar window: one button per top-level menu item, in equal parts of the bar's width
// (hidden buttons take none). A tap (stylus down and up on the same enabled button) opens a
// popup button's menu above the bar or sends a plain button's WM_COMMAND to the bar's parent.
// The toolbar messages read and change the buttons.
#include "MenuBar.h"

#include <algorithm>
#include <cstring>

#include "gwes/SystemClasses.h"
#include "gwes/controls/ControlState.h"
#include "resources/PopupMenus.h"
#include "text/CaseTable.h"

namespace ce::shell {
namespace {

using StatePtr = std::shared_ptr<MenuBarState>;

MenuBarButton buttonOf(const MenuItemView& item)
{
    MenuBarButton button;
    button.idCommand = static_cast<int>(item.id);
    button.fsState = (item.state & (MF_GRAYED | MF_DISABLED)) ? 0 : TBSTATE_ENABLED;
    if (item.state & MF_CHECKED)
        button.fsState |= TBSTATE_CHECKED;
    button.fsStyle = (item.popup ? TBSTYLE_DROPDOWN : TBSTYLE_BUTTON) | TBSTYLE_AUTOSIZE;
    button.popup = item.popup;
    button.dwData = item.popup ? reinterpret_cast<DWORD_PTR>(item.popup) : item.data;
    button.text = withoutMnemonics(item.text);
    return button;
}

LRESULT onCreate(HWND hwnd, const CREATESTRUCTW& create)
{
    StatePtr state = gwes::controlState<MenuBarState>(hwnd);
    const auto* setup = static_cast<const MenuBarState*>(create.lpCreateParams);
    if (!state || !setup)
        return -1;
    *state = *setup;
    MenuItemView item;
    for (int position = 0; readMenuItem(state->menu, position, item); ++position) {
        if (!item.separator())
            state->buttons.push_back(buttonOf(item));
    }
    return 0;
}

MenuBarButton* buttonById(MenuBarState& state, WPARAM id)
{
    auto found = std::find_if(state.buttons.begin(), state.buttons.end(),
        [&](const MenuBarButton& b) { return b.idCommand == static_cast<int>(id); });
    return found == state.buttons.end() ? nullptr : &*found;
}

LRESULT indexOf(const MenuBarState& state, const MenuBarButton* button)
{
    return button ? button - state.buttons.data() : -1;
}

int buttonAt(HWND hwnd, const MenuBarState& state, int x)
{
    const std::vector<int> edges = menuBarButtonEdges(hwnd, state);
    for (size_t i = 0; i < state.buttons.size(); ++i) {
        if (x >= edges[i] && x < edges[i + 1])
            return static_cast<int>(i);
    }
    return -1;
}

// A popup button's menu opens upwards from the button's left edge; the choice goes to the parent.
void openButtonMenu(HWND hwnd, MenuBarState& state, int index)
{
    POINT corner {menuBarButtonEdges(hwnd, state)[static_cast<size_t>(index)], 0};
    ClientToScreen(hwnd, &corner);
    state.buttons[static_cast<size_t>(index)].fsState |= TBSTATE_PRESSED;
    InvalidateRect(hwnd, nullptr, FALSE);
    const HMENU popup = state.buttons[static_cast<size_t>(index)].popup;
    TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_BOTTOMALIGN, corner.x, corner.y, state.parent, nullptr);
    if (static_cast<size_t>(index) < state.buttons.size())
        state.buttons[static_cast<size_t>(index)].fsState &= ~TBSTATE_PRESSED;
    InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT onTap(HWND hwnd, MenuBarState& state, UINT message, LPARAM lParam)
{
    const int index = buttonAt(hwnd, state, static_cast<short>(LOWORD(lParam)));
    // The button under the stylus shows pressed until the stylus lifts.
    InvalidateRect(hwnd, nullptr, FALSE);
    if (message == WM_LBUTTONDOWN) {
        state.pressed = index;
        return 0;
    }
    const bool tapped = index >= 0 && index == state.pressed;
    state.pressed = -1;
    if (!tapped || !(state.buttons[static_cast<size_t>(index)].fsState & TBSTATE_ENABLED))
        return 0;
    const MenuBarButton& button = state.buttons[static_cast<size_t>(index)];
    if (button.popup)
        openButtonMenu(hwnd, state, index);
    else
        SendMessageW(state.parent, WM_COMMAND, MAKEWPARAM(button.idCommand, 0), reinterpret_cast<LPARAM>(hwnd));
    return 0;
}

LRESULT getButton(const MenuBarState& state, WPARAM index, LPARAM lParam)
{
    auto* out = reinterpret_cast<TBBUTTON*>(lParam);
    if (!out || index >= state.buttons.size())
        return FALSE;
    const MenuBarButton& button = state.buttons[index];
    *out = TBBUTTON {};
    out->iBitmap = I_IMAGENONE;
    out->idCommand = button.idCommand;
    out->fsState = button.fsState;
    out->fsStyle = button.fsStyle;
    out->dwData = button.dwData;
    out->iString = -1;
    return TRUE;
}

// TB_SETSTATE and the calls that set one state bit: FALSE for an unknown id.
LRESULT changeState(MenuBarState& state, WPARAM id, BYTE mask, BYTE bits)
{
    MenuBarButton* button = buttonById(state, id);
    if (!button)
        return FALSE;
    button->fsState = static_cast<BYTE>((button->fsState & ~mask) | (bits & mask));
    return TRUE;
}

LRESULT setStateBit(MenuBarState& state, WPARAM id, BYTE bit, LPARAM on)
{
    return changeState(state, id, bit, LOWORD(on) ? bit : 0);
}

LRESULT getButtonInfo(HWND hwnd, MenuBarState& state, WPARAM id, LPARAM lParam)
{
    auto* info = reinterpret_cast<TBBUTTONINFOW*>(lParam);
    MenuBarButton* button = buttonById(state, id);
    if (!info || info->cbSize != sizeof(TBBUTTONINFOW) || !button)
        return -1;
    const LRESULT index = indexOf(state, button);
    if (info->dwMask & TBIF_COMMAND)
        info->idCommand = button->idCommand;
    if (info->dwMask & TBIF_IMAGE)
        info->iImage = I_IMAGENONE;
    if (info->dwMask & TBIF_STATE)
        info->fsState = button->fsState;
    if (info->dwMask & TBIF_STYLE)
        info->fsStyle = button->fsStyle;
    if (info->dwMask & TBIF_LPARAM)
        info->lParam = button->dwData;
    if (info->dwMask & TBIF_SIZE) {
        const std::vector<int> edges = menuBarButtonEdges(hwnd, state);
        info->cx = static_cast<WORD>(edges[static_cast<size_t>(index) + 1] - edges[static_cast<size_t>(index)]);
    }
    if ((info->dwMask & TBIF_TEXT) && info->pszText && info->cchText > 0) {
        const size_t copied = std::min(button->text.size(), static_cast<size_t>(info->cchText - 1));
        std::memcpy(info->pszText, button->text.data(), copied * sizeof(WCHAR));
        info->pszText[copied] = 0;
    }
    return index;
}

LRESULT setButtonInfo(MenuBarState& state, WPARAM id, LPARAM lParam)
{
    const auto* info = reinterpret_cast<const TBBUTTONINFOW*>(lParam);
    MenuBarButton* button = buttonById(state, id);
    if (!info || info->cbSize != sizeof(TBBUTTONINFOW) || !button)
        return FALSE;
    if (info->dwMask & TBIF_COMMAND)
        button->idCommand = info->idCommand;
    if (info->dwMask & TBIF_STATE)
        button->fsState = info->fsState;
    if (info->dwMask & TBIF_STYLE)
        button->fsStyle = info->fsStyle;
    if (info->dwMask & TBIF_LPARAM)
        button->dwData = info->lParam;
    if ((info->dwMask & TBIF_TEXT) && info->pszText)
        button->text = info->pszText;
    return TRUE;
}

LRESULT setSubMenu(MenuBarState& state, WPARAM id, LPARAM lParam)
{
    MenuBarButton* button = buttonById(state, id);
    if (!button)
        return 0;
    const HMENU previous = button->popup;
    button->popup = reinterpret_cast<HMENU>(lParam);
    button->dwData = static_cast<DWORD_PTR>(lParam);
    return reinterpret_cast<LRESULT>(previous);
}

// Messages after which the bar shows something else.
bool changesLook(UINT message)
{
    switch (message) {
    case TB_SETSTATE:
    case TB_ENABLEBUTTON:
    case TB_CHECKBUTTON:
    case TB_PRESSBUTTON:
    case TB_HIDEBUTTON:
    case TB_SETBUTTONINFOW:
    case WM_SYSCOLORCHANGE:
        return true;
    default:
        return false;
    }
}

LRESULT handleMessage(HWND hwnd, MenuBarState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    MenuBarButton* button = nullptr;
    switch (message) {
    case WM_PAINT:
        paintMenuBar(hwnd, state);
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers the whole bar
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        return onTap(hwnd, state, message, lParam);
    case WM_DESTROY:
        if (state.ownsMenu)
            DestroyMenu(state.menu);
        return 0;
    case SHCMBM_GETMENU:
        return reinterpret_cast<LRESULT>(state.menu);
    case SHCMBM_GETSUBMENU:
        button = buttonById(state, static_cast<WPARAM>(lParam));
        return button ? reinterpret_cast<LRESULT>(button->popup) : 0;
    case SHCMBM_SETSUBMENU:
        return setSubMenu(state, wParam, lParam);
    case TB_BUTTONCOUNT:
        return static_cast<LRESULT>(state.buttons.size());
    case TB_GETBUTTON:
        return getButton(state, wParam, lParam);
    case TB_COMMANDTOINDEX:
        return indexOf(state, buttonById(state, wParam));
    case TB_GETSTATE:
        button = buttonById(state, wParam);
        return button ? button->fsState : -1;
    case TB_SETSTATE:
        return changeState(state, wParam, 0xFF, static_cast<BYTE>(LOWORD(lParam)));
    case TB_ENABLEBUTTON:
        return setStateBit(state, wParam, TBSTATE_ENABLED, lParam);
    case TB_CHECKBUTTON:
        return setStateBit(state, wParam, TBSTATE_CHECKED, lParam);
    case TB_PRESSBUTTON:
        return setStateBit(state, wParam, TBSTATE_PRESSED, lParam);
    case TB_HIDEBUTTON:
        return setStateBit(state, wParam, TBSTATE_HIDDEN, lParam);
    case TB_ISBUTTONENABLED:
        button = buttonById(state, wParam);
        return button && (button->fsState & TBSTATE_ENABLED);
    case TB_GETBUTTONINFOW:
        return getButtonInfo(hwnd, state, wParam, lParam);
    case TB_SETBUTTONINFOW:
        return setButtonInfo(state, wParam, lParam);
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT menuBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE)
        return onCreate(hwnd, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
    StatePtr state = gwes::controlState<MenuBarState>(hwnd);
    if (!state)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = handleMessage(hwnd, *state, message, wParam, lParam);
    if (changesLook(message))
        InvalidateRect(hwnd, nullptr, FALSE);
    return result;
}

const gwes::SystemClassRegistration registration({menuBarClass, menuBarProc, 0, 0});

} // namespace

std::vector<int> menuBarButtonEdges(HWND hwnd, const MenuBarState& state)
{
    RECT client {};
    GetClientRect(hwnd, &client);
    const auto visible = std::count_if(state.buttons.begin(), state.buttons.end(),
        [](const MenuBarButton& b) { return !(b.fsState & TBSTATE_HIDDEN); });
    std::vector<int> edges;
    int shown = 0;
    for (const MenuBarButton& button : state.buttons) {
        edges.push_back(static_cast<int>(client.right * shown / std::max<decltype(visible)>(visible, 1)));
        shown += (button.fsState & TBSTATE_HIDDEN) ? 0 : 1;
    }
    edges.push_back(client.right);
    return edges;
}

std::shared_ptr<MenuBarState> menuBarState(HWND hwnd)
{
    WCHAR className[16] = {};
    if (!GetClassNameW(hwnd, className, 16) || !sameNameDevice(className, menuBarClass))
        return nullptr;
    return gwes::controlState<MenuBarState>(hwnd);
}

} // namespace ce::shell
