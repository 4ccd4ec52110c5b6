// The services a fresh device has, from the profile's [service.NAME] sections:
//
//   [service.HTTPD]
//   Dll=httpd.dll        the service DLL (a name alone is a file in \Windows); required
//   Prefix=HTP           the instance name's prefix; optional
//   Index=0              the instance index, 0 to 9; default 0
//   Flags=0              4 (DEVFLAGS_NOLOAD): the device does not start it by itself; default 0
//   Display=Web Server   the description shown to the user; optional
//   Order=8              start order at boot, lowest first; default 0
//
// A fresh image writes each section as the key HKEY_LOCAL_MACHINE\Services\NAME (with Keep=1);
// from then on the registry describes the services.
#pragma once

#include <string>
#include <vector>

#include "emulator/Profile.h"

namespace ce {

struct ServiceDescription {
    std::u16string name;
    std::u16string dll;
    std::u16string prefix;
    std::u16string display;
    DWORD index = 0;
    DWORD flags = 0;
    DWORD order = 0;
};

// The profile's service sections in file order; false with `error` naming the section and key
// of a bad one.
bool readServiceSections(const emulator::Profile& profile, std::vector<ServiceDescription>& services,
                         std::string& error);

}  // namespace ce
