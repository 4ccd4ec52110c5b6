// A control's own state (items, selection, range...) kept with its window and freed with it.
#pragma once

#include <memory>
#include <mutex>

#include "gwes/GwesState.h"

namespace ce::gwes {

// The state of type T of a control window, made on first use; null when the window is gone.
// The shared pointer keeps the state alive while the caller works even if the window goes.
template <typename T> std::shared_ptr<T> controlState(HWND hwnd)
{
    std::lock_guard guard(gwesLock());
    Window* window = findWindow(hwnd);
    if (!window)
        return nullptr;
    if (!window->control)
        window->control = std::make_shared<T>();
    return std::static_pointer_cast<T>(window->control);
}

} // namespace ce::gwes
