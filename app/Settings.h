// The program's settings: one record with built-in defaults, loaded once from the registry at
// start-up and saved whole whenever a dialog commits a change and when the program ends.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "windows.h"

// The key under HKEY_LOCAL_MACHINE that holds the settings (and values other parts own).
inline constexpr const char16_t* settingsKey = u"Software\\Quorvanta\\Kelvara";

struct Settings {
    DWORD showProgress = 1;
    DWORD showReport = 1;
    DWORD secureDelete = 0;
    DWORD deadLinks = 0;
    DWORD tmpFiles = 0;
    DWORD logFiles = 0;
    DWORD bakFiles = 0;
    DWORD customExt = 0;
    DWORD softresetConfirm = 1;
    DWORD advancedMode = 0;
    DWORD closeIE = 1;
    DWORD enableLogging = 0;
    DWORD logHistory = 0;
    DWORD warnDeleteDeny = 0;
    DWORD powerOff = 0;
    DWORD rememberView = 0;
    DWORD rememberTab = 1;
    DWORD useCustomExplorer = 0;
    DWORD showFilesIn = 0x1F;
    DWORD pie3D = 1;
    DWORD lastTab = 0;
    DWORD enabledItems = 0x1020080A;
    DWORD closeAppsOnReclaim = 0;
    DWORD includeProfileThread = 0;
    DWORD rrHibernate = 1;
    DWORD rrCloseAll = 0;
    DWORD rrCompact = 1;
    DWORD enableAdvanced = 0;
    DWORD showAdvModeSel = 1;
    DWORD skinInfo = 0;
    // Colours: bits 0-23 red, green, blue (red lowest); bits 24-31 non-zero = the custom colour is on.
    DWORD skinColor = 0;
    DWORD buttonColor = 0;
    DWORD ctrlTextClr = 0;
    DWORD titleColor = 0;
    DWORD scheduleFreq = 1; // 0 once, 1 daily, 2 weekly
    DWORD enableSchedule = 0;
    DWORD scheduleCleanItems = 0x1020080A;
    DWORD silentReclaim = 0;
    DWORD excludeCookies = 0;
    DWORD installedAppsSorting = 1;
    std::u16string customExtension = u"*.";
    std::u16string customFolder1 = u"\\My Documents\\Temp";
    std::u16string customFolder2;
    std::u16string customExplorer;
    std::u16string language; // the language pack's file name; empty: English
    std::array<DWORD, 6> views {}; // the page last shown in each tab, in tab order
    SYSTEMTIME scheduleTime {};
    std::vector<std::u16string> cookiesList;
};

// The one record of the process.
Settings& settings();

// Reads the registry into the settings (a missing key or value keeps what is there), activates
// the chosen language pack, and sets the cleaning selection: EnabledItems for an interactive
// start, ScheduleCleanItems otherwise.
void loadSettings(bool interactive);
// Writes the settings to the registry; a key that cannot be made loses this save.
void saveSettings();

// The categories the next cleaning run works on, as loadSettings chose them.
DWORD cleaningSelection();
