// The window classes the system provides (controls, the menu bar, dialogs): each registers
// itself from its own source file with a static SystemClassRegistration. They are found by
// name like registered classes, and a program cannot register a class of the same name.
#pragma once

#include "windows.h"

namespace ce::gwes {

struct SystemClass {
    const char16_t* name;
    WNDPROC proc;
    UINT style = 0;
    int extraBytes = 0; // cbWndExtra
};

struct SystemClassRegistration {
    explicit SystemClassRegistration(const SystemClass& systemClass);
};

// The system class of a name (any case), or null.
const SystemClass* findSystemClass(const char16_t* name);

} // namespace ce::gwes
