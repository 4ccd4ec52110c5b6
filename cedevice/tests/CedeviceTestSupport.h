// Running cedevice commands in-process against a fresh image made for each test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "Cedevice.h"
#include "TestDevice.h"

namespace cedevice_test {

struct Result {
    int code;
    std::string out;
    std::string err;
};

inline Result cedevice(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int code = runCedevice(args, out, err);
    return {code, out.str(), err.str()};
}

// Expects the command to succeed and returns what it printed.
inline std::string succeeds(const std::vector<std::string>& args)
{
    const Result result = cedevice(args);
    EXPECT_EQ(0, result.code) << ::testing::PrintToString(args) << "\n" << result.err;
    EXPECT_EQ("", result.err);
    return result.out;
}

// Expects the command to fail and returns its one-line error.
inline std::string fails(const std::vector<std::string>& args)
{
    const Result result = cedevice(args);
    EXPECT_EQ(1, result.code) << ::testing::PrintToString(args) << "\n" << result.out;
    EXPECT_EQ("", result.out);
    EXPECT_EQ(1, std::count(result.err.begin(), result.err.end(), '\n')) << result.err;
    return result.err;
}

// A fresh image of the small test profile; no device stays booted between commands.
class ImageTest : public ::testing::Test {
protected:
    ImageTest()
        : image((folder.path() / "image").string())
    {
        std::string error;
        if (!emulator::createDeviceImage(image, testing_support::smallProfile(), error))
            throw std::runtime_error(error);
    }

    // The command line the echo test program last wrote to \cmdline.txt (UTF-16 on the device),
    // as plain text; "" when it never ran.
    std::string echoedCommandLine()
    {
        const std::string copy = (folder.path() / "cmdline.txt").string();
        std::filesystem::remove(copy);
        if (cedevice({"get", image, "\\cmdline.txt", copy}).code != 0)
            return "";
        std::ifstream file(copy, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        std::string text;
        for (size_t i = 0; i + 1 < bytes.size(); i += 2)
            text += bytes[i + 1] ? '?' : bytes[i];
        return text;
    }

    testing_support::TempFolder folder;
    std::string image;
};

}  // namespace cedevice_test
