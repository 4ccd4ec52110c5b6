// DrawTextW: text laid out in a rectangle, aligned, clipped to it, or only measured.
#include <algorithm>

#include "TextDrawing.h"
#include "TextFonts.h"
#include "TextLayout.h"

using namespace ce::gdi;

namespace {

// Average characters between tab stops.
constexpr int tabStopChars = 8;

std::u16string_view textOf(LPCWSTR text, int count)
{
    if (count >= 0)
        return {text, static_cast<std::size_t>(count)};
    return text;
}

int alignedLeft(const RECT& rect, int width, UINT format)
{
    if (format & DT_CENTER)
        return rect.left + (rect.right - rect.left - width) / 2;
    if (format & DT_RIGHT)
        return rect.right - width;
    return rect.left;
}

// Vertical placement applies to a single line only.
int alignedTop(const RECT& rect, int height, UINT format)
{
    if (!(format & DT_SINGLELINE))
        return rect.top;
    if (format & DT_VCENTER)
        return rect.top + (rect.bottom - rect.top - height) / 2;
    if (format & DT_BOTTOM)
        return rect.bottom - height;
    return rect.top;
}

// The prefix underline: a line under the character just below the baseline, thicker for
// larger fonts.
void underline(DrawTarget& target, const DeviceContext& dc, const LaidOutLine& line, POINT cell,
    const FontMetrics& metrics, const RECT* clip)
{
    const int thickness = 1 + metrics.tmHeight / 26;
    const int top = cell.y + std::min(metrics.tmAscent + 1, metrics.tmHeight - thickness);
    for (std::size_t at : line.underlined) {
        int left = cell.x;
        for (std::size_t before = 0; before < at; ++before)
            left += line.advances[before];
        fillClipped(target, {left, top, left + line.advances[at], top + thickness}, clip, dc.textColor);
    }
}

// The lines of the text in the font; the engine's error, if any.
DWORD layOut(std::u16string_view text, UINT format, const RECT& rect, const FontRequest& font, FontMetrics& metrics,
    std::vector<LaidOutLine>& lines)
{
    DWORD error = fontEngine().metrics(font, metrics);
    if (error)
        return error;
    LayoutRules rules;
    rules.format = format;
    rules.width = rect.right - rect.left;
    rules.tabWidth = tabStopChars * metrics.tmAveCharWidth;
    rules.measure = [&](std::u16string_view measured) {
        std::vector<int> advances;
        if (error == ERROR_SUCCESS)
            error = fontEngine().advanceWidths(font, measured, advances);
        return advances;
    };
    lines = layOutText(text, rules);
    return error;
}

} // namespace

int DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format)
{
    if (!lprc || (!lpchText && cchText != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::u16string_view text = lpchText ? textOf(lpchText, cchText) : std::u16string_view();
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc)
        return 0;
    const FontRequest font = selectedFontRequest(*dc);
    FontMetrics metrics;
    std::vector<LaidOutLine> lines;
    if (DWORD error = layOut(text, format, *lprc, font, metrics, lines)) {
        SetLastError(error);
        return 0;
    }
    const int height = static_cast<int>(lines.size()) * metrics.tmHeight;
    if (format & DT_CALCRECT) {
        int width = 0;
        for (const LaidOutLine& line : lines)
            width = std::max(width, line.width);
        lprc->right = lprc->left + width;
        lprc->bottom = lprc->top + height;
        return height;
    }
    DrawTarget target(*dc);
    const RECT* clip = (format & DT_NOCLIP) ? nullptr : lprc;
    const int top = alignedTop(*lprc, height, format);
    int y = top;
    for (const LaidOutLine& line : lines) {
        const POINT cell {alignedLeft(*lprc, line.width, format), y};
        if (DWORD error = drawTextLine(target, *dc, font, {cell.x, cell.y, line.text, line.advances.data()}, clip)) {
            SetLastError(error);
            return 0;
        }
        underline(target, *dc, line, cell, metrics, clip);
        y += metrics.tmHeight;
    }
    // With vertical placement the answer is where the text ends below the rectangle's top.
    return (format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)) ? top + height - lprc->top : height;
}
