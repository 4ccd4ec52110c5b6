// The framework's dispatcher: which operation each message reaches, commands a window does not
// handle going to its parent once, custom-draw routing by the sender's class, owner-draw
// delegation to the control's own object, and subclassed windows keeping their procedure.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BaseWnd.h"
#include "TestDevice.h"

namespace {

// Records the operation each message reached.
class Recorder : public BaseWnd {
public:
    std::vector<std::string> reached;
    UINT handledCommand = 0; // onCommand handles this id, passes every other on

    LRESULT onSize(UINT, int, int) override { return note("onSize", 0); }
    LRESULT onEraseBkgnd(HDC) override { return note("onEraseBkgnd", 1); }
    LRESULT onLButtonUp(UINT, int, int) override { return note("onLButtonUp", 0); }
    LRESULT onLButtonDown(UINT, int, int) override { return note("onLButtonDown", 0); }
    LRESULT onCommand(UINT code, UINT id, HWND control) override
    {
        note("onCommand " + std::to_string(id), 0);
        return id == handledCommand ? 0 : BaseWnd::onCommand(code, id, control);
    }
    LRESULT onTimer(UINT, LPARAM) override { return note("onTimer", 0); }
    LRESULT onCtlColorStatic(HDC, HWND) override { return note("onCtlColorStatic", 0); }
    LRESULT onCtlColorBtn(HDC, HWND) override { return note("onCtlColorBtn", 0); }
    LRESULT onCtlColorEdit(HDC, HWND) override { return note("onCtlColorEdit", 0); }
    LRESULT onNotify(int, NMHDR*) override { return note("onNotify", 0); }
    LRESULT onTreeCustomDraw(int, NMHDR*) override { return note("onTreeCustomDraw", 0); }
    LRESULT onListCustomDraw(int, NMHDR*) override { return note("onListCustomDraw", 0); }
    LRESULT onHelp() override { return note("onHelp", 0); }
    LRESULT onListNotify(int, NMHDR*) override { return note("onListNotify", 0); }
    LRESULT onTreeNotify(int, NMHDR*) override { return note("onTreeNotify", 0); }
    LRESULT onHeaderClick(int, NMHDR*) override { return note("onHeaderClick", 0); }
    LRESULT onClick(int, NMHDR*) override { return note("onClick", 0); }
    LRESULT onOwnNotify(int, NMHDR*) override { return note("onOwnNotify", 0); }
    LRESULT onSettingChange(UINT) override { return note("onSettingChange", 0); }
    LRESULT onHScroll(UINT code, int position, HWND) override
    {
        return note("onHScroll " + std::to_string(code) + " " + std::to_string(position), 0);
    }
    LRESULT onVScroll(UINT, int, HWND) override { return note("onVScroll", 0); }
    LRESULT onMessage(UINT message, WPARAM, LPARAM) override
    {
        return note("onMessage " + std::to_string(message), 0);
    }
    LRESULT onDrawItem(int id, DRAWITEMSTRUCT* item) override
    {
        note("onDrawItem " + std::to_string(id), 0);
        return BaseWnd::onDrawItem(id, item);
    }

private:
    LRESULT note(const std::string& name, LRESULT answer)
    {
        reached.push_back(name);
        return answer;
    }
};

// A control's own object: it draws itself.
class SelfDrawn : public BaseWnd {
public:
    int drawn = 0;
    const DRAWITEMSTRUCT* seen = nullptr;
    LRESULT onDrawItem(int, DRAWITEMSTRUCT* item) override
    {
        ++drawn;
        seen = item;
        return 7;
    }
};

class DispatchTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    Recorder parentObject;
    Recorder childObject;
    HWND parent = nullptr;
    HWND child = nullptr;

    void SetUp() override
    {
        WNDCLASSW framework {};
        framework.lpfnWndProc = frameworkWindowProc;
        framework.lpszClassName = u"FrameworkTestWindow";
        RegisterClassW(&framework);
        parent = CreateWindowExW(0, u"FrameworkTestWindow", u"parent", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr,
            nullptr, &parentObject);
        child = CreateWindowExW(0, u"FrameworkTestWindow", u"child", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, parent,
            reinterpret_cast<HMENU>(5), nullptr, &childObject);
        parentObject.reached.clear();
        childObject.reached.clear();
    }
    void TearDown() override
    {
        DestroyWindow(parent);
        UnregisterClassW(u"FrameworkTestWindow", nullptr);
    }
    // Delivers the commands posted to this thread's windows (the test windows never paint, so
    // they would always have a WM_PAINT waiting).
    static void pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, WM_COMMAND, WM_COMMAND, PM_REMOVE))
            DispatchMessageW(&message);
    }
    HWND control(const char16_t* className)
    {
        return CreateWindowExW(0, className, u"", WS_CHILD, 0, 0, 50, 50, parent, nullptr, nullptr, nullptr);
    }
};

TEST_F(DispatchTest, EachMessageReachesItsOperation)
{
    HWND list = control(WC_LISTVIEWW);
    HWND tree = control(WC_TREEVIEWW);
    HWND button = control(u"BUTTON");
    const struct {
        UINT message;
        UINT code;   // for WM_NOTIFY
        HWND sender; // for WM_NOTIFY
        WPARAM wParam;
        const char* expected;
    } cases[] = {
        {WM_SIZE, 0, nullptr, 0, "onSize"},
        {WM_ERASEBKGND, 0, nullptr, 0, "onEraseBkgnd"},
        {WM_LBUTTONDOWN, 0, nullptr, 0, "onLButtonDown"},
        {WM_LBUTTONUP, 0, nullptr, 0, "onLButtonUp"},
        {WM_TIMER, 0, nullptr, 0, "onTimer"},
        {WM_CTLCOLORSTATIC, 0, nullptr, 0, "onCtlColorStatic"},
        {WM_CTLCOLORBTN, 0, nullptr, 0, "onCtlColorBtn"},
        {WM_CTLCOLOREDIT, 0, nullptr, 0, "onCtlColorEdit"},
        {WM_HELP, 0, nullptr, 0, "onHelp"},
        {WM_SETTINGCHANGE, 0, nullptr, 0, "onSettingChange"},
        {WM_HSCROLL, 0, nullptr, MAKEWPARAM(SB_THUMBTRACK, 0xFFFE), "onHScroll 5 -2"},
        {WM_VSCROLL, 0, nullptr, 0, "onVScroll"},
        {WM_USER + 7, 0, nullptr, 0, "onMessage 1031"},
        {WM_NOTIFY, LVN_ITEMCHANGED, list, 0, "onListNotify"},
        {WM_NOTIFY, LVN_GETDISPINFOW, list, 0, "onListNotify"},
        {WM_NOTIFY, TVN_SELCHANGEDW, tree, 0, "onTreeNotify"},
        {WM_NOTIFY, TVN_ITEMEXPANDINGW, tree, 0, "onTreeNotify"},
        {WM_NOTIFY, HDN_ITEMCLICKW, list, 0, "onHeaderClick"},
        {WM_NOTIFY, NM_CLICK, button, 0, "onClick"},
        {WM_NOTIFY, ownNotifyCode, button, 0, "onOwnNotify"},
        {WM_NOTIFY, NM_CUSTOMDRAW, list, 0, "onListCustomDraw"},
        {WM_NOTIFY, NM_CUSTOMDRAW, tree, 0, "onTreeCustomDraw"},
        {WM_NOTIFY, NM_CUSTOMDRAW, button, 0, "onNotify"},
        {WM_NOTIFY, LVN_ITEMCHANGING, list, 0, "onNotify"},
    };
    for (const auto& c : cases) {
        parentObject.reached.clear();
        NMHDR header {c.sender, 3, c.code};
        SendMessageW(parent, c.message, c.wParam, c.message == WM_NOTIFY ? reinterpret_cast<LPARAM>(&header) : 0);
        EXPECT_EQ(parentObject.reached, std::vector<std::string> {c.expected}) << c.expected;
    }
}

TEST_F(DispatchTest, AnUnhandledCommandReachesTheParentOnceAndAHandledOneNobodyElse)
{
    childObject.handledCommand = 40;
    SendMessageW(child, WM_COMMAND, MAKEWPARAM(41, 0), 0);
    SendMessageW(child, WM_COMMAND, MAKEWPARAM(40, 0), 0);
    pump();
    EXPECT_EQ(childObject.reached, (std::vector<std::string> {"onCommand 41", "onCommand 40"}));
    EXPECT_EQ(parentObject.reached, std::vector<std::string> {"onCommand 41"}) << "posted once, and only 41";
}

TEST_F(DispatchTest, OwnerDrawnControlsDrawThemselves)
{
    SelfDrawn buttonObject;
    HWND drawn = CreateWindowExW(0, u"BUTTON", u"", WS_CHILD | BS_OWNERDRAW, 0, 0, 50, 20, parent,
        reinterpret_cast<HMENU>(12), nullptr, nullptr);
    attach(buttonObject, drawn);
    DRAWITEMSTRUCT item {};
    item.CtlID = 12;
    item.hwndItem = drawn;
    EXPECT_EQ(SendMessageW(parent, WM_DRAWITEM, 12, reinterpret_cast<LPARAM>(&item)), 7);
    EXPECT_EQ(buttonObject.drawn, 1);
    EXPECT_EQ(buttonObject.seen, &item);
    // A control without an object: nobody draws, the answer is 0.
    control(u"BUTTON");
    EXPECT_EQ(SendMessageW(parent, WM_DRAWITEM, 13, reinterpret_cast<LPARAM>(&item)), 0);
    EXPECT_EQ(buttonObject.drawn, 1);
}

TEST_F(DispatchTest, AnAttachedWindowKeepsItsOwnProcedureForWhatTheObjectLeaves)
{
    HWND edit = CreateWindowExW(0, u"EDIT", u"before", WS_CHILD, 0, 0, 80, 20, parent, nullptr, nullptr, nullptr);
    {
        BaseWnd object;
        attach(object, edit);
        EXPECT_EQ(objectOf(edit), &object);
        EXPECT_NE(object.origProc, nullptr);
        SetWindowTextW(edit, u"after"); // onMessage's default: the edit's own procedure
        WCHAR text[16] = {};
        GetWindowTextW(edit, text, 16);
        EXPECT_EQ(std::u16string(text), u"after");
    }
    // The object is gone: the edit has its procedure back and no object.
    EXPECT_EQ(objectOf(edit), nullptr);
    SetWindowTextW(edit, u"again");
    WCHAR text[16] = {};
    GetWindowTextW(edit, text, 16);
    EXPECT_EQ(std::u16string(text), u"again");
}

TEST_F(DispatchTest, ReadOnlyEditsIgnoreTyping)
{
    HWND edit = CreateWindowExW(0, u"EDIT", u"fixed", WS_CHILD, 0, 0, 80, 20, parent, nullptr, nullptr, nullptr);
    makeReadOnly(edit);
    for (UINT message : {static_cast<UINT>(WM_CHAR), static_cast<UINT>(WM_PASTE), static_cast<UINT>(WM_CUT)})
        SendMessageW(edit, message, u'x', 0);
    WCHAR text[16] = {};
    GetWindowTextW(edit, text, 16);
    EXPECT_EQ(std::u16string(text), u"fixed");
    SetWindowTextW(edit, u"set"); // the program may still set it
    GetWindowTextW(edit, text, 16);
    EXPECT_EQ(std::u16string(text), u"set");
}

} // namespace
