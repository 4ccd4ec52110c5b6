// The front-end loop and the PNG snapshot front-end.
#include <string>

#include "emulator/FrontEnd.h"

#include <chrono>
#include <iostream>
#include <thread>

namespace emulator {
namespace {

class PngSnapshots : public FrontEnd {
public:
    explicit PngSnapshots(std::filesystem::path file)
        : m_file(std::move(file))
    {
    }
    void present(const ScreenImage&) override
    {
        std::string error;
        if (!saveScreenshot(m_file, error))
            std::cerr << error << '\n';
    }
    bool nextInput(FrontEndInput&) override { return false; }

private:
    std::filesystem::path m_file;
};

// Hands one input to the device; false when it asks to close.
bool deliver(const FrontEndInput& input)
{
    switch (input.kind) {
    case FrontEndInput::StylusDown:
        stylusDown(input.x, input.y);
        return true;
    case FrontEndInput::StylusMove:
        stylusMove(input.x, input.y);
        return true;
    case FrontEndInput::StylusUp:
        stylusUp(input.x, input.y);
        return true;
    case FrontEndInput::Key:
        keyPressed(input.virtualKey, input.down);
        return true;
    case FrontEndInput::Rotate:
        rotateScreen();
        return true;
    case FrontEndInput::Close:
        return false;
    }
    return true;
}

} // namespace

FrontEnd::~FrontEnd() = default;

std::unique_ptr<FrontEnd> pngSnapshots(const std::filesystem::path& file)
{
    return std::make_unique<PngSnapshots>(file);
}

bool showDevice(FrontEnd& frontEnd, const std::function<bool()>& finished)
{
    constexpr auto frame = std::chrono::milliseconds(33);
    while (!finished()) {
        const auto start = std::chrono::steady_clock::now();
        FrontEndInput input;
        while (frontEnd.nextInput(input)) {
            if (!deliver(input))
                return true;
        }
        frontEnd.present(captureScreen());
        std::this_thread::sleep_until(start + frame);
    }
    frontEnd.present(captureScreen());
    return false;
}

} // namespace emulator
