// Databases a simulated program holds open (its profile's OpenDatabase keys).
#pragma once

#include <string_view>

namespace ce {

// Opens database `name` of the volume whose file is `volumePath` as a handle of the calling
// thread's current process, which keeps it until the process ends. Nothing happens when the
// volume or the database does not exist.
void holdDatabaseOpen(std::u16string_view volumePath, std::u16string_view name);

} // namespace ce
