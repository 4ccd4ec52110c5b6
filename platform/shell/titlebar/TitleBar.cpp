// The title bar, drawn with GDI in the caption colours: a gradient band, the four-colour start
// flag, the title in bold, the time at the right and, for windows that show one, the round OK
// button (WS_EX_CAPTIONOKBTN) or else the close cross.
#include <string>

#include "TitleBar.h"

#include "aygshell.h"
#include "emulator/Shell.h"
#include "gwes/Screen.h"

namespace ce::shell {
namespace {

int px(int at96)
{
    return gwes::scaledForScreen(at96);
}

// A vertical gradient from the caption colour to its gradient partner.
void band(HDC dc, int width, int height, COLORREF from, COLORREF to)
{
    for (int y = 0; y < height; ++y) {
        const auto mix = [&](BYTE a, BYTE b) { return static_cast<BYTE>(a + (b - a) * y / std::max(height - 1, 1)); };
        HBRUSH brush = CreateSolidBrush(RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
            mix(GetBValue(from), GetBValue(to))));
        const RECT row {0, y, width, y + 1};
        FillRect(dc, &row, brush);
        DeleteObject(brush);
    }
}

void fill(HDC dc, const RECT& rect, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

// The start flag: four panes, red and green above, blue and yellow below.
void startFlag(HDC dc, int left, int top, int size)
{
    const int half = size / 2;
    const int gap = std::max(1, size / 16);
    fill(dc, {left, top, left + half - gap, top + half - gap}, RGB(0xF0, 0x50, 0x22));
    fill(dc, {left + half, top, left + size, top + half - gap}, RGB(0x7E, 0xBA, 0x00));
    fill(dc, {left, top + half, left + half - gap, top + size}, RGB(0x00, 0xA4, 0xEF));
    fill(dc, {left + half, top + half, left + size, top + size}, RGB(0xFF, 0xB9, 0x00));
}

HFONT captionFont(int height, bool bold)
{
    LOGFONTW font {};
    font.lfHeight = -height;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfQuality = CLEARTYPE_QUALITY;
    const char16_t face[] = u"Tahoma";
    std::copy(std::begin(face), std::end(face), font.lfFaceName);
    return CreateFontIndirectW(&font);
}

void text(HDC dc, const std::u16string& words, RECT rect, UINT format, bool bold)
{
    HFONT font = captionFont(px(12), bold);
    HGDIOBJ previous = SelectObject(dc, font);
    DrawTextW(dc, words.c_str(), static_cast<int>(words.size()), &rect, format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, previous);
    DeleteObject(font);
}

std::u16string clockText()
{
    SYSTEMTIME now {};
    GetLocalTime(&now);
    const int hour = now.wHour % 12 == 0 ? 12 : now.wHour % 12;
    std::u16string result;
    for (char c : std::to_string(hour) + ":" + (now.wMinute < 10 ? "0" : "") + std::to_string(now.wMinute))
        result += static_cast<char16_t>(c);
    return result;
}

bool hasOkButton(HWND window)
{
    return window && (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CAPTIONOKBTN);
}

} // namespace

RECT titleBarOkButton(int screenWidth)
{
    if (!hasOkButton(GetForegroundWindow()))
        return {};
    const int height = GetSystemMetrics(SM_CYCAPTION);
    return {screenWidth - px(26), 0, screenWidth, height};
}

TitleBarContent titleBarContent()
{
    TitleBarContent content;
    HWND foreground = GetForegroundWindow();
    content.shown = !foreground || !(emulator::fullScreenFlags(foreground) & SHFS_HIDETASKBAR);
    content.clock = clockText();
    content.caption = GetSysColor(COLOR_ACTIVECAPTION);
    content.gradient = GetSysColor(COLOR_GRADIENTACTIVECAPTION);
    content.text = GetSysColor(COLOR_CAPTIONTEXT);
    if (foreground) {
        WCHAR title[128] {};
        GetWindowTextW(foreground, title, 128);
        content.title = title;
        content.okButton = hasOkButton(foreground);
        content.closeButton = !content.okButton;
    }
    return content;
}

void paintTitleBar(HDC dc, int screenWidth, const TitleBarContent& content)
{
    const int height = GetSystemMetrics(SM_CYCAPTION);
    band(dc, screenWidth, height, content.caption, content.gradient);
    const int flag = px(16);
    startFlag(dc, px(5), (height - flag) / 2, flag);

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, content.text);
    const int buttonLeft = screenWidth - px(26);
    const int clockLeft = buttonLeft - px(40);
    text(dc, content.clock, {clockLeft, 0, buttonLeft - px(4), height}, DT_RIGHT, false);
    text(dc, content.title, {px(26), 0, clockLeft - px(2), height}, DT_LEFT | DT_END_ELLIPSIS, true);

    // The OK button is a white ring with "ok"; other windows show the close cross.
    const RECT button {buttonLeft + px(2), (height - px(20)) / 2, buttonLeft + px(22), (height + px(20)) / 2};
    HPEN pen = CreatePen(PS_SOLID, px(2), RGB(255, 255, 255));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    if (content.okButton) {
        Ellipse(dc, button.left, button.top, button.right, button.bottom);
        text(dc, u"ok", button, DT_CENTER, true);
    } else if (content.closeButton) {
        const int inset = px(6);
        MoveToEx(dc, button.left + inset, button.top + inset, nullptr);
        LineTo(dc, button.right - inset, button.bottom - inset);
        MoveToEx(dc, button.right - inset - 1, button.top + inset, nullptr);
        LineTo(dc, button.left + inset - 1, button.bottom - inset);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

} // namespace ce::shell
