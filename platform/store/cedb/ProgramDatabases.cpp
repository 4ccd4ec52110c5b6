// Opening the databases simulated programs hold.
#include "ProgramDatabases.h"

#include "DatabaseHandles.h"
#include "MountedVolumes.h"

namespace ce {

void holdDatabaseOpen(std::u16string_view volumePath, std::u16string_view name)
{
    auto volume = findVolume(volumePath);
    if (!volume)
        return;
    std::lock_guard guard(volume->lock());
    if (DatabaseEntry* database = volume->findDatabase(name))
        openDatabaseHandle(volume, *database, false);
}

} // namespace ce
