// What the device's built-in modules (coredll.dll, commctrl.dll, ...) export: the platform's
// own calls, less the kernel calls the profile leaves out.
#pragma once

#include <string>
#include <string_view>

#include "windef.h"

namespace ce {

// The platform call `name`, or null when the platform has none or the profile's [kernel]
// section lists it under Missing=.
void* builtinExport(const std::string& name);
// The call a built-in module exports under `ordinal` (note_prj.dll 7: FindFirstFlashCard), or
// null. `module` is the module's file name.
void* builtinOrdinalExport(std::u16string_view module, WORD ordinal);

} // namespace ce
