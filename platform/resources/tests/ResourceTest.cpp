// FindResourceW, LoadResource, SizeofResource, LockResource and LoadStringW on a library image
// with a resource table, on modules without one, and with bad handles.
#include <cstring>
#include <string>

#include "ResourceImage.h"
#include "TestResourceIds.h"
#include "ceresource.h"

namespace {

struct Lookup {
    const char* what;
    LPCWSTR name;
    LPCWSTR type;
    DWORD size;   // 0: not found
    DWORD error;  // when not found
};

using ResourceTest = ResourceImageTest;

TEST_F(ResourceTest, FindsResourcesByIdAndName)
{
    const Lookup cases[] = {
        {"dialog by id", MAKEINTRESOURCEW(IDD_ABOUT), RT_DIALOG, sizeof(CeDialogTemplate), 0},
        {"blob by id", MAKEINTRESOURCEW(IDR_BLOB), RT_RCDATA, 8, 0},
        {"blob by #id", u"#300", RT_RCDATA, 8, 0},
        {"blob by name, any case", u"LOGO", RT_RCDATA, 8, 0},
        {"named type", u"click", u"Sound", 3, 0},
        {"named type by id", MAKEINTRESOURCEW(IDD_ABOUT), u"SOUND", 0, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"wrong type", MAKEINTRESOURCEW(IDD_ABOUT), RT_MENU, 0, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"missing id", MAKEINTRESOURCEW(999), RT_DIALOG, 0, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"a name is not its id", u"300", RT_RCDATA, 0, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"no such type", MAKEINTRESOURCEW(IDR_BLOB), RT_BITMAP, 0, ERROR_RESOURCE_TYPE_NOT_FOUND},
        {"no such named type", u"Logo", u"MOVIE", 0, ERROR_RESOURCE_TYPE_NOT_FOUND},
    };
    for (const Lookup& c : cases) {
        SCOPED_TRACE(c.what);
        SetLastError(0);
        HRSRC found = FindResourceW(module, c.name, c.type);
        if (!c.size) {
            EXPECT_EQ(found, nullptr);
            EXPECT_EQ(GetLastError(), c.error);
            continue;
        }
        ASSERT_NE(found, nullptr) << GetLastError();
        EXPECT_EQ(SizeofResource(module, found), c.size);
        EXPECT_NE(LockResource(LoadResource(module, found)), nullptr);
    }
}

TEST_F(ResourceTest, LoadedDataIsTheTablesData)
{
    HRSRC blob = FindResourceW(module, MAKEINTRESOURCEW(IDR_BLOB), RT_RCDATA);
    auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, blob)));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(std::memcmp(bytes + 1, "PNG", 3), 0);
    EXPECT_EQ(LockResource(LoadResource(module, FindResourceW(module, u"Logo", RT_RCDATA))), bytes);

    HRSRC about = FindResourceW(module, MAKEINTRESOURCEW(IDD_ABOUT), RT_DIALOG);
    auto* dialog = static_cast<const CeDialogTemplate*>(LockResource(LoadResource(module, about)));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(std::u16string(dialog->title), u"About");
    EXPECT_EQ(dialog->cx, 160);
    ASSERT_EQ(dialog->controls.size(), 3u);
    EXPECT_EQ(dialog->controls[1].id, IDC_NAME);
    EXPECT_EQ(std::u16string(dialog->controls[2].className), u"BUTTON");
}

TEST(BuiltInModuleResources, BuiltInModulesHaveNone)
{
    testing_support::TestDevice device(testing_support::smallProfile(), testing_support::TestDevice::Kind::Full);
    HMODULE coredll = LoadLibraryW(u"coredll.dll");
    ASSERT_NE(coredll, nullptr);
    SetLastError(0);
    EXPECT_EQ(FindResourceW(coredll, MAKEINTRESOURCEW(1), RT_DIALOG), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
    WCHAR buffer[8];
    SetLastError(0);
    EXPECT_EQ(LoadStringW(coredll, IDS_TITLE, buffer, 8), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
    SetLastError(0);
    EXPECT_EQ(LoadMenuW(coredll, MAKEINTRESOURCEW(IDR_MAIN_MENU)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
    FreeLibrary(coredll);
}

TEST_F(ResourceTest, BadModuleAndResourceHandles)
{
    // The host context has no program for a null module to stand for.
    auto* bogus = reinterpret_cast<HMODULE>(static_cast<ULONG_PTR>(0x7FFF0000));
    for (HMODULE module : {bogus, HMODULE {}}) {
        SetLastError(0);
        EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(IDD_ABOUT), RT_DIALOG), nullptr);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    }

    // A resource handle is checked against the module's own table.
    HRSRC about = FindResourceW(module, MAKEINTRESOURCEW(IDD_ABOUT), RT_DIALOG);
    ASSERT_NE(about, nullptr);
    const HRSRC bad[] = {nullptr, reinterpret_cast<HRSRC>(reinterpret_cast<ULONG_PTR>(about) + 1)};
    for (HRSRC handle : bad) {
        SetLastError(0);
        EXPECT_EQ(SizeofResource(module, handle), 0u);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        EXPECT_EQ(LoadResource(module, handle), nullptr);
    }
    EXPECT_EQ(LoadResource(bogus, about), nullptr);
    EXPECT_EQ(LockResource(nullptr), nullptr);
}

TEST_F(ResourceTest, AProgramsNullModuleIsItsOwnImage)
{
    std::filesystem::copy_file(device.hostPath(u"\\Windows\\TestResources.dll"),
        device.hostPath(u"\\Windows\\TestResources.exe"));
    EXPECT_EQ(testing_support::runProgram(u"\\Windows\\TestResources.exe"), 7u);
}

TEST_F(ResourceTest, LoadStringCopiesTruncatesAndFindsEveryTable)
{
    struct Case {
        UINT id;
        int size;
        const char16_t* expected;
    };
    const Case cases[] = {
        {IDS_TITLE, 64, u"Test Title"},
        {IDS_TITLE, 5, u"Test"},
        {IDS_TITLE, 1, u""},
        {IDS_FORMAT, 64, u"%s of %d"},
        {IDS_SECOND_TABLE, 64, u"From the second table"},
        {IDS_EMPTY, 64, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        WCHAR buffer[64];
        std::fill(std::begin(buffer), std::end(buffer), u'#');
        const int length = LoadStringW(module, c.id, buffer, c.size);
        EXPECT_EQ(std::u16string(buffer), c.expected);
        EXPECT_EQ(length, static_cast<int>(std::u16string(c.expected).size()));
    }
}

TEST_F(ResourceTest, LoadStringWithNoSizeGivesTheTextInPlace)
{
    LPCWSTR text = nullptr;
    EXPECT_EQ(LoadStringW(module, IDS_SECOND_TABLE, reinterpret_cast<LPWSTR>(&text), 0), 21);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::u16string(text), u"From the second table");
}

TEST_F(ResourceTest, LoadStringFailures)
{
    WCHAR buffer[8] = u"junk";
    SetLastError(0);
    EXPECT_EQ(LoadStringW(module, 4242, buffer, 8), 0);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));

    EXPECT_EQ(LoadStringW(module, IDS_TITLE, nullptr, 8), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

} // namespace
