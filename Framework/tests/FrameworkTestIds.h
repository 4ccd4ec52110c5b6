// Resource and control ids shared by the framework tests and their program module.
#pragma once

#include "windows.h"
#include "commctrl.h"

enum FrameworkTestIds : WORD {
    testListDialogId = 300,
    testListId = 301,
    testButtonId = 302,
};
