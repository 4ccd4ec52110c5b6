// What the device's built-in modules (coredll.dll, commctrl.dll, ...) export: the platform's
// own calls, less the kernel calls the profile leaves out.
#pragma once

#include <string>

namespace ce {

// The platform call `name`, or null when the platform has none or the profile's [kernel]
// section lists it under Missing=.
void* builtinExport(const std::string& name);

} // namespace ce
