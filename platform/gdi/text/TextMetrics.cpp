// Measuring text: GetTextMetricsW, GetTextExtentPoint32W and GetTextExtentExPointW with the
// selected font.
#include <algorithm>
#include <string_view>

#include "TextFonts.h"
#include "gwes/Screen.h"

using namespace ce::gdi;

namespace {

// TEXTMETRIC's pitch and family bits: a TrueType outline font; the "fixed pitch" bit means
// the opposite of its name and is set for proportional fonts.
constexpr BYTE proportionalPitch = 0x01;
constexpr BYTE outlineFont = 0x02 | 0x04;
constexpr BYTE swissFamily = 0x20;
constexpr BYTE modernFamily = 0x30;

TEXTMETRICW textMetricOf(const FontMetrics& metrics)
{
    const bool fixed = metrics.faceName == u"Courier New";
    TEXTMETRICW tm {};
    tm.tmHeight = metrics.tmHeight;
    tm.tmAscent = metrics.tmAscent;
    tm.tmDescent = metrics.tmDescent;
    tm.tmInternalLeading = metrics.tmInternalLeading;
    tm.tmExternalLeading = metrics.tmExternalLeading;
    tm.tmAveCharWidth = metrics.tmAveCharWidth;
    tm.tmMaxCharWidth = metrics.tmMaxCharWidth;
    tm.tmWeight = metrics.tmWeight;
    tm.tmDigitizedAspectX = ce::gwes::screenDpi();
    tm.tmDigitizedAspectY = ce::gwes::screenDpi();
    tm.tmFirstChar = u' ';
    tm.tmLastChar = 0xFFFC;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = u' ';
    tm.tmItalic = metrics.tmItalic ? 1 : 0;
    tm.tmPitchAndFamily = outlineFont | (fixed ? modernFamily : swissFamily | proportionalPitch);
    tm.tmCharSet = ANSI_CHARSET;
    return tm;
}

// Text and count as the extent calls take them: a negative count, or no text for a positive
// one, is refused.
bool validText(LPCWSTR text, int count)
{
    if (count < 0 || (count > 0 && !text)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return true;
}

// Whether the caller gave somewhere to put the answer.
bool present(const void* out)
{
    if (!out)
        SetLastError(ERROR_INVALID_PARAMETER);
    return out != nullptr;
}

// The engine's answer as a Win32 result.
BOOL succeeded(DWORD error)
{
    if (error == ERROR_SUCCESS)
        return TRUE;
    SetLastError(error);
    return FALSE;
}

} // namespace

BOOL GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    FontMetrics metrics;
    if (!dc || !present(lptm) || !succeeded(fontEngine().metrics(selectedFontRequest(*dc), metrics)))
        return FALSE;
    *lptm = textMetricOf(metrics);
    return TRUE;
}

BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl)
{
    return GetTextExtentExPointW(hdc, lpString, c, 0, nullptr, nullptr, psizl);
}

BOOL GetTextExtentExPointW(
    HDC hdc, LPCWSTR lpszString, int cchString, int nMaxExtent, LPINT lpnFit, LPINT lpnDx, LPSIZE lpSize)
{
    std::lock_guard guard(gdiLock());
    auto dc = deviceContextOrFail(hdc);
    if (!dc || !validText(lpszString, cchString) || !present(lpSize))
        return FALSE;
    const std::u16string_view text(lpszString ? lpszString : u"", static_cast<std::size_t>(cchString));
    const FontRequest request = selectedFontRequest(*dc);
    std::vector<int> advances;
    FontMetrics metrics;
    if (!succeeded(fontEngine().advanceWidths(request, text, advances))
        || !succeeded(fontEngine().metrics(request, metrics)))
        return FALSE;
    // Advances are never negative, so the characters that fit are a prefix; a negative
    // maximum sets no limit.
    int extent = 0;
    int fit = 0;
    for (std::size_t at = 0; at < advances.size(); ++at) {
        extent += advances[at];
        if (lpnDx)
            lpnDx[at] = extent;
        if (nMaxExtent < 0 || extent <= nMaxExtent)
            fit = static_cast<int>(at) + 1;
    }
    if (lpnFit)
        *lpnFit = fit;
    *lpSize = {extent, metrics.tmHeight};
    return TRUE;
}
