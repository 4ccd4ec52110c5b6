// Where the device keeps its special folders, by CSIDL.
#pragma once

#include <string_view>

namespace ce {

// The device path of folder `csidl`; empty for a CSIDL the device has no file-system folder for.
std::u16string_view specialFolderPath(int csidl);

}  // namespace ce
