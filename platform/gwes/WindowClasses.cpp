// Window classes: registered by name (compared without case) per process, and known by atom too.
#include <algorithm>

#include "GwesState.h"
#include "SystemClasses.h"
#include "text/CaseTable.h"

namespace ce::gwes {
namespace {

bool isAtom(LPCWSTR name)
{
    return reinterpret_cast<uintptr_t>(name) < 0x10000;
}

// A system class becomes a class of the device on its first use.
std::shared_ptr<WindowClass> adoptSystemClass(LPCWSTR name)
{
    const SystemClass* systemClass = isAtom(name) ? nullptr : findSystemClass(name);
    if (!systemClass)
        return nullptr;
    auto windowClass = std::make_shared<WindowClass>();
    windowClass->name = systemClass->name;
    windowClass->data.style = systemClass->style;
    windowClass->data.lpfnWndProc = systemClass->proc;
    windowClass->data.cbWndExtra = systemClass->extraBytes;
    windowClass->atom = state().nextAtom++;
    state().classes.push_back(windowClass);
    return windowClass;
}

} // namespace

std::shared_ptr<WindowClass> findClass(LPCWSTR nameOrAtom)
{
    if (!nameOrAtom)
        return nullptr;
    const DWORD processId = GetCurrentProcessId();
    for (auto& windowClass : state().classes) {
        if (windowClass->processId && windowClass->processId != processId)
            continue;
        if (isAtom(nameOrAtom) ? windowClass->atom == reinterpret_cast<uintptr_t>(nameOrAtom)
                               : ce::sameNameDevice(windowClass->name, nameOrAtom))
            return windowClass;
    }
    return adoptSystemClass(nameOrAtom);
}

} // namespace ce::gwes

using namespace ce::gwes;

ATOM RegisterClassW(const WNDCLASSW* lpWndClass)
{
    if (!lpWndClass || !lpWndClass->lpszClassName || isAtom(lpWndClass->lpszClassName) || !*lpWndClass->lpszClassName
        || lpWndClass->cbWndExtra < 0 || lpWndClass->cbClsExtra < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::lock_guard guard(gwesLock());
    if (findClass(lpWndClass->lpszClassName)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto windowClass = std::make_shared<WindowClass>();
    windowClass->name = lpWndClass->lpszClassName;
    windowClass->data = *lpWndClass;
    windowClass->data.lpszClassName = nullptr; // the caller's text need not outlive the call
    windowClass->data.lpszMenuName = nullptr;
    windowClass->atom = state().nextAtom++;
    windowClass->processId = GetCurrentProcessId();
    state().classes.push_back(windowClass);
    return windowClass->atom;
}

BOOL UnregisterClassW(LPCWSTR lpClassName, HINSTANCE)
{
    std::lock_guard guard(gwesLock());
    auto windowClass = findClass(lpClassName);
    if (!windowClass) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (windowClass->windows > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    auto& classes = state().classes;
    classes.erase(std::find(classes.begin(), classes.end(), windowClass));
    return TRUE;
}

BOOL GetClassInfoW(HINSTANCE, LPCWSTR lpClassName, LPWNDCLASSW lpWndClass)
{
    if (!lpWndClass) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::lock_guard guard(gwesLock());
    auto windowClass = findClass(lpClassName);
    if (!windowClass) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    *lpWndClass = windowClass->data;
    lpWndClass->lpszClassName = lpClassName;
    return TRUE;
}

int GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount)
{
    std::lock_guard guard(gwesLock());
    Window* window = windowOrFail(hWnd);
    if (!window)
        return 0;
    if (!lpClassName || nMaxCount <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::u16string& name = window->windowClass->name;
    const size_t count = std::min(name.size(), static_cast<size_t>(nMaxCount - 1));
    std::copy_n(name.begin(), count, lpClassName);
    lpClassName[count] = 0;
    return static_cast<int>(count);
}
