// Golden-image comparison: decode the reference, compare sizes, then every pixel.
#include "gdi/png/GoldenImage.h"

#include <cstdio>

#include "gdi/png/PngDecode.h"
#include "gdi/png/PngEncode.h"

namespace ce::gdi {

namespace {

std::string sizeText(int width, int height)
{
    return std::to_string(width) + "x" + std::to_string(height);
}

std::string pixelText(uint32_t pixel)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(pixel));
    return text;
}

// Why two images of the same size differ, with the count in `differing`; empty when they do not.
std::string pixelDifference(const PngImage& reference, const PngImage& actual, std::size_t& differing)
{
    std::size_t first = 0;
    differing = 0;
    for (std::size_t i = 0; i < actual.pixels.size(); ++i) {
        if (actual.pixels[i] != reference.pixels[i] && differing++ == 0)
            first = i;
    }
    if (differing == 0)
        return {};
    const std::size_t width = static_cast<std::size_t>(actual.width);
    return std::to_string(differing) + " of " + std::to_string(actual.pixels.size()) + " pixels differ, the first at ("
        + std::to_string(first % width) + ", " + std::to_string(first / width) + "): " + pixelText(actual.pixels[first])
        + ", reference " + pixelText(reference.pixels[first]);
}

// Writes `actual` to `file` and finishes the result's description accordingly.
void writeActual(const std::filesystem::path& file, const PngImage& actual, GoldenResult& result)
{
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    std::string error;
    if (writePngFile(file, actual, error)) {
        result.written = file;
        result.description += "; actual image written to " + file.string();
    } else {
        result.description += "; the actual image could not be written: " + error;
    }
}

} // namespace

std::filesystem::path actualImagePath(const std::filesystem::path& reference)
{
    return reference.parent_path() / (reference.stem().string() + "-ACTUAL.png");
}

GoldenResult compareWithGolden(const std::filesystem::path& reference, const PngImage& actual)
{
    GoldenResult result;
    if (actual.width < 0 || actual.height < 0
        || actual.pixels.size() != static_cast<std::size_t>(actual.width) * static_cast<std::size_t>(actual.height)) {
        result.description = "the actual image holds " + std::to_string(actual.pixels.size()) + " pixels for its size "
            + sizeText(actual.width, actual.height);
        return result;
    }
    std::error_code existsError;
    if (!std::filesystem::exists(reference, existsError) && !existsError) {
        result.outcome = GoldenOutcome::Missing;
        result.description = "no reference image " + reference.string();
        writeActual(reference, actual, result);
        if (!result.written.empty())
            result.description += " as a candidate to review";
        return result;
    }

    PngImage expected;
    std::string error;
    if (!readPngFile(reference, expected, error)) {
        result.description = "unreadable reference image: " + error;
    } else if (expected.width != actual.width || expected.height != actual.height) {
        result.description = "size " + sizeText(actual.width, actual.height) + " differs from the reference's "
            + sizeText(expected.width, expected.height) + " (" + reference.string() + ")";
    } else {
        result.description = pixelDifference(expected, actual, result.differingPixels);
        if (result.description.empty()) {
            std::error_code ignored;
            std::filesystem::remove(actualImagePath(reference), ignored);
            result.outcome = GoldenOutcome::Match;
            return result;
        }
        result.description += " (" + reference.string() + ")";
    }
    writeActual(actualImagePath(reference), actual, result);
    return result;
}

PngImage screenImageAsPng(const emulator::ScreenImage& screen)
{
    PngImage image;
    image.width = screen.width;
    image.height = screen.height;
    image.pixels.reserve(screen.pixels.size());
    for (std::uint32_t pixel : screen.pixels)
        image.pixels.push_back(0xFF000000u | pixel);
    return image;
}

} // namespace ce::gdi
