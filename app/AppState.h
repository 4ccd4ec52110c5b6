// The process-wide state of the program: how it was started, its modules, its main window, the
// help it opens and what it knows of the screen.
#pragma once

#include <optional>
#include <string>

#include "windows.h"

enum RunMode : int {
    interactiveRun = 0,
    quickCleanRun = 1,
    reclaimRun = 2,
};

// The cleaning worker's handles: jobs arrive by the event, the thread reports that it runs by the
// semaphore, and the mutex guards workerBusy and cancelRequested.
struct CleaningWorker {
    HANDLE jobEvent = nullptr;
    HANDLE started = nullptr;
    HANDLE lock = nullptr;
    HANDLE thread = nullptr;
    int job = 0;
};

struct AppState {
    int runMode = interactiveRun;
    bool resetStart = false; // started with "-reset": reset-time rules apply
    bool cancelRequested = false; // guarded by the cleaning worker's mutex
    bool workerBusy = false;      // guarded by the cleaning worker's mutex
    HMODULE instance = nullptr;
    HMODULE resourceModule = nullptr; // bitmaps and image lists: the program or the VGA resources
    HMODULE uiResourceModule = nullptr; // menus: the active language pack, else the program
    HWND mainWindow = nullptr;
    HWND markerWindow = nullptr; // the instance marker of this run mode, once made
    std::u16string helpFile;
    const char16_t* const* helpTopics = nullptr; // ends with an empty entry
    int helpTopicCount = 0;
    std::optional<bool> highResolution; // asked once, then kept
    CleaningWorker worker;
};

AppState& appState();

// Makes the language pack `fileName` active (English when empty or unusable) and takes menus
// from it: uiResourceModule becomes the pack, else the program.
void activateUserLanguage(const std::u16string& fileName);

// The help anchors in the order help topics are numbered, ended by an empty entry.
extern const char16_t* const kelvaraHelpTopics[];

// Sets helpFile and helpTopics, counting the topics up to the empty entry.
void setHelp(AppState& state);

// Whether the screen is high resolution: any size but 240 or 320 pixels on a side (asked once).
bool isHighResolution();
// 2 on high-resolution screens, else 1: what pixel measures are multiplied by.
int resolutionFactor();
