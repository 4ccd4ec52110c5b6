// The shared drawing helpers of the list controls.
#include "ListDrawing.h"

namespace ce::gwes {

HFONT fontOrSystem(HFONT font)
{
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

TextMeasure::TextMeasure(HFONT font)
    : m_dc(CreateCompatibleDC(nullptr))
    , m_oldFont(m_dc ? SelectObject(m_dc, fontOrSystem(font)) : nullptr)
{
}

TextMeasure::~TextMeasure()
{
    if (!m_dc)
        return;
    SelectObject(m_dc, m_oldFont);
    DeleteDC(m_dc);
}

int textExtent(HDC dc, std::u16string_view text)
{
    SIZE size {};
    if (!dc || text.empty() || !GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size))
        return 0;
    return size.cx;
}

int TextMeasure::width(std::u16string_view text) const
{
    return textExtent(m_dc, text);
}

UINT alignOf(int fmt)
{
    switch (fmt & HDF_JUSTIFYMASK) {
    case HDF_RIGHT:
        return DT_RIGHT;
    case HDF_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

void fillSolid(HDC dc, const RECT& rect, COLORREF color)
{
    if (color == CLR_NONE || IsRectEmpty(&rect))
        return;
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void drawCellText(HDC dc, std::u16string_view text, RECT rect, UINT align, COLORREF color)
{
    if (text.empty() || rect.right <= rect.left)
        return;
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect,
        align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

int drawImageCentred(HIMAGELIST list, int index, HDC dc, int left, int top, int bottom, UINT style)
{
    int cx = 0;
    int cy = 0;
    if (!list || index < 0 || !ImageList_GetIconSize(list, &cx, &cy))
        return 0;
    ImageList_Draw(list, index, dc, left, top + (bottom - top - cy) / 2, style);
    return cx;
}

void sendDrawItem(HWND control, DRAWITEMSTRUCT& draw)
{
    draw.CtlID = static_cast<UINT>(GetDlgCtrlID(control));
    draw.hwndItem = control;
    SendMessageW(GetParent(control), WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
}

} // namespace ce::gwes
