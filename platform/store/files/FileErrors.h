// Error codes of the file calls: host errno values in device terms, and the one-line way a
// call fails.
#pragma once

#include "winbase.h"

namespace ce {

DWORD errorFromErrno(int error);

// Sets the last error and gives the call's failure value.
template <typename Result>
Result failWith(DWORD error, Result result)
{
    SetLastError(error);
    return result;
}

}  // namespace ce
