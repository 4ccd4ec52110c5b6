// DrawTextW's layout: mnemonic prefixes, line breaks, word wrapping, tab stops and the end
// ellipsis, turning a text and a format into the lines to draw. Pure: the caller measures.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "windows.h"

namespace ce::gdi {

struct LaidOutLine {
    std::u16string text;
    std::vector<int> advances; // one per UTF-16 unit, tabs expanded
    std::vector<std::size_t> underlined; // units marked by a '&' prefix
    int width = 0;
};

struct LayoutRules {
    UINT format = 0; // DT_* flags
    int width = 0; // of the rectangle: where lines wrap and ellipses cut
    int tabWidth = 0; // the distance between tab stops
    // The advances of a text's UTF-16 units in the font (0 for line breaks and tabs).
    std::function<std::vector<int>(std::u16string_view)> measure;
};

std::vector<LaidOutLine> layOutText(std::u16string_view text, const LayoutRules& rules);

} // namespace ce::gdi
