// Programs of the device whose code is the platform's own (the help viewer, peghelp.exe): their
// ROM file in \Windows holds placeholder bytes, and CreateProcessW runs the registered WinMain
// in a new process instead. Each registers itself from its own source file.
#pragma once

#include <string_view>

#include "windef.h"

namespace ce {

using PlatformProgramEntry = int (*)(HINSTANCE, HINSTANCE, LPWSTR, int);

struct PlatformProgram {
    const char16_t* fileName; // u"peghelp.exe"
    PlatformProgramEntry winMain;
};

struct PlatformProgramRegistration {
    explicit PlatformProgramRegistration(const PlatformProgram& program);
};

// The program whose file name is the last part of `exePath` (device case rules), or null.
const PlatformProgram* findPlatformProgram(std::u16string_view exePath);

} // namespace ce
