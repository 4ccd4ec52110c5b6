// CoInitializeEx and CoUninitialize: a count per thread of how often COM was started on it.
#include "objbase.h"

namespace {

thread_local int comStarts = 0;

} // namespace

HRESULT CoInitializeEx(LPVOID pvReserved, DWORD dwCoInit)
{
    if (pvReserved || dwCoInit != COINIT_MULTITHREADED)
        return E_INVALIDARG; // the device's COM is free-threaded only and takes no reserved pointer
    return comStarts++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize()
{
    if (comStarts > 0)
        --comStarts;
}
