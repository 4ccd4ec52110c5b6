// Errors, text conversion and the device session of cedevice commands.
#include "CommandSupport.h"

#include <filesystem>

#include "emulator/Device.h"
#include "emulator/Text.h"

namespace cedevice {

std::string systemMessage(DWORD code)
{
    WCHAR text[512] = {};
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        text, static_cast<DWORD>(std::size(text)), nullptr);
    std::u16string message(text, length);
    while (!message.empty() && (message.back() == u'\r' || message.back() == u'\n' || message.back() == u' '))
        message.pop_back();
    if (message.empty())
        return "error " + std::to_string(code);
    return emulator::toUtf8(message);
}

void failCall(std::string_view subject, DWORD code)
{
    // A message with an insert names the subject itself ("%1 is not a valid Win32 application.").
    std::string message = systemMessage(code);
    const size_t insert = message.find("%1");
    if (insert != std::string::npos)
        throw CommandError(message.replace(insert, 2, subject));
    throw CommandError(std::string(subject) + ": " + message);
}

std::u16string deviceText(const std::string& argument)
{
    std::u16string text;
    if (!emulator::fromUtf8Strict(argument, text))
        throw CommandError("\"" + emulator::toUtf8(emulator::fromUtf8(argument)) + "\": not valid UTF-8");
    return text;
}

std::u16string devicePath(const std::string& argument)
{
    std::u16string path = deviceText(argument);
    for (auto& c : path)
        if (c == u'/')
            c = u'\\';
    if (path.empty() || path.front() != u'\\')
        path.insert(path.begin(), u'\\');
    while (path.size() > 1 && path.back() == u'\\')
        path.pop_back();
    return path;
}

std::string hostText(std::u16string_view text)
{
    return emulator::toUtf8(text);
}

void checkImage(const std::string& image)
{
    std::error_code ec;
    if (!std::filesystem::exists(image, ec))
        throw CommandError(image + ": no such device image");
    if (!std::filesystem::exists(std::filesystem::path(image) / "device.ini", ec))
        throw CommandError(image + ": not a device image (no device.ini)");
}

DeviceSession::DeviceSession(const std::string& image, const emulator::BootOptions& options)
{
    checkImage(image);
    std::string error;
    if (!emulator::bootDevice(image, options, error))
        throw CommandError(image + ": " + error);
}

DeviceSession::~DeviceSession()
{
    emulator::shutdownDevice();
}

}  // namespace cedevice
