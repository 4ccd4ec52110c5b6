// Libraries of ours: where LoadLibraryW finds them, counted loads, exports by name and by
// ordinal, module names and file names.
#include <gtest/gtest.h>

#include <fstream>

#include "TestImages.h"

using testing_support::TestDevice;

namespace {

class ModuleTest : public ::testing::Test {
protected:
    void SetUp() override { installTestImages(device); }

    TestDevice device;
};

std::string narrow(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}

TEST_F(ModuleTest, LoadLibraryFindsPathsAndNamesInWindows)
{
    installTestImages(device, u"", u"\\Windows\\Shared.dll");
    std::ofstream(device.hostPath(u"\\Windows\\Text.dll")) << "no image";
    struct Case {
        const WCHAR* name;
        DWORD error; // 0: loads
    };
    const Case cases[] = {
        {testLibraryPath, 0},
        {u"Program Files\\Test\\TestLibrary.dll", 0},
        {u"Shared.dll", 0},
        {u"shared", 0}, // .dll is implied
        {u"TestLibrary.dll", ERROR_MOD_NOT_FOUND}, // not in \Windows; the host context has no folder
        {u"\\Program Files\\Test\\Gone.dll", ERROR_MOD_NOT_FOUND},
        {u"Text.dll", ERROR_BAD_EXE_FORMAT},
        {u"", ERROR_INVALID_PARAMETER},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.name));
        SetLastError(0);
        HMODULE module = LoadLibraryW(c.name);
        if (c.error) {
            EXPECT_EQ(module, nullptr);
            EXPECT_EQ(GetLastError(), c.error);
            continue;
        }
        ASSERT_NE(module, nullptr);
        auto add = procAddress<int (*)(int, int)>(module, u"Add");
        ASSERT_NE(add, nullptr);
        EXPECT_EQ(add(20, 22), 42);
        EXPECT_TRUE(FreeLibrary(module));
    }
}

TEST_F(ModuleTest, ProgramLoadsLibrariesFromItsOwnFolder)
{
    EXPECT_EQ(runProgram(testProgramPath, u"loadlib TestLibrary"), 5u);
    EXPECT_EQ(runProgram(testProgramPath, u"loadlib Elsewhere"), 0u);
}

TEST_F(ModuleTest, LoadsAreCountedAndTheLastFreeUnloads)
{
    HMODULE first = LoadLibraryW(testLibraryPath);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(LoadLibraryW(u"\\program files\\test\\testlibrary.dll"), first);
    auto bump = procAddress<int (*)()>(first, u"Bump");
    ASSERT_NE(bump, nullptr);
    bump();
    EXPECT_EQ(bump(), 2);

    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(GetModuleHandleW(u"TestLibrary.dll"), first);
    EXPECT_EQ(GetModuleHandleW(u"testlibrary"), first);
    EXPECT_TRUE(FreeLibrary(first));
    SetLastError(0);
    EXPECT_EQ(GetModuleHandleW(u"TestLibrary.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_FALSE(FreeLibrary(first));

    // Loaded again: a fresh copy with fresh globals.
    HMODULE again = LoadLibraryW(testLibraryPath);
    ASSERT_NE(again, nullptr);
    bump = procAddress<int (*)()>(again, u"Bump");
    ASSERT_NE(bump, nullptr);
    EXPECT_EQ(bump(), 1);
    EXPECT_TRUE(FreeLibrary(again));
}

TEST_F(ModuleTest, GetProcAddressFindsExportsByNameAndOrdinal)
{
    HMODULE module = LoadLibraryW(testLibraryPath);
    ASSERT_NE(module, nullptr);
    FARPROC add = GetProcAddressW(module, u"Add");
    FARPROC bump = GetProcAddressW(module, u"Bump");
    ASSERT_NE(add, nullptr);
    ASSERT_NE(bump, nullptr);
    EXPECT_NE(add, bump);
    struct Case {
        const char* what;
        LPCWSTR name;
        FARPROC expected; // null: ERROR_PROC_NOT_FOUND
    };
    const Case cases[] = {
        {"ordinal 1", MAKEINTRESOURCEW(1), add},
        {"ordinal 2", MAKEINTRESOURCEW(2), bump},
        {"ordinal missing from the table", MAKEINTRESOURCEW(3), nullptr},
        {"ordinal of a name the library lacks", MAKEINTRESOURCEW(9), nullptr},
        {"missing name", u"Subtract", nullptr},
        {"names are case-sensitive", u"add", nullptr},
        {"a platform call the library only uses", u"CreateFileW", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetLastError(0);
        EXPECT_EQ(GetProcAddressW(module, c.name), c.expected);
        EXPECT_EQ(GetLastError(), c.expected ? 0u : static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    }
    SetLastError(0);
    EXPECT_EQ(GetProcAddressW(reinterpret_cast<HMODULE>(0x1234), u"Add"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_TRUE(FreeLibrary(module));
}

TEST_F(ModuleTest, GetModuleFileNameTruncatesLikeWin32)
{
    HMODULE module = LoadLibraryW(testLibraryPath);
    ASSERT_NE(module, nullptr);
    const std::u16string path = testLibraryPath;
    const DWORD length = static_cast<DWORD>(path.size());
    struct Case {
        DWORD size;
        DWORD result;
        std::u16string text;
        DWORD error; // 0: no error set
    };
    const Case cases[] = {
        {MAX_PATH, length, path, 0},
        {length + 1, length, path, 0},
        {length, length, path.substr(0, length - 1), ERROR_INSUFFICIENT_BUFFER},
        {1, 1, u"", ERROR_INSUFFICIENT_BUFFER},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        WCHAR buffer[MAX_PATH];
        std::fill(std::begin(buffer), std::end(buffer), u'#');
        SetLastError(0);
        EXPECT_EQ(GetModuleFileNameW(module, buffer, c.size), c.result);
        EXPECT_EQ(std::u16string(buffer), c.text);
        EXPECT_EQ(GetLastError(), c.error);
    }
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameW(reinterpret_cast<HMODULE>(0x1234), nullptr, 0), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    // The host context runs no program.
    EXPECT_EQ(GetModuleHandleW(nullptr), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
}

} // namespace
