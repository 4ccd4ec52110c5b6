// The schedule's registration, waiting for the schedule's own work: nothing is registered yet.
#include "CleanSchedule.h"

void registerCleanSchedule()
{
}
