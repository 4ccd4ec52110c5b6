// What every cedevice command shares: its error type, the device's message texts, UTF-8
// arguments turned into device text, and a device booted for the length of one command.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "emulator/Device.h"
#include "windows.h"

namespace cedevice {

// A command failed; what() is the one-line message printed after "cedevice: ".
struct CommandError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The device's text for a system error code ("The system cannot find the file specified.").
std::string systemMessage(DWORD code);
// Throws "SUBJECT: <message of code>", or the message with SUBJECT for its %1 insert.
[[noreturn]] void failCall(std::string_view subject, DWORD code);

// A UTF-8 argument as device text; throws on invalid UTF-8.
std::u16string deviceText(const std::string& argument);
// A device path argument: "/" taken as "\", rooted at "\" when it does not start there, and
// without a trailing "\" (except "\" itself).
std::u16string devicePath(const std::string& argument);
std::string hostText(std::u16string_view text);

// Throws unless `image` is a device image folder.
void checkImage(const std::string& image);

// Boots an image (in real time unless the options say otherwise) for one command and shuts it
// down (flushing the registry) when the command ends, whether it succeeded or threw.
class DeviceSession {
public:
    explicit DeviceSession(const std::string& image, const emulator::BootOptions& options = {});
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;
};

}  // namespace cedevice
