// CommDlgExtendedError: one value per thread, like the last error, since each thread runs its
// own modal dialogs.
#include "CommonDialogError.h"

#include "commdlg.h"

namespace {
thread_local DWORD lastCommonDialogError = 0;
}

void ce::shell::setCommonDialogError(DWORD error)
{
    lastCommonDialogError = error;
}

DWORD CommDlgExtendedError()
{
    return lastCommonDialogError;
}
