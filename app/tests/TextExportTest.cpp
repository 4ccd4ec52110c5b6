// The plain-text export, byte for byte: the file-name rules, list rows from the control or from
// a text source, tree walks with skipped subtrees and indents, files that cannot be made, and a
// store that fills up part-way through.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "TestDevice.h"
#include "TextExport.h"
#include "commctrl.h"

namespace {

std::u16string head(const std::u16string& title)
{
    return u"Quorvanta Kelvara 2.3.0.230\r\n\r\n" + title + u"\r\n\r\n";
}

// The bytes of an export file: UTF-16LE with the byte-order mark in front.
std::string fileBytes(const std::u16string& text)
{
    std::string bytes;
    for (char16_t c : u'\xFEFF' + text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

std::string readHostFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool writeDeviceFile(const char16_t* path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE;
    return CloseHandle(file) && ok && written == bytes.size();
}

int copyText(const std::u16string& text, WCHAR* buffer, int capacity)
{
    const int length = std::min(static_cast<int>(text.size()), capacity - 1);
    std::copy_n(text.begin(), length, buffer);
    buffer[length] = 0;
    return length;
}

// A list's texts as a view supplies them: a null text skips the row.
struct SourceRow {
    const char16_t* text;
    std::u16string extra;
};

class ListSource : public ExportTextSource {
public:
    explicit ListSource(std::vector<SourceRow> rows)
        : m_rows(std::move(rows))
    {
    }
    int itemText(HWND, LPARAM item, WCHAR* buffer, int capacity) override
    {
        const char16_t* text = m_rows.at(static_cast<size_t>(item)).text;
        return text ? copyText(text, buffer, capacity) : -1;
    }
    int extraText(HWND, LPARAM item, WCHAR* buffer, int capacity) override
    {
        return copyText(m_rows.at(static_cast<size_t>(item)).extra, buffer, capacity);
    }

private:
    std::vector<SourceRow> m_rows;
};

// A tree's texts are the items' own; a text starting with '-' skips the item and its subtree,
// and `extras` gives an item's extra text by its text.
class TreeSource : public ExportTextSource {
public:
    std::map<std::u16string, std::u16string> extras;
    int itemText(HWND tree, LPARAM item, WCHAR* buffer, int capacity) override
    {
        const std::u16string text = textOf(tree, item);
        return text.starts_with(u'-') ? -1 : copyText(text, buffer, capacity);
    }
    int extraText(HWND tree, LPARAM item, WCHAR* buffer, int capacity) override
    {
        const auto extra = extras.find(textOf(tree, item));
        return extra == extras.end() ? 0 : copyText(extra->second, buffer, capacity);
    }

private:
    static std::u16string textOf(HWND tree, LPARAM item)
    {
        WCHAR text[256] {};
        TVITEMW query {};
        query.mask = TVIF_TEXT;
        query.hItem = reinterpret_cast<HTREEITEM>(item);
        query.pszText = text;
        query.cchTextMax = 256;
        TreeView_GetItem(tree, &query);
        return text;
    }
};

struct TreeRow {
    int depth;
    std::u16string text;
};

class TextExportTest : public ::testing::Test {
protected:
    testing_support::TestDevice dev;
    HWND owner = nullptr;
    bool savedIndent = TextExport::indentTree;

    void SetUp() override
    {
        owner = CreateWindowExW(0, u"STATIC", u"", WS_POPUP, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(owner);
        TextExport::indentTree = savedIndent;
    }

    // A report list with one column per entry of `columns`; each row gives its cells in order.
    HWND makeList(const std::vector<std::vector<std::u16string>>& rows, int columns = 1)
    {
        HWND list = CreateWindowExW(
            0, WC_LISTVIEWW, u"", WS_CHILD | LVS_REPORT, 0, 0, 200, 200, owner, nullptr, nullptr, nullptr);
        EXPECT_NE(list, nullptr);
        for (int column = 0; column < columns; ++column) {
            LVCOLUMNW header {};
            header.mask = LVCF_WIDTH;
            header.cx = 60;
            EXPECT_EQ(ListView_InsertColumn(list, column, &header), column);
        }
        for (size_t row = 0; row < rows.size(); ++row) {
            LVITEMW item {};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(row);
            item.pszText = const_cast<LPWSTR>(rows[row][0].c_str());
            EXPECT_EQ(ListView_InsertItem(list, &item), static_cast<int>(row));
            for (size_t cell = 1; cell < rows[row].size(); ++cell)
                EXPECT_TRUE(ListView_SetItemText(list, item.iItem, static_cast<int>(cell), rows[row][cell].c_str()));
        }
        return list;
    }

    // A tree from rows in display order, each at most one level below the one before.
    HWND makeTree(const std::vector<TreeRow>& rows)
    {
        HWND tree = CreateWindowExW(0, WC_TREEVIEWW, u"", WS_CHILD, 0, 0, 200, 200, owner, nullptr, nullptr, nullptr);
        EXPECT_NE(tree, nullptr);
        std::vector<HTREEITEM> parents {TVI_ROOT};
        for (const TreeRow& row : rows) {
            parents.resize(static_cast<size_t>(row.depth) + 1);
            TVINSERTSTRUCTW insert {};
            insert.hParent = parents.back();
            insert.hInsertAfter = TVI_LAST;
            insert.item.mask = TVIF_TEXT;
            insert.item.pszText = const_cast<LPWSTR>(row.text.c_str());
            HTREEITEM item = TreeView_InsertItem(tree, &insert);
            EXPECT_NE(item, nullptr);
            parents.push_back(item);
        }
        return tree;
    }

    std::string hostFile(const std::u16string& devicePath) const { return readHostFile(dev.hostPath(devicePath)); }
};

TEST_F(TextExportTest, FileNamesGetTheTextExtensionOnlyWithoutOne)
{
    ASSERT_TRUE(CreateDirectoryW(u"\\dir.x", nullptr));
    ASSERT_TRUE(writeDeviceFile(u"\\old.txt", std::string(5000, 'o'))); // to be replaced, not appended to
    const struct {
        std::u16string given, written;
    } cases[] = {
        {u"\\a", u"\\a.txt"},
        {u"\\b.", u"\\b.txt"},
        {u"\\c.log", u"\\c.log"},
        {u"\\d.e.", u"\\d.e.txt"},
        {u"\\dir.x\\name", u"\\dir.x\\name"},
        {u"\\old.txt", u"\\old.txt"},
    };
    HWND list = makeList({});
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.given.begin(), c.given.end()));
        EXPECT_TRUE(TextExport::exportList(list, c.given, u"Names", nullptr));
        EXPECT_EQ(hostFile(c.written), fileBytes(head(u"Names")));
    }
    EXPECT_FALSE(std::filesystem::exists(dev.hostPath(u"\\a")));
    EXPECT_FALSE(std::filesystem::exists(dev.hostPath(u"\\b.")));
}

TEST_F(TextExportTest, ListRowsComeFromTheFirstColumnOrTheSource)
{
    const std::u16string longText(3000, u'x');
    const struct {
        const char* name;
        std::vector<std::vector<std::u16string>> rows;
        std::vector<SourceRow> source; // empty: no source
        std::u16string body;
    } cases[] = {
        {"no rows", {}, {}, u""},
        {"first column only, empty row as an empty line", {{u"alpha", u"hidden"}, {u""}, {u"beta", u"x"}}, {},
            u"alpha\r\n\r\nbeta\r\n"},
        {"row text cut to 2047 characters", {{longText}}, {}, longText.substr(0, 2047) + u"\r\n"},
        {"source texts, extra text written as it comes", {{u"c0"}, {u"c1"}, {u"c2"}, {u"c3"}},
            {{u"s0", u"more\r\n"}, {nullptr, u""}, {u"", u"tail"}, {u"s3", u""}},
            u"s0\r\nmore\r\n\r\n\r\ntails3\r\n"}, // "tail" brings no line end
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND list = makeList(c.rows, 2);
        ListSource source(c.source);
        EXPECT_TRUE(TextExport::exportList(list, u"\\out.txt", u"List", c.source.empty() ? nullptr : &source));
        EXPECT_EQ(hostFile(u"\\out.txt"), fileBytes(head(u"List") + c.body));
        DestroyWindow(list);
    }
}

TEST_F(TextExportTest, TreeItemsComeDepthFirstWithoutSkippedSubtrees)
{
    const std::vector<TreeRow> shape = {
        {0, u"A"},
        {1, u"A1"},
        {2, u"A1a"},
        {1, u"-A2"},
        {2, u"A2a"},
        {1, u"A3"},
        {2, u"A3a"},
        {0, u"-B"},
        {1, u"B1"},
        {0, u"C"},
        {1, u""},
    };
    std::vector<TreeRow> chain;
    std::u16string chainBody;
    for (int depth = 0; depth < 60; ++depth) {
        chain.push_back({depth, u"d"});
        chainBody += std::u16string(2 * static_cast<size_t>(depth), u' ') + u"d\r\n";
    }
    chain.push_back({0, u"top"});
    chainBody += u"top\r\n";

    const struct {
        const char* name;
        std::vector<TreeRow> rows;
        bool indent;
        std::u16string body;
    } cases[] = {
        {"empty tree", {}, false, u""},
        {"flat", shape, false, u"A\r\nA1\r\nnote\r\n\r\nA1a\r\nA3\r\nA3a\r\nC\r\nx\r\ny\r\n\r\n\r\n"},
        {"indented", shape, true, u"A\r\n  A1\r\nnote\r\n\r\n    A1a\r\n  A3\r\n    A3a\r\nC\r\nx\r\ny\r\n\r\n  \r\n"},
        {"deep chain, then back to the top", chain, true, chainBody},
    };
    TreeSource source;
    source.extras = {{u"A1", u"note"}, {u"C", u"x\r\ny"}, {u"A2a", u"never"}, {u"B1", u"never"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TextExport::indentTree = c.indent;
        HWND tree = makeTree(c.rows);
        EXPECT_TRUE(TextExport::exportTree(tree, u"\\out", u"Tree", source));
        EXPECT_EQ(hostFile(u"\\out.txt"), fileBytes(head(u"Tree") + c.body));
        DestroyWindow(tree);
    }
}

TEST_F(TextExportTest, AFileThatCannotBeMadeFailsAndWritesNothing)
{
    ASSERT_TRUE(writeDeviceFile(u"\\held.txt", "keep"));
    HANDLE held = CreateFileW(u"\\held.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    HWND list = makeList({{u"row"}});
    HWND tree = makeTree({{0, u"item"}});
    TreeSource source;
    const struct {
        std::u16string name;
        const char* contentAfter; // null: no file
    } cases[] = {
        {u"\\missing\\out.txt", nullptr},
        {u"\\held.txt", "keep"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name.begin(), c.name.end()));
        EXPECT_FALSE(TextExport::exportList(list, c.name, u"T", nullptr));
        EXPECT_FALSE(TextExport::exportTree(tree, c.name, u"T", source));
        if (c.contentAfter)
            EXPECT_EQ(hostFile(c.name), c.contentAfter);
        else
            EXPECT_FALSE(std::filesystem::exists(dev.hostPath(c.name)));
    }
    CloseHandle(held);
}

TEST_F(TextExportTest, AFullStoreEndsTheExportKeepingWhatFits)
{
    // Leaves `room` bytes free in the object store.
    constexpr LONG room = 400;
    ULARGE_INTEGER available {};
    ASSERT_TRUE(GetDiskFreeSpaceExW(u"\\", &available, nullptr, nullptr));
    HANDLE filler = CreateFileW(u"\\filler", GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(filler, INVALID_HANDLE_VALUE);
    const LONG fill = static_cast<LONG>(available.QuadPart) - room;
    ASSERT_EQ(SetFilePointer(filler, fill, nullptr, FILE_BEGIN), static_cast<DWORD>(fill));
    ASSERT_TRUE(SetEndOfFile(filler));
    ASSERT_TRUE(CloseHandle(filler));

    std::vector<std::vector<std::u16string>> rows;
    std::vector<TreeRow> items;
    std::u16string body;
    const std::u16string line = u"a line of twenty....";
    for (int i = 0; i < 30; ++i) {
        rows.push_back({line});
        items.push_back({0, line});
        body += line + u"\r\n";
    }
    const std::string full = fileBytes(head(u"Full") + body);
    const size_t lineBytes = (line.size() + 2) * 2;
    TreeSource source;

    const struct {
        const char* name;
        std::function<bool()> run;
    } forms[] = {
        {"list", [&] { return TextExport::exportList(makeList(rows), u"\\out.txt", u"Full", nullptr); }},
        {"tree", [&] { return TextExport::exportTree(makeTree(items), u"\\out.txt", u"Full", source); }},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.name);
        EXPECT_FALSE(form.run());
        const std::string written = hostFile(u"\\out.txt");
        EXPECT_FALSE(written.empty());
        EXPECT_LE(written.size(), static_cast<size_t>(room));
        EXPECT_GT(written.size() + lineBytes, static_cast<size_t>(room)) << "stopped before the store was full";
        EXPECT_EQ(full.substr(0, written.size()), written);
        ASSERT_TRUE(DeleteFileW(u"\\out.txt"));
    }
}

} // namespace
