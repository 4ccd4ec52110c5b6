// Windows: classes, the messages of creation and destruction, values, text, the tree,
// placement and activation.
#include <gtest/gtest.h>

#include "MessageLog.h"
#include "TestDevice.h"

using namespace gwes_test;

namespace {

class WindowTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    void SetUp() override { ASSERT_NE(registerRecorder(DLGWINDOWEXTRA), 0); }
};

TEST_F(WindowTest, ParentAndChildrenGetCreationAndDestructionMessagesInWin32Order)
{
    const std::vector<UINT> lifetime {WM_CREATE, WM_SIZE, WM_MOVE, WM_DESTROY, WM_NCDESTROY};
    HWND parent = makeWindow(WS_OVERLAPPED);
    HWND first = makeWindow(WS_CHILD, parent, 101);
    HWND second = makeWindow(WS_CHILD, parent, 102);
    ASSERT_TRUE(parent && first && second);
    const std::vector<Received> created {{parent, WM_CREATE, 0}, {parent, WM_SIZE, SIZE_RESTORED}, {parent, WM_MOVE, 0},
        {first, WM_CREATE, 0}, {first, WM_SIZE, SIZE_RESTORED}, {first, WM_MOVE, 0}, {second, WM_CREATE, 0},
        {second, WM_SIZE, SIZE_RESTORED}, {second, WM_MOVE, 0}};
    EXPECT_EQ(MessageLog::instance().take(lifetime), created);

    EXPECT_EQ(GetDlgCtrlID(first), 101);
    EXPECT_EQ(GetDlgItem(parent, 102), second);
    EXPECT_EQ(GetWindow(parent, GW_CHILD), first); // children stand in creation order
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    EXPECT_EQ(GetParent(first), parent);
    EXPECT_TRUE(IsChild(parent, first));

    ASSERT_TRUE(DestroyWindow(parent));
    const std::vector<Received> destroyed {{parent, WM_DESTROY, 0}, {first, WM_DESTROY, 0}, {second, WM_DESTROY, 0},
        {first, WM_NCDESTROY, 0}, {second, WM_NCDESTROY, 0}, {parent, WM_NCDESTROY, 0}};
    EXPECT_EQ(MessageLog::instance().take(lifetime), destroyed);
    for (HWND hwnd : {parent, first, second})
        EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(DestroyWindow(parent));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

LRESULT refusingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        return *static_cast<const int*>(create->lpCreateParams);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(WindowTest, CreateStructCarriesTheParameterAndMinusOneRefusesCreation)
{
    WNDCLASSW wc {};
    wc.lpfnWndProc = refusingProc;
    wc.lpszClassName = u"Refusing";
    ASSERT_NE(RegisterClassW(&wc), 0);
    int answer = -1;
    EXPECT_EQ(CreateWindowExW(0, u"Refusing", u"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, &answer), nullptr);
    EXPECT_EQ(FindWindowW(u"Refusing", nullptr), nullptr);
    answer = 0;
    HWND made = CreateWindowExW(0, u"refusing", u"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, &answer);
    EXPECT_NE(made, nullptr);
    EXPECT_FALSE(UnregisterClassW(u"Refusing", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
    DestroyWindow(made);
    EXPECT_TRUE(UnregisterClassW(u"Refusing", nullptr));
}

TEST_F(WindowTest, ClassErrors)
{
    WNDCLASSW wc {};
    wc.lpfnWndProc = recordingProc;
    wc.lpszClassName = recorderClass;
    EXPECT_EQ(RegisterClassW(&wc), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
    EXPECT_EQ(CreateWindowExW(0, u"NoSuchClass", u"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
    EXPECT_FALSE(UnregisterClassW(u"NoSuchClass", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
    EXPECT_EQ(makeWindow(WS_CHILD, reinterpret_cast<HWND>(0x1234)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(WindowTest, WindowValuesReadBackWhatWasSet)
{
    HWND hwnd = makeWindow(WS_OVERLAPPED);
    struct Case {
        int index;
        LONG_PTR value;
    };
    for (const Case& c : {Case {GWLP_USERDATA, 0x1234567890LL}, Case {DWLP_USER, -7}, Case {DWLP_MSGRESULT, 99},
             Case {GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_BORDER)}, Case {GWL_EXSTYLE, WS_EX_TOPMOST}}) {
        SetWindowLongPtrW(hwnd, c.index, c.value);
        EXPECT_EQ(GetWindowLongPtrW(hwnd, c.index), c.value) << c.index;
    }
    EXPECT_EQ(SetWindowLongW(hwnd, DWL_USER, 5), -7);
    EXPECT_EQ(GetWindowLongW(hwnd, DWL_USER), 5);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, DLGWINDOWEXTRA), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_WNDPROC), 0); // a pointer does not fit: use the LongPtr call
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
    EXPECT_EQ(GetWindowLongPtrW(nullptr, GWL_STYLE), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

WNDPROC originalProc;
LRESULT subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER + 1)
        return 42;
    return CallWindowProcW(originalProc, hwnd, message, wParam, lParam);
}

TEST_F(WindowTest, SubclassingInterceptsAndPassesOnUntilRestored)
{
    HWND hwnd = makeWindow(WS_OVERLAPPED);
    originalProc
        = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassProc)));
    EXPECT_EQ(originalProc, recordingProc);
    EXPECT_EQ(SendMessageW(hwnd, WM_USER + 1, 0, 0), 42);
    EXPECT_EQ(SendMessageW(hwnd, WM_USER, 21, 0), 42); // passed on to the class's procedure
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc));
    EXPECT_EQ(SendMessageW(hwnd, WM_USER + 1, 0, 0), 0);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(recordingProc));
}

TEST_F(WindowTest, TextClassNameAndFinding)
{
    HWND hwnd = CreateWindowExW(0, recorderClass, u"Main", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    WCHAR buffer[16];
    EXPECT_EQ(GetWindowTextW(hwnd, buffer, 16), 4);
    EXPECT_EQ(std::u16string(buffer), u"Main");
    ASSERT_TRUE(SetWindowTextW(hwnd, u"Renamed window"));
    EXPECT_EQ(GetWindowTextLengthW(hwnd), 14);
    EXPECT_EQ(GetWindowTextW(hwnd, buffer, 5), 4); // cut to fit, terminated
    EXPECT_EQ(std::u16string(buffer), u"Rena");
    EXPECT_EQ(GetClassNameW(hwnd, buffer, 16), 8);
    EXPECT_EQ(std::u16string(buffer), recorderClass);
    EXPECT_EQ(FindWindowW(recorderClass, u"Renamed window"), hwnd);
    EXPECT_EQ(FindWindowW(nullptr, u"Main"), nullptr);
    EXPECT_EQ(FindWindowW(u"Other", nullptr), nullptr);
    DWORD processId = 1;
    EXPECT_EQ(GetWindowThreadProcessId(hwnd, &processId), GetCurrentThreadId());
    EXPECT_EQ(processId, GetCurrentProcessId());
}

// Collects the test thread's windows (the device's own programs have windows too).
BOOL collect(HWND hwnd, LPARAM lParam)
{
    if (GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId())
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

TEST_F(WindowTest, EnumWindowsListsTopLevelWindowsOnly)
{
    HWND a = makeWindow();
    HWND b = makeWindow();
    makeWindow(WS_CHILD, a);
    HWND owned = makeWindow(WS_POPUP, a);
    std::vector<HWND> seen;
    EXPECT_TRUE(EnumWindows(collect, reinterpret_cast<LPARAM>(&seen)));
    EXPECT_EQ(seen, (std::vector<HWND> {owned, b, a}));
    EXPECT_EQ(GetWindow(owned, GW_OWNER), a);
    DestroyWindow(a); // takes the windows it owns along
    EXPECT_FALSE(IsWindow(owned));
}

TEST_F(WindowTest, GeometryAndCoordinates)
{
    HWND parent = makeWindow(WS_VISIBLE, nullptr, 0, 5, 5, 200, 100);
    HWND child = makeWindow(WS_CHILD | WS_VISIBLE, parent, 7, 10, 20, 30, 40);
    RECT r;
    ASSERT_TRUE(GetWindowRect(child, &r));
    EXPECT_EQ(std::vector<LONG>({r.left, r.top, r.right, r.bottom}), std::vector<LONG>({15, 25, 45, 65}));
    ASSERT_TRUE(GetClientRect(child, &r));
    EXPECT_EQ(std::vector<LONG>({r.left, r.top, r.right, r.bottom}), std::vector<LONG>({0, 0, 30, 40}));
    POINT p {20, 30};
    ClientToScreen(child, &p);
    EXPECT_EQ(p.x, 35);
    EXPECT_EQ(p.y, 55);
    ScreenToClient(parent, &p);
    EXPECT_EQ(p.x, 30);
    EXPECT_EQ(p.y, 50);

    MessageLog::instance().take({});
    ASSERT_TRUE(MoveWindow(child, 1, 2, 50, 60, TRUE));
    const std::vector<Received> moved {
        {child, WM_WINDOWPOSCHANGED, 0}, {child, WM_SIZE, SIZE_RESTORED}, {child, WM_MOVE, 0}};
    EXPECT_EQ(MessageLog::instance().take({WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE}), moved);
    SetWindowPos(child, nullptr, 1, 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER); // nothing changes: no WM_SIZE/WM_MOVE
    EXPECT_EQ(MessageLog::instance().take({WM_SIZE, WM_MOVE}).size(), 0u);
    GetWindowRect(child, &r);
    EXPECT_EQ(std::vector<LONG>({r.left, r.top, r.right, r.bottom}), std::vector<LONG>({6, 7, 56, 67}));
}

TEST_F(WindowTest, VisibilityAndEnabling)
{
    HWND parent = makeWindow();
    HWND child = makeWindow(WS_CHILD | WS_VISIBLE | WS_DISABLED, parent);
    EXPECT_FALSE(IsWindowVisible(child)); // its parent is hidden
    EXPECT_FALSE(ShowWindow(parent, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(ShowWindow(parent, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(parent));
    EXPECT_FALSE(IsWindowEnabled(child));
    EXPECT_TRUE(EnableWindow(child, TRUE)); // it was disabled
    EXPECT_TRUE(IsWindowEnabled(child));
    EXPECT_FALSE(EnableWindow(child, FALSE));
    EXPECT_EQ(MessageLog::instance().take({WM_ENABLE}).size(), 2u);
}

TEST_F(WindowTest, ActivationMovesBetweenTopLevelWindowsWithFocus)
{
    HWND first = makeWindow(WS_VISIBLE);
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(GetFocus(), first);
    HWND second = makeWindow();
    MessageLog::instance().take({});
    EXPECT_EQ(SetActiveWindow(second), first);
    const std::vector<Received> expected {{first, WM_ACTIVATE, WA_INACTIVE}, {second, WM_ACTIVATE, WA_ACTIVE}};
    EXPECT_EQ(MessageLog::instance().take({WM_ACTIVATE}), expected);
    EXPECT_EQ(GetFocus(), second);
    HWND edit = makeWindow(WS_CHILD, first);
    EXPECT_EQ(SetFocus(edit), second); // focusing a child activates its top-level window
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_TRUE(SetForegroundWindow(second));
    EXPECT_EQ(GetForegroundWindow(), second);
    DestroyWindow(second);
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(WindowTest, CloseDestroysThroughTheDefaultProcedure)
{
    HWND hwnd = makeWindow();
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
}

} // namespace
