// The skin: the look's bitmap slots built from the settings, drawn as the window backgrounds,
// skinned buttons and labels, and the progress bar. It is the look the framework draws with.
#pragma once

#include <array>

#include "FrameworkLook.h"
#include "LookColours.h"
#include "Settings.h"

// A slot of the look: a bitmap of the resource module, the effect applied to it, the colour.
struct SkinSlot {
    WORD bitmapId;
    int effect;
    COLORREF colour;
};

enum SkinSlotIndex : int {
    backgroundSlot,
    pushFacesSlot,
    tabFacesSlot,
    titleBandSlot,
    checkMarksSlot,
    progressEmptySlot,
    progressFilledSlot,
    titleIconsSlot,
    tabIconsSlot,
    skinSlotCount,
};

// The slots the settings choose: skins by SkinInfo, colourised with the highlight colours.
std::array<SkinSlot, skinSlotCount> skinSlotsFor(const Settings& settings, const LookColours& colours);

class SkinLook : public FrameworkLook {
public:
    SkinLook() = default;
    ~SkinLook() override;
    SkinLook(const SkinLook&) = delete;
    SkinLook& operator=(const SkinLook&) = delete;

    // Loads and colours every slot from `module`; a bitmap that cannot be loaded leaves its slot
    // empty, and nothing is drawn for it.
    void build(HMODULE module, const Settings& settings);

    void paintBackground(HWND window, HDC dc) override;
    COLORREF controlTextColor() override { return colours.controlText; }
    COLORREF titleColor() override { return colours.titleText; }
    void drawButton(const DRAWITEMSTRUCT& item, ButtonFace face, ButtonIcon icon) override;

    // A skinned label: bold, smoothed, with a shadow one factor down and right when `shadow`
    // is not CLR_INVALID.
    void drawLabel(HDC dc, const char16_t* text, RECT area, COLORREF colour, COLORREF shadow, UINT format);
    void drawProgress(HWND window, HDC dc, RECT area, int position) override;

private:
    struct Image {
        HBITMAP bitmap = nullptr;
        HDC dc = nullptr;
        int width = 0;
        int height = 0;
    };
    std::array<Image, skinSlotCount> images {};
    LookColours colours {};

    void release();
    // Frame `frame` of a strip of `frames` three-part faces, stretched over `area`.
    void drawFace(HDC dc, const Image& image, int frames, int frame, RECT area, bool left = true, bool middle = true,
        bool right = true);
};

// Builds (or rebuilds) the program's look from the settings and makes it the framework's.
void buildLook(HMODULE resourceModule);
