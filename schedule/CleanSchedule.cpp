// The schedule's registration and dialog, waiting for the schedule's own work: nothing is
// registered or shown yet.
#include "CleanSchedule.h"

void registerCleanSchedule()
{
}

void runScheduleDialog(HWND)
{
}
