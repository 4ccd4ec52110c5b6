// The plain-text export: the file's name and head, the rows of a list view, and a depth-first
// walk of a tree view that climbs back through the items' parents instead of recursing.
#include "TextExport.h"

#include <algorithm>
#include <array>
#include <bit>

#include "commctrl.h"

bool TextExport::indentTree = false;

namespace {

// The file is the device's UTF-16LE, written straight from the wide strings.
static_assert(std::endian::native == std::endian::little);

constexpr char16_t banner[] = u"Quorvanta Kelvara 2.3.0.230";
constexpr WCHAR byteOrderMark = 0xFEFF;
constexpr WCHAR lineEnd[] = u"\r\n";
constexpr WCHAR indent[] = u"  ";
constexpr int textCapacity = 2048;
constexpr int maxListRows = 16777215;

using TextBuffer = std::array<WCHAR, textCapacity>;

// A length a view reported, kept within the buffer it was given.
int lengthInBuffer(int length)
{
    return std::clamp(length, 0, textCapacity - 1);
}

// ".txt" for a name without a dot, "txt" after a final dot; any other dot is an extension.
std::u16string withTextExtension(const std::u16string& name)
{
    if (name.find(u'.') == std::u16string::npos)
        return name + u".txt";
    if (name.back() == u'.')
        return name + u"txt";
    return name;
}

// The export file, closed when the export ends however it ends.
class ExportFile {
public:
    explicit ExportFile(const std::u16string& name)
        : m_handle(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~ExportFile()
    {
        if (isOpen())
            CloseHandle(m_handle);
    }
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;

    bool isOpen() const { return m_handle != INVALID_HANDLE_VALUE; }

    bool write(const WCHAR* text, int length)
    {
        if (length == 0)
            return true;
        const DWORD bytes = static_cast<DWORD>(length) * sizeof(WCHAR);
        DWORD written = 0;
        return WriteFile(m_handle, text, bytes, &written, nullptr) && written == bytes;
    }
    bool writeLine(const WCHAR* text, int length) { return write(text, length) && write(lineEnd, 2); }
    bool writeLine(const std::u16string& text) { return writeLine(text.data(), static_cast<int>(text.size())); }

    bool flushAndClose()
    {
        const bool flushed = FlushFileBuffers(m_handle);
        const bool closed = CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return flushed && closed;
    }

private:
    HANDLE m_handle;
};

bool writeHead(ExportFile& file, const std::u16string& title)
{
    return file.write(&byteOrderMark, 1) && file.writeLine(banner) && file.writeLine(u"") && file.writeLine(title)
        && file.writeLine(u"");
}

// One row: its text (a skipped or empty one gives an empty line), then the source's extra text
// as it comes, line ends included.
bool writeRow(ExportFile& file, HWND list, int row, ExportTextSource* source, TextBuffer& buffer)
{
    buffer[0] = 0;
    const int length = source ? source->itemText(list, row, buffer.data(), textCapacity)
                              : ListView_GetItemText(list, row, 0, buffer.data(), textCapacity);
    if (!file.writeLine(buffer.data(), lengthInBuffer(length)))
        return false;
    if (!source)
        return true;
    buffer[0] = 0;
    return file.write(buffer.data(), lengthInBuffer(source->extraText(list, row, buffer.data(), textCapacity)));
}

bool writeRows(ExportFile& file, HWND list, ExportTextSource* source)
{
    TextBuffer buffer;
    const int rows = std::min(ListView_GetItemCount(list), maxListRows);
    for (int row = 0; row < rows; ++row) {
        if (!writeRow(file, list, row, source, buffer))
            return false;
    }
    return true;
}

// One tree item, its text already in buffer: the indent, the text, then any extra text closed
// by a line end and followed by an empty line.
bool writeTreeItem(
    ExportFile& file, HWND tree, HTREEITEM item, int depth, int length, ExportTextSource& source, TextBuffer& buffer)
{
    if (TextExport::indentTree) {
        for (int level = 0; level < depth; ++level) {
            if (!file.write(indent, 2))
                return false;
        }
    }
    if (!file.writeLine(buffer.data(), lengthInBuffer(length)))
        return false;
    buffer[0] = 0;
    const int extra
        = lengthInBuffer(source.extraText(tree, reinterpret_cast<LPARAM>(item), buffer.data(), textCapacity));
    return extra == 0 || (file.writeLine(buffer.data(), extra) && file.writeLine(u""));
}

// The item after `item` once its subtree is done or skipped: its next sibling, else the next
// sibling of the nearest ancestor that has one; null at the end of the tree.
HTREEITEM nextAfterSubtree(HWND tree, HTREEITEM item, int& depth)
{
    while (item) {
        if (HTREEITEM sibling = TreeView_GetNextSibling(tree, item))
            return sibling;
        item = TreeView_GetParent(tree, item);
        --depth;
    }
    return nullptr;
}

bool writeTree(ExportFile& file, HWND tree, ExportTextSource& source)
{
    TextBuffer buffer;
    int depth = 0;
    HTREEITEM item = TreeView_GetRoot(tree);
    while (item) {
        buffer[0] = 0;
        const int length = source.itemText(tree, reinterpret_cast<LPARAM>(item), buffer.data(), textCapacity);
        if (length >= 0) {
            if (!writeTreeItem(file, tree, item, depth, length, source, buffer))
                return false;
            if (HTREEITEM child = TreeView_GetChild(tree, item)) {
                item = child;
                ++depth;
                continue;
            }
        }
        item = nextAfterSubtree(tree, item, depth);
    }
    return true;
}

// Creates the file, writes the head and the body, then flushes and closes.
template <typename WriteBody>
bool exportTo(const std::u16string& fileName, const std::u16string& title, WriteBody writeBody)
{
    ExportFile file(withTextExtension(fileName));
    if (!file.isOpen())
        return false;
    return writeHead(file, title) && writeBody(file) && file.flushAndClose();
}

} // namespace

bool TextExport::exportList(
    HWND list, const std::u16string& fileName, const std::u16string& title, ExportTextSource* source)
{
    return exportTo(fileName, title, [&](ExportFile& file) { return writeRows(file, list, source); });
}

bool TextExport::exportTree(
    HWND tree, const std::u16string& fileName, const std::u16string& title, ExportTextSource& source)
{
    return exportTo(fileName, title, [&](ExportFile& file) { return writeTree(file, tree, source); });
}
