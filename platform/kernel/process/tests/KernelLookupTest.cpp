// The kernel calls programs look up in coredll.dll (and a profile that leaves some out), the
// thread's kernel mode and permissions, and PerformCallBack4 into another process.
#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "TestImages.h"

using testing_support::TestDevice;

namespace {

struct KernelCall {
    const WCHAR* name;
    void* address;
};

const KernelCall kernelCalls[] = {
    {u"SetKMode", reinterpret_cast<void*>(&SetKMode)},
    {u"SetProcPermissions", reinterpret_cast<void*>(&SetProcPermissions)},
    {u"GetCurrentPermissions", reinterpret_cast<void*>(&GetCurrentPermissions)},
    {u"PerformCallBack4", reinterpret_cast<void*>(&PerformCallBack4)},
    {u"HeapCompact", reinterpret_cast<void*>(&HeapCompact)},
    {u"CompactAllHeaps", reinterpret_cast<void*>(&CompactAllHeaps)},
    {u"GetSystemMemoryDivision", reinterpret_cast<void*>(&GetSystemMemoryDivision)},
    {u"SetSystemMemoryDivision", reinterpret_cast<void*>(&SetSystemMemoryDivision)},
    {u"MapPtrToProcess", reinterpret_cast<void*>(&MapPtrToProcess)},
};

std::string narrow(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}

TEST(KernelLookup, BuiltInModulesExportThePlatformCalls)
{
    TestDevice device(testing_support::smallProfile(), TestDevice::Kind::Full);
    HMODULE coredll = LoadLibraryW(u"coredll.dll");
    ASSERT_NE(coredll, nullptr);
    EXPECT_EQ(GetModuleHandleW(u"COREDLL"), coredll);
    for (const auto& call : kernelCalls) {
        SCOPED_TRACE(narrow(call.name));
        EXPECT_EQ(reinterpret_cast<void*>(GetProcAddressW(coredll, call.name)), call.address);
    }
    for (const WCHAR* absent : {u"NoSuchCall", u"malloc", u"dlopen"}) {
        SCOPED_TRACE(narrow(absent));
        SetLastError(0);
        EXPECT_EQ(GetProcAddressW(coredll, absent), nullptr);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    }
    EXPECT_EQ(GetProcAddressW(coredll, MAKEINTRESOURCEW(1)), nullptr);
    WCHAR path[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameW(coredll, path, MAX_PATH), 20u);
    EXPECT_EQ(std::u16string(path), u"\\Windows\\coredll.dll");

    HMODULE commctrl = LoadLibraryW(u"commctrl.dll");
    ASSERT_NE(commctrl, nullptr);
    EXPECT_NE(commctrl, coredll);
    EXPECT_EQ(
        reinterpret_cast<void*>(GetProcAddressW(commctrl, u"CreateFileW")), reinterpret_cast<void*>(&CreateFileW));
    EXPECT_TRUE(FreeLibrary(commctrl));
    EXPECT_TRUE(FreeLibrary(coredll));
}

TEST(KernelLookup, AProfileCanLeaveKernelCallsOut)
{
    emulator::Profile profile = testing_support::smallProfile();
    profile.otherSections.push_back({"kernel", {{"Missing", "SetKMode, PerformCallBack4"}}});
    TestDevice device(profile, TestDevice::Kind::Full);
    HMODULE coredll = LoadLibraryW(u"coredll.dll");
    ASSERT_NE(coredll, nullptr);
    for (const auto& call : kernelCalls) {
        std::u16string name = call.name;
        SCOPED_TRACE(narrow(name));
        bool leftOut = name == u"SetKMode" || name == u"PerformCallBack4";
        SetLastError(0);
        EXPECT_EQ(reinterpret_cast<void*>(GetProcAddressW(coredll, call.name)), leftOut ? nullptr : call.address);
        EXPECT_EQ(GetLastError(), leftOut ? static_cast<DWORD>(ERROR_PROC_NOT_FOUND) : 0u);
    }
    EXPECT_TRUE(FreeLibrary(coredll));
}

TEST(KernelLookup, KernelModeAndPermissionsBelongToTheThread)
{
    EXPECT_FALSE(SetKMode(TRUE));
    EXPECT_TRUE(SetKMode(TRUE));
    DWORD initial = SetProcPermissions(0xFFFFFFFF);
    EXPECT_EQ(GetCurrentPermissions(), 0xFFFFFFFFu);
    std::thread([&] {
        EXPECT_FALSE(SetKMode(FALSE));
        EXPECT_EQ(GetCurrentPermissions(), initial);
    }).join();
    EXPECT_EQ(SetProcPermissions(initial), 0xFFFFFFFFu);
    EXPECT_TRUE(SetKMode(FALSE));
    int value = 0;
    EXPECT_EQ(MapPtrToProcess(&value, GetCurrentProcess()), &value);
}

// Runs inside the target process: loads the test library there and bumps its counter.
DWORD loadLibraryThere(LPVOID loaded, LPVOID, LPVOID, LPVOID)
{
    HMODULE library = LoadLibraryW(testLibraryPath);
    *static_cast<HMODULE*>(loaded) = library;
    auto bump = procAddress<int (*)()>(library, u"Bump");
    return bump ? bump() * 1000 + GetCurrentProcessId() % 1000 : 0;
}

DWORD failInside(LPVOID, LPVOID, LPVOID, LPVOID)
{
    throw std::runtime_error("callback failed");
}

TEST(KernelLookup, PerformCallBack4RunsAsTheTargetProcess)
{
    TestDevice device;
    installTestImages(device);
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, u"CallBackReady");
    std::u16string commandLine = u"wait CallBackReady CallBackNever";
    PROCESS_INFORMATION target {};
    ASSERT_TRUE(CreateProcessW(
        testProgramPath, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &target));
    ASSERT_EQ(WaitForSingleObject(ready, INFINITE), WAIT_OBJECT_0);

    HMODULE loaded = nullptr;
    CALLBACKINFO load {target.hProcess, asFarProc(&loadLibraryThere), &loaded};
    EXPECT_EQ(PerformCallBack4(&load, nullptr, nullptr, nullptr), 1000 + target.dwProcessId % 1000);
    ASSERT_NE(loaded, nullptr);
    // Loaded into the target, not into the caller's context.
    EXPECT_EQ(GetModuleHandleW(u"TestLibrary.dll"), nullptr);
    EXPECT_EQ(PerformCallBack4(&load, nullptr, nullptr, nullptr), 2000 + target.dwProcessId % 1000);

    // An export of that library called back later runs as the target too.
    CALLBACKINFO owner {target.hProcess, GetProcAddressW(loaded, u"OwnerProcessId"), nullptr};
    ASSERT_NE(owner.pfn, nullptr);
    EXPECT_EQ(PerformCallBack4(&owner, nullptr, nullptr, nullptr), target.dwProcessId);

    // The caller's context comes back even when the callback throws.
    CALLBACKINFO failing {target.hProcess, asFarProc(&failInside), nullptr};
    EXPECT_THROW(PerformCallBack4(&failing, nullptr, nullptr, nullptr), std::runtime_error);
    EXPECT_EQ(GetCurrentProcessId(), 0u);

    EXPECT_TRUE(TerminateProcess(target.hProcess, 0));
    EXPECT_EQ(WaitForSingleObject(target.hProcess, INFINITE), WAIT_OBJECT_0);
    SetLastError(0);
    EXPECT_EQ(PerformCallBack4(&owner, nullptr, nullptr, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(PerformCallBack4(nullptr, nullptr, nullptr, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    CloseHandle(target.hThread);
    CloseHandle(target.hProcess);
    CloseHandle(ready);
}

} // namespace
