// Where an edit's characters lie across a line: its text measured in its font, so that taps,
// EM_POSFROMCHAR, fitting text in a width and drawing all agree.
#pragma once

#include <string_view>
#include <vector>

#include "windows.h"

namespace ce::gwes::basic {

class EditRuler {
public:
    // Measures with `font`, or the system font when it is null.
    explicit EditRuler(HFONT font);
    ~EditRuler();
    EditRuler(const EditRuler&) = delete;
    EditRuler& operator=(const EditRuler&) = delete;

    // The width of the first i characters for each i from 0 to text.size().
    std::vector<int> edges(std::u16string_view text) const;
    int width(std::u16string_view text) const;

private:
    HDC m_dc;
};

// The character boundary (an index into `edges`) nearest to x.
size_t nearestEdge(const std::vector<int>& edges, int x);

} // namespace ce::gwes::basic
