// DrawTextW's layout. The text is first freed of its '&' prefixes (remembering which characters
// they mark), measured once, then cut into lines: at CR, LF and CR LF unless DT_SINGLELINE, and
// with DT_WORDBREAK between words. A word wider than the line keeps a line of its own, as on
// the device, so no text is lost. DT_END_ELLIPSIS ends a line that is still too wide in "...".
// An empty text has no lines (its height is 0).
#include "TextLayout.h"

#include <algorithm>
#include <numeric>

namespace ce::gdi {
namespace {

constexpr std::u16string_view ellipsis = u"...";

struct Range {
    std::size_t begin = 0;
    std::size_t end = 0;
};

bool isLineBreak(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

// The text as shown: "&x" shows x underlined, "&&" shows '&', a final '&' shows nothing.
struct ShownText {
    std::u16string text;
    std::vector<bool> underlined;
};

ShownText withoutPrefixes(std::u16string_view text, bool prefixes)
{
    ShownText shown;
    for (std::size_t at = 0; at < text.size(); ++at) {
        bool marked = false;
        if (prefixes && text[at] == u'&') {
            if (++at == text.size())
                break;
            marked = text[at] != u'&';
        }
        shown.text += text[at];
        shown.underlined.push_back(marked);
    }
    return shown;
}

// Lines of a text measured once; advances depend on where a line starts because of tabs.
class LineCutter {
public:
    LineCutter(const ShownText& shown, const LayoutRules& rules)
        : m_shown(shown)
        , m_rules(rules)
        , m_advances(rules.measure(shown.text))
    {
        m_advances.resize(shown.text.size());
    }

    std::vector<LaidOutLine> lines()
    {
        std::vector<LaidOutLine> result;
        for (const Range& paragraph : paragraphs()) {
            for (const Range& range : wrapped(paragraph))
                result.push_back(lineOf(range));
        }
        return result;
    }

private:
    bool has(UINT flag) const { return (m_rules.format & flag) != 0; }

    // The advance of unit `at` with the pen `x` pixels into the line.
    int advanceAt(std::size_t at, int x) const
    {
        if (m_shown.text[at] == u'\t' && has(DT_EXPANDTABS) && m_rules.tabWidth > 0)
            return m_rules.tabWidth - x % m_rules.tabWidth;
        return m_advances[at];
    }

    // The pen after units [from, to) drawn from x.
    int penAfter(std::size_t from, std::size_t to, int x) const
    {
        for (std::size_t at = from; at < to; ++at)
            x += advanceAt(at, x);
        return x;
    }

    std::vector<Range> paragraphs() const
    {
        const std::u16string& text = m_shown.text;
        if (has(DT_SINGLELINE) && !text.empty())
            return {{0, text.size()}};
        std::vector<Range> found;
        std::size_t at = 0;
        while (at < text.size()) {
            std::size_t end = at;
            while (end < text.size() && !isLineBreak(text[end]))
                ++end;
            found.push_back({at, end});
            at = end;
            if (at < text.size() && text[at] == u'\r')
                ++at;
            if (at < text.size() && text[at] == u'\n')
                ++at;
        }
        return found;
    }

    // Words go on a line while they fit; the spaces where a line breaks belong to no line.
    std::vector<Range> wrapped(const Range& paragraph) const
    {
        if (!has(DT_WORDBREAK) || has(DT_SINGLELINE))
            return {paragraph};
        const std::u16string& text = m_shown.text;
        std::vector<Range> found;
        Range line {paragraph.begin, paragraph.begin};
        bool lineHasWord = false;
        int pen = 0; // after the line's last word and the spaces following it
        std::size_t at = paragraph.begin;
        while (at < paragraph.end) {
            std::size_t wordEnd = at;
            while (wordEnd < paragraph.end && text[wordEnd] != u' ')
                ++wordEnd;
            int wordRight = penAfter(at, wordEnd, pen);
            if (lineHasWord && wordRight > m_rules.width) {
                found.push_back(line);
                line = {at, at};
                pen = 0;
                wordRight = penAfter(at, wordEnd, 0);
            }
            std::size_t spacesEnd = wordEnd;
            while (spacesEnd < paragraph.end && text[spacesEnd] == u' ')
                ++spacesEnd;
            line.end = wordEnd;
            lineHasWord = lineHasWord || wordEnd > at;
            pen = penAfter(wordEnd, spacesEnd, wordRight);
            at = spacesEnd;
        }
        found.push_back(line);
        return found;
    }

    LaidOutLine lineOf(const Range& range) const
    {
        LaidOutLine line;
        line.text = m_shown.text.substr(range.begin, range.end - range.begin);
        for (std::size_t at = range.begin; at < range.end; ++at) {
            line.advances.push_back(advanceAt(at, line.width));
            line.width += line.advances.back();
            if (m_shown.underlined[at])
                line.underlined.push_back(at - range.begin);
        }
        if (has(DT_END_ELLIPSIS) && line.width > m_rules.width)
            endInEllipsis(line);
        return line;
    }

    // Keeps the longest start of the line that leaves room for "..." and appends it.
    void endInEllipsis(LaidOutLine& line) const
    {
        const std::vector<int> dots = m_rules.measure(ellipsis);
        const int dotsWidth = std::accumulate(dots.begin(), dots.end(), 0);
        std::size_t kept = 0;
        int width = 0;
        while (kept < line.text.size() && width + line.advances[kept] + dotsWidth <= m_rules.width)
            width += line.advances[kept++];
        // The second half of a surrogate pair has no advance of its own: keep pairs whole.
        if (kept > 0 && kept < line.text.size() && line.text[kept] >= 0xDC00 && line.text[kept] <= 0xDFFF)
            width -= line.advances[--kept];
        line.text.resize(kept);
        line.text += ellipsis;
        line.advances.resize(kept);
        line.advances.insert(line.advances.end(), dots.begin(), dots.end());
        line.advances.resize(line.text.size());
        line.width = width + dotsWidth;
        std::erase_if(line.underlined, [&](std::size_t at) { return at >= kept; });
    }

    const ShownText& m_shown;
    const LayoutRules& m_rules;
    std::vector<int> m_advances;
};

} // namespace

std::vector<LaidOutLine> layOutText(std::u16string_view text, const LayoutRules& rules)
{
    const ShownText shown = withoutPrefixes(text, !(rules.format & DT_NOPREFIX));
    return LineCutter(shown, rules).lines();
}

} // namespace ce::gdi
