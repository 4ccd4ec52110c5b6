// The size limits shared by the PNG decoder and encoder.
#include "gdi/png/PngImage.h"

namespace ce::gdi {

bool checkPngSize(long long width, long long height, std::string& error)
{
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    if (width <= 0 || height <= 0) {
        error = "image size " + size + " is empty";
        return false;
    }
    if (width > maxPngSide || height > maxPngSide) {
        error = "image size " + size + " exceeds the limit of " + std::to_string(maxPngSide) + " per side";
        return false;
    }
    if (static_cast<unsigned long long>(width) * static_cast<unsigned long long>(height) > maxPngPixels) {
        error = "image size " + size + " exceeds the limit of " + std::to_string(maxPngPixels) + " pixels";
        return false;
    }
    return true;
}

} // namespace ce::gdi
