// The database volumes of the device: the profile's volume files, mounted at boot (made when
// missing) and held by the system while mounted, so that no program can delete or replace
// them. A file that is not a volume, or is damaged, stays unmounted and untouched; the boot
// goes on without it.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "Volume.h"

namespace ce {

// The mounted volumes in the profile's order.
std::vector<std::shared_ptr<Volume>> mountedVolumes();
// The mounted volume with this GUID, or null.
std::shared_ptr<Volume> findVolume(const CEGUID& guid);
// The mounted volume whose file is the device path `path` (compared as the device compares
// names), or null.
std::shared_ptr<Volume> findVolume(std::u16string_view path);

} // namespace ce
