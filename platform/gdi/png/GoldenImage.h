// Golden-image checks for drawing tests: an image compared with a reviewed reference PNG after
// decoding, pixel for pixel. A missing reference gets a candidate to review; a mismatch leaves
// the actual image beside the reference.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "ceapi.h"
#include "emulator/Screen.h"
#include "gdi/png/PngImage.h"

namespace ce::gdi {

enum class GoldenOutcome {
    Match, // same size, every pixel equal
    Missing, // no reference: the actual image was written at the reference's path
    Mismatch, // the actual image was written as NAME-ACTUAL.png beside the reference
};

struct GoldenResult {
    GoldenOutcome outcome = GoldenOutcome::Mismatch;
    std::string description; // for the test's failure message; empty on a match
    std::filesystem::path written; // the file written, empty when none was (or could be)
    std::size_t differingPixels = 0; // 0 unless the sizes agree and pixels differ
    bool matched() const { return outcome == GoldenOutcome::Match; }
};

// Where a mismatching image goes: list.png -> list-ACTUAL.png in the same folder.
CEAPI std::filesystem::path actualImagePath(const std::filesystem::path& reference);

// Compares `actual` with the PNG at `reference`. A match also removes a NAME-ACTUAL.png left by
// an earlier failing run, so only current failures leave files to look at.
CEAPI GoldenResult compareWithGolden(const std::filesystem::path& reference, const PngImage& actual);

// A captured screen as an opaque image, for comparing screenshots with their references.
CEAPI PngImage screenImageAsPng(const emulator::ScreenImage& screen);

} // namespace ce::gdi
