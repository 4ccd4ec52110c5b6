// The geometry of skin images: three-part faces stretched to any width, frames of strips, and
// how much of a skinned progress bar is filled.
#pragma once

// The three pieces of a face `width` wide drawn from a three-part image with caps `cap` wide:
// the left cap, the middle column stretched, the right cap (narrower faces get shorter caps).
struct ThreePart {
    int leftWidth;
    int middleWidth;
    int rightWidth;
};
ThreePart threePartPieces(int width, int cap);

// The filled length of a progress bar `width` wide with caps `cap` wide at `position` (0-100):
// at least two caps once anything is filled, and a cap short of the end until it is full.
int progressFill(int position, int width, int cap);

// The cap of a three-part image: half its width, rounded down.
constexpr int capOf(int imageWidth)
{
    return imageWidth / 2;
}
