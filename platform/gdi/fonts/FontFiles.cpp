// The device's font mapping onto the DejaVu files.
#include "gdi/fonts/FontFiles.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "text/CaseTable.h"
#include "winerror.h"

namespace ce::gdi {

namespace {

struct DeviceFace {
    std::u16string_view name;
    std::string_view fileStem;
};

// The first entry is the system font, which takes every name not listed.
constexpr DeviceFace deviceFaces[] = {
    {u"Tahoma", "DejaVuSans"},
    {u"Courier New", "DejaVuSansMono"},
};

constexpr int boldWeight = 600;

const DeviceFace& deviceFace(std::u16string_view name)
{
    for (const DeviceFace& face : deviceFaces) {
        if (sameNameDevice(face.name, name))
            return face;
    }
    return deviceFaces[0];
}

std::string fileName(std::string_view stem, bool bold, bool italic)
{
    std::string name(stem);
    if (bold || italic)
        name += '-';
    if (bold)
        name += "Bold";
    if (italic)
        name += "Oblique";
    return name + ".ttf";
}

bool isFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string fontFolder()
{
    const char* folder = std::getenv("KELVARA_FONT_DIR");
    return folder && *folder ? folder : "/usr/share/fonts/truetype/dejavu";
}

DWORD findFontFile(std::u16string_view face, int weight, bool italic, FontFile& file)
{
    const DeviceFace& device = deviceFace(face);
    const std::string folder = fontFolder() + '/';
    const bool bold = weight >= boldWeight;
    // The requested style first, then without the slant, then without the weight.
    const bool styles[][2] = {{bold, italic}, {bold, false}, {false, italic}, {false, false}};
    for (const auto& style : styles) {
        std::string path = folder + fileName(device.fileStem, style[0], style[1]);
        if (isFile(path)) {
            file = {std::u16string(device.name), path, style[0], style[1]};
            return ERROR_SUCCESS;
        }
    }
    file = {std::u16string(device.name), folder + fileName(device.fileStem, false, false), false, false};
    return ERROR_FILE_NOT_FOUND;
}

}  // namespace ce::gdi
