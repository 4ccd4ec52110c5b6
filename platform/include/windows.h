// The device SDK's umbrella header: everything a device program includes.
#pragma once

#include "windef.h"
#include "winerror.h"
#include "winbase.h"
#include "windbase.h"
#include "winreg.h"
#include "kfuncs.h"
#include "winnls.h"
#include "wingdi.h"
#include "winuser.h"
#include "cewchar.h"
