// The calling thread's common dialog error, as CommDlgExtendedError reports it.
#pragma once

#include "windef.h"

namespace ce::shell {

// Records the outcome of a common dialog call (0 for a success or a cancel).
void setCommonDialogError(DWORD error);

} // namespace ce::shell
