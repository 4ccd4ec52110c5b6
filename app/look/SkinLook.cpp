// Building the skin's bitmaps (loaded from the resource module, coloured pixel by pixel) and
// drawing with them. Bitmap pixels are read and written as 32-bit top-down DIB rows.
#include "SkinLook.h"

#include <algorithm>
#include <vector>

#include "AppState.h"
#include "PixelModes.h"
#include "SkinEffects.h"
#include "SkinGeometry.h"

namespace {

constexpr WORD backgroundIds[] = {253, 271, 275, 278}; // Stripes, Solid, Gradient, Hazy
constexpr WORD pushFaceIds[] = {254, 272, 274, 277};   // Gel, Shiny, Rusty, Simple
constexpr WORD tabFaceIds[] = {255, 270, 279, 276};
constexpr int faceFrames = 3; // normal, pressed, disabled

// A DIB pixel (blue, green, red, unused in memory) as a COLORREF and back.
COLORREF fromDib(DWORD pixel)
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

DWORD toDib(COLORREF colour)
{
    return (static_cast<DWORD>(GetRValue(colour)) << 16) | (static_cast<DWORD>(GetGValue(colour)) << 8)
        | GetBValue(colour);
}

BITMAPINFO topDownHeader(int width, int height)
{
    BITMAPINFO header {};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = width;
    header.bmiHeader.biHeight = -height;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    return header;
}

// Applies a slot's effect to the bitmap's pixels; on failure the bitmap stays as loaded.
void colourBitmap(HDC screen, HBITMAP bitmap, int width, int height, const SkinSlot& slot)
{
    BITMAPINFO header = topDownHeader(width, height);
    std::vector<DWORD> rows(static_cast<size_t>(width) * height);
    if (GetDIBits(screen, bitmap, 0, height, rows.data(), &header, DIB_RGB_COLORS) != height)
        return;
    std::vector<COLORREF> pixels(rows.size());
    for (size_t at = 0; at < rows.size(); ++at)
        pixels[at] = fromDib(rows[at]);
    if (!applySkinEffect(slot.effect, placeholderColour(slot.colour), pixels))
        return;
    for (size_t at = 0; at < rows.size(); ++at)
        rows[at] = toDib(pixels[at]);
    SetDIBits(screen, bitmap, 0, height, rows.data(), &header, DIB_RGB_COLORS);
}

WORD chosen(const WORD (&ids)[4], DWORD choice)
{
    return ids[choice < 4 ? choice : 0];
}

// The bold, smoothed font of skinned labels, made once.
HFONT labelFont()
{
    static HFONT font = [] {
        LOGFONTW description {};
        GetObjectW(GetStockObject(SYSTEM_FONT), sizeof description, &description);
        description.lfWeight = FW_BOLD;
        description.lfQuality = ANTIALIASED_QUALITY;
        return CreateFontIndirectW(&description);
    }();
    return font;
}

} // namespace

std::array<SkinSlot, skinSlotCount> skinSlotsFor(const Settings& settings, const LookColours& colours)
{
    const DWORD background = settings.skinInfo & 0xFF;
    const DWORD buttons = (settings.skinInfo >> 8) & 0xFF;
    return {{
        {chosen(backgroundIds, background), skin_effect::colourise, colours.backgroundHighlight},
        {chosen(pushFaceIds, buttons), skin_effect::colourise, colours.buttonHighlight},
        {chosen(tabFaceIds, buttons), skin_effect::colourise, colours.buttonHighlight},
        {240, skin_effect::colourise, colours.backgroundHighlight},
        {256, skin_effect::convert, 0},
        {258, skin_effect::colourise, colours.buttonHighlight},
        {259, skin_effect::colourise, colours.buttonHighlight},
        {260, skin_effect::convert, 0},
        {261, skin_effect::convert, 0},
    }};
}

SkinLook::~SkinLook()
{
    release();
}

void SkinLook::release()
{
    for (Image& image : images) {
        if (image.dc)
            DeleteDC(image.dc);
        if (image.bitmap)
            DeleteObject(image.bitmap);
        image = {};
    }
}

void SkinLook::build(HMODULE module, const Settings& settings)
{
    release();
    colours = lookColours(settings);
    const auto slots = skinSlotsFor(settings, colours);
    HDC screen = GetDC(nullptr);
    for (size_t index = 0; index < slots.size(); ++index) {
        HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(slots[index].bitmapId));
        BITMAP size {};
        if (!bitmap || !GetObjectW(bitmap, sizeof size, &size)) {
            if (bitmap)
                DeleteObject(bitmap);
            continue;
        }
        colourBitmap(screen, bitmap, size.bmWidth, size.bmHeight, slots[index]);
        Image& image = images[index];
        image.bitmap = bitmap;
        image.dc = CreateCompatibleDC(screen);
        SelectObject(image.dc, bitmap);
        image.width = size.bmWidth;
        image.height = size.bmHeight;
    }
    ReleaseDC(nullptr, screen);
}

// The strip stretched across the window; the rows are those at the window's place on the screen,
// so a control paints the part of its view's background that lies behind it.
void SkinLook::paintBackground(HWND window, HDC dc)
{
    RECT client {};
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    const Image& strip = images[backgroundSlot];
    if (!strip.dc)
        return;
    POINT origin {0, 0};
    ClientToScreen(window, &origin);
    const int rows = std::min(static_cast<int>(client.bottom), strip.height - static_cast<int>(origin.y));
    if (rows <= 0 || origin.y < 0)
        return;
    TransparentBlt(dc, 0, 0, client.right, rows, strip.dc, 0, origin.y, strip.width, rows, keyColour);
}

void SkinLook::drawFace(HDC dc, const Image& image, int frames, int frame, RECT area, bool left, bool middle, bool right)
{
    if (!image.dc || frames <= 0)
        return;
    const int frameWidth = image.width / frames;
    if ((frame + 1) * frameWidth > image.width)
        return;
    const int cap = capOf(frameWidth);
    const ThreePart pieces = threePartPieces(area.right - area.left, cap);
    const int sourceX = frame * frameWidth;
    const int height = area.bottom - area.top;
    if (left && pieces.leftWidth)
        TransparentBlt(dc, area.left, area.top, pieces.leftWidth, height, image.dc, sourceX, 0, cap, image.height, keyColour);
    if (middle && pieces.middleWidth)
        TransparentBlt(dc, area.left + pieces.leftWidth, area.top, pieces.middleWidth, height, image.dc, sourceX + cap, 0,
            1, image.height, keyColour);
    if (right && pieces.rightWidth)
        TransparentBlt(dc, area.right - pieces.rightWidth, area.top, pieces.rightWidth, height, image.dc,
            sourceX + frameWidth - cap, 0, cap, image.height, keyColour);
}

void SkinLook::drawButton(const DRAWITEMSTRUCT& item, ButtonFace face, ButtonIcon icon)
{
    const bool disabled = item.itemState & ODS_DISABLED;
    const bool pressed = !disabled && (item.itemState & ODS_SELECTED);
    paintBackground(item.hwndItem, item.hDC);
    const Image& faces = images[face == ButtonFace::tab ? tabFacesSlot : pushFacesSlot];
    drawFace(item.hDC, faces, faceFrames, disabled ? 2 : pressed ? 1 : 0, item.rcItem);
    RECT area = item.rcItem;
    if (pressed) {
        OffsetRect(&area, 2, 2);
        area.right -= 2;
        area.bottom -= 2;
    }
    const Image& icons = images[icon.strip == ButtonIcon::tabs ? tabIconsSlot : titleIconsSlot];
    if (icon.strip != ButtonIcon::none && icons.dc && icons.height > 0) {
        // Square frames side by side; disabled buttons show theirs through the face as it is.
        const int size = icons.height;
        if ((icon.index + 1) * size <= icons.width) {
            const int x = (area.left + area.right - size) / 2;
            const int y = (area.top + area.bottom - size) / 2;
            TransparentBlt(item.hDC, x, y, size, size, icons.dc, icon.index * size, 0, size, size, keyColour);
            return;
        }
    }
    WCHAR caption[128] = {};
    GetWindowTextW(item.hwndItem, caption, 128);
    drawLabel(item.hDC, caption, area, disabled ? GetSysColor(COLOR_GRAYTEXT) : colours.controlText, CLR_INVALID,
        DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

void SkinLook::drawLabel(HDC dc, const char16_t* text, RECT area, COLORREF colour, COLORREF shadow, UINT format)
{
    HGDIOBJ previousFont = SelectObject(dc, labelFont());
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    if (shadow != CLR_INVALID) {
        SetTextColor(dc, shadow);
        DrawTextW(dc, text, -1, &area, format);
        OffsetRect(&area, -resolutionFactor(), -resolutionFactor());
    }
    SetTextColor(dc, colour);
    DrawTextW(dc, text, -1, &area, format);
    SetBkMode(dc, previousMode);
    SelectObject(dc, previousFont);
}

void SkinLook::drawProgress(HWND window, HDC dc, RECT area, int position)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    // Drawn off the screen and copied in one step, so the bar never flickers.
    HDC canvas = CreateCompatibleDC(dc);
    HBITMAP surface = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ previous = SelectObject(canvas, surface);
    paintBackground(window, canvas);
    const RECT whole {0, 0, width, height};
    drawFace(canvas, images[progressEmptySlot], 1, 0, whole);
    const Image& filled = images[progressFilledSlot];
    const int cap = capOf(filled.width);
    const int length = progressFill(position, width, cap);
    if (length > 0)
        drawFace(canvas, filled, 1, 0, {0, 0, length, height});
    BitBlt(dc, area.left, area.top, width, height, canvas, 0, 0, SRCCOPY);
    SelectObject(canvas, previous);
    DeleteObject(surface);
    DeleteDC(canvas);
}

void buildLook(HMODULE resourceModule)
{
    static SkinLook look;
    look.build(resourceModule, settings());
    setFrameworkLook(&look);
}
