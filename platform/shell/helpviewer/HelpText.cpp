// HTML help files as plain text: finding a section by its anchor, and a single pass over the
// section that drops tags, collapses white space, breaks lines at block tags and decodes
// entities. Help files are small, so everything works on whole strings.
#include "HelpText.h"

#include <algorithm>
#include <array>

#include "emulator/Text.h"
#include "text/CaseTable.h"
#include "text/Windows1252.h"

namespace ce::shell {
namespace {

struct Tag {
    std::u16string name; // lower case, without the '/'
    bool closing = false;
    std::u16string_view attributes;
    size_t end = 0; // just past the '>'
};

bool isSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

std::u16string lower(std::u16string_view text)
{
    std::u16string result(text);
    for (char16_t& c : result)
        c = toLowerDevice(c);
    return result;
}

// The tag or comment at html[at] == '<'; false for a '<' that starts neither (it is text then).
bool readTag(std::u16string_view html, size_t at, Tag& tag)
{
    if (html.substr(at, 4) == u"<!--") {
        const size_t close = html.find(u"-->", at + 4);
        tag = Tag {u"!--", false, {}, close == std::u16string_view::npos ? html.size() : close + 3};
        return true;
    }
    size_t pos = at + 1;
    tag.closing = pos < html.size() && html[pos] == u'/';
    pos += tag.closing ? 1 : 0;
    const size_t nameStart = pos;
    while (pos < html.size() && !isSpace(html[pos]) && html[pos] != u'>' && html[pos] != u'/')
        ++pos;
    const char16_t first = pos == nameStart ? u'\0' : html[nameStart];
    if (!((first >= u'a' && first <= u'z') || (first >= u'A' && first <= u'Z') || first == u'!'))
        return false;
    tag.name = lower(html.substr(nameStart, pos - nameStart));
    char16_t quote = 0; // a '>' inside a quoted value does not end the tag
    size_t close = pos;
    for (; close < html.size() && (quote || html[close] != u'>'); ++close) {
        if (quote ? html[close] == quote : (html[close] == u'"' || html[close] == u'\''))
            quote = quote ? 0 : html[close];
    }
    tag.end = close == html.size() ? html.size() : close + 1;
    tag.attributes = html.substr(pos, tag.end - pos);
    return true;
}

// The value of attribute `name` (lower case) in a tag's attribute text, or empty.
std::u16string attributeValue(std::u16string_view attributes, std::u16string_view name)
{
    size_t pos = 0;
    while (pos < attributes.size()) {
        while (pos < attributes.size() && (isSpace(attributes[pos]) || attributes[pos] == u'/'))
            ++pos;
        const size_t nameStart = pos;
        while (
            pos < attributes.size() && !isSpace(attributes[pos]) && attributes[pos] != u'=' && attributes[pos] != u'>')
            ++pos;
        const std::u16string attribute = lower(attributes.substr(nameStart, pos - nameStart));
        if (pos >= attributes.size() || attributes[pos] != u'=') {
            pos += pos == nameStart ? 1 : 0;
            continue;
        }
        ++pos;
        const char16_t quote
            = pos < attributes.size() && (attributes[pos] == u'"' || attributes[pos] == u'\'') ? attributes[pos++] : 0;
        const size_t valueStart = pos;
        while (pos < attributes.size()
            && (quote ? attributes[pos] != quote : !isSpace(attributes[pos]) && attributes[pos] != u'>'))
            ++pos;
        if (attribute == name)
            return std::u16string(attributes.substr(valueStart, pos - valueStart));
        pos += quote ? 1 : 0;
    }
    return {};
}

// Whether the tag names an anchor: `anchor` itself, or any anchor when `anchor` is empty.
bool namesAnchor(const Tag& tag, std::u16string_view anchor)
{
    if (tag.closing || tag.name == u"!--")
        return false;
    const auto matches = [&](const std::u16string& value) {
        return !value.empty() && (anchor.empty() || sameNameDevice(value, anchor));
    };
    return (tag.name == u"a" && matches(attributeValue(tag.attributes, u"name")))
        || matches(attributeValue(tag.attributes, u"id"));
}

constexpr std::array lineTags {u"br", u"div", u"li", u"tr", u"dt", u"dd", u"hr", u"center", u"address", u"caption"};
constexpr std::array paragraphTags {
    u"p", u"h1", u"h2", u"h3", u"h4", u"h5", u"h6", u"ul", u"ol", u"dl", u"table", u"blockquote", u"pre"};
constexpr std::array skippedTags {u"head", u"title", u"script", u"style"};

template <typename List> bool listed(const List& list, const std::u16string& name)
{
    return std::find(list.begin(), list.end(), name) != list.end();
}

// The entity at text[at] == '&' and its length; an unknown or broken one is a plain '&'.
std::u16string decodeEntity(std::u16string_view text, size_t at, size_t& length)
{
    length = 1;
    const size_t semicolon = text.find(u';', at);
    if (semicolon == std::u16string_view::npos || semicolon - at > 10)
        return u"&";
    const std::u16string name = lower(text.substr(at + 1, semicolon - at - 1));
    static constexpr std::pair<const char16_t*, char16_t> named[]
        = {{u"amp", u'&'}, {u"lt", u'<'}, {u"gt", u'>'}, {u"quot", u'"'}, {u"apos", u'\''}, {u"nbsp", u' '}};
    for (const auto& [entity, character] : named) {
        if (name == entity) {
            length = semicolon - at + 1;
            return std::u16string(1, character);
        }
    }
    if (name.size() < 2 || name[0] != u'#')
        return u"&";
    const bool hex = name[1] == u'x';
    char32_t code = 0;
    for (size_t i = hex ? 2 : 1; i < name.size(); ++i) {
        const char16_t c = name[i];
        const int digit = (c >= u'0' && c <= u'9') ? c - u'0' : (hex && c >= u'a' && c <= u'f') ? c - u'a' + 10 : -1;
        if (digit < 0 || code > 0x10FFFF)
            return u"&";
        code = code * (hex ? 16 : 10) + static_cast<char32_t>(digit);
    }
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) || name.size() == (hex ? 2u : 1u))
        return u"&";
    length = semicolon - at + 1;
    if (code < 0x10000)
        return std::u16string(1, static_cast<char16_t>(code));
    code -= 0x10000;
    return {static_cast<char16_t>(0xD800 + (code >> 10)), static_cast<char16_t>(0xDC00 + (code & 0x3FF))};
}

// Plain text as it is written: collapsed white space and line breaks that never pile up.
class PlainText {
public:
    void character(char16_t c)
    {
        if (m_pre) {
            if (c != u'\r')
                m_text += c;
            return;
        }
        if (isSpace(c)) {
            m_space = true;
            return;
        }
        if (m_space && !m_text.empty() && m_text.back() != u'\n')
            m_text += u' ';
        m_space = false;
        m_text += c;
    }
    // Decoded entities: written as they are, even a space (&nbsp;).
    void literal(std::u16string_view text)
    {
        if (m_space && !m_pre && !m_text.empty() && m_text.back() != u'\n')
            m_text += u' ';
        m_space = false;
        m_text += text;
    }
    void lineBreak()
    {
        m_space = false;
        if (!m_text.empty() && m_text.back() != u'\n')
            m_text += u'\n';
    }
    void newLine()
    {
        m_space = false;
        m_text += u'\n';
    }
    void paragraph()
    {
        lineBreak();
        if (!m_text.empty() && (m_text.size() < 2 || m_text[m_text.size() - 2] != u'\n'))
            m_text += u'\n';
    }
    void setPre(bool pre) { m_pre = pre; }
    // The text with trailing spaces of lines and blank lines at either end removed, lines
    // ending in "\r\n".
    std::u16string finished() const
    {
        std::u16string result;
        size_t start = 0;
        while (start < m_text.size()) {
            size_t end = m_text.find(u'\n', start);
            end = end == std::u16string::npos ? m_text.size() : end;
            size_t last = end;
            while (last > start && m_text[last - 1] == u' ')
                --last;
            result.append(m_text, start, last - start);
            result += u"\r\n";
            start = end + 1;
        }
        const size_t first = result.find_first_not_of(u"\r\n");
        const size_t lastChar = result.find_last_not_of(u"\r\n");
        return first == std::u16string::npos ? std::u16string() : result.substr(first, lastChar - first + 1);
    }

private:
    std::u16string m_text;
    bool m_space = false;
    bool m_pre = false;
};

void applyTag(PlainText& text, const Tag& tag)
{
    if (tag.name == u"br")
        text.newLine();
    else if (listed(lineTags, tag.name))
        text.lineBreak();
    else if (listed(paragraphTags, tag.name))
        text.paragraph();
    if (tag.name == u"pre")
        text.setPre(!tag.closing);
}

// Where the skipped element that `tag` opens ends: past its closing tag, or the end.
size_t pastSkippedElement(std::u16string_view html, const Tag& tag)
{
    const std::u16string rest = lower(html.substr(tag.end));
    const size_t close = rest.find(u"</" + tag.name);
    if (close == std::u16string::npos)
        return html.size();
    const size_t gt = rest.find(u'>', close);
    return tag.end + (gt == std::u16string::npos ? rest.size() : gt + 1);
}

// Where the first tag from `from` that names `anchor` (any anchor when empty) starts, or npos.
// Comments and the contents of skipped elements name none.
size_t findAnchor(std::u16string_view html, size_t from, std::u16string_view anchor)
{
    for (size_t at = html.find(u'<', from); at != std::u16string_view::npos; at = html.find(u'<', at)) {
        Tag tag;
        if (!readTag(html, at, tag)) {
            ++at;
            continue;
        }
        if (namesAnchor(tag, anchor))
            return at;
        at = !tag.closing && listed(skippedTags, tag.name) ? pastSkippedElement(html, tag) : tag.end;
    }
    return std::u16string_view::npos;
}

std::u16string plainText(std::u16string_view html)
{
    PlainText text;
    size_t at = 0;
    while (at < html.size()) {
        Tag tag;
        if (html[at] == u'<' && readTag(html, at, tag)) {
            const bool skipped = !tag.closing && listed(skippedTags, tag.name);
            if (!skipped)
                applyTag(text, tag);
            at = skipped ? pastSkippedElement(html, tag) : tag.end;
        } else if (html[at] == u'&') {
            size_t length = 1;
            text.literal(decodeEntity(html, at, length));
            at += length;
        } else {
            text.character(html[at++]);
        }
    }
    return text.finished();
}

} // namespace

std::u16string helpSectionText(std::u16string_view html, std::u16string_view anchor)
{
    const size_t start = anchor.empty() ? std::u16string_view::npos : findAnchor(html, 0, anchor);
    if (start == std::u16string_view::npos)
        return plainText(html);
    Tag opening;
    readTag(html, start, opening);
    const size_t end = findAnchor(html, opening.end, u"");
    return plainText(html.substr(start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start));
}

std::u16string helpFileText(const std::vector<BYTE>& bytes)
{
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        std::u16string text;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            text += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        return text;
    }
    const bool utf8Mark = bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF;
    const std::string_view narrow(
        reinterpret_cast<const char*>(bytes.data()) + (utf8Mark ? 3 : 0), bytes.size() - (utf8Mark ? 3 : 0));
    std::u16string text;
    if (emulator::fromUtf8Strict(narrow, text))
        return text;
    if (utf8Mark)
        return emulator::fromUtf8(narrow);
    text.clear();
    for (char byte : narrow)
        text += windows1252ToUtf16(static_cast<unsigned char>(byte));
    return text;
}

} // namespace ce::shell
