// The device's font mapping: device faces onto DejaVu files by name, weight and slant, the
// fallbacks when styled files are missing, and a clear error when the fonts are not there.
#include <gtest/gtest.h>

#include <filesystem>

#include "FontFolderOverride.h"
#include "TestDevice.h"
#include "gdi/fonts/FontFiles.h"
#include "winerror.h"

using ce::gdi::findFontFile;
using ce::gdi::FontFile;
using testing_support::TempFolder;

namespace {

namespace fs = std::filesystem;

struct MappingCase {
    std::u16string_view face;
    int weight;
    bool italic;
    std::string_view file;
    std::u16string_view deviceFace;
};

const MappingCase mappingCases[] = {
    {u"Tahoma", 400, false, "DejaVuSans.ttf", u"Tahoma"},
    {u"TAHOMA", 0, false, "DejaVuSans.ttf", u"Tahoma"},
    {u"tahoma", 599, false, "DejaVuSans.ttf", u"Tahoma"},
    {u"Tahoma", 600, false, "DejaVuSans-Bold.ttf", u"Tahoma"},
    {u"Tahoma", 700, false, "DejaVuSans-Bold.ttf", u"Tahoma"},
    {u"Tahoma", 400, true, "DejaVuSans-Oblique.ttf", u"Tahoma"},
    {u"Tahoma", 900, true, "DejaVuSans-BoldOblique.ttf", u"Tahoma"},
    {u"Courier New", 400, false, "DejaVuSansMono.ttf", u"Courier New"},
    {u"COURIER NEW", 700, false, "DejaVuSansMono-Bold.ttf", u"Courier New"},
    {u"Courier New", 400, true, "DejaVuSansMono-Oblique.ttf", u"Courier New"},
    {u"Courier New", 700, true, "DejaVuSansMono-BoldOblique.ttf", u"Courier New"},
    {u"Courier", 400, false, "DejaVuSans.ttf", u"Tahoma"},
    {u"Arial", 700, true, "DejaVuSans-BoldOblique.ttf", u"Tahoma"},
    {u"", 400, false, "DejaVuSans.ttf", u"Tahoma"},
};

TEST(FontFiles, MapsDeviceFacesOntoDejaVu)
{
    for (const MappingCase& c : mappingCases) {
        SCOPED_TRACE(std::string(c.file) + " weight " + std::to_string(c.weight) + (c.italic ? " italic" : ""));
        FontFile file;
        ASSERT_EQ(findFontFile(c.face, c.weight, c.italic, file), DWORD(ERROR_SUCCESS));
        EXPECT_EQ(fs::path(file.path).filename(), c.file);
        EXPECT_TRUE(fs::is_regular_file(file.path));
        EXPECT_EQ(file.faceName, c.deviceFace);
        EXPECT_EQ(file.bold, c.weight >= 600);
        EXPECT_EQ(file.italic, c.italic);
    }
}

TEST(FontFiles, MissingStyledFilesFallBackToThePlainOne)
{
    TempFolder folder;
    const fs::path system = ce::gdi::fontFolder();
    fs::copy_file(system / "DejaVuSans.ttf", folder.path() / "DejaVuSans.ttf");
    fs::copy_file(system / "DejaVuSans-Bold.ttf", folder.path() / "DejaVuSans-Bold.ttf");
    FontFolderOverride fonts(folder.path());

    struct Case {
        int weight;
        bool italic;
        std::string_view file;
    };
    for (const Case c : {Case{400, true, "DejaVuSans.ttf"}, Case{700, true, "DejaVuSans-Bold.ttf"}}) {
        FontFile file;
        ASSERT_EQ(findFontFile(u"Tahoma", c.weight, c.italic, file), DWORD(ERROR_SUCCESS));
        EXPECT_EQ(fs::path(file.path), folder.path() / c.file);
        EXPECT_FALSE(file.italic);
    }
    // Courier New has no file here at all.
    FontFile file;
    EXPECT_EQ(findFontFile(u"Courier New", 700, false, file), DWORD(ERROR_FILE_NOT_FOUND));
}

TEST(FontFiles, AnEmptyFolderIsAClearError)
{
    TempFolder folder;
    FontFolderOverride fonts(folder.path());
    FontFile file;
    EXPECT_EQ(findFontFile(u"Tahoma", 400, false, file), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(fs::path(file.path), folder.path() / "DejaVuSans.ttf");
}

}  // namespace
