// The test program and library images installed into a test device, and running the program.
#pragma once

#include <string>

#include "TestDevice.h"
#include "windows.h"

inline constexpr const WCHAR* testProgramPath = u"\\Program Files\\Test\\TestProgram.exe";
inline constexpr const WCHAR* testLibraryPath = u"\\Program Files\\Test\\TestLibrary.dll";

// Copies the program image to `programPath` and the library image to `libraryPath` (an empty
// path copies nothing).
void installTestImages(const testing_support::TestDevice& device, const std::u16string& programPath = testProgramPath,
    const std::u16string& libraryPath = testLibraryPath);

// GetProcAddressW's result as the function type it has.
template <typename Function> Function procAddress(HMODULE module, LPCWSTR name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddressW(module, name)));
}

// A function as CALLBACKINFO's pfn.
template <typename Function> FARPROC asFarProc(Function function)
{
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(function));
}

using testing_support::runProgram;
