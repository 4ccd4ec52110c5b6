// The skinned progress bar: the look draws it whole at each paint, background included, so its
// own erase does nothing.
#include "SkinnedProgress.h"

#include <algorithm>

#include "FrameworkLook.h"

void SkinnedProgress::setPosition(int position)
{
    const int held = std::clamp(position, 0, 100);
    if (held == current)
        return;
    current = held;
    invalidate(nullptr, false);
}

void SkinnedProgress::step()
{
    setPosition(current >= 100 ? 0 : current + 1);
}

LRESULT SkinnedProgress::onPaint(HDC)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT area;
    GetClientRect(hwnd, &area);
    frameworkLook().drawProgress(hwnd, dc, area, current);
    EndPaint(hwnd, &paint);
    return 0;
}

LRESULT SkinnedProgress::onEraseBkgnd(HDC)
{
    return 1;
}
