// A parent window that records what a tree view tells it, answers notifications as a test
// asks, and a fixture with a tree of 100 x 160 pixels (ten rows) in it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "TestDevice.h"
#include "commctrl.h"

namespace tree_test {

// One notification as the parent saw it.
struct Note {
    UINT code = 0;
    UINT action = 0; // NMTREEVIEWW::action
    HTREEITEM oldItem = nullptr;
    HTREEITEM newItem = nullptr;
    DWORD stage = 0; // NM_CUSTOMDRAW
    HTREEITEM drawn = nullptr;
    bool operator==(const Note&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Note& note)
{
    return out << "{code " << static_cast<int>(note.code) << ", action " << note.action << ", old " << note.oldItem
               << ", new " << note.newItem << ", stage " << note.stage << ", drawn " << note.drawn << "}";
}

// What the parent records and how it answers; one per test (the fixture resets it).
struct Parent {
    std::vector<Note> notes;
    std::vector<NMTREEVIEWW> treeNotes; // the whole NMTREEVIEWW of item notifications
    std::vector<NMTVCUSTOMDRAW> draws;
    std::vector<WORD> keys; // TVN_KEYDOWN
    std::map<UINT, LRESULT> answers; // by code; NM_CUSTOMDRAW by stage in drawAnswers
    std::map<DWORD, LRESULT> drawAnswers;
    std::function<void(NMTVDISPINFOW&)> dispInfo;
    std::function<void(UINT code, const NMHDR&)> onNotify; // runs before the answer
    std::function<void(NMTVCUSTOMDRAW&)> customize; // may change an NM_CUSTOMDRAW's colours
    static Parent& current()
    {
        static Parent parent;
        return parent;
    }
};

inline LRESULT parentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_NOTIFY)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    Parent& parent = Parent::current();
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    Note note;
    note.code = header->code;
    switch (header->code) {
    case TVN_SELCHANGINGW:
    case TVN_SELCHANGEDW:
    case TVN_ITEMEXPANDINGW:
    case TVN_ITEMEXPANDEDW:
    case TVN_DELETEITEMW: {
        const auto* info = reinterpret_cast<const NMTREEVIEWW*>(lParam);
        note.action = info->action;
        note.oldItem = info->itemOld.hItem;
        note.newItem = info->itemNew.hItem;
        parent.treeNotes.push_back(*info);
        break;
    }
    case TVN_GETDISPINFOW:
        if (parent.dispInfo)
            parent.dispInfo(*reinterpret_cast<NMTVDISPINFOW*>(lParam));
        return 0; // not recorded: layout may ask at any time
    case TVN_KEYDOWN:
        parent.keys.push_back(reinterpret_cast<const NMTVKEYDOWN*>(lParam)->wVKey);
        break;
    case NM_CUSTOMDRAW: {
        auto* draw = reinterpret_cast<NMTVCUSTOMDRAW*>(lParam);
        if (parent.customize)
            parent.customize(*draw);
        note.stage = draw->nmcd.dwDrawStage;
        note.drawn = reinterpret_cast<HTREEITEM>(draw->nmcd.dwItemSpec);
        parent.draws.push_back(*draw);
        parent.notes.push_back(note);
        auto answer = parent.drawAnswers.find(note.stage);
        return answer == parent.drawAnswers.end() ? CDRF_DODEFAULT : answer->second;
    }
    default:
        break;
    }
    parent.notes.push_back(note);
    if (parent.onNotify)
        parent.onNotify(header->code, *header);
    auto answer = parent.answers.find(header->code);
    return answer == parent.answers.end() ? 0 : answer->second;
}

constexpr int treeId = 77;
constexpr int treeWidth = 100;
constexpr int treeHeight = 160;

class TreeFixture : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    HWND parentWindow = nullptr;
    HWND tree = nullptr;

    void SetUp() override
    {
        Parent::current() = Parent {};
        WNDCLASSW wc {};
        wc.lpfnWndProc = parentProc;
        wc.lpszClassName = u"TreeParent";
        RegisterClassW(&wc);
        parentWindow
            = CreateWindowExW(0, u"TreeParent", u"", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parentWindow, nullptr);
        makeTree(0);
    }
    void TearDown() override
    {
        DestroyWindow(parentWindow);
        Parent::current() = Parent {};
    }

    // Replaces the tree with one of these styles (besides WS_CHILD | WS_VISIBLE).
    void makeTree(DWORD style)
    {
        if (tree)
            DestroyWindow(tree);
        tree = CreateWindowExW(0, WC_TREEVIEWW, u"", WS_CHILD | WS_VISIBLE | style, 0, 0, treeWidth, treeHeight,
            parentWindow, reinterpret_cast<HMENU>(static_cast<intptr_t>(treeId)), nullptr, nullptr);
        ASSERT_NE(tree, nullptr);
        Parent::current().notes.clear();
    }

    HTREEITEM add(HTREEITEM parent, const char16_t* text, HTREEITEM after = TVI_LAST, LPARAM lParam = 0)
    {
        TVINSERTSTRUCTW insert {};
        insert.hParent = parent;
        insert.hInsertAfter = after;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<LPWSTR>(text);
        insert.item.lParam = lParam;
        return TreeView_InsertItem(tree, &insert);
    }

    std::u16string textOf(HTREEITEM item)
    {
        WCHAR buffer[64] {};
        TVITEMW asked {};
        asked.mask = TVIF_TEXT;
        asked.hItem = item;
        asked.pszText = buffer;
        asked.cchTextMax = 64;
        return TreeView_GetItem(tree, &asked) ? std::u16string(buffer) : u"<none>";
    }

    // The texts of a node's children in order.
    std::vector<std::u16string> childTexts(HTREEITEM parent)
    {
        std::vector<std::u16string> texts;
        HTREEITEM child = TreeView_GetNextItem(tree, parent, TVGN_CHILD);
        for (; child; child = TreeView_GetNextSibling(tree, child))
            texts.push_back(textOf(child));
        return texts;
    }

    std::vector<Note> takeNotes()
    {
        std::vector<Note> notes = std::move(Parent::current().notes);
        Parent::current().notes.clear();
        return notes;
    }

    void tap(int x, int y)
    {
        SendMessageW(tree, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(tree, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    void key(WPARAM vk) { SendMessageW(tree, WM_KEYDOWN, vk, 0); }
};

// a (a1, a2 (a2x)), b: a branch, a hidden grandchild and a leaf, all collapsed.
class BranchFixture : public TreeFixture {
protected:
    HTREEITEM a, a1, a2, a2x, b;
    void SetUp() override
    {
        TreeFixture::SetUp();
        a = add(TVI_ROOT, u"a");
        a1 = add(a, u"a1");
        a2 = add(a, u"a2");
        a2x = add(a2, u"a2x");
        b = add(TVI_ROOT, u"b");
    }
};

inline Note sel(UINT code, UINT action, HTREEITEM oldItem, HTREEITEM newItem)
{
    return {code, action, oldItem, newItem, 0, nullptr};
}
inline Note simple(UINT code)
{
    return {code, 0, nullptr, nullptr, 0, nullptr};
}
inline Note expanding(UINT code, UINT action, HTREEITEM item)
{
    return {code, action, nullptr, item, 0, nullptr};
}
inline Note deleting(HTREEITEM item)
{
    return {TVN_DELETEITEMW, 0, item, nullptr, 0, nullptr};
}
inline Note drawing(DWORD stage, HTREEITEM item = nullptr)
{
    return {NM_CUSTOMDRAW, 0, nullptr, nullptr, stage, item};
}

} // namespace tree_test
