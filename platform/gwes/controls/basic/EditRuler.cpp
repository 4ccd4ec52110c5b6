// Measuring an edit's text on a memory device context holding its font.
#include "EditRuler.h"

#include <algorithm>
#include <cstdlib>

namespace ce::gwes::basic {

EditRuler::EditRuler(HFONT font)
    : m_dc(CreateCompatibleDC(nullptr))
{
    if (m_dc && font)
        SelectObject(m_dc, font);
}

EditRuler::~EditRuler()
{
    if (m_dc)
        DeleteDC(m_dc);
}

std::vector<int> EditRuler::edges(std::u16string_view text) const
{
    std::vector<int> result(text.size() + 1, 0);
    if (text.empty() || !m_dc)
        return result;
    SIZE size {};
    GetTextExtentExPointW(m_dc, text.data(), static_cast<int>(text.size()), 0, nullptr, result.data() + 1, &size);
    return result;
}

int EditRuler::width(std::u16string_view text) const
{
    return edges(text).back();
}

size_t nearestEdge(const std::vector<int>& edges, int x)
{
    const auto closer = [x](int a, int b) { return std::abs(a - x) < std::abs(b - x); };
    return static_cast<size_t>(std::min_element(edges.begin(), edges.end(), closer) - edges.begin());
}

} // namespace ce::gwes::basic
