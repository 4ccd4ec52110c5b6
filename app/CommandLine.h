// What the program's command line asks for. Each switch is found as a case-sensitive substring
// anywhere in the text, in a fixed order, a later run mode overriding an earlier one.
#pragma once

#include <string_view>

struct StartRequest {
    bool install = false;    // "/INSTALL"
    int runMode = 0;         // "-Q": 1, then "-Free": 2, then "-reset": 1
    bool resetStart = false; // "-reset"
    bool timeChange = false; // "AppRunAfterTimeChange"
    bool operator==(const StartRequest&) const = default;
};

StartRequest readCommandLine(std::u16string_view text);
