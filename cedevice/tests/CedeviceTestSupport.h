// Running cedevice commands in-process against a fresh image made for each test.
#pragma once

#include <gtest/gtest.h>

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

    testing_support::TempFolder folder;
    std::string image;
};

}  // namespace cedevice_test
