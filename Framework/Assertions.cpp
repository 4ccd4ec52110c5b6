// Pointer checks: a null pointer, or one that cannot be a device object's address (in the
// first 64 KB, which is never mapped, or not aligned for its type), fails.
#include "Assertions.h"

#include <cstdint>
#include <string>

namespace {

constexpr uintptr_t unmappedBelow = 0x10000;

void reportFailure(const char16_t* reason, const std::source_location& where)
{
    OutputDebugStringW(reason);
    WCHAR text[300];
    wsprintfW(text, u"File %hs, Line %d", where.file_name(), static_cast<int>(where.line()));
    // The box must show even when the program is on its way out; the quit comes again after it.
    MSG quit {};
    const bool quitting = PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    const int answer = MessageBoxW(nullptr, text, u"Assertion Failed!", MB_ABORTRETRYIGNORE | MB_ICONHAND);
    if (quitting)
        PostQuitMessage(static_cast<int>(quit.wParam));
    if (answer == IDABORT)
        ExitProcess(3);
    if (answer == IDRETRY)
        DebugBreak();
}

} // namespace

bool assertValidPointer(const void* pointer, const std::source_location& where)
{
    const auto address = reinterpret_cast<uintptr_t>(pointer);
    if (!pointer)
        reportFailure(u"ASSERT_VALID fails with NULL pointer.\n", where);
    else if (address < unmappedBelow || address % alignof(LONG) != 0)
        reportFailure(u"ASSERT_VALID fails with illegal pointer.\n", where);
    else
        return true;
    return false;
}

BOOL clientRect(HWND window, RECT* rect, const std::source_location& where)
{
    return assertValidPointer(rect, where) && GetClientRect(window, rect);
}

BOOL windowRect(HWND window, RECT* rect, const std::source_location& where)
{
    return assertValidPointer(rect, where) && GetWindowRect(window, rect);
}

BOOL screenToClient(HWND window, POINT* point, const std::source_location& where)
{
    return assertValidPointer(point, where) && ScreenToClient(window, point);
}
