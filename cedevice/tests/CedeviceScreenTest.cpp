// The screen from the device tool: `cedevice rotate` turns an image's screen for good,
// `cedevice screenshot` and a script's `screenshot` line write PNG files of the screen's size.
#include <fstream>

#include "CedeviceTestSupport.h"

using namespace cedevice_test;

namespace {

// Width and height from a PNG file's header (IHDR right after the signature), 0x0 when the file
// is no PNG.
std::pair<int, int> pngSize(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    unsigned char head[24] {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!in || !std::equal(std::begin(signature), std::end(signature), head))
        return {0, 0};
    const auto word = [&](int at) { return (head[at] << 24) | (head[at + 1] << 16) | (head[at + 2] << 8) | head[at + 3]; };
    return {word(16), word(20)};
}

TEST_F(ImageTest, ScreenshotsFollowTheScreensOrientation)
{
    const auto shot = folder.path() / "shot.png";
    EXPECT_NE(succeeds({"screenshot", image, shot.string()}).find("240x320"), std::string::npos);
    EXPECT_EQ(pngSize(shot), (std::pair {240, 320}));

    EXPECT_NE(succeeds({"rotate", image}).find("320x240 (landscape)"), std::string::npos);
    EXPECT_NE(succeeds({"info", image}).find("320 x 240"), std::string::npos);
    succeeds({"screenshot", image, shot.string()});
    EXPECT_EQ(pngSize(shot), (std::pair {320, 240}));

    EXPECT_NE(succeeds({"rotate", image}).find("240x320 (portrait)"), std::string::npos);
}

TEST_F(ImageTest, ScreenshotErrorsAreReported)
{
    const Result missing = cedevice({"screenshot", (folder.path() / "nothing").string(), "x.png"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("no such device image"), std::string::npos) << missing.err;
    const Result unwritable = cedevice({"screenshot", image, (folder.path() / "no" / "such" / "dir.png").string()});
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_NE(unwritable.err.find("dir.png"), std::string::npos) << unwritable.err;
}

TEST_F(ImageTest, AScriptSavesTheScreenWhileTheProgramRuns)
{
    succeeds({"put", image, SCRIPTED_PROGRAM_IMAGE, "\\scripted.exe"});
    const auto shot = folder.path() / "script shot.png";
    const auto script = folder.path() / "script.txt";
    std::ofstream(script) << "wait \"Ready\"\nscreenshot \"" << shot.string() << "\"\nok\n";
    const Result result = cedevice({"run", image, "--virtual-time", "--script", script.string(), "\\scripted.exe"});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(pngSize(shot), (std::pair {240, 320}));
}

} // namespace
