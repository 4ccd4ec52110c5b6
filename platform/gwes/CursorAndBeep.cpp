// The device's cursor (only the wait cursor is ever shown on a Pocket PC) and MessageBeep,
// which records the sound asked for (emulator/UserInterface.h).
#include <mutex>
#include <utility>
#include <vector>

#include "GwesState.h"
#include "emulator/UserInterface.h"

using namespace ce::gwes;

namespace {

// The system cursors' handles are their resource numbers.
HCURSOR systemCursor(LPCWSTR name)
{
    return reinterpret_cast<HCURSOR>(const_cast<LPWSTR>(name));
}

struct CursorAndSounds {
    HCURSOR cursor = nullptr;
    std::vector<UINT> beeps;
};

// Guarded by gwesLock().
CursorAndSounds& cursorAndSounds()
{
    static CursorAndSounds state;
    return state;
}

} // namespace

HCURSOR LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName)
{
    if (!hInstance && (lpCursorName == IDC_WAIT || lpCursorName == IDC_ARROW))
        return systemCursor(lpCursorName);
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

HCURSOR SetCursor(HCURSOR hCursor)
{
    std::lock_guard guard(gwesLock());
    HCURSOR previous = cursorAndSounds().cursor;
    cursorAndSounds().cursor = hCursor;
    return previous;
}

HCURSOR GetCursor()
{
    std::lock_guard guard(gwesLock());
    return cursorAndSounds().cursor;
}

BOOL MessageBeep(UINT uType)
{
    std::lock_guard guard(gwesLock());
    cursorAndSounds().beeps.push_back(uType);
    return TRUE;
}

std::vector<UINT> emulator::takeMessageBeeps()
{
    std::lock_guard guard(gwesLock());
    return std::exchange(cursorAndSounds().beeps, {});
}
