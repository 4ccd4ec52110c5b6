// The program's menus, built from one set of labels: the program builds them with the English
// labels, each language pack with its own, so a pack's copies always have the program's shape and
// command ids.
#pragma once

#include <algorithm>
#include <array>

#include "ceresource.h"

// Menu resource ids.
enum MenuResourceId : WORD {
    mainMenuId = 233,   // "Jump To" and "Tools"
    doneMenuId = 273,   // "Done"
    okCancelMenuId = 1379,
    doneCancelMenuId = 1380,
    stopMenuId = 1381,
    closeMenuId = 1382,
    saveCancelMenuId = 1383,
    closeHelpMenuId = 1384,
    yesNoMenuId = 1385,
    selectCancelMenuId = 1386,
    nextCancelMenuId = 1387,
    doneHelpMenuId = 1389,
};

// Command ids of the menus.
enum MenuCommand : UINT {
    doneCommand = 1284,
    cancelCommand = 1035,
    quickCleanerCommand = 40045,
    advancedCleanerCommand = 40070,
    reclaimRamCommand = 40085,
    notificationQueueCommand = 40046,
    registryCommand = 40072,
    databaseUsageCommand = 40054,
    extensionsCommand = 40080,
    startupItemsCommand = 40047,
    startupServicesCommand = 40048,
    todayPluginsCommand = 40049,
    systemTweaksCommand = 40086,
    applicationsCacheCommand = 40050,
    informationCommand = 40074,
    dllOptimizerCommand = 40051,
    storageUsageCommand = 40052,
    fileFinderCommand = 40053,
    cabInstallerCommand = 40075,
    installedAppsCommand = 40076,
    cardToolsCommand = 40077,
    runningProgramsCommand = 40084,
    cpuUsageCommand = 40083,
    runningProcessesCommand = 40055,
    powerOffCommand = 40058,
    softResetCommand = 40059,
    settingsCommand = 40061,
    cleanScheduleCommand = 40087,
    lookAndFeelCommand = 40064,
    aboutCommand = 40062,
    helpCommand = 40094,
    exitCommand = 40063,
};

// Every text the menus show, in one language.
struct MenuLabels {
    const char16_t* jumpTo;
    const char16_t* cleaner;
    const char16_t* databases;
    const char16_t* tweaks;
    const char16_t* startups;
    const char16_t* storage;
    const char16_t* process;
    const char16_t* quickCleaner;
    const char16_t* advancedCleaner;
    const char16_t* reclaimRam;
    const char16_t* notificationQueue;
    const char16_t* registry;
    const char16_t* databaseUsage;
    const char16_t* extensions;
    const char16_t* startupItems;
    const char16_t* startupServices;
    const char16_t* todayPlugins;
    const char16_t* systemTweaks;
    const char16_t* applicationsCache;
    const char16_t* information;
    const char16_t* dllOptimizer;
    const char16_t* storageUsage;
    const char16_t* fileFinder;
    const char16_t* cabInstaller;
    const char16_t* installedApps;
    const char16_t* cardTools;
    const char16_t* runningPrograms;
    const char16_t* cpuUsage;
    const char16_t* runningProcesses;
    const char16_t* tools;
    const char16_t* powerOff;
    const char16_t* softReset;
    const char16_t* settings;
    const char16_t* cleanSchedule;
    const char16_t* lookAndFeel;
    const char16_t* about;
    const char16_t* help;
    const char16_t* exit;
    const char16_t* done;
    const char16_t* cancel;
    const char16_t* close;
    const char16_t* yes;
    const char16_t* no;
    const char16_t* ok;
    const char16_t* stop;
    const char16_t* save;
    const char16_t* select;
    const char16_t* next;
};

template <const MenuLabels& labels> struct ProductMenus {
    static constexpr CeMenuItem cleanerPages[] = {
        {labels.quickCleaner, quickCleanerCommand},
        {labels.advancedCleaner, advancedCleanerCommand},
        {labels.reclaimRam, reclaimRamCommand},
    };
    static constexpr CeMenuItem databasePages[] = {
        {labels.notificationQueue, notificationQueueCommand},
        {labels.registry, registryCommand},
        {labels.databaseUsage, databaseUsageCommand},
        {labels.extensions, extensionsCommand},
    };
    static constexpr CeMenuItem tweakPages[] = {
        {labels.systemTweaks, systemTweaksCommand},
        {labels.applicationsCache, applicationsCacheCommand},
        {labels.information, informationCommand},
        {labels.dllOptimizer, dllOptimizerCommand},
    };
    static constexpr CeMenuItem startupPages[] = {
        {labels.startupItems, startupItemsCommand},
        {labels.startupServices, startupServicesCommand},
        {labels.todayPlugins, todayPluginsCommand},
    };
    static constexpr CeMenuItem storagePages[] = {
        {labels.storageUsage, storageUsageCommand},   {labels.fileFinder, fileFinderCommand},
        {labels.cabInstaller, cabInstallerCommand},   {labels.installedApps, installedAppsCommand},
        {labels.cardTools, cardToolsCommand},
    };
    static constexpr CeMenuItem processPages[] = {
        {labels.runningPrograms, runningProgramsCommand},
        {labels.cpuUsage, cpuUsageCommand},
        {labels.runningProcesses, runningProcessesCommand},
    };
    static constexpr CeMenuItem jumpTo[] = {
        {labels.cleaner, 0, 0, cleanerPages},   {labels.databases, 0, 0, databasePages},
        {labels.tweaks, 0, 0, tweakPages},      {labels.startups, 0, 0, startupPages},
        {labels.storage, 0, 0, storagePages},   {labels.process, 0, 0, processPages},
    };
    static constexpr CeMenuItem tools[] = {
        {labels.powerOff, powerOffCommand},
        {labels.softReset, softResetCommand},
        {labels.settings, settingsCommand},
        {labels.cleanSchedule, cleanScheduleCommand},
        {},
        {labels.lookAndFeel, lookAndFeelCommand},
        {},
        {labels.about, aboutCommand},
        {labels.help, helpCommand},
        {labels.exit, exitCommand},
    };
    static constexpr CeMenuItem mainMenu[] = {{labels.jumpTo, 0, 0, jumpTo}, {labels.tools, 0, 0, tools}};

    // The soft-key menus of dialogs: one or two buttons.
    static constexpr CeMenuItem done[] = {{labels.done, doneCommand}};
    static constexpr CeMenuItem okCancel[] = {{labels.ok, doneCommand}, {labels.cancel, cancelCommand}};
    static constexpr CeMenuItem doneCancel[] = {{labels.done, doneCommand}, {labels.cancel, cancelCommand}};
    static constexpr CeMenuItem stop[] = {{labels.stop, cancelCommand}};
    static constexpr CeMenuItem close[] = {{labels.close, cancelCommand}};
    static constexpr CeMenuItem saveCancel[] = {{labels.save, doneCommand}, {labels.cancel, cancelCommand}};
    static constexpr CeMenuItem closeHelp[] = {{labels.close, cancelCommand}, {labels.help, helpCommand}};
    static constexpr CeMenuItem yesNo[] = {{labels.yes, doneCommand}, {labels.no, cancelCommand}};
    static constexpr CeMenuItem selectCancel[] = {{labels.select, doneCommand}, {labels.cancel, cancelCommand}};
    static constexpr CeMenuItem nextCancel[] = {{labels.next, doneCommand}, {labels.cancel, cancelCommand}};
    static constexpr CeMenuItem doneHelp[] = {{labels.done, doneCommand}, {labels.help, helpCommand}};

    // The menus as resource entries, for a module's resource table.
    static constexpr std::array<CeResource, 12> resources = {
        ceResourceOf(CeResourceType::Menu, mainMenuId, mainMenu),
        ceResourceOf(CeResourceType::Menu, doneMenuId, done),
        ceResourceOf(CeResourceType::Menu, okCancelMenuId, okCancel),
        ceResourceOf(CeResourceType::Menu, doneCancelMenuId, doneCancel),
        ceResourceOf(CeResourceType::Menu, stopMenuId, stop),
        ceResourceOf(CeResourceType::Menu, closeMenuId, close),
        ceResourceOf(CeResourceType::Menu, saveCancelMenuId, saveCancel),
        ceResourceOf(CeResourceType::Menu, closeHelpMenuId, closeHelp),
        ceResourceOf(CeResourceType::Menu, yesNoMenuId, yesNo),
        ceResourceOf(CeResourceType::Menu, selectCancelMenuId, selectCancel),
        ceResourceOf(CeResourceType::Menu, nextCancelMenuId, nextCancel),
        ceResourceOf(CeResourceType::Menu, doneHelpMenuId, doneHelp),
    };
};

// A module's resource table: the given groups of entries one after another, then the end entry.
template <std::size_t... Sizes> constexpr auto joinResources(const std::array<CeResource, Sizes>&... groups)
{
    std::array<CeResource, (Sizes + ... + 0) + 1> table{};
    std::size_t next = 0;
    ((std::copy(groups.begin(), groups.end(), table.begin() + next), next += Sizes), ...);
    return table;
}
