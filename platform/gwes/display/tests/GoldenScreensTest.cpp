// Golden screenshots: small test dialogs (a list with check boxes, a tree, a combo box, a
// progress bar at 40 %, a menu bar) composed on 240x320 and 480x640 screens and compared, after
// decoding, with reviewed reference PNGs in golden/. A missing reference is written as a
// candidate and fails; a mismatch leaves NAME-ACTUAL.png beside the reference.
#include <gtest/gtest.h>

#include <functional>

#include "PaintedWindow.h"
#include "TestDevice.h"
#include "aygshell.h"
#include "commctrl.h"
#include "gdi/png/GoldenImage.h"

namespace {

// A 96-dpi measure on the device's screen (both screens here are 240 pixels per 96 dpi wide).
int scaledForScreen(int at96)
{
    return at96 * GetSystemMetrics(SM_CXSCREEN) / 240;
}

struct Screen {
    const char* name;
    int width, height, dpi;
};

constexpr Screen screens[] = {{"240x320", 240, 320, 96}, {"480x640", 480, 640, 192}};

emulator::Profile profileFor(const Screen& screen)
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.screenWidth = screen.width;
    profile.screenHeight = screen.height;
    profile.screenDpi = screen.dpi;
    return profile;
}

// A control of the scene at 96-dpi coordinates inside the host, scaled to the screen.
HWND makeControl(HWND host, const char16_t* className, const char16_t* text, DWORD style, RECT at96, int id)
{
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, scaledForScreen(at96.left),
        scaledForScreen(at96.top), scaledForScreen(at96.right - at96.left), scaledForScreen(at96.bottom - at96.top),
        host, reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
}

void listWithCheckBoxes(HWND host)
{
    HWND list = makeControl(host, WC_LISTVIEWW, u"", LVS_REPORT | WS_BORDER, {8, 8, 232, 180}, 100);
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    LVCOLUMNW column {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = scaledForScreen(150);
    column.pszText = const_cast<LPWSTR>(u"Category");
    ListView_InsertColumn(list, 0, &column);
    column.cx = scaledForScreen(60);
    column.pszText = const_cast<LPWSTR>(u"Size");
    ListView_InsertColumn(list, 1, &column);
    const char16_t* rows[][2] = {{u"Temporary files", u"120 KB"}, {u"Internet cache", u"2.4 MB"},
        {u"Cookies", u"16 KB"}, {u"Recent documents", u"3 KB"}};
    for (int i = 0; i < 4; ++i) {
        LVITEMW item {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<LPWSTR>(rows[i][0]);
        ListView_InsertItem(list, &item);
        ListView_SetItemText(list, i, 1, const_cast<LPWSTR>(rows[i][1]));
        ListView_SetCheckState(list, i, i % 2 == 0);
    }
    ListView_SetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetFocus(list);
}

HTREEITEM addTreeItem(HWND tree, HTREEITEM parent, const char16_t* text)
{
    TVINSERTSTRUCTW insert {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<LPWSTR>(text);
    return TreeView_InsertItem(tree, &insert);
}

void tree(HWND host)
{
    HWND tree = makeControl(host, WC_TREEVIEWW, u"",
        TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_CHECKBOXES | TVS_SHOWSELALWAYS | WS_BORDER,
        {8, 8, 232, 200}, 100);
    HTREEITEM registry = addTreeItem(tree, TVI_ROOT, u"HKEY_LOCAL_MACHINE");
    HTREEITEM software = addTreeItem(tree, registry, u"Software");
    addTreeItem(tree, software, u"Apps");
    HTREEITEM selected = addTreeItem(tree, software, u"Microsoft");
    addTreeItem(tree, registry, u"System");
    addTreeItem(tree, TVI_ROOT, u"HKEY_CURRENT_USER");
    TreeView_Expand(tree, registry, TVE_EXPAND);
    TreeView_Expand(tree, software, TVE_EXPAND);
    TreeView_SetCheckState(tree, software, TRUE);
    TreeView_SelectItem(tree, selected);
}

void combo(HWND host)
{
    makeControl(host, u"STATIC", u"Priority:", SS_LEFT, {8, 12, 70, 28}, 101);
    HWND box = makeControl(host, u"COMBOBOX", u"", CBS_DROPDOWNLIST | WS_VSCROLL, {72, 8, 232, 120}, 100);
    for (const char16_t* text : {u"Low", u"Normal", u"High"})
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageW(box, CB_SETCURSEL, 1, 0);
    makeControl(host, u"BUTTON", u"Remember choice", BS_AUTOCHECKBOX, {8, 40, 232, 56}, 102);
    CheckDlgButton(host, 102, BST_CHECKED);
}

void progress(HWND host)
{
    makeControl(host, u"STATIC", u"Cleaning... 40%", SS_LEFT, {8, 8, 232, 24}, 101);
    HWND bar = makeControl(host, PROGRESS_CLASSW, u"", 0, {8, 30, 232, 44}, 100);
    SendMessageW(bar, PBM_SETRANGE32, 0, 100);
    SendMessageW(bar, PBM_SETPOS, 40, 0);
}

void menuBar(HWND host)
{
    makeControl(host, u"STATIC", u"A window with a menu bar.", SS_LEFT, {8, 8, 232, 24}, 101);
    HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, 1, u"Done");
    AppendMenuW(menu, MF_STRING, 2, u"Menu");
    SHMENUBARINFO info {};
    info.cbSize = sizeof info;
    info.hwndParent = host;
    info.dwFlags = SHCMBF_HMENU | SHCMBF_HIDESIPBUTTON;
    info.nToolBarId = static_cast<UINT>(reinterpret_cast<UINT_PTR>(menu));
    ASSERT_TRUE(SHCreateMenuBar(&info));
}

struct Scene {
    const char* name;
    const char16_t* title;
    std::function<void(HWND)> build;
};

const Scene scenes[] = {
    {"list-checkboxes", u"Categories", listWithCheckBoxes},
    {"tree", u"Registry", tree},
    {"combo", u"Settings", combo},
    {"progress-40", u"Clean", progress},
    {"menu-bar", u"Menu bar", menuBar},
};

TEST(GoldenScreensTest, TestDialogsLookAsReviewed)
{
    WNDCLASSW wc {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = u"GoldenHost";
    for (const Screen& screen : screens) {
        for (const Scene& scene : scenes) {
            testing_support::TestDevice device(profileFor(screen));
            ASSERT_NE(RegisterClassW(&wc), 0);
            const int top = GetSystemMetrics(SM_CYCAPTION);
            HWND host = CreateWindowExW(0, u"GoldenHost", scene.title, WS_VISIBLE, 0, top, screen.width,
                screen.height - top - GetSystemMetrics(SM_CYMENU), nullptr, nullptr, nullptr, nullptr);
            ASSERT_NE(host, nullptr);
            SetForegroundWindow(host);
            scene.build(host);
            display_test::paintAll();
            const std::string name = std::string(scene.name) + "-" + screen.name + ".png";
            const auto result = ce::gdi::compareWithGolden(std::filesystem::path(GOLDEN_DIR) / name,
                ce::gdi::screenImageAsPng(emulator::captureScreen()));
            EXPECT_TRUE(result.matched()) << name << ": " << result.description;
        }
    }
}

} // namespace
