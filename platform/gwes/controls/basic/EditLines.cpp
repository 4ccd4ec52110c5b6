// Line arithmetic over an edit control's text.
#include "EditLines.h"

#include <algorithm>

namespace ce::gwes::basic {

EditLines::EditLines(const std::u16string& text, bool multiline)
    : m_starts {0}
    , m_textLength(text.size())
{
    if (!multiline)
        return;
    for (size_t at = text.find(u"\r\n"); at != std::u16string::npos; at = text.find(u"\r\n", at + 2))
        m_starts.push_back(at + 2);
}

size_t EditLines::length(int line) const
{
    const auto next = static_cast<size_t>(line) + 1;
    return (next < m_starts.size() ? m_starts[next] - 2 : m_textLength) - start(line);
}

int EditLines::lineOf(size_t index) const
{
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), index);
    return static_cast<int>(after - m_starts.begin()) - 1;
}

size_t stepBack(const std::u16string& text, size_t index)
{
    if (index == 0)
        return 0;
    if (index >= 2 && text.compare(index - 2, 2, u"\r\n") == 0)
        return index - 2;
    return index - 1;
}

size_t stepForward(const std::u16string& text, size_t index)
{
    if (index >= text.size())
        return text.size();
    if (text.compare(index, 2, u"\r\n") == 0)
        return index + 2;
    return index + 1;
}

} // namespace ce::gwes::basic
