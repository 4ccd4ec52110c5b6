// The clean schedule: the timed run of the launcher for the next scheduled quick clean.
#pragma once

// Computes the next scheduled run from the settings and registers it with the notification
// service; comes with the schedule.
void registerCleanSchedule();
