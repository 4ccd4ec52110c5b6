// The open and save dialogs run on the test thread and driven from a second one: what they
// list, moving between folders and types, the names typed with OK, the checks that keep the
// dialog open, and what the caller gets back.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "DialogDriver.h"
#include "TestDevice.h"
#include "commdlg.h"
#include "emulator/UserInterface.h"
#include "windows.h"

namespace {

using commdlg_test::Driver;
using Rows = std::vector<std::u16string>;

constexpr const char16_t* title = u"Pick";
// Filters hold pairs of a name and its patterns; the literal's own terminator ends the list.
constexpr WCHAR textAndAll[] = u"Text\0*.txt\0All\0*.*\0";

void makeFile(const char16_t* path)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot make a file";
    CloseHandle(file);
}

// A request for a dialog starting in \Docs and titled "Pick", with room for any path.
struct Request {
    WCHAR file[MAX_PATH] {};
    WCHAR fileTitle[MAX_PATH] {};
    OPENFILENAMEW ofn {};

    Request()
    {
        ofn.lStructSize = sizeof ofn;
        ofn.lpstrFile = file;
        ofn.nMaxFile = MAX_PATH;
        ofn.lpstrFileTitle = fileTitle;
        ofn.nMaxFileTitle = MAX_PATH;
        ofn.lpstrInitialDir = u"\\Docs";
        ofn.lpstrTitle = title;
    }
};

enum class Kind { Open, Save };

// Runs the dialog while `script` drives it from a second thread; the script gets the dialog,
// or does not run when none appeared.
BOOL runDialog(Kind kind, OPENFILENAMEW& ofn, const std::function<void(HWND)>& script)
{
    const char16_t* caption = ofn.lpstrTitle ? ofn.lpstrTitle : kind == Kind::Save ? u"Save As" : u"Open";
    Driver driver([&] {
        HWND dialog = commdlg_test::waitForWindow(u"Dialog", caption);
        EXPECT_NE(dialog, nullptr) << "no dialog appeared";
        if (dialog)
            script(dialog);
    });
    return kind == Kind::Save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
}

// Types a name and presses OK, handled before this returns (no message box may follow).
void typeAndAccept(HWND dialog, const std::u16string& name)
{
    commdlg_test::setItemText(dialog, edt1, name);
    commdlg_test::notify(dialog, IDOK, BN_CLICKED);
}

// Types a name and presses OK as the script runner does: a posted command.
void typeAndPressOk(HWND dialog, const std::u16string& name)
{
    commdlg_test::setItemText(dialog, edt1, name);
    commdlg_test::press(dialog, IDOK);
}

void selectRow(HWND dialog, int row, WORD code)
{
    SendDlgItemMessageW(dialog, lst1, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    commdlg_test::notify(dialog, lst1, code);
}

void chooseComboItem(HWND dialog, int id, int item)
{
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    commdlg_test::notify(dialog, id, CBN_SELCHANGE);
}

class FileDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char16_t* folder : {u"\\Docs", u"\\Docs\\Zeta", u"\\Docs\\alpha", u"\\Docs\\alpha\\inner", u"\\Other"})
            ASSERT_TRUE(CreateDirectoryW(folder, nullptr));
        for (const char16_t* file : {u"\\Docs\\b.TXT", u"\\Docs\\a.txt", u"\\Docs\\c.log", u"\\Docs\\d.doc",
                 u"\\Docs\\hidden.txt", u"\\Docs\\alpha\\deep.txt"})
            makeFile(file);
        ASSERT_TRUE(SetFileAttributesW(u"\\Docs\\hidden.txt", FILE_ATTRIBUTE_HIDDEN));
        emulator::takeMessageBeeps();
    }
    void TearDown() override { emulator::setMessageBoxResponder({}); }
    testing_support::TestDevice dev;
};

TEST_F(FileDialogTest, ListsSubFoldersFirstThenTheTypesFilesSortedByName)
{
    struct Case {
        const WCHAR* filter;
        DWORD filterIndex;
        Rows rows;
        Rows types;
        std::u16string typeShown;
    };
    const Rows textRows = {u"alpha\\", u"Zeta\\", u"a.txt", u"b.TXT"};
    const Rows allRows = {u"alpha\\", u"Zeta\\", u"a.txt", u"b.TXT", u"c.log", u"d.doc"};
    const Case cases[] = {
        {textAndAll, 1, textRows, {u"Text", u"All"}, u"Text"},
        {textAndAll, 2, allRows, {u"Text", u"All"}, u"All"},
        {textAndAll, 0, textRows, {u"Text", u"All"}, u"Text"},
        {u"Notes\0*.log; *.TXT\0", 1, {u"alpha\\", u"Zeta\\", u"a.txt", u"b.TXT", u"c.log"}, {u"Notes"}, u"Notes"},
        {u"Both\0*.txt;*.t?t\0", 1, textRows, {u"Both"}, u"Both"}, // a file two patterns find is listed once
        {nullptr, 0, allRows, {}, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(commdlg_test::ascii(c.typeShown));
        Request request;
        request.ofn.lpstrFilter = c.filter;
        request.ofn.nFilterIndex = c.filterIndex;
        const BOOL chosen = runDialog(Kind::Open, request.ofn, [&](HWND dialog) {
            EXPECT_EQ(commdlg_test::listRows(dialog, lst1), c.rows);
            EXPECT_EQ(commdlg_test::comboItems(dialog, cmb1), c.types);
            EXPECT_EQ(commdlg_test::comboSelection(dialog, cmb1), c.typeShown);
            EXPECT_EQ(commdlg_test::comboItems(dialog, cmb2), (Rows {u"\\", u"\\Docs"}));
            commdlg_test::press(dialog, IDCANCEL);
        });
        EXPECT_FALSE(chosen);
        EXPECT_EQ(CommDlgExtendedError(), 0u);
    }
}

TEST_F(FileDialogTest, ChoosingATypeRelistsAndATappedFileIsNamedAndReturned)
{
    Request request;
    request.ofn.lpstrFilter = textAndAll;
    request.ofn.nFilterIndex = 1;
    const BOOL chosen = runDialog(Kind::Open, request.ofn, [](HWND dialog) {
        chooseComboItem(dialog, cmb1, 1);
        const Rows rows = commdlg_test::listRows(dialog, lst1);
        ASSERT_EQ(rows.size(), 6u);
        EXPECT_EQ(rows[4], u"c.log");
        selectRow(dialog, 4, LBN_SELCHANGE);
        EXPECT_EQ(commdlg_test::itemText(dialog, edt1), u"c.log");
        selectRow(dialog, 0, LBN_SELCHANGE); // a folder does not replace the name
        EXPECT_EQ(commdlg_test::itemText(dialog, edt1), u"c.log");
        commdlg_test::press(dialog, IDOK);
    });
    EXPECT_TRUE(chosen);
    EXPECT_EQ(std::u16string(request.file), u"\\Docs\\c.log");
    EXPECT_EQ(request.ofn.nFilterIndex, 2u);
    EXPECT_EQ(request.ofn.nFileOffset, 6);
    EXPECT_EQ(request.ofn.nFileExtension, 8);
    EXPECT_EQ(std::u16string(request.fileTitle), u"c.log");
}

// Stylus taps on the list's row, as a person gives them: down and up, then for a double tap a
// second down (WM_LBUTTONDBLCLK) and up.
void tapRow(HWND dialog, int row, bool twice)
{
    HWND list = GetDlgItem(dialog, lst1);
    RECT rect {};
    ASSERT_NE(SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)), LB_ERR);
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    if (twice) {
        SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageW(list, WM_LBUTTONUP, 0, at);
    }
}

TEST_F(FileDialogTest, TapsNameFilesAndDoubleTapsEnterFoldersAndTakeFiles)
{
    Request request;
    std::u16string named;
    std::u16string entered;
    const BOOL chosen = runDialog(Kind::Open, request.ofn, [&](HWND dialog) {
        tapRow(dialog, 2, false);
        named = commdlg_test::itemText(dialog, edt1);
        tapRow(dialog, 0, true);
        entered = commdlg_test::comboSelection(dialog, cmb2);
        tapRow(dialog, 1, true);
    });
    EXPECT_TRUE(chosen);
    EXPECT_EQ(named, u"a.txt");
    EXPECT_EQ(entered, u"\\Docs\\alpha");
    EXPECT_EQ(std::u16string(request.file), u"\\Docs\\alpha\\deep.txt");
}

TEST_F(FileDialogTest, FoldersAreEnteredByDoubleTapFolderComboAndName)
{
    Request request;
    request.ofn.lpstrFilter = textAndAll;
    const BOOL chosen = runDialog(Kind::Save, request.ofn, [](HWND dialog) {
        selectRow(dialog, 0, LBN_DBLCLK);
        EXPECT_EQ(commdlg_test::comboItems(dialog, cmb2), (Rows {u"\\", u"\\Docs", u"\\Docs\\alpha"}));
        EXPECT_EQ(commdlg_test::comboSelection(dialog, cmb2), u"\\Docs\\alpha");
        EXPECT_EQ(commdlg_test::listRows(dialog, lst1), (Rows {u"inner\\", u"deep.txt"}));

        chooseComboItem(dialog, cmb2, 0);
        EXPECT_EQ(commdlg_test::comboItems(dialog, cmb2), Rows {u"\\"});
        const Rows root = commdlg_test::listRows(dialog, lst1);
        EXPECT_NE(std::find(root.begin(), root.end(), u"Docs\\"), root.end());
        EXPECT_NE(std::find(root.begin(), root.end(), u"Other\\"), root.end());

        struct Step {
            std::u16string typed;
            std::u16string folder;
        };
        const Step steps[] = {
            {u"docs", u"\\Docs"},                // a folder's name, in any case
            {u"..", u"\\"},                      // the parent
            {u"\\Docs\\alpha\\", u"\\Docs\\alpha"}, // a full path, trailing '\' and all
            {u"inner", u"\\Docs\\alpha\\inner"},
        };
        for (const Step& step : steps) {
            typeAndAccept(dialog, step.typed);
            EXPECT_EQ(commdlg_test::comboSelection(dialog, cmb2), step.folder) << commdlg_test::ascii(step.typed);
            EXPECT_EQ(commdlg_test::itemText(dialog, edt1), u"");
        }
        // OK with no name enters the folder selected in the list.
        chooseComboItem(dialog, cmb2, 1);
        selectRow(dialog, 1, LBN_SELCHANGE);
        commdlg_test::notify(dialog, IDOK, BN_CLICKED);
        EXPECT_EQ(commdlg_test::comboSelection(dialog, cmb2), u"\\Docs\\Zeta");
        typeAndPressOk(dialog, u"new.txt");
    });
    EXPECT_TRUE(chosen);
    EXPECT_EQ(std::u16string(request.file), u"\\Docs\\Zeta\\new.txt");
}

TEST_F(FileDialogTest, WildcardsTypedAsTheNameFilterTheList)
{
    Request request;
    request.ofn.lpstrFilter = textAndAll;
    wcscpy(request.file, u"*.log");
    const BOOL chosen = runDialog(Kind::Open, request.ofn, [](HWND dialog) {
        EXPECT_EQ(commdlg_test::listRows(dialog, lst1), (Rows {u"alpha\\", u"Zeta\\", u"c.log"}));
        typeAndAccept(dialog, u"*.doc;b*");
        EXPECT_EQ(commdlg_test::listRows(dialog, lst1), (Rows {u"alpha\\", u"Zeta\\", u"b.TXT", u"d.doc"}));
        chooseComboItem(dialog, cmb1, 0); // choosing a type drops the typed patterns
        EXPECT_EQ(commdlg_test::listRows(dialog, lst1), (Rows {u"alpha\\", u"Zeta\\", u"a.txt", u"b.TXT"}));
        commdlg_test::press(dialog, IDCANCEL);
    });
    EXPECT_FALSE(chosen);
}

TEST_F(FileDialogTest, StartsInTheInitialFolderElseTheGivenPathsElseMyDocuments)
{
    struct Case {
        const char16_t* initialDir;
        const char16_t* file;
        bool myDocumentsExists;
        std::u16string folder;
        std::u16string name;
    };
    const Case cases[] = {
        {u"\\Other", u"", false, u"\\Other", u""},
        {u"\\Other", u"\\Docs\\x.txt", false, u"\\Other", u"x.txt"},
        {u"\\Missing", u"\\Docs\\alpha\\x.txt", false, u"\\Docs\\alpha", u"x.txt"},
        {nullptr, u"y.txt", false, u"\\", u"y.txt"},
        {nullptr, u"\\Missing\\y.txt", true, u"\\My Documents", u"y.txt"},
        {nullptr, u"", true, u"\\My Documents", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(commdlg_test::ascii(c.folder));
        if (c.myDocumentsExists)
            CreateDirectoryW(u"\\My Documents", nullptr);
        ASSERT_EQ(GetFileAttributesW(u"\\My Documents") != INVALID_FILE_ATTRIBUTES, c.myDocumentsExists);
        Request request;
        request.ofn.lpstrInitialDir = c.initialDir;
        wcscpy(request.file, c.file);
        runDialog(Kind::Open, request.ofn, [&](HWND dialog) {
            EXPECT_EQ(commdlg_test::comboSelection(dialog, cmb2), c.folder);
            EXPECT_EQ(commdlg_test::itemText(dialog, edt1), c.name);
            commdlg_test::press(dialog, IDCANCEL);
        });
        EXPECT_EQ(std::u16string(request.file), c.file); // untouched by a cancel
    }
}

TEST_F(FileDialogTest, TypedNamesBecomePathsWithTheDefaultExtension)
{
    struct Case {
        const char16_t* defaultExtension;
        std::u16string typed;
        std::u16string path;
        WORD nameOffset;
        WORD extensionOffset;
    };
    const Case cases[] = {
        {u"txt", u"report", u"\\Docs\\report.txt", 6, 13},
        {u"txt", u"report.doc", u"\\Docs\\report.doc", 6, 13},
        {u"txt", u"report.", u"\\Docs\\report.", 6, 0}, // a final '.' means no extension
        {nullptr, u"readme", u"\\Docs\\readme", 6, 12},   // no extension: the terminator's offset
        {u"", u"readme", u"\\Docs\\readme", 6, 12},
        {nullptr, u"  a.txt  ", u"\\Docs\\a.txt", 6, 8},
        {u"txt", u"alpha\\deep", u"\\Docs\\alpha\\deep.txt", 12, 17},
        {u"txt", u"\\Other\\x", u"\\Other\\x.txt", 7, 9}, // a full path is taken as is
        {u"log", u"\\Storage Card\\v1.2\\out", u"\\Storage Card\\v1.2\\out.log", 19, 23},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(commdlg_test::ascii(c.path));
        Request request;
        request.ofn.lpstrDefExt = c.defaultExtension;
        const BOOL chosen
            = runDialog(Kind::Save, request.ofn, [&](HWND dialog) { typeAndPressOk(dialog, c.typed); });
        EXPECT_TRUE(chosen);
        EXPECT_EQ(std::u16string(request.file), c.path);
        EXPECT_EQ(request.ofn.nFileOffset, c.nameOffset);
        EXPECT_EQ(request.ofn.nFileExtension, c.extensionOffset);
        EXPECT_EQ(std::u16string(request.fileTitle), c.path.substr(c.nameOffset));
    }
}

TEST_F(FileDialogTest, FailedChecksShowAWarningAndKeepTheDialogOpen)
{
    struct Case {
        Kind kind;
        DWORD flags;
        std::u16string typed;
        std::u16string warning; // empty: accepted at once
        std::u16string path;
    };
    const Case cases[] = {
        {Kind::Open, OFN_FILEMUSTEXIST, u"missing.txt", u"\\Docs\\missing.txt\nFile not found.", u"\\Docs\\a.txt"},
        {Kind::Open, OFN_FILEMUSTEXIST, u"\\Nowhere\\a.txt", u"\\Nowhere\\a.txt\nFolder not found.", u"\\Docs\\a.txt"},
        {Kind::Save, OFN_PATHMUSTEXIST, u"\\Nowhere\\a.txt", u"\\Nowhere\\a.txt\nFolder not found.", u"\\Docs\\a.txt"},
        {Kind::Save, OFN_PATHMUSTEXIST, u"missing.txt", u"", u"\\Docs\\missing.txt"},
        {Kind::Open, 0, u"\\Nowhere\\a.txt", u"", u"\\Nowhere\\a.txt"},
        {Kind::Save, 0, u"a|b.txt", u"a|b.txt\nThis file name is not valid.", u"\\Docs\\a.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(commdlg_test::ascii(c.typed));
        Request request;
        request.ofn.Flags = c.flags;
        std::u16string warning;
        bool stayedOpen = false;
        const BOOL chosen = runDialog(c.kind, request.ofn, [&](HWND dialog) {
            typeAndPressOk(dialog, c.typed);
            if (c.warning.empty())
                return;
            warning = commdlg_test::answerMessageBox(title, IDOK);
            stayedOpen = IsWindow(dialog) && IsWindowVisible(dialog);
            typeAndPressOk(dialog, u"\\Docs\\a.txt");
        });
        EXPECT_TRUE(chosen);
        EXPECT_EQ(std::u16string(request.file), c.path);
        EXPECT_EQ(warning.substr(0, c.warning.size()), c.warning);
        if (!c.warning.empty()) {
            EXPECT_TRUE(stayedOpen);
            EXPECT_EQ(emulator::takeMessageBeeps(), std::vector<UINT> {MB_ICONEXCLAMATION});
        }
    }
}

TEST_F(FileDialogTest, SavingOverAFileAsksFirstWhenTheCallerWantsIt)
{
    struct Case {
        Kind kind;
        DWORD flags;
        std::u16string typed;
        std::vector<int> answers; // one per question expected
        std::u16string path;
    };
    const std::u16string question = u"\\Docs\\a.txt already exists.\nDo you want to replace it?";
    const Case cases[] = {
        {Kind::Save, OFN_OVERWRITEPROMPT, u"a.txt", {IDYES}, u"\\Docs\\a.txt"},
        {Kind::Save, OFN_OVERWRITEPROMPT, u"a.txt", {IDNO, IDYES}, u"\\Docs\\a.txt"},
        {Kind::Save, OFN_OVERWRITEPROMPT, u"new.txt", {}, u"\\Docs\\new.txt"},
        {Kind::Save, 0, u"a.txt", {}, u"\\Docs\\a.txt"},
        {Kind::Open, OFN_OVERWRITEPROMPT, u"a.txt", {}, u"\\Docs\\a.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers.size());
        Request request;
        request.ofn.Flags = c.flags;
        std::vector<std::u16string> asked;
        bool openAfterNo = true;
        const BOOL chosen = runDialog(c.kind, request.ofn, [&](HWND dialog) {
            typeAndPressOk(dialog, c.typed);
            for (const int answer : c.answers) {
                asked.push_back(commdlg_test::answerMessageBox(title, answer));
                if (answer == IDNO) {
                    openAfterNo = IsWindow(dialog) && IsWindowVisible(dialog);
                    typeAndPressOk(dialog, c.typed);
                }
            }
        });
        EXPECT_TRUE(chosen);
        EXPECT_TRUE(openAfterNo);
        EXPECT_EQ(std::u16string(request.file), c.path);
        EXPECT_EQ(asked, std::vector<std::u16string>(c.answers.size(), question));
    }
}

TEST_F(FileDialogTest, AShortBufferGetsTheSizeItNeeds)
{
    Request request;
    request.ofn.nMaxFile = 8;
    const BOOL chosen
        = runDialog(Kind::Open, request.ofn, [](HWND dialog) { typeAndPressOk(dialog, u"\\Docs\\alpha\\deep.txt"); });
    EXPECT_FALSE(chosen);
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
    EXPECT_EQ(static_cast<WORD>(request.file[0]), 21); // 20 characters and the terminator

    request.file[0] = 0;
    request.ofn.nMaxFile = 21; // exactly enough
    EXPECT_TRUE(runDialog(Kind::Open, request.ofn, [](HWND dialog) { typeAndPressOk(dialog, u"\\Docs\\alpha\\deep.txt"); }));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(std::u16string(request.file), u"\\Docs\\alpha\\deep.txt");
}

TEST_F(FileDialogTest, CancelAndCloseReturnFalseWithNoErrorUnderTheDefaultTitles)
{
    HWND owner = CreateWindowExW(0, u"STATIC", u"main", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    struct Case {
        Kind kind;
        UINT message;
        WPARAM wParam;
    };
    const Case cases[] = {
        {Kind::Open, WM_COMMAND, IDCANCEL},
        {Kind::Save, WM_COMMAND, IDCANCEL},
        {Kind::Open, WM_CLOSE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Request request;
        request.ofn.lpstrTitle = nullptr;
        request.ofn.hwndOwner = owner;
        request.ofn.lStructSize = 0;
        GetOpenFileNameW(&request.ofn); // leaves an error behind
        request.ofn.lStructSize = sizeof request.ofn;
        BOOL ownerEnabled = TRUE;
        const BOOL chosen = runDialog(c.kind, request.ofn, [&](HWND dialog) {
            ownerEnabled = IsWindowEnabled(owner);
            PostMessageW(dialog, c.message, c.wParam, 0);
        });
        EXPECT_FALSE(chosen);
        EXPECT_EQ(CommDlgExtendedError(), 0u);
        EXPECT_FALSE(ownerEnabled);
        EXPECT_TRUE(IsWindowEnabled(owner));
    }
    DestroyWindow(owner);
}

TEST_F(FileDialogTest, BadRequestsFailWithoutADialog)
{
    struct Case {
        const char* what;
        std::function<void(Request&)> spoil;
        DWORD error;
    };
    const Case cases[] = {
        {"size", [](Request& r) { r.ofn.lStructSize = sizeof r.ofn - 4; }, CDERR_STRUCTSIZE},
        {"no file buffer", [](Request& r) { r.ofn.lpstrFile = nullptr; }, CDERR_INITIALIZATION},
        {"empty file buffer", [](Request& r) { r.ofn.nMaxFile = 0; }, CDERR_INITIALIZATION},
        {"bad owner", [](Request& r) { r.ofn.hwndOwner = reinterpret_cast<HWND>(0x1234); }, CDERR_DIALOGFAILURE},
        {"bad start name", [](Request& r) { wcscpy(r.file, u"\\Docs\\a<b"); }, FNERR_INVALIDFILENAME},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const Kind kind : {Kind::Open, Kind::Save}) {
            Request request;
            c.spoil(request);
            EXPECT_FALSE(kind == Kind::Open ? GetOpenFileNameW(&request.ofn) : GetSaveFileNameW(&request.ofn));
            EXPECT_EQ(CommDlgExtendedError(), c.error);
        }
    }
    EXPECT_FALSE(GetOpenFileNameW(nullptr));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_INITIALIZATION));
}

} // namespace
