// The clean schedule: the timed run of the launcher for the next scheduled quick clean.
#pragma once

#include "windows.h"

// Computes the next scheduled run from the settings and registers it with the notification
// service; comes with the schedule.
void registerCleanSchedule();

// The clean schedule's dialog, opened from the Tools menu; comes with the schedule.
void runScheduleDialog(HWND owner);
