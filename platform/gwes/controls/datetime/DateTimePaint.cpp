// The date and time picker's look: a white field with a thin grey border, DTS_SHOWNONE's check
// box, the shown value in the control's font with the focused field highlighted, and at the
// right the drop-down button (DFCS_SCROLLCOMBOBOX) or the up-down arrows of DTS_UPDOWN.
#include "DateTimePaint.h"

#include <algorithm>

#include "DateTimeMetrics.h"
#include "gwes/Screen.h"

namespace ce::gwes::datetime {

namespace {

namespace metrics = datetime_metrics;

RECT clientOf(HWND hwnd)
{
    RECT client {};
    GetClientRect(hwnd, &client);
    return client;
}

int textLeft(const PickerView& view)
{
    return (view.showNone ? scaledForScreen(metrics::checkBoxWidth) : 0) + scaledForScreen(metrics::textMargin);
}

void fill(HDC dc, const RECT& rect, COLORREF color)
{
    SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void drawText(HDC dc, std::u16string_view text, RECT rect, COLORREF color)
{
    SetTextColor(dc, color);
    DrawTextW(
        dc, text.data(), static_cast<int>(text.size()), &rect, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void drawCheckBox(HDC dc, RECT column, bool checked, bool enabled)
{
    const int size = std::min<int>(scaledForScreen(metrics::checkBoxSize), column.bottom - column.top);
    RECT box {column.left + (column.right - column.left - size) / 2,
        column.top + (column.bottom - column.top - size) / 2, 0, 0};
    box.right = box.left + size;
    box.bottom = box.top + size;
    DrawFrameControl(
        dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | (checked ? DFCS_CHECKED : 0) | (enabled ? 0 : DFCS_INACTIVE));
}

void drawButton(HDC dc, RECT column, bool upDown, bool enabled)
{
    const UINT inactive = enabled ? 0 : DFCS_INACTIVE;
    if (!upDown) {
        DrawFrameControl(dc, &column, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | inactive);
        return;
    }
    RECT up = column;
    RECT down = column;
    up.bottom = down.top = (column.top + column.bottom) / 2; // taps split the arrows the same way
    DrawFrameControl(dc, &up, DFC_SCROLL, DFCS_SCROLLUP | inactive);
    DrawFrameControl(dc, &down, DFC_SCROLL, DFCS_SCROLLDOWN | inactive);
}

} // namespace

RECT checkBoxColumn(HWND hwnd, const PickerView& view)
{
    RECT column = clientOf(hwnd);
    column.right = view.showNone ? std::min<int>(column.right, scaledForScreen(metrics::checkBoxWidth)) : column.left;
    return column;
}

RECT buttonColumn(HWND hwnd)
{
    RECT column = clientOf(hwnd);
    column.left = std::max<int>(column.left, column.right - scaledForScreen(metrics::buttonWidth));
    return column;
}

std::vector<int> characterEdges(HWND hwnd, const PickerView& view)
{
    std::vector<int> edges {textLeft(view)};
    HDC dc = GetDC(hwnd);
    const HGDIOBJ oldFont = view.font ? SelectObject(dc, view.font) : nullptr;
    for (size_t length = 1; length <= view.text.size(); ++length) {
        SIZE extent {};
        GetTextExtentPoint32W(dc, view.text.c_str(), static_cast<int>(length), &extent);
        edges.push_back(edges.front() + extent.cx);
    }
    if (oldFont)
        SelectObject(dc, oldFont);
    ReleaseDC(hwnd, dc);
    return edges;
}

size_t characterAt(HWND hwnd, const PickerView& view, int x)
{
    const std::vector<int> edges = characterEdges(hwnd, view);
    const auto after = std::upper_bound(edges.begin(), edges.end(), x);
    return after == edges.begin() ? 0 : static_cast<size_t>(after - edges.begin() - 1);
}

void paintPicker(HWND hwnd, const PickerView& view)
{
    const std::vector<int> edges = characterEdges(hwnd, view);
    PAINTSTRUCT paint {};
    HDC dc = BeginPaint(hwnd, &paint);
    const RECT client = clientOf(hwnd);
    fill(dc, client, GetSysColor(COLOR_BTNSHADOW));
    RECT field = client;
    const int line = std::max(1, scaledForScreen(1));
    InflateRect(&field, -line, -line);
    fill(dc, field, GetSysColor(COLOR_WINDOW));
    const bool enabled = IsWindowEnabled(hwnd);
    if (view.showNone)
        drawCheckBox(dc, checkBoxColumn(hwnd, view), view.checked, enabled);
    const RECT button = buttonColumn(hwnd);
    const HGDIOBJ oldFont = view.font ? SelectObject(dc, view.font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    const bool lively = enabled && view.checked;
    const RECT text {edges.front(), field.top, button.left, field.bottom};
    drawText(dc, view.text, text, GetSysColor(lively ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    if (lively && GetFocus() == hwnd && view.fieldEnd > view.fieldStart && view.fieldEnd < edges.size()) {
        const RECT highlight {edges[view.fieldStart], field.top + line,
            std::min<int>(edges[view.fieldEnd], button.left), field.bottom - line};
        fill(dc, highlight, GetSysColor(COLOR_HIGHLIGHT));
        const std::u16string_view part(view.text);
        drawText(dc, part.substr(view.fieldStart, view.fieldEnd - view.fieldStart), highlight,
            GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    if (oldFont)
        SelectObject(dc, oldFont);
    drawButton(dc, button, view.upDown, enabled);
    EndPaint(hwnd, &paint);
}

} // namespace ce::gwes::datetime
