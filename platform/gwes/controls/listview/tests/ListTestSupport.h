// A parent window for list view and header tests: it records the notifications it gets, in
// order, answers them as a test asks, and gives callback texts and images.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestDevice.h"
#include "commctrl.h"

namespace listview_test {

struct Notice {
    UINT code = 0;
    int item = 0;
    int subItem = 0;
    UINT newState = 0;
    UINT oldState = 0;
    UINT changed = 0;
    DWORD stage = 0; // NM_CUSTOMDRAW
    bool operator==(const Notice&) const = default;
};

// Short forms for expected sequences.
inline Notice changing(int item, UINT newState, UINT oldState)
{
    return {LVN_ITEMCHANGING, item, 0, newState, oldState, LVIF_STATE};
}
inline Notice changed(int item, UINT newState, UINT oldState)
{
    return {LVN_ITEMCHANGED, item, 0, newState, oldState, LVIF_STATE};
}
inline Notice plain(UINT code, int item = 0, int subItem = 0)
{
    return {code, item, subItem};
}
inline Notice drawn(DWORD stage, int item = 0, int subItem = 0)
{
    return {NM_CUSTOMDRAW, item, subItem, 0, 0, 0, stage};
}

std::ostream& operator<<(std::ostream& out, const Notice& n);

class NoticeLog {
public:
    static NoticeLog& instance();
    void add(const Notice& notice) { m_notices.push_back(notice); }
    // The notices of the codes in `codes` (all when empty) since the last take.
    std::vector<Notice> take(const std::vector<UINT>& codes = {});
    // The parent's answer to each notification (0 when unset).
    std::function<LRESULT(NMHDR*)> answer;
    // The parent's answer to LVN_GETDISPINFOW for text: "<item>.<sub>" when unset.
    std::function<std::u16string(int item, int subItem)> text;
    // What the parent does with WM_DRAWITEM (nothing when unset).
    std::function<void(const DRAWITEMSTRUCT&)> drawItem;

private:
    std::vector<Notice> m_notices;
};

// The notification codes of state changes, taps and keys.
inline const std::vector<UINT> stateCodes {LVN_ITEMCHANGING, LVN_ITEMCHANGED};

LRESULT parentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// A booted device (the small profile unless a test asks for another), a parent window and a
// report list (10 rows of 16 pixels under the header at 96 dpi).
class ListFixture : public ::testing::Test {
protected:
    explicit ListFixture(const emulator::Profile& profile = testing_support::smallProfile())
        : dev(profile)
    {
    }
    testing_support::TestDevice dev;
    HWND parent = nullptr;
    HWND list = nullptr;
    static constexpr int listId = 7;
    static constexpr int width = 200;
    static constexpr int height = 18 + 10 * 16;

    void SetUp() override;
    void TearDown() override;
    // Makes the list again with other styles.
    HWND makeList(DWORD style, DWORD exStyle = 0);
    void addColumns(std::initializer_list<int> widths);
    // Inserts items "a", "b"... (or the given labels) with lParam 100 + index.
    void addItems(std::initializer_list<const char16_t*> labels);
    void addItems(int count);
    std::u16string textOf(int item, int subItem = 0);
    void tap(int x, int y);
    void doubleTap(int x, int y);
    void key(WPARAM vk);
    // Paints whatever is invalid, with the custom-draw stages it brings.
    void paintNow();
};

} // namespace listview_test
