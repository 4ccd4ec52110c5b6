// BaseDialog on a test device: the list rows' colours, help at an unknown topic, menus from the
// language pack or the program, the busy dialog's job on either thread, skinned buttons drawn
// by the look, tree items, and the assertion box of the rectangle utilities.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "AppState.h"
#include "Assertions.h"
#include "BaseDialog.h"
#include "BusyDialog.h"
#include "FrameworkLook.h"
#include "FrameworkTestIds.h"
#include "TestDevice.h"
#include "TTButton.h"
#include "TreeItems.h"
#include "aygshell.h"
#include "emulator/UserInterface.h"

namespace {

class BaseDialogTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    HMODULE program = nullptr;
    HMODULE pack = nullptr;

    void SetUp() override
    {
        program = load(FRAMEWORK_PROGRAM_IMAGE, u"FrameworkProgram.dll");
        pack = load(FRAMEWORK_PACK_IMAGE, u"FrameworkPack.dll");
        appState().instance = program;
        appState().uiResourceModule = pack;
        setHelp(appState());
    }
    void TearDown() override
    {
        appState().instance = nullptr;
        appState().uiResourceModule = nullptr;
        emulator::setMessageBoxResponder({});
        FreeLibrary(pack);
        FreeLibrary(program);
    }
    HMODULE load(const char* image, const std::u16string& name)
    {
        dev.place(image, u"\\Windows\\" + name);
        return LoadLibraryW(name.c_str());
    }
    // A modeless framework dialog from the program's list template (doModal would register the
    // skinned buttons itself).
    static HWND open(BaseDialog& dialog)
    {
        registerSkinnedButtons();
        return CreateDialogParamW(appState().instance, MAKEINTRESOURCEW(testListDialogId), nullptr,
            frameworkDialogProc, reinterpret_cast<LPARAM>(&dialog));
    }
    static void pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
};

// The colours the dialog answers for a row's pre-paint.
NMLVCUSTOMDRAW paintRow(HWND dialog, HWND list, int row)
{
    NMLVCUSTOMDRAW draw {};
    draw.nmcd.hdr = {list, testListId, static_cast<UINT>(NM_CUSTOMDRAW)};
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
    SendMessageW(dialog, WM_NOTIFY, testListId, reinterpret_cast<LPARAM>(&draw));
    EXPECT_EQ(GetWindowLongPtrW(dialog, DWLP_MSGRESULT), CDRF_NEWFONT);
    return draw;
}

TEST_F(BaseDialogTest, ListRowsAlternateAndADisabledListIsGrey)
{
    BaseDialog dialog(testListDialogId, nullptr);
    dialog.highlightSelection = false;
    HWND window = open(dialog);
    ASSERT_NE(window, nullptr);
    HWND list = GetDlgItem(window, testListId);
    LVCOLUMNW column {};
    column.mask = LVCF_WIDTH;
    column.cx = 100;
    ListView_InsertColumn(list, 0, &column);
    for (int row = 0; row < 5; ++row) {
        LVITEMW item {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<LPWSTR>(u"row");
        ListView_InsertItem(list, &item);
    }
    const COLORREF expectedBackground[] = {0xF0F0F0, 0xFFFFFF, 0xF0F0F0, 0xFFFFFF, 0xF0F0F0};
    for (bool enabled : {true, false}) {
        EnableWindow(list, enabled);
        for (int row = 0; row < 5; ++row) {
            const NMLVCUSTOMDRAW draw = paintRow(window, list, row);
            EXPECT_EQ(draw.clrTextBk, expectedBackground[row]) << row;
            EXPECT_EQ(draw.clrText, enabled ? 0x000000u : 0x808080u) << row;
        }
    }
    // The control's pre-paint asks for the rows.
    NMLVCUSTOMDRAW whole {};
    whole.nmcd.hdr = {list, testListId, static_cast<UINT>(NM_CUSTOMDRAW)};
    whole.nmcd.dwDrawStage = CDDS_PREPAINT;
    SendMessageW(window, WM_NOTIFY, testListId, reinterpret_cast<LPARAM>(&whole));
    EXPECT_EQ(GetWindowLongPtrW(window, DWLP_MSGRESULT), CDRF_NOTIFYITEMDRAW);

    // The selected row shows in the highlight colours while highlighting is on.
    EnableWindow(list, TRUE);
    dialog.highlightSelection = true;
    dialog.selectListRow(list, 3);
    ListView_SetSelectionMark(list, 3);
    const NMLVCUSTOMDRAW selected = paintRow(window, list, 3);
    EXPECT_EQ(selected.clrTextBk, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(selected.clrText, GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_TRUE(selected.nmcd.uItemState & CDIS_SELECTED);
    DestroyWindow(window);
}

TEST_F(BaseDialogTest, MenusComeFromThePackThenTheProgramElseTheBarIsEmpty)
{
    const struct {
        UINT menuId;
        const char16_t* firstItem; // null: an empty bar
    } cases[] = {{100, u"Pack 100"}, {200, u"Program 200"}, {555, nullptr}, {0, nullptr}};
    for (const auto& c : cases) {
        struct ShellDialog : BaseDialog {
            UINT wanted;
            explicit ShellDialog(UINT wanted) : BaseDialog(testListDialogId, nullptr), wanted(wanted) {}
            LRESULT onInitDialog(WPARAM wParam) override
            {
                initShell(wParam, standardShellFlags, wanted);
                return 1;
            }
        } dialog(c.menuId);
        HWND window = open(dialog);
        ASSERT_NE(window, nullptr) << c.menuId;
        ASSERT_NE(dialog.menuBar, nullptr) << c.menuId;
        EXPECT_EQ(dialog.menuId, c.menuId);
        const auto buttons = SendMessageW(dialog.menuBar, TB_BUTTONCOUNT, 0, 0);
        if (!c.firstItem) {
            EXPECT_EQ(buttons, 0) << c.menuId;
        } else {
            ASSERT_NE(dialog.menu, nullptr) << c.menuId;
            WCHAR text[32] = {};
            GetMenuStringW(dialog.menu, 0, text, 32, MF_BYPOSITION);
            EXPECT_EQ(std::u16string(text), c.firstItem);
        }
        DestroyWindow(window);
        EXPECT_FALSE(IsWindow(dialog.menuBar)) << "the bar goes with its dialog";
    }
}

TEST_F(BaseDialogTest, HelpBeyondTheTopicsOpensTheContents)
{
    std::ofstream(dev.hostPath(u"\\Windows\\peghelp.exe"), std::ios::binary) << "ROM"; // the viewer's ROM file
    std::ofstream(dev.hostPath(u"\\Windows\\Kelvara.htm"), std::ios::binary)
        << "<html><body><a name=\"Main_Contents\">Contents</a><p>All.</p>"
           "<a name=\"kv_qc\">Quick</a><p>Fast.</p></body></html>";
    const struct {
        int topic;
        const char16_t* shown;
    } cases[] = {{2, u"Quick\r\n\r\nFast."}, {99, u"Contents\r\n\r\nAll."}, {-1, u"Contents\r\n\r\nAll."}};
    for (const auto& c : cases) {
        BaseDialog dialog(testListDialogId, nullptr);
        dialog.helpTopic = c.topic;
        dialog.showHelp();
        HWND viewer = nullptr;
        for (int attempt = 0; attempt < 100000 && !(viewer && IsWindowVisible(viewer)); ++attempt)
            viewer = FindWindowW(u"peghelp", u"Help"); // its own process shows it once its text is in place
        ASSERT_NE(viewer, nullptr) << c.topic;
        HWND text = GetWindow(viewer, GW_CHILD); // the viewer's one child holds the section
        WCHAR shown[128] = {};
        GetWindowTextW(text, shown, 128);
        EXPECT_EQ(std::u16string(shown), c.shown) << c.topic;
        PostMessageW(viewer, WM_CLOSE, 0, 0);
        for (int attempt = 0; attempt < 100000 && FindWindowW(u"peghelp", nullptr); ++attempt)
            Sleep(1);
    }
}

int answer(void* argument)
{
    *static_cast<DWORD*>(argument) = GetCurrentThreadId();
    return 42;
}

TEST_F(BaseDialogTest, BusyDialogEndsWithItsJobOnEitherThread)
{
    for (bool ownThread : {false, true}) {
        DWORD jobThread = 0;
        BusyDialog busy(nullptr, u"Cleaning", u"Please wait", answer, &jobThread, ownThread, false);
        EXPECT_EQ(busy.doModal(), 1) << ownThread;
        EXPECT_EQ(busy.result, 42);
        EXPECT_NE(jobThread, 0u);
        EXPECT_EQ(jobThread == GetCurrentThreadId(), !ownThread);
    }
}

TEST_F(BaseDialogTest, OnlyACancellableBusyDialogEndsOnCancel)
{
    // A person taps Cancel as soon as the dialog is up, before the job has started.
    struct CancelledAtOnce : BusyDialog {
        using BusyDialog::BusyDialog;
        LRESULT onInitDialog(WPARAM wParam) override
        {
            BusyDialog::onInitDialog(wParam);
            PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return 1;
        }
    };
    for (bool cancellable : {true, false}) {
        DWORD jobThread = 0;
        CancelledAtOnce busy(nullptr, u"Scanning", u"", answer, &jobThread, true, cancellable);
        EXPECT_EQ(busy.doModal(), cancellable ? IDCANCEL : 1) << cancellable;
        EXPECT_EQ(busy.result, cancellable ? 0 : 42);
        EXPECT_EQ(jobThread != 0, !cancellable) << "a cancelled job never starts";
    }
}

// Counts the skinned buttons it is asked to draw.
struct CountingLook : FrameworkLook {
    int buttons = 0;
    void paintBackground(HWND, HDC) override {}
    COLORREF controlTextColor() override { return 0; }
    COLORREF titleColor() override { return 0; }
    void drawButton(const DRAWITEMSTRUCT& item, ButtonFace, ButtonIcon) override
    {
        EXPECT_EQ(item.CtlID, testButtonId);
        ++buttons;
    }
    void drawProgress(HWND, HDC, RECT, int) override {}
};

TEST_F(BaseDialogTest, SkinnedButtonsAreOwnerDrawnByTheLook)
{
    CountingLook look;
    setFrameworkLook(&look);
    BaseDialog dialog(testListDialogId, nullptr);
    ASSERT_TRUE(registerSkinnedButtons());
    HWND window = open(dialog);
    HWND button = GetDlgItem(window, testButtonId);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(button);
    EXPECT_GE(look.buttons, 1);
    setFrameworkLook(nullptr);
    DestroyWindow(window);
}

TEST_F(BaseDialogTest, TreeItemsCarryCheckStatesAndFolderCounts)
{
    HWND tree = CreateWindowExW(0, WC_TREEVIEWW, u"", WS_VISIBLE | TVS_CHECKBOXES, 0, 0, 200, 200, nullptr, nullptr,
        nullptr, nullptr);
    HTREEITEM folder = insertCheckedItem(tree, TVI_ROOT, u"Temp", treeChecked, 9);
    HTREEITEM file = insertCheckedItem(tree, folder, u"a.tmp", treeUnchecked, 10);
    EXPECT_EQ(treeCheckState(tree, folder), treeChecked);
    EXPECT_EQ(treeCheckState(tree, file), treeUnchecked);
    EXPECT_EQ(TreeView_GetParent(tree, file), folder);
    setTreeCheckState(tree, file, treeChecked);
    EXPECT_EQ(treeCheckState(tree, file), treeChecked);

    const struct {
        int count, selected;
        const char16_t* text;
    } cases[] = {{3, 0, u"Temp : 3"}, {3, 2, u"Temp : 3 (2 selected)"}, {0, 0, u"Temp : 0"}};
    for (const auto& c : cases) {
        setFolderText(tree, folder, u"Temp", c.count, c.selected);
        WCHAR text[64] = {};
        TVITEMW item {};
        item.mask = TVIF_TEXT;
        item.hItem = folder;
        item.pszText = text;
        item.cchTextMax = 64;
        TreeView_GetItem(tree, &item);
        EXPECT_EQ(std::u16string(text), c.text);
    }
    DestroyWindow(tree);
}

TEST_F(BaseDialogTest, BadRectanglePointersAreReportedAndTheQuitMessageKept)
{
    std::vector<emulator::MessageBoxShown> boxes;
    emulator::setMessageBoxResponder([&boxes](const emulator::MessageBoxShown& box) {
        boxes.push_back(box);
        return IDIGNORE;
    });
    HWND window = CreateWindowExW(0, u"STATIC", u"", WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    PostQuitMessage(7);
    const int line = __LINE__ + 1;
    EXPECT_FALSE(clientRect(window, nullptr));
    EXPECT_FALSE(windowRect(window, reinterpret_cast<RECT*>(0x40)));
    RECT fine {};
    EXPECT_TRUE(clientRect(window, &fine));
    EXPECT_EQ(fine.right, 50);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, u"Assertion Failed!");
    const std::string file = __FILE__;
    EXPECT_EQ(boxes[0].text, u"File " + std::u16string(file.begin(), file.end()) + u", Line " + [&] {
        const std::string n = std::to_string(line);
        return std::u16string(n.begin(), n.end());
    }());
    EXPECT_EQ(boxes[0].type & 0xF, static_cast<UINT>(MB_ABORTRETRYIGNORE));
    MSG quit {};
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit came again";
    EXPECT_EQ(quit.wParam, 7u);
    DestroyWindow(window);
}

} // namespace
