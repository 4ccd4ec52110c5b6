// A line of text blended into a device context: the background of its cell, then the glyphs'
// coverage in the text colour.
#include "TextDrawing.h"

#include "TextFonts.h"

namespace ce::gdi {

void fillClipped(DrawTarget& target, RECT rect, const RECT* clip, COLORREF color)
{
    if (clip && !IntersectRect(&rect, &rect, clip))
        return;
    target.fillRect(rect, color);
}

DWORD drawTextLine(
    DrawTarget& target, const DeviceContext& dc, const FontRequest& font, const TextLine& line, const RECT* clip)
{
    GlyphRun run;
    if (const DWORD error = fontEngine().renderText(font, line.text, run, line.advances))
        return error;
    const RECT cell {line.x, line.y, line.x + run.width, line.y + run.height};
    if (dc.bkMode == OPAQUE)
        fillClipped(target, cell, clip, dc.bkColor);
    RECT inked = target.drawableBounds(cell);
    if (clip && !IntersectRect(&inked, &inked, clip))
        return ERROR_SUCCESS;
    for (int y = inked.top; y < inked.bottom; ++y) {
        const std::uint8_t* row = run.coverage.data() + std::size_t(y - line.y) * std::size_t(run.width);
        for (int x = inked.left; x < inked.right; ++x)
            target.blend(x, y, dc.textColor, row[x - line.x]);
    }
    return ERROR_SUCCESS;
}

} // namespace ce::gdi
