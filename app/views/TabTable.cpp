// The tab table: which view each tab holds and the pages of each view.
#include "TabTable.h"

#include "ProductMenus.h"

namespace {

constexpr TabPage cleanerPages[] = {{675, quickCleanerCommand, 2}, {676, advancedCleanerCommand, 3},
    {677, reclaimRamCommand, 4}};
constexpr TabPage databasePages[] = {{246, notificationQueueCommand, 9}, {159, registryCommand, 10},
    {678, databaseUsageCommand, 8}, {679, extensionsCommand, 11}};
// The fourth page of the startups has a command of its own but no "Jump To" entry.
constexpr TabPage startupPages[] = {{685, startupItemsCommand, 12}, {686, startupServicesCommand, 13},
    {687, todayPluginsCommand, 14}, {686, 40056, 13}};
constexpr TabPage tweakPages[] = {{680, systemTweaksCommand, 16}, {681, applicationsCacheCommand, 15},
    {682, informationCommand, 17}, {683, dllOptimizerCommand, 18}};
constexpr TabPage storagePages[] = {{688, storageUsageCommand, 19}, {689, fileFinderCommand, 20},
    {690, cabInstallerCommand, 21}, {504, installedAppsCommand, 22}, {691, cardToolsCommand, 23}};
constexpr TabPage processPages[] = {{271, runningProgramsCommand, 26}, {692, cpuUsageCommand, 27},
    {693, runningProcessesCommand, 25}};

} // namespace

const TabInfo tabTable[tabCount] = {
    {1102, 418, 502, cleanerPages},
    {1092, 158, 507, databasePages},
    {1093, 684, 508, startupPages},
    {1095, 420, 509, tweakPages},
    {1105, 421, 510, storagePages},
    {1104, 360, 503, processPages},
};

int tabOfButton(UINT buttonId)
{
    for (int tab = 0; tab < tabCount; ++tab) {
        if (tabTable[tab].buttonId == buttonId)
            return tab;
    }
    return -1;
}

bool pageOfCommand(UINT command, int& tab, int& page)
{
    for (tab = 0; tab < tabCount; ++tab) {
        const auto& pages = tabTable[tab].pages;
        for (page = 0; page < static_cast<int>(pages.size()); ++page) {
            if (pages[page].command == command)
                return true;
        }
    }
    return false;
}
