// The EDIT class: single- and multi-line text (lines end in CR LF), a selection with the caret at
// one end, typing through WM_CHAR within the text limit (ES_NUMBER takes digits only, a
// read-only edit takes nothing), caret keys, cut/copy/paste through the device clipboard, and
// one level of undo. Every change the user or a program makes is told with EN_UPDATE then
// EN_CHANGE; a change the limit cut short first gets EN_MAXTEXT.
#include <algorithm>
#include <optional>
#include <vector>

#include "BasicMetrics.h"
#include "Clipboard.h"
#include "ControlBasics.h"
#include "ControlPaint.h"
#include "EditLines.h"
#include "EditRuler.h"
#include "cewchar.h"
#include "gwes/SystemClasses.h"
#include "gwes/controls/ControlNotify.h"

namespace ce::gwes::basic {
namespace {

constexpr size_t initialLimit = 30000;
constexpr size_t singleLineMaximum = 0x7FFE;
constexpr size_t multiLineDefault = 0xFFFF;
constexpr size_t multiLineMaximum = 0x7FFFFFFE;

struct Snapshot {
    std::u16string text;
    size_t anchor = 0;
    size_t caret = 0;
};

struct EditState {
    std::u16string text;
    size_t anchor = 0; // the fixed end of the selection
    size_t caret = 0; // the moving end, where the caret is
    size_t limit = initialLimit;
    bool modified = false;
    std::optional<Snapshot> undo; // what EM_UNDO brings back
    bool typing = false; // the last change was typed here: the next typed character joins its undo
    WCHAR passwordChar = u'*';
    int firstVisible = 0; // the first visible line, or character of a single-line edit
    HFONT font = nullptr;
};

// How a replacement of the selection came about. Replacements are held to the text limit;
// WM_SETTEXT, which is not, sets the text without one.
struct Replacement {
    bool canUndo = true;
    bool typed = false;
};

bool isMultiline(HWND hwnd)
{
    return styleOf(hwnd) & ES_MULTILINE;
}

bool isReadOnly(HWND hwnd)
{
    return styleOf(hwnd) & ES_READONLY;
}

size_t selectionStart(const EditState& s)
{
    return std::min(s.anchor, s.caret);
}

size_t selectionEnd(const EditState& s)
{
    return std::max(s.anchor, s.caret);
}

EditLines linesOf(HWND hwnd, const EditState& s)
{
    return EditLines(s.text, isMultiline(hwnd));
}

// The lines a multi-line edit's client area shows.
int visibleLines(HWND hwnd)
{
    return std::max(1, static_cast<int>(clientRect(hwnd).bottom / editLineHeight()));
}

// The width the text has between the margins.
int textWidth(HWND hwnd)
{
    return std::max(0, static_cast<int>(clientRect(hwnd).right) - 2 * editMargin());
}

// The text as shown: an ES_PASSWORD edit shows its password character for each one.
std::u16string shownText(HWND hwnd, const EditState& s, const std::u16string& text)
{
    if (!(styleOf(hwnd) & ES_PASSWORD) || isMultiline(hwnd))
        return text;
    return std::u16string(text.size(), s.passwordChar ? s.passwordChar : u'*');
}

// The first character a single-line edit shows, or the first line a multi-line one shows.
std::u16string_view fromFirstVisible(const std::u16string& shown, const EditState& s)
{
    return std::u16string_view(shown).substr(std::min(static_cast<size_t>(s.firstVisible), shown.size()));
}

// Scrolls as little as shows the caret: by lines, or in a single-line edit by characters
// until the text before the caret fits the width.
void scrollToCaret(HWND hwnd, EditState& s)
{
    if (isMultiline(hwnd)) {
        const int span = visibleLines(hwnd);
        const int at = linesOf(hwnd, s).lineOf(s.caret);
        if (at < s.firstVisible)
            s.firstVisible = at;
        else if (at >= s.firstVisible + span)
            s.firstVisible = at - span + 1;
        return;
    }
    const auto caret = static_cast<int>(s.caret);
    if (caret < s.firstVisible) {
        s.firstVisible = caret;
        return;
    }
    const EditRuler ruler(s.font);
    const std::u16string shown = shownText(hwnd, s, s.text);
    const int width = textWidth(hwnd);
    while (s.firstVisible < caret
        && ruler.width(std::u16string_view(shown).substr(
               static_cast<size_t>(s.firstVisible), static_cast<size_t>(caret - s.firstVisible)))
            > width)
        ++s.firstVisible;
}

LRESULT select(HWND hwnd, EditState& s, size_t anchor, size_t caret)
{
    s.anchor = std::min(anchor, s.text.size());
    s.caret = std::min(caret, s.text.size());
    s.typing = false;
    scrollToCaret(hwnd, s);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT moveCaret(HWND hwnd, EditState& s, size_t at)
{
    return select(hwnd, s, at, at);
}

// After the text changed: the window text follows it and the parent hears of it.
void textChanged(HWND hwnd, EditState& s)
{
    DefWindowProcW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s.text.c_str()));
    scrollToCaret(hwnd, s);
    InvalidateRect(hwnd, nullptr, TRUE);
    notifyParentCommand(hwnd, EN_UPDATE);
    notifyParentCommand(hwnd, EN_CHANGE);
}

std::u16string fitCase(std::u16string text, DWORD style)
{
    if (style & ES_UPPERCASE)
        std::transform(text.begin(), text.end(), text.begin(), [](WCHAR c) { return towupper(c); });
    else if (style & ES_LOWERCASE)
        std::transform(text.begin(), text.end(), text.begin(), [](WCHAR c) { return towlower(c); });
    return text;
}

// Whether a single-line edit that does not scroll has room for `text` in its width; other
// edits always have.
bool fitsWidth(HWND hwnd, const EditState& s, const std::u16string& text)
{
    const DWORD style = styleOf(hwnd);
    if ((style & ES_MULTILINE) || (style & ES_AUTOHSCROLL))
        return true;
    return EditRuler(s.font).width(shownText(hwnd, s, text)) <= textWidth(hwnd);
}

void replaceSelection(HWND hwnd, EditState& s, std::u16string insert, Replacement how)
{
    const DWORD style = styleOf(hwnd);
    if (!(style & ES_MULTILINE))
        insert = insert.substr(0, insert.find_first_of(u"\r\n")); // one line: up to the first break
    insert = fitCase(std::move(insert), style);
    const size_t from = selectionStart(s);
    const size_t to = selectionEnd(s);
    const size_t kept = s.text.size() - (to - from);
    const size_t space = s.limit > kept ? s.limit - kept : 0;
    size_t fits = std::min(insert.size(), space);
    while (fits > 0 && !fitsWidth(hwnd, s, s.text.substr(0, from) + insert.substr(0, fits) + s.text.substr(to)))
        --fits;
    if (insert.size() > fits) {
        insert.resize(fits);
        if (!insert.empty() && insert.back() == u'\r')
            insert.pop_back(); // never half a line break
        notifyParentCommand(hwnd, EN_MAXTEXT);
    }
    if (insert.empty() && from == to)
        return;
    const bool joinsTyping = how.typed && s.typing && from == to;
    if (!how.canUndo)
        s.undo.reset();
    else if (!joinsTyping)
        s.undo = Snapshot {s.text, s.anchor, s.caret};
    s.text.replace(from, to - from, insert);
    s.anchor = s.caret = from + insert.size();
    s.typing = how.typed;
    s.modified = true;
    textChanged(hwnd, s);
}

// Deletes the selection, or when there is none the character the caret steps over.
void deleteAt(HWND hwnd, EditState& s, bool backwards)
{
    if (s.anchor == s.caret)
        s.anchor = backwards ? stepBack(s.text, s.caret) : stepForward(s.text, s.caret);
    replaceSelection(hwnd, s, u"", {});
}

LRESULT setText(HWND hwnd, EditState& s, LPCWSTR text)
{
    s.text = fitCase(text ? text : u"", styleOf(hwnd));
    s.anchor = s.caret = 0;
    s.firstVisible = 0;
    s.undo.reset();
    s.typing = false;
    s.modified = false;
    textChanged(hwnd, s);
    return TRUE;
}

LRESULT copy(const EditState& s, HWND hwnd)
{
    if (s.anchor != s.caret && !(styleOf(hwnd) & ES_PASSWORD))
        setClipboardText(s.text.substr(selectionStart(s), selectionEnd(s) - selectionStart(s)));
    return 0;
}

LRESULT clear(HWND hwnd, EditState& s)
{
    if (!isReadOnly(hwnd) && s.anchor != s.caret)
        replaceSelection(hwnd, s, u"", {});
    return 0;
}

LRESULT cut(HWND hwnd, EditState& s)
{
    if (styleOf(hwnd) & ES_PASSWORD)
        return 0;
    copy(s, hwnd);
    return clear(hwnd, s);
}

LRESULT paste(HWND hwnd, EditState& s)
{
    const std::u16string text = clipboardText();
    if (!isReadOnly(hwnd) && !text.empty())
        replaceSelection(hwnd, s, text, {});
    return 0;
}

// EM_UNDO: swaps the text with the saved one, so a second undo redoes.
LRESULT undo(HWND hwnd, EditState& s)
{
    if (!s.undo)
        return isMultiline(hwnd) ? FALSE : TRUE;
    Snapshot now {s.text, s.anchor, s.caret};
    s.text = s.undo->text;
    s.anchor = std::min(s.undo->anchor, s.text.size());
    s.caret = std::min(s.undo->caret, s.text.size());
    s.undo = std::move(now);
    s.typing = false;
    s.modified = true;
    textChanged(hwnd, s);
    return TRUE;
}

bool acceptsCharacter(HWND hwnd, WCHAR c)
{
    const DWORD style = styleOf(hwnd);
    if (c == u'\r' || c == u'\t')
        return style & ES_MULTILINE;
    if (c < 0x20)
        return false;
    return !(style & ES_NUMBER) || (c >= u'0' && c <= u'9');
}

LRESULT typeCharacter(HWND hwnd, EditState& s, WPARAM wParam)
{
    const auto c = static_cast<WCHAR>(wParam);
    if (!IsWindowEnabled(hwnd))
        return 0;
    switch (c) {
    case 0x03: // Ctrl+C
        return SendMessageW(hwnd, WM_COPY, 0, 0);
    case 0x16: // Ctrl+V
        return SendMessageW(hwnd, WM_PASTE, 0, 0);
    case 0x18: // Ctrl+X
        return SendMessageW(hwnd, WM_CUT, 0, 0);
    case 0x1A: // Ctrl+Z
        return SendMessageW(hwnd, EM_UNDO, 0, 0);
    default:
        break;
    }
    if (isReadOnly(hwnd))
        return 0;
    if (c == VK_BACK)
        deleteAt(hwnd, s, true);
    else if (acceptsCharacter(hwnd, c))
        replaceSelection(hwnd, s, c == u'\r' ? std::u16string(u"\r\n") : std::u16string(1, c), {true, true});
    return 0;
}

// The caret's place one line up or down, keeping its column.
size_t lineStep(const EditLines& lines, size_t caret, int step)
{
    const int line = lines.lineOf(caret);
    const int target = std::clamp(line + step, 0, lines.count() - 1);
    const size_t column = caret - lines.start(line);
    return lines.start(target) + std::min(column, lines.length(target));
}

// The keys a combo box's edit leaves to its combo: the list's keys and those that close it.
bool isComboKey(HWND hwnd, WPARAM key)
{
    const bool listKey = key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT;
    return (styleOf(hwnd) & ES_COMBOBOX) && (listKey || key == VK_RETURN || key == VK_ESCAPE);
}

LRESULT keyDown(HWND hwnd, EditState& s, WPARAM key, LPARAM lParam)
{
    if (!IsWindowEnabled(hwnd))
        return 0;
    if (isComboKey(hwnd, key))
        return SendMessageW(GetParent(hwnd), WM_KEYDOWN, key, lParam);
    const EditLines lines = linesOf(hwnd, s);
    const bool multiline = isMultiline(hwnd);
    const bool hasSelection = s.anchor != s.caret;
    switch (key) {
    case VK_LEFT:
        return moveCaret(hwnd, s, hasSelection ? selectionStart(s) : stepBack(s.text, s.caret));
    case VK_RIGHT:
        return moveCaret(hwnd, s, hasSelection ? selectionEnd(s) : stepForward(s.text, s.caret));
    case VK_UP:
    case VK_DOWN:
        if (!multiline) // a single-line edit takes up and down as left and right
            return keyDown(hwnd, s, key == VK_UP ? VK_LEFT : VK_RIGHT, lParam);
        return moveCaret(hwnd, s, lineStep(lines, s.caret, key == VK_UP ? -1 : 1));
    case VK_HOME:
        return moveCaret(hwnd, s, lines.start(lines.lineOf(s.caret)));
    case VK_END:
        return moveCaret(hwnd, s, lines.end(lines.lineOf(s.caret)));
    case VK_DELETE:
        if (!isReadOnly(hwnd))
            deleteAt(hwnd, s, false);
        return 0;
    default:
        return 0;
    }
}

size_t charFromPoint(HWND hwnd, const EditState& s, POINT point)
{
    const EditRuler ruler(s.font);
    const int x = static_cast<int>(point.x) - editMargin();
    if (!isMultiline(hwnd)) {
        const std::u16string shown = shownText(hwnd, s, s.text);
        const std::u16string_view visible = fromFirstVisible(shown, s);
        return shown.size() - visible.size() + nearestEdge(ruler.edges(visible), x);
    }
    const EditLines lines = linesOf(hwnd, s);
    const int line = std::clamp(s.firstVisible + static_cast<int>(point.y) / editLineHeight(), 0, lines.count() - 1);
    const std::u16string_view text = std::u16string_view(s.text).substr(lines.start(line), lines.length(line));
    return lines.start(line) + nearestEdge(ruler.edges(text), x);
}

LRESULT tap(HWND hwnd, EditState& s, LPARAM lParam)
{
    if (!IsWindowEnabled(hwnd))
        return 0;
    if (GetFocus() != hwnd)
        SetFocus(hwnd);
    return moveCaret(hwnd, s, charFromPoint(hwnd, s, pointOf(lParam)));
}

// The anchor and caret that EM_SETSEL asks for: a start of -1 drops the selection, an end of -1
// is the end of the text.
LRESULT setSelection(HWND hwnd, EditState& s, WPARAM wParam, LPARAM lParam)
{
    const auto start = static_cast<INT>(wParam);
    const auto end = static_cast<INT>(lParam);
    if (start < 0)
        return moveCaret(hwnd, s, s.caret);
    return select(hwnd, s, static_cast<size_t>(start), end < 0 ? s.text.size() : static_cast<size_t>(end));
}

LRESULT getSelection(const EditState& s, WPARAM wParam, LPARAM lParam)
{
    const size_t start = selectionStart(s);
    const size_t end = selectionEnd(s);
    if (auto* out = reinterpret_cast<DWORD*>(wParam))
        *out = static_cast<DWORD>(start);
    if (auto* out = reinterpret_cast<DWORD*>(lParam))
        *out = static_cast<DWORD>(end);
    return end > 0xFFFF ? -1 : MAKELRESULT(start, end);
}

LRESULT lineIndex(HWND hwnd, const EditState& s, WPARAM wParam)
{
    const EditLines lines = linesOf(hwnd, s);
    const auto line = static_cast<INT>(wParam) == -1 ? lines.lineOf(s.caret) : static_cast<INT>(wParam);
    return line >= 0 && line < lines.count() ? static_cast<LRESULT>(lines.start(line)) : -1;
}

// EM_LINELENGTH: the length of the line holding a character; for -1 the characters left
// unselected on the lines the selection touches.
LRESULT lineLength(HWND hwnd, const EditState& s, WPARAM wParam)
{
    const EditLines lines = linesOf(hwnd, s);
    if (static_cast<INT>(wParam) == -1) {
        const size_t from = selectionStart(s);
        const size_t to = selectionEnd(s);
        return static_cast<LRESULT>((from - lines.start(lines.lineOf(from))) + (lines.end(lines.lineOf(to)) - to));
    }
    return static_cast<LRESULT>(lines.length(lines.lineOf(std::min(static_cast<size_t>(wParam), s.text.size()))));
}

LRESULT lineFromChar(HWND hwnd, const EditState& s, WPARAM wParam)
{
    const size_t index = static_cast<INT>(wParam) == -1 ? selectionStart(s) : static_cast<size_t>(wParam);
    return linesOf(hwnd, s).lineOf(std::min(index, s.text.size()));
}

// EM_GETLINE: the buffer's first WORD says how many characters it holds; no terminator.
LRESULT getLine(HWND hwnd, const EditState& s, WPARAM wParam, LPARAM lParam)
{
    auto* buffer = reinterpret_cast<LPWSTR>(lParam);
    const EditLines lines = linesOf(hwnd, s);
    const int line = isMultiline(hwnd) ? static_cast<INT>(wParam) : 0;
    if (!buffer || line < 0 || line >= lines.count())
        return 0;
    const WORD capacity = buffer[0];
    const size_t count = std::min(lines.length(line), static_cast<size_t>(capacity));
    std::copy_n(s.text.begin() + static_cast<std::ptrdiff_t>(lines.start(line)), count, buffer);
    return static_cast<LRESULT>(count);
}

// EM_LIMITTEXT with the device's bounds: 0 gives the largest default, and a single-line edit
// never goes past 0x7FFE.
LRESULT limitText(HWND hwnd, EditState& s, WPARAM wParam)
{
    const bool multiline = isMultiline(hwnd);
    if (wParam == 0)
        s.limit = multiline ? multiLineDefault : singleLineMaximum;
    else
        s.limit = std::min(static_cast<size_t>(wParam), multiline ? multiLineMaximum : singleLineMaximum);
    return 0;
}

// The x of character `at` on a line whose first shown character is `first`, in client
// coordinates (before the first one: to its left).
int xOfCharacter(const EditState& s, const std::u16string& shown, size_t first, size_t at)
{
    const size_t from = std::min(first, at);
    const int width = EditRuler(s.font).width(std::u16string_view(shown).substr(from, std::max(first, at) - from));
    return editMargin() + (at >= first ? width : -width);
}

LRESULT posFromChar(HWND hwnd, const EditState& s, WPARAM wParam)
{
    if (wParam >= s.text.size())
        return -1;
    const EditLines lines = linesOf(hwnd, s);
    const int line = lines.lineOf(wParam);
    const bool multiline = isMultiline(hwnd);
    const size_t first = multiline ? lines.start(line) : static_cast<size_t>(s.firstVisible);
    const int row = multiline ? line - s.firstVisible : 0;
    const int x = xOfCharacter(s, shownText(hwnd, s, s.text), first, wParam);
    return MAKELRESULT(x, row * editLineHeight());
}

LRESULT charFromPos(HWND hwnd, const EditState& s, LPARAM lParam)
{
    const size_t at = charFromPoint(hwnd, s, pointOf(lParam));
    return MAKELRESULT(at, linesOf(hwnd, s).lineOf(at));
}

LRESULT lineScroll(HWND hwnd, EditState& s, LPARAM lines)
{
    if (!isMultiline(hwnd))
        return FALSE;
    s.firstVisible = std::clamp(s.firstVisible + static_cast<int>(lines), 0, linesOf(hwnd, s).count() - 1);
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT setPasswordChar(HWND hwnd, EditState& s, WPARAM c)
{
    if (isMultiline(hwnd))
        return 0;
    s.passwordChar = static_cast<WCHAR>(c);
    changeStyle(hwnd, ES_PASSWORD, c != 0);
    InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

LRESULT getRect(HWND hwnd, LPARAM lParam)
{
    if (auto* rect = reinterpret_cast<RECT*>(lParam)) {
        const RECT client = clientRect(hwnd);
        *rect = {editMargin(), 0, std::max<LONG>(editMargin(), client.right - editMargin()), client.bottom};
    }
    return 0;
}

LRESULT dialogCode(HWND hwnd)
{
    const LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    return isMultiline(hwnd) ? (code | DLGC_WANTALLKEYS) : code;
}

// What an edit paints with: its characters lie where the ruler puts them, as for taps and
// EM_POSFROMCHAR.
struct EditPaint {
    HDC dc;
    RECT textArea; // inside the margins: the text is clipped to it
    int textTop; // of the glyphs within a line, centring them in editLineHeight
    COLORREF text;
};

// A run of a line's characters between x positions `left` and `right`, on the line whose top
// is `top`; selected, on the highlight.
void drawRun(const EditPaint& p, std::u16string_view run, int left, int right, int top, bool selected)
{
    if (run.empty())
        return;
    const RECT cells {left, top, right, top + editLineHeight()};
    RECT clipped {};
    if (!IntersectRect(&clipped, &cells, &p.textArea))
        return;
    if (selected)
        fillSystem(p.dc, clipped, COLOR_HIGHLIGHT);
    SetTextColor(p.dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : p.text);
    ExtTextOutW(
        p.dc, left, top + p.textTop, ETO_CLIPPED, &p.textArea, run.data(), static_cast<UINT>(run.size()), nullptr);
}

// The shown part of a line, with the selection [selFrom, selTo) of it highlighted; `edges`
// measure it.
void drawLine(
    const EditPaint& p, std::u16string_view line, const std::vector<int>& edges, int top, size_t selFrom, size_t selTo)
{
    const size_t a = std::min(selFrom, line.size());
    const size_t b = std::clamp(selTo, a, line.size());
    const auto xOf = [&](size_t at) { return editMargin() + edges[at]; };
    drawRun(p, line.substr(0, a), xOf(0), xOf(a), top, false);
    drawRun(p, line.substr(a, b - a), xOf(a), xOf(b), top, true);
    drawRun(p, line.substr(b), xOf(b), xOf(line.size()), top, false);
}

// The caret: a bar a pixel wide (scaled) and a line high before the character it stands at.
void drawCaret(const EditPaint& p, int x, int top)
{
    const RECT bar {x, top, x + scaledForScreen(1), top + editLineHeight()};
    HBRUSH brush = CreateSolidBrush(p.text);
    FillRect(p.dc, &bar, brush);
    DeleteObject(brush);
}

// A read-only or disabled edit is coloured as static text. A bordered edit (and the field of a
// combo box) has a one-pixel COLOR_WINDOWFRAME frame; the selection shows on COLOR_HIGHLIGHT
// while the edit has the focus (or keeps it with ES_NOHIDESEL), and so does the caret.
LRESULT paint(HWND hwnd, const EditState& s)
{
    const bool asStatic = isReadOnly(hwnd) || !IsWindowEnabled(hwnd);
    const ControlPaint paint(hwnd, s.font, asStatic ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
    const RECT client = clientRect(hwnd);
    fill(paint.dc(), client, paint.colours().background);
    const DWORD style = styleOf(hwnd);
    if (style & (WS_BORDER | ES_COMBOBOX))
        frameSystem(paint.dc(), client, COLOR_WINDOWFRAME);
    TEXTMETRICW metrics {};
    GetTextMetricsW(paint.dc(), &metrics);
    const int margin = editMargin();
    const EditPaint p {paint.dc(), {margin, 0, std::max<LONG>(margin, client.right - margin), client.bottom},
        std::max(0, (editLineHeight() - static_cast<int>(metrics.tmHeight)) / 2), textColourOf(hwnd, paint.colours())};
    const bool focused = GetFocus() == hwnd;
    const bool showSelection = focused || (style & ES_NOHIDESEL);
    const std::u16string shown = shownText(hwnd, s, s.text);
    const EditLines lines = linesOf(hwnd, s);
    const bool multiline = isMultiline(hwnd);
    const EditRuler ruler(s.font);
    // A single line stands in the middle of the edit's height; lines of a multi-line edit from the top.
    const int singleTop = std::max(0, (static_cast<int>(client.bottom) - editLineHeight()) / 2);
    const int firstLine = multiline ? s.firstVisible : 0;
    const int endLine = multiline ? std::min(lines.count(), firstLine + visibleLines(hwnd) + 1) : 1;
    for (int line = firstLine; line < endLine; ++line) {
        const int top = multiline ? (line - firstLine) * editLineHeight() : singleTop;
        const size_t first = multiline ? lines.start(line) : shown.size() - fromFirstVisible(shown, s).size();
        const std::u16string_view text = std::u16string_view(shown).substr(first, lines.end(line) - first);
        const std::vector<int> edges = ruler.edges(text);
        const auto relative = [first](size_t at) { return at > first ? at - first : 0; };
        drawLine(p, text, edges, top, showSelection ? relative(selectionStart(s)) : 0,
            showSelection ? relative(selectionEnd(s)) : 0);
        if (focused && IsWindowEnabled(hwnd) && lines.lineOf(s.caret) == line && s.caret >= first)
            drawCaret(p, margin + edges[std::min(s.caret - first, text.size())], top);
    }
    return 0;
}

LRESULT create(EditState& s, LPARAM lParam)
{
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    s.text = create && create->lpszName ? create->lpszName : u"";
    return 0;
}

LRESULT setFlag(HWND hwnd, DWORD style, bool on)
{
    changeStyle(hwnd, style, on);
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT editMessage(HWND hwnd, EditState& s, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return create(s, lParam);
    case WM_SETTEXT:
        return setText(hwnd, s, reinterpret_cast<LPCWSTR>(lParam));
    case WM_CHAR:
        return typeCharacter(hwnd, s, wParam);
    case WM_KEYDOWN:
        return keyDown(hwnd, s, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return tap(hwnd, s, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: // the caret and the selection show only with the focus
        InvalidateRect(hwnd, nullptr, FALSE);
        notifyParentCommand(hwnd, message == WM_SETFOCUS ? EN_SETFOCUS : EN_KILLFOCUS);
        return 0;
    case WM_GETDLGCODE:
        return dialogCode(hwnd);
    case WM_PAINT:
        return paint(hwnd, s);
    case WM_COPY:
        return copy(s, hwnd);
    case WM_CUT:
        return cut(hwnd, s);
    case WM_PASTE:
        return paste(hwnd, s);
    case WM_CLEAR:
        return clear(hwnd, s);
    case EM_GETSEL:
        return getSelection(s, wParam, lParam);
    case EM_SETSEL:
        return setSelection(hwnd, s, wParam, lParam);
    case EM_REPLACESEL:
        if (lParam)
            replaceSelection(hwnd, s, reinterpret_cast<LPCWSTR>(lParam), {wParam != 0, false});
        return 0;
    case EM_LIMITTEXT:
        return limitText(hwnd, s, wParam);
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(s.limit);
    case EM_GETLINECOUNT:
        return linesOf(hwnd, s).count();
    case EM_LINEINDEX:
        return lineIndex(hwnd, s, wParam);
    case EM_LINELENGTH:
        return lineLength(hwnd, s, wParam);
    case EM_LINEFROMCHAR:
        return lineFromChar(hwnd, s, wParam);
    case EM_GETLINE:
        return getLine(hwnd, s, wParam, lParam);
    case EM_SCROLLCARET:
        scrollToCaret(hwnd, s);
        return TRUE;
    case EM_LINESCROLL:
        return lineScroll(hwnd, s, lParam);
    case EM_GETFIRSTVISIBLELINE:
        return s.firstVisible;
    case EM_GETMODIFY:
        return s.modified ? TRUE : FALSE;
    case EM_SETMODIFY:
        s.modified = wParam != 0;
        return 0;
    case EM_CANUNDO:
        return s.undo ? TRUE : FALSE;
    case EM_UNDO:
        return undo(hwnd, s);
    case EM_EMPTYUNDOBUFFER:
        s.undo.reset();
        return 0;
    case EM_SETREADONLY:
        return setFlag(hwnd, ES_READONLY, wParam != 0);
    case EM_SETPASSWORDCHAR:
        return setPasswordChar(hwnd, s, wParam);
    case EM_GETPASSWORDCHAR:
        return (styleOf(hwnd) & ES_PASSWORD) ? s.passwordChar : 0;
    case EM_POSFROMCHAR:
        return posFromChar(hwnd, s, wParam);
    case EM_CHARFROMPOS:
        return charFromPos(hwnd, s, lParam);
    case EM_GETRECT:
        return getRect(hwnd, lParam);
    default:
        return defaultControlProc(hwnd, s.font, message, wParam, lParam);
    }
}

const SystemClassRegistration registration({u"EDIT", controlProc<EditState, editMessage>, CS_DBLCLKS, 0});

} // namespace
} // namespace ce::gwes::basic
